#include "gui/find/FindController.h"

#include "document/ChannelDocument.h"
#include "editing/ChannelFinder.h"
#include "gui/find/FindDialog.h"
#include "gui/find/ShowFoundChannel.h"
#include "gui/views/ChannelList.h"
#include "gui/views/DatabaseTree.h"

namespace kavro::gui {

FindController::FindController(ChannelDocument& document, DatabaseTree* tree, ChannelList* list,
                               QWidget* parentWindow)
    : QObject(parentWindow),
      document_(document),
      tree_(tree),
      list_(list),
      parentWindow_(parentWindow) {}

FindController::~FindController() {
    delete dialog_;
}

bool FindController::hasSearchText() const {
    return dialog_ && dialog_->form().canSearch();
}

void FindController::find() {
    if (!dialog_) dialog_ = new FindDialog(document_, tree_, list_, parentWindow_);
    dialog_->preselect(tree_ ? tree_->currentKey() : TreeItemKey::none());
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
    dialog_->focusText();
}

void FindController::findNext() {
    if (!hasSearchText()) {
        find();
        return;
    }
    if (!tree_ || !list_) return;
    const std::string& text = dialog_->form().text;
    const std::optional<ChannelPlace> hit =
        kavro::findNext(document_.database(), text, tree_->currentKey(), document_.messages());
    if (hit && !showFoundChannel(*tree_, *list_, *hit)) reportNotFound(document_.messages(), text);
}

}  // namespace kavro::gui

#pragma once

#include <QObject>
#include <QPointer>
#include <optional>

#include "database/ChannelDatabase.h"
#include "editing/ChannelForm.h"
#include "editing/TreeItemKey.h"

class QWidget;

namespace kavro {
class ChannelDocument;
}

namespace kavro::gui {

class ChannelList;
class DatabaseTree;

// Edit and Add for every kind of record: opens the dialog that fits the tree's item or the
// channel list's row, and stores what OK gives as one undoable command through the document.
// After an add the new item is selected in the tree, after a channel edit or add the channel
// in the list. Cancel, or a record that is gone by the time the dialog closes, changes nothing.
class RecordEditor : public QObject {
    Q_OBJECT
public:
    RecordEditor(ChannelDocument& document, DatabaseTree* tree, ChannelList* list,
                 QWidget* dialogParent);

    // Routes the views' edit and add requests (double-click, Enter, Insert, and the window's
    // Edit and Add once sent to a view) to the slots below.
    void connectViews();

public slots:
    // A satellite, transponder or group: its dialog. The root and the headers: nothing.
    void editTreeItem(const kavro::TreeItemKey& key);
    // "Satellites" header: a new satellite; satellite s: a new transponder for it; a group: a
    // new group. Anything else: nothing.
    void addTreeItem(const kavro::TreeItemKey& key);
    // The channel of a list row (a row that no longer resolves opens an add). Only while the
    // tree shows the satellite side.
    void editChannel(const kavro::ChannelRef& row);
    // A new channel, placed by the tree's item and the list's first selected row.
    void addChannel();

private:
    void editSatellite(std::size_t s);
    void editTransponder(std::size_t s, std::size_t t);
    void editGroup(std::size_t g);
    void addSatellite();
    void addTransponder(std::size_t s);
    void addGroup();
    void openChannel(const std::optional<ChannelRef>& row);
    TreeItemKey treeKey() const;
    ChannelForm::Placement newChannelPlacement(const TreeItemKey& key) const;

    ChannelDocument& document_;
    QPointer<DatabaseTree> tree_;
    QPointer<ChannelList> list_;
    QPointer<QWidget> dialogParent_;
};

}  // namespace kavro::gui

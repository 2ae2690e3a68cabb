#pragma once

// The Find dialog over the window, opened on a transponder with a name being typed.
#include <QDir>
#include <QLineEdit>
#include <QString>

#include "gui/MainWindow.h"
#include "gui/find/FindController.h"
#include "gui/find/FindDialog.h"
#include "gui/views/DatabaseTree.h"

namespace kavro::gui {

inline bool saveFindScreenshot(MainWindow& window, const QDir& out,
                               bool (*save)(QWidget&, const QDir&, const QString&)) {
    FindController find(window.document(), window.tree(), window.channelList(), &window);
    const TreeItemKey before = window.tree()->currentKey();
    window.tree()->selectKey(TreeItemKey::transponder(0, 1));
    find.find();
    FindDialog* dialog = find.dialog();
    dialog->findChild<QLineEdit*>(QStringLiteral("text"))->setText(QStringLiteral("News"));
    const bool ok = save(*dialog, out, QStringLiteral("find.png"));
    dialog->hide();
    window.tree()->selectKey(before);  // the pictures after this one see the window unchanged
    return ok;
}

}  // namespace kavro::gui

#pragma once

// The channel list's right-click menu, opened on the selected row, with its Group submenu.
#include <QDir>
#include <QMenu>
#include <QString>
#include <memory>

#include "gui/views/ChannelList.h"

namespace kavro::gui {

inline bool saveChannelMenuScreenshot(ChannelList& list, const QDir& out, const QString& name,
                                      bool (*save)(QWidget&, const QDir&, const QString&)) {
    const QModelIndex current = list.currentIndex();
    const QPoint at = current.isValid() ? list.visualRect(current).center() : QPoint(5, 5);
    std::unique_ptr<QMenu> menu = list.createContextMenu(at);
    if (!menu) return false;
    menu->popup(list.viewport()->mapToGlobal(at));
    const bool ok = save(*menu, out, name);
    menu->hide();
    return ok;
}

}  // namespace kavro::gui

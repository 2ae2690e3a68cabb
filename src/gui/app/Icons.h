#pragma once

#include <QIcon>
#include <QString>

namespace kavro::gui {

// The program's own artwork (resources/icons), loaded once and shared.
// `name` is the file name without ".svg": toolbar "open", "save" ...; tree "file",
// "satellites", "satellite", "transponder", "groups", "group".
QIcon toolbarIcon(const QString& name);
QIcon treeIcon(const QString& name);
// Image i of the channel types (1-4 TV, 5-8 RADIO, 9-12 DATA; +1 locked, +2 crypted, as
// channelTypeIcon numbers them); an empty icon for 0 (no type).
QIcon channelTypeIcon(int image);
QIcon applicationIcon();

}  // namespace kavro::gui

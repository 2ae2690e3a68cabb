#include "gui/app/RecentFiles.h"

#include <QFileInfo>

namespace kavro::gui {
namespace {
const QString kKey = QStringLiteral("Recent File List/Files");
}

QStringList RecentFiles::files() const {
    QStringList list = profile_.value(kKey).toStringList();
    list.removeAll(QString());
    while (list.size() > kMaxFiles) list.removeLast();
    return list;
}

void RecentFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list);
}

void RecentFiles::remove(const QString& path) {
    QStringList list = files();
    list.removeAll(path);
    store(list);
}

void RecentFiles::store(const QStringList& list) {
    profile_.setValue(kKey, list.mid(0, kMaxFiles));
}

}  // namespace kavro::gui

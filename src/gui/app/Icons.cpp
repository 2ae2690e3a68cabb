#include "gui/app/Icons.h"

#include <QHash>

// The resources live in this static library; the linker only keeps them when asked for.
static void initKavroResources() {
    Q_INIT_RESOURCE(kavro);
}

namespace kavro::gui {
namespace {

QIcon cached(const QString& path) {
    static bool initialised = (initKavroResources(), true);
    (void)initialised;
    static QHash<QString, QIcon> icons;
    auto it = icons.find(path);
    if (it == icons.end()) it = icons.insert(path, QIcon(path));
    return *it;
}

}  // namespace

QIcon toolbarIcon(const QString& name) {
    return cached(QStringLiteral(":/icons/toolbar/%1.svg").arg(name));
}

QIcon treeIcon(const QString& name) {
    return cached(QStringLiteral(":/icons/tree/%1.svg").arg(name));
}

QIcon channelTypeIcon(int image) {
    static const char* const kTypes[] = {"tv", "radio", "data"};
    static const char* const kBadges[] = {"", "-locked", "-crypted", "-locked-crypted"};
    if (image < 1 || image > 12) return {};
    const int i = image - 1;
    return cached(QStringLiteral(":/icons/channels/%1%2.svg")
                      .arg(QLatin1String(kTypes[i / 4]), QLatin1String(kBadges[i % 4])));
}

QIcon applicationIcon() {
    return cached(QStringLiteral(":/icons/app/kavro.svg"));
}

}  // namespace kavro::gui

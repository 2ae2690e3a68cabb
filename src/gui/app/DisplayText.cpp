#include "gui/app/DisplayText.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include "arabic/ReceiverName.h"
#include "arabic/Windows1256.h"
#include "gui/app/CoreTexts.h"
#include "messages/StringTable.h"

namespace kavro::gui {

QString fromWindows1256(std::string_view text) {
    return QString::fromStdString(windows1256ToUtf8(text));
}

std::string toWindows1256(const QString& text) {
    return utf8ToWindows1256(text.toStdString());
}

QString coreText(std::string_view english) {
    if (english.empty()) return {};
    const std::string source = windows1256ToUtf8(english);
    return QCoreApplication::translate(kCoreTextContext, source.c_str());
}

QString coreTitle(std::string_view title) {
    const QString shown = fromWindows1256(title);
    for (const char* pattern : coreTitlePatterns()) {
        const QString english = QString::fromUtf8(pattern);
        const qsizetype at = english.indexOf(QLatin1String("%02d"));
        const QString before = english.left(at);
        const QString after = english.mid(at + 4);
        if (shown.size() < english.size() - 2 || !shown.startsWith(before) ||
            !shown.endsWith(after))
            continue;
        const QString number = shown.mid(before.size(), shown.size() - before.size() - after.size());
        bool digits = !number.isEmpty();
        for (QChar c : number) digits = digits && c.isDigit();
        if (!digits) continue;
        return QCoreApplication::translate(kCoreTextContext, pattern)
            .replace(QLatin1String("%02d"), number);
    }
    return shown;
}

QString stringText(int id) {
    return coreText(kavro::stringText(id));
}

QString stringField(int id, int index) {
    // The whole entry is translated, so a translator may reword every field of it.
    return stringText(id).section(u'\n', index, index);
}

QString displayName(const SatelliteRecord& satellite) {
    return fromWindows1256(decodeReceiverName(satellite.name()));
}

QString displayName(const ChannelRecord& channel) {
    return fromWindows1256(decodeReceiverName(channel.name()));
}

QString displayName(const GroupRecord& group) {
    return fromWindows1256(decodeReceiverName(group.name()));
}

QString numberedLabel(int number, int width, const QString& name) {
    return QStringLiteral("%1. ").arg(number, width) + name;
}

QString satelliteLabel(std::size_t s, const SatelliteRecord& satellite) {
    return numberedLabel(static_cast<int>(s + 1), 3, displayName(satellite));
}

QString transponderLabel(std::size_t t, const TransponderRecord& transponder) {
    return numberedLabel(static_cast<int>(t + 1), 3, fromWindows1256(transponder.label()));
}

QString groupLabel(std::size_t g, const GroupRecord& group) {
    return numberedLabel(static_cast<int>(g + 1), 2, displayName(group));
}

QString ownDirection(const QString& entry) {
    // A left-to-right mark makes the run start left to right whatever the box's direction.
    return QGuiApplication::isRightToLeft() ? QChar(0x200E) + entry : entry;
}

bool hasArabicName(const ChannelRecord& channel) {
    return channel.bytes[4] == 2;
}

}  // namespace kavro::gui

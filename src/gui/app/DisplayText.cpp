#include "gui/app/DisplayText.h"

#include "arabic/ReceiverName.h"
#include "arabic/Windows1256.h"
#include "messages/StringTable.h"

namespace kavro::gui {

QString fromWindows1256(std::string_view text) {
    return QString::fromStdString(windows1256ToUtf8(text));
}

std::string toWindows1256(const QString& text) {
    return utf8ToWindows1256(text.toStdString());
}

QString stringText(int id) {
    return fromWindows1256(kavro::stringText(id));
}

QString stringField(int id, int index) {
    return fromWindows1256(kavro::stringField(id, index));
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

bool hasArabicName(const ChannelRecord& channel) {
    return channel.bytes[4] == 2;
}

}  // namespace kavro::gui

#pragma once

// The edit dialogs of kavro-screenshots: each one opened on the document for editing and for
// adding, shown without running it, pictured and closed.
#include <QDialog>
#include <QDir>
#include <QString>

#include "document/ChannelDocument.h"
#include "gui/dialogs/ChannelDialog.h"
#include "gui/dialogs/GroupDialog.h"
#include "gui/dialogs/SatelliteDialog.h"
#include "gui/dialogs/TransponderDialog.h"

namespace kavro::gui {

using SavePicture = bool (*)(QWidget& widget, const QDir& dir, const QString& name);

inline bool saveDialogPicture(QDialog& dialog, const QDir& out, const QString& name,
                              SavePicture save) {
    dialog.show();
    const bool saved = save(dialog, out, name);
    dialog.close();
    return saved;
}

// The first channel of the database whose stored name is Arabic-coded, or the first channel.
inline ChannelRef pictureChannel(const ChannelDatabase& db, bool arabic) {
    for (std::size_t s = 0; s < db.satellites.size(); ++s)
        for (std::size_t t = 0; t < db.satellites[s].transponders.size(); ++t) {
            const auto& channels = db.satellites[s].transponders[t].channels;
            for (std::size_t k = 0; k < channels.size(); ++k)
                if (!arabic || channels[k].name()[0] == kArabicNameMarker)
                    return {channels[k].number, static_cast<std::uint16_t>(k),
                            static_cast<std::uint16_t>(t), static_cast<std::uint16_t>(s)};
        }
    return {};
}

inline bool saveDialogScreenshots(const ChannelDocument& document, QWidget* parent, const QDir& out,
                                  SavePicture save) {
    const ChannelDatabase& db = document.database();
    if (db.satellites.empty() || db.satellites[0].transponders.empty()) return false;
    SilentMessageSink messages;
    bool ok = true;

    SatelliteDialog satellite(SatelliteForm::forEdit(0, db.satellites[0]), messages, parent);
    ok &= saveDialogPicture(satellite, out, QStringLiteral("satellite-edit.png"), save);
    if (auto form = SatelliteForm::forAdd(db, messages)) {
        SatelliteDialog add(std::move(*form), messages, parent);
        ok &= saveDialogPicture(add, out, QStringLiteral("satellite-add.png"), save);
    }

    if (auto form = TransponderForm::forEdit(db, 0, 0)) {
        TransponderDialog edit(std::move(*form), messages, parent);
        ok &= saveDialogPicture(edit, out, QStringLiteral("transponder-edit.png"), save);
    }
    if (auto form = TransponderForm::forAdd(db, 0, messages)) {
        TransponderDialog add(std::move(*form), messages, parent);
        ok &= saveDialogPicture(add, out, QStringLiteral("transponder-add.png"), save);
    }

    const std::pair<bool, const char*> channels[] = {{false, "channel-edit.png"},
                                                     {true, "channel-edit-arabic.png"}};
    for (const auto& [arabic, name] : channels)
        if (auto form = ChannelForm::open(db, pictureChannel(db, arabic), {}, messages)) {
            ChannelDialog edit(std::move(*form), messages, parent);
            ok &= saveDialogPicture(edit, out, QString::fromLatin1(name), save);
        }
    if (auto form = ChannelForm::open(db, std::nullopt, {0, 0}, messages)) {
        ChannelDialog add(std::move(*form), messages, parent);
        ok &= saveDialogPicture(add, out, QStringLiteral("channel-add.png"), save);
    }

    // A favourites group after the receiver's own four, if there is one.
    if (auto form = GroupForm::forEdit(db, db.groups.size() > 4 ? 4 : 0)) {
        GroupDialog edit(std::move(*form), messages, parent);
        ok &= saveDialogPicture(edit, out, QStringLiteral("group-edit.png"), save);
    }
    if (auto form = GroupForm::forAdd(db, messages)) {
        GroupDialog add(std::move(*form), messages, parent);
        ok &= saveDialogPicture(add, out, QStringLiteral("group-add.png"), save);
    }
    return ok;
}

}  // namespace kavro::gui

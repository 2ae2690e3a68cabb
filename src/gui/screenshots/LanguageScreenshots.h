#pragma once

// The window and the satellite, channel and Parameters dialogs in Arabic (right to left) and
// in French, switched live as the user would, then back to English for the pictures after.
#include <QDir>
#include <QSettings>
#include <QString>

#include "gui/MainWindow.h"
#include "gui/app/LanguageSwitcher.h"
#include "gui/dialogs/ParametersDialog.h"
#include "gui/screenshots/ChannelMenuScreenshot.h"
#include "gui/screenshots/DialogScreenshots.h"
#include "gui/views/ChannelList.h"
#include "gui/views/DatabaseTree.h"

namespace kavro::gui {

inline bool saveLanguageScreenshots(MainWindow& window, QSettings& profile, const QDir& out,
                                    SavePicture save) {
    SilentMessageSink messages;
    LanguageSwitcher switcher(profile, messages);
    switcher.attach(window);
    const TreeItemKey before = window.tree()->currentKey();
    const ChannelDatabase& db = window.document().database();
    if (db.satellites.empty()) return false;
    bool ok = true;
    for (int language : {LanguageSwitcher::Arabic, LanguageSwitcher::French}) {
        switcher.select(language);
        if (switcher.loaded() != language) return false;
        const QString suffix =
            language == LanguageSwitcher::Arabic ? QStringLiteral("ar") : QStringLiteral("fr");
        window.tree()->expandAll();
        window.tree()->selectKey(TreeItemKey::transponder(0, 3));
        window.channelList()->selectRow(2);
        ok &= save(window, out, QStringLiteral("main-window-%1.png").arg(suffix));
        ok &= saveChannelMenuScreenshot(*window.channelList(), out,
                                        QStringLiteral("channel-menu-%1.png").arg(suffix), save);
        // The satellite dialog: its lists (LNB, DiSEqC, positioner) are translated too.
        SatelliteDialog dialog(SatelliteForm::forEdit(0, db.satellites[0]), messages, &window);
        ok &= saveDialogPicture(dialog, out, QStringLiteral("satellite-edit-%1.png").arg(suffix),
                                save);
        if (auto form = ChannelForm::open(db, pictureChannel(db, false), {}, messages)) {
            ChannelDialog channel(std::move(*form), messages, &window);
            ok &= saveDialogPicture(channel, out, QStringLiteral("channel-edit-%1.png").arg(suffix),
                                    save);
        }
        // The longest labels of the program, where a translation would be clipped first.
        ParametersDialog parameters(window.document(), &window);
        ok &= saveDialogPicture(parameters, out, QStringLiteral("parameters-%1.png").arg(suffix),
                                save);
    }
    switcher.select(LanguageSwitcher::English);
    window.tree()->collapseAll();
    window.tree()->selectKey(before);
    return ok;
}

}  // namespace kavro::gui

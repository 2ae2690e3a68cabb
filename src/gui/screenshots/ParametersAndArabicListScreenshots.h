#pragma once

// The Parameters and Arabic channals dialogs of kavro-screenshots, shown without running them.
#include <QDir>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include "arabic/ArabicNameList.h"
#include "document/ChannelDocument.h"
#include "gui/app/DisplayText.h"
#include "gui/dialogs/ArabicListDialog.h"
#include "gui/dialogs/ParametersDialog.h"

namespace kavro::gui {

inline bool saveParametersAndArabicListScreenshots(ChannelDocument& document, QWidget* parent,
                                                   const QDir& out,
                                                   bool (*save)(QWidget&, const QDir&,
                                                                const QString&)) {
    bool ok = true;
    {
        // The receiver clock after Update, at a fixed time so the picture does not change
        // from run to run.
        ParametersDialog parameters(document, parent);
        parameters.setClock([] { return LocalDateTime{2025, 3, 14, 20, 30, 0}; });
        parameters.show();
        if (auto* update = parameters.findChild<QPushButton*>(QStringLiteral("update")))
            update->click();
        ok &= save(parameters, out, QStringLiteral("parameters.png"));
        parameters.close();
    }

    // A few name pairs in a list of its own: the user's list is none of the picture's business.
    QTemporaryDir dir;
    const std::filesystem::path file = dir.filePath(QStringLiteral("Channel.Ini")).toStdString();
    SilentMessageSink messages;
    ArabicNameList list;
    for (const auto& [latin, arabic] :
         {std::pair{"AL JAZEERA", "الجزيرة"}, std::pair{"MBC", "إم بي سي"},
          std::pair{"ROTANA", "روتانا"}, std::pair{"NILE", "النيل"}, std::pair{"ART", "إيه آر تي"}})
        list.push_back(std::string(latin) + "|" + toWindows1256(QString::fromUtf8(arabic)) + "|");
    if (!dir.isValid() || saveArabicNameList(list, file, messages) < 0) return false;
    ArabicListDialog names({file, file}, messages, parent);
    names.show();
    if (auto* view = names.findChild<QTableView*>(QStringLiteral("list"))) view->selectRow(1);
    names.takeRow(1);
    ok &= save(names, out, QStringLiteral("arabic-channals.png"));
    names.close();
    return ok;
}

}  // namespace kavro::gui

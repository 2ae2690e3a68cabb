#include "gui/app/FileDialogs.h"

#include <QFileDialog>
#include <QStringList>

#include "gui/app/DisplayText.h"
#include "messages/StringIds.h"

namespace kavro::gui {

QString dataFileFilter() {
    // "name|pattern|name|pattern||": file systems here are case-sensitive, so each pattern is
    // given in both cases; "*.*" means every file.
    const QStringList fields = stringText(strings::FileFilter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < fields.size(); i += 2) {
        if (fields[i].isEmpty()) break;
        QString pattern = fields[i + 1];
        pattern = pattern == QLatin1String("*.*")
                      ? QStringLiteral("*")
                      : pattern.toLower() + QLatin1Char(' ') + pattern.toUpper();
        QString name = fields[i];
        name = name.left(name.indexOf(QLatin1Char('('))).trimmed();
        filters << QStringLiteral("%1 (%2)").arg(name, pattern);
    }
    return filters.join(QStringLiteral(";;"));
}

QString QtFileDialogs::openFileName(QWidget* parent, const QString& proposal) {
    return QFileDialog::getOpenFileName(parent, QString(), proposal, dataFileFilter(), nullptr,
                                        QFileDialog::ReadOnly);
}

QString QtFileDialogs::saveFileName(QWidget* parent, const QString& proposal) {
    QFileDialog dialog(parent, QString(), proposal, dataFileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("ird"));
    dialog.selectFile(proposal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace kavro::gui

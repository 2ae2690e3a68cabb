#include "gui/app/GuiMessageSink.h"

#include <QApplication>
#include <QMessageBox>

#include "gui/app/CoreTexts.h"
#include "gui/app/DisplayText.h"
#include "messages/StringIds.h"
#include "messages/StringTable.h"

namespace kavro::gui {

MessageButton GuiMessageSink::showMessage(int stringId, std::string_view argument,
                                          MessageStyle style) {
    // The translated text is filled in the core's own coding; translations stay within it.
    const std::string text = toWindows1256(stringText(stringId));
    return show(fromWindows1256(argument.empty() ? text : formatText(text, argument)), style);
}

MessageButton GuiMessageSink::showMessageNumber(int stringId, long long value, MessageStyle style) {
    return show(fromWindows1256(formatText(toWindows1256(stringText(stringId)), value)), style);
}

MessageButton GuiMessageSink::showText(std::string_view text, MessageStyle style) {
    // The core's own literal messages translate; the window's texts come translated already.
    return show(coreText(text), style);
}

MessageButton GuiMessageSink::show(const QString& text, MessageStyle style) {
    // Over the open dialog when there is one (a validation message), else over the window.
    QWidget* over = QApplication::activeModalWidget();
    QMessageBox box(over ? over : parent_.data());
    // The application title in the interface language.
    box.setWindowTitle(stringField(strings::DocumentTemplate, 0));
    box.setText(text);
    box.setLayoutDirection(QApplication::layoutDirection());
    switch (style) {
        case MessageStyle::Ok:
            box.setIcon(QMessageBox::Warning);
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MessageStyle::OkCancel:
            box.setIcon(QMessageBox::Warning);
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MessageStyle::YesNo:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MessageStyle::YesNoCancel:
            box.setIcon(QMessageBox::Question);
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MessageButton::Yes;
        case QMessageBox::No:
            return MessageButton::No;
        case QMessageBox::Cancel:
            return MessageButton::Cancel;
        default:
            return style == MessageStyle::Ok         ? MessageButton::Ok
                   : style == MessageStyle::OkCancel ? MessageButton::Cancel
                   : style == MessageStyle::YesNo    ? MessageButton::No
                                                     : MessageButton::Cancel;
    }
}

}  // namespace kavro::gui

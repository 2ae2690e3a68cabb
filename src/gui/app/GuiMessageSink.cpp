#include "gui/app/GuiMessageSink.h"

#include <QApplication>
#include <QMessageBox>

#include "gui/app/DisplayText.h"
#include "messages/StringTable.h"

namespace kavro::gui {

MessageButton GuiMessageSink::showMessage(int stringId, std::string_view argument,
                                          MessageStyle style) {
    const std::string_view text = kavro::stringText(stringId);
    return show(fromWindows1256(argument.empty() ? std::string(text) : formatText(text, argument)),
                style);
}

MessageButton GuiMessageSink::showMessageNumber(int stringId, long long value, MessageStyle style) {
    return show(fromWindows1256(formatText(kavro::stringText(stringId), value)), style);
}

MessageButton GuiMessageSink::showText(std::string_view text, MessageStyle style) {
    return show(fromWindows1256(text), style);
}

MessageButton GuiMessageSink::show(const QString& text, MessageStyle style) {
    // Over the open dialog when there is one (a validation message), else over the window.
    QWidget* over = QApplication::activeModalWidget();
    QMessageBox box(over ? over : parent_.data());
    box.setWindowTitle(QApplication::applicationDisplayName());
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

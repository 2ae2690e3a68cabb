#pragma once

#include <QPointer>
#include <QWidget>

#include "messages/MessageSink.h"

namespace kavro::gui {

// The message boxes of the window: application title as caption, Yes/No questions with the
// question icon, right-to-left reading when the interface is laid out right to left.
class GuiMessageSink : public MessageSink {
public:
    explicit GuiMessageSink(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    MessageButton showMessage(int stringId, std::string_view argument, MessageStyle style) override;
    MessageButton showMessageNumber(int stringId, long long value, MessageStyle style) override;
    MessageButton showText(std::string_view text, MessageStyle style) override;

private:
    MessageButton show(const QString& text, MessageStyle style);
    QPointer<QWidget> parent_;
};

}  // namespace kavro::gui

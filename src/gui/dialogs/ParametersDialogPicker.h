#pragma once

#include <QDateTimeEdit>
#include <functional>

namespace kavro::gui {

// A date or time picker of the Parameters dialog that can show nothing: the receiver's clock
// may hold no real date and time, and the dialog must not make one up. A step, a typed key or
// a date chosen in the calendar fills it again, from the value it holds underneath.
class ParametersDialogPicker : public QDateTimeEdit {
public:
    ParametersDialogPicker(const QString& format, QWidget* parent = nullptr);

    bool isBlank() const { return blank_; }
    // Shows nothing; `underneath` is where a later step starts.
    void setBlank(const QDateTime& underneath);
    void setValue(const QDateTime& value);

    // Called when the user fills a blank picker.
    std::function<void()> onFilled;

protected:
    QString textFromDateTime(const QDateTime& dateTime) const override;
    void stepBy(int steps) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fill();

    bool blank_ = false;
    bool setting_ = false;
};

}  // namespace kavro::gui

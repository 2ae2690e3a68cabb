#pragma once

#include <QDialog>

namespace kavro::gui {

// Help > About: the program's name, version, what it is for, and who made it.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace kavro::gui

#include "gui/AboutDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/app/Icons.h"

namespace kavro::gui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Kavro Channel Editor"));

    auto* icon = new QLabel(this);
    icon->setPixmap(applicationIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);

    auto* text = new QLabel(this);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setOpenExternalLinks(true);
    text->setText(
        tr("<h3>Kavro Channel Editor %1</h3>"
           "<p>Edits the service database of your satellite receiver: satellites, "
           "transponders, channels, favourites groups and the receiver's settings, read from "
           "a .ird file or straight from the receiver over a serial cable.</p>"
           "<p>Realized by the Kavro developers.<br>"
           "<a href=\"mailto:editor@kavro.example\">editor@kavro.example</a></p>")
            .arg(QApplication::applicationVersion()));
    text->setMinimumWidth(320);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace kavro::gui

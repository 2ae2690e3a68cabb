#include "gui/app/StatusPanes.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QStatusBar>

#include "gui/app/DisplayText.h"
#include "messages/StringIds.h"

namespace kavro::gui {

StatusPanes::StatusPanes(QStatusBar* bar) : QObject(bar) {
    selection_ = addPane(bar, strings::SelectionPane);
    count_ = addPane(bar, strings::CountPane);
    clock_ = addPane(bar, strings::ClockPane);
    showSelection(std::nullopt, 0, 0);
    refreshClock();
    connect(&timer_, &QTimer::timeout, this, &StatusPanes::refreshClock);
    timer_.start(1000);
}

QLabel* StatusPanes::addPane(QStatusBar* bar, int placeholderId) {
    auto* pane = new QLabel(bar);
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameShape(QFrame::StyledPanel);
    pane->setFrameShadow(QFrame::Sunken);
    // Sized by the placeholder, so the panes do not jump as the numbers change.
    const QString placeholder = stringText(placeholderId);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(placeholder) + 8);
    bar->addPermanentWidget(pane);
    return pane;
}

void StatusPanes::showSelection(std::optional<std::pair<int, int>> span, int selected, int total) {
    span_ = span;
    selected_ = selected;
    total_ = total;
    selection_->setText(span ? tr(" Sel (%1,%2) ").arg(span->first).arg(span->second)
                             : tr(" Sel (-,-) "));
    count_->setText(tr(" Tot: %1/%2 ").arg(selected).arg(total));
}

void StatusPanes::retranslate() {
    showSelection(span_, selected_, total_);
}

void StatusPanes::setClock(std::function<QDateTime()> now) {
    now_ = std::move(now);
    refreshClock();
}

void StatusPanes::refreshClock() {
    clock_->setText(now_().toString(QStringLiteral(" dd/MM/yyyy - HH:mm ")));
}

}  // namespace kavro::gui

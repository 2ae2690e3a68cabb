#pragma once

#include <QDateTime>
#include <QLabel>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>
#include <utility>

class QStatusBar;

namespace kavro::gui {

// The three right-hand panes of the status bar: the selected rows of the channel list, the
// selected and total row counts, and the PC's date and time (refreshed every second).
class StatusPanes : public QObject {
    Q_OBJECT
public:
    explicit StatusPanes(QStatusBar* bar);

    // First and last selected row (1-based), or nothing; selected and total row counts.
    void showSelection(std::optional<std::pair<int, int>> span, int selected, int total);

    QString selectionText() const { return selection_->text(); }
    QString countText() const { return count_->text(); }
    QString clockText() const { return clock_->text(); }

    // Shows the same selection again in the interface language.
    void retranslate();

    // Where the clock pane takes the time from (the PC's clock unless told otherwise), for
    // pictures that do not change from run to run.
    void setClock(std::function<QDateTime()> now);

public slots:
    void refreshClock();

private:
    QLabel* addPane(QStatusBar* bar, int placeholderId);

    QLabel* selection_;
    QLabel* count_;
    QLabel* clock_;
    std::optional<std::pair<int, int>> span_;
    int selected_ = 0;
    int total_ = 0;
    QTimer timer_;
    std::function<QDateTime()> now_ = [] { return QDateTime::currentDateTime(); };
};

}  // namespace kavro::gui

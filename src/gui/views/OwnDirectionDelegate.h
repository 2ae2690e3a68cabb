#pragma once

#include <QStyledItemDelegate>

namespace kavro::gui {

// Draws each cell's text in its own reading order: in a right-to-left window the cell is
// aligned to the right, but "  12. CNN" or "11766 H 27500" read as they do in a left-to-right
// window, instead of having their numbers and punctuation moved to the other end.
class OwnDirectionDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace kavro::gui

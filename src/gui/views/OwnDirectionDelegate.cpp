#include "gui/views/OwnDirectionDelegate.h"

namespace kavro::gui {

void OwnDirectionDelegate::initStyleOption(QStyleOptionViewItem* option,
                                           const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    // A left-to-right embedding keeps the text as the receiver's names and numbers read;
    // Arabic names inside it still run right to left.
    if (option->direction == Qt::RightToLeft && !option->text.isEmpty())
        option->text = QChar(0x202A) + option->text + QChar(0x202C);
}

}  // namespace kavro::gui

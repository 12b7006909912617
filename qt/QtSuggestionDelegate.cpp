#include "qt/QtSuggestionDelegate.h"

namespace zev {

QSize QtSuggestionDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.rheight() += 2 * ((option.fontMetrics.height() + 3) / 4);
    return size;
}

} // namespace zev

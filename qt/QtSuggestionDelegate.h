#pragma once

#include <QStyledItemDelegate>

namespace zev {

// The rows of a lookup's list of suggestions: a quarter of a line more above
// and below the text than a plain list gives, so that accents on capitals
// ("Úrsula") are not cut and a row is an easier target for the mouse.
class QtSuggestionDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace zev

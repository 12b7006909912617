#include "qt/QtDateKeys.h"

#include <QKeyEvent>

namespace zev {

std::optional<QDate> QtDateKeys::target(const QKeyEvent& key, const QDate& from, const QDate& today)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    int days = 0;
    int months = 0;
    switch (key.key()) {
    case Qt::Key_T: return today;
    case Qt::Key_Plus: case Qt::Key_Equal: days = 1; break;
    case Qt::Key_Minus: days = -1; break;
    case Qt::Key_PageDown: months = 1; break;
    case Qt::Key_PageUp: months = -1; break;
    default: return std::nullopt;
    }
    if (!from.isValid())
        return today;
    return from.addDays(days).addMonths(months);
}

} // namespace zev

#include "qt/QtCodeListPaste.h"

#include "persistcombo/PastedCodes.h"

namespace zev {

QtCodeListPaste::QtCodeListPaste(QtFlatEdit& edit, std::function<void(const PastedCodes&)> addCodes)
    : QtPasteFilter(edit), addCodes_(std::move(addCodes))
{
}

QtCodeListPaste::Take QtCodeListPaste::take(const QString& text, QString&) const
{
    return PastedCodes(text).isList() ? Take::Own : Take::AsQtDoes;
}

void QtCodeListPaste::own(const QString& text) { addCodes_(PastedCodes(text)); }

} // namespace zev

#include "qt/QtNumberPaste.h"

#include "numeric/NumberEngine.h"
#include "numeric/PastedNumber.h"

namespace zev {

QtNumberPaste::QtNumberPaste(QtFlatEdit& edit, std::function<bool()> allowNegative)
    : QtPasteFilter(edit), allowNegative_(std::move(allowNegative))
{
}

QtNumberPaste::Take QtNumberPaste::take(const QString& text, QString& instead) const
{
    const PastedNumber number(text, NumberEngine::current());
    switch (number.kind()) {
    case PastedNumber::Kind::Own:
        return Take::AsQtDoes;
    case PastedNumber::Kind::Converted:
        if (number.negative() && !allowNegative_())
            return Take::Refused;
        instead = number.text();
        return Take::Instead;
    case PastedNumber::Kind::Refused:
        break;
    }
    return Take::Refused;
}

} // namespace zev

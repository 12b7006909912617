#pragma once

#include "qt/QtPasteFilter.h"

#include <functional>

namespace zev {

// Pastes and drops into a numeric field's edit box, read as PastedNumber
// reads them: text in the field's notation goes in as Qt puts it in; a
// number in another notation goes in converted, as one edit (so the field
// raises one Change); anything else, or a negative number converted for a
// field that allows none, is refused and nothing changes.
class QtNumberPaste : public QtPasteFilter {
public:
    QtNumberPaste(QtFlatEdit& edit, std::function<bool()> allowNegative);

protected:
    Take take(const QString& text, QString& instead) const override;

private:
    std::function<bool()> allowNegative_;
};

} // namespace zev

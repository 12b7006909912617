#pragma once

#include "qt/QtPasteFilter.h"

#include <functional>

namespace zev {

class PastedCodes;

// Pastes and drops into the list lookup's code box: a list of codes (a
// spreadsheet column, PastedCodes) goes to `addCodes` rather than into the
// box; a single code goes in as Qt puts it in, to be searched as typed.
class QtCodeListPaste : public QtPasteFilter {
public:
    QtCodeListPaste(QtFlatEdit& edit, std::function<void(const PastedCodes&)> addCodes);

protected:
    Take take(const QString& text, QString& instead) const override;
    void own(const QString& text) override;

private:
    std::function<void(const PastedCodes&)> addCodes_;
};

} // namespace zev

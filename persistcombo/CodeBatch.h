#pragma once

#include "framework/ZEVCoreExport.h"

#include <QStringList>

namespace zev {

class PastedCodes;
class ZEVPersistCombo;

// Adds a pasted list of codes to a list lookup, each code as the user adds
// one: written into the code box, Enter there (the Search event) and, when
// the host found the record, Enter in the description box (the duplicate
// test, the AddItem event); so every code raises the events a typed one
// raises, in the same order. A code that stands twice in the paste is
// searched once. Instead of the warning per repeated code, one message
// through the control's host then sums the batch up; the row is left empty
// with the focus in the code box.
class ZEV_CORE_INTERNAL_EXPORT CodeBatch {
public:
    struct Outcome {
        int added = 0;
        QStringList notFound;
        QStringList repeated; // in the list already, or earlier in the paste
        qsizetype notProcessed = 0;
        qsizetype limit = 0;

        // The message: "3 itens adicionados. Não encontrados: 99, 98. Repetidos: 12."
        QString summary() const;
        // Information when everything went in, a warning otherwise.
        int buttons() const;
    };

    explicit CodeBatch(ZEVPersistCombo& control) : control_(control) {}

    // Adds the codes and shows the summary.
    Outcome add(const PastedCodes& pasted);

private:
    ZEVPersistCombo& control_;
};

} // namespace zev

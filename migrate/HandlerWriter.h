#pragma once

#include "migrate/LegacyForm.h"
#include "migrate/UiForm.h"

namespace zev {

// The C++ class of a converted form (--handlers): NAME.h / NAME.cpp with a
// QWidget that sets itself up from NAME.ui (uic's Ui::NAME) and connects each
// event procedure of the legacy code to a slot of the same name with the
// signal's arguments; the legacy body is kept in the slot as a comment.
class HandlerWriter {
public:
    struct Sources {
        QString header;
        QString source;
    };
    // Events with no counterpart go to the report, with their lines.
    static Sources write(const LegacyForm& legacy, const UiForm& form, MigrationReport& report);
};

} // namespace zev

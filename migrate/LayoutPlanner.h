#pragma once

#include "migrate/UiForm.h"

namespace zev {

// Turns the absolute positions of a converted form into layouts where the
// form allows it, so that the migrated form resizes: label-and-control rows
// become a QFormLayout, a row of buttons a QHBoxLayout, the rows of a
// container a QVBoxLayout; containers (group boxes, picture boxes) are
// planned on their own. A container whose children cannot be put in rows
// keeps its absolute positions, and the report says which and why.
class LayoutPlanner {
public:
    static void apply(UiForm& form, MigrationReport& report);
};

} // namespace zev

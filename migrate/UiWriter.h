#pragma once

#include "migrate/UiForm.h"

#include <QByteArray>

namespace zev {

// Writes a converted form as a Qt Designer .ui file: the widgets in file
// order (positioned, or inside their container's layout), the tab order,
// and our controls as custom widgets with their headers.
class UiWriter {
public:
    static QByteArray write(const UiForm& form);
};

} // namespace zev

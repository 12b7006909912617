#pragma once

#include "migrate/FrxFile.h"
#include "migrate/LegacyForm.h"
#include "migrate/UiForm.h"

#include <QMap>
#include <functional>
#include <memory>

namespace zev {

// Turns a form read from the legacy text into a Qt Designer form: the host's
// own controls into their Qt counterparts, our five controls into their
// widgets with every saved property (loaded through the control's own
// ReadProperties, so a value the control refuses on loading is refused here
// too), anything else into a placeholder of the same name and place. Nothing
// stops the form: what has no counterpart goes to the report.
class FormConverter {
public:
    // The side file of a name as the form writes it ("form.frx"), or nullptr
    // when it cannot be read (the loader reports why, once).
    using SideFiles = std::function<const FrxFile*(const QString& name, int line)>;
    // A picture to keep beside the .ui: its file name there for the data.
    using SavePicture = std::function<QString(const QString& suggestedName, const QByteArray& data)>;

    static UiForm convert(const LegacyForm& form, const SideFiles& sideFiles, const SavePicture& savePicture,
                          MigrationReport& report);

    // Our controls' widget classes by the legacy class ("ZEVSuiteControls.ZEVNumeric").
    static QString widgetClassOf(const QString& legacyClass);
};

} // namespace zev

#pragma once

// The keys each control saves, found from the control's own WriteProperties
// (every key it writes, defaults included), so that a newly saved key is
// covered at once; for the save-and-reload tests and the property-bag fuzz
// target.

#include "library/ComRuntime.h"
#include "framework/Control.h"
#include "framework/MemoryPropertyBag.h"
#include "testkit/TestHost.h"

#include <utility>
#include <vector>

namespace zev::robust {

// Records every key written, with its default (or, without one, the value).
struct KeyRecorder : MemoryPropertyBag {
    std::vector<std::pair<QString, QVariant>> written;
    void WriteProperty(const QString& key, const QVariant& value, const QVariant& defaultValue) override
    {
        written.emplace_back(key, defaultValue.isValid() ? defaultValue : value);
        MemoryPropertyBag::WriteProperty(key, value, defaultValue);
    }
};

// The keys a newly placed control of the class saves, each with its default.
inline std::vector<std::pair<QString, QVariant>> savedKeys(const char* className)
{
    TestHost host;
    auto control = ComRuntime::instance().CreateControl(QString::fromLatin1(className), host);
    control->Initialize();
    control->InitProperties();
    KeyRecorder recorder;
    control->WriteProperties(recorder);
    control->Terminate();
    return recorder.written;
}

inline const char* const ClassNames[] = {"ZEVNumeric", "ZEVCodeDescription", "ZEVDescriptionOnly", "ZEVPersistCombo",
                                         "ZEVDateRange"};

} // namespace zev::robust

#pragma once

#include "framework/ZEVCoreExport.h"

#include <QDateTime>
#include <memory>

namespace zev {

/// Where the date range control reads "now". The system's local clock by default; a host (or a test) may hand
/// the control another one, so that "today" can be fixed.
class ZEV_CORE_EXPORT Clock {
public:
    /// Destroys the clock.
    virtual ~Clock() = default;

    /// The current local date-time, whole seconds.
    virtual QDateTime Now() const = 0;

    /// The machine's local clock.
    static std::shared_ptr<const Clock> System();
};

} // namespace zev

#pragma once

#include "framework/ControlError.h"

#include <functional>

namespace zev::testing {

// The number of the error a call fails with; 0 when it succeeds.
inline int errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const ControlError& e) {
        return e.Number();
    }
    return 0;
}

} // namespace zev::testing

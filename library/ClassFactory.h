#pragma once

#include "library/LibraryIdentity.h"

#include <memory>

namespace zev {

class Control;
class ControlHost;

// Creates instances of one control class for the container.
class ClassFactory {
public:
    explicit ClassFactory(const ClassIdentity& identity) : identity_(identity) {}

    const ClassIdentity& identity() const { return identity_; }
    // True when the class is built into this library.
    bool available() const;
    // A new control over the host, its widgets made; the caller runs Initialize next.
    // Fails with 429 when the class is not available.
    std::unique_ptr<Control> CreateInstance(ControlHost& host) const;
    void LockServer(bool lock);
    static int locks();

private:
    const ClassIdentity& identity_;
};

} // namespace zev

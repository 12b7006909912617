#include "library/ClassFactory.h"

#include "framework/ClassDescriptor.h"
#include "framework/Control.h"
#include "framework/ControlError.h"

#include <atomic>

namespace zev {

namespace {
std::atomic<int> lockCount{0};
constexpr int ErrCannotCreateObject = 429;
} // namespace

bool ClassFactory::available() const
{
    if (!identity_.descriptor)
        return false;
    const ClassDescriptor* d = identity_.descriptor();
    return d && d->create;
}

std::unique_ptr<Control> ClassFactory::CreateInstance(ControlHost& host) const
{
    if (!available())
        throw ControlError(ErrCannotCreateObject,
                           QStringLiteral("%1 is not built into this library").arg(identity_.name));
    return identity_.descriptor()->create(host);
}

void ClassFactory::LockServer(bool lock)
{
    if (lock)
        ++lockCount;
    else if (lockCount.load() > 0)
        --lockCount;
}

int ClassFactory::locks() { return lockCount.load(); }

} // namespace zev

#include "framework/Control.h"

#include <atomic>

namespace zev {

namespace {
std::atomic<int> liveCount{0};
}

Control::Control(ControlHost& host) : host_(host)
{
    host_.control_ = this;
    ++liveCount;
}

Control::~Control()
{
    if (host_.control_ == this)
        host_.control_ = nullptr;
    --liveCount;
}

int Control::liveObjects() { return liveCount.load(); }

} // namespace zev

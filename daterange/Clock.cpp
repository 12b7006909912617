#include "daterange/Clock.h"

namespace zev {

namespace {
class SystemClock final : public Clock {
public:
    QDateTime Now() const override
    {
        // Through the epoch seconds, so the milliseconds go without rebuilding
        // a local time that a daylight-saving change could move.
        return QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), Qt::LocalTime);
    }
};
} // namespace

std::shared_ptr<const Clock> Clock::System()
{
    static const std::shared_ptr<const Clock> clock = std::make_shared<SystemClock>();
    return clock;
}

} // namespace zev

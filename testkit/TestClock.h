#pragma once

#include "daterange/Clock.h"

namespace zev {

/// A clock that stays where a test puts it.
class TestClock : public Clock {
public:
    /// A clock that reads @p now (a null QDateTime until set()).
    explicit TestClock(QDateTime now = QDateTime()) : now_(std::move(now)) {}

    /// The date-time set.
    QDateTime Now() const override { return now_; }
    /// Moves the clock to @p now.
    void set(const QDateTime& now) { now_ = now; }

private:
    QDateTime now_;
};

} // namespace zev

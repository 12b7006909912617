#pragma once

#include "daterange/Clock.h"

namespace zev {

// A clock that stays where a test puts it.
class TestClock : public Clock {
public:
    explicit TestClock(QDateTime now = QDateTime()) : now_(std::move(now)) {}

    QDateTime Now() const override { return now_; }
    void set(const QDateTime& now) { now_ = now; }

private:
    QDateTime now_;
};

} // namespace zev

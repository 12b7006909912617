#pragma once

#include <QEvent>

namespace zev {

class QtAdapter;

// Where a part's events reach its adapter: from the part's own event(), ahead
// of the Qt widget's handling, in the place an event filter would take. A
// filter per part costs more in Qt's dispatch, event by event, than the
// adapter's own work.
class QtPartHook {
public:
    // Null before the adapter is made and once it is detached.
    QtAdapter* adapter = nullptr;

protected:
    bool adapterEvent(QObject* self, QEvent* event);
};

// A Qt widget class with the hook. No Q_OBJECT: the part keeps its Qt
// class's meta-object, so qobject_cast, style sheets, accessibility and the
// application see the QLineEdit or QPushButton they expect.
template <typename Base>
class QtPart : public Base, public QtPartHook {
public:
    using Base::Base;

protected:
    bool event(QEvent* event) override { return adapterEvent(this, event) || Base::event(event); }
};

} // namespace zev

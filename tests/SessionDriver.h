#pragma once

// A random session over one control on the test kit: user actions (typing,
// keys, focus moves, clicks, selections, date edits) mixed with host actions
// (property writes of any value, methods, resizes, saves), and event handlers
// that do nothing, answer, leave junk in the by-reference arguments, throw a
// ControlError of their own or act on the control from inside the event.
//
// After every step the session checks that nothing but a documented
// ControlError reached the host, that no handler chain ran without end, and
// the control's own invariants (checkInvariants of each control's session).
// Every choice comes from one seed: a failure names the seed and the step, and
// ZEV_SESSION_SEED replays it.

#include "library/ComRuntime.h"
#include "framework/Control.h"
#include "framework/ControlError.h"
#include "framework/MemoryPropertyBag.h"
#include "testkit/TestHost.h"
#include "tests/RobustnessKit.h"

#include <QSet>
#include <functional>
#include <memory>
#include <set>
#include <stdexcept>

namespace zev::robust {

// What the host's own handlers throw: it must come back to the host unchanged.
constexpr int HostErrorNumber = 31001;

class SessionDriver {
public:
    SessionDriver(const QString& className, std::uint64_t seed) : rng(seed), seed_(seed), className_(className) {}
    virtual ~SessionDriver() = default;
    SessionDriver(const SessionDriver&) = delete;
    SessionDriver& operator=(const SessionDriver&) = delete;

    // Runs the sequence; an empty result is a pass, else the failure report.
    QString run(int steps)
    {
        verbose_ = std::getenv("ZEV_SESSION_VERBOSE") != nullptr;
        try {
            owner = ComRuntime::instance().CreateControl(className_, host);
            installHandlers();
            // The handlers already answer the events of InitProperties.
            act(QStringLiteral("start"), [&] { start(); });
            for (step_ = 1; step_ <= steps && failure_.isEmpty(); ++step_)
                randomStep();
            if (failure_.isEmpty())
                act(QStringLiteral("Terminate"), [&] { owner->Terminate(); });
        } catch (const std::exception& e) {
            fail(QStringLiteral("outside any step: %1").arg(QString::fromUtf8(e.what())));
        }
        return failure_;
    }

    int stepsRun() const { return step_ - 1; }
    qint64 checksRun() const { return checks_; }

    enum class Kind { Other, KeySearch, ButtonSearch, Typing, Select, DateEdit };

protected:
    // Per control: start the control, take one random step, check after it.
    virtual void start() = 0;
    virtual void randomStep() = 0;
    virtual void checkInvariants() = 0;
    // A host action run from inside an event handler.
    virtual void nestedAction() = 0;
    // What a typical host does in this event (answers the by-reference arguments).
    virtual void answer(const QString& event, QVariantList& args) { Q_UNUSED(event) Q_UNUSED(args) }
    // Checks at the moment the control raises an event, before the host acts.
    virtual void eventRaised(const QString& event, QVariantList& args) { Q_UNUSED(event) Q_UNUSED(args) }
    // After the host's handler, as the control gets its arguments back.
    virtual void eventAnswered(const QString& event, const QVariantList& args) { Q_UNUSED(event) Q_UNUSED(args) }

    // Runs one step: fn may fail only with the documented numbers, with a
    // number a handler let through, or (when the host acted from inside an
    // event or left junk in an argument) with the widget or conversion errors
    // that this provokes in the control's flow.
    void act(const QString& label, const std::function<void()>& fn, std::set<int> documented = {},
             Kind kind = Kind::Other)
    {
        if (!failure_.isEmpty())
            return;
        label_ = label;
        kind_ = kind;
        history_ << QStringLiteral("%1: %2").arg(step_).arg(label);
        if (history_.size() > 25)
            history_.removeFirst();
        if (verbose_)
            qInfo("%s step %d: %s", qPrintable(className_), step_, qPrintable(label));
        escaped_.clear();
        junk_ = false;
        handlerThrew_ = false;
        nestedInStep_ = 0;
        stepErrored_ = false;
        try {
            fn();
        } catch (const ControlError& e) {
            stepErrored_ = true;
            if (!allowed(e.Number(), documented))
                fail(QStringLiteral("undocumented error %1 (%2)").arg(e.Number()).arg(e.Description()));
        } catch (const std::logic_error& e) {
            fail(QStringLiteral("endless event chain: %1").arg(QString::fromUtf8(e.what())));
        } catch (const std::exception& e) {
            fail(QStringLiteral("exception reached the host: %1").arg(QString::fromUtf8(e.what())));
        }
        checkAfterStep();
    }

    // A host action inside a handler: checked like a step, then either
    // swallowed (a host that ignores errors) or passed on to the control.
    void actNested(const std::function<void()>& fn, std::set<int> documented = {})
    {
        ++nestedInStep_;
        ++nestedTotal_;
        try {
            fn();
        } catch (const ControlError& e) {
            if (!allowed(e.Number(), documented))
                fail(QStringLiteral("undocumented error %1 inside a handler (%2)").arg(e.Number()).arg(e.Description()));
            if (rng.chance(0.5)) {
                escaped_.insert(e.Number());
                handlerThrew_ = true;
                throw;
            }
        }
    }

    void fail(const QString& why)
    {
        if (!failure_.isEmpty())
            return;
        failure_ = QStringLiteral("%1 seed %2 step %3 (%4): %5\n  replay: ZEV_SESSION_SEED=%2 "
                                  "--gtest_filter=RandomSession.%1\n  last steps:\n    %6")
                       .arg(className_)
                       .arg(seed_)
                       .arg(step_)
                       .arg(label_, why, history_.join(QStringLiteral("\n    ")));
    }
    void expect(bool condition, const QString& what)
    {
        ++checks_;
        if (!condition)
            fail(what);
    }

    // Whether the step ran to its end untouched by the host's own actions,
    // errors or junk: only then is its documented end state checked.
    bool cleanStep() const { return !stepErrored_ && nestedInStep_ == 0 && !junk_ && !handlerThrew_; }
    Kind kind() const { return kind_; }
    int depth() const { return depth_; }
    int nestedTotal() const { return nestedTotal_; }
    int nestedInStep() const { return nestedInStep_; }
    bool mayNest() const { return depth_ <= 3 && nestedInStep_ < 6; }

public:
    // A host action: a logged step of its own, or one taken from inside a handler.
    struct Runner {
        SessionDriver& d;
        bool nested;
        void operator()(const QString& label, const std::function<void()>& fn, std::set<int> documented = {}) const
        {
            if (nested)
                d.actNested(fn, documented);
            else
                d.act(label, fn, documented);
        }
        void flag(const char* name, bool b, const std::function<void(bool)>& set, std::set<int> documented = {}) const
        {
            (*this)(QStringLiteral("%1 = %2").arg(QLatin1String(name)).arg(b), [=] { set(b); }, std::move(documented));
        }
        void text(const char* name, const QString& s, const std::function<void(const QString&)>& set,
                  std::set<int> documented = {}) const
        {
            (*this)(QStringLiteral("%1 = \"%2\"").arg(QLatin1String(name), s.left(40)), [=] { set(s); },
                    std::move(documented));
        }
        // A number property; documented gives the errors a value may raise.
        template <typename T>
        void number(const char* name, T v, const std::function<void(T)>& set,
                    std::set<int> (*documented)(qint32) = nullptr) const
        {
            (*this)(QStringLiteral("%1 = %2").arg(QLatin1String(name)).arg(v), [=] { set(v); },
                    documented ? documented(v) : std::set<int>{});
        }
        template <typename C>
        void fontAttribute(C& c) const
        {
            const int which = d.rng.below(4);
            const bool b = d.rng.chance(0.5);
            (*this)(QStringLiteral("Font attribute %1 = %2").arg(which).arg(b), [=, &c] {
                if (which == 0)
                    c.setFontBold(b);
                else if (which == 1)
                    c.setFontItalic(b);
                else if (which == 2)
                    c.setFontStrikethrough(b);
                else
                    c.setFontUnderline(b);
            });
        }
        void writeProperties() const
        {
            (*this)(QStringLiteral("WriteProperties"), [this] {
                MemoryPropertyBag bag;
                d.owner->WriteProperties(bag);
            });
        }
    };

protected:
    template <typename C>
    C& control() const { return *dynamic_cast<C*>(owner.get()); }

    Rng rng;
    TestHost host;
    std::unique_ptr<Control> owner;

private:
    bool allowed(int number, const std::set<int>& documented) const
    {
        if (documented.count(number) || escaped_.contains(number))
            return true;
        if (junk_ && (number == ErrTypeMismatch || number == ErrOverflow))
            return true;
        // A host that changed the control inside an event (disabled it, say)
        // makes the control's next widget call fail: that passes on too.
        return nestedInStep_ > 0
            && (number == ErrInvalidProcedureCall || number == ErrInvalidPropertyValue || number == ErrOverflow
                || number == ErrTypeMismatch);
    }

    void checkAfterStep()
    {
        if (!failure_.isEmpty())
            return;
        try {
            checkInvariants();
        } catch (const std::exception& e) {
            fail(QStringLiteral("a check failed with an exception: %1").arg(QString::fromUtf8(e.what())));
        }
    }

    void installHandlers()
    {
        for (const auto& e : owner->Descriptor().events) {
            const QString name = e.name;
            host.on(name, [this, name](QVariantList& args) { handle(name, args); });
        }
    }

    void handle(const QString& name, QVariantList& args)
    {
        ++depth_;
        struct Guard {
            int& d;
            ~Guard() { --d; }
        } guard{depth_};
        eventRaised(name, args);
        const int roll = rng.below(100);
        if (verbose_)
            qInfo("%*s%s (roll %d)", depth_ * 2, "", qPrintable(name), roll);
        if (roll < 40) {
            // nothing
        } else if (roll < 70) {
            answer(name, args);
        } else if (roll < 75 && !args.isEmpty()) {
            junk_ = true;
            const int slot = rng.below(int(args.size()));
            args[slot] = rng.pick(std::vector<QVariant>{QVariant(), QVariant(QStringLiteral("abc")),
                                                        QVariant(1e300), QVariant(QVariantList{}),
                                                        QVariant(qint64(1) << 40), QVariant(QStringLiteral("1"))});
            if (rng.chance(0.2))
                args.clear();
        } else if (roll < 79) {
            handlerThrew_ = true;
            escaped_.insert(HostErrorNumber);
            throw ControlError(HostErrorNumber, QStringLiteral("the host's handler failed"));
        } else if (roll < 92 && mayNest()) {
            nestedAction();
        }
        eventAnswered(name, args);
    }

    std::uint64_t seed_;
    QString className_;
    QString failure_;
    QString label_;
    QStringList history_;
    Kind kind_ = Kind::Other;
    QSet<int> escaped_;
    bool junk_ = false;
    bool handlerThrew_ = false;
    bool stepErrored_ = false;
    bool verbose_ = false;
    int nestedInStep_ = 0;
    int nestedTotal_ = 0;
    int depth_ = 0;
    int step_ = 0;
    qint64 checks_ = 0;
};

} // namespace zev::robust

#include "qt/ZEVControlWidget.h"

#include "framework/ControlError.h"
#include "framework/MemoryPropertyBag.h"
#include "qt/QtAdapter.h"
#include "qt/QtColors.h"
#include "qt/QtErrors.h"
#include "qt/QtFonts.h"
#include "qt/QtUnits.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMetaProperty>
#include <QResizeEvent>
#include <limits>

namespace zev {

namespace {
// The container's lifecycle calls: PropertyChanged then marks nothing modified.
struct Loading {
    QtControlHost& host;
    explicit Loading(QtControlHost& h) : host(h) { host.setLoading(true); }
    ~Loading() { host.setLoading(false); }
};
} // namespace

ZEVControlWidget::ZEVControlWidget(const ClassDescriptor& descriptor, QWidget* parent, Start start,
                                   const Prepare& prepare)
    : QWidget(parent), descriptor_(descriptor), host_(std::make_unique<QtControlHost>(this))
{
    if (!descriptor_.create)
        throw ControlError(429 /* cannot create the object */, QStringLiteral("the class %1 is not built into the library").arg(descriptor_.className));
    connect(host_.get(), &QtControlHost::eventRaised, this, &ZEVControlWidget::dispatch, Qt::DirectConnection);
    connect(host_.get(), &QtControlHost::propertyChanged, this, &ZEVControlWidget::notify, Qt::DirectConnection);
    connect(
        host_.get(), &QtControlHost::errorRaised, this,
        [this](int number, const QString& description) {
            if (isSignalConnected(QMetaMethod::fromSignal(&ZEVControlWidget::errorRaised)))
                Q_EMIT errorRaised(number, description);
            else
                qWarning("%s: error %d: %s", qPrintable(host_->ControlName()), number, qPrintable(description));
        },
        Qt::DirectConnection);
    // A container places a new control at its design size.
    host_->setScaleSize(descriptor_.designWidth, descriptor_.designHeight);
    try {
        Loading loading(*host_);
        control_ = descriptor_.create(*host_);
        if (prepare)
            prepare(*control_);
        control_->Initialize();
        initialized_ = true;
    } catch (...) {
        host_->detachWidgets();
        throw;
    }
    // The widget gives the focus to the first of its widgets that takes it.
    for (const auto& w : host_->widgets())
        if (QtAdapter* a = QtAdapter::of(w.get()))
            if (QWidget* q = a->qwidget(); q && (q->focusPolicy() & Qt::TabFocus)) {
                setFocusProxy(q);
                break;
            }
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        connect(app, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            if (old && isAncestorOf(old))
                focusLeft(now);
        });
    if (start == Start::New)
        startNow();
}

ZEVControlWidget::~ZEVControlWidget()
{
    if (initialized_) {
        try {
            control_->Terminate();
        } catch (const ControlError& e) {
            qWarning("%s: Terminate failed: error %d: %s", qPrintable(className()), e.Number(),
                     qPrintable(e.Description()));
        } catch (const std::exception& e) {
            qWarning("%s: Terminate failed: %s", qPrintable(className()), e.what());
        }
    }
    // No widget event may reach the control once it is gone.
    host_->detachWidgets();
    pending_.clear();
    control_.reset();
    host_.reset();
}

Control& ZEVControlWidget::control() const
{
    ensureStarted();
    return *control_;
}

QtControlHost& ZEVControlWidget::host() const
{
    ensureStarted();
    return *host_;
}

void ZEVControlWidget::ensureStarted() const
{
    if (state_ == State::Fresh)
        const_cast<ZEVControlWidget*>(this)->startNow();
}

void ZEVControlWidget::start() { ensureStarted(); }

void ZEVControlWidget::startNow()
{
    if (state_ != State::Fresh)
        return;
    // Reads and writes of the handlers that the start runs go to the control directly.
    state_ = State::Starting;
    std::vector<PendingWrite> pending;
    pending.swap(pending_);
    MemoryPropertyBag bag;
    for (const PendingWrite& w : pending)
        if (w.stored.isValid())
            bag.insert(w.key, w.stored); // a key written twice keeps its last value
    // Loading has no caller to fail to: a failure is reported, and the control
    // is left as far as its reading got, as a container leaves it.
    report([&] {
        Loading loading(*host_);
        if (bag.size() == 0)
            control_->InitProperties();
        else
            control_->ReadProperties(bag);
        for (const PendingWrite& w : pending)
            if (!w.stored.isValid())
                w.apply();
    });
    state_ = State::Started;
    runResize();
}

void ZEVControlWidget::readProperties(PropertyBag& bag)
{
    // With nothing designed, the saved properties are the start; otherwise
    // they are loaded over the design. A failure passes on to the caller.
    const bool startsHere = state_ == State::Fresh && pending_.empty();
    if (startsHere)
        state_ = State::Starting;
    else
        ensureStarted();
    auto finish = [&] {
        if (startsHere) {
            state_ = State::Started;
            runResize();
        }
    };
    try {
        Loading loading(*host_);
        control_->ReadProperties(bag);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void ZEVControlWidget::writeProperties(PropertyBag& bag) { control().WriteProperties(bag); }

void ZEVControlWidget::attempt(const std::function<void()>& f)
{
    if (!reportsFailures_) {
        f();
        return;
    }
    report(f);
}

void ZEVControlWidget::report(const std::function<void()>& f)
{
    try {
        f();
    } catch (const ControlError& e) {
        host_->reportError(e.Number(), e.Description());
    } catch (const std::exception& e) {
        host_->reportError(ErrInternal, QString::fromLocal8Bit(e.what()));
    }
}

void ZEVControlWidget::write(const QString& key, const QVariant& stored, std::function<void()> apply)
{
    if (state_ == State::Fresh) {
        pending_.push_back({key, stored, std::move(apply)});
        return;
    }
    attempt(apply);
}

void ZEVControlWidget::writeColor(const QString& key, const QColor& color, std::function<void(OleColor)> apply)
{
    attempt([&] {
        if (!color.isValid())
            throw ControlError(ErrInvalidPropertyValue, QStringLiteral("%1: not a colour").arg(key));
        const OleColor value = QtColors::fromQColor(color);
        write(key, QVariant::fromValue(qint32(value)), [apply, value] { apply(value); });
    });
}

void ZEVControlWidget::writeFont(const QString& key, const QFont& font, std::function<const zev::Font&()> current,
                                 std::function<void(const FontDesc&)> apply)
{
    // Not through the bag: a saved form keeps only a font's name.
    write(key, QVariant(), [font, current, apply] { apply(QtFonts::fromQFont(font, current().value())); });
}

qint16 ZEVControlWidget::toInteger(int value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw ControlError(ErrOverflow, QStringLiteral("%1 does not fit an Integer").arg(value));
    return qint16(value);
}

void ZEVControlWidget::call(const std::function<void()>& method)
{
    ensureStarted();
    attempt(method);
}

QColor ZEVControlWidget::toQColor(OleColor color) { return QtColors::toQColor(color); }

QFont ZEVControlWidget::toQFont(const zev::Font& font) { return QtFonts::toQFont(font.value()); }

QSize ZEVControlWidget::sizeHint() const
{
    return QSize(QtUnits::toPixels(descriptor_.designWidth, QtUnits::logicalDpiX(this)),
                 QtUnits::toPixels(descriptor_.designHeight, QtUnits::logicalDpiY(this)));
}

void ZEVControlWidget::resizeTwips(float width, float height)
{
    host_->setScaleSize(width, height);
    // A hidden widget gets its resize event only when it is shown.
    if (QSizeF(host_->ScaleWidth(), host_->ScaleHeight()) != resizedAt_)
        runResize();
}

QStringList ZEVControlWidget::unboundEvents() const
{
    QStringList names;
    for (const auto& e : descriptor_.events)
        if (!typed_.contains(e.id))
            names << e.name;
    return names;
}

void ZEVControlWidget::dispatch(int number, QVariantList& arguments)
{
    const EventInfo* event = descriptor_.event(number);
    Q_EMIT eventRaised(event ? event->name : QStringLiteral("Event%1").arg(number), arguments);
    const auto typed = typed_.constFind(number);
    if (typed != typed_.constEnd())
        typed.value()(arguments);
}

void ZEVControlWidget::notify(const QString& key)
{
    Q_EMIT propertyChanged(key);
    const QMetaObject* meta = metaObject();
    const int index = meta->indexOfProperty(key.toLatin1().constData());
    if (index < 0)
        return;
    const QMetaProperty property = meta->property(index);
    if (property.hasNotifySignal() && property.notifySignal().parameterCount() == 0
        && property.notifySignal().name().endsWith("Changed"))
        property.notifySignal().invoke(this, Qt::DirectConnection);
}

void ZEVControlWidget::runResize()
{
    if (state_ != State::Started)
        return;
    resizedAt_ = QSizeF(host_->ScaleWidth(), host_->ScaleHeight());
    dpiAtResize_ = QtUnits::logicalDpiX(this);
    report([this] { control_->Resize(); });
}

void ZEVControlWidget::focusLeft(QWidget* now)
{
    if (now && (now == this || isAncestorOf(now)))
        return;
    // The focus left the control's widgets. An item delegate (a view's editor,
    // QDataWidgetMapper) watches its editor, this widget, for FocusOut to
    // commit the edit; the inner widget had the real one.
    QFocusEvent left(QEvent::FocusOut, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(this, &left);
}

bool ZEVControlWidget::event(QEvent* event)
{
    // Shown (or measured by a style) counts as used: the design-time values are all in.
    if (event->type() == QEvent::Polish)
        ensureStarted();
    return QWidget::event(event);
}

void ZEVControlWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (QSizeF(host_->ScaleWidth(), host_->ScaleHeight()) != resizedAt_)
        runResize();
}

void ZEVControlWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // On another screen the same twips are other pixels.
    if (isStarted() && QtUnits::logicalDpiX(this) != dpiAtResize_) {
        host_->applyGeometry();
        runResize();
    }
}

} // namespace zev

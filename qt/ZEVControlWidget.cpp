#include "qt/ZEVControlWidget.h"

#include "framework/ControlError.h"
#include "qt/QtErrors.h"
#include "qt/QtUnits.h"

#include <QMetaProperty>
#include <QResizeEvent>

namespace zev {

namespace {
// The container's lifecycle calls: PropertyChanged then marks nothing modified.
struct Loading {
    QtControlHost& host;
    explicit Loading(QtControlHost& h) : host(h) { host.setLoading(true); }
    ~Loading() { host.setLoading(false); }
};
} // namespace

ZEVControlWidget::ZEVControlWidget(const ClassDescriptor& descriptor, QSizeF designSize, QWidget* parent, Start start)
    : QWidget(parent), descriptor_(descriptor), designSize_(designSize),
      host_(std::make_unique<QtControlHost>(this))
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
    host_->setScaleSize(float(designSize.width()), float(designSize.height()));
    try {
        Loading loading(*host_);
        control_ = descriptor_.create(*host_);
        control_->Initialize();
        initialized_ = true;
        if (start == Start::New)
            control_->InitProperties();
    } catch (...) {
        host_->detachWidgets();
        throw;
    }
    if (start == Start::New)
        started();
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
    control_.reset();
    host_.reset();
}

void ZEVControlWidget::started()
{
    started_ = true;
    runResize();
}

void ZEVControlWidget::initProperties()
{
    if (started_)
        return;
    {
        Loading loading(*host_);
        control_->InitProperties();
    }
    started();
}

void ZEVControlWidget::readProperties(PropertyBag& bag)
{
    {
        Loading loading(*host_);
        control_->ReadProperties(bag);
    }
    if (!started_)
        started();
}

void ZEVControlWidget::writeProperties(PropertyBag& bag) { control_->WriteProperties(bag); }

void ZEVControlWidget::resizeTwips(float width, float height)
{
    host_->setScaleSize(width, height);
    // A hidden widget gets its resize event only when it is shown.
    if (QSizeF(host_->ScaleWidth(), host_->ScaleHeight()) != resizedAt_)
        runResize();
}

QSize ZEVControlWidget::sizeHint() const
{
    return QSize(QtUnits::toPixels(designSize_.width(), QtUnits::logicalDpiX(this)),
                 QtUnits::toPixels(designSize_.height(), QtUnits::logicalDpiY(this)));
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
    if (property.hasNotifySignal() && property.notifySignal().parameterCount() == 0)
        property.notifySignal().invoke(this, Qt::DirectConnection);
}

void ZEVControlWidget::runResize()
{
    if (!started_)
        return;
    resizedAt_ = QSizeF(host_->ScaleWidth(), host_->ScaleHeight());
    dpiAtResize_ = QtUnits::logicalDpiX(this);
    try {
        control_->Resize();
    } catch (const ControlError& e) {
        host_->reportError(e.Number(), e.Description());
    } catch (const std::exception& e) {
        host_->reportError(ErrInternal, QString::fromLocal8Bit(e.what()));
    }
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
    if (started_ && QtUnits::logicalDpiX(this) != dpiAtResize_) {
        host_->applyGeometry();
        runResize();
    }
}

} // namespace zev

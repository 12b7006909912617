#include "qt/ZEVControlWidget.h"

#include "framework/MemoryPropertyBag.h"
#include "qt/QtAccessibility.h"
#include "qt/QtAdapter.h"
#include "qt/QtColors.h"
#include "qt/QtErrors.h"
#include "qt/QtFlatEdit.h"
#include "qt/QtFonts.h"
#include "qt/QtUnits.h"
#include "qt/ZEVControlWidget_p.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

// The constructor's handlers take d, a reference to the private part the widget
// owns, so it lives as long as the receiver: clazy:excludeall=lambda-in-connect

namespace zev {

namespace {
// The container's lifecycle calls: PropertyChanged then marks nothing modified.
struct Loading {
    QtControlHost& host;
    explicit Loading(QtControlHost& h) : host(h) { host.setLoading(true); }
    ~Loading() { host.setLoading(false); }
};

// Sizes that depend only on a part's font, its content and its kind. Every
// control of a kind asks the same of the same fonts, and laying text out is
// dear, so the answers are kept (a few fonts and captions per form).
template <typename Compute>
QSize keptSize(const QWidget* part, int dpi, const QString& content, Compute compute)
{
    struct Key {
        QFont font;
        int dpi;
        QString content;
        bool operator==(const Key& o) const { return dpi == o.dpi && content == o.content && font == o.font; }
    };
    struct KeyHash {
        size_t operator()(const Key& k) const { return qHashMulti(0, k.font, k.dpi, k.content); }
    };
    static std::unordered_map<Key, QSize, KeyHash> kept;
    Key key{part->font(), dpi, content};
    if (const auto found = kept.find(key); found != kept.end())
        return found->second;
    if (kept.size() > 512)
        kept.clear();
    const QSize size = compute();
    kept.emplace(std::move(key), size);
    return size;
}

// The width of a text (height: a line) in a part's font.
QSize textSize(const QWidget* part, int dpi, const QString& text)
{
    return keptSize(part, dpi, text, [&] {
        const QFontMetrics fm = part->fontMetrics();
        return QSize(text.isEmpty() ? 0 : fm.horizontalAdvance(text), fm.height());
    });
}

// What a part needs to show its content in its font, in pixels at the
// part's DPI; 0 where the part takes whatever the control's layout gives it.
QSize neededSize(QWidget* part, int dpi)
{
    if (auto* edit = qobject_cast<QDateTimeEdit*>(part)) {
        const QString shape = QStringList{QStringLiteral("\1dates"), edit->locale().name(), edit->style()->name(),
                                          edit->displayFormat(),
                                          QString::number(edit->calendarPopup()), edit->specialValueText(),
                                          edit->minimumDateTime().toString(Qt::ISODate),
                                          edit->maximumDateTime().toString(Qt::ISODate),
                                          QString::number(edit->buttonSymbols())}
                                  .join(QLatin1Char('|'));
        return keptSize(part, dpi, shape, [edit] { return edit->minimumSizeHint(); });
    }
    if (auto* edit = qobject_cast<QLineEdit*>(part))
        return QSize(0, edit->minimumSizeHint().height());
    if (auto* combo = qobject_cast<QComboBox*>(part)) {
        // From the style, not minimumSizeHint: that measures every item.
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const int line = textSize(part, dpi, QString()).height();
        return QSize(0, combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(0, line), combo).height());
    }
    if (auto* button = qobject_cast<QPushButton*>(part)) {
        if (button->text().isEmpty())
            return QSize(0, button->iconSize().height() + 4);
        return textSize(part, dpi, button->text()) + QSize(8, 4);
    }
    if (auto* label = qobject_cast<QLabel*>(part)) {
        const int frame = 2 * label->frameWidth();
        if (label->frameShape() != QFrame::NoFrame)
            return QSize(0, textSize(part, dpi, QString()).height() + frame);
        return textSize(part, dpi, label->text()) + QSize(frame, frame);
    }
    return QSize();
}
} // namespace

ZEVControlWidgetPrivate::ZEVControlWidgetPrivate(ZEVControlWidget& widget, const ClassDescriptor& d)
    : q(widget), descriptor(d)
{
}

// Nothing outside can be connected to a widget still being made.
void ZEVControlWidgetPrivate::propertyChanged(const QString& key)
{
    if (constructed)
        notify(key);
}

void ZEVControlWidgetPrivate::errorRaised(int number, const QString& description)
{
    if (q.isSignalConnected(QMetaMethod::fromSignal(&ZEVControlWidget::errorRaised)))
        Q_EMIT q.errorRaised(number, description);
    else
        qWarning("%s: error %d: %s", qPrintable(host->ControlName()), number, qPrintable(description));
}

void ZEVControlWidgetPrivate::partFontChanged()
{
    // While the widget is made, its constructor shows the font and fits the parts once, at the end.
    if (!constructed)
        return;
    showControlFont();
    scheduleRefit();
}

// Not before the control is first named, at its first show (a list filled item by item as it is made).
void ZEVControlWidgetPrivate::partContentChanged()
{
    if (host->described(&q))
        describe(false);
}

ZEVControlWidget::ZEVControlWidget(const ClassDescriptor& descriptor, QWidget* parent,
                                   const std::function<void(Control&)>& prepare)
    : QWidget(parent), d_(std::make_unique<ZEVControlWidgetPrivate>(*this, descriptor))
{
    ZEVControlWidgetPrivate& d = *d_;
    if (!descriptor.create)
        throw ControlError(429 /* cannot create the object */,
                           QStringLiteral("the class %1 is not built into the library").arg(descriptor.className));
    // A new control, as a container places one on a form. Nothing outside
    // can watch its parts yet: they give the Qt widgets their last writes only.
    d.host = std::make_unique<QtControlHost>(this, FontDesc(), QtControlHost::Writes::Held);
    QtControlHost* host = d.host.get();
    host->setListener(&d);
    QtAccessibility::installFactory();
    // A container places a new control at its design size.
    host->setScaleSize(descriptor.designWidth, descriptor.designHeight);
    try {
        Loading loading(*host);
        d.control = descriptor.create(*host);
        if (prepare)
            prepare(*d.control);
        d.control->Initialize();
        d.initialized = true;
    } catch (...) {
        host->detachWidgets();
        throw;
    }
    // The widget hands the focus to the first of its parts that takes it, so
    // a buddy label's mnemonic reaches it; Tab skips a widget with a proxy.
    for (const auto& w : host->widgets())
        if (QtAdapter* a = QtAdapter::of(w.get()))
            if (QWidget* part = a->qwidget(); part && (part->focusPolicy() & Qt::TabFocus)) {
                setFocusProxy(part);
                break;
            }
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    ZEVControlWidgetPrivate::watchFocus();
    d.report([&] {
        Loading loading(*host);
        d.control->InitProperties();
    });
    host->holdWrites(false);
    d.showControlFont();
    d.refit();
    if (QSizeF(host->ScaleWidth(), host->ScaleHeight()) != d.resizedAt)
        d.runResize();
    // Named when first shown: no label can name it yet (a buddy needs the
    // control first), and until then no screen reader can reach it.
    d.constructed = true;
}

ZEVControlWidget::~ZEVControlWidget()
{
    ZEVControlWidgetPrivate& d = *d_;
    if (d.initialized) {
        try {
            d.control->Terminate();
        } catch (const ControlError& e) {
            qWarning("%s: Terminate failed: error %d: %s", qPrintable(className()), e.Number(),
                     qPrintable(e.Description()));
        } catch (const std::exception& e) {
            qWarning("%s: Terminate failed: %s", qPrintable(className()), e.what());
        }
    }
    // No widget event may reach the control once it is gone.
    d.host->detachWidgets();
    d.control.reset();
    d.host.reset();
}

Control& ZEVControlWidget::control() const { return *d_->control; }

QString ZEVControlWidget::className() const { return d_->descriptor.className; }

void ZEVControlWidget::readProperties(PropertyBag& bag)
{
    ZEVControlWidgetPrivate& d = *d_;
    {
        Loading loading(*d.host);
        d.control->ReadProperties(bag);
    }
    d.showControlEnabled();
    d.showControlFont();
    d.runResize();
}

void ZEVControlWidget::writeProperties(PropertyBag& bag) { d_->control->WriteProperties(bag); }

void ZEVControlWidget::setReportsFailures(bool reports) { d_->reportsFailures = reports; }

bool ZEVControlWidget::reportsFailures() const { return d_->reportsFailures; }

void ZEVControlWidget::resizeTwips(float width, float height)
{
    ZEVControlWidgetPrivate& d = *d_;
    d.host->setScaleSize(width, height);
    // A hidden widget gets its resize event only when it is shown.
    if (QSizeF(d.host->ScaleWidth(), d.host->ScaleHeight()) != d.resizedAt)
        d.runResize();
}

float ZEVControlWidget::widthTwips() const { return d_->host->ScaleWidth(); }

float ZEVControlWidget::heightTwips() const { return d_->host->ScaleHeight(); }

QSize ZEVControlWidget::sizeHint() const
{
    ZEVControlWidgetPrivate& d = *d_;
    if (d.fitPending)
        d.refit();
    return QSize(QtUnits::toPixels(d.descriptor.designWidth, d.host->dpiX()), d.hintPixelHeight());
}

QSize ZEVControlWidget::minimumSizeHint() const
{
    ZEVControlWidgetPrivate& d = *d_;
    const QSize hint = sizeHint();
    // The parts that stretch may give up their width down to what they need.
    int spare = 0;
    for (const QString& name : d.stretchingParts) {
        Widget* w = d.host->widget(name);
        QWidget* part = d.part(name);
        if (!w || !part)
            continue;
        const int designed = QtUnits::toPixels(d.host->designSize(*w).width(), d.host->dpiX());
        const int least = part->fontMetrics().averageCharWidth() * 6 + 8;
        const int give = std::max(0, designed - least);
        spare = spare == 0 ? give : std::min(spare, give);
    }
    return QSize(std::max(1, hint.width() - spare), hint.height());
}

QStringList ZEVControlWidget::unboundEvents() const
{
    QStringList names;
    for (const auto& e : d_->descriptor.events)
        if (!d_->typed.contains(e.id))
            names << e.name;
    return names;
}

bool ZEVControlWidget::event(QEvent* event)
{
    if (event->type() == QEvent::DynamicPropertyChange) {
        const QByteArray name = static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName();
        const int index = name.startsWith("ole") ? metaObject()->indexOfProperty(name.constData() + 3) : -1;
        const QVariant value = index >= 0 ? property(name.constData()) : QVariant();
        if (index >= ZEVControlWidget::staticMetaObject.propertyCount()
            && metaObject()->property(index).metaType().id() == QMetaType::QColor && value.isValid()) {
            // Through the saved-property path, so the control applies it as it loads a saved form.
            d_->report([&] {
                bool ok = false;
                const qint64 ole = value.toLongLong(&ok);
                if (!ok || ole < std::numeric_limits<qint32>::min() || ole > std::numeric_limits<quint32>::max())
                    throw ControlError(ErrInvalidPropertyValue, QString::fromLatin1(name) + QStringLiteral(": not a colour value"));
                MemoryPropertyBag bag;
                writeProperties(bag);
                bag.insert(QString::fromLatin1(name.constData() + 3), QVariant::fromValue(qint32(quint32(ole))));
                readProperties(bag);
            });
        }
    }
    return QWidget::event(event);
}

void ZEVControlWidget::changeEvent(QEvent* event)
{
    ZEVControlWidgetPrivate& d = *d_;
    switch (event->type()) {
    case QEvent::EnabledChange:
        // Also when a parent is disabled: the parts take the control's disabled look.
        if (d.applyEnabled && d.syncingEnabled == 0)
            d.report([&] { d.applyEnabled(isEnabled()); });
        break;
    case QEvent::FontChange:
        if (d.applyFont && d.syncingFont == 0)
            d.report([&] { d.applyFont(font()); });
        break;
    case QEvent::StyleChange:
        d.scheduleRefit();
        break;
    case QEvent::LanguageChange:
        // A translator came or went: the accessible texts in its language.
        if (d.host->described(this))
            d.describe(false);
        break;
    case QEvent::PaletteChange:
        // The application's palette changed (a theme): a system BackColor follows it.
        if (d.host) // not while the host itself is being made
            d.host->applyBackColor();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void ZEVControlWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ZEVControlWidgetPrivate& d = *d_;
    if (QSizeF(d.host->ScaleWidth(), d.host->ScaleHeight()) != d.resizedAt)
        d.runResize();
}

void ZEVControlWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ZEVControlWidgetPrivate& d = *d_;
    // Shown on its form: the labels around it are in place by now.
    QtAccessibility::describeShown(*this, d.descriptor.className, *d.host);
    if (d.fitPending)
        d.refit();
    // On another screen the same twips are other pixels.
    if (QtUnits::logicalDpiX(this) != d.dpiAtResize) {
        d.host->applyGeometry();
        d.runResize();
    }
}

// ---- the private part ----

void ZEVControlWidgetPrivate::attempt(const std::function<void()>& f)
{
    if (!reportsFailures) {
        f();
        return;
    }
    report(f);
}

void ZEVControlWidgetPrivate::report(const std::function<void()>& f)
{
    try {
        f();
    } catch (const ControlError& e) {
        host->reportError(e.Number(), e.Description());
    } catch (const std::exception& e) {
        host->reportError(ErrInternal, QString::fromLocal8Bit(e.what()));
    }
}

void ZEVControlWidgetPrivate::writeColor(const QString& key, const QColor& color,
                                         const std::function<void(OleColor)>& apply)
{
    attempt([&] {
        if (!color.isValid())
            throw ControlError(ErrInvalidPropertyValue, QStringLiteral("%1: not a colour").arg(key));
        apply(QtColors::fromQColor(color));
    });
}

void ZEVControlWidgetPrivate::writeFont(const QFont& font, const zev::Font& current,
                                        const std::function<void(const FontDesc&)>& apply)
{
    attempt([&] { apply(QtFonts::fromQFont(font, current.value())); });
}

qint16 ZEVControlWidgetPrivate::toInteger(int value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw ControlError(ErrOverflow, QStringLiteral("%1 does not fit an Integer").arg(value));
    return qint16(value);
}

QtFlatEdit* ZEVControlWidgetPrivate::flatEdit(const QString& name) const
{
    return dynamic_cast<QtFlatEdit*>(host->widget(name));
}

QColor ZEVControlWidgetPrivate::toQColor(OleColor color) { return QtColors::toQColor(color); }

QFont ZEVControlWidgetPrivate::toQFont(const zev::Font& font) { return QtFonts::toQFont(font.value()); }

void ZEVControlWidgetPrivate::showControlFont()
{
    if (!controlFont)
        return;
    ++syncingFont;
    q.setFont(controlFont());
    --syncingFont;
}

void ZEVControlWidgetPrivate::showControlEnabled()
{
    if (!controlEnabled)
        return;
    ++syncingEnabled;
    q.setEnabled(controlEnabled());
    --syncingEnabled;
}

int ZEVControlWidgetPrivate::hintPixelHeight() const
{
    switch (hintHeight) {
    case HintHeight::Design: {
        // The control lays its parts out never lower than their design
        // heights (grown by the fit): the hint reaches down to the lowest.
        int bottom = QtUnits::toPixels(descriptor.designHeight, host->dpiY());
        for (const auto& w : host->widgets()) {
            if (!w->Visible())
                continue;
            const auto y = QtUnits::toPixelRun(w->Top(), host->designSize(*w).height(), host->dpiY());
            bottom = std::max(bottom, y.start + y.length);
        }
        return bottom;
    }
    case HintHeight::LineEdit:
        for (const auto& w : host->widgets())
            if (QtAdapter* a = QtAdapter::of(w.get()))
                if (auto* edit = qobject_cast<QLineEdit*>(a->qwidget()))
                    return edit->sizeHint().height();
        break;
    case HintHeight::LowestPart: {
        // Where the parts are placed (QtAdapter::applyGeometry); the control
        // draws no frame of its own around them.
        int bottom = 0;
        for (const auto& w : host->widgets()) {
            if (!w->Visible())
                continue;
            const auto y = QtUnits::toPixelRun(w->Top(), w->Height(), host->dpiY());
            bottom = std::max(bottom, y.start + y.length);
        }
        if (bottom > 0)
            return bottom;
        break;
    }
    }
    return QtUnits::toPixels(descriptor.designHeight, host->dpiY());
}

void ZEVControlWidgetPrivate::scheduleRefit()
{
    if (fitPending)
        return;
    fitPending = true;
    q.updateGeometry();
    QTimer::singleShot(0, &q, [this] {
        if (fitPending)
            refit();
    });
}

void ZEVControlWidgetPrivate::refit()
{
    fitPending = false;
    const double dpiX = QtUnits::logicalDpiX(&q), dpiY = QtUnits::logicalDpiY(&q);
    const int partDpi = int(std::lround(dpiY)); // the parts lie on the control's screen
    double fitX = 1, fitY = 1;
    for (const auto& w : host->widgets()) {
        QtAdapter* a = QtAdapter::of(w.get());
        QWidget* p = a ? a->qwidget() : nullptr;
        if (!p)
            continue;
        const QSizeF design = host->designSize(*w);
        const QSize need = neededSize(p, partDpi);
        const double height = design.height() * dpiY / QtUnits::TwipsPerInch;
        const double width = design.width() * dpiX / QtUnits::TwipsPerInch;
        if (height >= 1 && need.height() > height)
            fitY = std::max(fitY, need.height() / height);
        if (width >= 1 && need.width() > width && w->Visible())
            fitX = std::max(fitX, need.width() / width);
    }
    if (fitX == host->fitX() && fitY == host->fitY())
        return;
    // The control keeps its size in twips; its pixels grow.
    const float width = host->ScaleWidth(), height = host->ScaleHeight();
    host->setFit(fitX, fitY);
    host->setScaleSize(width, height);
    q.updateGeometry();
    runResize();
}

void ZEVControlWidgetPrivate::dispatch(int number, QVariantList& arguments)
{
    const EventInfo* event = descriptor.event(number);
    Q_EMIT q.eventRaised(event ? event->name : QStringLiteral("Event%1").arg(number), arguments);
    if (const auto* handler = typed.find(number))
        (*handler)(arguments);
}

void ZEVControlWidgetPrivate::notify(const QString& key)
{
    Q_EMIT q.propertyChanged(key);
    const QMetaObject* meta = q.metaObject();
    const int index = meta->indexOfProperty(key.toLatin1().constData());
    if (index < 0)
        return;
    const QMetaProperty property = meta->property(index);
    if (property.hasNotifySignal() && property.notifySignal().parameterCount() == 0
        && property.notifySignal().name().endsWith("Changed"))
        property.notifySignal().invoke(&q, Qt::DirectConnection);
}

void ZEVControlWidgetPrivate::runResize()
{
    if (!initialized)
        return;
    resizedAt = QSizeF(host->ScaleWidth(), host->ScaleHeight());
    dpiAtResize = QtUnits::logicalDpiX(&q);
    report([this] { control->Resize(); });
}

void ZEVControlWidgetPrivate::describe(bool lookForLabel)
{
    QtAccessibility::describe(q, descriptor.className, *host, lookForLabel);
}

void ZEVControlWidgetPrivate::watchFocus()
{
    static QPointer<QApplication> watched;
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app || watched == app)
        return;
    watched = app;
    QObject::connect(app, &QApplication::focusChanged, app, [](QWidget* old, QWidget* now) {
        // The controls around the part that lost the focus, then those around the one that has it.
        QList<QPointer<ZEVControlWidget>> left;
        for (QWidget* w = old ? old->parentWidget() : nullptr; w; w = w->parentWidget())
            if (auto* control = qobject_cast<ZEVControlWidget*>(w))
                left << control;
        const QPointer<QWidget> nowStays(now); // a LostFocus handler may delete it
        for (const QPointer<ZEVControlWidget>& control : left)
            if (control)
                control->d_->focusLeft(now);
        if (!nowStays)
            return;
        for (QWidget* w = now ? now->parentWidget() : nullptr; w; w = w->parentWidget())
            if (auto* control = qobject_cast<ZEVControlWidget*>(w); control && !left.contains(control))
                // A label may have been given this control as its buddy since it was shown.
                control->d_->describe(true);
    });
}

void ZEVControlWidgetPrivate::focusLeft(QWidget* now)
{
    if (now && (now == &q || q.isAncestorOf(now)))
        return;
    // The focus left the control's parts. An item delegate (a view's editor,
    // QDataWidgetMapper) watches its editor, this widget, for FocusOut to
    // commit the edit; the inner part had the real one.
    QFocusEvent left(QEvent::FocusOut, Qt::OtherFocusReason);
    QCoreApplication::sendEvent(&q, &left);
}

} // namespace zev

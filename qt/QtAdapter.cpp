#include "qt/QtAdapter.h"

#include "framework/ControlError.h"
#include "qt/QtControlHost.h"
#include "qt/QtErrors.h"
#include "qt/QtUnits.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <cmath>
#include <exception>

namespace zev {

class QtAdapter::Relay : public QObject {
public:
    explicit Relay(QtAdapter& adapter) : adapter_(adapter) {}
    bool eventFilter(QObject* watched, QEvent* event) override { return adapter_.handleEvent(watched, event); }

private:
    QtAdapter& adapter_;
};

bool QtPartHook::adapterEvent(QObject* self, QEvent* event) { return adapter && adapter->handleEvent(self, event); }

QtAdapter::QtAdapter(Widget& self, QWidget* widget, QtPartHook& hook, QtControlHost* host)
    : self_(self), widget_(widget), hook_(hook), host_(host), holding_(host && host->holdingWrites())
{
    hook_.adapter = this;
}

QtAdapter::~QtAdapter()
{
    detach(); // before the widget goes, so no event reaches a half-destroyed adapter
    // Past the end of the application no widget may be destroyed any more.
    if (widget_ && QCoreApplication::instance())
        delete widget_.data();
}

void QtAdapter::detach()
{
    if (detached_)
        return;
    detached_ = true;
    QtFocus::forget(self_);
    if (widget_)
        hook_.adapter = nullptr;
    for (const QMetaObject::Connection& c : connections_)
        QObject::disconnect(c);
    connections_.clear();
    delete relay_; // the inner objects' filters end with it
    relay_ = nullptr;
}

void QtAdapter::watch(QObject* object)
{
    if (detached_)
        return;
    if (!relay_)
        relay_ = new Relay(*this);
    object->installEventFilter(relay_);
}

void QtAdapter::checkSize(float twips)
{
    if (!std::isfinite(twips) || twips < 0)
        throw ControlError(ErrInvalidPropertyValue);
}

void QtAdapter::checkPosition(float twips)
{
    if (!std::isfinite(twips))
        throw ControlError(ErrInvalidPropertyValue);
}

void QtAdapter::applyGeometry()
{
    QWidget* w = widget_;
    if (!w)
        return;
    const double dpiX = host_ ? host_->dpiX() : QtUnits::logicalDpiX(w);
    const double dpiY = host_ ? host_->dpiY() : QtUnits::logicalDpiY(w);
    const auto x = QtUnits::toPixelRun(left_, width_, dpiX);
    const auto y = QtUnits::toPixelRun(top_, height_, dpiY);
    w->setGeometry(x.start, y.start, x.length, y.length);
}

void QtAdapter::setFocusToWidget()
{
    QWidget* w = widget_;
    // As on the original forms, a hidden or disabled widget cannot take the focus.
    if (!w || !visible_ || !enabled_ || !w->isEnabled() || w->focusPolicy() == Qt::NoFocus)
        throw ControlError(ErrInvalidProcedureCall, QStringLiteral("%1 cannot take the focus").arg(self_.Name()));
    w->setFocus(Qt::OtherFocusReason);
}

namespace {
// The colours a widget shows as it is: enabled, its active and inactive
// groups; disabled, its disabled group.
bool sameShown(const QPalette& a, const QPalette& b, bool enabled)
{
    if (a.isCopyOf(b))
        return true;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if ((group == QPalette::Disabled) == enabled)
            continue;
        for (int role = 0; role < QPalette::NColorRoles; ++role)
            if (a.brush(group, QPalette::ColorRole(role)) != b.brush(group, QPalette::ColorRole(role)))
                return false;
    }
    return true;
}
} // namespace

void QtAdapter::writePalette(QWidget& widget, const QPalette& palette)
{
    // Colours the widget shows already (as a rule, system colours it
    // inherits) stay inherited: a parent's or the theme's change comes back
    // through PaletteChange, and being enabled or disabled through
    // EnabledChange, and is compared again. Only the colours it shows as it
    // is count: an entry box differs from the theme in its disabled group
    // alone (it stays white), written only once it is disabled.
    if (sameShown(palette, widget.palette(), widget.isEnabled()))
        return;
    const bool was = recoloring_;
    recoloring_ = true;
    widget.setPalette(palette);
    recoloring_ = was;
}

void QtAdapter::recolor()
{
    if (holding_)
        recolorPending_ = true;
    else
        applyColors();
}

void QtAdapter::holdWrites(bool hold)
{
    holding_ = hold;
    if (hold)
        return;
    if (recolorPending_) {
        recolorPending_ = false;
        applyColors();
    }
    if (visibilityPending_) {
        visibilityPending_ = false;
        applyVisible();
    }
    releaseWrites();
}

void QtAdapter::applyVisible()
{
    QWidget* w = widget_;
    if (!w)
        return;
    // A new control's first properties may hide and show a part again: only the last counts.
    if (holding_) {
        visibilityPending_ = true;
        return;
    }
    // A part not hidden on purpose shows with its control: shown before it,
    // it would be polished before its first properties are in.
    const bool hiddenOnPurpose = w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->testAttribute(Qt::WA_WState_Hidden);
    const bool controlShown = w->parentWidget() && w->parentWidget()->isVisible();
    if (visible_ && !w->isVisible() && !hiddenOnPurpose && !controlShown)
        return;
    w->setVisible(visible_);
}

void QtAdapter::reportError(int number, const QString& description) const
{
    if (host_)
        host_->reportError(number, description);
    else
        qWarning("%s: error %d: %s", qPrintable(self_.Name()), number, qPrintable(description));
}

void QtAdapter::guarded(const std::function<void()>& handler) const
{
    if (detached_)
        return;
    try {
        handler();
    } catch (const ControlError& e) {
        reportError(e.Number(), e.Description());
    } catch (const std::exception& e) {
        reportError(ErrInternal, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        reportError(ErrInternal, QStringLiteral("unknown failure"));
    }
}

bool QtAdapter::filterEvent(QObject*, QEvent*) { return false; }

bool QtAdapter::handleEvent(QObject* watched, QEvent* event)
{
    if (watched == widget_) {
        // What the widget is to handle meets the writes held back (its own
        // colour and font changes come from their release and need nothing).
        if (event->type() != QEvent::PaletteChange && event->type() != QEvent::FontChange)
            releaseWrites();
        switch (event->type()) {
        case QEvent::FocusIn:
            guarded([this] { QtFocus::focusIn(self_); });
            break;
        case QEvent::FocusOut: {
            // Window activation and pop-ups leave the focus where it is.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                guarded([this] { QtFocus::focusOut(self_); });
            break;
        }
        case QEvent::ApplicationPaletteChange:
        case QEvent::PaletteChange:
        case QEvent::EnabledChange:
            // System colours follow the theme; our own palette write comes back here too.
            // Enabled or disabled, the widget shows another group of its palette.
            if (!recoloring_) {
                recoloring_ = true;
                recolor();
                recoloring_ = false;
            }
            break;
        case QEvent::ScreenChangeInternal:
            applyGeometry();
            break;
        case QEvent::FontChange:
            if (host_)
                host_->tellPartFontChanged();
            break;
        default:
            break;
        }
    }
    return filterEvent(watched, event);
}

namespace QtFocus {
namespace {
Widget* focused = nullptr;
}

Widget* current() { return focused; }

void focusIn(Widget& widget)
{
    if (focused == &widget)
        return;
    Widget* previous = focused;
    focused = &widget;
    if (previous)
        previous->raiseLostFocus();
    if (focused == &widget)
        widget.raiseGotFocus();
}

void focusOut(Widget& widget)
{
    if (focused != &widget)
        return;
    focused = nullptr;
    widget.raiseLostFocus();
}

void forget(Widget& widget)
{
    if (focused == &widget)
        focused = nullptr;
}
} // namespace QtFocus

} // namespace zev

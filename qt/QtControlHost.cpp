#include "qt/QtControlHost.h"

#include "framework/Control.h"
#include "library/LibraryIdentity.h"
#include "framework/frmAbout.h"
#include "qt/QtAdapter.h"
#include "qt/QtColors.h"
#include "qt/QtErrors.h"
#include "qt/QtForm.h"
#include "qt/QtModal.h"
#include "qt/QtUnits.h"
#include "qt/QtWidgetFactory.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QMetaMethod>
#include <QScreen>

namespace zev {

namespace {
QMessageBox::Icon iconOf(int buttons)
{
    switch (buttons & 0x70) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

void centreOver(QWidget& dialog, const QWidget* owner)
{
    QRect area;
    if (owner && owner->isVisible())
        area = owner->window()->frameGeometry();
    else if (const QScreen* s = QGuiApplication::primaryScreen())
        area = s->availableGeometry();
    if (area.isValid())
        dialog.move(area.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
}

// The about form outlives every host; it must go before the application does.
void unloadFormsAtExit()
{
    static bool registered = false;
    if (!registered) {
        qAddPostRoutine([] { frmAbout::Unload(); });
        registered = true;
    }
}
} // namespace

QtControlHost::QtControlHost(QWidget* surface, FontDesc defaultFont, Writes writes)
    : surface_(surface), defaultFont_(std::move(defaultFont))
{
    Q_ASSERT(surface);
    // Now, while the surface has no children that a palette would pass down to.
    applyBackColor();
    holding_ = writes == Writes::Held;
}

QtControlHost::~QtControlHost()
{
    detachWidgets();
    widgets_.clear();
}

Widget& QtControlHost::CreateWidget(const WidgetDesign& design)
{
    if (!surface_)
        throw ControlError(ErrObjectRequired, QStringLiteral("the control's surface no longer exists"));
    widgets_.push_back(makeQtWidget(design, surface_, defaultFont_, this));
    designSizes_.insert(widgets_.back().get(), QSizeF(design.width, design.height));
    return *widgets_.back();
}

void QtControlHost::PropertyChanged(const QString& key)
{
    // The Qt idiom for a modified document: a window title with a [*] placeholder.
    if (!loading_)
        changed_ = true;
    if (!loading_ && surface_) {
        QWidget* window = surface_->window();
        if (window->windowTitle().contains(QLatin1String("[*]")))
            window->setWindowModified(true);
    }
    if (listener_)
        listener_->propertyChanged(key);
}

void QtControlHost::RaiseEvent(int number, QVariantList& arguments)
{
    if (eventDepth_ >= maxEventDepth) {
        QString name = QStringLiteral("Event%1").arg(number);
        if (control())
            if (const EventInfo* e = control()->Descriptor().event(number))
                name = e->name;
        throw ControlError(ErrOutOfStackSpace, QStringLiteral("event chain without end: %1").arg(name));
    }
    ++eventDepth_;
    struct DepthGuard {
        int& depth;
        ~DepthGuard() { --depth; }
    } guard{eventDepth_};
    if (listener_)
        listener_->eventRaised(number, arguments);
    Q_EMIT eventRaised(number, arguments);
}

void QtControlHost::tellPartFontChanged()
{
    if (listener_)
        listener_->partFontChanged();
}

void QtControlHost::tellPartContentChanged()
{
    if (listener_)
        listener_->partContentChanged();
}

void QtControlHost::setBackColor(OleColor color)
{
    backColor_ = color;
    applyBackColor();
}

void QtControlHost::holdWrites(bool hold)
{
    holding_ = hold;
    // The surface first: its palette passes down to the parts.
    if (!hold && backColorPending_)
        applyBackColor();
    for (const auto& w : widgets_)
        if (QtAdapter* a = QtAdapter::of(w.get()))
            a->holdWrites(hold);
}

void QtControlHost::applyBackColor()
{
    backColorPending_ = holding_;
    if (!surface_ || holding_)
        return;
    const QColor back = QtColors::toQColor(backColor_, QGuiApplication::palette());
    surface_->setAutoFillBackground(true);
    // Setting the palette comes back as a PaletteChange: only a change is
    // written. A colour the surface inherits already is left inherited (a
    // parent's change comes back here as a PaletteChange).
    if (surface_->palette().color(QPalette::Window) == back)
        return;
    QPalette p = surface_->palette();
    p.setColor(QPalette::Window, back);
    surface_->setPalette(p);
}

void QtControlHost::setScaleSize(float width, float height)
{
    if (!surface_)
        return;
    if (!std::isfinite(width) || !std::isfinite(height) || width < 0 || height < 0)
        throw ControlError(ErrInvalidPropertyValue);
    scaleWidth_ = width;
    scaleHeight_ = height;
    surface_->resize(QtUnits::toPixels(width, dpiX()), QtUnits::toPixels(height, dpiY()));
}

double QtControlHost::dpiX() const { return QtUnits::logicalDpiX(surface_) * fitX_; }

double QtControlHost::dpiY() const { return QtUnits::logicalDpiY(surface_) * fitY_; }

void QtControlHost::setFit(double x, double y)
{
    if (x == fitX_ && y == fitY_)
        return;
    fitX_ = x;
    fitY_ = y;
    applyGeometry();
}

float QtControlHost::ScaleWidth() const
{
    if (!surface_)
        return 0;
    const double dpi = dpiX();
    const int px = surface_->width();
    return scaleWidth_ >= 0 && QtUnits::toPixels(scaleWidth_, dpi) == px ? scaleWidth_ : QtUnits::toTwips(px, dpi);
}

float QtControlHost::ScaleHeight() const
{
    if (!surface_)
        return 0;
    const double dpi = dpiY();
    const int px = surface_->height();
    return scaleHeight_ >= 0 && QtUnits::toPixels(scaleHeight_, dpi) == px ? scaleHeight_
                                                                            : QtUnits::toTwips(px, dpi);
}

Widget* QtControlHost::ActiveControl() const
{
    if (!surface_)
        return nullptr;
    // The window's focus widget is kept while another window is active, as the
    // active control of a form is.
    QWidget* focus = surface_->window()->focusWidget();
    if (!focus)
        focus = QApplication::focusWidget();
    if (!focus)
        return nullptr;
    for (const auto& w : widgets_)
        if (QtAdapter* a = QtAdapter::of(w.get()))
            if (QWidget* q = a->qwidget(); q && (q == focus || q->isAncestorOf(focus)))
                return w.get();
    return nullptr;
}

QString QtControlHost::ControlName() const
{
    if (!surface_)
        return QString();
    if (!surface_->objectName().isEmpty())
        return surface_->objectName();
    return control() ? control()->ClassName() : QString();
}

void QtControlHost::MsgBox(const QString& prompt, int buttons, const QString& title)
{
    QMessageBox box(iconOf(buttons), title.isEmpty() ? QGuiApplication::applicationDisplayName() : title, prompt,
                    QMessageBox::Ok, surface_ ? surface_->window() : nullptr);
    box.setTextFormat(Qt::PlainText);
    QtModal::exec(box);
}

LibraryVersion QtControlHost::LibraryVersion() const { return LibraryIdentity::Version; }

void QtControlHost::DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

std::unique_ptr<Form> QtControlHost::CreateForm(const FormDesign& design)
{
    unloadFormsAtExit();
    return std::make_unique<QtForm>(design);
}

void QtControlHost::ShowModal(Form& form)
{
    auto* qtForm = dynamic_cast<QtForm*>(&form);
    if (!qtForm || !qtForm->dialog())
        throw ControlError(ErrTypeMismatch,
                           QStringLiteral("the form %1 was not made by the Qt widget layer").arg(form.Name()));
    QDialog& dialog = *qtForm->dialog();
    qtForm->applyGeometry();
    centreOver(dialog, surface_);
    QtModal::exec(dialog);
}

Widget* QtControlHost::widget(const QString& name) const
{
    for (const auto& w : widgets_)
        if (w->Name() == name)
            return w.get();
    return nullptr;
}

QWidget* QtControlHost::qwidget(const QString& name) const
{
    QtAdapter* a = QtAdapter::of(widget(name));
    return a ? a->qwidget() : nullptr;
}

void QtControlHost::detachWidgets()
{
    for (auto& w : widgets_)
        if (QtAdapter* a = QtAdapter::of(w.get()))
            a->detach();
}

void QtControlHost::applyGeometry()
{
    for (auto& w : widgets_)
        if (QtAdapter* a = QtAdapter::of(w.get()))
            a->applyGeometry();
}

void QtControlHost::reportError(int number, const QString& description)
{
    if (listener_)
        listener_->errorRaised(number, description);
    else if (isSignalConnected(QMetaMethod::fromSignal(&QtControlHost::errorRaised)))
        Q_EMIT errorRaised(number, description);
    else
        qWarning("%s: error %d: %s", qPrintable(ControlName()), number, qPrintable(description));
}

} // namespace zev

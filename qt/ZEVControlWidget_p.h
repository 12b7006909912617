#pragma once

// The machinery behind the control widgets; not part of the public headers.

#include "framework/ClassDescriptor.h"
#include "framework/Control.h"
#include "framework/ControlError.h"
#include "framework/Font.h"
#include "framework/OleColor.h"
#include "qt/QtControlHost.h"
#include "qt/QtEventArgs.h"
#include "qt/ZEVControlWidget.h"

#include <QColor>
#include <QFont>
#include <QMetaMethod>
#include <QSizeF>
#include <functional>
#include <memory>
#include <stdexcept>
#include <tuple>
#include <utility>

class QLineEdit;

namespace zev {

class QtFlatEdit;

class ZEVControlWidgetPrivate : public QtControlHost::Listener {
public:
    ZEVControlWidgetPrivate(ZEVControlWidget& widget, const ClassDescriptor& descriptor);
    virtual ~ZEVControlWidgetPrivate() = default;

    // QtControlHost::Listener: the host's news, as the widget's signals.
    void eventRaised(int number, QVariantList& arguments) override { dispatch(number, arguments); }
    void propertyChanged(const QString& key) override;
    void errorRaised(int number, const QString& description) override;
    void partFontChanged() override;
    void partContentChanged() override;

    // The Qt host of a control widget: the library's and its tests' way in.
    static QtControlHost& hostOf(const ZEVControlWidget& widget) { return *widget.d_->host; }
    // One watch of the application's focus for every control: a change
    // reaches the controls it leaves or enters, not every control of a form.
    static void watchFocus();

    ZEVControlWidget& q;
    const ClassDescriptor& descriptor;
    std::unique_ptr<QtControlHost> host;
    std::unique_ptr<Control> control;
    QtSmallMap<int, std::function<void(QVariantList&)>> typed;
    bool initialized = false;
    bool constructed = false; // the widget's constructor has ended: others may listen
    bool reportsFailures = false;
    QSizeF resizedAt; // the size in twips the control last laid itself out for
    double dpiAtResize = 0;

    // QWidget's `enabled` and `font` drive the control's Enabled and Font.
    std::function<void(bool)> applyEnabled;
    std::function<bool()> controlEnabled; // after a load, the widget follows the control
    int syncingEnabled = 0;
    std::function<void(const QFont&)> applyFont;   // the widget's font, to the control
    std::function<QFont()> controlFont;             // the control's font, to the widget
    int syncingFont = 0;
    // The parts that take the width a layout gives beyond the design.
    QStringList stretchingParts;
    // How tall the size hints are. Only the hints: the design height stays
    // what a new control, resizeTwips and a saved form's geometry use.
    enum class HintHeight {
        Design,     // the design height, grown where the font needs it
        LineEdit,   // a one-line field: as tall as a QLineEdit at its font, so it sits on a form row
        LowestPart, // down to the bottom of the lowest visible part, with no blank band below
    };
    HintHeight hintHeight = HintHeight::Design;
    bool fitPending = false;

    // Makes a signal of the control's widget the typed form of the control's
    // event of the same name: its parameters, in order, are the event's
    // arguments, as references where the handler may change them.
    template <typename W, typename... Args>
    void bindEvent(W* self, void (W::*signal)(Args...));

    // Runs f with the failure rule of writes: throws, or reports when reportsFailures.
    void attempt(const std::function<void()>& f);
    // Runs f and reports a failure through errorRaised (no caller to fail to).
    void report(const std::function<void()>& f);
    // A colour property: an invalid QColor is refused with 380.
    void writeColor(const QString& key, const QColor& color, const std::function<void(OleColor)>& apply);
    // A font property (CodeFont...): the set attributes of the QFont merged into the control's.
    void writeFont(const QFont& font, const zev::Font& current, const std::function<void(const FontDesc&)>& apply);
    // A whole number for a 16-bit property: beyond its range it fails with 6.
    static qint16 toInteger(int value);

    // A part of the control by name, as its Qt widget.
    QWidget* part(const QString& name) const { return host->qwidget(name); }
    QtFlatEdit* flatEdit(const QString& name) const;

    static QColor toQColor(OleColor color);
    static QFont toQFont(const zev::Font& font);

    // The widget's `font` and `enabled` show the control's.
    void showControlFont();
    void showControlEnabled();
    // The height of the size hints, in pixels (see hintHeight).
    int hintPixelHeight() const;
    // Grows the control's twips where the parts' font needs more room.
    void refit();
    void scheduleRefit();
    void runResize();
    void dispatch(int number, QVariantList& arguments);
    void notify(const QString& key);
    void focusLeft(QWidget* now);
    // The accessible names and descriptions of the control and its parts, again.
    void describe(bool lookForLabel);

private:
    template <typename W, typename... Args, std::size_t... I>
    static void emitTyped(W* self, void (W::*signal)(Args...), QVariantList& arguments, std::index_sequence<I...>);
};

template <typename W, typename... Args>
void ZEVControlWidgetPrivate::bindEvent(W* self, void (W::*signal)(Args...))
{
    static_assert(std::is_base_of_v<ZEVControlWidget, W>, "bindEvent takes a signal of the control's widget");
    const QMetaMethod method = QMetaMethod::fromSignal(signal);
    const QString name = QString::fromLatin1(method.name());
    const EventInfo* event = descriptor.event(name);
    if (!event)
        throw std::logic_error("no event " + name.toStdString() + " in " + descriptor.className.toStdString());
    if (event->arguments.size() != qsizetype(sizeof...(Args)))
        throw std::logic_error("signal " + name.toStdString() + " does not take the event's arguments");
    typed.insert(event->id, [self, signal](QVariantList& arguments) {
        emitTyped(self, signal, arguments, std::index_sequence_for<Args...>{});
    });
}

template <typename W, typename... Args, std::size_t... I>
void ZEVControlWidgetPrivate::emitTyped(W* self, void (W::*signal)(Args...), QVariantList& arguments,
                                        std::index_sequence<I...>)
{
    while (arguments.size() < qsizetype(sizeof...(Args)))
        arguments.append(QVariant());
    std::tuple<std::decay_t<Args>...> values{QtEventArg<std::decay_t<Args>>::in(arguments[I])...};
    (self->*signal)(std::get<I>(values)...);
    // Only what a receiver could change goes back.
    auto back = [&](auto index, auto&& value) {
        using Arg = std::tuple_element_t<decltype(index)::value, std::tuple<Args...>>;
        if constexpr (std::is_lvalue_reference_v<Arg> && !std::is_const_v<std::remove_reference_t<Arg>>)
            arguments[decltype(index)::value] = QtEventArg<std::decay_t<Arg>>::out(value);
    };
    (back(std::integral_constant<std::size_t, I>{}, std::get<I>(values)), ...);
    Q_UNUSED(back);
}

} // namespace zev

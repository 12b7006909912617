#pragma once

#include "framework/ClassDescriptor.h"
#include "framework/Control.h"
#include "qt/QtControlHost.h"
#include "qt/QtEventArgs.h"

#include <QHash>
#include <QMetaMethod>
#include <QSizeF>
#include <QWidget>
#include <functional>
#include <memory>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace zev {

// The base of the QWidget of each control. It owns the control and its Qt
// host and runs the container's lifecycle: the control is made and
// initialized on construction, then started new (InitProperties) unless the
// widget is made for loading, in which case readProperties() starts it; it is
// resized with the widget and terminated on destruction.
//
// A control's widget (ZEVNumericWidget...) adds, and needs nothing else:
// - a constructor (QWidget* parent = nullptr, Start start = Start::New) passing
//   ZEVxxx::descriptor() and the design size in twips, then bindEvent for each
//   event signal (unboundEvents() must come back empty);
// - one Q_PROPERTY per public property, named as the property, the main value
//   marked USER; its NOTIFY signal (no arguments, "<Name>Changed") is emitted
//   whenever the control reports PropertyChanged with that name;
// - one signal per event, named as the event, by-reference arguments as
//   references (QString&, bool&, qint16&, qint32& or the enumeration&);
// - the methods (Q_INVOKABLE, same names) and the widget accessors, each
//   forwarding to control().
class ZEVControlWidget : public QWidget {
    Q_OBJECT

public:
    enum class Start { New, Loading };

    ZEVControlWidget(const ClassDescriptor& descriptor, QSizeF designSize, QWidget* parent = nullptr,
                     Start start = Start::New);
    ~ZEVControlWidget() override;

    Control& control() const { return *control_; }
    QtControlHost& host() const { return *host_; }
    const ClassDescriptor& descriptor() const { return descriptor_; }
    QString className() const { return descriptor_.className; }
    // The size the control was designed at, in twips.
    QSizeF designSize() const { return designSize_; }

    // False for a widget made for loading until readProperties or initProperties runs.
    bool isStarted() const { return started_; }
    // Starts a widget made for loading as a new control.
    void initProperties();
    // Loads saved properties (ReadProperties); the first call starts a widget made for loading.
    void readProperties(PropertyBag& bag);
    void writeProperties(PropertyBag& bag);

    // The control's size in twips; the control lays itself out at once, shown
    // or not (a hidden widget sized in pixels does so when it is shown).
    void resizeTwips(float width, float height);
    float widthTwips() const { return host_->ScaleWidth(); }
    float heightTwips() const { return host_->ScaleHeight(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return QSize(0, 0); }

    // Events of the control with no typed signal bound, for a check that a
    // control's widget forgot none.
    QStringList unboundEvents() const;

Q_SIGNALS:
    // Every event of the control, before its typed signal: by-reference
    // arguments come back in the list as the receivers left them.
    void eventRaised(const QString& name, QVariantList& arguments);
    void propertyChanged(const QString& name);
    // A failure in a handler run by Qt's event delivery (a key, a click, a
    // resize), which has no caller to pass it to.
    void errorRaised(int number, const QString& description);

protected:
    // Makes a signal of the derived widget the typed form of the control's
    // event of the same name: its parameters, in order, are the event's
    // arguments, as references where the handler may change them
    // (void Search(QString& PrimaryKey, bool& Success, zev::eSource& Source)).
    template <typename W, typename... Args>
    void bindEvent(void (W::*signal)(Args...));

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void dispatch(int number, QVariantList& arguments);
    void notify(const QString& key);
    void runResize();
    void started();
    template <typename W, typename... Args, std::size_t... I>
    static void emitTyped(W* self, void (W::*signal)(Args...), QVariantList& arguments, std::index_sequence<I...>);

    const ClassDescriptor& descriptor_;
    QSizeF designSize_;
    std::unique_ptr<QtControlHost> host_;
    std::unique_ptr<Control> control_;
    QHash<int, std::function<void(QVariantList&)>> typed_;
    bool started_ = false;
    bool initialized_ = false;
    QSizeF resizedAt_; // the size in twips the control last laid itself out for
    double dpiAtResize_ = 0;
};

template <typename W, typename... Args>
void ZEVControlWidget::bindEvent(void (W::*signal)(Args...))
{
    static_assert(std::is_base_of_v<ZEVControlWidget, W>, "bindEvent takes a signal of the control's widget");
    const QMetaMethod method = QMetaMethod::fromSignal(signal);
    const QString name = QString::fromLatin1(method.name());
    const EventInfo* event = descriptor_.event(name);
    if (!event)
        throw std::logic_error("no event " + name.toStdString() + " in " + descriptor_.className.toStdString());
    if (event->arguments.size() != qsizetype(sizeof...(Args)))
        throw std::logic_error("signal " + name.toStdString() + " does not take the event's arguments");
    W* self = static_cast<W*>(this);
    typed_.insert(event->id, [self, signal](QVariantList& arguments) {
        emitTyped(self, signal, arguments, std::index_sequence_for<Args...>{});
    });
}

template <typename W, typename... Args, std::size_t... I>
void ZEVControlWidget::emitTyped(W* self, void (W::*signal)(Args...), QVariantList& arguments,
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

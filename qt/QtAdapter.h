#pragma once

#include "framework/ControlError.h"
#include "framework/OleColor.h"
#include "framework/Widget.h"
#include "framework/WidgetDesign.h"
#include "qt/QtPart.h"

#include <QObject>
#include <QPointer>
#include <QVarLengthArray>
#include <QWidget>
#include <functional>

namespace zev {

class QtControlHost;

// What every Qt adapter shares, whatever its widget-contract interface: the
// QWidget it drives, its geometry in twips, the focus events and the guard at
// the border between Qt's event delivery and the library's handlers.
class QtAdapter {
public:
    QtAdapter(Widget& self, QWidget* widget, QtPartHook& hook, QtControlHost* host);
    virtual ~QtAdapter();
    QtAdapter(const QtAdapter&) = delete;
    QtAdapter& operator=(const QtAdapter&) = delete;

    // The real widget; null once Qt destroyed it with its parent.
    QWidget* qwidget() const { return widget_; }
    Widget& contractWidget() const { return self_; }
    QtControlHost* controlHost() const { return host_; }

    // Places the widget again from its twips (the screen's DPI may have changed).
    void applyGeometry();
    // Cuts the adapter off from Qt's events, before the control behind its
    // handlers goes away: nothing is raised any more.
    void detach();
    // Paints the colours again (the application palette changed).
    virtual void applyColors() {}
    // While held (a new control takes its first properties, before anything
    // outside can watch its parts), a widget keeps its writes and gives the
    // Qt widget only the last of them when released. An adapter made while
    // its host holds starts held.
    void holdWrites(bool hold);

    // The adapter of a widget-contract object, or nullptr for another layer's widget.
    static QtAdapter* of(Widget* widget) { return dynamic_cast<QtAdapter*>(widget); }

protected:
    // Runs a handler of the library on behalf of a Qt event. An error must not
    // pass into Qt's event delivery: it is reported through the host.
    void guarded(const std::function<void()>& handler) const;
    void reportError(int number, const QString& description) const;

    // Extra event handling of a kind of widget; true consumes the event.
    virtual bool filterEvent(QObject* watched, QEvent* event);
    // Watch another object (an inner widget) with the same handling.
    void watch(QObject* object);
    // Connects a signal of a part to a handler of the adapter: the connection
    // ends when the adapter is detached or the part goes.
    template <typename Sender, typename Signal, typename Handler>
    void connectPart(Sender* sender, Signal signal, Handler handler)
    {
        connections_.append(QObject::connect(sender, signal, widget_.data(), std::move(handler)));
    }

    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;

    // Shows or hides the widget as visible_ says; while held, when released.
    void applyVisible();
    static void checkSize(float twips);
    static void checkPosition(float twips);
    void setFocusToWidget();
    // Writes the colours of applyColors: the PaletteChange that comes back
    // from this write does not paint them again.
    void writePalette(QWidget& widget, const QPalette& palette);
    // Paints the colours now, or once when the writes are released.
    void recolor();
    bool holdingWrites() const { return holding_; }
    // The writes kept while held go to the Qt widget.
    virtual void releaseWrites() {}

private:
    class Relay;
    friend class QtPartHook;
    bool handleEvent(QObject* watched, QEvent* event);

    Widget& self_;
    QPointer<QWidget> widget_;
    QtPartHook& hook_;
    QtControlHost* host_;
    Relay* relay_ = nullptr; // made for the first inner object watched
    QVarLengthArray<QMetaObject::Connection, 1> connections_;
    bool detached_ = false;
    bool recoloring_ = false;
    bool holding_ = false;
    bool recolorPending_ = false;
    bool visibilityPending_ = false;
};

// The widget of this library that the user works in, across all hosts:
// GotFocus and LostFocus follow it rather than Qt's window activation, so a
// message box or a drop-down list does not take the focus from a widget.
namespace QtFocus {
Widget* current();
// The widget got the keyboard focus: the previous one loses it first.
void focusIn(Widget& widget);
// The widget gave the focus to something outside the library's widgets.
void focusOut(Widget& widget);
// The widget is going away: forget it without events.
void forget(Widget& widget);
} // namespace QtFocus

// The common members of the widget contract over a QtAdapter.
template <typename Interface, typename QW>
class QtWidgetBase : public Interface, public QtAdapter {
public:
    // The part is a QtPart of QW (or of a subclass of it).
    template <typename Part>
    QtWidgetBase(const QString& name, Part* widget, QtControlHost* host)
        : QtAdapter(static_cast<Widget&>(*this), static_cast<QW*>(widget), *widget, host), name_(name)
    {
        widget->setObjectName(name);
    }

    // The real widget, of its own type; fails with 424 once Qt destroyed it.
    QW* widget() const
    {
        auto* w = static_cast<QW*>(qwidget());
        if (!w)
            throw ControlError(ErrObjectRequired, QStringLiteral("the widget %1 no longer exists").arg(name_));
        return w;
    }

    QString Name() const override { return name_; }
    float Left() const override { return left_; }
    void setLeft(float twips) override
    {
        checkPosition(twips);
        left_ = twips;
        applyGeometry();
    }
    float Top() const override { return top_; }
    void setTop(float twips) override
    {
        checkPosition(twips);
        top_ = twips;
        applyGeometry();
    }
    float Width() const override { return width_; }
    void setWidth(float twips) override
    {
        checkSize(twips);
        width_ = twips;
        applyGeometry();
    }
    float Height() const override { return height_; }
    void setHeight(float twips) override
    {
        checkSize(twips);
        height_ = twips;
        applyGeometry();
    }
    bool Visible() const override { return visible_; }
    void setVisible(bool visible) override
    {
        visible_ = visible;
        applyVisible();
    }
    bool Enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override
    {
        enabled_ = enabled;
        if (QWidget* w = qwidget())
            w->setEnabled(enabled);
    }
    void SetFocus() override { setFocusToWidget(); }

    // Geometry from a design, before the widget is shown.
    void place(float left, float top, float width, float height)
    {
        checkPosition(left);
        checkPosition(top);
        checkSize(width);
        checkSize(height);
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
        applyGeometry();
    }

private:
    QString name_;
};

} // namespace zev

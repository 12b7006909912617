#pragma once

#include "framework/ControlError.h"
#include "framework/Enumerations.h"
#include "qt/ZEVQtExport.h"

#include <QStringList>
#include <QVariantList>
#include <QWidget>
#include <functional>
#include <memory>

namespace zev {

struct ClassDescriptor;
class Control;
class PropertyBag;
class ZEVControlWidgetPrivate;

/**
 * The base of the QWidget of each control (ZEVNumericWidget...).
 *
 * A control widget is a working control from its constructor, as a newly
 * placed control is: every property write takes effect at once, with the
 * control's events.
 *
 * The documented `Enabled` and `Font` are QWidget's own `enabled` and `font`: a
 * call through a QWidget* reaches the control. The widget takes the focus
 * (Qt::StrongFocus) and hands it to its first part, so a QLabel buddy and its
 * mnemonic work. Its size hint is the design size at the screen's DPI, grown
 * where the font in use needs more room, and its height is fixed; the numeric
 * field's hint is as tall as a QLineEdit, the date range's ends with its parts.
 *
 * Forms from Qt Designer load like saved forms: each widget declares its
 * properties in the order the control reads its saved properties, which is
 * the order Designer writes them and uic and QUiLoader apply them.
 *
 * A .ui colour is a fixed colour. A system colour (0x800000nn, which follows
 * the desktop theme) travels as a dynamic property named "ole" + the colour
 * property, holding the 32-bit value: `setProperty("oleBackColor", 0x8000000F)`
 * applies it as a saved form's `BackColor` would be loaded (forms brought
 * across by zev-migrate carry them).
 *
 * Failures: see setReportsFailures(); each widget's class documentation lists
 * its error numbers.
 */
class ZEV_QT_EXPORT ZEVControlWidget : public QWidget {
    Q_OBJECT

public:
    /// The two looks of the parts (the `Appearance` property of every control; default #Flat).
    enum AppearanceStyle : qint32 {
        Flat = 0,   ///< Flat boxes and buttons.
        ThreeD = 1, ///< Sunken boxes and raised buttons.
    };
    Q_ENUM(AppearanceStyle)

    /// Ends the control (its Terminate) and destroys the widget.
    ~ZEVControlWidget() override;

    /// The control behind the widget, with the documented names and types.
    Control& control() const;
    /// The control's class name ("ZEVNumeric", "ZEVCodeDescription"...).
    QString className() const;

    /// Loads saved properties over the control (its ReadProperties).
    /// Failures (a stored value of the wrong type: 13; out of range: 6 or 380)
    /// pass on as ControlError whatever reportsFailures() says.
    void readProperties(PropertyBag& bag);
    /// Saves the control's properties into @p bag (its WriteProperties); a
    /// value equal to its default is not stored.
    void writeProperties(PropertyBag& bag);

    /// Chooses how failures of property writes and methods reach the caller.
    /// By default (false) they throw ControlError, the library's rule for
    /// callers in code. When set, they are reported through errorRaised()
    /// (number and description) and the call returns normally, as Designer's
    /// property sheet and the form loaders need (Qt's meta-calls cannot pass an
    /// exception on). Reads never throw. Failures in handlers that Qt's event
    /// delivery runs (a key, a click, a resize) always go to errorRaised(), or
    /// to qWarning when nothing is connected to it.
    void setReportsFailures(bool reports);
    /// Whether failures go to errorRaised() instead of throwing; default false.
    bool reportsFailures() const;

    /// Sets the control's size in twips; it lays itself out at once, shown or
    /// not. A negative or non-finite size throws ControlError 380, whatever
    /// reportsFailures() says.
    void resizeTwips(float width, float height);
    /// The control's width in twips.
    float widthTwips() const;
    /// The control's height in twips.
    float heightTwips() const;

    /// The design size at the screen's DPI, grown where the font in use needs more room.
    QSize sizeHint() const override;
    /// The size hint less the width that the stretching parts (a description, a list) can give up.
    QSize minimumSizeHint() const override;

    /// Events of the control with no typed signal, for a check that a
    /// control's widget forgot none (empty for the five widgets).
    QStringList unboundEvents() const;

Q_SIGNALS:
    /// Every event of the control, before its typed signal: by-reference
    /// arguments come back in @p arguments as the receivers left them.
    void eventRaised(const QString& name, QVariantList& arguments);
    /// The control reported a change of the property @p name: a write through its setter, by the program,
    /// a saved form or the control itself. The property's own `...Changed` signal, where it has one, follows.
    void propertyChanged(const QString& name);
    /// A failure in a handler run by Qt's event delivery (a key, a click, a
    /// resize), or of a write or method while reportsFailures() is set.
    void errorRaised(int number, const QString& description);

protected:
    /// Made by a control's widget with its class: the control is created,
    /// @p prepare runs on it (a date range's clock), then Initialize and
    /// InitProperties, as for a newly placed control.
    ZEVControlWidget(const ClassDescriptor& descriptor, QWidget* parent,
                     const std::function<void(Control&)>& prepare = {});
    /// The widget's private part.
    ZEVControlWidgetPrivate& d() const { return *d_; }

    /// Applies a dynamic "ole..." colour property (see the class documentation).
    bool event(QEvent* event) override;
    /// Passes QWidget's enabled state and font on to the control, and follows palette and style changes.
    void changeEvent(QEvent* event) override;
    /// Runs the control's Resize when its size in twips changed.
    void resizeEvent(QResizeEvent* event) override;
    /// Names the parts for screen readers from the form's labels and lays the control out again on a new screen.
    void showEvent(QShowEvent* event) override;

private:
    friend class ZEVControlWidgetPrivate;
    std::unique_ptr<ZEVControlWidgetPrivate> d_;
};

} // namespace zev

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

// The base of the QWidget of each control (ZEVNumericWidget...). A control
// widget is a working control from its constructor, as a newly placed control
// is: every property write takes effect at once, with the control's events.
//
// The documented Enabled and Font are QWidget's own `enabled` and `font`: a
// call through a QWidget* reaches the control. The widget takes the focus
// (StrongFocus) and hands it to its first part, so a QLabel buddy and its
// mnemonic work. Its size hint is the design size at the screen's DPI, grown
// where the font in use needs more room, and its height is fixed; the numeric
// field's hint is as tall as a QLineEdit, the date range's ends with its parts.
//
// Forms from Qt Designer load like saved forms: each widget declares its
// properties in the order the control reads its saved properties, which is
// the order Designer writes them and uic and QUiLoader apply them.
//
// A .ui colour is a fixed colour. A system colour (0x800000nn, which follows
// the desktop theme) travels as a dynamic property named "ole" + the colour
// property, holding the 32-bit value: setProperty("oleBackColor", 0x8000000F)
// applies it as a saved form's BackColor would be loaded (forms brought
// across by zev-migrate carry them).
class ZEV_QT_EXPORT ZEVControlWidget : public QWidget {
    Q_OBJECT

public:
    // The two looks of the parts (the Appearance property of every control).
    enum AppearanceStyle : qint32 {
        Flat = 0,
        ThreeD = 1,
    };
    Q_ENUM(AppearanceStyle)

    ~ZEVControlWidget() override;

    // The control behind the widget, with the documented names and types.
    Control& control() const;
    QString className() const;

    // Loads saved properties over the control (ReadProperties); failures
    // (a stored value of the wrong type: 13; out of range: 6 or 380) pass on
    // as ControlError whatever reportsFailures says.
    void readProperties(PropertyBag& bag);
    void writeProperties(PropertyBag& bag);

    // Failures of property writes and methods throw ControlError (the
    // library's rule for callers in code; each widget's header lists its
    // error numbers) unless this is set: then they are reported through
    // errorRaised (number and description) and the call returns normally,
    // as Designer's property sheet and the form loaders need (Qt's
    // meta-calls cannot pass an exception on). Reads never throw. Failures in
    // handlers that Qt's event delivery runs (a key, a click, a resize) always
    // go to errorRaised, or to qWarning when nothing is connected to it.
    void setReportsFailures(bool reports);
    bool reportsFailures() const;

    // The control's size in twips; it lays itself out at once, shown or not.
    // A negative or non-finite size throws ControlError 380, whatever
    // reportsFailures says.
    void resizeTwips(float width, float height);
    float widthTwips() const;
    float heightTwips() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Events of the control with no typed signal, for a check that a
    // control's widget forgot none.
    QStringList unboundEvents() const;

Q_SIGNALS:
    // Every event of the control, before its typed signal: by-reference
    // arguments come back in the list as the receivers left them.
    void eventRaised(const QString& name, QVariantList& arguments);
    void propertyChanged(const QString& name);
    // A failure in a handler run by Qt's event delivery (a key, a click, a
    // resize), or of a write while reportsFailures.
    void errorRaised(int number, const QString& description);

protected:
    // Made by a control's widget with its class; prepare runs on the control
    // before Initialize (a date range's clock).
    ZEVControlWidget(const ClassDescriptor& descriptor, QWidget* parent,
                     const std::function<void(Control&)>& prepare = {});
    ZEVControlWidgetPrivate& d() const { return *d_; }

    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class ZEVControlWidgetPrivate;
    std::unique_ptr<ZEVControlWidgetPrivate> d_;
};

} // namespace zev

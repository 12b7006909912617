#pragma once

#include "framework/ControlHost.h"
#include "testkit/TestComboBox.h"
#include "testkit/TestDateTimePicker.h"
#include "testkit/TestFlatEdit.h"
#include "testkit/TestLabel.h"
#include "testkit/TestPushButton.h"
#include "testkit/TestSSPanel.h"

#include <QMap>
#include <QStringList>
#include <functional>
#include <optional>
#include <memory>
#include <vector>

namespace zev {

// One raised event: what went in, and what the handler left in the by-reference slots.
struct RaisedEvent {
    int number;
    QString name;
    QVariantList arguments;
    QVariantList result;
};

struct ShownMessage {
    QString prompt;
    int buttons;
    QString title;
};

struct ShownForm {
    QString name;
    QString caption;
    QMap<QString, QString> captions; // label captions when shown
};

// An in-memory container for one control: records everything the control asks
// of it, runs handlers a test installs, and acts as a user would.
class TestHost : public ControlHost {
public:
    explicit TestHost(QString controlName = QStringLiteral("Control1"));
    ~TestHost() override;

    // ControlHost
    Widget& CreateWidget(const WidgetDesign& design) override;
    void PropertyChanged(const QString& key) override;
    void RaiseEvent(int number, QVariantList& arguments) override;
    using ControlHost::RaiseEvent;
    OleColor BackColor() const override { return backColor_; }
    void setBackColor(OleColor color) override { backColor_ = color; }
    // The control's design size until a test sets another.
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    Widget* ActiveControl() const override { return focused_; }
    QString ControlName() const override { return controlName_; }
    void MsgBox(const QString& prompt, int buttons, const QString& title) override;
    zev::LibraryVersion LibraryVersion() const override;
    void DoEvents() override;
    std::unique_ptr<Form> CreateForm(const FormDesign& design) override;
    void ShowModal(Form& form) override;

    // Handlers. `on` answers one event by name; onAnyEvent sees every event first.
    using EventHandler = std::function<void(QVariantList& arguments)>;
    void on(const QString& eventName, EventHandler handler) { handlers_[eventName] = std::move(handler); }
    std::function<void(int number, QVariantList& arguments)> onAnyEvent;
    std::function<void()> onDoEvents;
    std::function<void(const ShownMessage&)> onMsgBox;
    // A chain of nested events deeper than this is a loop: RaiseEvent throws std::logic_error.
    int maxEventDepth = 256;

    // What happened, in order.
    std::vector<RaisedEvent> events;
    QStringList propertyChanges;
    std::vector<ShownMessage> messages;
    std::vector<ShownForm> shownForms;
    int doEventsCalls = 0;
    // Every event ("Load"), notification ("changed:Code"), message ("msgbox") and DoEvents ("doevents") in order.
    QStringList journal;
    QStringList eventNames() const;
    void clearLog();

    // Size of the control; resize() also runs the control's Resize.
    void setScaleSize(float width, float height);
    void resize(float width, float height);

    // The control's widgets, by name.
    Widget* widget(const QString& name) const;
    const std::vector<std::unique_ptr<Widget>>& widgets() const { return widgets_; }
    template <typename W>
    W& widgetAs(const QString& name) const
    {
        auto* w = dynamic_cast<W*>(widget(name));
        if (!w)
            throw ControlError(ErrInvalidProcedureCall, QStringLiteral("no such widget: %1").arg(name));
        return *w;
    }
    TestFlatEdit& edit(const QString& name) const { return widgetAs<TestFlatEdit>(name); }
    TestPushButton& button(const QString& name) const { return widgetAs<TestPushButton>(name); }
    TestComboBox& combo(const QString& name) const { return widgetAs<TestComboBox>(name); }
    TestDateTimePicker& picker(const QString& name) const { return widgetAs<TestDateTimePicker>(name); }
    TestSSPanel& panel(const QString& name) const { return widgetAs<TestSSPanel>(name); }
    TestLabel& label(const QString& name) const { return widgetAs<TestLabel>(name); }

    // Acting as a user. Each gives the widget the focus first, as a user must,
    // and returns false (doing nothing) when the widget is hidden or disabled.
    bool focus(Widget& widget);
    // The focus leaves the control for another control of the form.
    void focusElsewhere();
    // Tab to the next widget that takes the focus; after the last, the focus leaves the control.
    void tab();
    bool type(Widget& edit, const QString& text);
    bool pressKey(Widget& widget, qint16 keyCode, qint16 shift = 0);
    // A click moves the focus to the button unless its design says otherwise.
    bool click(Widget& button);
    bool select(Widget& combo, qint32 index);
    bool editDate(Widget& picker, const QDateTime& value);

    // Used by the widgets.
    void moveFocus(Widget* target);
    void widgetNoLongerFocusable(Widget* widget);

private:
    bool canFocus(Widget& widget) const;

    QString controlName_;
    OleColor backColor_ = Colors::ButtonFace;
    std::optional<float> scaleWidth_;
    std::optional<float> scaleHeight_;
    Widget* focused_ = nullptr;
    int eventDepth_ = 0;
    std::vector<std::unique_ptr<Widget>> widgets_;
    QMap<QString, EventHandler> handlers_;
};

} // namespace zev

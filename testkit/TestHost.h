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

/// One raised event: what went in, and what the handler left in the by-reference slots.
struct RaisedEvent {
    int number; ///< The event's number.
    QString name; ///< The event's name ("Search").
    QVariantList arguments; ///< The arguments as the control raised them.
    QVariantList result; ///< The arguments as the handlers left them.
};

/// A message box the control showed.
struct ShownMessage {
    QString prompt; ///< Its text.
    int buttons; ///< 48 (warning) or 64 (information).
    QString title; ///< Its title (the control's name).
};

/// A form the control showed (the about form).
struct ShownForm {
    QString name; ///< The form's name ("frmAbout").
    QString caption; ///< Its window title.
    QMap<QString, QString> captions; ///< Label captions when shown.
};

/// An in-memory container for one control: records everything the control asks of it, runs handlers a test
/// installs, and acts as a user would. No display and no Qt Widgets are needed.
///
/// Make the host, then the control over it, then run the lifecycle as a container does (Initialize, then
/// InitProperties or ReadProperties). A message box or a modal form is recorded and returns at once.
class TestHost : public ControlHost {
public:
    /// A host for a control named @p controlName on its form (the title of its messages).
    explicit TestHost(QString controlName = QStringLiteral("Control1"));
    /// Destroys the host and the widgets it made.
    ~TestHost() override;

    // ControlHost
    Widget& CreateWidget(const WidgetDesign& design) override;
    void PropertyChanged(const QString& key) override;
    /// Records the event, runs onAnyEvent and then the handler set with on() for its name, and records the
    /// arguments they left. A chain of nested events deeper than maxEventDepth throws std::logic_error.
    void RaiseEvent(int number, QVariantList& arguments) override;
    using ControlHost::RaiseEvent;
    OleColor BackColor() const override { return backColor_; }
    void setBackColor(OleColor color) override { backColor_ = color; }
    /// The control's design size until a test sets another (setScaleSize(), resize()); this is the width.
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    Widget* ActiveControl() const override { return focused_; }
    QString ControlName() const override { return controlName_; }
    /// Records the message in #messages and the journal, runs onMsgBox, and returns.
    void MsgBox(const QString& prompt, int buttons, const QString& title) override;
    zev::LibraryVersion LibraryVersion() const override;
    /// Counts the call, records it in the journal and runs onDoEvents.
    void DoEvents() override;
    std::unique_ptr<Form> CreateForm(const FormDesign& design) override;
    /// Records the form, with its labels' captions, in #shownForms and returns at once.
    void ShowModal(Form& form) override;

    /// A handler of one event: it may change the by-reference arguments.
    using EventHandler = std::function<void(QVariantList& arguments)>;
    /// Answers the event @p eventName ("Search") with @p handler, replacing any before.
    void on(const QString& eventName, EventHandler handler) { handlers_[eventName] = std::move(handler); }
    /// Sees every event first, before the handler set with on().
    std::function<void(int number, QVariantList& arguments)> onAnyEvent;
    /// Runs at each DoEvents.
    std::function<void()> onDoEvents;
    /// Runs at each message box, after it is recorded.
    std::function<void(const ShownMessage&)> onMsgBox;
    /// A chain of nested events deeper than this is a loop: RaiseEvent throws std::logic_error.
    int maxEventDepth = 256;

    /// Every event raised, in order.
    std::vector<RaisedEvent> events;
    /// Every property notification (the property's name), in order.
    QStringList propertyChanges;
    /// Every message box shown, in order.
    std::vector<ShownMessage> messages;
    /// Every form shown, in order.
    std::vector<ShownForm> shownForms;
    /// How many times DoEvents ran.
    int doEventsCalls = 0;
    /// Every event ("Load"), notification ("changed:Code"), message ("msgbox"), form ("form:frmAbout") and
    /// DoEvents ("doevents") in order.
    QStringList journal;
    /// The names of the events raised, in order.
    QStringList eventNames() const;
    /// Forgets everything recorded (events, notifications, messages, forms, DoEvents, the journal).
    void clearLog();

    /// Sets the control's inner size in twips, without a Resize.
    void setScaleSize(float width, float height);
    /// Sets the control's inner size in twips and runs the control's Resize.
    void resize(float width, float height);

    /// The control's widget of this name ("txtCode"), or nullptr.
    Widget* widget(const QString& name) const;
    /// The control's widgets, in tab order.
    const std::vector<std::unique_ptr<Widget>>& widgets() const { return widgets_; }
    /// The widget of this name as a @p W; none of that kind fails with 5.
    template <typename W>
    W& widgetAs(const QString& name) const
    {
        auto* w = dynamic_cast<W*>(widget(name));
        if (!w)
            throw ControlError(ErrInvalidProcedureCall, QStringLiteral("no such widget: %1").arg(name));
        return *w;
    }
    /// The edit box of this name.
    TestFlatEdit& edit(const QString& name) const { return widgetAs<TestFlatEdit>(name); }
    /// The button of this name.
    TestPushButton& button(const QString& name) const { return widgetAs<TestPushButton>(name); }
    /// The list of this name.
    TestComboBox& combo(const QString& name) const { return widgetAs<TestComboBox>(name); }
    /// The date picker of this name.
    TestDateTimePicker& picker(const QString& name) const { return widgetAs<TestDateTimePicker>(name); }
    /// The panel of this name.
    TestSSPanel& panel(const QString& name) const { return widgetAs<TestSSPanel>(name); }
    /// The label of this name.
    TestLabel& label(const QString& name) const { return widgetAs<TestLabel>(name); }

    /// Acting as a user. Each of these gives the widget the focus first, as a user must, and returns false
    /// (doing nothing) when the widget is hidden or disabled.
    ///
    /// This one moves the focus to @p widget (LostFocus of the one that had it, then GotFocus).
    bool focus(Widget& widget);
    /// The focus leaves the control for another control of the form.
    void focusElsewhere();
    /// Tab to the next widget that takes the focus; after the last, the focus leaves the control.
    void tab();
    /// Types @p text into an edit box, character by character (KeyDown, KeyPress, the edit, KeyUp each);
    /// stops when a handler moves the focus away.
    bool type(Widget& edit, const QString& text);
    /// Presses a key (zev::KeyCodes) in a widget, with the zev::ShiftBits in @p shift: Tab moves on as tab();
    /// an edit box gets the key's events (TestFlatEdit::userPressKey()); Space or Enter on a button clicks it.
    bool pressKey(Widget& widget, qint16 keyCode, qint16 shift = 0);
    /// Clicks a button. A click moves the focus to the button unless its design says otherwise.
    bool click(Widget& button);
    /// Selects item @p index of a list as the user does (Click).
    bool select(Widget& combo, qint32 index);
    /// Sets a picker's date as the user does (Change).
    bool editDate(Widget& picker, const QDateTime& value);

    /// Used by the widgets: the focus moves to @p target (nullptr: out of the control).
    void moveFocus(Widget* target);
    /// Used by the widgets: @p widget was hidden or disabled and lets the focus go.
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

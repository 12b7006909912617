#include "testkit/TestHost.h"

#include "framework/Control.h"
#include "framework/KeyCodes.h"
#include "library/LibraryIdentity.h"
#include "testkit/TestForm.h"

#include <stdexcept>

namespace zev {

void testHostMoveFocus(TestHost* host, Widget* widget) { host->moveFocus(widget); }
void testHostNoLongerFocusable(TestHost* host, Widget* widget) { host->widgetNoLongerFocusable(widget); }

TestHost::TestHost(QString controlName) : controlName_(std::move(controlName)) {}

TestHost::~TestHost() = default;

Widget& TestHost::CreateWidget(const WidgetDesign& design)
{
    widgets_.push_back(makeTestWidget(design, this));
    return *widgets_.back();
}

void TestHost::PropertyChanged(const QString& key)
{
    propertyChanges << key;
    journal << QStringLiteral("changed:") + key;
}

void TestHost::RaiseEvent(int number, QVariantList& arguments)
{
    QString name = QStringLiteral("Event%1").arg(number);
    if (control())
        if (const EventInfo* e = control()->Descriptor().event(number))
            name = e->name;
    if (eventDepth_ >= maxEventDepth)
        throw std::logic_error("event chain without end: " + name.toStdString());

    const size_t slot = events.size();
    events.push_back({number, name, arguments, {}});
    journal << name;
    ++eventDepth_;
    struct DepthGuard {
        int& depth;
        ~DepthGuard() { --depth; }
    } guard{eventDepth_};
    if (onAnyEvent)
        onAnyEvent(number, arguments);
    const auto handler = handlers_.constFind(name);
    if (handler != handlers_.constEnd())
        handler.value()(arguments);
    events[slot].result = arguments;
}

void TestHost::MsgBox(const QString& prompt, int buttons, const QString& title)
{
    messages.push_back({prompt, buttons, title});
    journal << QStringLiteral("msgbox");
    if (onMsgBox)
        onMsgBox(messages.back());
}

LibraryVersion TestHost::LibraryVersion() const { return LibraryIdentity::Version; }

void TestHost::DoEvents()
{
    ++doEventsCalls;
    journal << QStringLiteral("doevents");
    if (onDoEvents)
        onDoEvents();
}

std::unique_ptr<Form> TestHost::CreateForm(const FormDesign& design) { return std::make_unique<TestForm>(design); }

void TestHost::ShowModal(Form& form)
{
    ShownForm shown{form.Name(), form.Caption(), {}};
    if (auto* f = dynamic_cast<TestForm*>(&form))
        for (const auto& w : f->widgets())
            if (auto* label = dynamic_cast<Label*>(w.get()))
                shown.captions.insert(label->Name(), label->Caption());
    shownForms.push_back(shown);
    journal << QStringLiteral("form:") + form.Name();
}

QStringList TestHost::eventNames() const
{
    QStringList names;
    for (const auto& e : events)
        names << e.name;
    return names;
}

void TestHost::clearLog()
{
    events.clear();
    propertyChanges.clear();
    messages.clear();
    shownForms.clear();
    doEventsCalls = 0;
    journal.clear();
}

float TestHost::ScaleWidth() const
{
    if (scaleWidth_)
        return *scaleWidth_;
    return control() ? control()->Descriptor().designWidth : 0;
}

float TestHost::ScaleHeight() const
{
    if (scaleHeight_)
        return *scaleHeight_;
    return control() ? control()->Descriptor().designHeight : 0;
}

void TestHost::setScaleSize(float width, float height)
{
    scaleWidth_ = width;
    scaleHeight_ = height;
}

void TestHost::resize(float width, float height)
{
    setScaleSize(width, height);
    if (control())
        control()->Resize();
}

Widget* TestHost::widget(const QString& name) const
{
    for (const auto& w : widgets_)
        if (w->Name() == name)
            return w.get();
    return nullptr;
}

bool TestHost::canFocus(Widget& widget) const
{
    return widget.Visible() && widget.Enabled() && widget.Kind() != WidgetKind::SSPanel
        && widget.Kind() != WidgetKind::Label;
}

void TestHost::moveFocus(Widget* target)
{
    if (target == focused_)
        return;
    Widget* previous = focused_;
    // The new widget is the active one while the old one handles LostFocus.
    focused_ = target;
    if (previous)
        previous->raiseLostFocus();
    if (target && focused_ == target)
        target->raiseGotFocus();
}

void TestHost::widgetNoLongerFocusable(Widget* widget)
{
    if (focused_ == widget)
        moveFocus(nullptr);
}

bool TestHost::focus(Widget& widget)
{
    if (!canFocus(widget))
        return false;
    moveFocus(&widget);
    return focused_ == &widget;
}

void TestHost::focusElsewhere() { moveFocus(nullptr); }

void TestHost::tab()
{
    size_t start = 0;
    if (focused_) {
        for (size_t i = 0; i < widgets_.size(); ++i)
            if (widgets_[i].get() == focused_)
                start = i + 1;
    }
    for (size_t i = start; i < widgets_.size(); ++i)
        if (canFocus(*widgets_[i])) {
            moveFocus(widgets_[i].get());
            return;
        }
    moveFocus(nullptr);
}

bool TestHost::type(Widget& widget, const QString& text)
{
    auto* edit = dynamic_cast<TestFlatEdit*>(&widget);
    if (!edit || !focus(widget))
        return false;
    for (QChar c : text) {
        if (focused_ != edit) // a handler moved the focus away: the rest goes nowhere
            return false;
        edit->userTypeChar(c);
    }
    return true;
}

bool TestHost::pressKey(Widget& widget, qint16 keyCode, qint16 shift)
{
    if (!focus(widget))
        return false;
    if (keyCode == KeyCodes::Tab) {
        tab();
        return true;
    }
    if (auto* edit = dynamic_cast<TestFlatEdit*>(&widget)) {
        edit->userPressKey(keyCode, shift);
        return true;
    }
    if (auto* button = dynamic_cast<TestPushButton*>(&widget)) {
        if (keyCode == KeyCodes::Space || keyCode == KeyCodes::Return)
            button->raiseClick();
        return true;
    }
    return true;
}

bool TestHost::click(Widget& widget)
{
    auto* button = dynamic_cast<TestPushButton*>(&widget);
    if (!button || !canFocus(widget))
        return false;
    if (button->focusOnClick() && !focus(widget))
        return false;
    button->raiseClick();
    return true;
}

bool TestHost::select(Widget& widget, qint32 index)
{
    auto* combo = dynamic_cast<TestComboBox*>(&widget);
    if (!combo || !focus(widget))
        return false;
    combo->userSelect(index);
    return true;
}

bool TestHost::editDate(Widget& widget, const QDateTime& value)
{
    auto* picker = dynamic_cast<TestDateTimePicker*>(&widget);
    if (!picker || !focus(widget))
        return false;
    picker->userSetValue(value);
    return true;
}

} // namespace zev

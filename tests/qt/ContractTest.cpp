// One table of widget-contract scenarios, run over the test kit's in-memory
// widgets and over the Qt adapters with real input: both must give the same
// event log and the same widget state, and that log must be the expected one.

#include "QtTestSupport.h"
#include "framework/KeyCodes.h"
#include "qt/QtAdapter.h"
#include "qt/QtControlHost.h"
#include "testkit/TestHost.h"

#include <QDateTimeEdit>
#include <QLineEdit>
#include <memory>

using namespace zev;
using namespace zev::testing;

namespace {

struct Key {
    Qt::Key qt;
    qint16 code;
};
const Key Backspace{Qt::Key_Backspace, KeyCodes::Back};
const Key Delete{Qt::Key_Delete, KeyCodes::Delete};
const Key Enter{Qt::Key_Return, KeyCodes::Return};
const Key F3{Qt::Key_F3, KeyCodes::F3};
const Key Home{Qt::Key_Home, KeyCodes::Home};

// The widgets of one form, wired to one log, over either layer.
class Rig {
public:
    virtual ~Rig() = default;
    virtual const char* layer() const = 0;
    virtual ControlHost& host() = 0;

    // User actions; each first gives the widget the focus, as a user must.
    virtual void type(Widget& w, const QString& text) = 0;
    virtual void press(Widget& w, Key key) = 0;
    virtual void tab() = 0;
    virtual void click(Widget& button) = 0;
    virtual void selectNext(Widget& combo) = 0;
    virtual void stepDateUp(Widget& picker) = 0;

    FlatEdit* txtA = nullptr;
    FlatEdit* txtB = nullptr;
    PushButton* cmdGo = nullptr;
    PushButton* cmdKeep = nullptr; // leaves the focus where it is on a click
    ComboBox* cbo = nullptr;
    DateTimePicker* dtp = nullptr;
    QStringList log;
    std::function<void(qint16& code, qint16& shift)> keyDownRule;
    std::function<void(qint16& ascii)> keyPressRule;

    QString state() const
    {
        const QDateTime d = dtp->Value();
        return QStringLiteral("txtA=%1@%2+%3 txtB=%4 cbo=%5:%6 dtp=%7")
            .arg(txtA->Text())
            .arg(txtA->SelStart())
            .arg(txtA->SelLength())
            .arg(txtB->Text())
            .arg(cbo->ListIndex())
            .arg(cbo->Text(), d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : QStringLiteral("null"));
    }

protected:
    void build()
    {
        txtA = &createWidget<FlatEdit>(host(), design("txtA", WidgetKind::FlatEdit, 0, 0));
        txtB = &createWidget<FlatEdit>(host(), design("txtB", WidgetKind::FlatEdit, 0, 330));
        cmdGo = &createWidget<PushButton>(host(), design("cmdGo", WidgetKind::PushButton, 0, 660));
        cbo = &createWidget<ComboBox>(host(), design("cbo", WidgetKind::ComboBox, 0, 990));
        dtp = &createWidget<DateTimePicker>(host(), design("dtp", WidgetKind::DateTimePicker, 0, 1320));
        WidgetDesign keep = design("cmdKeep", WidgetKind::PushButton, 0, 1650);
        keep.focusOnClick = false;
        cmdKeep = &createWidget<PushButton>(host(), keep);
        for (Widget* w : std::initializer_list<Widget*>{txtA, txtB, cmdGo, cbo, dtp, cmdKeep}) {
            const QString name = w->Name();
            w->onGotFocus = [this, name] { log << "+" + name + "(" + activeName() + ")"; };
            w->onLostFocus = [this, name] { log << "-" + name + "(" + activeName() + ")"; };
        }
        for (FlatEdit* e : {txtA, txtB}) {
            e->onChange = [this, e] { log << e->Name() + "=" + e->Text() + "@" + QString::number(e->SelStart()); };
            e->onKeyDown = [this](qint16& code, qint16& shift) {
                if (code < 16 || code > 18) // the modifier keys themselves
                    log << QStringLiteral("D%1/%2").arg(code).arg(shift);
                if (keyDownRule)
                    keyDownRule(code, shift);
            };
            e->onKeyPress = [this](qint16& ascii) {
                log << QStringLiteral("P%1").arg(ascii);
                if (keyPressRule)
                    keyPressRule(ascii);
            };
            e->onKeyUp = [this](qint16& code, qint16& shift) {
                if (code < 16 || code > 18)
                    log << QStringLiteral("U%1/%2").arg(code).arg(shift);
            };
        }
        cmdGo->onClick = [this] { log << QStringLiteral("click cmdGo"); };
        cmdKeep->onClick = [this] { log << "click cmdKeep(" + activeName() + ")"; };
        cbo->onClick = [this] { log << QStringLiteral("click cbo %1").arg(cbo->ListIndex()); };
        dtp->onChange = [this] { log << "dtp " + dtp->Value().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); };
    }

private:
    QString activeName()
    {
        Widget* w = host().ActiveControl();
        return w ? w->Name() : QStringLiteral("none");
    }
};

class TestKitRig : public Rig {
public:
    TestKitRig() { build(); }
    const char* layer() const override { return "test kit"; }
    ControlHost& host() override { return host_; }
    void type(Widget& w, const QString& text) override { host_.type(w, text); }
    void press(Widget& w, Key key) override { host_.pressKey(w, key.code); }
    void tab() override { host_.tab(); }
    void click(Widget& button) override { host_.click(button); }
    void selectNext(Widget& combo) override
    {
        host_.select(combo, static_cast<ComboBox&>(combo).ListIndex() + 1);
    }
    void stepDateUp(Widget& picker) override
    {
        const QDateTime v = static_cast<DateTimePicker&>(picker).Value();
        host_.editDate(picker, v.isValid() ? v.addDays(1) : QDateTime(QDate::currentDate(), QTime(0, 0)));
    }

private:
    TestHost host_;
};

class QtRig : public Rig {
public:
    QtRig() : host_(&surface_)
    {
        surface_.resize(200, 250);
        build();
        showActive(surface_);
        // Showing the window focused its first widget; a rig starts with no focus, as the test kit's does.
        if (QWidget* f = QApplication::focusWidget())
            f->clearFocus();
    }
    const char* layer() const override { return "Qt"; }
    ControlHost& host() override { return host_; }
    void type(Widget& w, const QString& text) override
    {
        focus(w);
        keyboardType(q(w), text);
    }
    void press(Widget& w, Key key) override
    {
        focus(w);
        QTest::keyClick(q(w), key.qt);
    }
    void tab() override { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
    void click(Widget& button) override { QTest::mouseClick(q(button), Qt::LeftButton); }
    void selectNext(Widget& combo) override
    {
        focus(combo);
        QTest::keyClick(q(combo), Qt::Key_Down);
    }
    void stepDateUp(Widget& picker) override
    {
        focus(picker);
        QTest::keyClick(q(picker), Qt::Key_Up);
    }

private:
    void focus(Widget& w)
    {
        if (!q(w)->hasFocus())
            q(w)->setFocus(Qt::MouseFocusReason);
    }
    QWidget surface_;
    QtControlHost host_;
};

struct Scenario {
    const char* name;
    std::function<void(Rig&)> run;
    QStringList expected;
    const char* state; // nullptr: not checked
};

const QDateTime May6 = QDateTime(QDate(2024, 5, 6), QTime(10, 20, 30, 500));
const QString Today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));

const Scenario scenarios[] = {
    {"a text write raises Change only when the text differs, and puts the caret at 0",
     [](Rig& r) {
         r.type(*r.txtA, "ab");
         r.txtA->setText("ab");
         r.txtA->setText("xyz");
         r.txtA->setText("xyz");
     },
     {"+txtA(txtA)", "D65/0", "P97", "txtA=a@1", "U65/0", "D66/0", "P98", "txtA=ab@2", "U66/0", "txtA=xyz@0"},
     "txtA=xyz@0+0 txtB= cbo=-1: dtp=null"},
    {"typing replaces the selection, with Change after the caret moved",
     [](Rig& r) {
         r.txtA->setText("1234");
         r.log.clear();
         r.txtA->setSelStart(1);
         r.txtA->setSelLength(2);
         r.type(*r.txtA, "X");
     },
     {"+txtA(txtA)", "D88/1", "P88", "txtA=1X4@2", "U88/1"}, "txtA=1X4@2+0 txtB= cbo=-1: dtp=null"},
    {"MaxLength stops typing but not writing; Locked stops typing",
     [](Rig& r) {
         r.txtA->setMaxLength(3);
         r.txtA->setText("12345");
         r.txtA->setSelStart(5);
         r.type(*r.txtA, "6");
         r.txtA->setSelStart(0);
         r.txtA->setSelLength(3);
         r.type(*r.txtA, "7");
         r.txtA->setLocked(true);
         r.type(*r.txtA, "8");
         r.press(*r.txtA, Delete);
     },
     {"txtA=12345@0", "+txtA(txtA)", "D54/0", "P54", "U54/0", "D55/0", "P55", "txtA=745@1", "U55/0", "D56/0", "P56",
      "U56/0", "D46/0", "U46/0"},
     "txtA=745@1+0 txtB= cbo=-1: dtp=null"},
    {"KeyAscii 0 cancels a character, another KeyAscii types that one",
     [](Rig& r) {
         r.keyPressRule = [](qint16& a) {
             if (a == 'x')
                 a = 0;
             else if (a == 'a')
                 a = 'B';
         };
         r.type(*r.txtA, "xa");
     },
     {"+txtA(txtA)", "D88/0", "P120", "U88/0", "D65/0", "P97", "txtA=B@1", "U65/0"}, "txtA=B@1+0 txtB= cbo=-1: dtp=null"},
    {"Backspace and Delete edit around the caret and the selection",
     [](Rig& r) {
         r.txtA->setText("abcdef");
         r.log.clear();
         r.txtA->setSelStart(6);
         r.press(*r.txtA, Backspace);
         r.txtA->setSelStart(0);
         r.press(*r.txtA, Delete);
         r.txtA->setSelStart(1);
         r.txtA->setSelLength(2);
         r.press(*r.txtA, Backspace);
     },
     {"+txtA(txtA)", "D8/0", "P8", "txtA=abcde@5", "U8/0", "D46/0", "txtA=bcde@0", "U46/0", "D8/0", "P8", "txtA=be@1",
      "U8/0"},
     "txtA=be@1+0 txtB= cbo=-1: dtp=null"},
    {"KeyCode changed in KeyDown: 0 cancels the key, another code acts as that key",
     [](Rig& r) {
         r.txtA->setText("abc");
         r.log.clear();
         r.keyDownRule = [](qint16& code, qint16&) {
             if (code == KeyCodes::Back)
                 code = 0;
             else if (code == KeyCodes::Delete)
                 code = KeyCodes::Home;
         };
         r.txtA->setSelStart(3);
         r.press(*r.txtA, Backspace); // cancelled: no KeyPress
         r.txtA->setSelStart(2);
         r.press(*r.txtA, Delete); // moves home instead of deleting
         r.keyDownRule = nullptr;
         r.type(*r.txtA, "z");
     },
     // KeyUp starts from what KeyDown left.
     {"+txtA(txtA)", "D8/0", "U0/0", "D46/0", "U36/0", "D90/0", "P122", "txtA=zabc@1", "U90/0"},
     "txtA=zabc@1+0 txtB= cbo=-1: dtp=null"},
    {"Enter sends its character without typing it; F3 sends no character",
     [](Rig& r) {
         r.txtA->setText("12");
         r.log.clear();
         r.press(*r.txtA, Enter);
         r.press(*r.txtA, F3);
         r.press(*r.txtA, Home);
     },
     {"+txtA(txtA)", "D13/0", "P13", "U13/0", "D114/0", "U114/0", "D36/0", "U36/0"}, "txtA=12@0+0 txtB= cbo=-1: dtp=null"},
    {"a ListIndex write raises Click before it returns, also when unchanged; so does a user's choice",
     [](Rig& r) {
         r.cbo->AddItem("one");
         r.cbo->AddItem("three");
         r.cbo->AddItem("two", 1);
         r.log << QStringLiteral("index %1 new %2").arg(r.cbo->ListIndex()).arg(r.cbo->NewIndex());
         r.cbo->setListIndex(2);
         r.cbo->setListIndex(2);
         r.cbo->RemoveItem(2);
         r.log << QStringLiteral("index %1").arg(r.cbo->ListIndex());
         r.cbo->setListIndex(0);
         r.selectNext(*r.cbo);
     },
     {"index -1 new 1", "click cbo 2", "click cbo 2", "index -1", "click cbo 0", "+cbo(cbo)", "click cbo 1"},
     "txtA=@0+0 txtB= cbo=1:two dtp=null"},
    {"picker writes raise no Change, a user's edit does; Null is kept until the user starts a date",
     [](Rig& r) {
         r.dtp->setValue(May6);
         r.stepDateUp(*r.dtp);
         r.dtp->setValue(QDateTime());
         r.log << (r.dtp->Value().isValid() ? "dated" : "null");
         r.stepDateUp(*r.dtp);
     },
     {"+dtp(dtp)", "dtp 2024-05-07 10:20:30", "null", "dtp " + Today + " 00:00:00"}, nullptr},
    {"the focus moves: LostFocus, then GotFocus, with ActiveControl already the new widget",
     [](Rig& r) {
         r.type(*r.txtA, "");
         r.tab();
         r.click(*r.cmdGo);
     },
     {"+txtA(txtA)", "-txtA(txtB)", "+txtB(txtB)", "-txtB(cmdGo)", "+cmdGo(cmdGo)", "click cmdGo"}, nullptr},
    {"an edit box keeps its selection while the focus is elsewhere, and has it again after SetFocus",
     [](Rig& r) {
         r.txtA->setText("abcd");
         r.type(*r.txtA, "");
         r.txtA->setSelStart(1);
         r.txtA->setSelLength(2);
         r.tab();
         r.log << QStringLiteral("away %1+%2").arg(r.txtA->SelStart()).arg(r.txtA->SelLength());
         r.txtA->setSelStart(3); // written while away
         r.log << QStringLiteral("moved %1+%2").arg(r.txtA->SelStart()).arg(r.txtA->SelLength());
         r.txtA->setSelLength(1);
         r.txtA->SetFocus();
     },
     {"txtA=abcd@0", "+txtA(txtA)", "-txtA(txtB)", "+txtB(txtB)", "away 1+2", "moved 3+0", "-txtB(txtA)", "+txtA(txtA)"},
     "txtA=abcd@3+1 txtB= cbo=-1: dtp=null"},
    {"a click on a button that keeps the focus leaves the edit box focused, its text and caret as they were",
     [](Rig& r) {
         r.type(*r.txtA, "7");
         r.click(*r.cmdKeep);
         r.type(*r.txtA, "8");
         r.tab();
         r.tab();
         r.tab();
         r.tab();
         r.tab(); // Tab still reaches it
     },
     {"+txtA(txtA)", "D55/0", "P55", "txtA=7@1", "U55/0", "click cmdKeep(txtA)", "D56/0", "P56", "txtA=78@2", "U56/0",
      "-txtA(txtB)", "+txtB(txtB)", "-txtB(cmdGo)", "+cmdGo(cmdGo)", "-cmdGo(cbo)", "+cbo(cbo)", "-cbo(dtp)",
      "+dtp(dtp)", "-dtp(cmdKeep)", "+cmdKeep(cmdKeep)"},
     "txtA=78@2+0 txtB= cbo=-1: dtp=null"},
};

class ContractTest : public ::testing::TestWithParam<int> {};

TEST_P(ContractTest, BothLayersGiveTheSameEventsAndState)
{
    const Scenario& s = scenarios[GetParam()];
    SCOPED_TRACE(s.name);
    std::unique_ptr<Rig> rigs[] = {std::make_unique<TestKitRig>(), std::make_unique<QtRig>()};
    for (auto& rig : rigs) {
        SCOPED_TRACE(rig->layer());
        rig->log.clear();
        s.run(*rig);
        EXPECT_EQ(rig->log, s.expected);
        if (s.state) {
            EXPECT_EQ(rig->state(), QString::fromUtf8(s.state));
        }
    }
    EXPECT_EQ(rigs[0]->state(), rigs[1]->state());
}

INSTANTIATE_TEST_SUITE_P(Scenarios, ContractTest, ::testing::Range(0, int(std::size(scenarios))));

TEST(Contract, RefusedValuesFailWithTheSameErrorsOnBothLayers)
{
    auto expectError = [](int number, const std::function<void()>& f) {
        try {
            f();
            ADD_FAILURE() << "no error, expected " << number;
        } catch (const ControlError& e) {
            EXPECT_EQ(e.Number(), number);
        }
    };
    std::unique_ptr<Rig> rigs[] = {std::make_unique<TestKitRig>(), std::make_unique<QtRig>()};
    for (auto& r : rigs) {
        SCOPED_TRACE(r->layer());
        r->log.clear();
        for (Widget* w : std::initializer_list<Widget*>{r->txtA, r->cmdGo, r->cbo, r->dtp}) {
            expectError(380, [w] { w->setWidth(-1); });
            expectError(380, [w] { w->setHeight(-0.5f); });
            EXPECT_EQ(w->Width(), 1500); // unchanged
            w->setWidth(0);               // zero is a size
        }
        expectError(380, [&] { r->txtA->setMaxLength(-1); });
        expectError(380, [&] { r->txtA->setSelStart(-1); });
        expectError(380, [&] { r->txtA->setSelLength(-1); });
        expectError(380, [&] { r->cbo->setListIndex(0); });
        expectError(5, [&] { r->cbo->AddItem("x", 1); });
        expectError(5, [&] { r->cbo->RemoveItem(0); });
        r->txtA->setVisible(false);
        expectError(5, [&] { r->txtA->SetFocus(); });
        EXPECT_TRUE(r->log.isEmpty()) << r->log.join(' ').toStdString();
    }
}

} // namespace

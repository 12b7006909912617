#include "framework/KeyCodes.h"
#include "framework/frmAbout.h"
#include "testkit/TestHost.h"

#include <gtest/gtest.h>

using namespace zev;

namespace {
WidgetDesign design(const char* name, WidgetKind kind)
{
    WidgetDesign d;
    d.name = QString::fromLatin1(name);
    d.kind = kind;
    d.width = 1000;
    d.height = 300;
    return d;
}

struct Form1 {
    TestHost host;
    TestFlatEdit& edit = createWidget<TestFlatEdit>(host, design("txtCode", WidgetKind::FlatEdit));
    TestPushButton& button = createWidget<TestPushButton>(host, design("cmdSearch", WidgetKind::PushButton));
    TestComboBox& combo = createWidget<TestComboBox>(host, design("cboListing", WidgetKind::ComboBox));
    TestDateTimePicker& picker = createWidget<TestDateTimePicker>(host, design("dtpFim", WidgetKind::DateTimePicker));
    QStringList log;

    Form1()
    {
        edit.onChange = [this] { log << "Change:" + edit.Text() + "@" + QString::number(edit.SelStart()); };
        edit.onGotFocus = [this] { log << "GotFocus:txtCode"; };
        edit.onLostFocus = [this] { log << "LostFocus:txtCode"; };
        button.onGotFocus = [this] { log << "GotFocus:cmdSearch"; };
        button.onClick = [this] { log << "Click:cmdSearch"; };
        combo.onClick = [this] { log << "Click:" + combo.Text(); };
        picker.onChange = [this] { log << "Change:dtpFim"; };
    }
};
} // namespace

TEST(TestKit, TextWritesRaiseChangeOnlyOnDifferenceAndPutTheCaretAtZero)
{
    Form1 f;
    f.host.type(f.edit, "abc");
    EXPECT_EQ(f.edit.SelStart(), 3);
    f.log.clear();
    f.edit.setText("abc");
    f.edit.setText("xy");
    f.edit.setText("xy");
    EXPECT_EQ(f.log, QStringList{"Change:xy@0"});
    EXPECT_EQ(f.edit.SelStart(), 0);
}

TEST(TestKit, TypingHonoursSelectionMaxLengthLockedAndKeyArguments)
{
    struct Case {
        const char* start;
        int selStart, selLength, maxLength;
        bool locked;
        const char* typed;
        const char* expected;
        int caret;
    };
    const Case cases[] = {
        {"1234", 4, 0, 0, false, "5", "12345", 5},
        {"1234", 0, 4, 0, false, "7", "7", 1},      // replaces the selection
        {"1234", 1, 2, 0, false, "x", "1x4", 2},
        {"1234", 4, 0, 4, false, "5", "1234", 4},   // MaxLength reached
        {"1234", 0, 2, 4, false, "9", "934", 1},    // room made by the selection
        {"1234", 2, 0, 0, true, "5", "1234", 2},    // Locked
        {"", 0, 0, 0, false, "Mês", "Mês", 3},
    };
    for (const auto& c : cases) {
        Form1 f;
        f.edit.setText(QString::fromUtf8(c.start));
        f.edit.setSelStart(c.selStart);
        f.edit.setSelLength(c.selLength);
        f.edit.setMaxLength(c.maxLength);
        f.edit.setLocked(c.locked);
        f.host.focus(f.edit);
        f.host.type(f.edit, QString::fromUtf8(c.typed));
        EXPECT_EQ(f.edit.Text(), QString::fromUtf8(c.expected)) << c.start << " + " << c.typed;
        EXPECT_EQ(f.edit.SelStart(), c.caret) << c.start << " + " << c.typed;
    }

    // Key arguments go by reference: a handler can replace or cancel a character.
    Form1 f;
    QStringList keys;
    f.edit.onKeyDown = [&](qint16& code, qint16& shift) { keys << QString("down %1/%2").arg(code).arg(shift); };
    f.edit.onKeyPress = [&](qint16& ascii) {
        keys << QString("press %1").arg(ascii);
        if (ascii == 'a')
            ascii = 'b';
        if (ascii == 'x')
            ascii = 0;
    };
    f.edit.onKeyUp = [&](qint16& code, qint16&) { keys << QString("up %1").arg(code); };
    f.host.type(f.edit, "aXx");
    EXPECT_EQ(f.edit.Text(), "bX");
    EXPECT_EQ(keys.mid(0, 6), (QStringList{"down 65/0", "press 97", "up 65", "down 88/1", "press 88", "up 88"}));
    keys.clear();
    f.host.pressKey(f.edit, KeyCodes::Back);
    f.host.pressKey(f.edit, KeyCodes::F3);
    EXPECT_EQ(keys, (QStringList{"down 8/0", "press 8", "up 8", "down 114/0", "up 114"}));
    EXPECT_EQ(f.edit.Text(), "b");
}

TEST(TestKit, FocusMovesRaiseLostFocusThenGotFocusWithTheNewActiveControl)
{
    Form1 f;
    Widget* activeDuringLostFocus = nullptr;
    f.edit.onLostFocus = [&] {
        f.log << "LostFocus:txtCode";
        activeDuringLostFocus = f.host.ActiveControl();
    };
    f.host.focus(f.edit);
    f.host.click(f.button);
    EXPECT_EQ(f.log, (QStringList{"GotFocus:txtCode", "LostFocus:txtCode", "GotFocus:cmdSearch", "Click:cmdSearch"}));
    EXPECT_EQ(activeDuringLostFocus, &f.button);
    EXPECT_EQ(f.host.ActiveControl(), &f.button);

    f.host.focusElsewhere();
    EXPECT_EQ(f.host.ActiveControl(), nullptr);
    f.button.setEnabled(false);
    EXPECT_FALSE(f.host.click(f.button));
    EXPECT_THROW(f.button.SetFocus(), ControlError);

    f.host.focus(f.edit);
    f.host.tab(); // the button is disabled: on to the combo
    EXPECT_EQ(f.host.ActiveControl(), &f.combo);
}

TEST(TestKit, ComboAndPickerRaiseTheirEventsAsTheContractSays)
{
    Form1 f;
    f.combo.AddItem("b");
    f.combo.AddItem("a", 0);
    EXPECT_EQ(f.combo.NewIndex(), 0);
    f.combo.setListIndex(1);
    f.combo.setListIndex(1);
    EXPECT_EQ(f.log, (QStringList{"Click:b", "Click:b"}));
    f.combo.RemoveItem(0); // the selection follows its item
    EXPECT_EQ(f.combo.ListIndex(), 0);
    EXPECT_EQ(f.combo.List(5), "");
    EXPECT_THROW(f.combo.setListIndex(3), ControlError);
    EXPECT_THROW(f.combo.RemoveItem(3), ControlError);

    f.log.clear();
    f.picker.setValue(QDateTime(QDate(2024, 5, 15), QTime(10, 0, 0, 500)));
    f.picker.setValue(QDateTime());
    EXPECT_TRUE(f.log.isEmpty());
    EXPECT_FALSE(f.picker.Value().isValid());
    f.host.editDate(f.picker, QDateTime(QDate(2024, 5, 15), QTime(10, 0, 0, 500)));
    EXPECT_EQ(f.log, QStringList{"Change:dtpFim"});
    EXPECT_EQ(f.picker.Value().time(), QTime(10, 0, 0));
}

TEST(TestKit, NegativeSizesAreRefusedWithError380)
{
    Form1 f;
    for (Widget* w : std::initializer_list<Widget*>{&f.edit, &f.button, &f.combo, &f.picker}) {
        try {
            w->setWidth(-1);
            ADD_FAILURE() << w->Name().toStdString();
        } catch (const ControlError& e) {
            EXPECT_EQ(e.Number(), 380);
        }
        EXPECT_THROW(w->setHeight(-0.5f), ControlError);
        EXPECT_EQ(w->Width(), 1000);
    }
}

TEST(TestKit, HandlersChangeByReferenceArgumentsAndEndlessChainsAreCaught)
{
    TestHost host;
    host.on("Event3", [](QVariantList& args) {
        args[0] = QStringLiteral("PK-1");
        args[1] = true;
    });
    QVariantList args{QString(), false, qint32(1)};
    host.RaiseEvent(3, args);
    EXPECT_EQ(args[0].toString(), "PK-1");
    EXPECT_TRUE(args[1].toBool());
    EXPECT_EQ(host.events.at(0).arguments.at(1).toBool(), false);
    EXPECT_EQ(host.events.at(0).result.at(1).toBool(), true);

    host.on("Event1", [&](QVariantList&) { host.RaiseEvent(1); });
    EXPECT_THROW(host.RaiseEvent(1), std::logic_error);
}

TEST(TestKit, AboutFormIsOneInstanceShownWithTheCallersName)
{
    frmAbout::Unload();
    TestHost first, second;
    frmAbout::ShowFor(first, "ZEVCodeDescription");
    Form* shown = &frmAbout::Instance(first).form();
    frmAbout::ShowFor(second, "ZEVPersistCombo");
    EXPECT_EQ(&frmAbout::Instance(second).form(), shown);
    ASSERT_EQ(second.shownForms.size(), 1u);
    EXPECT_EQ(second.shownForms[0].caption, "Form1");
    EXPECT_EQ(second.shownForms[0].captions.value("lblDescription"), "ZEVPersistCombo");
    EXPECT_EQ(first.shownForms[0].captions.value("lblDescription"), "ZEVCodeDescription");
    const Widget& label = frmAbout::Instance(first).lblDescription();
    EXPECT_EQ(label.Left(), 660);
    EXPECT_EQ(label.Top(), 2340);
    frmAbout::Unload();
}

#include "framework/KeyCodes.h"
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
        picker.onChange = [this] { log << "Change:dtpFim"; };
    }
};
} // namespace

// What the widget-contract scenarios (tests/qt/ControlScenarioTest.cpp) run over this
// kit and Qt alike is not repeated here; these are the kit's remaining rules.
TEST(TestKit, TypingTakesAnyCharacter)
{
    Form1 f;
    f.host.type(f.edit, QString::fromUtf8("Mês"));
    EXPECT_EQ(f.edit.Text(), QString::fromUtf8("Mês"));
    EXPECT_EQ(f.edit.SelStart(), 3);
}

TEST(TestKit, DisabledWidgetsTakeNoClickNoFocusAndAreSkippedByTab)
{
    Form1 f;
    f.button.setEnabled(false);
    EXPECT_FALSE(f.host.click(f.button));
    EXPECT_THROW(f.button.SetFocus(), ControlError);
    f.host.focus(f.edit);
    f.host.tab();
    EXPECT_EQ(f.host.ActiveControl(), &f.combo);
}

TEST(TestKit, ComboSelectionFollowsItsItemAndPickerEditsDropTheMilliseconds)
{
    Form1 f;
    f.combo.AddItem("b");
    f.combo.AddItem("a", 0);
    f.combo.setListIndex(1);
    f.combo.RemoveItem(0);
    EXPECT_EQ(f.combo.ListIndex(), 0);
    EXPECT_EQ(f.combo.List(5), "");
    EXPECT_THROW(f.combo.setListIndex(3), ControlError);
    EXPECT_THROW(f.combo.RemoveItem(3), ControlError);

    f.log.clear();
    f.host.editDate(f.picker, QDateTime(QDate(2024, 5, 15), QTime(10, 0, 0, 500)));
    EXPECT_EQ(f.log, QStringList{"Change:dtpFim"});
    EXPECT_EQ(f.picker.Value().time(), QTime(10, 0, 0));
}

TEST(TestKit, EventsKeepWhatWentInAndWhatTheHandlerLeftAndEndlessChainsAreCaught)
{
    TestHost host;
    host.on("Event3", [](QVariantList& args) { args[1] = true; });
    QVariantList args{QString(), false};
    host.RaiseEvent(3, args);
    EXPECT_EQ(host.events.at(0).arguments.at(1), QVariant(false));
    EXPECT_EQ(host.events.at(0).result.at(1), QVariant(true));
    host.on("Event1", [&](QVariantList&) { host.RaiseEvent(1); });
    EXPECT_THROW(host.RaiseEvent(1), std::logic_error);
}


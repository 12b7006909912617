#include "library/ComRuntime.h"
#include "library/EntryPoints.h"
#include "library/LibraryIdentity.h"
#include "framework/KeyCodes.h"
#include "framework/MemoryPropertyBag.h"
#include "framework/VariantConvert.h"
#include "persistcombo/ZEVPersistCombo.h"
#include "testkit/TestHost.h"
#include "tests/LookupTriggers.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace zev;

namespace {

const QString Gap(300, QLatin1Char(' '));
const QString Warning = QString::fromUtf8("ATENÇÃO! Este item já foi adicionado na lista de filtro.");

// A list lookup on a form, sized as designed, as a container starts a new one.
struct Sheet : zev::testing::Placed<ZEVPersistCombo> {
    TestFlatEdit& txtCode = host.edit("txtCode");
    TestPushButton& cmdSearch = host.button("cmdSearch");
    TestFlatEdit& txtDescription = host.edit("txtDescription");
    TestComboBox& cboListing = host.combo("cboListing");
    TestPushButton& cmdRemoveItem = host.button("cmdRemoveItem");
    Sheet() : Placed(4275, 720, true, QStringLiteral("lstClientes")) {}

    // A host that knows one record per code.
    void answer(QMap<QString, QPair<QString, QString>> records)
    {
        host.on("Search", [this, records](QVariantList& a) {
            const auto it = records.constFind(c.Code());
            if (it == records.constEnd())
                return;
            c.setDescription(it->first);
            a[0] = it->second;
            a[1] = true;
        });
    }
};

} // namespace

TEST(ZEVPersistCombo, EntriesAreComposedAndTakenApartByTheReaders)
{
    struct Case {
        bool showWhenAdded;
        QString code, description, key;
        bool showWhenRead;
        QString display, readCode, readDescription, readKey;
    };
    const Case cases[] = {
        {true, "001", "Alpha", "17", true, "001 - Alpha", "001", "Alpha", "17"},
        {false, "001", "Alpha", "17", false, "Alpha", "", "Alpha", "17"},
        {true, "", "Alpha", "17", true, " - Alpha", "", "Alpha", "17"},
        {false, "", "Alpha Beta", "9", true, "Alpha Beta", "Alpha", "ta", "9"}, // read with the flag of now
        {false, "", "  Delta  ", "5", false, "  Delta  ", "", "Delta", "5"},    // nothing trimmed when composed
        {false, "", "Gamma", "17 ", false, "Gamma", "", "Gamma" + Gap + "17", ""},
        {true, "0 1", "Beta", "K 42", true, "0 1 - Beta", "0", "- Beta" + Gap + "K", "42"},
    };
    for (const auto& t : cases) {
        Sheet f;
        f.c.setShowCodeInCombo(t.showWhenAdded);
        f.c.AddItem(t.description, t.key, t.code);
        f.c.setShowCodeInCombo(t.showWhenRead);
        EXPECT_EQ(f.cboListing.List(0), t.display + Gap + t.key) << t.display.toStdString();
        EXPECT_EQ(f.c.GetCode(0), t.readCode) << t.display.toStdString();
        EXPECT_EQ(f.c.GetDescription(0), t.readDescription) << t.display.toStdString();
        EXPECT_EQ(f.c.GetPkey(0), t.readKey) << t.display.toStdString();
        for (qint16 index : {-1, 1})
            EXPECT_EQ(f.c.GetCode(index) + f.c.GetDescription(index) + f.c.GetPkey(index), "") << index;
    }
    Sheet f;
    f.c.setShowCodeInCombo(true);
    f.c.AddItem("Alpha", "17", "001");
    f.c.AddItem("Beta", "18", "002", 0); // inserted at the top and selected
    f.c.AddItem("Gamma", "19");           // appended and selected
    EXPECT_EQ(f.cboListing.ListIndex(), 2);
    EXPECT_EQ(f.c.GetPkey(0) + f.c.GetPkey(1) + f.c.GetPkey(2), "181719");
    f.host.clearLog();
    EXPECT_THROW(f.c.AddItem("Delta", "20", "", 9), ControlError); // the widget refuses the index
    EXPECT_FALSE(f.host.eventNames().contains("AddItem"));
    EXPECT_EQ(f.cboListing.ListCount(), 3);
}

TEST(ZEVPersistCombo, DuplicatesAreRefusedByTrimmedKeyWithAWarning)
{
    struct Entry {
        const char *code, *description, *key;
    };
    struct Case {
        bool allow, showCode;
        Entry existing, added;
        bool accepted;
    };
    const Case cases[] = {
        {false, false, {"", "Alpha", "17"}, {"", "Alpha", "17"}, false},
        {false, false, {"", "Alpha", "17"}, {"", "Alpha", " 17 "}, false}, // keys are trimmed
        {false, false, {"", "Alpha", "ab"}, {"", "Alpha", "AB"}, true},    // and case-sensitive
        {true, false, {"", "Alpha", "17"}, {"", "Alpha", "17"}, true},
        {false, false, {"", "Alphabet", "17"}, {"", "Alpha", "17"}, true}, // a longer display part hides the key
        {false, false, {"", "Alpha", "17"}, {"", "Alphabet", "17"}, false},
        {false, false, {"", "Alpha", "17"}, {"", "Alpha", "7"}, true},
        {false, false, {"", "Alpha", "17  "}, {"", "Alpha", "17"}, false},
        {false, false, {"", "Alpha", "A B"}, {"", "Alpha", "B"}, true}, // the whole tail must match
        {false, false, {"", "Alpha", "A B"}, {"", "Alpha", "A B"}, false},
        {false, false, {"", "Beta", ""}, {"", "Alpha", " "}, false},
        {false, true, {"001", "A", "1"}, {"002", "B", "1"}, false},
        {false, true, {"1", "A", "1"}, {"001", "A", "1"}, false},
        {false, true, {"001", "A", "1"}, {"1", "A", "1"}, true},
    };
    for (const auto& t : cases) {
        Sheet f;
        f.c.setAllowItemDuplication(t.allow);
        f.c.setShowCodeInCombo(t.showCode);
        f.c.AddItem(t.existing.description, t.existing.key, t.existing.code);
        f.c.setCode("123");
        f.c.setDescription("Typed");
        f.host.focusElsewhere();
        f.host.clearLog();
        f.c.AddItem(t.added.description, t.added.key, t.added.code);
        const std::string what = std::string(t.existing.description) + "/" + t.existing.key + " then "
            + t.added.description + "/" + t.added.key;
        EXPECT_EQ(f.cboListing.ListCount(), t.accepted ? 2 : 1) << what;
        EXPECT_EQ(f.host.eventNames().contains("AddItem"), t.accepted) << what;
        EXPECT_EQ(f.host.ActiveControl(), &f.txtCode) << what;
        if (t.accepted)
            continue;
        ASSERT_EQ(f.host.messages.size(), 1u) << what;
        const ShownMessage& m = f.host.messages[0];
        EXPECT_EQ(m.prompt + "|" + QString::number(m.buttons) + "|" + m.title, Warning + "|48|lstClientes");
        EXPECT_EQ(f.c.Code() + "|" + f.c.Description(), "123|Typed") << what;
        EXPECT_TRUE(f.host.eventNames().isEmpty()) << what;
    }

    // Entries shorter than the new display part (put there by the host) leave nothing to compare.
    Sheet f;
    f.c.ControlListing()->AddItem("x");
    const QString longDescription(400, QLatin1Char('d'));
    f.c.AddItem(longDescription, "5");
    EXPECT_EQ(f.cboListing.ListCount(), 2);
    f.c.AddItem(longDescription, "");
    EXPECT_EQ(f.cboListing.ListCount(), 2);
    EXPECT_EQ(f.host.messages.size(), 1u);
}

TEST(ZEVPersistCombo, SearchThenEnterInTheDescriptionAddsTheRecord)
{
    Sheet f;
    f.answer({{"0007", {"Sete", "PK7"}}});
    f.c.setFillZeros(true);
    f.host.type(f.txtCode, "7");
    f.host.clearLog();
    f.host.pressKey(f.txtCode, KeyCodes::F3);
    EXPECT_EQ(f.host.eventNames(), (QStringList{"CodeChange", "Search", "DescChange", "Load", "Load"}));
    const RaisedEvent& search = f.host.events[1];
    EXPECT_EQ(search.arguments, (QVariantList{QString(), false, qint32(F3)}));
    EXPECT_EQ(f.host.ActiveControl(), &f.txtDescription);
    EXPECT_EQ(f.txtDescription.selectedText(), "Sete");
    EXPECT_TRUE(f.c.Loaded());

    f.host.clearLog();
    f.host.pressKey(f.txtDescription, KeyCodes::Return);
    EXPECT_EQ(f.host.eventNames(), (QStringList{"CodeChange", "DescChange", "CodeChange", "AddItem"}));
    EXPECT_EQ(f.cboListing.List(0), "Sete" + Gap + "PK7");
    EXPECT_EQ(f.c.Code() + f.c.Description(), "");
    EXPECT_EQ(f.host.ActiveControl(), &f.txtCode);
    EXPECT_TRUE(f.c.Loaded());

    // A key typed after the search forgets the record's key; the description goes too.
    f.host.type(f.txtCode, "7");
    f.host.pressKey(f.txtCode, KeyCodes::Return);
    f.host.type(f.txtCode, "1");
    EXPECT_EQ(f.c.Description(), "");
    f.host.type(f.txtDescription, "Outro");
    f.host.pressKey(f.txtDescription, KeyCodes::Return);
    EXPECT_EQ(f.cboListing.List(1), "Outro" + Gap);

    // A search the host cannot answer empties the description and selects the code again.
    f.c.setFillZeros(false);
    f.host.type(f.txtCode, "98");
    f.c.setDescription("Stale");
    f.host.clearLog();
    f.host.pressKey(f.txtDescription, KeyCodes::F3); // ignored outside the code box
    f.host.pressKey(f.txtCode, KeyCodes::Return);
    EXPECT_EQ(f.host.eventNames(), (QStringList{"Search", "DescChange"}));
    EXPECT_EQ(f.host.events[0].arguments.at(2), qint32(Enter));
    EXPECT_EQ(f.txtCode.selectedText(), "98");
    EXPECT_EQ(f.host.ActiveControl(), &f.txtCode);
    EXPECT_FALSE(f.c.Loaded());
}

TEST(ZEVPersistCombo, EveryWayToAskForASearchPassesItsSource)
{
    for (const auto& [name, act, source, button] : zev::testing::searchTriggers<ZEVPersistCombo>("txtCode")) {
        Sheet f;
        f.answer({{"", {"Vazio", "PK0"}}});
        act(f.host, f.c);
        if (source < 0) {
            EXPECT_TRUE(f.host.events.empty()) << name;
            continue;
        }
        ASSERT_FALSE(f.host.events.empty()) << name;
        EXPECT_EQ(f.host.events[0].name, "Search") << name;
        EXPECT_EQ(f.host.events[0].arguments.at(2), source) << name;
        EXPECT_EQ(f.host.ActiveControl(), &f.txtDescription) << name;
    }

    // Focus: entering the code box selects it all; leaving it changes nothing.
    Sheet f;
    f.c.setCode("1234");
    f.host.focus(f.txtCode);
    EXPECT_EQ(f.txtCode.selectedText(), "1234");
    f.host.clearLog();
    f.host.focusElsewhere();
    f.host.type(f.txtDescription, "abc"); // typing here is not a description change
    EXPECT_TRUE(f.host.journal.isEmpty());
    EXPECT_EQ(f.c.Code(), "1234");
}

TEST(ZEVPersistCombo, RemovingAndClearing)
{
    Sheet f;
    for (const char* key : {"1", "2", "3"})
        f.c.AddItem(QString("Item ") + key, key);
    f.host.clearLog();
    f.c.RemoveItem(-1);
    f.c.RemoveItem(0); // the first of three: the last one is selected
    EXPECT_EQ(f.cboListing.ListIndex(), 1);
    EXPECT_EQ(f.host.journal, QStringList{"RemoveItem"});
    f.host.clearLog();
    f.host.click(f.cmdRemoveItem); // the selected entry goes
    EXPECT_EQ(f.host.journal, (QStringList{"RemoveItem", "doevents"}));
    EXPECT_EQ(f.c.GetPkey(0), "2");
    f.c.RemoveItem(0);
    EXPECT_EQ(f.cboListing.ListIndex(), -1);
    f.host.clearLog();
    f.host.click(f.cmdRemoveItem); // nothing selected: nothing removed, still redrawn
    EXPECT_EQ(f.host.journal, QStringList{"doevents"});
    EXPECT_TRUE(f.cboListing.Visible());

    f.c.AddItem("Alpha", "1");
    f.c.setCode("001");
    f.c.setDescription("Alpha");
    f.host.focusElsewhere();
    f.host.clearLog();
    f.c.Clear();
    EXPECT_EQ(f.c.Code() + f.c.Description(), "");
    EXPECT_EQ(f.cboListing.ListCount(), 0);
    EXPECT_TRUE(f.c.Loaded());
    EXPECT_EQ(f.host.ActiveControl(), &f.txtCode);
    EXPECT_EQ(f.host.eventNames().last(), "Unload");
}

TEST(ZEVPersistCombo, SettersApplyTheirRulesAndNotifyWhereTheySay)
{
    Sheet f;
    f.c.setDescription("  Alpha  ");
    EXPECT_EQ(f.c.Description(), "Alpha");
    f.c.setDescription("Alpha");
    f.c.setLoaded(false);
    f.c.setDescription("   ");
    EXPECT_EQ(f.host.journal, (QStringList{"DescChange", "Load", "changed:Description", "DescChange",
                                           "changed:Description"}));
    EXPECT_FALSE(f.c.Loaded());

    f.host.clearLog();
    f.c.setCode("12");
    EXPECT_EQ(f.host.eventNames(), (QStringList{"CodeChange", "CodeChange"}));
    f.host.clearLog();
    f.c.setCodeMaxLength(26);
    f.c.setCodeSize(30);
    f.c.setAllowItemDuplication(true);
    f.c.setFillZeros(true);
    f.c.setLoaded(true);
    f.c.setLocked(false);
    f.c.setShowCodeInCombo(true);
    EXPECT_TRUE(f.host.journal.isEmpty());
    EXPECT_EQ(f.c.CodeMaxLength(), 4);
    f.c.setCodeMaxLength(25);
    EXPECT_EQ(f.host.propertyChanges, QStringList{"CodeMaxLength"});
    f.txtCode.setWidth(1155);
    EXPECT_EQ(f.c.CodeSize(), 10); // 10.5 to the even neighbour
    EXPECT_THROW(f.c.setAppearance(70000), ControlError);
    EXPECT_EQ(f.cmdRemoveItem.Appearance(), 0);
    f.c.setAppearance(1);
    EXPECT_EQ(f.cboListing.Appearance() + f.cmdRemoveItem.Appearance() + f.cmdSearch.Appearance(), 3);

    // Background colours: code box, description box, list.
    struct Step {
        std::function<void(ZEVPersistCombo&)> set;
        OleColor code, description, list;
    };
    const OleColor red = Colors::Red, white = Colors::White, face = Colors::ButtonFace;
    const Step steps[] = {
        {[](ZEVPersistCombo& c) { c.setLocked(true); }, white, white, white},
        {[](ZEVPersistCombo& c) { c.setCodeBackColor(Colors::Red); }, white, white, white},
        {[](ZEVPersistCombo& c) { c.setDescriptionBackColor(Colors::Red); }, white, white, white},
        {[](ZEVPersistCombo& c) { c.setLocked(false); }, red, red, white},
        {[](ZEVPersistCombo& c) { c.setEnabled(false); }, face, face, face},
        {[](ZEVPersistCombo& c) { c.setCodeBackColor(Colors::Blue); }, face, face, face},
        {[](ZEVPersistCombo& c) { c.setLocked(true); }, white, white, white},
        {[](ZEVPersistCombo& c) { c.setEnabled(false); }, face, face, face},
        {[](ZEVPersistCombo& c) { c.setEnabled(true); }, Colors::Blue, red, face}, // Locked is not consulted
    };
    int n = 0;
    for (const auto& s : steps) {
        s.set(f.c);
        EXPECT_EQ(f.txtCode.BackColor(), s.code) << "step " << n;
        EXPECT_EQ(f.txtDescription.BackColor(), s.description) << "step " << n;
        EXPECT_EQ(f.cboListing.BackColor(), s.list) << "step " << n++;
    }

    // Fonts: the boxes' own objects; the Font... properties act on both boxes, never on the list.
    f.c.CodeFont().setItalic(true);
    EXPECT_TRUE(f.txtCode.font().Italic());
    FontDesc arial{QStringLiteral("Arial"), 10, false, false, true, false, 650, 2};
    f.c.setCodeFont(arial);
    f.c.setDescriptionFont(arial);
    for (TestFlatEdit* box : {&f.txtCode, &f.txtDescription}) {
        EXPECT_EQ(box->font().value(), (FontDesc{"Arial", 10, true, false, true, false, 650, 2}));
    }
    f.c.setFontSize(12);
    f.c.setFontStrikethrough(true);
    EXPECT_EQ(f.txtDescription.font().value(), (FontDesc{"Arial", 12, true, false, true, true, 650, 2}));
    EXPECT_EQ(f.cboListing.font().value(), (FontDesc{QStringLiteral("Courier New"), 8.25}));
}

TEST(ZEVPersistCombo, LaysOutTwoRows)
{
    struct Case {
        float width;
        bool showF3;
        qint16 codeSize;
        float code, button, descLeft, descWidth, listWidth, removeLeft;
    };
    const Case cases[] = {
        {4275, true, 10, 1100, 1130, 1535, 2740, 3870, 3900},
        {4275, false, 10, 1100, 1130, 1130, 3145, 3870, 3900},
        {4275, true, 5, 550, 580, 985, 3290, 3870, 3900},
        {6000, true, 25, 2750, 2780, 3185, 2815, 5595, 5625},
    };
    for (const auto& t : cases) {
        Sheet f;
        f.c.setShowF3(t.showF3);
        f.c.setCodeSize(t.codeSize);
        f.host.resize(t.width, 720);
        EXPECT_EQ(f.cmdSearch.Visible(), t.showF3);
        const float got[] = {f.txtCode.Width(), f.cmdSearch.Left(), f.txtDescription.Left(),
                             f.txtDescription.Width(), f.cboListing.Width(), f.cmdRemoveItem.Left()};
        const float expected[] = {t.code, t.button, t.descLeft, t.descWidth, t.listWidth, t.removeLeft};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(got[i], expected[i]) << "width " << t.width << " size " << t.codeSize << " value " << i;
        for (Widget* w : std::initializer_list<Widget*>{&f.txtCode, &f.cmdSearch, &f.txtDescription})
            EXPECT_EQ(w->Height(), 330);
        EXPECT_EQ(f.cboListing.Top() + f.cmdRemoveItem.Top(), 720);
    }

    // Too narrow: the description box refuses its negative width and the layout stops there.
    Sheet f;
    f.host.resize(1000, 1000);
    EXPECT_EQ(f.txtDescription.Width(), 2740);
    EXPECT_EQ(f.cboListing.Width(), 3870);
    EXPECT_EQ(f.txtCode.Height(), 330);
    EXPECT_THROW(f.c.setShowF3(true), ControlError); // the setter passes the failure on
}


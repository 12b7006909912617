#include "codedescription/ZEVCodeDescription.h"
#include "descriptiononly/ZEVDescriptionOnly.h"
#include "library/ComRuntime.h"
#include "framework/KeyCodes.h"
#include "framework/MemoryPropertyBag.h"
#include "framework/frmAbout.h"
#include "testkit/TestHost.h"

#include <gtest/gtest.h>

using namespace zev;

namespace {

// A description lookup on a form: created, initialised as newly placed, 3000 x 300 twips.
struct DescLookup {
    TestHost host;
    ZEVDescriptionOnly c{host};
    TestFlatEdit& box = host.edit("txtDescription");
    TestPushButton& f3 = host.button("cmdSearch");

    explicit DescLookup(bool newlyPlaced = true, float width = 3000, float height = 300)
    {
        c.Initialize();
        if (newlyPlaced) {
            c.InitProperties();
            host.resize(width, height);
        }
        host.clearLog();
    }
    void answer(bool found)
    {
        host.on("Search", [found](QVariantList& a) {
            a[0] = QStringLiteral("PK9");
            a[1] = found;
        });
    }
};

} // namespace

TEST(ZEVDescriptionOnly, PublishesItsIdentifiersAndIsCreatedByTheLibrary)
{
    const ClassDescriptor& d = ZEVDescriptionOnly::descriptor();
    const std::tuple<const char*, quint32, bool> members[] = {
        {"ControlDescription", 0x40030001, false}, {"Appearance", 0x6803000F, false}, {"Font", 0x6803000A, false},
        {"Loaded", 0x68030003, false},             {"PrimaryKey", 0x68030001, true},  {"About", 0xFFFFFDD8, false},
        {"Clear", 0x60030001, false},              {"ForceSearch", 0x60030000, false},
    };
    for (const auto& [name, id, hidden] : members) {
        ASSERT_NE(d.member(name), nullptr) << name;
        EXPECT_EQ(quint32(d.member(name)->dispId), id) << name;
        EXPECT_EQ(d.member(name)->hidden, hidden) << name;
    }
    EXPECT_EQ(d.members.size(), 21u);
    EXPECT_EQ(d.event("Unload")->id, 4);
    EXPECT_TRUE(d.event("Unload")->arguments.isEmpty()); // no Cancel
    EXPECT_TRUE(d.defaultEvent.isEmpty());
}
TEST(ZEVDescriptionOnly, DescriptionIsTakenAsGivenAndAlwaysNotifies)
{
    struct Case {
        const char* shown;
        const char* value;
        QStringList journal;
        bool loaded;
    };
    const QString notify = "changed:Description";
    const Case cases[] = {
        {"", "Ana", {"DescChange", "Load", notify, "DescChange", "Load", notify, "DescChange"}, true},
        {"Ana", "Ana", {"Load", notify, "DescChange"}, true},
        {"", "", {"Unload", notify, "DescChange"}, false},
        {"Ana", "", {"DescChange", "Unload", notify, "DescChange", "Unload", notify, "DescChange"}, false},
        {"", "  ", {"DescChange", "Load", notify, "DescChange", "Load", notify, "DescChange"}, true},
    };
    for (const auto& k : cases) {
        DescLookup f;
        f.box.setText(k.shown); // what the box shows before; its events are not looked at
        f.host.clearLog();
        f.c.setPrimaryKey("kept");
        f.c.setDescription(k.value);
        EXPECT_EQ(f.c.Description(), k.value);
        EXPECT_EQ(f.host.journal, k.journal) << k.shown << " -> " << k.value;
        EXPECT_EQ(f.c.Loaded(), k.loaded);
        EXPECT_EQ(f.c.PrimaryKey(), "kept");
    }
}

TEST(ZEVDescriptionOnly, TypingLoadsAndEmptyingUnloads)
{
    DescLookup f;
    f.c.setPrimaryKey("P1");
    f.host.type(f.box, "a");
    EXPECT_EQ(f.host.eventNames(), (QStringList{"DescChange", "Load", "DescChange"}));
    EXPECT_TRUE(f.c.Loaded());
    f.host.pressKey(f.box, KeyCodes::Back);
    f.host.focusElsewhere(); // no leaving rule
    EXPECT_EQ(f.host.eventNames().mid(3), (QStringList{"DescChange", "Unload", "DescChange"}));
    EXPECT_FALSE(f.c.Loaded());
    EXPECT_EQ(f.c.PrimaryKey(), "P1");
}
TEST(ZEVDescriptionOnly, SearchByKeyKeepsTheTextSearchByButtonLoadsAndFocuses)
{
    struct Case {
        const char* name;
        std::function<void(DescLookup&)> trigger;
        bool found;
        qint32 source;
        QStringList events;
        const char* text;
        qint32 selStart, selLength;
    };
    const Case cases[] = {
        {"Enter found", [](DescLookup& f) { f.host.pressKey(f.box, KeyCodes::Return); }, true, 1, {"Search"}, "ana", 3, 0},
        {"F3 not found", [](DescLookup& f) { f.host.pressKey(f.box, KeyCodes::F3, ShiftBits::Alt); }, false, 0,
         {"Search"}, "ana", 3, 0},
        {"ForceSearch F3", [](DescLookup& f) { eSource s = F3; f.c.ForceSearch(s); }, true, 0, {"Search"}, "ana", 3, 0},
        {"ForceSearch Enter", [](DescLookup& f) { eSource s = Enter; f.c.ForceSearch(s); }, false, 1, {"Search"}, "ana", 3, 0},
        {"button found", [](DescLookup& f) { f.host.click(f.f3); }, true, 0, {"Search", "Load"}, "ana", 0, 3},
        {"button not found", [](DescLookup& f) { f.host.click(f.f3); }, false, 0,
         {"Search", "DescChange", "Unload", "DescChange", "Unload", "DescChange"}, "", 0, 0},
    };
    for (const auto& k : cases) {
        DescLookup f;
        f.host.type(f.box, "ana");
        f.c.setPrimaryKey("old");
        f.answer(k.found);
        f.host.clearLog();
        k.trigger(f);
        EXPECT_EQ(f.host.eventNames(), k.events) << k.name;
        EXPECT_EQ(f.host.events.at(0).arguments, (QVariantList{QString(), false, k.source})) << k.name;
        EXPECT_EQ(f.c.Loaded(), k.found) << k.name;
        EXPECT_EQ(f.c.PrimaryKey(), k.found ? "PK9" : "") << k.name;
        EXPECT_EQ(f.c.Description(), k.text) << k.name;
        EXPECT_EQ(f.box.SelStart(), k.selStart) << k.name;
        EXPECT_EQ(f.box.SelLength(), k.selLength) << k.name;
        EXPECT_EQ(f.host.ActiveControl(), &f.box) << k.name;
    }
    DescLookup f;
    eSource other = eSource(2);
    f.c.ForceSearch(other);
    f.host.pressKey(f.box, KeyCodes::F12);
    EXPECT_TRUE(f.host.events.empty());
}

TEST(ZEVDescriptionOnly, ClearUnloadsTwiceAndKeepsTheKey)
{
    for (const char* text : {"", "x"}) {
        DescLookup f;
        f.host.type(f.box, text);
        f.c.setPrimaryKey("P");
        f.host.clearLog();
        f.c.Clear();
        const QStringList fromText{"DescChange", "Unload", "DescChange", "Unload", "DescChange", "Unload"};
        const QStringList fromEmpty{"Unload", "DescChange", "Unload"};
        EXPECT_EQ(f.host.eventNames(), *text ? fromText : fromEmpty);
        EXPECT_EQ(f.c.Description(), "");
        EXPECT_FALSE(f.c.Loaded());
        EXPECT_EQ(f.c.PrimaryKey(), "P");
    }
}
TEST(ZEVDescriptionOnly, HostHandlersThatSetPropertiesEnd)
{
    DescLookup f;
    // The host shows the record's full description from inside Search, and
    // normalises every change to upper case.
    f.host.on("Search", [&](QVariantList& a) {
        f.c.setDescription("Ana Maria");
        a[1] = true;
    });
    f.host.on("DescChange", [&](QVariantList&) {
        if (f.c.Description() != f.c.Description().toUpper())
            f.c.setDescription(f.c.Description().toUpper());
    });
    f.host.type(f.box, "an");
    f.host.click(f.f3);
    EXPECT_EQ(f.c.Description(), "ANA MARIA");
    EXPECT_TRUE(f.c.Loaded());
    EXPECT_EQ(f.host.eventNames().back(), "Load");
}

TEST(ZEVDescriptionOnly, ColoursFontsAndAppearance)
{
    DescLookup f;
    f.c.setLocked(true);
    f.c.setBackColor(Colors::Red);
    EXPECT_EQ(f.box.BackColor(), Colors::White);
    f.c.setEnabled(false);
    EXPECT_EQ(f.box.BackColor(), Colors::ButtonFace);
    EXPECT_FALSE(f.f3.Enabled());
    f.c.setEnabled(true); // Locked is not consulted
    EXPECT_EQ(f.box.BackColor(), Colors::Red);

    const FontDesc courier{"Courier New", 11, false, false, true};
    f.c.setFont(courier);
    EXPECT_EQ(f.c.Font().value(), courier);
    EXPECT_EQ(&f.c.Font(), &f.box.font());
    EXPECT_THROW(f.c.setAppearance(70000), ControlError); // beyond the widgets' Integer
    f.host.clearLog();
    f.c.setLoaded(true);
    f.c.setLocked(false);
    f.c.setPrimaryKey("x");
    EXPECT_TRUE(f.host.journal.isEmpty());
}
TEST(ZEVDescriptionOnly, SavesAndReloads)
{
    DescLookup f;
    MemoryPropertyBag defaults;
    f.c.WriteProperties(defaults);
    EXPECT_EQ(defaults.keys(), QStringList{"Font"});
    DescLookup fromDefaults(false);
    fromDefaults.c.ReadProperties(defaults);
    EXPECT_EQ(fromDefaults.host.eventNames(), (QStringList{"Unload", "DescChange"}));
    EXPECT_FALSE(fromDefaults.c.Loaded());
    EXPECT_TRUE(fromDefaults.c.ShowF3());

    f.answer(true);
    f.host.type(f.box, "Ana");
    f.host.pressKey(f.box, KeyCodes::Return);
    f.c.setFontSize(10);
    f.c.setBackColor(Colors::Blue);
    MemoryPropertyBag bag;
    f.c.WriteProperties(bag);
    EXPECT_EQ(bag.keys(), (QStringList{"BackColor", "Description", "Font", "FontSize", "Loaded", "PrimaryKey"}));
    DescLookup reloaded(false);
    reloaded.c.ReadProperties(bag);
    EXPECT_EQ(reloaded.c.Description(), "Ana");
    EXPECT_TRUE(reloaded.c.Loaded());
    EXPECT_EQ(reloaded.c.PrimaryKey(), "PK9");
    EXPECT_EQ(reloaded.box.BackColor(), Colors::Blue);
    EXPECT_EQ(reloaded.box.font().Size(), 10);
}

TEST(ZEVDescriptionOnly, LaysOutBoxAndButtonWithoutMinimumHeight)
{
    const std::tuple<float, float, bool, float, float> cases[] = {
        // width, height, ShowF3, button left, box width
        {3000, 300, true, 2625, 2595},
        {3000, 300, false, 2625, 3000}, // the hidden button still moves
        {3000, 150, true, 2625, 2595},
        {300, 300, true, -75, 0}, // narrower than the button: the box collapses
        {0, 0, false, -375, 0},
    };
    for (const auto& [width, height, showF3, buttonLeft, boxWidth] : cases) {
        DescLookup f(true, width, height);
        f.c.setShowF3(showF3);
        EXPECT_EQ(f.f3.Left(), buttonLeft) << width;
        EXPECT_EQ(f.f3.Visible(), showF3);
        EXPECT_EQ(f.box.Left(), 0);
        EXPECT_EQ(f.box.Width(), boxWidth) << width;
        EXPECT_EQ(f.box.Height(), height);
        EXPECT_EQ(f.f3.Height(), height);
    }
}
TEST(LookupAbout, OneFormShowsTheLatestCallersName)
{
    // The single shared form is the kit's rule (TestKit); here each lookup names itself.
    TestHost first;
    ZEVCodeDescription code(first);
    code.About();
    TestHost second;
    ZEVDescriptionOnly description(second);
    description.About();
    ASSERT_EQ(second.shownForms.size(), 1u);
    EXPECT_EQ(second.shownForms[0].captions.value("lblDescription"), "ZEVDescriptionOnly");
    EXPECT_EQ(first.shownForms[0].captions.value("lblDescription"), "ZEVCodeDescription");
}

#include "codedescription/ZEVCodeDescription.h"
#include "descriptiononly/ZEVDescriptionOnly.h"
#include "library/ComRuntime.h"
#include "framework/KeyCodes.h"
#include "framework/MemoryPropertyBag.h"
#include "framework/frmAbout.h"
#include "testkit/TestHost.h"
#include "tests/LookupTriggers.h"

#include <gtest/gtest.h>

using namespace zev;

namespace {

// A description lookup on a form: created, initialised as newly placed, 3000 x 300 twips.
struct DescLookup : zev::testing::Placed<ZEVDescriptionOnly> {
    TestFlatEdit& box = host.edit("txtDescription");
    TestPushButton& f3 = host.button("cmdSearch");

    explicit DescLookup(bool newlyPlaced = true, float width = 3000, float height = 300)
        : Placed(width, height, newlyPlaced)
    {
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
    // Typing inside the text: the setter's write-back leaves the caret after the key typed.
    f.host.type(f.box, "ana");
    f.box.setSelStart(1);
    f.host.type(f.box, "x");
    EXPECT_EQ(f.c.Description(), "axna");
    EXPECT_EQ(f.box.SelStart(), 2);
}
TEST(ZEVDescriptionOnly, SearchByKeyKeepsTheTextSearchByButtonLoadsAndFocuses)
{
    // The keys search and leave the text, caret and focus alone; the button
    // loads and selects a record found, empties the box otherwise, and gives
    // it the focus, from wherever the focus was.
    for (const auto& [name, trigger, source, button] : zev::testing::searchTriggers<ZEVDescriptionOnly>("txtDescription")) {
        for (bool found : {true, false}) {
            SCOPED_TRACE(std::string(name) + (found ? " found" : " not found"));
            DescLookup f;
            f.host.type(f.box, "ana");
            f.c.setPrimaryKey("old");
            f.answer(found);
            if (button)
                f.host.focusElsewhere();
            f.host.clearLog();
            trigger(f.host, f.c);
            if (source < 0) {
                EXPECT_TRUE(f.host.events.empty());
                continue;
            }
            const QStringList events = !button ? QStringList{"Search"}
                : found ? QStringList{"Search", "Load"}
                        : QStringList{"Search", "DescChange", "Unload", "DescChange", "Unload", "DescChange"};
            EXPECT_EQ(f.host.eventNames(), events);
            EXPECT_EQ(f.host.events.at(0).arguments, (QVariantList{QString(), false, source}));
            EXPECT_EQ(f.c.Loaded(), found);
            EXPECT_EQ(f.c.PrimaryKey(), found ? "PK9" : "");
            EXPECT_EQ(f.c.Description(), button && !found ? "" : "ana");
            EXPECT_EQ(f.box.SelStart(), button ? 0 : 3);
            EXPECT_EQ(f.box.SelLength(), button && found ? 3 : 0);
            EXPECT_EQ(f.host.ActiveControl(), &f.box);
        }
    }
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

#include "codedescription/ZEVCodeDescription.h"
#include "library/ComRuntime.h"
#include "framework/KeyCodes.h"
#include "framework/MemoryPropertyBag.h"
#include "testkit/TestHost.h"
#include "tests/LookupTriggers.h"

#include <gtest/gtest.h>

using namespace zev;

namespace {

// A lookup on a form: created, initialised as newly placed, 4000 x 300 twips.
struct Lookup : zev::testing::Placed<ZEVCodeDescription> {
    TestFlatEdit& code = host.edit("txtCode");
    TestPushButton& f3 = host.button("cmdSearch");
    TestSSPanel& panel = host.panel("panDescription");
    QStringList searchedCodes; // the code each Search saw

    explicit Lookup(bool newlyPlaced = true, float width = 4000, float height = 300) : Placed(width, height, newlyPlaced) {}
    // A host that finds every code: description and key, then Success.
    void answerFound(const QString& description = "Cliente", const QString& key = "PK1")
    {
        host.on("Search", [this, description, key](QVariantList& a) {
            searchedCodes << c.Code();
            c.setDescription(description);
            a[0] = key;
            a[1] = true;
        });
    }
    void answerNotFound()
    {
        host.on("Search", [this](QVariantList& a) {
            searchedCodes << c.Code();
            a[0] = "ignored"; // a key without Success counts for nothing
        });
    }
    void cancelEveryUnload() { host.on("Unload", [](QVariantList& a) { a[0] = qint16(1); }); }
    // Loaded through the host's Code and a successful F3.
    void loadRecord(const QString& codeText = "42")
    {
        c.setCode(codeText);
        answerFound();
        eSource source = F3;
        c.ForceSearch(source);
        host.clearLog();
        searchedCodes.clear();
    }
};

} // namespace

TEST(ZEVCodeDescription, DescriptionIsTrimmedAndLoadsOnlyWhenTheCaptionChanges)
{
    struct Case {
        const char* shown;
        bool loadedBefore;
        const char* value;
        const char* caption;
        bool loaded;
        QStringList journal;
    };
    const Case cases[] = {
        {"", false, "  Maria  ", "Maria", true, {"Load", "changed:Description", "DescChange"}},
        {"Maria", true, "Maria", "Maria", true, {}},
        {"Maria", false, "   ", "", false, {"changed:Description", "DescChange"}},
        {"", true, "   ", "", true, {}}, // nothing at all: Loaded keeps its value
        {"", false, "\tJo", "\tJo", true, {"Load", "changed:Description", "DescChange"}},
    };
    for (const auto& k : cases) {
        Lookup f;
        f.panel.setCaption(k.shown);
        f.c.setLoaded(k.loadedBefore);
        f.c.setDescription(QString::fromUtf8(k.value));
        EXPECT_EQ(f.c.Description(), k.caption) << k.value;
        EXPECT_EQ(f.c.Loaded(), k.loaded) << k.value;
        EXPECT_EQ(f.host.journal, k.journal) << k.value;
    }
}

TEST(ZEVCodeDescription, RangedPropertiesAreReplacedByTheirBoundsAndNotifyOnce)
{
    struct Case {
        qint16 maxLength, expectedMaxLength, size, expectedSize;
        float width;
    };
    const Case cases[] = {{30, 25, 40, 25, 2750}, {-3, 1, 0, 1, 110}, {0, 0, -7, 1, 110}, {12, 12, 7, 7, 770}};
    for (const auto& k : cases) {
        Lookup f;
        f.c.setCodeMaxLength(k.maxLength);
        f.c.setCodeSize(k.size);
        EXPECT_EQ(f.c.CodeMaxLength(), k.expectedMaxLength);
        EXPECT_EQ(f.c.CodeSize(), k.expectedSize);
        EXPECT_EQ(f.code.Width(), k.width);
        EXPECT_EQ(f.f3.Left(), k.width + 30); // CodeSize re-lays the row
        EXPECT_EQ(f.host.propertyChanges, (QStringList{"CodeMaxLength", "CodeSize"}));
    }
    Lookup f;
    for (auto [width, size] : {std::pair{1155.f, 10}, {1265.f, 12}, {1210.f, 11}}) {
        f.code.setWidth(width); // halves go to the even neighbour
        EXPECT_EQ(f.c.CodeSize(), size) << width;
    }
}

TEST(ZEVCodeDescription, ColoursFollowLockedAndEnabledFontsAreTheWidgetsOwn)
{
    Lookup f;
    f.c.setLocked(true);
    f.c.setCodeBackColor(Colors::Red);
    f.c.setDescriptionBackColor(Colors::Blue); // Locked is not consulted here
    EXPECT_EQ(f.code.BackColor(), Colors::White);
    EXPECT_EQ(f.panel.BackColor(), Colors::Blue);
    f.c.setEnabled(false);
    f.c.setCodeBackColor(0x123456);
    EXPECT_EQ(f.code.BackColor(), Colors::ButtonFace);
    EXPECT_EQ(f.panel.BackColor(), Colors::ButtonFace);
    EXPECT_FALSE(f.f3.Enabled() || f.panel.Enabled());
    f.c.setEnabled(true); // the stored colours come back, Locked or not
    EXPECT_EQ(f.code.BackColor(), 0x123456u);
    EXPECT_EQ(f.panel.BackColor(), Colors::Blue);

    f.c.CodeFont().setItalic(true);
    EXPECT_TRUE(f.code.font().Italic());
    FontDesc courier{"Courier New", 10, true};
    courier.weight = 800;
    courier.charset = 2;
    f.c.setCodeFont(courier);
    EXPECT_EQ(f.code.font().value(), courier);
    f.c.setDescriptionFont(f.c.DescriptionFont()); // its own font: unchanged
    EXPECT_EQ(f.panel.font().value(), (FontDesc{"Tahoma", 8.25}));
    f.c.setFontSize(12);
    EXPECT_EQ(f.panel.font().Size(), 12);
    f.panel.font().setItalic(true);
    EXPECT_FALSE(f.c.FontItalic()); // read from the code box only
    EXPECT_THROW(f.c.setFontSize(0), ControlError);

    f.host.clearLog();
    f.c.setFillZeros(true);
    f.c.setLoaded(true);
    f.c.setLocked(false);
    f.c.setPrimaryKey("7");
    EXPECT_TRUE(f.host.journal.isEmpty());
}

TEST(ZEVCodeDescription, EveryTriggerSearchesTheSameWay)
{
    for (const auto& [name, trigger, source, button] : zev::testing::searchTriggers<ZEVCodeDescription>("txtCode")) {
        for (bool found : {true, false}) {
            Lookup f;
            f.loadRecord("42"); // from the host: the focus is elsewhere
            found ? f.answerFound("Cliente 42", "PK42") : f.answerNotFound();
            trigger(f.host, f.c);
            if (source < 0) {
                EXPECT_TRUE(f.host.events.empty()) << name;
                continue;
            }
            ASSERT_FALSE(f.host.events.empty());
            EXPECT_EQ(f.host.events[0].arguments, (QVariantList{QString(), false, source})) << name;
            EXPECT_EQ(f.searchedCodes, QStringList{"42"});
            EXPECT_EQ(f.c.Loaded(), found);
            if (found) {
                // Load twice: from the Description setter inside Search, and after it.
                EXPECT_EQ(f.host.journal, (QStringList{"Search", "Load", "changed:Description", "DescChange", "Load"}))
                    << name;
                EXPECT_EQ(f.c.PrimaryKey(), "PK42");
                EXPECT_EQ(f.c.Description(), "Cliente 42");
            } else {
                // A key without Success counts for nothing; the code is selected for retyping.
                EXPECT_EQ(f.host.journal, (QStringList{"Search", "changed:Description", "DescChange"})) << name;
                EXPECT_EQ(f.c.PrimaryKey(), "");
                EXPECT_EQ(f.c.Description(), "");
                EXPECT_EQ(f.code.selectedText(), "42");
            }
        }
    }
}

TEST(ZEVCodeDescription, FillZerosPadsTheCodeBeforeSearching)
{
    struct Case {
        qint16 maxLength;
        const char* typed;
        const char* searched;
        QStringList events;
    };
    const Case cases[] = {
        {6, "42", "000042", {"CodeChange", "Unload", "Search"}},
        {6, "123456", "123456", {"Search"}},
        {6, " 12 ", "000012", {"CodeChange", "Unload", "Search"}},
        {0, " 7 ", "7", {"CodeChange", "Unload", "Search"}}, // only trimmed
    };
    for (const auto& k : cases) {
        Lookup f;
        f.c.setFillZeros(true);
        f.c.setCodeMaxLength(k.maxLength);
        f.answerNotFound();
        f.host.type(f.code, k.typed);
        f.host.clearLog();
        f.host.pressKey(f.code, KeyCodes::Return);
        EXPECT_EQ(f.searchedCodes, QStringList{k.searched}) << k.typed;
        EXPECT_EQ(f.host.eventNames(), k.events) << k.typed;
        EXPECT_EQ(f.host.events.back().arguments.at(2), QVariant(qint32(Enter)));
    }
}

TEST(ZEVCodeDescription, CodeChangesLeavingAndClearUnloadUnlessTheHostCancels)
{
    using Action = std::function<void(Lookup&)>;
    const Action typeFive = [](Lookup& f) { f.host.type(f.code, "5"); };
    const Action tabOut = [](Lookup& f) { f.host.focus(f.code); f.host.tab(); f.host.tab(); };
    const Action clear = [](Lookup& f) { f.c.Clear(); };
    struct Case {
        const char* name;
        bool loaded, cancel;
        Action action;
        QStringList events;
        const char* code;
    };
    const Case cases[] = {
        {"typing into a loaded control", true, false, typeFive, {"DescChange", "CodeChange", "Unload"}, "542"},
        // The cancel brings back the last assigned code; that write runs the change handling
        // once more, and both Code setters (inner and outer) raise CodeChange.
        {"typing, cancelled", true, true, typeFive,
         {"DescChange", "CodeChange", "Unload", "CodeChange", "Unload", "CodeChange", "CodeChange"}, "42"},
        {"tabbing out unloaded", false, false, tabOut, {"Unload", "CodeChange", "Unload", "CodeChange"}, ""},
        {"tabbing out unloaded, cancelled", false, true, tabOut, {"Unload"}, "42"},
        {"tabbing out loaded", true, false, tabOut, {}, "42"},
        // The button leaves the focus in the code box: the typed code is searched.
        {"clicking F3 unloaded", false, false, [](Lookup& f) { f.host.focus(f.code); f.host.click(f.f3); },
         {"Search"}, "42"},
        {"Clear", true, false, clear, {"Unload", "DescChange", "CodeChange", "Unload", "CodeChange"}, ""},
        {"Clear, cancelled", true, true, clear, {"Unload"}, "42"},
    };
    for (const auto& k : cases) {
        Lookup f;
        if (k.loaded)
            f.loadRecord("42");
        else
            f.host.type(f.code, "42");
        f.host.clearLog();
        if (k.cancel)
            f.cancelEveryUnload();
        k.action(f);
        EXPECT_EQ(f.host.eventNames(), k.events) << k.name;
        EXPECT_EQ(f.c.Code(), k.code) << k.name;
        const bool keepsRecord = k.loaded && (k.events.isEmpty() || k.events == QStringList{"Unload"});
        EXPECT_EQ(f.c.Loaded(), keepsRecord) << k.name;
        EXPECT_EQ(f.c.PrimaryKey(), keepsRecord ? "PK1" : "") << k.name;
        EXPECT_EQ(f.c.Description(), keepsRecord ? "Cliente" : "") << k.name;
    }
}

TEST(ZEVCodeDescription, HostHandlersThatSetPropertiesEnd)
{
    // Every Unload forces the code back to "X": the second write is no change.
    Lookup f;
    f.host.on("Unload", [&](QVariantList&) { f.c.setCode("X"); });
    f.host.type(f.code, "12");
    f.host.focusElsewhere();
    f.c.Clear();
    EXPECT_EQ(f.c.Code(), "X");

    // Load answered by re-setting the description, DescChange by changing the key.
    Lookup g;
    g.host.on("Load", [&](QVariantList&) { g.c.setDescription(g.c.Description().toUpper()); });
    g.host.on("DescChange", [&](QVariantList&) { g.c.setPrimaryKey("dc"); });
    g.answerFound("ana", "PK");
    g.host.type(g.code, "1");
    g.host.pressKey(g.code, KeyCodes::F3);
    EXPECT_EQ(g.c.Description(), "ANA");
    EXPECT_EQ(g.c.PrimaryKey(), "PK");
    EXPECT_TRUE(g.c.Loaded());
}

TEST(ZEVCodeDescription, StoredFontsGiveTheirNamesOnly)
{
    MemoryPropertyBag fonts;
    fonts.insert("CodeFont", QVariant::fromValue(FontDesc{"Courier New", 20, false, true}));
    fonts.insert("FontSize", qint32(12));
    fonts.insert("FontBold", true);
    fonts.insert("Description", QString("Ana"));
    Lookup styled(false);
    styled.c.ReadProperties(fonts);
    EXPECT_FALSE(styled.c.Loaded()); // the stored Loaded, read after Description, decides
    EXPECT_EQ(styled.code.font().value(), (FontDesc{"Courier New", 12, true, false, false, false, 700}));
    EXPECT_EQ(styled.panel.font().value(), (FontDesc{"Tahoma", 12, true, false, false, false, 700}));
    fonts.insert("CodeSize", QString("wide"));
    EXPECT_THROW(Lookup(false).c.ReadProperties(fonts), ControlError);
}

TEST(ZEVCodeDescription, LaysOutItsRowAndSkipsRefusedSteps)
{
    struct Case {
        float height;
        bool showF3;
        float codeHeight, rowHeight, panelLeft, panelWidth;
    };
    const Case cases[] = {
        {300, true, 300, 300, 1535, 2465},
        {300, false, 300, 300, 1130, 2870},
        {200, true, 225, 255, 1535, 2465}, // never below the design heights
        {240, true, 240, 255, 1535, 2465},
    };
    for (const auto& k : cases) {
        Lookup f(true, 4000, k.height);
        f.c.setShowF3(k.showF3);
        EXPECT_EQ(f.code.Width(), 1100);
        EXPECT_EQ(f.code.Height(), k.codeHeight);
        EXPECT_EQ(f.f3.Left(), 1130);
        EXPECT_EQ(f.f3.Visible(), k.showF3);
        EXPECT_EQ(f.f3.Height(), k.rowHeight);
        EXPECT_EQ(f.panel.Left(), k.panelLeft);
        EXPECT_EQ(f.panel.Width(), k.panelWidth);
        EXPECT_EQ(f.panel.Height(), k.rowHeight);
    }
    // Too narrow for the row: the panel keeps its width, every other step still runs.
    Lookup f;
    f.c.setCodeSize(25);
    f.host.resize(2000, 300);
    EXPECT_EQ(f.panel.Left(), 3185);
    EXPECT_EQ(f.panel.Width(), 815);
    f.c.setShowF3(false);
    EXPECT_FALSE(f.f3.Visible());
    EXPECT_EQ(f.panel.Left(), 2780);
}

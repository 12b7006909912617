#include "codedescription/ZEVCodeDescription.h"
#include "framework/ComRuntime.h"
#include "framework/EntryPoints.h"
#include "framework/KeyCodes.h"
#include "framework/MemoryPropertyBag.h"
#include "framework/frmAbout.h"
#include "testkit/TestHost.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace zev;

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
static void PrintTo(const QStringList& l, std::ostream* os) { *os << '[' << l.join(", ").toStdString() << ']'; }

namespace {

// A lookup on a form: created, initialised as newly placed, 4000 x 300 twips.
struct Lookup {
    TestHost host;
    ZEVCodeDescription c{host};
    TestFlatEdit& code = host.edit("txtCode");
    TestPushButton& f3 = host.button("cmdSearch");
    TestSSPanel& panel = host.panel("panDescription");
    QStringList searchedCodes; // the code each Search saw

    explicit Lookup(bool newlyPlaced = true, float width = 4000, float height = 300)
    {
        c.Initialize();
        if (newlyPlaced) {
            c.InitProperties();
            host.resize(width, height);
        }
        host.clearLog();
    }
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
    }
};

} // namespace

TEST(ZEVCodeDescription, PublishesItsIdentifiersAndIsCreatedByTheLibrary)
{
    const ClassDescriptor& d = ZEVCodeDescription::descriptor();
    struct Expect {
        const char* name;
        quint32 id;
        bool hidden;
    };
    const Expect members[] = {
        {"ControlCode", 0x40030002, true},  {"ControlSearch", 0x40030000, true},
        {"Appearance", 0x68030016, false},  {"Code", 0x68030015, false},
        {"CodeFont", 0xFFFFFE00, false},    {"Enabled", 0xFFFFFDFE, false},
        {"FontSize", 0x68030005, false},    {"Loaded", 0x68030003, true},
        {"PrimaryKey", 0x68030001, true},   {"ShowF3", 0x68030000, false},
        {"About", 0xFFFFFDD8, false},       {"Clear", 0xFFFFFDDA, false},
        {"ForceSearch", 0x60030000, false},
    };
    for (const auto& m : members) {
        const MemberInfo* info = d.member(m.name);
        ASSERT_NE(info, nullptr) << m.name;
        EXPECT_EQ(quint32(info->dispId), m.id) << m.name;
        EXPECT_EQ(info->hidden, m.hidden) << m.name;
    }
    EXPECT_EQ(d.members.size(), 29u);
    const QStringList events{"CodeChange", "DescChange", "Search", "Load", "Unload"};
    for (int i = 0; i < events.size(); ++i)
        EXPECT_EQ(d.event(events[i])->id, i + 1);
    EXPECT_EQ(d.event("Unload")->arguments, QStringList{"Cancel"});
    EXPECT_EQ(d.defaultEvent, "Search");

    TestHost byName;
    auto control = ComRuntime::instance().CreateControl("ZEVCodeDescription", byName);
    ASSERT_TRUE(dynamic_cast<ZEVCodeDescription*>(control.get()));
    EXPECT_EQ(control->ClassName(), "ZEVCodeDescription");
    EXPECT_NE(byName.widget("panDescription"), nullptr);

    const QUuid clsid = LibraryIdentity::FindClass(QStringLiteral("ZEVCodeDescription"))->clsid;
    ZevGuid guid{clsid.data1, clsid.data2, clsid.data3, {}};
    std::copy(std::begin(clsid.data4), std::end(clsid.data4), guid.Data4);
    const QUuid iid = InterfaceId::IClassFactory();
    ZevGuid factoryIid{iid.data1, iid.data2, iid.data3, {}};
    std::copy(std::begin(iid.data4), std::end(iid.data4), factoryIid.Data4);
    void* object = nullptr;
    ASSERT_EQ(DllGetClassObject(&guid, &factoryIid, &object), HResult::Ok);
    TestHost byId;
    auto second = static_cast<ClassFactory*>(object)->CreateInstance(byId);
    EXPECT_TRUE(dynamic_cast<ZEVCodeDescription*>(second.get()));
    EXPECT_EQ(DllCanUnloadNow(), HResult::False); // two controls alive
}

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

TEST(ZEVCodeDescription, BackgroundsFollowLockedAndEnabled)
{
    Lookup f;
    f.c.setLocked(true);
    f.c.setCodeBackColor(Colors::Red);
    EXPECT_EQ(f.code.BackColor(), Colors::White);
    EXPECT_EQ(f.panel.BackColor(), Colors::ButtonFace);
    f.c.setDescriptionBackColor(Colors::Blue); // Locked is not consulted here
    EXPECT_EQ(f.panel.BackColor(), Colors::Blue);
    f.c.setEnabled(false);
    f.c.setCodeBackColor(0x00123456);
    f.c.setDescriptionBackColor(0x00654321);
    EXPECT_EQ(f.code.BackColor(), Colors::ButtonFace);
    EXPECT_EQ(f.panel.BackColor(), Colors::ButtonFace);
    EXPECT_FALSE(f.f3.Enabled());
    EXPECT_FALSE(f.panel.Enabled());
    f.c.setEnabled(true); // the stored colours come back, Locked or not
    EXPECT_EQ(f.code.BackColor(), 0x00123456u);
    EXPECT_EQ(f.panel.BackColor(), 0x00654321u);
    f.c.setLocked(false);
    EXPECT_EQ(f.code.BackColor(), 0x00123456u);

    f.host.clearLog();
    f.c.setFillZeros(true);
    f.c.setLoaded(true);
    f.c.setLocked(true);
    f.c.setPrimaryKey("7");
    EXPECT_TRUE(f.host.journal.isEmpty());
    f.c.setCode("9");
    EXPECT_EQ(f.host.eventNames().count("CodeChange"), 2);
}

TEST(ZEVCodeDescription, FontsAreTheWidgetsOwnAndCopiedAttributeByAttribute)
{
    Lookup f;
    f.c.CodeFont().setItalic(true);
    EXPECT_TRUE(f.code.font().Italic());
    EXPECT_EQ(&f.c.DescriptionFont(), &f.panel.font());

    FontDesc courier{"Courier New", 10};
    courier.weight = 800;
    courier.bold = true;
    courier.charset = 2;
    f.c.setCodeFont(courier);
    EXPECT_EQ(f.code.font().value(), courier);
    f.c.setDescriptionFont(f.c.DescriptionFont()); // its own font: unchanged
    EXPECT_EQ(f.panel.font().value(), (FontDesc{"Tahoma", 8.25}));

    EXPECT_EQ(f.c.FontSize(), 10);
    f.c.setFontSize(12);
    f.c.setFontUnderline(true);
    EXPECT_EQ(f.panel.font().Size(), 12);
    EXPECT_TRUE(f.panel.font().Underline());
    f.panel.font().setItalic(true);
    EXPECT_FALSE(f.c.FontItalic()); // read from the code box only
    EXPECT_THROW(f.c.setFontSize(0), ControlError);
}

TEST(ZEVCodeDescription, EveryTriggerSearchesTheSameWay)
{
    struct Case {
        const char* name;
        std::function<void(Lookup&)> trigger;
        qint32 source;
    };
    const Case cases[] = {
        {"F3 key", [](Lookup& f) { f.host.pressKey(f.code, KeyCodes::F3); }, 0},
        {"Ctrl+F3", [](Lookup& f) { f.host.pressKey(f.code, KeyCodes::F3, ShiftBits::Ctrl); }, 0},
        {"Enter", [](Lookup& f) { f.host.pressKey(f.code, KeyCodes::Return); }, 1},
        {"button", [](Lookup& f) { f.host.click(f.f3); }, 0},
        {"ForceSearch F3", [](Lookup& f) { eSource s = F3; f.c.ForceSearch(s); }, 0},
        {"ForceSearch Enter", [](Lookup& f) { eSource s = Enter; f.c.ForceSearch(s); }, 1},
    };
    for (const auto& k : cases) {
        Lookup f;
        f.c.setCode("42"); // from the host: the focus is elsewhere
        f.answerFound("Cliente 42", "PK42");
        f.host.clearLog();
        k.trigger(f);
        // Load twice: from the Description setter inside Search, and after it.
        EXPECT_EQ(f.host.journal, (QStringList{"Search", "Load", "changed:Description", "DescChange", "Load"})) << k.name;
        ASSERT_EQ(f.host.events.size(), 4u);
        EXPECT_EQ(f.host.events[0].arguments, (QVariantList{QString(), false, k.source})) << k.name;
        EXPECT_EQ(f.searchedCodes, QStringList{"42"});
        EXPECT_TRUE(f.c.Loaded());
        EXPECT_EQ(f.c.PrimaryKey(), "PK42");
        EXPECT_EQ(f.c.Description(), "Cliente 42");
    }
    Lookup f;
    eSource other = eSource(5);
    f.c.ForceSearch(other);
    f.host.pressKey(f.code, KeyCodes::F1);
    EXPECT_TRUE(f.host.events.empty());
}

TEST(ZEVCodeDescription, AFailedSearchEmptiesTheRecordAndSelectsTheCode)
{
    Lookup f;
    f.loadRecord("123");
    f.answerNotFound();
    f.host.pressKey(f.code, KeyCodes::Return);
    EXPECT_EQ(f.host.eventNames(), (QStringList{"Search", "DescChange"}));
    EXPECT_FALSE(f.c.Loaded());
    EXPECT_EQ(f.c.PrimaryKey(), "");
    EXPECT_EQ(f.c.Description(), "");
    EXPECT_EQ(f.code.selectedText(), "123");
    EXPECT_EQ(f.host.ActiveControl(), &f.code);
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

TEST(ZEVCodeDescription, TypingIntoALoadedControlUnloadsItUnlessTheHostCancels)
{
    Lookup f;
    f.loadRecord("42");
    f.host.type(f.code, "5");
    EXPECT_EQ(f.host.eventNames(), (QStringList{"DescChange", "CodeChange", "Unload"}));
    EXPECT_EQ(f.c.Code(), "542");
    EXPECT_FALSE(f.c.Loaded());
    EXPECT_EQ(f.c.PrimaryKey(), "");

    Lookup g;
    g.loadRecord("42");
    g.cancelEveryUnload();
    g.host.type(g.code, "5");
    // The cancel brings back the last assigned code; that write runs the change
    // handling once more, and both Code setters (inner and outer) raise CodeChange.
    EXPECT_EQ(g.host.journal, (QStringList{"changed:Description", "DescChange", "CodeChange", "Unload", "CodeChange",
                                           "Unload", "CodeChange", "changed:Code", "CodeChange", "changed:Code"}));
    EXPECT_EQ(g.c.Code(), "42");
    EXPECT_EQ(g.c.Description(), ""); // the record is not brought back
    EXPECT_FALSE(g.c.Loaded());
    EXPECT_EQ(g.c.PrimaryKey(), "");
}

TEST(ZEVCodeDescription, LeavingAnUnloadedCodeBoxClearsIt)
{
    Lookup f;
    f.host.type(f.code, "77");
    f.host.clearLog();
    f.host.tab();
    EXPECT_EQ(f.host.eventNames(), (QStringList{"Unload", "CodeChange", "Unload", "CodeChange"}));
    EXPECT_EQ(f.c.Code(), "");

    Lookup cancelled;
    cancelled.host.type(cancelled.code, "77");
    cancelled.cancelEveryUnload();
    cancelled.host.clearLog();
    cancelled.host.focusElsewhere();
    EXPECT_EQ(cancelled.host.eventNames(), QStringList{"Unload"});
    EXPECT_EQ(cancelled.c.Code(), "77");

    Lookup loaded;
    loaded.loadRecord();
    loaded.host.focus(loaded.code);
    loaded.host.tab();
    loaded.host.tab();
    EXPECT_TRUE(loaded.host.events.empty());
    EXPECT_EQ(loaded.c.Description(), "Cliente");

    // The button takes the focus before its click, so an unconfirmed code is cleared before the search.
    Lookup clicked;
    clicked.answerNotFound();
    clicked.host.type(clicked.code, "42");
    clicked.host.clearLog();
    clicked.host.click(clicked.f3);
    EXPECT_EQ(clicked.host.eventNames(), (QStringList{"Unload", "CodeChange", "Unload", "CodeChange", "Search"}));
    EXPECT_EQ(clicked.searchedCodes, QStringList{""});
}

TEST(ZEVCodeDescription, ClearUnloadsUnlessCancelled)
{
    Lookup f;
    f.loadRecord("42");
    f.c.Clear();
    EXPECT_EQ(f.host.eventNames(), (QStringList{"Unload", "DescChange", "CodeChange", "Unload", "CodeChange"}));
    EXPECT_EQ(f.c.Code(), "");
    EXPECT_EQ(f.c.Description(), "");
    EXPECT_FALSE(f.c.Loaded());

    Lookup g;
    g.loadRecord("42");
    g.cancelEveryUnload();
    g.c.Clear();
    EXPECT_EQ(g.host.eventNames(), QStringList{"Unload"});
    EXPECT_TRUE(g.c.Loaded());
    EXPECT_EQ(g.c.Code(), "42");
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

TEST(ZEVCodeDescription, SavesOnlyWhatDiffersAndReloadsALoadedRecord)
{
    MemoryPropertyBag defaults;
    Lookup f;
    f.c.WriteProperties(defaults);
    EXPECT_EQ(defaults.keys(), (QStringList{"CodeFont", "DescriptionFont"}));
    Lookup fromDefaults(false);
    fromDefaults.c.ReadProperties(defaults);
    EXPECT_EQ(fromDefaults.code.Width(), 1100);
    EXPECT_EQ(fromDefaults.c.CodeMaxLength(), 4);
    EXPECT_TRUE(fromDefaults.c.ShowF3());
    EXPECT_TRUE(fromDefaults.c.Enabled());

    Lookup saved;
    saved.loadRecord("42");
    saved.c.setFieldPkey("id_cliente");
    saved.c.setCodeSize(6);
    saved.c.setFontBold(true);
    MemoryPropertyBag bag;
    saved.c.WriteProperties(bag);
    EXPECT_EQ(bag.keys(), (QStringList{"Code", "CodeFont", "CodeSize", "Description", "DescriptionFont", "FieldPkey",
                                       "FontBold", "Loaded", "PrimaryKey"}));
    Lookup reloaded(false);
    reloaded.c.ReadProperties(bag);
    EXPECT_EQ(reloaded.host.eventNames(), (QStringList{"CodeChange", "Unload", "CodeChange", "Load", "DescChange"}));
    EXPECT_EQ(reloaded.c.Code(), "42");
    EXPECT_EQ(reloaded.c.Description(), "Cliente");
    EXPECT_TRUE(reloaded.c.Loaded());
    EXPECT_EQ(reloaded.c.PrimaryKey(), "PK1");
    EXPECT_EQ(reloaded.c.CodeSize(), 6);
    EXPECT_TRUE(reloaded.panel.font().Bold());

    // Stored fonts give their names only; the Font... keys decide the rest, for both fonts.
    MemoryPropertyBag fonts;
    FontDesc stored{"Courier New", 20};
    stored.italic = true;
    fonts.insert("CodeFont", QVariant::fromValue(stored));
    fonts.insert("FontSize", qint32(12));
    fonts.insert("FontBold", true);
    Lookup styled(false);
    styled.c.ReadProperties(fonts);
    EXPECT_EQ(styled.code.font().Name(), "Courier New");
    EXPECT_EQ(styled.panel.font().Name(), "Tahoma");
    for (Font* font : {&styled.code.font(), &styled.panel.font()}) {
        EXPECT_EQ(font->Size(), 12);
        EXPECT_TRUE(font->Bold());
        EXPECT_FALSE(font->Italic());
    }
    MemoryPropertyBag wrong;
    wrong.insert("CodeSize", QString("wide"));
    Lookup failing(false);
    EXPECT_THROW(failing.c.ReadProperties(wrong), ControlError);
}

TEST(ZEVCodeDescription, LaysOutItsRowAndSkipsRefusedSteps)
{
    struct Case {
        float width, height;
        bool showF3;
        float codeHeight, buttonHeight, panelLeft, panelWidth;
    };
    const Case cases[] = {
        {4000, 300, true, 300, 300, 1535, 2465},
        {4000, 300, false, 300, 300, 1130, 2870},
        {4000, 200, true, 225, 255, 1535, 2465}, // never below the design heights
        {4000, 240, true, 240, 255, 1535, 2465},
    };
    for (const auto& k : cases) {
        Lookup f(true, k.width, k.height);
        f.c.setShowF3(k.showF3);
        EXPECT_EQ(f.code.Left(), 0);
        EXPECT_EQ(f.code.Width(), 1100);
        EXPECT_EQ(f.code.Height(), k.codeHeight);
        EXPECT_EQ(f.f3.Left(), 1130);
        EXPECT_EQ(f.f3.Width(), 375);
        EXPECT_EQ(f.f3.Visible(), k.showF3);
        EXPECT_EQ(f.f3.Height(), k.buttonHeight);
        EXPECT_EQ(f.panel.Left(), k.panelLeft);
        EXPECT_EQ(f.panel.Width(), k.panelWidth);
        EXPECT_EQ(f.panel.Height(), k.buttonHeight);
    }
    // Too narrow for the row: the panel keeps its width, every other step still runs.
    Lookup f;
    f.c.setCodeSize(25);
    EXPECT_EQ(f.panel.Width(), 815);
    f.host.resize(2000, 300);
    EXPECT_EQ(f.panel.Left(), 3185);
    EXPECT_EQ(f.panel.Width(), 815);
    f.c.setShowF3(false);
    EXPECT_FALSE(f.f3.Visible());
    EXPECT_EQ(f.panel.Left(), 2780);
}

TEST(ZEVCodeDescription, AboutAndTheWidgetAccessors)
{
    Lookup f;
    EXPECT_EQ(f.c.ControlCode(), &f.code);
    EXPECT_EQ(f.c.ControlDescription(), &f.panel);
    EXPECT_EQ(f.c.ControlSearch(), &f.f3);
    f.c.About();
    ASSERT_EQ(f.host.shownForms.size(), 1u);
    EXPECT_EQ(f.host.shownForms[0].name, "frmAbout");
    EXPECT_EQ(f.host.shownForms[0].captions.value("lblDescription"), "ZEVCodeDescription");
    f.c.Terminate();
    EXPECT_EQ(f.c.ControlCode(), nullptr);
    EXPECT_EQ(f.c.ControlDescription(), nullptr);
    EXPECT_EQ(f.c.ControlSearch(), nullptr);
}

#include "library/ComRuntime.h"
#include "framework/KeyCodes.h"
#include "framework/MemoryPropertyBag.h"
#include "numeric/ZEVNumeric.h"
#include "testkit/TestHost.h"
#include "tests/ErrorOf.h"
#include "tests/Printers.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace zev;

namespace {

// A numeric field on a test form, newly placed (InitProperties), in pt-BR.
class NumericTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
        host.setScaleSize(1140, 525);
        field.Initialize();
        field.InitProperties();
        host.clearLog();
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    TestFlatEdit& txt() { return host.edit("txtValue"); }
    int changes() const { return int(host.eventNames().count("Change")); }

    TestHost host;
    ZEVNumeric field{host};
};

} // namespace

TEST_F(NumericTest, NewFieldShowsARightAlignedFormattedZero)
{
    EXPECT_EQ(txt().Text(), "0,00");
    EXPECT_EQ(txt().Alignment(), 1);
    EXPECT_EQ(txt().ForeColor(), Colors::Black);
    EXPECT_EQ(field.Text(), "0");
    EXPECT_TRUE(field.AllowNegative());
    EXPECT_TRUE(field.StartZero());
    EXPECT_EQ(field.ControlText(), &txt());
}

TEST_F(NumericTest, AssignedTextsAreValidatedColouredAndFormatted)
{
    struct Case {
        const char* before; // assigned first (null: none)
        bool allowNegative;
        bool startZero;
        const char* assigned;
        const char* shown;
        const char* text; // what Text reads back
        OleColor colour;
    };
    const Case cases[] = {
        {nullptr, true, true, "1234,5", "1.234,50", "1234,5", Colors::Blue},
        {nullptr, true, true, "-7", "-7,00", "-7", Colors::Red},
        {nullptr, true, true, " 12 ", "12,00", "12", Colors::Blue},
        {"1234,5", true, true, "abc", "1234,5", "1234,5", Colors::Blue}, // last readable value, unformatted
        {"1234,5", true, true, "-", "-", "0", Colors::Blue},
        {"5", true, true, "+", "+", "0", Colors::Blue},
        {nullptr, false, true, "-5", "5", "5", Colors::Black},            // made positive, left uncoloured
        {"1234,5", true, true, "", "0,00", "0", Colors::Blue},             // StartZero brings the zero back
        {"1234,5", true, false, "", "", "", Colors::Blue},
        {"8", true, true, "1E400", "0", "0", Colors::Blue},                 // overflow shows 0
        {"8", true, true, "1.234.567,891", "1.234.567,89", "1234567,89", Colors::Blue}, // Text reads the display
        {nullptr, true, true, "0,004", "0,00", "0", Colors::Blue},     // coloured by the value, not the display
        {nullptr, true, true, "2,145", "2,15", "2,15", Colors::Blue},
    };
    for (const auto& c : cases) {
        TestHost h;
        ZEVNumeric f(h);
        f.Initialize();
        f.InitProperties();
        f.setAllowNegative(c.allowNegative);
        f.setStartZero(c.startZero);
        if (c.before)
            f.setText(QString::fromUtf8(c.before));
        f.setText(QString::fromUtf8(c.assigned));
        const auto& e = h.edit("txtValue");
        EXPECT_EQ(e.Text(), QString::fromUtf8(c.shown)) << c.assigned;
        EXPECT_EQ(f.Text(), QString::fromUtf8(c.text)) << c.assigned;
        EXPECT_EQ(e.ForeColor(), c.colour) << c.assigned;
    }
}

TEST_F(NumericTest, ARefusedNegativeStandsBareWhileEditingAndIsFormattedOnLeaving)
{
    struct Case {
        bool typed; // typed by the user, else assigned by the host
        bool byTab; // left with Tab, else by clicking another control
        const char* editing; // shown before leaving
        qint32 caret;
    };
    const Case cases[] = {
        {false, false, "123", 3},
        {false, true, "123", 3},
        {true, false, "-123", 4}, // typing checks readability only: the sign goes on leaving
        {true, true, "-123", 4},
    };
    for (const auto& c : cases) {
        TestHost h;
        ZEVNumeric f(h);
        f.Initialize();
        f.InitProperties();
        f.setAllowNegative(false);
        auto& e = h.edit("txtValue");
        if (c.typed)
            h.type(e, "-123"); // replaces the selected zero
        else
            f.setText("-123");
        EXPECT_EQ(e.Text(), c.editing) << c.typed;
        EXPECT_EQ(e.SelStart(), c.caret) << c.typed;
        EXPECT_EQ(e.ForeColor(), Colors::Black) << c.typed;
        h.focus(e);
        if (c.byTab)
            h.tab();
        else
            h.focusElsewhere();
        EXPECT_EQ(e.Text(), "123,00") << c.typed << c.byTab;
        EXPECT_EQ(e.ForeColor(), Colors::Blue) << c.typed << c.byTab;
        EXPECT_EQ(f.Text(), "123") << c.typed << c.byTab;
    }
}

TEST_F(NumericTest, TypingAnUnreadableCharacterIsUndoneWithNestedChanges)
{
    field.setText("1234,5");
    host.focus(txt());
    EXPECT_EQ(txt().Text(), "1234,5"); // editing face: bare number, selected, left-aligned
    EXPECT_EQ(txt().SelLength(), 6);
    EXPECT_EQ(txt().Alignment(), 0);
    host.clearLog();

    host.type(txt(), "7");
    EXPECT_EQ(txt().Text(), "7");
    EXPECT_EQ(changes(), 1);
    host.clearLog();

    host.type(txt(), "x");
    // The undo assigns 7 (Change), formats it to 7,00 (Change), then the outer run (Change).
    EXPECT_EQ(host.eventNames(), (QStringList{"KeyDown", "KeyPress", "Change", "Change", "Change", "KeyUp"}));
    EXPECT_EQ(txt().Text(), "7,00");
    EXPECT_EQ(txt().SelStart(), 1);
    EXPECT_EQ(field.LastNumericValue(), 7);

    host.focusElsewhere();
    EXPECT_EQ(txt().Text(), "7,00");
    EXPECT_EQ(txt().Alignment(), 1);
    EXPECT_EQ(field.Text(), "7");
}

TEST_F(NumericTest, AmountsTypedWithGroupMarksStandAtEveryKeystroke)
{
    struct Case {
        const char* locale;
        qint32 format;
        const char* typed;
        const char* editing; // shown before leaving; the typed text itself when every key stands
        const char* left;    // shown after leaving
        const char* text;
    };
    const Case cases[] = {
        {"pt_BR", CurrencyFormatation, "1.500,50", "1.500,50", "R$\u00A01.500,50", "1500,5"},
        {"pt_BR", StandardFormatation, "-12.345.678,9", "-12.345.678,9", "-12.345.678,90", "-12345678,9"},
        {"en_US", StandardFormatation, "1,500.50", "1,500.50", "1,500.50", "1500.5"},
        // Two group marks in a row: the second is undone (the field shows 1,00,
        // caret after the 1), and the 5 then lands after the decimal mark.
        {"pt_BR", StandardFormatation, "1..5", "1,500", "1,50", "1,5"},
        {"pt_BR", StandardFormatation, "1,5.", "1,50", "1,50", "1,5"}, // no group mark after the decimal mark
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " " + c.typed);
        QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
        TestHost h;
        ZEVNumeric f(h);
        f.Initialize();
        f.InitProperties();
        f.setFormat(c.format);
        auto& e = h.edit("txtValue");
        const QString typed = QString::fromUtf8(c.typed);
        const bool stands = typed == QString::fromUtf8(c.editing);
        for (qsizetype i = 0; i < typed.size(); ++i) {
            h.type(e, typed.mid(i, 1));
            if (stands) {
                ASSERT_EQ(e.Text(), typed.left(i + 1));
                EXPECT_EQ(e.SelStart(), i + 1);
            }
        }
        EXPECT_EQ(e.Text(), QString::fromUtf8(c.editing));
        h.focusElsewhere();
        EXPECT_EQ(e.Text(), QString::fromUtf8(c.left));
        EXPECT_EQ(f.Text(), QString::fromUtf8(c.text));
    }
}

TEST_F(NumericTest, RejectedKeystrokeAtTheFirstPositionPutsTheCaretAtZero)
{
    host.focus(txt());
    host.type(txt(), "x"); // replaces the selected 0: caret 1 after the key
    EXPECT_EQ(txt().SelStart(), 0);
    EXPECT_EQ(field.LastNumericValue(), 0);
}

TEST_F(NumericTest, EmptyingTheFieldByTyping)
{
    for (bool startZero : {true, false}) {
        TestHost h;
        ZEVNumeric f(h);
        f.Initialize();
        f.InitProperties();
        f.setStartZero(startZero);
        f.setText("42");
        auto& e = h.edit("txtValue");
        h.focus(e);
        h.pressKey(e, KeyCodes::Back); // the whole text is selected
        if (startZero) {
            EXPECT_EQ(e.Text(), "0");
            EXPECT_EQ(e.SelLength(), 1);
        } else {
            EXPECT_EQ(e.Text(), "");
        }
        h.focusElsewhere();
        EXPECT_EQ(e.Text(), "0,00") << startZero; // leaving always shows a formatted zero
    }
}

TEST_F(NumericTest, CustomFormatIsAcceptedOnlyWhileItShowsAReadableValue)
{
    // Empty field: refused, nothing notified.
    field.setStartZero(false);
    host.clearLog();
    field.setCustomFormat("#,##0.000");
    EXPECT_EQ(field.CustomFormat(), "");
    EXPECT_TRUE(host.propertyChanges.isEmpty());

    field.setText("1234,5");
    field.setCustomFormat(QStringLiteral("0\" kg\"")); // literal text: unreadable output
    EXPECT_EQ(field.CustomFormat(), "");
    field.setCustomFormat("   ");
    EXPECT_EQ(field.CustomFormat(), "");

    host.clearLog();
    field.setCustomFormat("#,##0.000");
    EXPECT_EQ(field.CustomFormat(), "#,##0.000");
    EXPECT_EQ(field.Format(), CustomFormatation);
    EXPECT_EQ(txt().Text(), "1.234,500");
    EXPECT_EQ(host.propertyChanges, (QStringList{"Format", "CustomFormat"}));

    field.setFormat(StandardFormatation); // clears the pattern
    EXPECT_EQ(field.CustomFormat(), "");
    field.setFormat(CustomFormatation); // empty pattern: general text form
    EXPECT_EQ(txt().Text(), "1234,5");
}

TEST_F(NumericTest, SignColoursApplyToTheShownValueOnlyWhenItsSignMatches)
{
    field.setText("-3");
    field.setForeColorPositive(0x00FF00);
    EXPECT_EQ(txt().ForeColor(), Colors::Red);
    field.setForeColorNegative(0x123456);
    EXPECT_EQ(txt().ForeColor(), 0x123456u);
    field.setText("3");
    EXPECT_EQ(txt().ForeColor(), 0x00FF00u);

    field.setText("-"); // a lone sign does not read: the colour is stored, the error reported
    EXPECT_EQ(zev::testing::errorOf([&] { field.setForeColorZero(0x0000AA); }), ErrTypeMismatch);
    EXPECT_EQ(field.ForeColorZero(), 0x0000AAu);
    EXPECT_THROW(field.setAppearance(40000), ControlError);
}

TEST_F(NumericTest, APatternSavedBesideAnEmptyFieldIsRefusedOnLoading)
{
    MemoryPropertyBag empty;
    empty.insert("StartZero", false);
    empty.insert("Text", QString());
    empty.insert("Format", qint32(2));
    empty.insert("CustomFormat", QString("0.0"));
    TestHost h2;
    ZEVNumeric g(h2);
    g.Initialize();
    g.ReadProperties(empty);
    EXPECT_EQ(g.CustomFormat(), "");
    EXPECT_EQ(g.Format(), CustomFormatation);
    g.setText("2,25");
    EXPECT_EQ(h2.edit("txtValue").Text(), "2,25");
}

TEST_F(NumericTest, AStoredTextIsReadInTheLocaleOfTheLoadingMachine)
{
    MemoryPropertyBag bag;
    bag.insert("Text", QString("1234,5"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TestHost h;
    ZEVNumeric f(h);
    f.Initialize();
    f.ReadProperties(bag);
    EXPECT_EQ(f.Text(), "12345"); // "," is a group separator here
    EXPECT_EQ(h.edit("txtValue").Text(), "12,345.00");
    f.setText("1234.5");
    EXPECT_EQ(h.edit("txtValue").Text(), "1,234.50");
    EXPECT_EQ(f.Text(), "1234.5");
}

TEST_F(NumericTest, AboutBoxResizeAndClassFactory)
{
    field.AboutBox();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.messages[0].prompt.startsWith("ZEV Suite Controls v1.0.21\r\n"));
    EXPECT_EQ(host.messages[0].prompt.count("\r\n"), 1);
    EXPECT_EQ(host.messages[0].buttons, 64);
    EXPECT_EQ(host.messages[0].title, "ZEV Suite Controls");

    host.resize(2000, 300);
    EXPECT_EQ(txt().Width(), 2000);
    EXPECT_EQ(txt().Height(), 300);
    EXPECT_EQ(txt().Left(), 0);
}

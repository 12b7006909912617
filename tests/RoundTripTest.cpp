// Lossless saving: random valid property sets, applied in random order, are
// saved and loaded into a fresh instance, and every property reads back the
// same. Where the documentation says a value does not come back, the test says
// so beside the comparison.

#include "codedescription/ZEVCodeDescription.h"
#include "daterange/ZEVDateRange.h"
#include "descriptiononly/ZEVDescriptionOnly.h"
#include "framework/ControlError.h"
#include "framework/MemoryPropertyBag.h"
#include "numeric/NumberEngine.h"
#include "numeric/ZEVNumeric.h"
#include "persistcombo/ZEVPersistCombo.h"
#include "testkit/TestHost.h"
#include "tests/RobustnessKit.h"

#include "tests/Printers.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace zev;
using namespace zev::robust;

namespace {

constexpr int SetsPerControl = 300;

// Applies `count` random setters of the table, in random order.
template <typename C>
void applyRandom(Rng& rng, C& control, const std::vector<std::function<void(Rng&, C&)>>& setters)
{
    for (int i = rng.between(1, 30); i > 0; --i)
        setters[size_t(rng.below(int(setters.size())))](rng, control);
}

// A saved control (A) and its reloaded twin (B), over their own hosts.
template <typename C>
struct Twins {
    TestHost hostA, hostB;
    C a{hostA}, b{hostB};
    MemoryPropertyBag bag;

    Twins()
    {
        hostA.setScaleSize(4275, 720);
        hostB.setScaleSize(4275, 720);
        a.Initialize();
        a.InitProperties();
    }
    void reload()
    {
        a.WriteProperties(bag);
        b.Initialize();
        b.ReadProperties(bag);
    }
};

std::string context(int set, const MemoryPropertyBag& bag)
{
    QStringList keys;
    for (const QString& k : bag.keys())
        keys << k + QStringLiteral("=") + bag.ReadProperty(k).toString().left(30);
    return QStringLiteral("set %1, bag {%2}").arg(set).arg(keys.join(QStringLiteral(", "))).toStdString();
}

qint32 anyAppearance(Rng& rng) { return rng.between(-32768, 32767); }

QString numberText(Rng& rng)
{
    switch (rng.below(4)) {
    case 0: return QString();
    case 1: return QString::number(rng.between(-100000, 100000));
    case 2: return QLocale().toString(rng.real(-1e7, 1e7), 'f', rng.below(6));
    default: return QLocale().toString(rng.real(-1, 1) * std::pow(10.0, rng.between(-20, 20)), 'g', 12);
    }
}

// A sign colour reads the field as a number: on a pattern's literal text it
// fails with 13, the colour already stored.
void signColour(ZEVNumeric& c, void (ZEVNumeric::*setter)(OleColor), OleColor colour)
{
    try {
        (c.*setter)(colour);
    } catch (const ControlError& e) {
        EXPECT_EQ(e.Number(), ErrTypeMismatch);
    }
}

// Every getter reads the same on the saved control and its reloaded twin.
template <typename C, typename... Getter>
void expectSame(const C& a, const C& b, Getter... getters)
{
    int n = 0;
    const auto same = [&](auto getter) { EXPECT_EQ((b.*getter)(), (a.*getter)()) << "getter " << n++; };
    (same(getters), ...);
}

class RoundTrip : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

} // namespace

TEST_F(RoundTrip, ZEVNumeric)
{
    using S = std::function<void(Rng&, ZEVNumeric&)>;
    const std::vector<S> setters = {
        [](Rng& r, ZEVNumeric& c) { c.setAppearance(anyAppearance(r)); },
        [](Rng& r, ZEVNumeric& c) { c.setAllowNegative(r.chance(0.5)); },
        [](Rng& r, ZEVNumeric& c) { c.setBackColor(randomColor(r)); },
        [](Rng& r, ZEVNumeric& c) { c.setEnabled(r.chance(0.5)); },
        [](Rng& r, ZEVNumeric& c) { signColour(c, &ZEVNumeric::setForeColorPositive, randomColor(r)); },
        [](Rng& r, ZEVNumeric& c) { signColour(c, &ZEVNumeric::setForeColorNegative, randomColor(r)); },
        [](Rng& r, ZEVNumeric& c) { signColour(c, &ZEVNumeric::setForeColorZero, randomColor(r)); },
        [](Rng& r, ZEVNumeric& c) { c.setFormat(r.chance(0.9) ? r.between(0, 2) : randomLong(r)); },
        [](Rng& r, ZEVNumeric& c) { c.setLocked(r.chance(0.5)); },
        [](Rng& r, ZEVNumeric& c) { c.setStartZero(r.chance(0.5)); },
        [](Rng& r, ZEVNumeric& c) { c.setText(numberText(r)); },
        [](Rng& r, ZEVNumeric& c) {
            c.setCustomFormat(r.pick(std::vector<QString>{
                QStringLiteral("#,##0.00"), QStringLiteral("0.000"), QStringLiteral("#0.0#"), QStringLiteral("0%"),
                QStringLiteral("0.00E+00"), QStringLiteral("#,##0;(#,##0)"), QStringLiteral("0.0;-0.0;\"zero\""),
                QStringLiteral("#")}));
        },
    };
    const NumberEngine& engine = NumberEngine::current();
    int roundedOnLoad = 0, signLost = 0;
    Rng rng(1);
    for (int set = 0; set < SetsPerControl; ++set) {
        Twins<ZEVNumeric> t;
        applyRandom(rng, t.a, setters);
        t.reload();
        const auto& a = t.a;
        const auto& b = t.b;
        SCOPED_TRACE(context(set, t.bag));
        expectSame(a, b, &ZEVNumeric::Appearance, &ZEVNumeric::AllowNegative, &ZEVNumeric::BackColor,
                   &ZEVNumeric::Enabled, &ZEVNumeric::ForeColorPositive, &ZEVNumeric::ForeColorNegative,
                   &ZEVNumeric::ForeColorZero, &ZEVNumeric::Format, &ZEVNumeric::Locked, &ZEVNumeric::StartZero);
        // The value comes back as loading shows it: through the Text let,
        // with AllowNegative already read. A negative value saved while
        // AllowNegative is False (it was entered before) therefore comes back
        // positive and bare; and a negative refused earlier, which stands bare
        // and unrounded until the field is left, comes back formatted.
        double value = a.Text().isEmpty() ? 0 : engine.read(a.Text());
        const bool refused = !a.AllowNegative() && value < 0;
        if (refused) {
            value = -value;
            ++signLost;
        }
        // The pattern is read last and accepted only against the value just
        // restored: an empty field, or a value the pattern shows as literal
        // text, drops it (the format stays custom, with the empty pattern).
        double shown = 0;
        const bool patternKept = !a.Text().isEmpty() && !a.CustomFormat().trimmed().isEmpty()
            && engine.tryRead(engine.formatPattern(value, a.CustomFormat()), shown);
        EXPECT_EQ(b.CustomFormat(), patternKept ? a.CustomFormat() : QString());
        const QString pattern = patternKept ? a.CustomFormat() : QString();
        QString display = a.Text();
        if (a.Text().isEmpty())
            display = QString();
        else if (refused)
            display = patternKept ? engine.formatPattern(value, pattern) : engine.general(value);
        else if (a.Format() == StandardFormatation)
            display = engine.formatStandard(value);
        else if (a.Format() == CurrencyFormatation)
            display = engine.formatCurrency(value);
        else if (a.Format() == CustomFormatation)
            display = engine.formatPattern(value, pattern);
        EXPECT_EQ(t.hostB.edit(QStringLiteral("txtValue")).Text(), display);
        EXPECT_EQ(b.Text(), display.isEmpty() ? QString() : engine.general(engine.read(display)));
        roundedOnLoad += !refused && b.Text() != a.Text();
        // The font is not saved with the form: the twin keeps the design font.
        EXPECT_EQ(t.b.Font().value(), (FontDesc{QStringLiteral("Tahoma"), 8.25}));
    }
    std::printf("[ round trip ] %d sets; came back rounded to the format: %d; negative saved while refused, "
                "came back positive: %d\n", SetsPerControl, roundedOnLoad, signLost);
}

// The lookups' fonts: only the names are read from the stored fonts; the
// attributes come from the Font... keys, which read the code box's font and
// are applied to both fonts. A weight other than Bold's and a character set
// do not come back.
template <typename A, typename B>
void expectFontsOf(const A& fromA, const B& fromB)
{
    EXPECT_EQ(fromB.Bold(), fromA.Bold());
    EXPECT_EQ(fromB.Italic(), fromA.Italic());
    EXPECT_EQ(fromB.Underline(), fromA.Underline());
    EXPECT_EQ(fromB.Strikethrough(), fromA.Strikethrough());
    EXPECT_EQ(fromB.Weight(), fromA.Bold() ? 700 : 400);
    EXPECT_EQ(fromB.Charset(), 0);
}

TEST_F(RoundTrip, ZEVCodeDescription)
{
    using C = ZEVCodeDescription;
    using S = std::function<void(Rng&, C&)>;
    const std::vector<S> setters = {
        [](Rng& r, C& c) { c.setAppearance(anyAppearance(r)); },
        [](Rng& r, C& c) { c.setCode(randomText(r, 10)); },
        [](Rng& r, C& c) { c.setCodeBackColor(randomColor(r)); },
        [](Rng& r, C& c) { c.setCodeFont(randomFont(r, true)); },
        [](Rng& r, C& c) { c.setCodeForeColor(randomColor(r)); },
        [](Rng& r, C& c) { c.setCodeMaxLength(qint16(r.between(-5, 30))); },
        [](Rng& r, C& c) { c.setCodeSize(qint16(r.between(-5, 30))); },
        [](Rng& r, C& c) { c.setDescription(randomText(r, 12)); },
        [](Rng& r, C& c) { c.setDescriptionBackColor(randomColor(r)); },
        [](Rng& r, C& c) { c.setDescriptionFont(randomFont(r, true)); },
        [](Rng& r, C& c) { c.setDescriptionForeColor(randomColor(r)); },
        [](Rng& r, C& c) { c.setEnabled(r.chance(0.7)); },
        [](Rng& r, C& c) { c.setFieldPkey(randomText(r, 8)); },
        [](Rng& r, C& c) { c.setFillZeros(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setFontBold(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setFontItalic(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setFontStrikethrough(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setFontUnderline(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setFontSize(r.between(1, 72)); },
        [](Rng& r, C& c) { c.setLoaded(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setLocked(r.chance(0.3)); },
        [](Rng& r, C& c) { c.setPrimaryKey(randomText(r, 8)); },
        [](Rng& r, C& c) { c.setShowF3(r.chance(0.5)); },
    };
    Rng rng(2);
    for (int set = 0; set < SetsPerControl; ++set) {
        Twins<C> t;
        applyRandom(rng, t.a, setters);
        t.reload();
        auto& a = t.a;
        auto& b = t.b;
        SCOPED_TRACE(context(set, t.bag));
        expectSame(a, b, &ZEVCodeDescription::Appearance, &ZEVCodeDescription::Code,
                   &ZEVCodeDescription::CodeForeColor, &ZEVCodeDescription::CodeMaxLength,
                   &ZEVCodeDescription::CodeSize, &ZEVCodeDescription::Description,
                   &ZEVCodeDescription::DescriptionForeColor, &ZEVCodeDescription::Enabled,
                   &ZEVCodeDescription::FieldPkey, &ZEVCodeDescription::FillZeros, &ZEVCodeDescription::FontBold,
                   &ZEVCodeDescription::FontItalic, &ZEVCodeDescription::FontStrikethrough,
                   &ZEVCodeDescription::FontUnderline, &ZEVCodeDescription::FontSize,
                   &ZEVCodeDescription::Loaded, &ZEVCodeDescription::Locked, &ZEVCodeDescription::PrimaryKey,
                   &ZEVCodeDescription::ShowF3);
        EXPECT_EQ(b.CodeFont().Name(), a.CodeFont().Name());
        EXPECT_EQ(b.DescriptionFont().Name(), a.DescriptionFont().Name());
        expectFontsOf(a.CodeFont(), b.CodeFont());
        expectFontsOf(a.CodeFont(), b.DescriptionFont());
        // The background colours are saved as shown: a colour set while the
        // control was locked or disabled comes back as the white or button
        // face it showed, so only an enabled, unlocked control keeps them.
        if (a.Enabled() && !a.Locked()) {
            expectSame(a, b, &ZEVCodeDescription::CodeBackColor, &ZEVCodeDescription::DescriptionBackColor);
        }
    }
}

TEST_F(RoundTrip, ZEVDescriptionOnly)
{
    using C = ZEVDescriptionOnly;
    using S = std::function<void(Rng&, C&)>;
    const std::vector<S> setters = {
        [](Rng& r, C& c) { c.setAppearance(anyAppearance(r)); },
        [](Rng& r, C& c) { c.setBackColor(randomColor(r)); },
        [](Rng& r, C& c) { c.setDescription(randomText(r, 12)); },
        [](Rng& r, C& c) { c.setEnabled(r.chance(0.7)); },
        [](Rng& r, C& c) { c.setFieldPkey(randomText(r, 8)); },
        [](Rng& r, C& c) { c.setFont(randomFont(r, true)); },
        [](Rng& r, C& c) { c.setFontBold(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setFontItalic(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setFontStrikethrough(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setFontUnderline(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setFontSize(r.between(1, 72)); },
        [](Rng& r, C& c) { c.setForeColor(randomColor(r)); },
        [](Rng& r, C& c) { c.setLoaded(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setLocked(r.chance(0.3)); },
        [](Rng& r, C& c) { c.setPrimaryKey(randomText(r, 8)); },
        [](Rng& r, C& c) { c.setShowF3(r.chance(0.5)); },
    };
    Rng rng(3);
    for (int set = 0; set < SetsPerControl; ++set) {
        Twins<C> t;
        applyRandom(rng, t.a, setters);
        t.reload();
        auto& a = t.a;
        auto& b = t.b;
        SCOPED_TRACE(context(set, t.bag));
        expectSame(a, b, &ZEVDescriptionOnly::Appearance, &ZEVDescriptionOnly::Description,
                   &ZEVDescriptionOnly::Enabled, &ZEVDescriptionOnly::FieldPkey, &ZEVDescriptionOnly::FontBold,
                   &ZEVDescriptionOnly::FontItalic, &ZEVDescriptionOnly::FontStrikethrough,
                   &ZEVDescriptionOnly::FontUnderline, &ZEVDescriptionOnly::FontSize,
                   &ZEVDescriptionOnly::ForeColor, &ZEVDescriptionOnly::Loaded, &ZEVDescriptionOnly::Locked,
                   &ZEVDescriptionOnly::PrimaryKey, &ZEVDescriptionOnly::ShowF3);
        EXPECT_EQ(b.Font().Name(), a.Font().Name());
        expectFontsOf(a.Font(), b.Font());
        // Saved as shown: see the code lookup.
        if (a.Enabled() && !a.Locked()) {
            EXPECT_EQ(b.BackColor(), a.BackColor());
        }
    }
}

TEST_F(RoundTrip, ZEVPersistCombo)
{
    using C = ZEVPersistCombo;
    using S = std::function<void(Rng&, C&)>;
    const std::vector<S> setters = {
        [](Rng& r, C& c) { c.setAllowItemDuplication(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setAppearance(anyAppearance(r)); },
        [](Rng& r, C& c) { c.setCode(randomText(r, 10)); },
        [](Rng& r, C& c) { c.setCodeBackColor(randomColor(r)); },
        [](Rng& r, C& c) { c.setCodeFont(randomFont(r, true)); },
        [](Rng& r, C& c) { c.setCodeForeColor(randomColor(r)); },
        [](Rng& r, C& c) { c.setCodeMaxLength(qint16(r.between(0, 30))); },
        [](Rng& r, C& c) { c.setCodeSize(qint16(r.between(0, 30))); },
        [](Rng& r, C& c) { c.setDescription(randomText(r, 12)); },
        [](Rng& r, C& c) { c.setDescriptionBackColor(randomColor(r)); },
        [](Rng& r, C& c) { c.setDescriptionFont(randomFont(r, true)); },
        [](Rng& r, C& c) { c.setDescriptionForeColor(randomColor(r)); },
        [](Rng& r, C& c) { c.setEnabled(r.chance(0.7)); },
        [](Rng& r, C& c) { c.setFieldPkey(randomText(r, 8)); },
        [](Rng& r, C& c) { c.setFillZeros(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setFontBold(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setFontItalic(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setFontStrikethrough(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setFontUnderline(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setFontSize(r.between(1, 72)); },
        [](Rng& r, C& c) { c.setLoaded(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setLocked(r.chance(0.3)); },
        [](Rng& r, C& c) { c.setShowF3(r.chance(0.5)); },
        [](Rng& r, C& c) { c.setShowCodeInCombo(r.chance(0.5)); },
        [](Rng& r, C& c) {
            // A disabled control cannot take the focus that AddItem gives its code box.
            try {
                c.AddItem(randomText(r, 8), QString::number(r.between(1, 99)), randomText(r, 4));
            } catch (const ControlError& e) {
                EXPECT_TRUE(e.Number() == ErrInvalidProcedureCall && !c.Enabled());
            }
        },
    };
    Rng rng(4);
    for (int set = 0; set < SetsPerControl; ++set) {
        Twins<C> t;
        applyRandom(rng, t.a, setters);
        t.reload();
        auto& a = t.a;
        auto& b = t.b;
        SCOPED_TRACE(context(set, t.bag));
        expectSame(a, b, &ZEVPersistCombo::AllowItemDuplication, &ZEVPersistCombo::Appearance,
                   &ZEVPersistCombo::Code, &ZEVPersistCombo::CodeForeColor, &ZEVPersistCombo::CodeMaxLength,
                   &ZEVPersistCombo::CodeSize, &ZEVPersistCombo::Description,
                   &ZEVPersistCombo::DescriptionForeColor, &ZEVPersistCombo::Enabled,
                   &ZEVPersistCombo::FieldPkey, &ZEVPersistCombo::FillZeros, &ZEVPersistCombo::FontBold,
                   &ZEVPersistCombo::FontItalic, &ZEVPersistCombo::FontStrikethrough,
                   &ZEVPersistCombo::FontUnderline, &ZEVPersistCombo::FontSize, &ZEVPersistCombo::Loaded,
                   &ZEVPersistCombo::Locked, &ZEVPersistCombo::ShowF3, &ZEVPersistCombo::ShowCodeInCombo);
        EXPECT_EQ(b.CodeFont().Name(), a.CodeFont().Name());
        EXPECT_EQ(b.DescriptionFont().Name(), a.DescriptionFont().Name());
        expectFontsOf(a.CodeFont(), b.CodeFont());
        expectFontsOf(a.CodeFont(), b.DescriptionFont());
        if (a.Enabled() && !a.Locked()) {
            expectSame(a, b, &ZEVPersistCombo::CodeBackColor, &ZEVPersistCombo::DescriptionBackColor);
        }
        // The list is not saved: the twin starts with none.
        EXPECT_EQ(b.ControlListing()->ListCount(), 0);
    }
}

TEST_F(RoundTrip, ZEVDateRange)
{
    Rng rng(5);
    for (int set = 0; set < SetsPerControl; ++set) {
        Twins<ZEVDateRange> t;
        if (rng.chance(0.8))
            t.a.setAppearance(anyAppearance(rng));
        if (rng.chance(0.8))
            t.a.setBackColor(randomColor(rng));
        t.reload();
        SCOPED_TRACE(context(set, t.bag));
        EXPECT_EQ(t.b.Appearance(), t.a.Appearance());
        EXPECT_EQ(t.b.BackColor(), t.a.BackColor());
        EXPECT_EQ(t.hostB.label(QStringLiteral("lblLabel")).BackColor(), t.a.BackColor());
    }
}

#include "framework/ControlError.h"
#include "numeric/DecimalDigits.h"
#include "numeric/NumberEngine.h"
#include "tests/NumberOracle.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <map>
#include <string>
#include <vector>

using zev::ControlError;
using zev::NumberEngine;
using zev::NumberLocale;
using Format = NumberEngine::Format;

namespace {

const NumberEngine& engineFor(const char* name)
{
    static std::map<std::string, NumberEngine> engines;
    auto it = engines.find(name);
    if (it == engines.end())
        it = engines.emplace(name, NumberEngine(NumberLocale::fromQLocale(QLocale(QString::fromLatin1(name))))).first;
    return it->second;
}

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// ---- Digits as shown -----------------------------------------------------

// The quick path for short amounts must agree with a correctly rounded
// 15-digit conversion.
TEST(DecimalDigits, FifteenDigitsAsPrintf)
{
    // Exact ties at the 16th digit go to even, as in every correct conversion.
    std::vector<double> values = { 2.145, 1.005, 0.1 + 0.2, 999999999999.995, 99999999999999.99, 1e-7, 123456.789012,
        123456789012345.5, 123456789012344.5, 999999999999999.5, 9.999999999999999e-6, 1.5e-8, 1.4e-8 };
    std::uint64_t seed = 99;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        const double scale[] = { 1, 10, 100, 1000, 1e6, 1e9 };
        values.push_back(double(std::int64_t(seed >> 14) >> (seed % 40)) / scale[(seed >> 8) % 6]);
        values.push_back(std::ldexp(double(seed >> 11), int(seed % 110) - 130));
    }
    for (double v : values) {
        char text[64];
        std::snprintf(text, sizeof text, "%.14e", v);
        const zev::DecimalDigits d = zev::DecimalDigits::fromDouble(v);
        std::string digits;
        for (int p = d.exponent(); p > d.exponent() - 15; --p)
            digits += char('0' + d.digitAtPower(p));
        std::string expected(text, text + 1);
        expected += std::string(text + 2, text + 16);
        if (v == 0)
            continue;
        ASSERT_EQ(digits, expected) << text;
        ASSERT_EQ(d.exponent(), std::atoi(std::strchr(text, 'e') + 1)) << text;
    }
}

// ---- Reading -------------------------------------------------------------

TEST(NumberEngine, Reading)
{
    enum Expect { Ok, Mismatch = 13, Overflow = 6 };
    struct Row {
        const char* locale;
        const char* text;
        Expect expect;
        double value;
    };
    const Row rows[] = {
        // The usual locale: its own forms, blanks, signs, symbols.
        { "pt_BR", "1.234,50", Ok, 1234.5 },
        { "pt_BR", " \t1234,5\u00A0", Ok, 1234.5 },
        { "pt_BR", "R$\u00A01.234,50", Ok, 1234.5 },
        { "pt_BR", "R$1234,5", Ok, 1234.5 },
        { "pt_BR", "R$\u00A0-1.234,50", Ok, -1234.5 },
        { "pt_BR", "-R$ 1.234,50", Ok, -1234.5 },
        { "pt_BR", "(1.234,50)", Ok, -1234.5 },
        { "pt_BR", "1.234,50-", Ok, -1234.5 },
        { "pt_BR", "+7", Ok, 7 },
        { "pt_BR", "- 7", Ok, -7 },
        { "pt_BR", "5,", Ok, 5 },
        { "pt_BR", ",5", Ok, 0.5 },
        { "pt_BR", "-,5", Ok, -0.5 },
        { "pt_BR", "1.2.3", Ok, 123 },
        { "pt_BR", "007", Ok, 7 },
        { "pt_BR", "12,5 %", Ok, 0.125 },
        { "pt_BR", "%5", Ok, 0.05 },
        { "pt_BR", "1,5E+20", Ok, 1.5e20 },
        { "pt_BR", "1E-05", Ok, 1e-5 },
        { "pt_BR", "2e3", Ok, 2000 },
        { "pt_BR", "-0", Ok, 0 },
        { "pt_BR", "1E-400", Ok, 0 },
        { "pt_BR", "0,1", Ok, 0.1 },
        { "pt_BR", "123456789012345678901234567890", Ok, 1.2345678901234568e29 },
        // Junk, and the four lone characters.
        { "pt_BR", "", Mismatch, 0 },
        { "pt_BR", " \u00A0 ", Mismatch, 0 },
        { "pt_BR", "-", Mismatch, 0 },
        { "pt_BR", "+", Mismatch, 0 },
        { "pt_BR", ",", Mismatch, 0 },
        { "pt_BR", ".", Mismatch, 0 },
        { "pt_BR", "7x", Mismatch, 0 },
        { "pt_BR", "abc", Mismatch, 0 },
        { "pt_BR", "1-2", Mismatch, 0 },
        { "pt_BR", "--1", Mismatch, 0 },
        { "pt_BR", "-1-", Mismatch, 0 },
        { "pt_BR", "(-1)", Mismatch, 0 },
        { "pt_BR", "(1", Mismatch, 0 },
        { "pt_BR", "1)", Mismatch, 0 },
        { "pt_BR", "1,2,3", Mismatch, 0 },
        { "pt_BR", "1 2", Mismatch, 0 },
        { "pt_BR", "5%%", Mismatch, 0 },
        { "pt_BR", "R$ 5%", Mismatch, 0 },
        { "pt_BR", "R$", Mismatch, 0 },
        { "pt_BR", "-,", Mismatch, 0 },
        { "pt_BR", "1E", Mismatch, 0 },
        { "pt_BR", "1E+", Mismatch, 0 },
        { "pt_BR", "E5", Mismatch, 0 },
        { "pt_BR", "0x10", Mismatch, 0 },
        { "pt_BR", "NaN", Mismatch, 0 },
        { "pt_BR", "Infinity", Mismatch, 0 },
        { "pt_BR", "$5", Mismatch, 0 },
        // Group marks as a user types them: one may end the text after the
        // digits ("1." on the way to "1.500,50"); nowhere else but between digits.
        { "pt_BR", "1.", Ok, 1 },
        { "pt_BR", "1.5", Ok, 15 },
        { "pt_BR", "1.500", Ok, 1500 },
        { "pt_BR", "1.500,", Ok, 1500 },
        { "pt_BR", "1.500,5", Ok, 1500.5 },
        { "pt_BR", "12.345.", Ok, 12345 },
        { "pt_BR", "-1.", Ok, -1 },
        { "pt_BR", " 1.\u00A0", Ok, 1 },
        { "pt_BR", "R$ 1.", Ok, 1 },
        { "pt_BR", ".", Mismatch, 0 },
        { "pt_BR", ".5", Mismatch, 0 },
        { "pt_BR", "-.", Mismatch, 0 },
        { "pt_BR", "1..", Mismatch, 0 },
        { "pt_BR", "1..2", Mismatch, 0 },
        { "pt_BR", "1,5.", Mismatch, 0 },
        { "pt_BR", "1,.", Mismatch, 0 },
        { "pt_BR", "1.,", Mismatch, 0 },
        { "pt_BR", "1.,5", Mismatch, 0 },
        { "pt_BR", "1.-", Mismatch, 0 },
        { "pt_BR", "(1.)", Mismatch, 0 },
        { "pt_BR", "1.E5", Mismatch, 0 },
        { "pt_BR", "1.%", Mismatch, 0 },
        { "en_US", "5,", Ok, 5 },
        { "en_US", "1,500.", Ok, 1500 },
        { "en_US", "1,500.5", Ok, 1500.5 },
        { "en_US", ",5", Mismatch, 0 },
        { "en_US", "1,,", Mismatch, 0 },
        { "en_US", "1.5,", Mismatch, 0 },
        { "de_CH", "1\u2019", Ok, 1 },
        // Beyond the doubles: overflow, not mismatch.
        { "pt_BR", "1E400", Overflow, 0 },
        { "pt_BR", "-1,8E+308", Overflow, 0 },
        { "pt_BR", "(R$ 1E999)", Overflow, 0 },
        { "pt_BR", "1,7976931348623157E+308", Ok, DBL_MAX },
        // Other locales.
        { "en_US", "$1,234.50", Ok, 1234.5 },
        { "en_US", "($1,234.50)", Ok, -1234.5 },
        { "en_US", ".5", Ok, 0.5 },
        { "en_US", "5.", Ok, 5 },
        { "en_US", "1.5E+20", Ok, 1.5e20 },
        { "en_US", "1,234,5", Ok, 12345 },
        { "de_DE", "-1.234,50\u00A0€", Ok, -1234.5 },
        { "de_DE", "1234,5€", Ok, 1234.5 },
        { "de_DE", "€", Mismatch, 0 },
        { "fr_FR", "(1\u202F234,50\u00A0€)", Ok, -1234.5 },
        { "fr_FR", "1 234,5", Ok, 1234.5 },
        { "fr_FR", "1\u00A0234,5", Ok, 1234.5 },
        { "fr_FR", "1 234 €", Ok, 1234 },
        { "fr_FR", "1  234", Mismatch, 0 },
        { "ar_EG", "\u061C-\u0661\u066C\u0662\u0663\u0664\u066B\u0665", Ok, -1234.5 },
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.locale) + " [" + r.text + "]");
        const NumberEngine& e = engineFor(r.locale);
        double value = -1;
        EXPECT_EQ(e.tryRead(u(r.text), value), r.expect == Ok);
        try {
            value = e.read(u(r.text));
            EXPECT_EQ(r.expect, Ok);
            EXPECT_EQ(value, r.value);
            EXPECT_FALSE(std::signbit(value) && value == 0);
        } catch (const ControlError& error) {
            EXPECT_EQ(error.Number(), int(r.expect));
        }
    }
}

// Digits far beyond what is kept still decide the rounding.
TEST(NumberEngine, ReadingLongTexts)
{
    const NumberEngine& e = engineFor("en_US");
    const QString half = u("1.00000000000000011102230246251565404236316680908203125"); // 1 + 2^-53
    EXPECT_EQ(e.read(half), 1.0); // a tie goes to even
    EXPECT_EQ(e.read(half + QString(900, u'0') + u("1")), std::nextafter(1.0, 2.0));
    EXPECT_EQ(e.read(u("1") + QString(308, u'0')), 1e308);
    EXPECT_EQ(e.read(u("0.") + QString(330, u'0') + u("5")), 0.0);
    EXPECT_EQ(e.read(u("0.") + QString(320, u'0') + u("5")), 5e-321);
    double value = 0;
    EXPECT_EQ(e.parse(u("1") + QString(309, u'0'), value), NumberEngine::ReadResult::Overflow);
    EXPECT_EQ(e.parse(QString(200000, u'7'), value), NumberEngine::ReadResult::Overflow);
    EXPECT_EQ(e.parse(QString(200000, u'7') + u("x"), value), NumberEngine::ReadResult::NotANumber);
}

// ---- Formatting ----------------------------------------------------------

TEST(NumberEngine, Formatting)
{
    struct Row {
        const char* locale;
        Format kind;
        const char* pattern;
        double value;
        const char* expected;
    };
    const Row rows[] = {
        { "pt_BR", Format::General, "", 1234.5, "1234,5" },
        { "pt_BR", Format::General, "", 0.0, "0" },
        { "pt_BR", Format::General, "", -0.0, "0" },
        { "pt_BR", Format::General, "", -2.5, "-2,5" },
        { "pt_BR", Format::General, "", 0.1 + 0.2, "0,3" },
        { "pt_BR", Format::General, "", 1.5e20, "1,5E+20" },
        { "pt_BR", Format::General, "", 1e-5, "1E-05" },
        { "pt_BR", Format::General, "", 0.0001, "0,0001" },
        { "pt_BR", Format::General, "", 999999999999999.0, "999999999999999" },
        { "pt_BR", Format::General, "", 1e15, "1E+15" },
        { "pt_BR", Format::General, "", 123456789012345678.0, "1,23456789012346E+17" },
        { "pt_BR", Format::General, "", -1e-300, "-1E-300" },
        { "pt_BR", Format::General, "", DBL_MAX, "1,79769313486231E+308" },
        { "pt_BR", Format::General, "", NAN, "NaN" },
        { "pt_BR", Format::Standard, "", -INFINITY, "-Infinity" },
        { "pt_BR", Format::Standard, "", 1234.5, "1.234,50" },
        { "pt_BR", Format::Standard, "", -1234567.891, "-1.234.567,89" },
        { "pt_BR", Format::Standard, "", 0.5, "0,50" },
        { "pt_BR", Format::Standard, "", 2.145, "2,15" },
        { "pt_BR", Format::Standard, "", 1.005, "1,01" },
        { "pt_BR", Format::Standard, "", -2.675, "-2,68" },
        { "pt_BR", Format::Standard, "", -0.004, "0,00" },
        { "pt_BR", Format::Standard, "", 999.995, "1.000,00" },
        { "pt_BR", Format::Standard, "", 1e20, "100.000.000.000.000.000.000,00" },
        { "pt_BR", Format::Currency, "", 1234.5, "R$\u00A01.234,50" },
        { "pt_BR", Format::Currency, "", -1234.5, "R$\u00A0-1.234,50" },
        { "pt_BR", Format::Currency, "", -0.001, "R$\u00A00,00" },
        { "en_US", Format::General, "", 1234.5, "1234.5" },
        { "en_US", Format::Standard, "", 1234.5, "1,234.50" },
        { "en_US", Format::Currency, "", 1234.5, "$1,234.50" },
        { "en_US", Format::Currency, "", -1234.5, "($1,234.50)" },
        { "de_DE", Format::Currency, "", 1234.5, "1.234,50\u00A0€" },
        { "de_DE", Format::Currency, "", -1234.5, "-1.234,50\u00A0€" },
        { "fr_FR", Format::Standard, "", 1234.5, "1\u202F234,50" },
        { "fr_FR", Format::Currency, "", -1234.5, "(1\u202F234,50\u00A0€)" },
        { "es_ES", Format::Standard, "", 1234.5, "1234,50" },
        { "es_ES", Format::Standard, "", 12345, "12.345,00" },
        { "en_IN", Format::Standard, "", 1234567, "12,34,567.00" },
        { "ja_JP", Format::Currency, "", 1234.5, "￥1,235" },
        { "ja_JP", Format::Currency, "", -1234.5, "(￥1,235)" },
        { "en_IN", Format::Currency, "", -1234567, "(₹12,34,567.00)" },
        // Patterns.
        { "pt_BR", Format::Pattern, "#,##0.00", 1234.5, "1.234,50" },
        { "pt_BR", Format::Pattern, "0", 0.5, "1" },
        { "pt_BR", Format::Pattern, "0", -2.5, "-3" },
        { "pt_BR", Format::Pattern, "0.00;(0.00)", -1234.5, "(1234,50)" },
        { "pt_BR", Format::Pattern, "0.00;(0.00)", -0.004, "0,00" },
        { "pt_BR", Format::Pattern, "0.00;(0.0);\"zero\"", -0.04, "zero" },
        { "pt_BR", Format::Pattern, "0.0;", -5, "-5,0" },
        { "pt_BR", Format::Pattern, ";0.0", 5, "5" },
        { "pt_BR", Format::Pattern, "", 1234.5, "1234,5" },
        { "pt_BR", Format::Pattern, "#.##", 0.5, ",5" },
        { "pt_BR", Format::Pattern, "#.##", 5, "5," },
        { "pt_BR", Format::Pattern, "#.##", 0, "0," },
        { "pt_BR", Format::Pattern, "#", 0, "0" },
        { "pt_BR", Format::Pattern, "0.0#", 2.5, "2,5" },
        { "pt_BR", Format::Pattern, "0.0#", 2.125, "2,13" },
        { "pt_BR", Format::Pattern, "0%", 0.125, "13%" },
        { "pt_BR", Format::Pattern, "0.0 %", 0.125, "12,5 %" },
        { "pt_BR", Format::Pattern, "0.00E+00", 12345, "1,23E+04" },
        { "pt_BR", Format::Pattern, "0.00E+00", -0.00012345, "-1,23E-04" },
        { "pt_BR", Format::Pattern, "0.0e-0", 12345, "1,2e4" },
        { "pt_BR", Format::Pattern, "00.0E+0", 12345, "12,3E+3" },
        { "pt_BR", Format::Pattern, "##0.0E+0", 1234567, "1,2E+6" },
        { "pt_BR", Format::Pattern, "##0.0E+0", 12345, "12,3E+3" },
        { "pt_BR", Format::Pattern, "0.0E+0", 9.96, "1,0E+1" },
        { "pt_BR", Format::Pattern, "0.0E+0", 0, "0,0E+0" },
        { "pt_BR", Format::Pattern, "#,##0,", 1234567, "1.235" },
        { "pt_BR", Format::Pattern, "0.0,,", 1234567, "1,2" },
        { "pt_BR", Format::Pattern, "000-000", 12345, "012-345" },
        { "pt_BR", Format::Pattern, "0-0", 12345, "1234-5" },
        { "pt_BR", Format::Pattern, "\"R$ \"#,##0.00", 5, "R$ 5,00" },
        { "pt_BR", Format::Pattern, "\\$0;\\(0\\)", -5, "(5)" },
        { "pt_BR", Format::Pattern, "0\\", 5, "5" },
        { "pt_BR", Format::Pattern, "0\"a;b", 5, "5a;b" },
        { "pt_BR", Format::Pattern, "0\" 😀\"", 5, "5 😀" },
        { "pt_BR", Format::Pattern, "\\😀0", 5, "😀5" },
        { "pt_BR", Format::Pattern, "abc", -5, "-abc" },
        { "en_US", Format::Pattern, "#,##0.00;(#,##0.00)", -1234.5, "(1,234.50)" },
        { "fr_FR", Format::Pattern, "#,##0.00", 1234.5, "1\u202F234,50" },
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.locale) + " [" + r.pattern + "] " + std::to_string(r.value));
        EXPECT_EQ(engineFor(r.locale).format(r.value, r.kind, u(r.pattern)), u(r.expected));
    }
}

TEST(NumberEngine, FormatText)
{
    const NumberEngine& e = engineFor("pt_BR");
    EXPECT_EQ(e.formatText(u(""), Format::Standard), u(""));
    EXPECT_EQ(e.formatText(u("abc"), Format::Currency), u("abc"));
    EXPECT_EQ(e.formatText(u(" 1E999"), Format::Standard), u(" 1E999"));
    EXPECT_EQ(e.formatText(u("1234,5"), Format::Standard), u("1.234,50"));
    EXPECT_EQ(e.formatText(u("R$ 1,5"), Format::Currency), u("R$\u00A01,50"));
    EXPECT_EQ(e.formatText(u("(3)"), Format::Pattern, u("0.0")), u("-3,0"));
}

// Long, broken and hostile patterns: no crash, no hang, sane length.
TEST(NumberEngine, HostilePatterns)
{
    const NumberEngine& e = engineFor("pt_BR");
    const QString thousandDecimals = u("0.") + QString(1000, u'0');
    const QString text = e.formatPattern(1.0 / 3, thousandDecimals);
    EXPECT_EQ(text.size(), 2 + NumberEngine::kMaxDecimals);
    EXPECT_EQ(e.read(text), e.read(u("0,333333333333333")));
    EXPECT_EQ(e.formatPattern(1e-300, thousandDecimals), u("0,") + QString(299, u'0') + u("1") + QString(40, u'0'));

    std::uint64_t seed = 7;
    const char16_t alphabet[] = u"0#.,;%Ee+-\"\\ x\xD83D\xDE00";
    for (int round = 0; round < 200; ++round) {
        QString pattern;
        for (int i = 0; i < 3000; ++i) {
            seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
            pattern += QChar(alphabet[(seed >> 33) % (std::size(alphabet) - 1)]);
        }
        for (double v : { 0.0, -1.5, 1e300, -DBL_MAX, 5e-324, 123.456 }) {
            const QString out = e.formatPattern(v, pattern);
            EXPECT_LT(out.size(), pattern.size() * 2 + 4000);
        }
    }
    EXPECT_EQ(e.formatPattern(-DBL_MAX, QString(5000, u'%') + u("0")).size() > 0, true);
}

// The law: every text the formats produce reads back as the number it shows.
TEST(NumberEngine, RoundTripLaw)
{
    std::vector<double> values = { 0.0, -0.0, 0.5, -0.5, 0.005, 0.015, 2.145, -2.675, 1.005, 999.995, 1e15 - 1,
        999999999999999.9, 1e15, 1e16, 1e-4, 1e-5, 9.9999e-5, 123456789012345678.0, 0.1 + 0.2, DBL_MAX, -DBL_MAX,
        DBL_MIN, 5e-324, 1.7976931348623e308, 4.9e-300, 1e300, 1234.5, -1234.5 };
    std::uint64_t seed = 42;
    auto next = [&seed] {
        seed ^= seed << 13;
        seed ^= seed >> 7;
        seed ^= seed << 17;
        return seed;
    };
    for (int i = 0; i < 400; ++i) {
        double bits;
        std::uint64_t raw = next();
        std::memcpy(&bits, &raw, sizeof bits);
        if (std::isfinite(bits))
            values.push_back(bits);
        values.push_back(double(std::int64_t(next() % 2000000000001ULL) - 1000000000000LL) / 100.0);
        values.push_back(std::ldexp(double(next() % 1000000) - 500000.0, int(next() % 120) - 60));
    }
    const char* patterns[] = { "#,##0.00", "0.000;(0.000)", "0%", "#.##", "0.00E+00", "##0.0E+0", "#,##0,",
        "0.0#;-0.0#;0", ".00E-0", "0." };
    for (const char* name : { "pt_BR", "en_US", "de_DE", "fr_FR" }) {
        const NumberEngine& e = engineFor(name);
        for (double v : values) {
            std::vector<QString> texts = { e.general(v), e.formatStandard(v), e.formatCurrency(v) };
            for (const char* p : patterns)
                texts.push_back(e.formatPattern(v, u(p)));
            for (const QString& text : texts) {
                double back = 0;
                ASSERT_TRUE(e.tryRead(text, back)) << name << " " << v << " [" << text.toStdString() << "]";
                ASSERT_EQ(back, zev::testing::shownNumber(e, text)) << name << " " << v << " [" << text.toStdString() << "]";
            }
            // Shown and re-shown: formatting the value read back changes nothing.
            double back = 0;
            ASSERT_TRUE(e.tryRead(texts[1], back));
            EXPECT_EQ(e.formatStandard(back), texts[1]);
            ASSERT_TRUE(e.tryRead(texts[0], back));
            if (std::fabs(back) >= DBL_MIN) {
                EXPECT_EQ(e.general(back), texts[0]) << v;
            }
        }
    }
}

// Every locale Qt knows: the derived currency pattern and grouping read back.
TEST(NumberEngine, RoundTripInEveryLocale)
{
    const QList<QLocale> all = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(all.size(), 100);
    for (const QLocale& locale : all) {
        const NumberEngine e(NumberLocale::fromQLocale(locale));
        for (double v : { 0.0, 1234.5, -1234.5, -0.001, 9876543210.987, -1e20, 1.5e-7 }) {
            for (const QString& text : { e.general(v), e.formatStandard(v), e.formatCurrency(v) }) {
                double back = 0;
                ASSERT_TRUE(e.tryRead(text, back)) << locale.name().toStdString() << " [" << text.toStdString() << "]";
                EXPECT_EQ(back, zev::testing::shownNumber(e, text)) << locale.name().toStdString() << " [" << text.toStdString() << "]";
            }
        }
        // What QLocale itself prints reads too, where its digits are ours.
        if (locale.zeroDigit().size() == 1) {
            for (const QString& text : { locale.toCurrencyString(-1234.5), locale.toString(-1234567.25, 'f', 2) }) {
                double back = 0;
                EXPECT_TRUE(e.tryRead(text, back)) << locale.name().toStdString() << " [" << text.toStdString() << "]";
                EXPECT_EQ(back, zev::testing::shownNumber(e, text)) << locale.name().toStdString() << " [" << text.toStdString() << "]";
            }
        }
    }
}

} // namespace

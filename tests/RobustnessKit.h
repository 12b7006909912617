#pragma once

// Random input for the robustness suites (random sessions, hostile property
// bags, round trips) and the property-bag fuzz target: texts of any
// characters, odd sizes, fonts and colours, and the persisted keys of each
// control with the kind of value each one holds.

#include "framework/Font.h"
#include "framework/OleColor.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <vector>

namespace zev::robust {

// A seeded generator; every random choice of a sequence comes from one, so a
// seed replays the sequence exactly.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : engine_(seed) {}

    // 0 <= result < n (n > 0).
    int below(int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(engine_)); }
    int between(int lo, int hi) { return int(std::uniform_int_distribution<int>(lo, hi)(engine_)); }
    qint64 between64(qint64 lo, qint64 hi) { return std::uniform_int_distribution<qint64>(lo, hi)(engine_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(engine_) < p; }
    double real(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(engine_); }
    template <typename T>
    const T& pick(const std::vector<T>& from) { return from[size_t(below(int(from.size())))]; }
    std::uint64_t next() { return engine_(); }

private:
    std::mt19937_64 engine_;
};

// The seed of a run: ZEV_SESSION_SEED style variables read as unsigned numbers.
inline bool envNumber(const char* name, std::uint64_t& value)
{
    const char* text = std::getenv(name);
    if (!text || !*text)
        return false;
    value = std::strtoull(text, nullptr, 0);
    return true;
}

// One character of any kind a keyboard, an input method or a paste can bring.
inline QString randomCharacter(Rng& rng)
{
    switch (rng.below(12)) {
    case 0: return QString(QChar(char16_t(rng.between('0', '9'))));
    case 1: return QString(QChar(char16_t(rng.between('a', 'z'))));
    case 2: return QString(QChar(char16_t(rng.between('A', 'Z'))));
    case 3: return QString(QChar(char16_t(rng.pick(std::vector<int>{' ', ',', '.', '-', '+', '(', ')', '%', 'E', 'e'}))));
    case 4: return QString(QChar(char16_t(rng.pick(std::vector<int>{0xE3, 0xE7, 0xE9, 0xCA, 0xF5, 0xA0, 0x202F, 0x2212}))));
    case 5: return QString(QChar(char16_t(rng.between(0x4E00, 0x9FFF)))); // CJK
    case 6: return QString::fromUcs4(U"\U0001F600"); // a surrogate pair
    case 7: return QString(QChar(char16_t(rng.between(0xD800, 0xDFFF)))); // a lone surrogate half
    case 8: return QString(QChar(char16_t(rng.between(0, 31)))); // control characters, NUL included
    case 9: return QString(QChar(char16_t(rng.between(0x660, 0x669)))); // Arabic-Indic digits
    case 10: return QStringLiteral("R$");
    default: return QString(QChar(char16_t(rng.between(0x20, 0xFFFD))));
    }
}

inline QString randomText(Rng& rng, int maxLength = 12)
{
    if (rng.chance(0.08))
        return QString();
    if (rng.chance(0.03))
        return QString(rng.between(1, 400), QLatin1Char(' '));
    if (rng.chance(0.02)) { // a long paste
        QString s;
        const int n = rng.between(500, 3000);
        for (int i = 0; i < n; ++i)
            s += randomCharacter(rng);
        return s;
    }
    QString s;
    const int n = rng.between(1, maxLength);
    for (int i = 0; i < n; ++i)
        s += randomCharacter(rng);
    return s;
}

// Texts on the way to, or just past, a number in the usual locales.
inline QString randomNumberText(Rng& rng)
{
    static const std::vector<QString> fixed = {
        QStringLiteral("0"), QStringLiteral("-"), QStringLiteral("+"), QStringLiteral(","), QStringLiteral("."),
        QStringLiteral("-0"), QStringLiteral("1.234,50"), QStringLiteral("1,234.50"), QStringLiteral("R$ -1.234,50"),
        QStringLiteral("(1.234,50)"), QStringLiteral("1e308"), QStringLiteral("1e309"), QStringLiteral("-1E+400"),
        QStringLiteral("1E-400"), QStringLiteral("5%"), QStringLiteral(" 12 "), QStringLiteral("1.2.3"),
        QStringLiteral("12-"), QStringLiteral("abc"), QStringLiteral("999999999999999999999"),
        QStringLiteral("0,000000000000001"), QStringLiteral("NaN"), QStringLiteral("Infinity"),
    };
    switch (rng.below(4)) {
    case 0: return rng.pick(fixed);
    case 1: return QString::number(rng.real(-1e6, 1e6), 'f', rng.below(5)).replace(QLatin1Char('.'), QLatin1Char(','));
    case 2: return QString::number(rng.between64(-1000000000, 1000000000));
    default: return randomText(rng, 8);
    }
}

// Sizes a container may give: odd, fractional, zero, huge, and now and then negative.
inline float oddSize(Rng& rng, bool allowNegative)
{
    switch (rng.below(8)) {
    case 0: return 0;
    case 1: return float(rng.between(1, 30));
    case 2: return float(rng.real(0, 10000));
    case 3: return float(rng.between(200, 6000)) + 0.5f;
    case 4: return 1e9f;
    case 5: return allowNegative ? -float(rng.between(1, 100000)) : 15;
    case 6: return std::numeric_limits<float>::max();
    default: return float(rng.between(300, 5000));
    }
}

inline OleColor randomColor(Rng& rng)
{
    switch (rng.below(4)) {
    case 0: return OleColor(rng.between(0, 0xFFFFFF));
    case 1: return OleColor(0x80000000u | quint32(rng.between(0, 30)));
    case 2: return OleColor(rng.next());
    default: return rng.pick(std::vector<OleColor>{Colors::White, Colors::Black, Colors::Red, Colors::ButtonFace});
    }
}

inline qint32 randomLong(Rng& rng)
{
    switch (rng.below(4)) {
    case 0: return rng.between(-3, 3);
    case 1: return qint32(rng.next());
    case 2: return rng.pick(std::vector<qint32>{32767, 32768, -32768, -32769, INT32_MAX, INT32_MIN});
    default: return rng.between(-100, 100);
    }
}

inline qint16 randomInteger(Rng& rng)
{
    switch (rng.below(3)) {
    case 0: return qint16(rng.between(-3, 30));
    case 1: return qint16(rng.next());
    default: return rng.pick(std::vector<qint16>{0, 1, 24, 25, 26, -1, 32767, -32768});
    }
}

// The attributes a widget's font accepts (Font::assign).
inline bool fontAccepted(const FontDesc& f)
{
    return std::isfinite(f.size) && f.size > 0 && f.size <= 2048 && f.weight >= 0 && f.weight <= 1000;
}

inline FontDesc randomFont(Rng& rng, bool validOnly)
{
    FontDesc f;
    f.name = rng.chance(0.7) ? rng.pick(std::vector<QString>{QStringLiteral("Tahoma"), QStringLiteral("Courier New"),
                                                             QStringLiteral("Arial"), QStringLiteral("Segoe UI")})
                             : randomText(rng, 20);
    f.size = rng.pick(std::vector<double>{6, 8.25, 9.75, 12, 14.5, 72, 2048});
    f.bold = rng.chance(0.5);
    f.italic = rng.chance(0.5);
    f.underline = rng.chance(0.5);
    f.strikethrough = rng.chance(0.5);
    f.weight = f.bold ? 700 : 400;
    if (rng.chance(0.2))
        f.weight = qint16(rng.between(0, 1000));
    f.charset = qint16(rng.between(0, 255));
    if (!validOnly && rng.chance(0.4)) {
        if (rng.chance(0.5))
            f.size = rng.pick(std::vector<double>{0, -8, 1e9, std::nan(""), INFINITY, -INFINITY, 2048.5});
        else
            f.weight = rng.pick(std::vector<qint16>{-1, 1001, 32767, -32768});
    }
    return f;
}

// ---- persisted property sets ----

enum class ValueKind { Integer, Long, Color, Boolean, String, Font };

struct PersistedKey {
    const char* key;
    ValueKind kind;
};

struct PersistedSet {
    const char* className;
    std::vector<PersistedKey> keys;
};

inline const std::vector<PersistedSet>& persistedSets()
{
    using K = ValueKind;
    static const std::vector<PersistedSet> sets = {
        {"ZEVNumeric",
         {{"Appearance", K::Long}, {"AllowNegative", K::Boolean}, {"BackColor", K::Color},
          {"CustomFormat", K::String}, {"Enabled", K::Boolean}, {"ForeColorPositive", K::Color},
          {"ForeColorNegative", K::Color}, {"ForeColorZero", K::Color}, {"Format", K::Long}, {"Locked", K::Boolean},
          {"StartZero", K::Boolean}, {"Text", K::String}}},
        {"ZEVCodeDescription",
         {{"Appearance", K::Long}, {"Code", K::String}, {"CodeBackColor", K::Color}, {"CodeFont", K::Font},
          {"CodeForeColor", K::Color}, {"CodeMaxLength", K::Integer}, {"CodeSize", K::Integer},
          {"Description", K::String}, {"DescriptionBackColor", K::Color}, {"DescriptionFont", K::Font},
          {"DescriptionForeColor", K::Color}, {"Enabled", K::Boolean}, {"FieldPkey", K::String},
          {"FillZeros", K::Boolean}, {"FontBold", K::Boolean}, {"FontItalic", K::Boolean},
          {"FontStrikethrough", K::Boolean}, {"FontSize", K::Long}, {"FontUnderline", K::Boolean},
          {"Loaded", K::Boolean}, {"Locked", K::Boolean}, {"PrimaryKey", K::String}, {"ShowF3", K::Boolean}}},
        {"ZEVDescriptionOnly",
         {{"Appearance", K::Long}, {"BackColor", K::Color}, {"Description", K::String}, {"Enabled", K::Boolean},
          {"FieldPkey", K::String}, {"Font", K::Font}, {"FontBold", K::Boolean}, {"FontItalic", K::Boolean},
          {"FontStrikethrough", K::Boolean}, {"FontSize", K::Long}, {"FontUnderline", K::Boolean},
          {"ForeColor", K::Color}, {"Loaded", K::Boolean}, {"Locked", K::Boolean}, {"PrimaryKey", K::String},
          {"ShowF3", K::Boolean}}},
        {"ZEVPersistCombo",
         {{"AllowItemDuplication", K::Boolean}, {"Appearance", K::Integer}, {"Code", K::String},
          {"CodeBackColor", K::Color}, {"CodeFont", K::Font}, {"CodeForeColor", K::Color},
          {"CodeMaxLength", K::Integer}, {"CodeSize", K::Integer}, {"Description", K::String},
          {"DescriptionBackColor", K::Color}, {"DescriptionFont", K::Font}, {"DescriptionForeColor", K::Color},
          {"Enabled", K::Boolean}, {"FieldPkey", K::String}, {"FillZeros", K::Boolean}, {"FontBold", K::Boolean},
          {"FontItalic", K::Boolean}, {"FontStrikethrough", K::Boolean}, {"FontSize", K::Long},
          {"FontUnderline", K::Boolean}, {"Loaded", K::Boolean}, {"Locked", K::Boolean}, {"ShowF3", K::Boolean},
          {"ShowCodeInCombo", K::Boolean}}},
        {"ZEVDateRange", {{"Appearance", K::Long}, {"BackColor", K::Color}}},
    };
    return sets;
}

// Values of every kind a damaged or foreign form file may hold: wrong types,
// numbers beyond every range, NaN and infinities, a megabyte of text, fonts
// with empty names or absurd sizes.
inline std::vector<QVariant> hostileValues()
{
    std::vector<QVariant> v = {
        QVariant(), QVariant(true), QVariant(false), QVariant(qint16(-32768)), QVariant(qint16(32767)),
        QVariant(qint32(INT32_MIN)), QVariant(qint32(INT32_MAX)), QVariant(qint32(-1)), QVariant(qint32(26)),
        QVariant(qint64(1) << 40), QVariant(qint64(INT64_MIN)), QVariant(quint64(UINT64_MAX)),
        QVariant(quint32(UINT32_MAX)), QVariant(std::nan("")), QVariant(double(INFINITY)),
        QVariant(double(-INFINITY)), QVariant(1e308), QVariant(-1e308), QVariant(2.5), QVariant(-0.0),
        QVariant(4.9e-324), QVariant(float(3.4e38f)), QVariant(QString()), QVariant(QStringLiteral("abc")),
        QVariant(QStringLiteral("12")), QVariant(QStringLiteral("-7,5")), QVariant(QStringLiteral("1e400")),
        QVariant(QStringLiteral("True")), QVariant(QStringLiteral(" ")), QVariant(QString(1 << 20, QLatin1Char('9'))),
        QVariant(QString(1 << 20, QChar(0x00E9))), QVariant(QString::fromUcs4(U"\U0001F600\0x", 3)),
        QVariant(QString(QChar(0xD800))), QVariant(QByteArray("\x00\xff", 2)),
        QVariant(QVariantList{1, QStringLiteral("x")}), QVariant(QDateTime(QDate(1899, 12, 30), QTime(0, 0))),
        QVariant(QChar(0x41)),
    };
    auto font = [](const char* name, double size, qint16 weight, qint16 charset) {
        FontDesc f;
        f.name = QString::fromUtf8(name);
        f.size = size;
        f.weight = weight;
        f.charset = charset;
        return QVariant::fromValue(f);
    };
    v.push_back(font("", 8.25, 400, 0));
    v.push_back(font("Tahoma", 0, 400, 0));
    v.push_back(font("Tahoma", -12, 400, 0));
    v.push_back(font("Tahoma", std::nan(""), 400, 0));
    v.push_back(font("Tahoma", INFINITY, 400, 0));
    v.push_back(font("Tahoma", 1e300, -5, -1));
    v.push_back(font("Tahoma", 8.25, 32767, 32767));
    FontDesc longName;
    longName.name = QString(1 << 20, QLatin1Char('F'));
    v.push_back(QVariant::fromValue(longName));
    return v;
}

// A value of the key's own kind, within what its property documents.
inline QVariant validValue(Rng& rng, ValueKind kind)
{
    switch (kind) {
    case ValueKind::Integer: return QVariant(qint16(rng.between(0, 25)));
    case ValueKind::Long: return QVariant(qint32(rng.between(0, 1)));
    case ValueKind::Color: return QVariant(qint32(randomColor(rng)));
    case ValueKind::Boolean: return QVariant(rng.chance(0.5));
    case ValueKind::String: return QVariant(randomText(rng, 10));
    case ValueKind::Font: return QVariant::fromValue(randomFont(rng, true));
    }
    return QVariant();
}

} // namespace zev::robust

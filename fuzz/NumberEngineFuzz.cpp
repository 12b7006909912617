// Reads arbitrary text as a number and formats arbitrary values with
// arbitrary patterns, in several locales. Aborts when a text that general(),
// Standard or Currency produced does not read back as the number it shows.

#include "numeric/NumberEngine.h"
#include "tests/NumberOracle.h"

#include <QLocale>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using zev::NumberEngine;
using zev::NumberLocale;

namespace {

const char* const kLocales[] = { "pt_BR", "en_US", "de_DE", "fr_FR", "ar_EG", "fa_IR", "sv_SE", "en_IN", "es_ES",
    "ja_JP", "de_CH", "C" };
constexpr int kLocaleCount = int(sizeof kLocales / sizeof kLocales[0]);

// Patterns without literal text: their output must read.
const char* const kNumberPatterns[] = { "#,##0.00", "0.000;(0.000)", "0%", "#.##", "0.00E+00", "##0.0E+0", "#,##0,",
    "0.0#;-0.0#;0", ".00E-0", "0.", "0", "#", "000.0", "0.0e-00", "#,##0.0,," };
constexpr int kPatternCount = int(sizeof kNumberPatterns / sizeof kNumberPatterns[0]);

const NumberEngine& engine(int index)
{
    static NumberEngine* engines[kLocaleCount] = {};
    if (!engines[index])
        engines[index] = new NumberEngine(NumberLocale::fromQLocale(QLocale(QString::fromLatin1(kLocales[index]))));
    return *engines[index];
}

[[noreturn]] void fail(const char* what, const NumberEngine& e, double value, const QString& text)
{
    std::fprintf(stderr, "LAW BROKEN (%s): locale %s value %.17g text [%s]\n", what,
        e.locale().decimalSeparator().toUtf8().constData(), value, text.toUtf8().constData());
    std::abort();
}

// `text` was made from `value` showing `places` decimals (-1: 15 digits).
void checkLaw(const char* what, const NumberEngine& e, double value, const QString& text, int places)
{
    double back = 0;
    if (!e.tryRead(text, back))
        fail(what, e, value, text);
    if (back != zev::testing::shownNumber(e, text))
        fail(what, e, value, text);
    const double tolerance = (places < 0 ? 0 : 0.5 * std::pow(10.0, -places)) * (1 + 1e-9)
        + std::fabs(value) * 1e-14 + 1e-320;
    if (!(std::fabs(back - value) <= tolerance))
        fail(what, e, value, text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 10)
        return 0;
    const NumberEngine& e = engine(data[0] % kLocaleCount);
    const std::uint8_t mode = data[1];
    std::uint64_t raw = 0;
    std::memcpy(&raw, data + 2, sizeof raw);
    double value = 0;
    if (mode & 1) {
        std::memcpy(&value, &raw, sizeof value);
    } else {
        // Business-like values: an integer over a power of ten.
        value = double(std::int64_t(raw)) / std::pow(10.0, (mode >> 2) % 24);
    }
    const char* rest = reinterpret_cast<const char*>(data + 10);
    const qsizetype restSize = qsizetype(size - 10);
    const QString text = (mode & 2) ? QString::fromUtf8(rest, restSize)
                                    : QString(reinterpret_cast<const QChar*>(rest), restSize / 2);

    // Reading anything: no crash, a finite result without negative zero.
    double read = 0;
    if (e.parse(text, read) == NumberEngine::ReadResult::Ok) {
        if (!std::isfinite(read) || (read == 0 && std::signbit(read)))
            fail("read", e, read, text);
        value = (mode & 0x80) ? read : value;
    }

    // Formatting anything with anything: no crash, no hang.
    (void)e.formatPattern(value, text);
    (void)e.formatText(text, NumberEngine::Format::Pattern, text);
    if (!std::isfinite(value))
        return 0;

    checkLaw("general", e, value, e.general(value), -1);
    checkLaw("standard", e, value, e.formatStandard(value), 2);
    checkLaw("currency", e, value, e.formatCurrency(value), e.locale().currencyDecimals());

    // A pattern without literal text reads back as what it shows.
    const QString pattern = QString::fromLatin1(kNumberPatterns[mode % kPatternCount]);
    const QString out = e.formatPattern(value, pattern);
    double back = 0;
    if (!e.tryRead(out, back) || back != zev::testing::shownNumber(e, out))
        fail("pattern", e, value, out + QLatin1String(" <- ") + pattern);
    return 0;
}

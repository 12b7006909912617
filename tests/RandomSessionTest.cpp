// Random sessions over each control: thousands of user and host actions, each
// checked against what the control promises. The suite runs a few hundred
// sequences per control; scripts/random-sessions runs as many as asked
// (ZEV_SESSION_COUNT), ZEV_SESSION_SEED replays one sequence and
// ZEV_SESSION_VERBOSE prints its steps.

#include "codedescription/ZEVCodeDescription.h"
#include "daterange/DateRangePresets.h"
#include "daterange/ZEVDateRange.h"
#include "descriptiononly/ZEVDescriptionOnly.h"
#include "framework/KeyCodes.h"
#include "numeric/NumberEngine.h"
#include "numeric/ZEVNumeric.h"
#include "persistcombo/ZEVPersistCombo.h"
#include "testkit/TestClock.h"
#include "framework/VariantConvert.h"
#include "tests/SessionDriver.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace zev;
using namespace zev::robust;

namespace {

using Kind = SessionDriver::Kind;

bool readable(const QString& text)
{
    double n;
    return NumberEngine::current().tryRead(text, n);
}

qint16 randomKey(Rng& rng)
{
    static const std::vector<qint16> keys = {
        KeyCodes::Return, KeyCodes::F3, KeyCodes::Back, KeyCodes::Delete, KeyCodes::Left, KeyCodes::Right,
        KeyCodes::Home, KeyCodes::End, KeyCodes::Tab, KeyCodes::Escape, KeyCodes::Up, KeyCodes::Down,
        KeyCodes::F1, KeyCodes::Space, '5', 'A', 'Z', 188, 189, 190};
    return rng.pick(keys);
}

qint16 randomShift(Rng& rng) { return rng.chance(0.7) ? 0 : qint16(rng.between(0, 7)); }

// The by-reference answer a handler gives to a key event: replace or cancel the key.
void answerKey(Rng& rng, const QString& event, QVariantList& args)
{
    if (args.isEmpty())
        return;
    if (event == QLatin1String("KeyPress"))
        args[0] = rng.chance(0.5) ? qint16(0) : qint16(rng.pick(std::vector<int>{'5', 'x', ',', '-', 8, 13, 0xE9, -5}));
    else
        args[0] = randomKey(rng);
}

// The Search answer of a host that looks the record up: found or not, with a key.
void answerSearch(Rng& rng, QVariantList& args)
{
    if (args.size() < 2)
        return;
    const bool found = rng.chance(0.6);
    args[0] = found ? (rng.chance(0.8) ? QString::number(rng.between(1, 99999)) : randomText(rng, 6)) : args[0];
    args[1] = found;
}

QString describeFont(const FontDesc& f) { return QStringLiteral("%1 %2pt w%3").arg(f.name.left(12), QString::number(f.size), QString::number(f.weight)); }

std::set<int> fontErrors(const FontDesc& f)
{
    return fontAccepted(f) ? std::set<int>{} : std::set<int>{ErrInvalidPropertyValue};
}

std::set<int> sizeErrors(qint32 points)
{
    return points > 0 && points <= 2048 ? std::set<int>{} : std::set<int>{ErrInvalidPropertyValue};
}

std::set<int> appearanceErrors(qint32 v) { return v < -32768 || v > 32767 ? std::set<int>{ErrOverflow} : std::set<int>{}; }

// The two boxes of a lookup: a colour or a font for the code or the description.
template <typename C>
void boxColour(const SessionDriver::Runner& run, Rng& rng, C& c)
{
    const OleColor v = randomColor(rng);
    const int which = rng.below(4);
    run(QStringLiteral("colour %1 = %2").arg(which).arg(v, 0, 16), [=, &c] {
        if (which == 0)
            c.setCodeBackColor(v);
        else if (which == 1)
            c.setCodeForeColor(v);
        else if (which == 2)
            c.setDescriptionBackColor(v);
        else
            c.setDescriptionForeColor(v);
    });
}

template <typename C>
void boxFont(const SessionDriver::Runner& run, Rng& rng, C& c)
{
    const FontDesc f = randomFont(rng, false);
    const bool codeFont = rng.chance(0.5);
    run(QStringLiteral("%1 = %2").arg(codeFont ? "CodeFont" : "DescriptionFont", describeFont(f)), [=, &c] {
        if (codeFont)
            c.setCodeFont(f);
        else
            c.setDescriptionFont(f);
    }, fontErrors(f));
}

// ---------------------------------------------------------------- ZEVNumeric

class NumericSession : public SessionDriver {
public:
    explicit NumericSession(std::uint64_t seed) : SessionDriver(QStringLiteral("ZEVNumeric"), seed) {}

protected:
    ZEVNumeric& c() const { return control<ZEVNumeric>(); }
    TestFlatEdit& txt() const { return host.edit(QStringLiteral("txtValue")); }

    void start() override
    {
        static const std::vector<QLocale> locales = {
            QLocale(QLocale::Portuguese, QLocale::Brazil), QLocale(QLocale::English, QLocale::UnitedStates),
            QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::French, QLocale::France)};
        QLocale::setDefault(rng.pick(locales));
        host.setScaleSize(1140, 525);
        owner->Initialize();
        owner->InitProperties();
    }

    void eventRaised(const QString& event, QVariantList&) override
    {
        if (event == QLatin1String("Change")) {
            if (std::getenv("ZEV_SESSION_VERBOSE"))
                qInfo("    text \"%s\" last %g", qPrintable(txt().Text()), c().LastNumericValue());
            checkText(QStringLiteral("at Change"));
        }
    }

    void answer(const QString& event, QVariantList& args) override
    {
        if (event != QLatin1String("Change"))
            answerKey(rng, event, args);
    }

    void hostAction(bool nested)
    {
        const Runner run{*this, nested};
        switch (rng.below(nested ? 14 : 17)) {
        case 0:
            run.text("Text", rng.chance(0.7) ? randomNumberText(rng) : randomText(rng), [=](const QString& s) { c().setText(s); });
            break;
        case 1:
            run.number<qint32>("Format", rng.chance(0.8) ? rng.between(0, 2) : randomLong(rng), [=](qint32 v) { c().setFormat(v); });
            break;
        case 2: {
            const QString p = rng.chance(0.8)
                ? rng.pick(std::vector<QString>{QStringLiteral("#,##0.00"), QStringLiteral("0.000"),
                                                QStringLiteral("#0.0#"), QStringLiteral("0%"),
                                                QStringLiteral("0.00E+00"), QStringLiteral("#,##0;(#,##0)"),
                                                QStringLiteral("0.0;-0.0;\"zero\""), QStringLiteral("\"R$\" 0.00"),
                                                QStringLiteral("0 \"kg\""), QStringLiteral("#;#;\"-\""),
                                                QStringLiteral(""), QStringLiteral("   "), QStringLiteral("\\"),
                                                QStringLiteral("0;"), QStringLiteral(";;;")})
                : randomText(rng);
            run(QStringLiteral("CustomFormat = \"%1\"").arg(p.left(40)), [=] { c().setCustomFormat(p); });
            break;
        }
        case 3:
            run.flag("AllowNegative", rng.chance(0.5), [=](bool b) { c().setAllowNegative(b); });
            break;
        case 4:
            run.flag("StartZero", rng.chance(0.5), [=](bool b) { c().setStartZero(b); });
            break;
        case 5: {
            // A sign colour reads the field as a number: a lone sign fails with 13.
            const OleColor color = randomColor(rng);
            const int which = rng.below(3);
            const QString t = txt().Text();
            const std::set<int> documented =
                !t.isEmpty() && !readable(t) ? std::set<int>{ErrTypeMismatch} : std::set<int>{};
            run(QStringLiteral("ForeColor%1 = %2").arg(which).arg(color, 0, 16), [=] {
                if (which == 0)
                    c().setForeColorNegative(color);
                else if (which == 1)
                    c().setForeColorPositive(color);
                else
                    c().setForeColorZero(color);
            }, documented);
            break;
        }
        case 6:
            run.number<qint32>("Appearance", randomLong(rng), [=](qint32 v) { c().setAppearance(v); }, appearanceErrors);
            break;
        case 7: {
            const OleColor color = randomColor(rng);
            run(QStringLiteral("BackColor = %1").arg(color, 0, 16), [=] { c().setBackColor(color); });
            break;
        }
        case 8:
            run.flag("Enabled", rng.chance(0.7), [=](bool b) { c().setEnabled(b); });
            break;
        case 9:
            run.flag("Locked", rng.chance(0.3), [=](bool b) { c().setLocked(b); });
            break;
        case 10: {
            const FontDesc f = randomFont(rng, false);
            run(QStringLiteral("Font = %1").arg(describeFont(f)), [=] { c().setFont(f); }, fontErrors(f));
            break;
        }
        case 11:
            run.text("ControlText.Text", randomNumberText(rng), [=](const QString& s) { txt().setText(s); });
            break;
        case 12:
            run(QStringLiteral("read Text"), [=] {
                const QString t = c().Text();
                expect(t.isEmpty() || readable(t), QStringLiteral("Text reads \"%1\"").arg(t));
            });
            break;
        case 13:
            run(QStringLiteral("AboutBox"), [=] { c().AboutBox(); });
            break;
        case 14: {
            const float w = oddSize(rng, true), h = oddSize(rng, true);
            run(QStringLiteral("Resize %1 x %2").arg(w).arg(h), [=] { host.resize(w, h); },
                w < 0 || h < 0 ? std::set<int>{ErrInvalidPropertyValue} : std::set<int>{});
            break;
        }
        default:
            run.writeProperties();
            break;
        }
    }

    void nestedAction() override { hostAction(true); }

    void randomStep() override
    {
        if (rng.chance(0.45)) {
            hostAction(false);
            return;
        }
        switch (rng.below(6)) {
        case 0:
        case 1: {
            const QString s = rng.chance(0.6) ? randomNumberText(rng) : randomText(rng);
            act(QStringLiteral("type \"%1\"").arg(s.left(40)), [=] { host.type(txt(), s); }, {}, Kind::Typing);
            break;
        }
        case 2: {
            const qint16 key = randomKey(rng), shift = randomShift(rng);
            act(QStringLiteral("key %1/%2").arg(key).arg(shift), [=] { host.pressKey(txt(), key, shift); });
            break;
        }
        case 3:
            act(QStringLiteral("focus txtValue"), [=] { host.focus(txt()); });
            break;
        case 4:
            act(QStringLiteral("focus elsewhere"), [=] { host.focusElsewhere(); });
            break;
        default:
            act(QStringLiteral("tab"), [=] { host.tab(); });
            break;
        }
    }

    void checkText(const QString& where)
    {
        const QString t = txt().Text();
        const NumberEngine& engine = NumberEngine::current();
        double n = 0;
        if (t.isEmpty() || t == QLatin1String("-") || t == QLatin1String("+") || t == QLatin1String(",")
            || t == QLatin1String("."))
            return;
        if (engine.tryRead(t, n)) {
            // Nothing lost: the last readable value is the one shown.
            expect(n == c().LastNumericValue(),
                   QStringLiteral("%1: the field shows \"%2\" but LastNumericValue is %3")
                       .arg(where, t, QString::number(c().LastNumericValue(), 'g', 17)));
            return;
        }
        // The one documented exception: a custom pattern's literal text.
        const bool patternDisplay = c().Format() == CustomFormatation
            && t == engine.formatPattern(c().LastNumericValue(), c().CustomFormat());
        expect(patternDisplay, QStringLiteral("%1: the field shows \"%2\", not a number").arg(where, t.left(60)));
    }

    void checkInvariants() override
    {
        checkText(QStringLiteral("after the step"));
        const QString t = c().Text();
        expect(t.isEmpty() || readable(t), QStringLiteral("Text reads \"%1\"").arg(t.left(60)));
    }
};

// -------------------------------------------------------- ZEVCodeDescription

// The lookups share the search bookkeeping: the last Search raised straight
// by a step (not from inside another event) and what the host answered.
struct SearchRecord {
    bool valid = false;
    int depth = 0;
    bool success = false;
    QString key;
    int nestedAtAnswer = 0;
    QString description; // the control's description when Search was raised
};

// The user's steps on a lookup: type, keys (mostly Enter and F3), the F3
// button, focus moves.
class LookupSession : public SessionDriver {
protected:
    using SessionDriver::SessionDriver;

    void lookupStep(TestFlatEdit& box, Kind otherKey, Kind button)
    {
        TestFlatEdit* target = &box;
        switch (rng.below(8)) {
        case 0:
        case 1: {
            const QString s = randomText(rng, 6);
            act(QStringLiteral("type \"%1\"").arg(s.left(40)), [=] { host.type(*target, s); }, {}, Kind::Typing);
            break;
        }
        case 2:
        case 3: {
            const qint16 key = rng.chance(0.6) ? rng.pick(std::vector<qint16>{KeyCodes::Return, KeyCodes::F3})
                                               : randomKey(rng);
            const qint16 shift = randomShift(rng);
            act(QStringLiteral("key %1/%2").arg(key).arg(shift), [=] { host.pressKey(*target, key, shift); }, {},
                key == KeyCodes::Return || key == KeyCodes::F3 ? Kind::KeySearch : otherKey);
            break;
        }
        case 4:
            act(QStringLiteral("click F3"), [=] { host.click(host.button(QStringLiteral("cmdSearch"))); }, {}, button);
            break;
        case 5:
            act("focus " + box.Name(), [=] { host.focus(*target); });
            break;
        case 6:
            act(QStringLiteral("focus elsewhere"), [=] { host.focusElsewhere(); });
            break;
        default:
            act(QStringLiteral("tab"), [=] { host.tab(); });
            break;
        }
    }
};

class CodeDescriptionSession : public LookupSession {
public:
    explicit CodeDescriptionSession(std::uint64_t seed) : LookupSession(QStringLiteral("ZEVCodeDescription"), seed) {}

protected:
    ZEVCodeDescription& c() const { return control<ZEVCodeDescription>(); }
    TestFlatEdit& code() const { return host.edit(QStringLiteral("txtCode")); }

    void start() override
    {
        host.setScaleSize(4215, 285);
        owner->Initialize();
        owner->InitProperties();
        lastCode_ = c().Code();
    }

    void eventRaised(const QString& event, QVariantList&) override
    {
        if (event == QLatin1String("CodeChange")) {
            // Every change of the code lets go of the record's key. (A host
            // acting inside the events may raise CodeChange from the Code
            // setter while the change handling has not yet reached the key.)
            if (c().Code() != lastCode_ && nestedInStep() == 0)
                expect(c().PrimaryKey().isEmpty(),
                       QStringLiteral("code changed to \"%1\" with PrimaryKey \"%2\"").arg(c().Code(), c().PrimaryKey()));
            lastCode_ = c().Code();
        } else if (event == QLatin1String("Load")) {
            expect(c().Loaded(), QStringLiteral("Load raised while Loaded is False"));
            if (afterSuccess_ == depth())
                expect(c().PrimaryKey() == searchKey_,
                       QStringLiteral("Load after a search: PrimaryKey \"%1\", the host gave \"%2\"")
                           .arg(c().PrimaryKey(), searchKey_));
        }
        afterSuccess_ = -1;
    }

    void answer(const QString& event, QVariantList& args) override
    {
        if (event == QLatin1String("Search")) {
            answerSearch(rng, args);
            if (args.size() >= 2 && args[1].toBool() && rng.chance(0.7))
                c().setDescription(randomText(rng, 10));
        } else if (event == QLatin1String("Unload") && !args.isEmpty() && rng.chance(0.4)) {
            args[0] = qint16(rng.pick(std::vector<int>{-1, 1, 7, 32767}));
        }
    }

    void eventAnswered(const QString& event, const QVariantList& args) override
    {
        if (event != QLatin1String("Search"))
            return;
        search_ = SearchRecord{};
        search_.valid = true;
        search_.depth = depth();
        search_.nestedAtAnswer = nestedTotal();
        try {
            search_.success = VariantConvert::toBoolean(args.value(1));
            search_.key = VariantConvert::toString(args.value(0));
        } catch (const ControlError&) {
            search_.valid = false;
        }
        if (search_.valid && search_.success) {
            afterSuccess_ = depth();
            searchKey_ = search_.key;
        }
    }

    void hostAction(bool nested)
    {
        const Runner run{*this, nested};
        switch (rng.below(nested ? 22 : 26)) {
        case 0:
            run.text("Code", randomText(rng, 8), [=](const QString& s) { c().setCode(s); });
            break;
        case 1:
            run.text("Description", randomText(rng, 10), [=](const QString& s) { c().setDescription(s); });
            break;
        case 2:
            run.number<qint16>("CodeMaxLength", randomInteger(rng), [=](qint16 v) { c().setCodeMaxLength(v); });
            break;
        case 3:
            run.number<qint16>("CodeSize", randomInteger(rng), [=](qint16 v) { c().setCodeSize(v); });
            break;
        case 4:
            boxColour(run, rng, c());
            break;
        case 5:
            run.flag("Enabled", rng.chance(0.7), [=](bool b) { c().setEnabled(b); });
            break;
        case 6:
            run.flag("Locked", rng.chance(0.3), [=](bool b) { c().setLocked(b); });
            break;
        case 7:
            run.flag("ShowF3", rng.chance(0.6), [=](bool b) { c().setShowF3(b); });
            break;
        case 8:
            run.flag("FillZeros", rng.chance(0.5), [=](bool b) { c().setFillZeros(b); });
            break;
        case 9:
            run.text("FieldPkey", randomText(rng, 6), [=](const QString& s) { c().setFieldPkey(s); });
            break;
        case 10: {
            run.fontAttribute(c());
            break;
        }
        case 11:
            run.number<qint32>("FontSize", rng.chance(0.7) ? rng.between(1, 30) : randomLong(rng), [=](qint32 v) { c().setFontSize(v); }, sizeErrors);
            break;
        case 12:
            boxFont(run, rng, c());
            break;
        case 13:
            run.number<qint32>("Appearance", randomLong(rng), [=](qint32 v) { c().setAppearance(v); }, appearanceErrors);
            break;
        case 14:
        case 15:
            run(QStringLiteral("Clear"), [=] { c().Clear(); });
            break;
        case 16:
        case 17: {
            eSource source = eSource(rng.chance(0.9) ? rng.between(0, 1) : rng.pick(std::vector<int>{5, -1}));
            if (nested)
                actNested([=]() mutable { c().ForceSearch(source); });
            else
                act(QStringLiteral("ForceSearch %1").arg(int(source)), [=]() mutable { c().ForceSearch(source); }, {},
                    Kind::KeySearch);
            break;
        }
        case 18:
            run.text("ControlCode.Text", randomText(rng, 6), [=](const QString& s) { code().setText(s); });
            break;
        case 19:
            run(QStringLiteral("About"), [=] { c().About(); });
            break;
        case 20: {
            const float w = oddSize(rng, true), h = oddSize(rng, true);
            run(QStringLiteral("Resize %1 x %2").arg(w).arg(h), [=] { host.resize(w, h); });
            break;
        }
        case 21:
            run.writeProperties();
            break;
        case 22:
            run.flag("Loaded", rng.chance(0.5), [=](bool b) { c().setLoaded(b); });
            break;
        default: {
            const QString s = randomText(rng, 6);
            run(QStringLiteral("PrimaryKey = \"%1\"").arg(s.left(40)), [=] { c().setPrimaryKey(s); });
            break;
        }
        }
    }

    void nestedAction() override { hostAction(true); }

    void randomStep() override
    {
        search_.valid = false;
        if (rng.chance(0.4)) {
            hostAction(false);
            return;
        }
        lookupStep(code(), Kind::Other, Kind::KeySearch);
    }

    void checkInvariants() override
    {
        // The end of a search that nothing disturbed: the documented state.
        if (kind() == Kind::KeySearch && cleanStep() && search_.valid && search_.depth == 1
            && search_.nestedAtAnswer == nestedTotal()) {
            if (search_.success) {
                expect(c().Loaded() && c().PrimaryKey() == search_.key,
                       QStringLiteral("after a successful search: Loaded %1, PrimaryKey \"%2\" (host gave \"%3\")")
                           .arg(c().Loaded())
                           .arg(c().PrimaryKey(), search_.key));
            } else {
                expect(!c().Loaded() && c().PrimaryKey().isEmpty() && c().Description().isEmpty(),
                       QStringLiteral("after a failed search: Loaded %1, PrimaryKey \"%2\", Description \"%3\"")
                           .arg(c().Loaded())
                           .arg(c().PrimaryKey(), c().Description()));
            }
        }
        lastCode_ = c().Code();
    }

private:
    QString lastCode_;
    QString searchKey_;
    int afterSuccess_ = -1;
    SearchRecord search_;
};

// -------------------------------------------------------- ZEVDescriptionOnly

class DescriptionOnlySession : public LookupSession {
public:
    explicit DescriptionOnlySession(std::uint64_t seed) : LookupSession(QStringLiteral("ZEVDescriptionOnly"), seed) {}

protected:
    ZEVDescriptionOnly& c() const { return control<ZEVDescriptionOnly>(); }
    TestFlatEdit& box() const { return host.edit(QStringLiteral("txtDescription")); }

    void start() override
    {
        host.setScaleSize(3255, 285);
        owner->Initialize();
        owner->InitProperties();
    }

    void eventRaised(const QString& event, QVariantList&) override
    {
        if (event == QLatin1String("Load"))
            expect(c().Loaded(), QStringLiteral("Load raised while Loaded is False"));
        if (event == QLatin1String("Search")) {
            descriptionAtSearch_ = c().Description();
        }
        if (event == QLatin1String("DescChange"))
            ++descChanges_;
        if (event == QLatin1String("Search"))
            ++searches_;
    }

    void answer(const QString& event, QVariantList& args) override
    {
        if (event == QLatin1String("Search"))
            answerSearch(rng, args);
    }

    void eventAnswered(const QString& event, const QVariantList& args) override
    {
        if (event != QLatin1String("Search"))
            return;
        search_ = SearchRecord{};
        search_.valid = true;
        search_.depth = depth();
        search_.nestedAtAnswer = nestedTotal();
        search_.description = descriptionAtSearch_;
        try {
            search_.success = VariantConvert::toBoolean(args.value(1));
            search_.key = VariantConvert::toString(args.value(0));
        } catch (const ControlError&) {
            search_.valid = false;
        }
    }

    void hostAction(bool nested)
    {
        const Runner run{*this, nested};
        switch (rng.below(nested ? 16 : 19)) {
        case 0:
        case 1:
            run.text("Description", randomText(rng, 10), [=](const QString& s) { c().setDescription(s); });
            break;
        case 2: {
            const OleColor v = randomColor(rng);
            const bool back = rng.chance(0.5);
            run(QStringLiteral("%1 = %2").arg(back ? "BackColor" : "ForeColor").arg(v, 0, 16), [=] {
                if (back)
                    c().setBackColor(v);
                else
                    c().setForeColor(v);
            });
            break;
        }
        case 3:
            run.flag("Enabled", rng.chance(0.7), [=](bool b) { c().setEnabled(b); });
            break;
        case 4:
            run.flag("Locked", rng.chance(0.3), [=](bool b) { c().setLocked(b); });
            break;
        case 5:
            run.flag("ShowF3", rng.chance(0.6), [=](bool b) { c().setShowF3(b); });
            break;
        case 6:
            run.text("FieldPkey", randomText(rng, 6), [=](const QString& s) { c().setFieldPkey(s); });
            break;
        case 7: {
            const FontDesc f = randomFont(rng, false);
            run(QStringLiteral("Font = %1").arg(describeFont(f)), [=] { c().setFont(f); }, fontErrors(f));
            break;
        }
        case 8:
            run.number<qint32>("FontSize", rng.chance(0.7) ? rng.between(1, 30) : randomLong(rng), [=](qint32 v) { c().setFontSize(v); }, sizeErrors);
            break;
        case 9: {
            run.fontAttribute(c());
            break;
        }
        case 10:
            run.number<qint32>("Appearance", randomLong(rng), [=](qint32 v) { c().setAppearance(v); }, appearanceErrors);
            break;
        case 11:
            run(QStringLiteral("Clear"), [=] { c().Clear(); });
            break;
        case 12:
        case 13: {
            eSource source = eSource(rng.chance(0.9) ? rng.between(0, 1) : rng.pick(std::vector<int>{5, -1}));
            if (nested)
                actNested([=]() mutable { c().ForceSearch(source); });
            else
                act(QStringLiteral("ForceSearch %1").arg(int(source)), [=]() mutable { c().ForceSearch(source); }, {},
                    Kind::KeySearch);
            break;
        }
        case 14: {
            // No minimum height: a negative one is the widget's to refuse.
            const float w = oddSize(rng, true), h = oddSize(rng, true);
            run(QStringLiteral("Resize %1 x %2").arg(w).arg(h), [=] { host.resize(w, h); },
                h < 0 ? std::set<int>{ErrInvalidPropertyValue} : std::set<int>{});
            break;
        }
        case 15:
            run.writeProperties();
            break;
        case 16:
            run.flag("Loaded", rng.chance(0.5), [=](bool b) { c().setLoaded(b); });
            break;
        case 17:
            run.text("PrimaryKey", randomText(rng, 6), [=](const QString& s) { c().setPrimaryKey(s); });
            break;
        default:
            run(QStringLiteral("About"), [=] { c().About(); });
            break;
        }
    }

    void nestedAction() override { hostAction(true); }

    void randomStep() override
    {
        search_.valid = false;
        descChanges_ = 0;
        searches_ = 0;
        if (rng.chance(0.4)) {
            hostAction(false);
            return;
        }
        lookupStep(box(), Kind::Typing, Kind::ButtonSearch);
    }

    void checkInvariants() override
    {
        const bool searched = cleanStep() && search_.valid && search_.depth == 1
            && search_.nestedAtAnswer == nestedTotal();
        if (searched && kind() == Kind::KeySearch) {
            // The key's search keeps the typed text, the caret and the focus.
            expect(c().Loaded() == search_.success
                       && c().PrimaryKey() == (search_.success ? search_.key : QString())
                       && c().Description() == search_.description,
                   QStringLiteral("after a search by key (success %1): Loaded %2, PrimaryKey \"%3\", Description \"%4\"")
                       .arg(search_.success)
                       .arg(c().Loaded())
                       .arg(c().PrimaryKey(), c().Description().left(40)));
        } else if (searched && kind() == Kind::ButtonSearch) {
            const bool ok = search_.success
                ? c().Loaded() && c().PrimaryKey() == search_.key
                : !c().Loaded() && c().PrimaryKey().isEmpty() && c().Description().isEmpty();
            expect(ok && host.ActiveControl() == &box(),
                   QStringLiteral("after a search by button (success %1): Loaded %2, PrimaryKey \"%3\", focus %4")
                       .arg(search_.success)
                       .arg(c().Loaded())
                       .arg(c().PrimaryKey(), host.ActiveControl() ? host.ActiveControl()->Name() : QString()));
        } else if (kind() == Kind::Typing && cleanStep() && searches_ == 0 && descChanges_ > 0) {
            expect(c().Loaded() == !c().Description().isEmpty(),
                   QStringLiteral("after typing: Loaded %1 with Description \"%2\"")
                       .arg(c().Loaded())
                       .arg(c().Description().left(40)));
        }
    }

private:
    SearchRecord search_;
    QString descriptionAtSearch_;
    int descChanges_ = 0;
    int searches_ = 0;
};

// ----------------------------------------------------------- ZEVPersistCombo

QString trimSpaces(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s.at(b) == QLatin1Char(' '))
        ++b;
    while (e > b && s.at(e - 1) == QLatin1Char(' '))
        --e;
    return s.mid(b, e - b);
}

// The key GetPkey reads back from an entry whose key is `key`: the part after its last space.
QString keyAsRead(const QString& key) { return trimSpaces(key.mid(key.lastIndexOf(QLatin1Char(' ')) + 1)); }

class PersistComboSession : public SessionDriver {
public:
    explicit PersistComboSession(std::uint64_t seed) : SessionDriver(QStringLiteral("ZEVPersistCombo"), seed) {}

protected:
    ZEVPersistCombo& c() const { return control<ZEVPersistCombo>(); }
    TestFlatEdit& code() const { return host.edit(QStringLiteral("txtCode")); }
    TestFlatEdit& description() const { return host.edit(QStringLiteral("txtDescription")); }
    TestComboBox& list() const { return host.combo(QStringLiteral("cboListing")); }

    void start() override
    {
        host.setScaleSize(4275, 720);
        owner->Initialize();
        owner->InitProperties();
    }

    void eventRaised(const QString& event, QVariantList&) override
    {
        if (event == QLatin1String("Load"))
            expect(c().Loaded(), QStringLiteral("Load raised while Loaded is False"));
        // The search empties the pending key before it asks: known again only when the host answers.
        if (event == QLatin1String("Search"))
            pendingValid_ = false;
        if (event == QLatin1String("AddItem")) {
            checkEntries(QStringLiteral("at AddItem"));
            // The entry just added carries the key it was given.
            if (expectedKeyValid_ && expectedKeyNested_ == nestedTotal() && depth() == 1) {
                const qint32 at = list().ListIndex();
                expect(at >= 0 && c().GetPkey(qint16(at)) == keyAsRead(expectedKey_),
                       QStringLiteral("entry %1 reads key \"%2\", it was added with \"%3\"")
                           .arg(at)
                           .arg(at >= 0 ? c().GetPkey(qint16(at)) : QString(), expectedKey_));
            }
        }
    }

    void answer(const QString& event, QVariantList& args) override
    {
        if (event != QLatin1String("Search"))
            return;
        answerSearch(rng, args);
        if (args.size() >= 2 && args[1].toBool() && rng.chance(0.7))
            c().setDescription(randomText(rng, 10));
    }

    void eventAnswered(const QString& event, const QVariantList& args) override
    {
        if (event != QLatin1String("Search"))
            return;
        search_ = SearchRecord{};
        search_.valid = true;
        search_.depth = depth();
        search_.nestedAtAnswer = nestedTotal();
        try {
            search_.success = VariantConvert::toBoolean(args.value(1));
            search_.key = VariantConvert::toString(args.value(0));
        } catch (const ControlError&) {
            search_.valid = false;
        }
        // What Enter in the description box will add.
        pendingKey_ = search_.key;
        pendingValid_ = search_.valid && depth() == 1;
        pendingNested_ = nestedTotal();
    }

    void hostAction(bool nested)
    {
        const Runner run{*this, nested};
        const std::set<int> focusErrors =
            c().Enabled() ? std::set<int>{} : std::set<int>{ErrInvalidProcedureCall};
        switch (rng.below(nested ? 24 : 26)) {
        case 0:
            run.text("Code", randomText(rng, 8), [=](const QString& s) { c().setCode(s); });
            break;
        case 1:
            run.text("Description", randomText(rng, 10), [=](const QString& s) { c().setDescription(s); });
            break;
        case 2: {
            // A negative length is passed on to the widget, which refuses it.
            const qint16 v = randomInteger(rng);
            run(QStringLiteral("CodeMaxLength = %1").arg(v), [=] { c().setCodeMaxLength(v); },
                v < 0 ? std::set<int>{ErrInvalidPropertyValue} : std::set<int>{});
            break;
        }
        case 3: {
            const qint16 v = randomInteger(rng);
            run(QStringLiteral("CodeSize = %1").arg(v), [=] { c().setCodeSize(v); },
                v < 0 ? std::set<int>{ErrInvalidPropertyValue} : std::set<int>{});
            break;
        }
        case 4:
            boxColour(run, rng, c());
            break;
        case 5:
            run.flag("Enabled", rng.chance(0.7), [=](bool b) { c().setEnabled(b); });
            break;
        case 6:
            run.flag("Locked", rng.chance(0.3), [=](bool b) { c().setLocked(b); });
            break;
        case 7: {
            // The arrangement is not trapped: a narrow control refuses a negative width.
            const bool b = rng.chance(0.6);
            run(QStringLiteral("ShowF3 = %1").arg(b), [=] { c().setShowF3(b); }, {ErrInvalidPropertyValue});
            break;
        }
        case 8: {
            const int which = rng.below(3);
            const bool b = rng.chance(0.5);
            run(QStringLiteral("flag %1 = %2").arg(which).arg(b), [=] {
                if (which == 0)
                    c().setFillZeros(b);
                else if (which == 1)
                    c().setShowCodeInCombo(b);
                else
                    c().setAllowItemDuplication(b);
            });
            break;
        }
        case 9:
            run.number<qint32>("FontSize", rng.chance(0.7) ? rng.between(1, 30) : randomLong(rng), [=](qint32 v) { c().setFontSize(v); }, sizeErrors);
            break;
        case 10:
            boxFont(run, rng, c());
            break;
        case 11:
            run.number<qint32>("Appearance", randomLong(rng), [=](qint32 v) { c().setAppearance(v); }, appearanceErrors);
            break;
        case 12:
        case 13: {
            // AddItem: an index the list refuses fails with 5; so does the focus on a disabled code box.
            const QString d = randomText(rng, 10);
            const QString k = rng.chance(0.7) ? QString::number(rng.between(1, 50)) : randomText(rng, 5);
            const QString cd = rng.chance(0.5) ? QString() : randomText(rng, 5);
            const qint32 count = list().ListCount();
            const qint32 index = rng.chance(0.7) ? -1 : rng.between(-3, count + 2);
            std::set<int> documented = focusErrors;
            if (index != -1 && (index < 0 || index > count))
                documented.insert(ErrInvalidProcedureCall);
            if (nested) {
                actNested([=] { c().AddItem(d, k, cd, index); }, documented);
            } else {
                expectedKey_ = k;
                expectedKeyValid_ = true;
                expectedKeyNested_ = nestedTotal();
                act(QStringLiteral("AddItem(\"%1\", \"%2\", \"%3\", %4)").arg(d.left(20), k.left(20), cd.left(20), QString::number(index)),
                    [=] { c().AddItem(d, k, cd, index); }, documented);
                expectedKeyValid_ = false;
            }
            break;
        }
        case 14: {
            const qint32 count = list().ListCount();
            const qint32 index = rng.between(-2, count + 1);
            run(QStringLiteral("RemoveItem(%1)").arg(index), [=] { c().RemoveItem(index); },
                index >= count ? std::set<int>{ErrInvalidProcedureCall} : std::set<int>{});
            break;
        }
        case 15:
            run(QStringLiteral("Clear"), [=] { c().Clear(); }, focusErrors);
            break;
        case 16:
        case 17: {
            const eSource source = eSource(rng.chance(0.9) ? rng.between(0, 1) : rng.pick(std::vector<int>{5, -1}));
            if (nested)
                actNested([=] { c().ForceSearch(source); }, focusErrors);
            else
                act(QStringLiteral("ForceSearch %1").arg(int(source)), [=] { c().ForceSearch(source); }, focusErrors,
                    Kind::KeySearch);
            break;
        }
        case 18: {
            const qint16 index = rng.chance(0.5) ? qint16(rng.between(-1, list().ListCount())) : randomInteger(rng);
            run(QStringLiteral("read entry %1").arg(index), [=] {
                c().GetCode(index);
                c().GetDescription(index);
                c().GetPkey(index);
            });
            break;
        }
        case 19: {
            // The host writes an entry of its own through the list's accessor.
            const QString s = randomText(rng, 40);
            run(QStringLiteral("ControlListing.AddItem \"%1\"").arg(s.left(40)), [=] { list().AddItem(s); });
            break;
        }
        case 20: {
            const float w = oddSize(rng, true), h = oddSize(rng, true);
            run(QStringLiteral("Resize %1 x %2").arg(w).arg(h), [=] { host.resize(w, h); });
            break;
        }
        case 21:
            run.writeProperties();
            break;
        case 22: {
            run.fontAttribute(c());
            break;
        }
        case 23:
            run(QStringLiteral("About"), [=] { c().About(); });
            break;
        case 24:
            run.flag("Loaded", rng.chance(0.5), [=](bool b) { c().setLoaded(b); });
            break;
        default: {
            const QString s = randomText(rng, 6);
            run(QStringLiteral("FieldPkey = \"%1\"").arg(s.left(40)), [=] { c().setFieldPkey(s); });
            break;
        }
        }
    }

    void nestedAction() override { hostAction(true); }

    void randomStep() override
    {
        search_.valid = false;
        if (rng.chance(0.4)) {
            hostAction(false);
            return;
        }
        switch (rng.below(11)) {
        case 0:
        case 1: {
            const QString s = randomText(rng, 6);
            pendingValid_ = false; // every key in the code box forgets the key of the last search
            act(QStringLiteral("type code \"%1\"").arg(s.left(40)), [=] { host.type(code(), s); }, {}, Kind::Typing);
            break;
        }
        case 2: {
            const QString s = randomText(rng, 8);
            act(QStringLiteral("type description \"%1\"").arg(s.left(40)), [=] { host.type(description(), s); }, {},
                Kind::Typing);
            break;
        }
        case 3:
        case 4: {
            const qint16 key = rng.chance(0.6) ? rng.pick(std::vector<qint16>{KeyCodes::Return, KeyCodes::F3})
                                               : randomKey(rng);
            const qint16 shift = randomShift(rng);
            pendingValid_ = false;
            act(QStringLiteral("code key %1/%2").arg(key).arg(shift), [=] { host.pressKey(code(), key, shift); }, {},
                key == KeyCodes::Return || key == KeyCodes::F3 ? Kind::KeySearch : Kind::Other);
            break;
        }
        case 5: {
            // Enter in the description box adds the record found.
            const qint16 key = rng.chance(0.8) ? KeyCodes::Return : randomKey(rng);
            expectedKey_ = pendingKey_;
            expectedKeyValid_ = pendingValid_ && key == KeyCodes::Return;
            expectedKeyNested_ = pendingNested_;
            act(QStringLiteral("description key %1").arg(key), [=] { host.pressKey(description(), key); });
            expectedKeyValid_ = false;
            break;
        }
        case 6:
            act(QStringLiteral("click F3"), [=] { host.click(host.button(QStringLiteral("cmdSearch"))); }, {},
                Kind::KeySearch);
            break;
        case 7:
            act(QStringLiteral("click remove"), [=] { host.click(host.button(QStringLiteral("cmdRemoveItem"))); });
            break;
        case 8: {
            const qint32 index = rng.between(-1, list().ListCount());
            act(QStringLiteral("select entry %1").arg(index), [=] { host.select(list(), index); }, {}, Kind::Select);
            break;
        }
        case 9:
            act(QStringLiteral("focus elsewhere"), [=] { host.focusElsewhere(); });
            break;
        default:
            act(QStringLiteral("tab"), [=] { host.tab(); });
            break;
        }
    }

    void checkEntries(const QString& where)
    {
        const qint32 count = list().ListCount();
        for (qint32 i = 0; i < count && i <= 32767; ++i) {
            const QString key = c().GetPkey(qint16(i));
            const QString codePart = c().GetCode(qint16(i));
            c().GetDescription(qint16(i));
            expect(!key.contains(QLatin1Char(' ')) && !codePart.contains(QLatin1Char(' ')),
                   QStringLiteral("%1: entry %2 reads key \"%3\", code \"%4\"").arg(where).arg(i).arg(key, codePart));
        }
    }

    void checkInvariants() override
    {
        checkEntries(QStringLiteral("after the step"));
        if (kind() == Kind::KeySearch && cleanStep() && search_.valid && search_.depth == 1
            && search_.nestedAtAnswer == nestedTotal()) {
            Widget* const focus = host.ActiveControl();
            if (search_.success)
                expect(c().Loaded() && focus == &description(),
                       QStringLiteral("after a successful search: Loaded %1, focus %2")
                           .arg(c().Loaded())
                           .arg(focus ? focus->Name() : QString()));
            else
                // A description of blanks only stays: the setter compares trimmed texts.
                expect(!c().Loaded() && trimSpaces(c().Description()).isEmpty() && focus == &code(),
                       QStringLiteral("after a failed search: Loaded %1, Description \"%2\", focus %3")
                           .arg(c().Loaded())
                           .arg(c().Description().left(40), focus ? focus->Name() : QString()));
        }
    }

private:
    SearchRecord search_;
    QString pendingKey_;
    bool pendingValid_ = false;
    int pendingNested_ = 0;
    QString expectedKey_;
    bool expectedKeyValid_ = false;
    int expectedKeyNested_ = 0;
};

// -------------------------------------------------------------- ZEVDateRange

const QDate ZeroDate(1899, 12, 30);

class DateRangeSession : public SessionDriver {
public:
    explicit DateRangeSession(std::uint64_t seed) : SessionDriver(QStringLiteral("ZEVDateRange"), seed) {}

protected:
    ZEVDateRange& c() const { return control<ZEVDateRange>(); }
    TestComboBox& combo() const { return host.combo(QStringLiteral("cboFiltro")); }
    TestDateTimePicker& start_() const { return host.picker(QStringLiteral("dtpInicio")); }
    TestDateTimePicker& end_() const { return host.picker(QStringLiteral("dtpFim")); }

    QDateTime randomNow()
    {
        const QDate day = QDate(1950, 1, 1).addDays(rng.between(0, 200 * 366));
        return QDateTime(day, QTime(rng.between(0, 23), rng.between(0, 59), rng.between(0, 59)));
    }

    void start() override
    {
        clock_->set(randomNow());
        c().setClock(clock_);
        host.setScaleSize(3420, 1470);
        owner->Initialize();
        owner->InitProperties();
    }

    void eventRaised(const QString&, QVariantList&) override {}
    void nestedAction() override {}

    // Preset application fails with 5 only when the clock gives no date.
    std::set<int> presetErrors() const
    {
        return clock_->Now().isValid() ? std::set<int>{} : std::set<int>{ErrInvalidProcedureCall};
    }

    void randomStep() override
    {
        expectedStart_.reset();
        expectedEnd_.reset();
        const QDateTime before[2] = {start_().Value(), end_().Value()};
        switch (rng.below(12)) {
        case 0:
        case 1:
        case 2: {
            const qint32 index = rng.between(-1, combo().ListCount());
            // The user's choice applies its preset; one that names no side leaves the pickers alone.
            if (index >= 0 && index < combo().ListCount() && clock_->Now().isValid()) {
                const auto range = DateRangePresets::Evaluate(combo().List(index), clock_->Now());
                expectedStart_ = range.start ? *range.start : before[0];
                expectedEnd_ = range.end ? *range.end : before[1];
            }
            act(QStringLiteral("select %1").arg(index), [=] { host.select(combo(), index); }, presetErrors(),
                Kind::Select);
            break;
        }
        case 3:
        case 4: {
            const bool first = rng.chance(0.5);
            const QDateTime value = rng.chance(0.1) ? QDateTime() : randomNow();
            act(QStringLiteral("edit %1 to %2").arg(first ? "dtpInicio" : "dtpFim", value.toString(Qt::ISODate)),
                [=] { host.editDate(first ? start_() : end_(), value); }, {}, Kind::DateEdit);
            // A picker edited by hand returns the combo to the hand-set entry and leaves the other alone.
            if (cleanStep())
                expect(combo().ListIndex() == DateRangePresets::CustomIndex
                           && (first ? end_().Value() == before[1] : start_().Value() == before[0])
                           && (first ? start_() : end_()).Value() == TestDateTimePicker::wholeSeconds(value),
                       QStringLiteral("after a date edit: combo %1").arg(combo().ListIndex()));
            break;
        }
        case 5: {
            const qint32 a = randomLong(rng);
            act(QStringLiteral("Appearance = %1").arg(a), [=] { c().setAppearance(a); }, appearanceErrors(a));
            break;
        }
        case 6: {
            const OleColor v = randomColor(rng);
            act(QStringLiteral("BackColor = %1").arg(v, 0, 16), [=] { c().setBackColor(v); });
            break;
        }
        case 7: {
            const float w = oddSize(rng, true), h = oddSize(rng, true);
            act(QStringLiteral("Resize %1 x %2").arg(w).arg(h), [=] { host.resize(w, h); },
                w < 0 ? std::set<int>{ErrInvalidPropertyValue} : std::set<int>{});
            break;
        }
        case 8: {
            const QDateTime now = rng.chance(0.05) ? QDateTime() : randomNow();
            act(QStringLiteral("clock at %1").arg(now.toString(Qt::ISODate)), [=] { clock_->set(now); });
            break;
        }
        case 9: {
            // A host adds a label of its own: known words, or none.
            const QString label = rng.chance(0.5)
                ? rng.pick(std::vector<QString>{QStringLiteral("xx = Hoje = xx"), QStringLiteral("Hoje      <==>  +99 Dias"),
                                                QStringLiteral("-7  Dias  <==>"), QStringLiteral("Ontem"),
                                                QStringLiteral("<===== Essa Semana ====>"), QString()})
                : randomText(rng, 30);
            act(QStringLiteral("Control_dtpCombo.AddItem \"%1\"").arg(label.left(30)), [=] { combo().AddItem(label); });
            break;
        }
        case 10: {
            const qint32 index = rng.between(-2, combo().ListCount());
            const bool focusElsewhere = rng.chance(0.5);
            std::set<int> documented = presetErrors();
            if (index < -1 || index >= combo().ListCount())
                documented.insert(ErrInvalidPropertyValue);
            act(QStringLiteral("Control_dtpCombo.ListIndex = %1").arg(index), [=] {
                if (focusElsewhere)
                    host.focusElsewhere();
                combo().setListIndex(index);
            }, documented);
            break;
        }
        default: {
            const QDateTime value = rng.chance(0.3) ? QDateTime() : randomNow();
            act(QStringLiteral("Control_dtpInicio.Value = %1").arg(value.toString(Qt::ISODate)),
                [=] { start_().setValue(value); });
            break;
        }
        }
    }

    void checkInvariants() override
    {
        for (const DateTimePicker* p : {static_cast<const DateTimePicker*>(&start_()), static_cast<const DateTimePicker*>(&end_())})
            expect(p->Value().isNull() || p->Value().date() != ZeroDate,
                   QStringLiteral("%1 shows the zero date").arg(p->Name()));
        expect(combo().ListCount() >= 18 && combo().ListIndex() >= -1 && combo().ListIndex() < combo().ListCount(),
               QStringLiteral("combo index %1 of %2").arg(combo().ListIndex()).arg(combo().ListCount()));
        if (kind() == Kind::Select && cleanStep() && expectedStart_)
            expect(start_().Value() == *expectedStart_ && end_().Value() == *expectedEnd_,
                   QStringLiteral("preset %1 gave %2 .. %3")
                       .arg(combo().Text(), start_().Value().toString(Qt::ISODate), end_().Value().toString(Qt::ISODate)));
    }

private:
    std::shared_ptr<TestClock> clock_ = std::make_shared<TestClock>();
    std::optional<QDateTime> expectedStart_;
    std::optional<QDateTime> expectedEnd_;
};

// ------------------------------------------------------------------- runner

// Sequences per control: the suite's few hundred, or ZEV_SESSION_COUNT.
// ZEV_SESSION_SEED runs the one sequence of that seed; ZEV_SESSION_BASE moves
// the seeds of a run (the suite always uses the same ones).
template <typename Session>
void runSessions(int defaultCount, int steps)
{
    std::uint64_t base = 20240515, count = std::uint64_t(defaultCount), only = 0;
    envNumber("ZEV_SESSION_BASE", base);
    envNumber("ZEV_SESSION_COUNT", count);
    const bool replay = envNumber("ZEV_SESSION_SEED", only);
    std::uint64_t envSteps = 0;
    if (envNumber("ZEV_SESSION_STEPS", envSteps))
        steps = int(envSteps);

    qint64 totalSteps = 0, totalChecks = 0;
    int failures = 0;
    const std::uint64_t first = replay ? only : base * 1000003u;
    const std::uint64_t n = replay ? 1 : count;
    std::uint64_t run = 0;
    for (std::uint64_t i = 0; i < n && failures < 3; ++i, ++run) {
        Session session(first + i);
        const QString failure = session.run(steps);
        totalSteps += session.stepsRun();
        totalChecks += session.checksRun();
        if (!failure.isEmpty()) {
            ++failures;
            ADD_FAILURE() << failure.toStdString();
        }
    }
    QLocale::setDefault(QLocale::c());
    std::printf("[ sessions ] %llu sequences, %lld steps, %lld checks\n", static_cast<unsigned long long>(run),
                static_cast<long long>(totalSteps), static_cast<long long>(totalChecks));
}

// A few hundred per control keep the suite near a second, sanitizers included.
constexpr int SuiteSequences = 400;
constexpr int StepsPerSequence = 50;

} // namespace

TEST(RandomSession, ZEVNumeric) { runSessions<NumericSession>(SuiteSequences, StepsPerSequence); }
TEST(RandomSession, ZEVCodeDescription) { runSessions<CodeDescriptionSession>(SuiteSequences, StepsPerSequence); }
TEST(RandomSession, ZEVDescriptionOnly) { runSessions<DescriptionOnlySession>(SuiteSequences, StepsPerSequence); }
TEST(RandomSession, ZEVPersistCombo) { runSessions<PersistComboSession>(SuiteSequences, StepsPerSequence); }
TEST(RandomSession, ZEVDateRange) { runSessions<DateRangeSession>(SuiteSequences, StepsPerSequence); }

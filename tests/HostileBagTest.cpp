// Property bags from damaged or foreign form files: every persisted key of
// every control given values of the wrong type, out of every range, NaN and
// infinities, a megabyte of text, fonts with empty names or absurd sizes, and
// keys missing or unknown. Loading ends in a usable control that saves a bag
// which loads again, or fails with one of the container's conversion errors.

#include "library/ComRuntime.h"
#include "framework/Control.h"
#include "framework/ControlError.h"
#include "framework/KeyCodes.h"
#include "framework/MemoryPropertyBag.h"
#include "testkit/TestHost.h"
#include "tests/RobustnessKit.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace zev;
using namespace zev::robust;

namespace {

// The errors of the container's conversions and of a widget refusing a value.
bool conversionError(int number)
{
    return number == ErrOverflow || number == ErrTypeMismatch || number == ErrInvalidPropertyValue
        || number == ErrObjectRequired;
}

QString describe(const QVariant& v)
{
    QString text = v.typeId() == qMetaTypeId<FontDesc>() ? QStringLiteral("font \"%1\" %2pt w%3")
                                                                .arg(v.value<FontDesc>().name.left(10),
                                                                     QString::number(v.value<FontDesc>().size),
                                                                     QString::number(v.value<FontDesc>().weight))
                                                          : v.toString().left(20);
    return QStringLiteral("%1(%2)").arg(QString::fromLatin1(v.typeName() ? v.typeName() : "invalid"), text);
}

// One load of a bag into a fresh control, and what followed.
struct Outcome {
    bool loaded = false;
    QString failure; // empty when everything the control did was acceptable
};

// Saves `control` and loads the bag into another fresh instance: a control
// that accepted its values must save a bag that loads again, and saving that
// one gives the same bag.
QString saveAndReload(Control& control, const QString& className)
{
    MemoryPropertyBag saved;
    control.WriteProperties(saved);
    TestHost host;
    host.setScaleSize(3000, 800);
    auto again = ComRuntime::instance().CreateControl(className, host);
    again->Initialize();
    try {
        again->ReadProperties(saved);
    } catch (const ControlError& e) {
        return QStringLiteral("its own saved bag failed to load with %1").arg(e.Number());
    }
    MemoryPropertyBag resaved;
    again->WriteProperties(resaved);
    // A custom pattern is accepted only against the value shown when it is
    // set; its literal text (digits and signs included) rewrites the value it
    // shows, so a reloaded pattern may be refused or show another number.
    const bool pattern = className == QLatin1String("ZEVNumeric") && saved.contains(QStringLiteral("CustomFormat"));
    for (const QString& key : saved.keys() + resaved.keys())
        if (pattern && (key == QLatin1String("CustomFormat") || key == QLatin1String("Text")))
            continue;
        else if (!samePropertyValue(saved.ReadProperty(key), resaved.ReadProperty(key)))
            return QStringLiteral("key %1 saved as %2, after reloading as %3")
                .arg(key, describe(saved.ReadProperty(key)), describe(resaved.ReadProperty(key)));
    again->Terminate();
    return QString();
}

// A user's first moments with the loaded control: type, search, move on.
void useIt(TestHost& host)
{
    for (const auto& w : host.widgets()) {
        if (auto* edit = dynamic_cast<TestFlatEdit*>(w.get())) {
            host.type(*edit, QStringLiteral("12,5x"));
            host.pressKey(*edit, KeyCodes::Back);
            host.pressKey(*edit, KeyCodes::Return);
            host.tab();
        } else if (auto* combo = dynamic_cast<TestComboBox*>(w.get())) {
            host.select(*combo, combo->ListCount() - 1);
        }
    }
    host.focusElsewhere();
}

Outcome load(const QString& className, const MemoryPropertyBag& bag)
{
    Outcome out;
    TestHost host;
    host.setScaleSize(3000, 800);
    auto control = ComRuntime::instance().CreateControl(className, host);
    try {
        control->Initialize();
        MemoryPropertyBag copy = bag;
        control->ReadProperties(copy);
        out.loaded = true;
    } catch (const ControlError& e) {
        if (!conversionError(e.Number()))
            out.failure = QStringLiteral("loading failed with %1 (%2)").arg(e.Number()).arg(e.Description());
        control->Terminate();
        return out;
    } catch (const std::exception& e) {
        out.failure = QStringLiteral("loading threw %1").arg(QString::fromUtf8(e.what()));
        return out;
    }
    try {
        control->Resize();
        useIt(host);
        out.failure = saveAndReload(*control, className);
        control->Terminate();
    } catch (const std::exception& e) {
        out.failure = QStringLiteral("the loaded control failed: %1").arg(QString::fromUtf8(e.what()));
    }
    return out;
}

class HostileBag : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

} // namespace

// Each key alone with each hostile value; the rest of the bag missing.
TEST_F(HostileBag, EveryKeyWithEveryHostileValue)
{
    const std::vector<QVariant> values = hostileValues();
    int bags = 0, loaded = 0;
    for (const PersistedSet& set : persistedSets()) {
        const QString className = QString::fromLatin1(set.className);
        for (const PersistedKey& key : set.keys) {
            for (const QVariant& value : values) {
                // A megabyte goes to the keys that hold text; the others get the same in short.
                const bool huge = (value.typeId() == QMetaType::QString && value.toString().size() > 4096)
                    || (value.typeId() == qMetaTypeId<FontDesc>() && value.value<FontDesc>().name.size() > 4096);
                if (huge && key.kind != ValueKind::String && key.kind != ValueKind::Font && &key != &set.keys.front())
                    continue;
                MemoryPropertyBag bag;
                bag.insert(QString::fromLatin1(key.key), value);
                const Outcome out = load(className, bag);
                ++bags;
                loaded += out.loaded;
                EXPECT_TRUE(out.failure.isEmpty())
                    << className.toStdString() << " key " << key.key << " = " << describe(value).toStdString()
                    << ": " << out.failure.toStdString();
            }
        }
    }
    std::printf("[ bags ] %d single-key bags, %d loaded, %d refused with a conversion error\n", bags, loaded,
                bags - loaded);
}

// Whole bags: every key valid, hostile or missing at random, with unknown keys beside them.
TEST_F(HostileBag, RandomBagsWithUnknownKeys)
{
    std::uint64_t count = 150;
    envNumber("ZEV_BAG_COUNT", count);
    const std::vector<QVariant> values = hostileValues();
    Rng rng(77);
    int bags = 0, loaded = 0;
    for (const PersistedSet& set : persistedSets()) {
        const QString className = QString::fromLatin1(set.className);
        for (std::uint64_t i = 0; i < count; ++i) {
            MemoryPropertyBag bag;
            for (const PersistedKey& key : set.keys) {
                const int roll = rng.below(10);
                if (roll < 3)
                    continue; // missing
                // Mostly valid values, so that the later keys are reached too.
                const QVariant& hostile = values[size_t(rng.below(int(values.size())))];
                bag.insert(QString::fromLatin1(key.key), roll < 9 ? validValue(rng, key.kind) : hostile);
            }
            for (int u = rng.below(3); u > 0; --u)
                bag.insert(randomText(rng, 10), values[size_t(rng.below(int(values.size())))]);
            const Outcome out = load(className, bag);
            ++bags;
            loaded += out.loaded;
            if (!out.failure.isEmpty()) {
                QStringList contents;
                for (const QString& k : bag.keys())
                    contents << k + QStringLiteral("=") + describe(bag.ReadProperty(k));
                ADD_FAILURE() << className.toStdString() << " bag " << i << ": " << out.failure.toStdString() << "\n  "
                              << contents.join(QStringLiteral(", ")).toStdString();
            }
        }
    }
    std::printf("[ bags ] %d random bags, %d loaded\n", bags, loaded);
}

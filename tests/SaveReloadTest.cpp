// Saving and loading, for every key each control saves (RobustnessKit.h):
// a key loaded with a value of its own comes back in the saved bag; a saved
// bag loaded into a twin saves the same bag again; a damaged value loads or
// fails with a conversion error, and leaves a control that still saves and
// reloads.

#include "library/ComRuntime.h"
#include "framework/Control.h"
#include "framework/ControlError.h"
#include "framework/Font.h"
#include "framework/MemoryPropertyBag.h"
#include "testkit/TestHost.h"
#include "tests/Printers.h"
#include "tests/RobustnessKit.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace zev;
using zev::robust::savedKeys;

namespace {

struct Placed {
    TestHost host;
    std::unique_ptr<Control> control;
    explicit Placed(const char* className) : control(ComRuntime::instance().CreateControl(className, host))
    {
        host.setScaleSize(4275, 1470);
        control->Initialize();
    }
    MemoryPropertyBag load(const MemoryPropertyBag& bag)
    {
        MemoryPropertyBag copy = bag, saved;
        control->ReadProperties(copy);
        control->WriteProperties(saved);
        return saved;
    }
};

// A valid value other than the default, of the default's type.
QVariant otherValue(const QString& key, const QVariant& def)
{
    switch (def.typeId()) {
    case QMetaType::Bool: return !def.toBool();
    case QMetaType::QString: return QStringLiteral("12");
    case QMetaType::Short: return qint16(def.toInt() + 1);
    case QMetaType::Int:
    case QMetaType::UInt: return key.contains(QLatin1String("Color")) ? qint32(0x123456) : qint32(def.toInt() + 1);
    default: return QVariant::fromValue(FontDesc{QStringLiteral("Courier New"), 8.25});
    }
}

// The documented exceptions, listed once: the lookups read only the name of
// a stored font (the Font... keys give the rest); a custom pattern is kept
// only against a value it can show, so it is loaded beside one.
MemoryPropertyBag bagWith(const char* className, const QString& key, const QVariant& value)
{
    MemoryPropertyBag bag;
    bag.insert(key, value);
    if (QLatin1String(className) == QLatin1String("ZEVNumeric") && key == QLatin1String("CustomFormat"))
        bag.insert(QStringLiteral("Text"), QStringLiteral("12"));
    return bag;
}

bool sameSaved(const QString& key, const QVariant& a, const QVariant& b)
{
    if (a.typeId() == qMetaTypeId<FontDesc>() && b.typeId() == qMetaTypeId<FontDesc>())
        return a.value<FontDesc>().name == b.value<FontDesc>().name;
    Q_UNUSED(key)
    return samePropertyValue(a, b);
}

// A saved bag loaded into a twin saves the same bag.
void expectTwinSavesTheSame(const char* className, const MemoryPropertyBag& saved, const std::string& what)
{
    Placed twin(className);
    const MemoryPropertyBag again = twin.load(saved);
    for (const QString& k : saved.keys() + again.keys())
        EXPECT_TRUE(samePropertyValue(saved.ReadProperty(k), again.ReadProperty(k)))
            << className << " " << what << ": key " << k.toStdString() << " saved as "
            << saved.ReadProperty(k).toString().toStdString() << ", then as "
            << again.ReadProperty(k).toString().toStdString();
}

class SaveReload : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(SaveReload, EveryKeyComesBackAndATwinSavesTheSameBag)
{
    const char* className = GetParam();
    const auto keys = savedKeys(className);
    ASSERT_FALSE(keys.empty());
    MemoryPropertyBag everything;
    for (const auto& [key, def] : keys) {
        const QVariant value = otherValue(key, def);
        everything.insert(key, value);
        Placed p(className);
        const MemoryPropertyBag saved = p.load(bagWith(className, key, value));
        EXPECT_TRUE(sameSaved(key, saved.ReadProperty(key), value))
            << className << " key " << key.toStdString() << " loaded as " << value.toString().toStdString()
            << ", saved as " << saved.ReadProperty(key).toString().toStdString();
        expectTwinSavesTheSame(className, saved, key.toStdString());
    }
    Placed p(className);
    expectTwinSavesTheSame(className, p.load(everything), "every key at once");
}

TEST_P(SaveReload, DamagedValuesLoadOrFailWithAConversionError)
{
    const char* className = GetParam();
    const QVariant hostile[] = {QVariant(), QVariant(QStringLiteral("abc")), QVariant(1e308),
                                QVariant(std::numeric_limits<double>::quiet_NaN()), QVariant(qint32(-1)),
                                QVariant(std::numeric_limits<qint32>::max()), QVariant(QString(70000, QLatin1Char('9'))),
                                QVariant::fromValue(FontDesc{QString(), 0})};
    for (const auto& [key, def] : savedKeys(className)) {
        for (const QVariant& value : hostile) {
            Placed p(className);
            MemoryPropertyBag saved;
            try {
                saved = p.load(bagWith(className, key, value));
            } catch (const ControlError& e) {
                EXPECT_TRUE(e.Number() == ErrOverflow || e.Number() == ErrTypeMismatch
                            || e.Number() == ErrInvalidPropertyValue || e.Number() == ErrObjectRequired)
                    << className << " " << key.toStdString() << ": " << e.Number();
                continue;
            }
            p.host.tab();
            p.host.tab();
            expectTwinSavesTheSame(className, saved, key.toStdString() + " = " + value.toString().left(20).toStdString());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Controls, SaveReload, ::testing::ValuesIn(robust::ClassNames),
                         [](const auto& info) { return std::string(info.param); });

} // namespace

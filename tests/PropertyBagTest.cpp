#include "framework/ControlError.h"
#include "framework/MemoryPropertyBag.h"
#include "framework/VariantConvert.h"
#include "tests/ErrorOf.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace zev;

TEST(MemoryPropertyBag, DefaultsAreNotStoredAndMissingKeysReadTheirDefault)
{
    MemoryPropertyBag bag;
    bag.WriteProperty("Appearance", qint32(0), qint16(0)); // same value, other width
    bag.WriteProperty("BackColor", qint32(0x8000000F), quint32(0x8000000F));
    bag.WriteProperty("Text", QString("0"), QString("0"));
    bag.WriteProperty("CodeFont", QVariant::fromValue(FontDesc{}));  // no default: always stored
    EXPECT_EQ(bag.keys(), QStringList{"CodeFont"});

    bag.WriteProperty("Text", QString("12,5"), QString("0"));
    EXPECT_EQ(bag.ReadProperty("Text", QString("0")).toString(), "12,5");
    bag.WriteProperty("Text", QString("0"), QString("0")); // back to default: the old value goes
    EXPECT_EQ(bag.ReadProperty("Text", QString("x")).toString(), "x");
    EXPECT_EQ(bag.ReadProperty("Missing", true).toBool(), true);
    EXPECT_EQ(bag.ReadProperty("CodeFont").value<FontDesc>(), FontDesc{});
}

TEST(VariantConvert, WholeNumbersRoundHalfEvenAndFailWithTheRightError)
{
    struct Case {
        QVariant value;
        int expected;
        int error; // 0 when the conversion succeeds
    };
    const Case integers[] = {
        {QVariant(qint16(7)), 7, 0},
        {QVariant(2.5), 2, 0},
        {QVariant(3.5), 4, 0},
        {QVariant(-2.5), -2, 0},
        {QVariant(true), -1, 0},
        {QVariant(), 0, 0},
        {QVariant(QString(" 42 ")), 42, 0},
        {QVariant(32767), 32767, 0},
        {QVariant(32768), 0, ErrOverflow},
        {QVariant(-32769.0), 0, ErrOverflow},
        {QVariant(std::numeric_limits<double>::quiet_NaN()), 0, ErrOverflow},
        {QVariant(std::numeric_limits<double>::infinity()), 0, ErrOverflow},
        {QVariant(QString("abc")), 0, ErrTypeMismatch},
        {QVariant(QString("")), 0, ErrTypeMismatch},
        {QVariant::fromValue(FontDesc{}), 0, ErrTypeMismatch},
    };
    for (const auto& c : integers) {
        const std::string label = c.value.toString().toStdString();
        try {
            const qint16 v = VariantConvert::toInteger(c.value);
            EXPECT_EQ(c.error, 0) << label;
            EXPECT_EQ(v, c.expected) << label;
        } catch (const ControlError& e) {
            EXPECT_EQ(e.Number(), c.error) << label;
        }
    }
    EXPECT_EQ(VariantConvert::toColor(qint32(0x8000000F)), 0x8000000Fu);
    EXPECT_EQ(VariantConvert::toColor(quint32(0x8000000F)), 0x8000000Fu);
    EXPECT_THROW(VariantConvert::toColor(qint64(1) << 33), ControlError);
    EXPECT_TRUE(VariantConvert::toBoolean(QString("True")));
    EXPECT_FALSE(VariantConvert::toBoolean(qint32(0)));
    EXPECT_EQ(VariantConvert::toString(true), "True");
    EXPECT_EQ(zev::testing::errorOf([] { VariantConvert::toFont(QString("Tahoma")); }), ErrObjectRequired);
}

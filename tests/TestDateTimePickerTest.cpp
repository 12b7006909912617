#include "testkit/TestHost.h"

#include <gtest/gtest.h>

using namespace zev;

TEST(TestDateTimePicker, WholeSecondsKeepTheInstant)
{
    TestHost host;
    WidgetDesign design{QStringLiteral("dtp"), WidgetKind::DateTimePicker, 0, 0, 100, 100, {}, {}, {}, {}, true};
    TestDateTimePicker picker(design, &host);
    const QDateTime ahead(QDate(2024, 5, 15), QTime(10, 0, 0, 750), Qt::OffsetFromUTC, 3 * 3600);
    picker.setValue(ahead);
    EXPECT_EQ(picker.Value(), ahead.addMSecs(-750));
    EXPECT_EQ(picker.Value().offsetFromUtc(), 3 * 3600);
    picker.setValue(QDateTime());
    EXPECT_TRUE(picker.Value().isNull());
}

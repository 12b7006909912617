#include "testkit/TestHost.h"

#include <gtest/gtest.h>

using namespace zev;

// The contract's own item walk (one copied item at a time, through List) and the
// test kit's (its whole list in one run) both hand over every item in order and
// stop when asked.
TEST(ComboBoxItems, ForEachItemVisitsInOrderAndStopsWhenAsked)
{
    TestHost host;
    WidgetDesign design;
    design.kind = WidgetKind::ComboBox;
    auto& combo = createWidget<TestComboBox>(host, design);
    combo.AddItem("b");
    combo.AddItem("c");
    combo.AddItem("a", 0);
    for (bool direct : {true, false}) {
        QStringList seen;
        const auto visit = [&](const QString* items, qint32 count) {
            for (qint32 i = 0; i < count; ++i) {
                seen << items[i];
                if (items[i] == "b")
                    return false;
            }
            return true;
        };
        direct ? combo.forEachItem(visit) : combo.ComboBox::forEachItem(visit);
        EXPECT_EQ(seen, (QStringList{"a", "b"})) << direct;
    }
}

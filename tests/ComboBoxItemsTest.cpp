#include "testkit/TestHost.h"

#include <gtest/gtest.h>

using namespace zev;

// The contract's own item walk (through List) and the test kit's direct one
// both visit every item in order and stop when asked.
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
        const auto visit = [&](QStringView item) {
            seen << item.toString();
            return item != u"b";
        };
        direct ? combo.forEachItem(visit) : combo.ComboBox::forEachItem(visit);
        EXPECT_EQ(seen, (QStringList{"a", "b"})) << direct;
    }
}

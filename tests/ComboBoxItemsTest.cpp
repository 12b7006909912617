#include "testkit/TestHost.h"

#include <gtest/gtest.h>

using namespace zev;

// Both the contract's own item walk (through List) and the test kit's direct one
// visit every item in order and stop when asked.
TEST(ComboBoxItems, ForEachItemVisitsInOrderAndStopsWhenAsked)
{
    TestHost host;
    WidgetDesign design;
    design.name = QStringLiteral("cboListing");
    design.kind = WidgetKind::ComboBox;
    auto& combo = createWidget<TestComboBox>(host, design);
    for (const char* item : {"b", "c", "a"})
        combo.AddItem(QString::fromLatin1(item), item[0] == 'a' ? std::optional<qint32>(0) : std::nullopt);

    using Walk = std::function<void(const std::function<bool(QStringView)>&)>;
    const Walk walks[] = {
        [&](const auto& visit) { combo.forEachItem(visit); },
        [&](const auto& visit) { combo.ComboBox::forEachItem(visit); },
    };
    for (const Walk& walk : walks) {
        QStringList seen;
        walk([&](QStringView item) {
            seen << item.toString();
            return true;
        });
        EXPECT_EQ(seen, (QStringList{"a", "b", "c"}));
        seen.clear();
        walk([&](QStringView item) {
            seen << item.toString();
            return item != u"b";
        });
        EXPECT_EQ(seen, (QStringList{"a", "b"}));
    }
}

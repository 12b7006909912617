// The three lookups' back colours, locked or not, in one table: each loads
// red boxes and the flag from a bag, as a form does. (Enabled, read before
// Locked, is each control's own test: Locked False restores the colours.)

#include "library/ComRuntime.h"
#include "framework/ComboBox.h"
#include "framework/Control.h"
#include "framework/FlatEdit.h"
#include "framework/SSPanel.h"
#include "framework/MemoryPropertyBag.h"
#include "testkit/TestHost.h"

#include <gtest/gtest.h>

using namespace zev;

namespace {

OleColor backColour(Widget* w)
{
    if (auto* e = dynamic_cast<FlatEdit*>(w))
        return e->BackColor();
    if (auto* p = dynamic_cast<SSPanel*>(w))
        return p->BackColor();
    if (auto* c = dynamic_cast<ComboBox*>(w))
        return c->BackColor();
    return 0xFFFFFFFFu;
}

} // namespace

TEST(Lookups, BackColoursFollowLocked)
{
    const OleColor R = Colors::Red, W = Colors::White, F = Colors::ButtonFace;
    struct Row {
        const char* className;
        bool locked;
        std::vector<std::pair<const char*, OleColor>> colours; // widget and the colour it shows
    };
    const Row rows[] = {
        {"ZEVCodeDescription", false, {{"txtCode", R}, {"panDescription", R}}},
        {"ZEVCodeDescription", true, {{"txtCode", W}, {"panDescription", F}}},
        {"ZEVDescriptionOnly", false, {{"txtDescription", R}}},
        {"ZEVDescriptionOnly", true, {{"txtDescription", W}}},
        {"ZEVPersistCombo", false, {{"txtCode", R}, {"txtDescription", R}}},
        {"ZEVPersistCombo", true, {{"txtCode", W}, {"txtDescription", W}, {"cboListing", W}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.className) + (row.locked ? " locked" : ""));
        TestHost host;
        auto c = ComRuntime::instance().CreateControl(QString::fromLatin1(row.className), host);
        c->Initialize();
        MemoryPropertyBag bag;
        for (const char* key : {"BackColor", "CodeBackColor", "DescriptionBackColor"})
            bag.insert(QString::fromLatin1(key), qint32(R));
        bag.insert(QStringLiteral("Locked"), row.locked);
        c->ReadProperties(bag);
        for (const auto& [widget, colour] : row.colours)
            EXPECT_EQ(backColour(host.widget(QString::fromLatin1(widget))), colour) << widget;
    }
}

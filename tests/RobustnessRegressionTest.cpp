// Faults the random sessions found, each pinned by the smallest case.

#include "library/ComRuntime.h"
#include "framework/KeyCodes.h"
#include "numeric/ZEVNumeric.h"
#include "persistcombo/ZEVPersistCombo.h"
#include "testkit/TestHost.h"
#include "tests/Printers.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace zev;

// The numeric field lets its own display of a pattern's literal text stand;
// a text that a Change handler writes while that display is being written is
// checked like any other, and an unreadable one is undone.
TEST(RobustnessRegression, NumericUndoesAHandlersTextWrittenDuringItsOwnDisplay)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TestHost host;
    ZEVNumeric field(host);
    field.Initialize();
    field.InitProperties();
    field.setText(QStringLiteral("5"));
    field.setCustomFormat(QStringLiteral("0.0;-0.0;\"zero\""));
    ASSERT_EQ(field.CustomFormat(), "0.0;-0.0;\"zero\"");
    TestFlatEdit& txt = host.edit(QStringLiteral("txtValue"));
    bool written = false;
    host.on(QStringLiteral("Change"), [&](QVariantList&) {
        if (txt.Text() == QLatin1String("zero") && !written) {
            written = true;
            txt.setText(QStringLiteral("abc"));
        }
    });

    field.setText(QStringLiteral("0"));

    EXPECT_TRUE(written);
    EXPECT_EQ(txt.Text(), "zero"); // the zero's display again, not the handler's "abc"
    EXPECT_EQ(field.Text(), "0");
    host.focus(txt); // the editing face shows the number
    EXPECT_EQ(txt.Text(), "0");
    QLocale::setDefault(QLocale::c());
}

// A Search handler may leave the by-reference slots with any value, or none at
// all: the list lookup reads them as the container would (nothing = empty, False).
TEST(RobustnessRegression, PersistComboSearchWithTheArgumentsDropped)
{
    TestHost host;
    host.setScaleSize(4275, 720);
    ZEVPersistCombo combo(host);
    combo.Initialize();
    combo.InitProperties();
    combo.setLoaded(true);
    host.on(QStringLiteral("Search"), [](QVariantList& args) { args.clear(); });

    host.type(host.edit(QStringLiteral("txtCode")), QStringLiteral("7"));
    host.pressKey(host.edit(QStringLiteral("txtCode")), KeyCodes::F3);

    EXPECT_FALSE(combo.Loaded());
    EXPECT_EQ(host.ActiveControl(), &host.edit(QStringLiteral("txtCode")));
    // Enter in the description adds an entry with the empty key.
    host.pressKey(host.edit(QStringLiteral("txtDescription")), KeyCodes::Return);
    ASSERT_EQ(combo.ControlListing()->ListCount(), 1);
    EXPECT_EQ(combo.GetPkey(0), "");
}

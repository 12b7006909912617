#include "framework/modFunctions.h"

#include <gtest/gtest.h>

using namespace zev;

TEST(FillWithZeros, TrimsSpacesOnlyAndNeverShortens)
{
    struct Case {
        const char* text;
        qint16 length;
        qint32 position;
        const char* expected;
    };
    const Case cases[] = {
        {"  12  ", 5, Before, "00012"},
        {"  12  ", 5, After, "12000"},
        {"", 3, Before, "000"},
        {"123456", 4, Before, "123456"},   // never cut
        {"1234", 4, Before, "1234"},       // already long enough
        {" 12 ", 0, Before, "12"},
        {" 12 ", -5, After, "12"},
        {" 12 ", 5, 0, "12"},              // unknown positions add nothing
        {" 12 ", 5, 3, "12"},
        {"\t12", 5, Before, "00\t12"},     // a tab is not trimmed and counts
        {"12\t ", 4, After, "12\t0"},
        {"   ", 2, After, "00"},
    };
    for (const auto& c : cases) {
        const ePos_ pos = ePos_(c.position);
        EXPECT_EQ(modFunctions::FillWithZeros(QString::fromUtf8(c.text), c.length, pos), QString::fromUtf8(c.expected))
            << "text '" << c.text << "' length " << c.length << " position " << c.position;
    }
}

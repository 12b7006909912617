#include "daterange/DateRangePresets.h"
#include "daterange/ZEVDateRange.h"
#include "library/ComRuntime.h"
#include "library/LibraryIdentity.h"
#include "framework/MemoryPropertyBag.h"
#include "testkit/TestClock.h"
#include "testkit/TestHost.h"
#include "tests/ErrorOf.h"

#include <QTimeZone>
#include <ctime>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>

using namespace zev;

namespace {

QDateTime at(const char* text)
{
    return QDateTime::fromString(QLatin1String(text), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// A date range created through the library, over the test host, with "now" fixed.
struct DateRange {
    explicit DateRange(const QDateTime& now, TestHost* customHost = nullptr)
        : host(customHost ? *customHost : ownHost)
    {
        clock->set(now);
        owner = ComRuntime::instance().CreateControl(QStringLiteral("ZEVDateRange"), host);
        control = dynamic_cast<ZEVDateRange*>(owner.get());
        control->setClock(clock);
    }
    DateRange& started()
    {
        control->Initialize();
        control->InitProperties();
        return *this;
    }
    TestComboBox& combo() const { return host.combo("cboFiltro"); }
    TestDateTimePicker& start() const { return host.picker("dtpInicio"); }
    TestDateTimePicker& end() const { return host.picker("dtpFim"); }
    void setPickers(const QDateTime& s, const QDateTime& e) const
    {
        start().setValue(s);
        end().setValue(e);
    }

    TestHost ownHost;
    TestHost& host;
    std::shared_ptr<TestClock> clock = std::make_shared<TestClock>();
    std::unique_ptr<Control> owner;
    ZEVDateRange* control = nullptr;
};

const QDateTime Untouched = at("2000-01-01 12:00:00");

// A picker's value as the user reads it, with its UTC offset in hours when asked
// (a repeated local hour shows one text at two instants).
std::string shown(const QDateTime& t, bool withOffset)
{
    std::string text = t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
    return withOffset ? text + " " + std::to_string(t.offsetFromUtc() / 3600) : text;
}

// The day, the preset chosen in the focused combo, and the pickers afterwards
// (nullptr: the picker keeps what it held).
struct PresetRow {
    const char* now;
    int index;
    const char* start;
    const char* end;
};

template <size_t N>
void expectPresets(const PresetRow (&rows)[N], bool withOffset = false)
{
    const std::string untouched = shown(Untouched, withOffset);
    for (const PresetRow& r : rows) {
        DateRange d(at(r.now));
        d.started();
        d.setPickers(Untouched, Untouched);
        ASSERT_TRUE(d.host.select(d.combo(), r.index));
        const std::string where = std::string(r.now) + " #" + std::to_string(r.index);
        EXPECT_EQ(shown(d.start().Value(), withOffset), r.start ? r.start : untouched) << where;
        EXPECT_EQ(shown(d.end().Value(), withOffset), r.end ? r.end : untouched) << where;
    }
}

} // namespace

TEST(ZEVDateRange, PresetLabelsAreFilledInOrderWithTodaySelected)
{
    const QStringList expected = {
        "<===== Customizado ====>", "<======== Hoje ========>", "<===== Essa Semana ====>",
        QString::fromUtf16(u"<====== Esse M\u00EAs ======>"), "Ontem     <==>      Hoje", "-7  Dias  <==>      Hoje",
        "-15 Dias  <==>      Hoje", "-30 Dias  <==>      Hoje", "-60 Dias  <==>      Hoje",
        QString::fromUtf16(u"Hoje      <==>    Amanh\u00E3"), "Hoje      <==>   +7 Dias", "Hoje      <==>  +15 Dias",
        "Hoje      <==>  +30 Dias", "Hoje      <==>  +60 Dias", "-7  Dias  <==>   +7 Dias", "-15 Dias  <==>  +15 Dias",
        "-30 Dias  <==>  +30 Dias", "-60 Dias  <==>  +60 Dias",
    };
    DateRange d(at("2024-05-15 14:35:20"));
    d.started();
    EXPECT_EQ(d.combo().items(), expected);
    for (const QString& label : d.combo().items())
        EXPECT_EQ(label.size(), 24) << label.toStdString();
    EXPECT_EQ(d.combo().ListIndex(), 1);
    EXPECT_EQ(d.combo().font().Name(), "Courier New");
}

TEST(ZEVDateRange, EveryPresetOnChosenDays)
{
    const PresetRow rows[] = {
        // Wednesday 2024-05-15: every preset.
        {"2024-05-15 14:35:20", 0, nullptr, nullptr},
        {"2024-05-15 14:35:20", 1, "2024-05-15 00:00:00", "2024-05-15 23:59:59"},
        {"2024-05-15 14:35:20", 2, "2024-05-12 00:00:00", "2024-05-18 23:59:59"},
        {"2024-05-15 14:35:20", 3, "2024-05-01 00:00:00", "2024-05-31 23:59:59"},
        {"2024-05-15 14:35:20", 4, "2024-05-14 00:00:00", "2024-05-15 23:59:59"},
        {"2024-05-15 14:35:20", 5, "2024-05-08 00:00:00", "2024-05-15 23:59:59"},
        {"2024-05-15 14:35:20", 6, "2024-04-30 00:00:00", "2024-05-15 23:59:59"},
        {"2024-05-15 14:35:20", 7, "2024-04-15 00:00:00", "2024-05-15 23:59:59"},
        {"2024-05-15 14:35:20", 8, "2024-03-16 00:00:00", "2024-05-15 23:59:59"},
        {"2024-05-15 14:35:20", 9, "2024-05-15 00:00:00", "2024-05-16 23:59:59"},
        {"2024-05-15 14:35:20", 10, "2024-05-15 00:00:00", "2024-05-22 23:59:59"},
        {"2024-05-15 14:35:20", 11, "2024-05-15 00:00:00", "2024-05-30 23:59:59"},
        {"2024-05-15 14:35:20", 12, "2024-05-15 00:00:00", "2024-06-14 23:59:59"},
        {"2024-05-15 14:35:20", 13, "2024-05-15 00:00:00", "2024-07-14 23:59:59"},
        {"2024-05-15 14:35:20", 14, "2024-05-08 00:00:00", "2024-05-22 23:59:59"},
        {"2024-05-15 14:35:20", 15, "2024-04-30 00:00:00", "2024-05-30 23:59:59"},
        {"2024-05-15 14:35:20", 16, "2024-04-15 00:00:00", "2024-06-14 23:59:59"},
        {"2024-05-15 14:35:20", 17, "2024-03-16 00:00:00", "2024-07-14 23:59:59"},
        // The week runs Sunday to Saturday, whichever end today is.
        {"2024-05-12 00:00:00", 2, "2024-05-12 00:00:00", "2024-05-18 23:59:59"},
        {"2024-05-18 23:59:59", 2, "2024-05-12 00:00:00", "2024-05-18 23:59:59"},
        // Tuesday at a year end: week, month and spans cross into the next year.
        {"2024-12-31 08:00:00", 2, "2024-12-29 00:00:00", "2025-01-04 23:59:59"},
        {"2024-12-31 08:00:00", 3, "2024-12-01 00:00:00", "2024-12-31 23:59:59"},
        {"2024-12-31 08:00:00", 9, "2024-12-31 00:00:00", "2025-01-01 23:59:59"},
        {"2024-12-31 08:00:00", 17, "2024-11-01 00:00:00", "2025-03-01 23:59:59"},
        // Month ends: leap and common Februaries (the century rule too), 30 and 31 days.
        {"2024-02-10 12:00:00", 3, "2024-02-01 00:00:00", "2024-02-29 23:59:59"},
        {"2023-02-10 12:00:00", 3, "2023-02-01 00:00:00", "2023-02-28 23:59:59"},
        {"2000-02-10 12:00:00", 3, "2000-02-01 00:00:00", "2000-02-29 23:59:59"},
        {"2100-02-10 12:00:00", 3, "2100-02-01 00:00:00", "2100-02-28 23:59:59"},
        {"2024-04-30 12:00:00", 3, "2024-04-01 00:00:00", "2024-04-30 23:59:59"},
        {"2024-08-07 12:00:00", 3, "2024-08-01 00:00:00", "2024-08-31 23:59:59"},
        {"2024-03-01 12:00:00", 4, "2024-02-29 00:00:00", "2024-03-01 23:59:59"},
        {"2023-03-01 12:00:00", 4, "2023-02-28 00:00:00", "2023-03-01 23:59:59"},
    };
    expectPresets(rows);
    // "-60 Dias  <==>  +60 Dias" covers 121 calendar days.
    const auto span = DateRangePresets::Evaluate(DateRangePresets::Labels().at(17), at("2024-05-15 14:35:20"));
    EXPECT_EQ(span.start->date().daysTo(span.end->date()) + 1, 121);
}

TEST(ZEVDateRange, LabelsAreRecognisedByContentInOrder)
{
    struct Row {
        QString label;
        const char* start;
        const char* end;
    };
    const Row rows[] = {
        {"xx= Hoje =yy", "2024-05-15 00:00:00", "2024-05-15 23:59:59"},
        {QString::fromUtf16(u"= Esse M\u00EAs = e = Hoje ="), "2024-05-15 00:00:00", "2024-05-15 23:59:59"},
        {QString::fromUtf16(u"= Essa Semana = = Esse M\u00EAs ="), "2024-05-12 00:00:00", "2024-05-18 23:59:59"},
        {"Hoje", "2024-05-15 00:00:00", "2024-05-15 23:59:59"}, // both words of a short label
        {"Ontem     <==>    Depois", "2024-05-14 00:00:00", nullptr},
        {QString::fromUtf16(u"Antes     <==>    Amanh\u00E3"), nullptr, "2024-05-16 23:59:59"},
        {"Hoje\t     <==>      Hoje", nullptr, "2024-05-15 23:59:59"}, // only blanks are trimmed
        {"<======== hoje ========>", nullptr, nullptr},                  // case counts
        {"", nullptr, nullptr},
    };
    for (const Row& r : rows) {
        DateRange d(at("2024-05-15 14:35:20"));
        d.started();
        d.combo().AddItem(r.label);
        d.setPickers(Untouched, Untouched);
        ASSERT_TRUE(d.host.select(d.combo(), d.combo().NewIndex()));
        EXPECT_EQ(d.start().Value(), r.start ? at(r.start) : Untouched) << r.label.toStdString();
        EXPECT_EQ(d.end().Value(), r.end ? at(r.end) : Untouched) << r.label.toStdString();
    }
}

namespace {
// A host whose answer to "which widget has the focus" can fail, as a container's can.
class FailingHost : public TestHost {
public:
    Widget* ActiveControl() const override
    {
        if (failure == 1)
            throw ControlError(91);
        if (failure == 2)
            return &nameless;
        return TestHost::ActiveControl();
    }
    struct NamelessLabel : TestLabel {
        NamelessLabel() : TestLabel(WidgetDesign{}, nullptr) {}
        QString Name() const override { throw std::runtime_error("no name"); }
    };
    int failure = 0;
    mutable NamelessLabel nameless;
};
} // namespace

TEST(ZEVDateRange, ASelectionAppliesOnlyWhenItIsTheCombos)
{
    {   // Initialize selects "Hoje" with no widget focused: it applies, so the start is not left Null.
        DateRange d(at("2024-05-15 14:35:20"));
        d.started();
        EXPECT_EQ(d.combo().ListIndex(), 1);
        EXPECT_EQ(d.start().Value(), at("2024-05-15 00:00:00"));
        EXPECT_EQ(d.end().Value(), at("2024-05-15 23:59:59"));

        // A picker has the focus: the host's selection applies nothing.
        ASSERT_TRUE(d.host.focus(d.start()));
        d.combo().setListIndex(5);
        EXPECT_EQ(d.start().Value(), at("2024-05-15 00:00:00"));
        // The focus is elsewhere on the form: the combo's selection applies.
        d.host.focusElsewhere();
        d.combo().setListIndex(5);
        EXPECT_EQ(d.start().Value(), at("2024-05-08 00:00:00"));
        // The clock moves on: a preset takes the day it is applied.
        d.clock->set(at("2024-05-16 00:00:01"));
        ASSERT_TRUE(d.host.select(d.combo(), 1));
        EXPECT_EQ(d.end().Value(), at("2024-05-16 23:59:59"));
    }
    {   // With a picker focused during Initialize, the start keeps its Null and the end the time of "now".
        DateRange d(at("2024-05-15 14:35:20"));
        ASSERT_TRUE(d.host.focus(d.start()));
        d.control->Initialize();
        EXPECT_TRUE(d.start().Value().isNull());
        EXPECT_EQ(d.end().Value(), at("2024-05-15 14:35:20"));
    }
    for (int failure : {1, 2}) { // a focus test that fails counts as the combo's own
        FailingHost host;
        DateRange d(at("2024-05-15 14:35:20"), &host);
        d.started();
        host.failure = failure;
        d.setPickers(Untouched, Untouched);
        d.combo().setListIndex(4);
        EXPECT_EQ(d.start().Value(), at("2024-05-14 00:00:00")) << failure;
    }
    {   // A bound past the year 9999 fails with 5 before either picker changes.
        DateRange d(at("9999-12-31 10:00:00"));
        d.host.focus(d.start());
        d.control->Initialize();
        d.host.focusElsewhere();
        d.setPickers(Untouched, Untouched);
        EXPECT_EQ(zev::testing::errorOf([&] { d.combo().setListIndex(14); }), 5);
        EXPECT_EQ(d.start().Value(), Untouched);
    }
}

TEST(ZEVDateRange, EditingAPickerReturnsToCustomizadoAndKeepsTheOtherDate)
{
    for (bool editEnd : {true, false}) {
        DateRange d(at("2024-05-15 14:35:20"));
        d.started();
        ASSERT_TRUE(d.host.select(d.combo(), 5)); // "-7  Dias  <==>      Hoje"
        TestDateTimePicker& edited = editEnd ? d.end() : d.start();
        TestDateTimePicker& other = editEnd ? d.start() : d.end();
        const QDateTime kept = other.Value();
        ASSERT_TRUE(d.host.editDate(edited, at("2024-05-20 10:00:00")));
        EXPECT_EQ(d.combo().ListIndex(), 0);
        EXPECT_EQ(d.combo().Text(), "<===== Customizado ====>");
        EXPECT_EQ(edited.Value(), at("2024-05-20 10:00:00"));
        EXPECT_EQ(other.Value(), kept);
    }
    {   // A change with no widget focused: "Customizado" is applied, and leaves both dates as they are.
        DateRange d(at("2024-05-15 14:35:20"));
        d.started();
        d.host.focusElsewhere();
        d.end().userSetValue(at("2024-06-01 09:00:00"));
        EXPECT_EQ(d.combo().ListIndex(), 0);
        EXPECT_EQ(d.start().Value(), at("2024-05-15 00:00:00"));
        EXPECT_EQ(d.end().Value(), at("2024-06-01 09:00:00"));
    }
    {   // A change while the combo has the focus is not the user's edit of that picker.
        DateRange d(at("2024-05-15 14:35:20"));
        d.started();
        ASSERT_TRUE(d.host.select(d.combo(), 3));
        d.end().userSetValue(at("2024-06-01 09:00:00"));
        EXPECT_EQ(d.combo().ListIndex(), 3);
    }
}

TEST(ZEVDateRange, LayoutCentresTheLabelBetweenThePickers)
{
    struct Row {
        float width;
        float endWidth; // 0: as designed
        float endLeft;
        float labelLeft;
    };
    const Row rows[] = {
        {3420, 0, 2205, 1785},    {2955, 0, 1740, 1552.5f}, {2670, 0, 1455, 1410},
        {1000, 0, -215, 575},     {0, 0, -1215, 75},        {2000, 3000, -1000, 182.5f},
        {1000, 3000, -2000, 0},   // the label would sit left of 0
    };
    for (const Row& r : rows) {
        DateRange d(at("2024-05-15 14:35:20"));
        d.started();
        if (r.endWidth > 0)
            d.end().setWidth(r.endWidth);
        d.combo().setLeft(50);
        d.combo().setTop(50);
        d.host.resize(r.width, 900);
        const auto& label = d.host.label("lblLabel");
        EXPECT_EQ(d.combo().Left(), 0);
        EXPECT_EQ(d.combo().Top(), 0);
        EXPECT_EQ(d.combo().Width(), r.width);
        EXPECT_EQ(d.combo().Height(), 330);
        EXPECT_EQ(d.start().Left(), 0);
        EXPECT_EQ(d.end().Left(), r.endLeft) << r.width;
        EXPECT_EQ(label.Left(), r.labelLeft) << r.width;
        EXPECT_EQ(label.Top(), 420);
        EXPECT_EQ(label.Caption(), "a");
    }
}

TEST(ZEVDateRange, AppearanceAndBackColourNotifyAndColourTheLabelNotTheCombo)
{
    DateRange d(at("2024-05-15 14:35:20"));
    d.started();
    EXPECT_EQ(d.host.propertyChanges, (QStringList{"Appearance", "BackColor"}));
    const OleColor comboColour = d.combo().BackColor();
    d.host.clearLog();
    d.control->setAppearance(1);
    d.control->setBackColor(Colors::Red);
    EXPECT_EQ(d.host.propertyChanges, (QStringList{"Appearance", "BackColor"}));
    EXPECT_EQ(d.combo().Appearance(), 1);
    EXPECT_EQ(d.host.BackColor(), Colors::Red);
    EXPECT_EQ(d.host.label("lblLabel").BackColor(), Colors::Red);
    EXPECT_EQ(d.combo().BackColor(), comboColour);
    EXPECT_EQ(zev::testing::errorOf([&] { d.control->setAppearance(70000); }), 6);
    EXPECT_EQ(d.control->Appearance(), 1);
}

namespace {
// Runs with the process's local time zone set to another, and puts the old one back.
struct LocalZone {
    explicit LocalZone(const char* zone) : old(qgetenv("TZ")), had(qEnvironmentVariableIsSet("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~LocalZone()
    {
        had ? qputenv("TZ", old) : qunsetenv("TZ");
        tzset();
    }
    QByteArray old;
    bool had;
};
} // namespace

TEST(ZEVDateRange, DaysWhoseMidnightIsSkippedStartAtTheirFirstSecond)
{
    if (!QTimeZone(QByteArrayLiteral("America/Sao_Paulo")).isValid())
        GTEST_SKIP() << "no time zone data for America/Sao_Paulo";
    LocalZone zone("America/Sao_Paulo");
    // 2018-11-04 had no 00:00 to 00:59 there; on 2019-02-16 the hour 23:00 came twice.
    ASSERT_FALSE(QDateTime(QDate(2018, 11, 4), QTime(0, 0)).isValid());
    const PresetRow rows[] = {
        {"2018-11-04 10:00:00", 1, "2018-11-04 01:00:00 -2", "2018-11-04 23:59:59 -2"},
        {"2018-11-07 10:00:00", 2, "2018-11-04 01:00:00 -2", "2018-11-10 23:59:59 -2"},
        {"2018-11-05 10:00:00", 4, "2018-11-04 01:00:00 -2", "2018-11-05 23:59:59 -2"},
        {"2018-11-03 10:00:00", 9, "2018-11-03 00:00:00 -3", "2018-11-04 23:59:59 -2"},
        // The repeated 23:59:59 ends the day at its second, standard-time, occurrence.
        {"2019-02-16 10:00:00", 1, "2019-02-16 00:00:00 -2", "2019-02-16 23:59:59 -3"},
        {"2019-02-10 10:00:00", 4, "2019-02-09 00:00:00 -2", "2019-02-10 23:59:59 -2"},
    };
    expectPresets(rows, true);
}

TEST(ZEVDateRange, ABoundOnASkippedDayTakesTheFirstSecondAfterIt)
{
    if (!QTimeZone(QByteArrayLiteral("Pacific/Apia")).isValid())
        GTEST_SKIP() << "no time zone data for Pacific/Apia";
    LocalZone zone("Pacific/Apia");
    // Apia went from 2011-12-29 23:59:59 (-10) straight to 2011-12-31 00:00:00 (+14).
    ASSERT_FALSE(QDate(2011, 12, 30).startOfDay().isValid());
    const PresetRow rows[] = {
        {"2011-12-31 10:00:00", 4, "2011-12-31 00:00:00 14", "2011-12-31 23:59:59 14"},
        {"2012-01-06 10:00:00", 5, "2011-12-31 00:00:00 14", "2012-01-06 23:59:59 14"},
        {"2011-12-29 10:00:00", 9, "2011-12-29 00:00:00 -10", "2011-12-31 00:00:00 14"},
        {"2011-12-23 10:00:00", 14, "2011-12-16 00:00:00 -10", "2011-12-31 00:00:00 14"},
    };
    expectPresets(rows, true);
}

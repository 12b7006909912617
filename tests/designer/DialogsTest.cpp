// The logic of the Designer plugin's dialogs, without Designer: the numeric
// format editor's preview and refusal, the preview of the date range's
// preset periods, and the task menus the plugin's extension factory gives.

#include "designer/DateRangePreviewDialog.h"
#include "designer/NumericFormatDialog.h"
#include "designer/ZEVTaskMenu.h"
#include "qt/ZEVDateRangeWidget.h"
#include "testkit/TestClock.h"

#include <QtDesigner/QExtensionManager>

#include <QAction>
#include <QLineEdit>
#include <QLocale>
#include <gtest/gtest.h>

using namespace zev;

namespace {

class PtBr : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
    const QLocale ptBR{QLocale::Portuguese, QLocale::Brazil};
};

QStringList texts(const QList<NumericFormatPreview::Shown>& shown)
{
    QStringList t;
    for (const auto& s : shown)
        t.append(s.text);
    return t;
}

} // namespace

TEST_F(PtBr, PreviewShowsTheSamplesInTheFormsLocale)
{
    const auto& samples = NumericFormatPreview::samples();
    ASSERT_EQ(samples.size(), 4);
    EXPECT_GT(samples[0].value, 0);
    EXPECT_LT(samples[1].value, 0);
    EXPECT_EQ(samples[2].value, 0);
    EXPECT_GE(samples[3].value, 1e11);

    EXPECT_EQ(texts(NumericFormatPreview::preview(ZEVNumericWidget::StandardFormatation, {}, ptBR)),
              (QStringList{"1.234,50", "-1.234,50", "0,00", "123.456.789.012,34"}));
    const auto currency = texts(NumericFormatPreview::preview(ZEVNumericWidget::CurrencyFormatation, {}, ptBR));
    EXPECT_TRUE(currency[0].startsWith(QStringLiteral("R$"))) << currency[0].toStdString();
    EXPECT_TRUE(currency[0].endsWith(QStringLiteral("1.234,50")));
    const auto custom = NumericFormatPreview::preview(ZEVNumericWidget::CustomFormatation,
                                                      QStringLiteral("#,##0.000;(#,##0.000);\"zero\""), ptBR);
    EXPECT_EQ(texts(custom), (QStringList{"1.234,500", "(1.234,500)", "zero", "123.456.789.012,340"}));
    EXPECT_TRUE(custom[0].readable);
    EXPECT_TRUE(custom[1].readable);
    EXPECT_FALSE(custom[2].readable); // "zero" is not a number

    // Another form locale, the same samples.
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(texts(NumericFormatPreview::preview(ZEVNumericWidget::StandardFormatation, {}, en))[3],
              QStringLiteral("123,456,789,012.34"));
}

TEST_F(PtBr, RefusalFollowsTheControlsRule)
{
    EXPECT_EQ(NumericFormatPreview::refusal(QStringLiteral("#,##0.00"), QStringLiteral("1234,5")), QString());
    EXPECT_FALSE(NumericFormatPreview::refusal(QStringLiteral("   "), QStringLiteral("1234,5")).isEmpty());
    const QString empty = NumericFormatPreview::refusal(QStringLiteral("#,##0.00"), QString());
    EXPECT_TRUE(empty.contains(QStringLiteral("vazio"))) << empty.toStdString();
    const QString words = NumericFormatPreview::refusal(QStringLiteral("\"abc\""), QStringLiteral("1234,5"));
    EXPECT_TRUE(words.contains(QStringLiteral("\"abc\""))) << words.toStdString();
    EXPECT_TRUE(words.contains(QStringLiteral("1234,5")));

    // The same verdicts as the control itself.
    for (const QString& pattern : {QStringLiteral("#,##0.00"), QStringLiteral("\"abc\""), QStringLiteral("0.0 \"kg\""),
                                   QStringLiteral("#,##0.00;(#,##0.00)")}) {
        ZEVNumericWidget field;
        field.setText(QStringLiteral("1234,5"));
        field.setCustomFormat(pattern);
        const bool taken = field.CustomFormat() == pattern;
        EXPECT_EQ(taken, NumericFormatPreview::refusal(pattern, QStringLiteral("1234,5")).isEmpty())
            << pattern.toStdString();
    }
}

TEST_F(PtBr, ALiteralDigitInAPatternIsTakenWithAWarningOfTheValueItMakes)
{
    struct Case {
        const char* pattern;
        const char* digit; // "" when no warning
    };
    const Case cases[] = {
        {"#,##0.00", ""}, {"#,##0.00;(#,##0.00)", ""}, {"#,##1.000", "1"}, {"0\\5", "5"}, {"0.0 \"kg2\"", "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        const QString pattern = QString::fromUtf8(c.pattern);
        const QString warning = NumericFormatPreview::literalDigitWarning(pattern, QStringLiteral("1234,5"));
        EXPECT_EQ(warning.isEmpty(), !*c.digit) << warning.toStdString();
        if (!*c.digit)
            continue;
        EXPECT_TRUE(warning.contains(QStringLiteral("\"%1\"").arg(QLatin1String(c.digit))));
        // The value the warning announces is the one the control ends with.
        ZEVNumericWidget field;
        field.setText(QStringLiteral("1234,5"));
        field.setCustomFormat(pattern);
        if (field.Text() != QStringLiteral("1234,5")) {
            EXPECT_TRUE(warning.contains(QStringLiteral("passa a valer %1.").arg(field.Text()))) << warning.toStdString();
        }
    }
    NumericFormatDialog dialog(ZEVNumericWidget::CustomFormatation, QStringLiteral("#,##1.000"), QStringLiteral("1234,5"), ptBR);
    EXPECT_TRUE(dialog.acceptable());
    EXPECT_TRUE(dialog.message().contains(QStringLiteral("\"1\""))) << dialog.message().toStdString();
}

TEST_F(PtBr, DialogPreviewsLiveAndRefusesWithAMessage)
{
    NumericFormatDialog dialog(ZEVNumericWidget::StandardFormatation, QString(), QStringLiteral("1234,5"), ptBR);
    EXPECT_EQ(dialog.previewTexts().value(0), QStringLiteral("1.234,50"));
    EXPECT_TRUE(dialog.acceptable());
    EXPECT_TRUE(dialog.message().isEmpty());

    dialog.setFormat(ZEVNumericWidget::CustomFormatation);
    dialog.setPattern(QStringLiteral("0.0"));
    EXPECT_EQ(dialog.previewTexts().value(0), QStringLiteral("1234,5"));
    EXPECT_TRUE(dialog.acceptable());
    EXPECT_EQ(dialog.pattern(), QStringLiteral("0.0"));

    dialog.setPattern(QStringLiteral("\"abc\""));
    EXPECT_FALSE(dialog.acceptable());
    EXPECT_FALSE(dialog.message().isEmpty());
    EXPECT_TRUE(dialog.previewTexts().value(0).contains(QStringLiteral("abc")));

    dialog.setFormat(ZEVNumericWidget::CurrencyFormatation);
    EXPECT_TRUE(dialog.acceptable());
    EXPECT_EQ(dialog.pattern(), QString());
}

TEST_F(PtBr, DateRangePreviewListsThe18PresetsForToday)
{
    auto clock = std::make_shared<TestClock>(QDateTime(QDate(2024, 5, 15), QTime(10, 30)));
    const auto rows = DateRangePresetPreview::rows(clock);
    ASSERT_EQ(rows.size(), 18);
    for (const auto& r : rows)
        EXPECT_EQ(r.label.size(), 24) << r.label.toStdString();
    EXPECT_FALSE(rows[0].start.isValid()); // Customizado: the pickers as they are
    EXPECT_EQ(rows[1].start.date(), QDate(2024, 5, 15));
    EXPECT_EQ(rows[1].end.date(), QDate(2024, 5, 15));
    EXPECT_EQ(rows[5].label, QStringLiteral("-7  Dias  <==>      Hoje"));
    EXPECT_EQ(rows[5].start.date(), QDate(2024, 5, 8));
    EXPECT_EQ(rows[5].end.date(), QDate(2024, 5, 15));
    EXPECT_EQ(rows[3].start.date(), QDate(2024, 5, 1)); // Esse Mês
    DateRangePreviewDialog dialog(ptBR, nullptr, clock); // builds
}

TEST(DesignerTaskMenus, TheFactoryGivesTheNumericAndTheDateRangeTheirEntries)
{
    QExtensionManager manager;
    manager.registerExtensions(new ZEVTaskMenuFactory(&manager), Q_TYPEID(QDesignerTaskMenuExtension));
    ZEVNumericWidget numeric;
    auto* menu = qt_extension<QDesignerTaskMenuExtension*>(&manager, &numeric);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->taskActions().size(), 1);
    EXPECT_EQ(menu->taskActions()[0]->text(), QStringLiteral("Editar formato…"));
    EXPECT_EQ(menu->preferredEditAction(), menu->taskActions()[0]);

    ZEVDateRangeWidget range;
    auto* periods = qt_extension<QDesignerTaskMenuExtension*>(&manager, &range);
    ASSERT_NE(periods, nullptr);
    ASSERT_EQ(periods->taskActions().size(), 1);
    EXPECT_EQ(periods->taskActions()[0]->text(), QStringLiteral("Ver períodos de hoje…"));

    QLineEdit other;
    EXPECT_EQ(qt_extension<QDesignerTaskMenuExtension*>(&manager, &other), nullptr);
}

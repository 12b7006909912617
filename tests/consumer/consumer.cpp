// Places a numeric field on a headless test form, types into it and checks
// what a host would see: the smallest program built against the package.
// With the Qt widgets installed it also makes a ZEVNumericWidget offscreen.

#include "framework/KeyCodes.h"
#include "numeric/ZEVNumeric.h"
#include "testkit/TestHost.h"
#ifdef ZEV_CONSUMER_HAS_QT
#include "qt/ZEVNumericWidget.h"

#include <QApplication>
#include <QLineEdit>
#endif

#include <QLocale>
#include <cstdio>

namespace {

bool testKitField()
{
    zev::TestHost host;
    zev::ZEVNumeric amount(host);
    amount.Initialize();
    amount.InitProperties();
    amount.setFormat(zev::CurrencyFormatation);

    host.focus(host.edit("txtValue"));
    host.type(host.edit("txtValue"), "1234,5x");
    host.focusElsewhere();

    const QString shown = host.edit("txtValue").Text();
    const bool ok = amount.Text() == QLatin1String("1234,5") && shown.startsWith(QLatin1String("R$"))
        && host.eventNames().contains(QLatin1String("Change"));
    std::printf("consumer: Text=%s shown=%s -> %s\n", qPrintable(amount.Text()), qPrintable(shown),
                ok ? "ok" : "WRONG");
    return ok;
}

#ifdef ZEV_CONSUMER_HAS_QT
bool qtWidget()
{
    zev::ZEVNumericWidget amount;
    amount.setFormat(zev::ZEVNumericWidget::CurrencyFormatation);
    amount.setText(QStringLiteral("1234,5"));
    amount.show();
    const QString shown = amount.ControlText()->text();
    const bool ok = amount.Text() == QLatin1String("1234,5") && amount.value() == 1234.5
        && shown.startsWith(QLatin1String("R$"));
    std::printf("consumer: ZEVNumericWidget Text=%s shown=%s -> %s\n", qPrintable(amount.Text()),
                qPrintable(shown), ok ? "ok" : "WRONG");
    return ok;
}
#endif

} // namespace

int main(int argc, char** argv)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    bool ok = testKitField();
#ifdef ZEV_CONSUMER_HAS_QT
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ok = qtWidget() && ok;
#else
    (void)argc;
    (void)argv;
#endif
    return ok ? 0 : 1;
}

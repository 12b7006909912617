// Places a numeric field on a headless test form, types into it and checks
// what a host would see: the smallest program built against the package.

#include "framework/KeyCodes.h"
#include "numeric/ZEVNumeric.h"
#include "testkit/TestHost.h"

#include <QLocale>
#include <cstdio>

int main()
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
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
    return ok ? 0 : 1;
}

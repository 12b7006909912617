// Places a numeric field on a headless test form, types into it and checks
// what a host would see: the smallest program built against the package.
// With the Qt widgets installed it also makes a ZEVNumericWidget offscreen.
// Its own class uses Qt's `slots`, `signals` and `emit`, as an application's
// classes do: the package must leave the user's Qt keywords alone. Its
// meta-object comes from moc (consumer.moc: AUTOMOC, or moc run by hand).

#include "framework/KeyCodes.h"
#include "numeric/ZEVNumeric.h"
#include "testkit/TestHost.h"
#include "testkit/TestPropertyBag.h"
#ifdef ZEV_CONSUMER_HAS_QT
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"

#include <QApplication>
#include <QLineEdit>
#endif

#include <QLocale>
#include <QObject>
#include <cstdio>

// An application's class, written with Qt's keywords.
class Totals : public QObject {
    Q_OBJECT

public:
    double total = 0;

public slots:
    void add(double value)
    {
        total += value;
        emit changed(total);
    }

signals:
    void changed(double total);
};

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
    Totals totals;
    double announced = 0;
    QObject::connect(&totals, &Totals::changed, [&announced](double total) { announced = total; });
    QMetaObject::invokeMethod(&totals, "add", Q_ARG(double, 2.5)); // through moc's meta-object
    const bool ok = amount.Text() == QLatin1String("1234,5") && shown.startsWith(QLatin1String("R$"))
        && host.eventNames().contains(QLatin1String("Change")) && announced == 2.5;
    std::printf("consumer: Text=%s shown=%s -> %s\n", qPrintable(amount.Text()), qPrintable(shown),
                ok ? "ok" : "WRONG");
    return ok;
}

// Saves a control into the test kit's bag and loads the bag into another, as
// a container saves and reopens a form; a default value is not stored.
bool savedAndLoaded()
{
    zev::TestHost firstHost, secondHost;
    zev::ZEVNumeric first(firstHost), second(secondHost);
    for (zev::ZEVNumeric* amount : {&first, &second}) {
        amount->Initialize();
        amount->InitProperties();
    }
    first.setFormat(zev::CurrencyFormatation);
    first.setAllowNegative(false);

    zev::TestPropertyBag bag;
    first.WriteProperties(bag);
    second.ReadProperties(bag);
    zev::TestPropertyBag copy = bag;
    copy.clear();
    const bool ok = second.Format() == zev::CurrencyFormatation && !second.AllowNegative()
        && bag.contains(QStringLiteral("Format")) && !bag.contains(QStringLiteral("Appearance"))
        && bag.keys().indexOf(QStringLiteral("AllowNegative")) < bag.keys().indexOf(QStringLiteral("Format"))
        && copy.size() == 0 && bag.size() > 0;
    std::printf("consumer: TestPropertyBag saved %d properties -> %s\n", bag.size(), ok ? "ok" : "WRONG");
    return ok;
}

#ifdef ZEV_CONSUMER_HAS_QT
bool qtWidget()
{
    zev::ZEVNumericWidget amount;
    Totals totals;
    QObject::connect(&amount, &zev::ZEVNumericWidget::valueChanged, &totals, &Totals::add);
    amount.setFormat(zev::ZEVNumericWidget::CurrencyFormatation);
    amount.setText(QStringLiteral("1234,5"));
    amount.show();
    const QString shown = amount.ControlText()->text();
    const bool ok = amount.Text() == QLatin1String("1234,5") && amount.value() == 1234.5
        && shown.startsWith(QLatin1String("R$")) && totals.total == 1234.5
        && amount.property("value") == QVariant(1234.5) && amount.Format() == zev::CurrencyFormatation;
    std::printf("consumer: ZEVNumericWidget Text=%s shown=%s -> %s\n", qPrintable(amount.Text()),
                qPrintable(shown), ok ? "ok" : "WRONG");
    return ok;
}

// A widget saved into the test kit's bag and loaded into another.
bool qtWidgetSaved()
{
    zev::ZEVCodeDescriptionWidget first, second;
    first.setCodeMaxLength(5);
    first.setCodeBackColor(QColor(Qt::yellow));
    zev::TestPropertyBag bag;
    first.writeProperties(bag);
    second.readProperties(bag);
    const bool ok = second.CodeMaxLength() == 5 && second.CodeBackColor() == QColor(Qt::yellow);
    std::printf("consumer: ZEVCodeDescriptionWidget saved and loaded -> %s\n", ok ? "ok" : "WRONG");
    return ok;
}
#endif

} // namespace

int main(int argc, char** argv)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    bool ok = testKitField();
    ok = savedAndLoaded() && ok;
#ifdef ZEV_CONSUMER_HAS_QT
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ok = qtWidget() && ok;
    ok = qtWidgetSaved() && ok;
#else
    (void)argc;
    (void)argv;
#endif
    return ok ? 0 : 1;
}

#include "consumer.moc"

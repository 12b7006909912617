// An order filter drawn in Qt Designer: OrderFilterForm.ui places the five
// controls in a form layout with their labels and sets their design-time
// properties; uic turns it into Ui::OrderFilterForm (CMAKE_AUTOUIC). The code
// below only answers the customer and product lookups.
//
// On a desktop it opens the form. Without a screen (QT_QPA_PLATFORM=offscreen,
// as in CI) it checks that the form shows what the .ui says, types a customer
// code and checks the record found; it exits with 0, or with 1 after naming
// each thing that was not as expected.

#include "ui_OrderFilterForm.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cstdio>

namespace {

// The host's records (code, key, name). A real form asks its database here.
struct Record {
    QString code;
    QString key;
    QString name;
};
const QList<Record> customers{{"000007", "CLI-7", "Auto Peças Rodrigues"},
                              {"000042", "CLI-42", "Comércio Silva Ltda."}};
const QList<Record> products{{"00004", "PRD-4", "Parafuso M8"}, {"00009", "PRD-9", "Porca M8"}};

// A lookup's Search answered from a table: the name shown, the key handed back.
template <typename Lookup>
void answerFrom(const QList<Record>& table, Lookup* lookup)
{
    QObject::connect(lookup, &Lookup::Search, lookup, [&table, lookup](QString& key, bool& found, zev::eSource&) {
        for (const Record& r : table) {
            if (r.code == lookup->Code()) {
                lookup->setDescription(r.name);
                key = r.key;
                found = true;
            }
        }
    });
}

class OrderFilterForm : public QWidget {
public:
    Ui::OrderFilterForm ui;

    OrderFilterForm()
    {
        ui.setupUi(this);
        answerFrom(customers, ui.customer);
        answerFrom(products, ui.products);
    }
};

int check(OrderFilterForm& form)
{
    int failures = 0;
    auto expect = [&failures](const char* what, const QString& shown, const QString& wanted) {
        if (shown == wanted) {
            std::printf("ok    %s: %s\n", what, qPrintable(shown));
        } else {
            std::fprintf(stderr, "FAIL  %s: shows \"%s\", expected \"%s\"\n", what, qPrintable(shown),
                         qPrintable(wanted));
            ++failures;
        }
    };
    const Ui::OrderFilterForm& ui = form.ui;
    form.show();
    QApplication::setActiveWindow(&form);
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fprintf(stderr, "FAIL  the form's window did not become active\n");
        return 1;
    }

    // What the .ui set: the amount in currency, this month's period.
    expect("minimum amount", ui.minimum->ControlText()->text(), "R$\u00A01.500,50"); // the locale's no-break space
    const QDate today = QDate::currentDate();
    const QDate first(today.year(), today.month(), 1);
    expect("period start", ui.period->Control_dtpInicio()->date().toString(Qt::ISODate), first.toString(Qt::ISODate));
    expect("period end", ui.period->Control_dtpFim()->date().toString(Qt::ISODate),
           first.addMonths(1).addDays(-1).toString(Qt::ISODate));

    // The label's mnemonic (Alt+C) reaches the customer's code box through its buddy.
    QTest::keyClick(&form, Qt::Key_C, Qt::AltModifier);
    QLineEdit* code = ui.customer->ControlCode();
    expect("focus after Alt+C", QApplication::focusWidget() == code ? "customer code box" : "elsewhere",
           "customer code box");

    // FillZeros and CodeMaxLength 6, from the .ui: "7" is searched as "000007".
    QTest::keyClicks(code, "7");
    QTest::keyClick(code, Qt::Key_F3);
    expect("customer code", code->text(), "000007");
    expect("customer", ui.customer->ControlDescription()->text(), "Auto Peças Rodrigues");
    expect("customer key", ui.customer->PrimaryKey(), "CLI-7");

    QTest::keyClicks(ui.products->ControlCode(), "9");
    QTest::keyClick(ui.products->ControlCode(), Qt::Key_F3);
    QTest::keyClick(ui.products->ControlDescription(), Qt::Key_Return); // adds the record found
    expect("product added", ui.products->GetCode(0) + " " + ui.products->GetDescription(0), "00009 Porca M8");

    std::printf("%s\n", failures ? "designer-form: FAILED" : "designer-form: all checks passed");
    return failures ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The form's users are in Brazil (R$ 1.500,50); an application would keep the system's locale.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QApplication app(argc, argv);
    OrderFilterForm form;
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return check(form);
    form.show();
    return app.exec();
}

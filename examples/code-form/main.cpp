// An order filter written in code: the five controls in a QFormLayout, the
// lookups answered from in-memory tables, a summary line kept up to date by
// signal handlers and a button that empties the filter.
//
// On a desktop it opens the form. Without a screen (QT_QPA_PLATFORM=offscreen,
// as in CI) it types into the form as a user would, checks what the form shows
// and exits with 0, or with 1 after naming each thing that was not as expected.

#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVDialogs.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <cstdio>

namespace {

// The host's records. A real form asks its database here.
struct Record {
    QString code;
    QString key;
    QString name;
};
const QList<Record> customers{{"000007", "CLI-7", "Auto Peças Rodrigues"},
                              {"000042", "CLI-42", "Comércio Silva Ltda."}};
const QList<Record> salespeople{{"", "VEN-011", "Ana Pereira"}, {"", "VEN-012", "Bruno Souza"}};
const QList<Record> products{{"00004", "PRD-4", "Parafuso M8"}, {"00009", "PRD-9", "Porca M8"}};

const Record* byCode(const QList<Record>& table, const QString& code)
{
    for (const Record& r : table)
        if (r.code == code)
            return &r;
    return nullptr;
}

const Record* byNameStart(const QList<Record>& table, const QString& start)
{
    for (const Record& r : table)
        if (!start.isEmpty() && r.name.startsWith(start, Qt::CaseInsensitive))
            return &r;
    return nullptr;
}

class OrderFilter : public QWidget {
public:
    zev::ZEVCodeDescriptionWidget* customer = new zev::ZEVCodeDescriptionWidget;
    zev::ZEVDescriptionOnlyWidget* salesperson = new zev::ZEVDescriptionOnlyWidget;
    zev::ZEVPersistComboWidget* productList = new zev::ZEVPersistComboWidget;
    zev::ZEVNumericWidget* minimum = new zev::ZEVNumericWidget;
    zev::ZEVDateRangeWidget* period = new zev::ZEVDateRangeWidget;
    QPushButton* clear = new QPushButton("&Limpar");
    QLabel* summary = new QLabel;

    OrderFilter()
    {
        setWindowTitle("Filtro de pedidos");
        customer->setFillZeros(true); // "42" is searched as "000042"
        customer->setCodeMaxLength(6);
        productList->setFillZeros(true);
        productList->setCodeMaxLength(5);
        productList->setShowCodeInCombo(true);
        minimum->setFormat(zev::CurrencyFormatation);
        minimum->setAllowNegative(false);
        period->setPeriod(zev::ZEVDateRangeWidget::Last30Days);

        auto* fields = new QFormLayout;
        fields->addRow("&Cliente:", customer); // the label's mnemonic focuses the code box
        fields->addRow("&Vendedor:", salesperson);
        fields->addRow("&Produtos:", productList);
        fields->addRow("Valor &mínimo:", minimum);
        fields->addRow("P&eríodo:", period);
        auto* grid = new QGridLayout(this);
        grid->addLayout(fields, 0, 0);
        grid->addWidget(clear, 0, 1, Qt::AlignTop);
        grid->addWidget(summary, 1, 0, 1, 2);

        // Search: find the record, show its name and hand its key back.
        connect(customer, &zev::ZEVCodeDescriptionWidget::Search, this,
                [this](QString& key, bool& found, zev::eSource&) {
                    if (const Record* r = byCode(customers, customer->Code())) {
                        customer->setDescription(r->name);
                        key = r->key;
                        found = true;
                    }
                });
        connect(salesperson, &zev::ZEVDescriptionOnlyWidget::Search, this,
                [this](QString& key, bool& found, zev::eSource&) {
                    if (const Record* r = byNameStart(salespeople, salesperson->Description())) {
                        salesperson->setDescription(r->name);
                        key = r->key;
                        found = true;
                    }
                });
        connect(productList, &zev::ZEVPersistComboWidget::Search, this,
                [this](QString& key, bool& found, zev::eSource&) {
                    if (const Record* r = byCode(products, productList->Code())) {
                        productList->setDescription(r->name);
                        key = r->key;
                        found = true;
                    }
                });

        connect(customer, &zev::ZEVCodeDescriptionWidget::Load, this, &OrderFilter::updateSummary);
        connect(customer, &zev::ZEVCodeDescriptionWidget::Unload, this, &OrderFilter::updateSummary);
        connect(salesperson, &zev::ZEVDescriptionOnlyWidget::Load, this, &OrderFilter::updateSummary);
        connect(salesperson, &zev::ZEVDescriptionOnlyWidget::Unload, this, &OrderFilter::updateSummary);
        connect(productList, &zev::ZEVPersistComboWidget::itemAdded, this, &OrderFilter::updateSummary);
        connect(productList, &zev::ZEVPersistComboWidget::itemRemoved, this, &OrderFilter::updateSummary);
        connect(minimum, &zev::ZEVNumericWidget::valueChanged, this, &OrderFilter::updateSummary);
        connect(period, &zev::ZEVDateRangeWidget::periodChanged, this, &OrderFilter::updateSummary);
        connect(clear, &QPushButton::clicked, this, [this] {
            customer->Clear();
            salesperson->Clear();
            productList->Clear();
            minimum->setValue(0);
            period->setPeriodStart(QDateTime());
            period->setPeriodEnd(QDateTime());
            updateSummary();
        });
        updateSummary();
    }

    void updateSummary()
    {
        QStringList parts;
        if (customer->Loaded())
            parts << customer->Description();
        if (salesperson->Loaded())
            parts << salesperson->Description();
        if (productList->count() > 0)
            parts << QString("%1 produto(s)").arg(productList->count());
        if (minimum->value() > 0)
            parts << "desde " + QLocale().toString(minimum->value(), 'f', 2);
        if (period->periodStart().isValid() && period->periodEnd().isValid())
            parts << QLocale().toString(period->periodStart().date(), QLocale::ShortFormat) + " a "
                    + QLocale().toString(period->periodEnd().date(), QLocale::ShortFormat);
        summary->setText(parts.isEmpty() ? "Filtro vazio" : parts.join(" · "));
    }
};

// Drives the form with keys and clicks and compares what it shows.
int check(OrderFilter& form)
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
    auto type = [](QLineEdit* box, const QString& text, Qt::Key then) {
        box->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, then);
    };
    // The list's warning about a repeated product, answered as a user would.
    QStringList messages;
    zev::ZEVDialogs::Scope answer([&messages](QDialog& dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            messages << box->text();
        dialog.accept();
    });
    form.show();
    QApplication::setActiveWindow(&form);
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fprintf(stderr, "FAIL  the form's window did not become active\n");
        return 1;
    }

    const QDate today = QDate::currentDate();
    const QString last30Days = QLocale().toString(today.addDays(-30), QLocale::ShortFormat) + " a "
        + QLocale().toString(today, QLocale::ShortFormat);
    expect("summary at start", form.summary->text(), last30Days);

    type(form.customer->ControlCode(), "42", Qt::Key_F3);
    expect("customer code", form.customer->ControlCode()->text(), "000042");
    expect("customer", form.customer->ControlDescription()->text(), "Comércio Silva Ltda.");
    expect("customer key", form.customer->PrimaryKey(), "CLI-42");

    type(form.salesperson->ControlDescription(), "bru", Qt::Key_Return);
    expect("salesperson", form.salesperson->ControlDescription()->text(), "Bruno Souza");

    for (const char* code : {"4", "9", "4"}) {
        type(form.productList->ControlCode(), code, Qt::Key_F3);
        QTest::keyClick(form.productList->ControlDescription(), Qt::Key_Return); // adds the record found
    }
    expect("products", form.productList->GetDescription(0) + ", " + form.productList->GetDescription(1),
           "Parafuso M8, Porca M8");
    expect("repeated product", messages.join(" / "), "ATENÇÃO! Este item já foi adicionado na lista de filtro.");

    type(form.minimum->ControlText(), "1500,5", Qt::Key_Tab); // formatted once the focus leaves it
    expect("minimum amount", form.minimum->ControlText()->text(), "R$\u00A01.500,50"); // the locale's no-break space
    expect("period start", form.period->Control_dtpInicio()->date().toString(Qt::ISODate),
           today.addDays(-30).toString(Qt::ISODate));
    expect("summary", form.summary->text(),
           "Comércio Silva Ltda. · Bruno Souza · 2 produto(s) · desde 1.500,50 · " + last30Days);

    QTest::mouseClick(form.clear, Qt::LeftButton);
    expect("summary after Limpar", form.summary->text(), "Filtro vazio");

    std::printf("%s\n", failures ? "code-form: FAILED" : "code-form: all checks passed");
    return failures ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The form's users are in Brazil (R$ 1.500,50); an application would keep the system's locale.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QApplication app(argc, argv);
    OrderFilter form;
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return check(form);
    form.show();
    return app.exec();
}

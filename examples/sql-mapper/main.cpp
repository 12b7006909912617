// Saved order filters in an SQLite table, shown and edited through the five
// controls. A QDataWidgetMapper binds each control's USER property to a
// column of a QSqlTableModel: the numeric field's `value` (a double, or null),
// the code lookup's `Code`, the description lookup's `Description`, the
// list's `items` and the date range's `periodStart`; the end of the period is
// bound by name ("periodEnd") through a second mapper, since a mapper binds a
// widget once.
//
// SQLite keeps dates and lists as text. A small proxy model hands the
// controls a QDateTime and a QStringList and writes them back in the table's
// own text, so a value the user did not touch goes back as the very same
// bytes; an empty box leaves an empty column (NULL or '') as it was.
//
// On a desktop it opens the first filter with a Salvar button. Without a
// screen (QT_QPA_PLATFORM=offscreen, as in CI) it loads, saves unchanged,
// edits, saves and reloads, checking the table's bytes and what the form
// shows; it exits with 0, or with 1 after naming each thing that was not as
// expected.

#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"

#include <QApplication>
#include <QDataWidgetMapper>
#include <QDateTimeEdit>
#include <QFormLayout>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QTest>
#include <cstdio>

namespace {

const QString DateText = "yyyy-MM-dd HH:mm:ss"; // how the table writes a date

// The table's text columns as the types the controls bind.
class SqliteColumns : public QIdentityProxyModel {
public:
    QList<int> dateColumns;
    int listColumn = -1; // one entry of the list per line

    QVariant data(const QModelIndex& index, int role) const override
    {
        const QVariant stored = QIdentityProxyModel::data(index, role);
        if (role != Qt::EditRole)
            return stored;
        // A NULL as the type bound, or the control could not take it: no date, an empty list.
        if (dateColumns.contains(index.column()))
            return QDateTime::fromString(stored.toString(), DateText);
        if (index.column() == listColumn)
            return stored.isNull() ? QStringList() : stored.toString().split('\n');
        return stored;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        QVariant stored = value;
        if (dateColumns.contains(index.column()))
            stored = value.toDateTime().isValid() ? QVariant(value.toDateTime().toString(DateText)) : QVariant();
        else if (index.column() == listColumn)
            stored = value.toStringList().isEmpty() ? QVariant() : QVariant(value.toStringList().join('\n'));
        // The boxes show NULL as empty text: writing "" would turn a NULL into ''.
        const QVariant held = QIdentityProxyModel::data(index, role);
        if (role == Qt::EditRole && stored.toString().isEmpty() && held.toString().isEmpty())
            return true;
        return QIdentityProxyModel::setData(index, stored, role);
    }
};

struct FilterForm : QWidget {
    zev::ZEVNumericWidget* minimum = new zev::ZEVNumericWidget;
    zev::ZEVCodeDescriptionWidget* customer = new zev::ZEVCodeDescriptionWidget;
    zev::ZEVDescriptionOnlyWidget* salesperson = new zev::ZEVDescriptionOnlyWidget;
    zev::ZEVPersistComboWidget* productList = new zev::ZEVPersistComboWidget;
    zev::ZEVDateRangeWidget* period = new zev::ZEVDateRangeWidget;
    QPushButton* save = new QPushButton("&Salvar");

    FilterForm()
    {
        minimum->setFormat(zev::CurrencyFormatation);
        customer->setFillZeros(true);
        customer->setCodeMaxLength(6);
        productList->setFillZeros(true);
        productList->setCodeMaxLength(5);
        productList->setShowCodeInCombo(true);
        auto* rows = new QFormLayout(this);
        rows->addRow("&Cliente:", customer);
        rows->addRow("&Vendedor:", salesperson);
        rows->addRow("&Produtos:", productList);
        rows->addRow("Valor &mínimo:", minimum); // after the customer, which has the focus: shown formatted
        rows->addRow("P&eríodo:", period);
        rows->addRow(save);

        // The lookups' records; a real form asks its database here.
        connect(customer, &zev::ZEVCodeDescriptionWidget::Search, this,
                [this](QString& key, bool& found, zev::eSource&) {
                    if (customer->Code() == "000042") {
                        customer->setDescription("Comércio Silva Ltda.");
                        key = "CLI-42";
                        found = true;
                    }
                });
        connect(productList, &zev::ZEVPersistComboWidget::Search, this,
                [this](QString& key, bool& found, zev::eSource&) {
                    const QMap<QString, QString> names{{"00004", "Parafuso M8"}, {"00009", "Porca M8"}};
                    if (names.contains(productList->Code())) {
                        productList->setDescription(names[productList->Code()]);
                        key = "PRD-" + QString::number(productList->Code().toInt());
                        found = true;
                    }
                });
    }
};

// A row as SQLite holds it: quote() shows each value with its storage type (1234.5, '1234.5', NULL).
QString storedRow(int id)
{
    QSqlQuery q;
    q.prepare("SELECT quote(minimum), quote(customer), quote(salesperson), quote(products), quote(starts), quote(ends)"
              " FROM filters WHERE id = ?");
    q.addBindValue(id);
    QStringList values;
    if (q.exec() && q.next())
        for (int i = 0; i < 6; ++i)
            values << q.value(i).toString();
    return values.join(" | ");
}

int failures = 0;

void expect(const char* what, const QString& shown, const QString& wanted)
{
    if (shown == wanted) {
        std::printf("ok    %s: %s\n", what, qPrintable(shown.simplified()));
    } else {
        std::fprintf(stderr, "FAIL  %s: \"%s\", expected \"%s\"\n", what, qPrintable(shown), qPrintable(wanted));
        ++failures;
    }
}

} // namespace

int main(int argc, char** argv)
{
    // The form's users are in Brazil (R$ 1.234,50); an application would keep the system's locale.
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QApplication app(argc, argv);

    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE");
    db.setDatabaseName(":memory:");
    if (!db.open()) {
        std::fprintf(stderr, "FAIL  SQLite: %s\n", qPrintable(db.lastError().text()));
        return 1;
    }
    QSqlQuery sql;
    if (!sql.exec("CREATE TABLE filters (id INTEGER PRIMARY KEY, minimum REAL, customer TEXT, salesperson TEXT,"
                     " products TEXT, starts TEXT, ends TEXT)")
        || !sql.exec("INSERT INTO filters VALUES (1, 1234.5, '000042', 'Ana Pereira', NULL,"
                     " '2024-05-01 00:00:00', '2024-05-31 23:59:59'), (2, NULL, NULL, '', NULL, NULL, NULL)")) {
        std::fprintf(stderr, "FAIL  the table: %s\n", qPrintable(sql.lastError().text()));
        return 1;
    }
    QSqlTableModel table;
    table.setTable("filters");
    table.setEditStrategy(QSqlTableModel::OnManualSubmit); // saved by the Salvar button
    table.select();
    SqliteColumns columns;
    columns.setSourceModel(&table);
    columns.dateColumns = {table.fieldIndex("starts"), table.fieldIndex("ends")};
    columns.listColumn = table.fieldIndex("products");

    FilterForm form;
    QDataWidgetMapper mapper, ends;
    for (QDataWidgetMapper* m : {&mapper, &ends}) {
        m->setModel(&columns);
        m->setSubmitPolicy(QDataWidgetMapper::ManualSubmit);
    }
    // No property named: the mapper binds the widget's USER property.
    mapper.addMapping(form.minimum, table.fieldIndex("minimum"));
    mapper.addMapping(form.customer, table.fieldIndex("customer"));
    mapper.addMapping(form.salesperson, table.fieldIndex("salesperson"));
    mapper.addMapping(form.productList, table.fieldIndex("products"));
    mapper.addMapping(form.period, table.fieldIndex("starts"));
    ends.addMapping(form.period, table.fieldIndex("ends"), "periodEnd");
    QObject::connect(&mapper, &QDataWidgetMapper::currentIndexChanged, &ends, &QDataWidgetMapper::setCurrentIndex);
    // The row keeps the customer's code; its name comes from the lookup. (An empty code is
    // not searched: FillZeros would make it 000000.)
    QObject::connect(&mapper, &QDataWidgetMapper::currentIndexChanged, form.customer, [&form] {
        if (!form.customer->Code().isEmpty())
            form.customer->ForceSearch(zev::F3);
    });
    auto save = [&] {
        const int row = mapper.currentIndex();
        const bool saved = mapper.submit() && ends.submit() && table.submitAll();
        mapper.setCurrentIndex(row); // submitAll selects the table again
        return saved;
    };
    QObject::connect(form.save, &QPushButton::clicked, &form, [&] {
        if (!save())
            std::fprintf(stderr, "not saved: %s\n", qPrintable(table.lastError().text()));
    });
    mapper.toFirst();
    form.show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        return app.exec();

    QApplication::setActiveWindow(&form);
    if (!QTest::qWaitForWindowActive(&form)) {
        std::fprintf(stderr, "FAIL  the form's window did not become active\n");
        return 1;
    }
    expect("minimum amount", form.minimum->ControlText()->text(), "R$\u00A01.234,50"); // the locale's no-break space
    expect("customer", form.customer->ControlDescription()->text(), "Comércio Silva Ltda.");
    expect("salesperson", form.salesperson->ControlDescription()->text(), "Ana Pereira");
    expect("period", form.period->Control_dtpInicio()->text() + " a " + form.period->Control_dtpFim()->text(),
           "01/05/2024 a 31/05/2024");

    // Saved without edits, each row keeps its bytes: the REAL, the texts, the NULLs and the ''.
    for (int row : {0, 1}) {
        mapper.setCurrentIndex(row);
        const QString before = storedRow(row + 1);
        expect("saved", save() ? "yes" : table.lastError().text(), "yes");
        expect("row unchanged", storedRow(row + 1), before);
    }
    expect("empty amount", form.minimum->ControlText()->text(), "");

    // The user's edits go back as values.
    mapper.toFirst();
    QLineEdit* amount = form.minimum->ControlText();
    amount->setFocus(Qt::OtherFocusReason);
    amount->selectAll();
    QTest::keyClicks(amount, "2500,75");
    for (const char* code : {"4", "9"}) {
        QTest::keyClicks(form.productList->ControlCode(), code);
        QTest::keyClick(form.productList->ControlCode(), Qt::Key_F3);
        QTest::keyClick(form.productList->ControlDescription(), Qt::Key_Return); // adds the record found
    }
    QTest::keyClick(form.period->Control_dtpFim(), Qt::Key_Plus); // one day later
    expect("saved", save() ? "yes" : table.lastError().text(), "yes");
    QSqlQuery saved("SELECT quote(minimum), products, ends FROM filters WHERE id = 1");
    saved.next();
    expect("minimum column", saved.value(0).toString(), "2500.75");
    QStringList entries = saved.value(1).toString().split('\n');
    for (QString& entry : entries)
        entry = entry.simplified();
    expect("products column", entries.join(" / "), "00004 - Parafuso M8 PRD-4 / 00009 - Porca M8 PRD-9");
    expect("ends column", saved.value(2).toString(), "2024-06-01 23:59:59");

    // Opened again: the list comes back from its column, and saving it changes nothing.
    table.select();
    mapper.toFirst();
    expect("products reloaded", form.productList->GetDescription(1) + " " + form.productList->GetPkey(1),
           "Porca M8 PRD-9");
    const QString before = storedRow(1);
    expect("saved", save() ? "yes" : table.lastError().text(), "yes");
    expect("row unchanged", storedRow(1), before);

    std::printf("%s\n", failures ? "sql-mapper: FAILED" : "sql-mapper: all checks passed");
    return failures ? 1 : 0;
}

// The tour's order searches: each is checked against the count and sum that
// the tour works out itself over the generated orders in memory, not through
// the database or its SQL.

#include "Tour.h"

#include "DemoDatabase.h"
#include "DemoForm.h"
#include "EventLog.h"
#include "Orders.h"
#include "OrdersModel.h"
#include "TotalsChart.h"

#include "numeric/NumberEngine.h"
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <limits>

using namespace zev;

namespace {

struct Figures {
    int count = 0;
    qint64 cents = 0;
};

// What a search should find, by a plain pass over the orders.
struct Expectation {
    const orders::Book& book;
    QStringList customers, salespeople, products; // keys by position

    Figures operator()(const QString& customer, const QString& salesperson, const QStringList& productKeys,
                       qint64 minimumCents, const QDateTime& from, const QDateTime& to) const
    {
        QSet<int> wanted;
        for (const QString& k : productKeys)
            wanted.insert(int(products.indexOf(k)));
        Figures f;
        for (const orders::Order& o : book.orders) {
            if (!customer.isEmpty() && customers.value(o.customer) != customer)
                continue;
            if (!salesperson.isEmpty() && salespeople.value(o.salesperson) != salesperson)
                continue;
            if (!wanted.isEmpty()
                && std::none_of(o.lines.begin(), o.lines.end(), [&](const orders::Line& l) { return wanted.contains(l.product); }))
                continue;
            if (o.totalCents < minimumCents || (from.isValid() && o.when < from) || (to.isValid() && o.when > to))
                continue;
            ++f.count;
            f.cents += o.totalCents;
        }
        return f;
    }
};

QString money(qint64 cents) { return NumberEngine::current().formatCurrency(double(cents) / 100.0); }

void expect(QStringList& problems, bool ok, const QString& what)
{
    if (!ok)
        problems << what;
}

// The form's count, sum, summary line and chart against the expected figures.
QStringList compare(DemoForm& form, const Figures& want)
{
    QStringList p;
    expect(p, form.resultCount() == want.count,
           QStringLiteral("pedidos: %1, esperados %2").arg(form.resultCount()).arg(want.count));
    expect(p, form.resultCents() == want.cents,
           QStringLiteral("soma: %1, esperada %2").arg(money(form.resultCents()), money(want.cents)));
    expect(p, form.summary().text().endsWith(money(want.cents)), QStringLiteral("resumo: ") + form.summary().text());
    expect(p, form.results().model()->rowCount() == want.count,
           QStringLiteral("linhas na tabela: %1").arg(form.results().model()->rowCount()));
    qint64 charted = 0;
    for (const auto& bar : form.chart().bars())
        charted += bar.cents;
    expect(p, charted == want.cents, QStringLiteral("o gráfico soma %1").arg(money(charted)));
    return p;
}

} // namespace

void Tour::searchSteps(const QDate& today)
{
    auto& customer = form_.customer();
    auto& products = form_.products();
    auto& amount = form_.amount();
    auto& period = form_.period();
    DemoDatabase& database = form_.database();

    const QStringList customers = database.keys(QStringLiteral("clientes"));
    const QStringList salespeople = database.keys(QStringLiteral("vendedores"));
    const QStringList productKeys = database.keys(QStringLiteral("produtos"));
    const orders::Book book = orders::generate(database.createdOn(), int(customers.size()), int(salespeople.size()),
                                               int(productKeys.size()));
    const Expectation expected{book, customers, salespeople, productKeys};
    auto pressF5 = [] {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : QApplication::activeWindow(), Qt::Key_F5);
        QApplication::processEvents();
    };

    step(QStringLiteral("pesquisa-cliente"),
         QStringLiteral("Pesquisa: Limpar, cliente 14 + F3, período \"-30 Dias <==> Hoje\", F5"), [&] {
             click(button(QStringLiteral("btnLimpar")));
             typeCode(*customer.ControlCode(), QStringLiteral("14"), Qt::Key_F3);
             auto& combo = *period.Control_dtpCombo();
             combo.setFocus(Qt::TabFocusReason);
             while (combo.currentIndex() < ZEVDateRangeWidget::Last30Days)
                 QTest::keyClick(&combo, Qt::Key_Down);
             pressF5(); // from inside the period control: F5 is the window's
         }, [&] {
             QStringList p;
             expect(p, customer.PrimaryKey() == QLatin1String("CLI-1002"), QStringLiteral("cliente: ") + customer.PrimaryKey());
             expect(p, period.periodStart() == QDateTime(today.addDays(-30), QTime(0, 0)),
                    QStringLiteral("início do período: ") + period.periodStart().toString(Qt::ISODate));
             const Figures want = expected(QStringLiteral("CLI-1002"), {}, {}, 0, period.periodStart(), period.periodEnd());
             expect(p, want.count > 0, QStringLiteral("o cliente não tem pedidos nos últimos 30 dias"));
             p << compare(form_, want);
             expect(p, !form_.chart().weekly() && form_.chart().bars().size() == 31,
                    QStringLiteral("barras do gráfico: %1").arg(form_.chart().bars().size()));
             return p;
         });

    step(QStringLiteral("pesquisa-produtos"),
         QStringLiteral("Pesquisa: Limpar, produtos 10 e 20, valor mínimo 2000, botão Pesquisar"), [&] {
             click(button(QStringLiteral("btnLimpar")));
             for (const char* code : {"10", "20"}) {
                 typeCode(*products.ControlCode(), QString::fromLatin1(code), Qt::Key_F3);
                 QApplication::processEvents();
                 QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
             }
             typeCode(*amount.ControlText(), QStringLiteral("2000"), Qt::Key_Tab, true);
             click(form_.searchButton());
         }, [&] {
             QStringList p;
             expect(p, products.count() == 2, QStringLiteral("itens na lista: %1").arg(products.count()));
             expect(p, amount.value() == 2000, QStringLiteral("valor mínimo: %1").arg(amount.value()));
             expect(p, !period.periodStart().isValid() && !period.periodEnd().isValid(), QStringLiteral("o período não ficou vazio"));
             const Figures want = expected({}, {}, {QStringLiteral("PRD-5010"), QStringLiteral("PRD-5020")}, 200000, {}, {});
             expect(p, want.count > 0, QStringLiteral("nenhum pedido esperado"));
             p << compare(form_, want);
             expect(p, form_.chart().weekly(), QStringLiteral("18 meses deveriam ser mostrados por semana"));
             return p;
         });

    // The bounds: an order whose total is the minimum typed, and orders at the
    // first and the last second of the period, are all found.
    const orders::Order* first = nullptr;
    const orders::Order* last = nullptr;
    for (size_t i = 0; i + 1 < book.orders.size() && !last; ++i) {
        const orders::Order& a = book.orders[i];
        if (a.when.date() < today.addDays(-60) || a.totalCents % 100 == 0)
            continue;
        for (size_t j = i + 1; j < book.orders.size() && book.orders[j].when <= a.when.addDays(7); ++j) {
            if (book.orders[j].totalCents >= a.totalCents && book.orders[j].when > a.when) {
                first = &a;
                last = &book.orders[j];
            }
        }
    }
    if (first && last) {
        step(QStringLiteral("pesquisa-limites"),
             QStringLiteral("Pesquisa: valor mínimo igual ao total de um pedido, período do segundo desse pedido ao de outro"), [&] {
                 click(button(QStringLiteral("btnLimpar")));
                 const QString cents = QString::number(first->totalCents % 100).rightJustified(2, QLatin1Char('0'));
                 typeCode(*amount.ControlText(), QString::number(first->totalCents / 100) + QLatin1Char(',') + cents, Qt::Key_Tab, true);
                 period.setPeriodStart(first->when);
                 period.setPeriodEnd(last->when);
                 click(form_.searchButton());
             }, [&] {
                 QStringList p;
                 expect(p, period.periodStart() == first->when && period.periodEnd() == last->when,
                        QStringLiteral("período: %1 a %2").arg(period.periodStart().toString(Qt::ISODate), period.periodEnd().toString(Qt::ISODate)));
                 expect(p, std::llround(amount.value() * 100) == first->totalCents, QStringLiteral("valor mínimo: %1").arg(amount.value()));
                 const Figures want = expected({}, {}, {}, first->totalCents, first->when, last->when);
                 expect(p, want.count >= 2, QStringLiteral("pedidos esperados: %1").arg(want.count));
                 p << compare(form_, want);
                 return p;
             });
    }

    step(QStringLiteral("pesquisa-todos"), QStringLiteral("Pesquisa: Limpar e F5 com o filtro vazio (todos os pedidos)"), [&] {
        click(button(QStringLiteral("btnLimpar")));
        pressF5();
        std::printf("   consulta de %d pedidos: %lld ms\n", form_.resultCount(), form_.lastQueryMilliseconds());
    }, [&] {
        QStringList p;
        const Figures want = expected({}, {}, {}, 0, {}, {});
        expect(p, want.count == orders::OrderCount, QStringLiteral("pedidos gerados: %1").arg(want.count));
        p << compare(form_, want);
        return p;
    });

    QTableView& table = form_.results();
    step(QStringLiteral("itens"), QStringLiteral("Resultados: clica duas vezes no título Total e dá duplo clique no primeiro pedido"), [&] {
        QHeaderView& header = *table.horizontalHeader();
        const int x = header.sectionViewportPosition(OrdersModel::Total) + header.sectionSize(OrdersModel::Total) / 2;
        for (int i = 0; i < 2; ++i) // up, then down
            QTest::mouseClick(header.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, header.height() / 2));
        const QRect first = table.visualRect(table.model()->index(0, OrdersModel::Customer));
        // A double click is a click, then a second press that arrives as the double click.
        QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, first.center());
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, Qt::NoModifier, first.center());
        QApplication::processEvents();
    }, [&] {
        QStringList p;
        // Two clicks on the title sort down: the first row is the largest order.
        qint64 largest = 0;
        for (const orders::Order& o : book.orders)
            largest = std::max(largest, o.totalCents);
        const QAbstractItemModel& m = *table.model();
        expect(p, m.index(0, OrdersModel::Total).data(OrdersModel::SortRole).toLongLong() == largest,
               QStringLiteral("primeira linha: %1, maior pedido %2").arg(m.index(0, OrdersModel::Total).data().toString(), money(largest)));
        auto* dialog = form_.findChild<QDialog*>(QStringLiteral("dlgItensPedido"));
        expect(p, dialog && dialog->isVisible(), QStringLiteral("os itens do pedido não apareceram"));
        if (!dialog)
            return p;
        const int number = m.index(0, OrdersModel::Number).data(OrdersModel::SortRole).toInt();
        const std::size_t at = std::size_t(number - orders::FirstNumber);
        const orders::Order* order = at < book.orders.size() ? &book.orders[at] : nullptr;
        auto* lines = dialog->findChild<QTableWidget*>(QStringLiteral("tblItens"));
        auto* total = dialog->findChild<QLabel*>(QStringLiteral("lblTotalPedido"));
        expect(p, order && lines && lines->rowCount() == int(order->lines.size()),
               QStringLiteral("itens do pedido %1: %2").arg(number).arg(lines ? lines->rowCount() : -1));
        expect(p, order && total && total->text().contains(money(order->totalCents).toHtmlEscaped()),
               QStringLiteral("total do pedido: ") + (total ? total->text() : QString()));
        if (!dialog->grab().save(QDir(directory_).filePath(QStringLiteral("%1-itens-do-pedido.png").arg(number_, 2, 10, QLatin1Char('0')))))
            p << QStringLiteral("captura dos itens não gravada");
        QTest::keyClick(dialog, Qt::Key_Escape);
        return p;
    });

    step(QStringLiteral("exportado"), QStringLiteral("Exporta os resultados em CSV, na ordem da tabela"), [&] {
        const QString file = QDir(directory_).filePath(QStringLiteral("pedidos.csv"));
        QFile::remove(file);
        expect(messages_, form_.exportCsv(file), QStringLiteral("exportar falhou: ") + form_.statusText());
    }, [&] {
        QStringList p = messages_;
        messages_.clear();
        QFile file(QDir(directory_).filePath(QStringLiteral("pedidos.csv")));
        if (!file.open(QIODevice::ReadOnly)) {
            p << QStringLiteral("CSV não gravado");
            return p;
        }
        const QStringList rows = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        expect(p, rows.size() == orders::OrderCount + 1, QStringLiteral("linhas no CSV: %1").arg(rows.size()));
        // Fields split by ";" in pt_BR; the total is the last one, read back as the user's locale writes it.
        double previous = std::numeric_limits<double>::infinity();
        int unordered = 0;
        for (int i = 1; i < rows.size(); ++i) {
            double total = 0;
            if (!NumberEngine::current().tryRead(rows[i].section(QLatin1Char(';'), -1), total) || total > previous)
                ++unordered;
            previous = total;
        }
        expect(p, unordered == 0, QStringLiteral("%1 linha(s) do CSV fora da ordem da tabela").arg(unordered));
        return p;
    });

    step(QStringLiteral("eventos"), QStringLiteral("Painel de eventos: segue as linhas novas; F12 o esconde e mostra"), [&] {
        // The closed dialog leaves no window active on a display-less platform; shortcuts need one.
        QApplication::setActiveWindow(&form_);
        QTest::keyClick(&form_, Qt::Key_F12);
        QApplication::processEvents();
        expect(messages_, !form_.logDock().isVisible(), QStringLiteral("F12 não escondeu o painel"));
        QTest::keyClick(&form_, Qt::Key_F12);
        form_.log().note(QStringLiteral("uma nota longa o bastante para quebrar a linha no painel de eventos e mostrar "
                                        "que a continuação fica sob o começo da nota"));
    }, [&] {
        QStringList p = messages_;
        messages_.clear();
        QScrollBar& bar = *form_.log().verticalScrollBar();
        expect(p, form_.logDock().isVisible(), QStringLiteral("F12 não mostrou o painel de novo"));
        expect(p, bar.maximum() > 0 && bar.value() == bar.maximum(),
               QStringLiteral("o painel não está na última linha (%1 de %2)").arg(bar.value()).arg(bar.maximum()));
        return p;
    });

    step(QStringLiteral("tamanho"), QStringLiteral("A janela cabe na tela: 1024×700 a 100%, 1280×800 a 150%"), [] {}, [&] {
        QStringList p;
        const qreal scale = form_.devicePixelRatioF();
        const QSize screen = scale >= 1.5 ? QSize(1280, 800) : QSize(1024, 700);
        const QSize needed = form_.minimumSizeHint() * scale;
        std::printf("   tamanho mínimo %dx%d px na escala %.2f (tela %dx%d)\n", needed.width(), needed.height(), scale,
                    screen.width(), screen.height());
        // Room for a title bar and a panel on the screen's height.
        expect(p, needed.width() <= screen.width() && needed.height() <= screen.height() - 64,
               QStringLiteral("a janela precisa de %1x%2 px").arg(needed.width()).arg(needed.height()));
        return p;
    });
}

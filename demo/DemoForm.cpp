#include "DemoForm.h"

#include "DemoDatabase.h"
#include "EventLog.h"
#include "OrdersModel.h"
#include "TotalsChart.h"

#include "framework/ControlError.h"
#include "numeric/NumberEngine.h"
#include "qt/QtErrors.h"
#include "qt/QtFormPersistence.h"
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaEnum>
#include <QPushButton>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <functional>
#include <stdexcept>

using namespace zev;

namespace {

QString money(qint64 cents) { return NumberEngine::current().formatCurrency(double(cents) / 100.0); }

// A CSV field: quoted when it holds the separator, a quote or a line break.
QString csvField(const QString& text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))
        && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

constexpr QLatin1String IsoSeconds("yyyy-MM-ddTHH:mm:ss");

[[noreturn]] void badFile(const QString& where, const QString& what)
{
    throw ControlError(ErrInvalidFileFormat, where + QStringLiteral(": ") + what);
}

} // namespace

DemoForm::DemoForm(DemoDatabase& database, const QString& formFile, QWidget* parent)
    : QMainWindow(parent), database_(database), formFile_(formFile)
{
    setObjectName(QStringLiteral("frmFiltroPedidos"));
    setWindowTitle(QStringLiteral("Filtro de pedidos — ZEV Suite Controls"));

    controlsPanel_ = new QGroupBox(QStringLiteral("Filtro de pedidos"));
    customer_ = new ZEVCodeDescriptionWidget(controlsPanel_);
    customer_->setObjectName(QStringLiteral("zevCliente"));
    salesperson_ = new ZEVDescriptionOnlyWidget(controlsPanel_);
    salesperson_->setObjectName(QStringLiteral("zevVendedor"));
    products_ = new ZEVPersistComboWidget(controlsPanel_);
    products_->setObjectName(QStringLiteral("zevProdutos"));
    amount_ = new ZEVNumericWidget(controlsPanel_);
    amount_->setObjectName(QStringLiteral("zevValorMinimo"));
    period_ = new ZEVDateRangeWidget(controlsPanel_);
    period_->setObjectName(QStringLiteral("zevPeriodo"));

    // Design-time settings, as a form designer would have saved them.
    customer_->setFillZeros(true);
    customer_->setCodeMaxLength(6);
    customer_->setCodeSize(7);
    customer_->setFieldPkey(QStringLiteral("clientes.chave"));
    products_->setFillZeros(true);
    products_->setCodeMaxLength(5);
    products_->setCodeSize(6);
    products_->setShowCodeInCombo(true);
    amount_->setFormat(ZEVNumericWidget::CurrencyFormatation);
    amount_->setAllowNegative(false);
    period_->setPeriod(ZEVDateRangeWidget::Last30Days);

    auto* grid = new QGridLayout(controlsPanel_);
    grid->setColumnStretch(1, 1);
    // Tight rows: at 150% the whole window must fit a 1280×800 screen.
    grid->setVerticalSpacing(4);
    grid->setContentsMargins(8, 4, 8, 6);
    const std::pair<const char*, QWidget*> rows[] = {
        {"&Cliente:", customer_},       {"&Vendedor:", salesperson_}, {"&Produtos:", products_},
        {"Valor &mínimo:", amount_},    {"P&eríodo:", period_},
    };
    int row = 0;
    for (const auto& [text, widget] : rows) {
        auto* label = new QLabel(QString::fromUtf8(text), controlsPanel_);
        label->setBuddy(widget);
        grid->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
        // The lookups take the width of the column; the others keep their size hint.
        const bool stretches = widget->sizePolicy().horizontalPolicy() & QSizePolicy::ExpandFlag;
        grid->addWidget(widget, row, 1, stretches ? Qt::Alignment() : Qt::AlignLeft);
        ++row;
    }

    searchButton_ = new QPushButton(QStringLiteral("Pes&quisar"));
    searchButton_->setObjectName(QStringLiteral("btnPesquisar"));
    searchButton_->setToolTip(QStringLiteral("Procura os pedidos do filtro (F5)"));
    auto* clear = new QPushButton(QStringLiteral("&Limpar"));
    clear->setObjectName(QStringLiteral("btnLimpar"));
    clear->setToolTip(QStringLiteral("Esvazia o filtro, o período inclusive"));
    auto* save = new QPushButton(QStringLiteral("&Salvar"));
    save->setToolTip(QStringLiteral("Salva o formulário inteiro em %1 (Ctrl+S)").arg(formFile_));
    auto* load = new QPushButton(QStringLiteral("C&arregar"));
    load->setToolTip(QStringLiteral("Carrega o formulário salvo em %1 (Ctrl+O)").arg(formFile_));
    connect(searchButton_, &QPushButton::clicked, this, &DemoForm::search);
    connect(clear, &QPushButton::clicked, this, &DemoForm::clearFilter);
    connect(save, &QPushButton::clicked, this, &DemoForm::saveForm);
    connect(load, &QPushButton::clicked, this, &DemoForm::loadForm);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(searchButton_);
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(load);

    auto* filter = new QWidget;
    auto* filterLayout = new QVBoxLayout(filter);
    filterLayout->setContentsMargins(0, 0, 0, 0);
    filterLayout->addWidget(controlsPanel_);
    filterLayout->addLayout(buttons);
    filterLayout->addStretch();

    chart_ = new TotalsChart;
    chart_->setObjectName(QStringLiteral("graficoTotais"));
    auto* chartBox = new QGroupBox(QStringLiteral("Totais no período"));
    auto* chartLayout = new QVBoxLayout(chartBox);
    chartLayout->addWidget(chart_);

    model_ = new OrdersModel(this);
    proxy_ = new QSortFilterProxyModel(this);
    proxy_->setSourceModel(model_);
    proxy_->setSortRole(OrdersModel::SortRole);
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("tblPedidos"));
    table_->setModel(proxy_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(OrdersModel::Date, Qt::DescendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setAlternatingRowColors(true);
    table_->setTabKeyNavigation(false); // Tab leaves the table, as in the rest of the form
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table_->horizontalHeader()->setStretchLastSection(false);
    table_->setToolTip(QStringLiteral("Enter ou duplo clique mostra os itens do pedido"));
    // Enter, or a double click, on a row shows its lines.
    connect(table_, &QTableView::activated, this, [this](const QModelIndex& index) { showOrderLines(index.row()); });

    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("lblResumo"));
    exportButton_ = new QPushButton(QStringLiteral("Expor&tar CSV…"));
    exportButton_->setObjectName(QStringLiteral("btnExportar"));
    exportButton_->setEnabled(false);
    connect(exportButton_, &QPushButton::clicked, this, &DemoForm::exportCsvAs);
    auto* resultsBox = new QGroupBox(QStringLiteral("&Resultados"));
    auto* resultsLayout = new QVBoxLayout(resultsBox);
    resultsLayout->setContentsMargins(6, 4, 6, 4);
    resultsLayout->setSpacing(4);
    resultsLayout->addWidget(table_, 1);
    auto* summaryRow = new QHBoxLayout;
    summaryRow->addWidget(summary_, 1);
    summaryRow->addWidget(exportButton_);
    resultsLayout->addLayout(summaryRow);

    // The filter beside the chart, the results below; the user can move both dividers.
    auto* top = new QSplitter(Qt::Horizontal);
    top->addWidget(filter);
    top->addWidget(chartBox);
    top->setStretchFactor(0, 1);
    top->setStretchFactor(1, 1);
    top->setChildrenCollapsible(false);
    auto* central = new QSplitter(Qt::Vertical);
    central->addWidget(top);
    central->addWidget(resultsBox);
    central->setStretchFactor(0, 0);
    central->setStretchFactor(1, 1);
    central->setChildrenCollapsible(false);
    central->setContentsMargins(6, 2, 6, 0);
    setCentralWidget(central);

    log_ = new EventLog;
    logDock_ = new QDockWidget(QStringLiteral("Eventos"), this);
    logDock_->setObjectName(QStringLiteral("dockEventos"));
    logDock_->setWidget(log_);
    logDock_->setAllowedAreas(Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    addDockWidget(Qt::RightDockWidgetArea, logDock_);
    log_->setMinimumWidth(160);

    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("lblStatus"));
    statusBar()->addWidget(status_, 1);

    buildMenus();

    for (ZEVControlWidget* w : std::initializer_list<ZEVControlWidget*>{customer_, salesperson_, products_, amount_, period_}) {
        log_->watch(*w);
        connect(w, &ZEVControlWidget::errorRaised, this, [this](int number, const QString& description) {
            log_->note(QStringLiteral("erro %1: %2").arg(number).arg(description));
        });
    }
    connectSearches();
    connectSuggestions();
    const QString created = database_.createdNow()
        ? QStringLiteral(" (criado agora em %1 ms)").arg(database_.creationMilliseconds())
        : QString();
    status(QStringLiteral("Banco de dados de demonstração: %1 clientes, %2 vendedores, %3 produtos, %4 pedidos%5.")
               .arg(database_.count(QStringLiteral("clientes")))
               .arg(database_.count(QStringLiteral("vendedores")))
               .arg(database_.count(QStringLiteral("produtos")))
               .arg(QLocale().toString(database_.count(QStringLiteral("pedidos"))), created));
    resizeDocks({logDock_}, {300}, Qt::Horizontal);
    // The window opens on the last 30 days' orders: the form shows what it is for at once.
    search();
}

DemoForm::~DemoForm() = default;

void DemoForm::buildMenus()
{
    QMenu* form = menuBar()->addMenu(QStringLiteral("&Formulário"));
    QAction* find = form->addAction(QStringLiteral("Pesquisar"), this, &DemoForm::search);
    find->setShortcut(Qt::Key_F5);
    form->addAction(QStringLiteral("Limpar o filtro"), this, &DemoForm::clearFilter);
    form->addSeparator();
    form->addAction(QStringLiteral("Salvar formulário"), QKeySequence::Save, this, &DemoForm::saveForm);
    form->addAction(QStringLiteral("Carregar formulário"), QKeySequence::Open, this, &DemoForm::loadForm);
    form->addAction(QStringLiteral("Exportar CSV…"), this, &DemoForm::exportCsvAs);
    form->addSeparator();
    form->addAction(QStringLiteral("Sair"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* view = menuBar()->addMenu(QStringLiteral("E&xibir"));
    QAction* events = logDock_->toggleViewAction();
    events->setText(QStringLiteral("Painel de eventos"));
    events->setShortcut(Qt::Key_F12);
    view->addAction(events);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Aj&uda"));
    help->addAction(QStringLiteral("Sobre este demo"), this, [this] {
        QMessageBox::about(this, QStringLiteral("Sobre este demo"),
                           QStringLiteral("<p><b>Filtro de pedidos</b> — demonstração dos ZEV Suite Controls.</p>"
                                          "<p>Cliente: digite o código e pressione F3. Vendedor: o começo do nome e "
                                          "Enter, ou Seta para baixo e Enter nas sugestões. Produtos: código, F3 e "
                                          "Enter para cada um, ou cole uma coluna de códigos. Escolha o valor mínimo "
                                          "e o período, e pressione F5 (Pesquisar).</p>"
                                          "<p>Os %1 pedidos foram gerados em %2 para os 18 meses em torno desse dia. "
                                          "Enter ou duplo clique num pedido mostra os seus itens.</p>")
                               .arg(QLocale().toString(database_.count(QStringLiteral("pedidos"))),
                                    QLocale().toString(database_.createdOn(), QLocale::ShortFormat)));
    });
    // The controls' own about form, as the library documents it.
    help->addAction(QStringLiteral("Sobre os controles"), this, [this] { customer_->About(); });
}

void DemoForm::connectSearches()
{
    connect(customer_, &ZEVCodeDescriptionWidget::Search, this, [this](QString& primaryKey, bool& success, eSource&) {
        if (const auto r = database_.customerByCode(customer_->Code())) {
            customer_->setDescription(r->description);
            primaryKey = r->primaryKey;
            success = true;
            log_->note(QStringLiteral("cliente encontrado: %1 (%2)").arg(r->description, r->primaryKey));
        } else {
            log_->note(QStringLiteral("cliente %1 não encontrado").arg(customer_->Code()));
        }
    });
    connect(salesperson_, &ZEVDescriptionOnlyWidget::Search, this,
            [this](QString& primaryKey, bool& success, eSource&) {
                // A suggestion picked comes with its key; a typed name is looked up by its start.
                const auto r = primaryKey.isEmpty() ? database_.salespersonByName(salesperson_->Description())
                                                    : database_.salespersonByKey(primaryKey);
                if (r) {
                    salesperson_->setDescription(r->description);
                    primaryKey = r->primaryKey;
                    success = true;
                    log_->note(QStringLiteral("vendedor encontrado: %1 (%2)").arg(r->description, r->primaryKey));
                } else {
                    log_->note(QStringLiteral("nenhum vendedor começa com \"%1\"").arg(salesperson_->Description()));
                }
            });
    connect(products_, &ZEVPersistComboWidget::Search, this, [this](QString& primaryKey, bool& success, eSource&) {
        if (const auto r = database_.productByCode(products_->Code())) {
            products_->setDescription(r->description);
            primaryKey = r->primaryKey;
            success = true;
            log_->note(QStringLiteral("produto encontrado: %1 (%2)").arg(r->description, r->primaryKey));
        } else {
            log_->note(QStringLiteral("produto %1 não encontrado").arg(products_->Code()));
        }
    });
}

void DemoForm::connectSuggestions()
{
    salespersonSuggestions_ = new QStandardItemModel(this);
    salesperson_->setSuggestionModel(salespersonSuggestions_);
    connect(salesperson_, &ZEVDescriptionOnlyWidget::suggestionsRequested, this, [this](const QString& text) {
        salespersonSuggestions_->clear();
        for (const DemoDatabase::Record& r : database_.salespeopleLike(text)) {
            auto* item = new QStandardItem(r.description);
            item->setData(r.primaryKey, ZEVDescriptionOnlyWidget::SuggestionKeyRole);
            salespersonSuggestions_->appendRow(item);
        }
    });
}

bool DemoForm::search()
{
    DemoDatabase::OrderFilter filter;
    QStringList used, ignored;
    if (customer_->Loaded() && !customer_->PrimaryKey().isEmpty()) {
        filter.customer = customer_->PrimaryKey();
        used << QStringLiteral("cliente");
    } else if (!customer_->Code().trimmed().isEmpty()) {
        ignored << QStringLiteral("cliente %1 (pressione F3 para pesquisá-lo)").arg(customer_->Code().trimmed());
    }
    if (salesperson_->Loaded() && !salesperson_->PrimaryKey().isEmpty()) {
        filter.salesperson = salesperson_->PrimaryKey();
        used << QStringLiteral("vendedor");
    } else if (!salesperson_->Description().trimmed().isEmpty()) {
        ignored << QStringLiteral("vendedor \"%1\" (pressione Enter para pesquisá-lo)").arg(salesperson_->Description().trimmed());
    }
    for (int i = 0; i < products_->count(); ++i) {
        const QString key = products_->GetPkey(qint16(i));
        if (!key.isEmpty() && !filter.products.contains(key))
            filter.products << key;
    }
    if (!filter.products.isEmpty())
        used << QStringLiteral("%1 produto(s)").arg(filter.products.size());
    const double minimum = amount_->value();
    if (std::isfinite(minimum) && minimum > 0) {
        filter.minimumCents = qint64(std::ceil(minimum * 100.0 - 1e-6));
        used << QStringLiteral("valor mínimo");
    }
    filter.from = period_->periodStart();
    filter.to = period_->periodEnd();
    if (filter.from.isValid() && filter.to.isValid() && filter.from > filter.to) {
        status(QStringLiteral("O início do período (%1) é depois do fim (%2): corrija o período e pesquise de novo.")
                   .arg(QLocale().toString(filter.from, QLocale::ShortFormat),
                        QLocale().toString(filter.to, QLocale::ShortFormat)),
               true);
        return false;
    }
    if (filter.from.isValid() || filter.to.isValid())
        used << QStringLiteral("período");

    QElapsedTimer timer;
    timer.start();
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        model_->show(database_.findOrders(filter));
        QApplication::restoreOverrideCursor();
    } catch (const std::exception& e) {
        QApplication::restoreOverrideCursor();
        status(QStringLiteral("A pesquisa falhou: %1").arg(QString::fromUtf8(e.what())), true);
        return false;
    }
    lastQueryMilliseconds_ = timer.elapsed();

    resultCount_ = model_->rowCount();
    resultCents_ = 0;
    QMap<QDate, qint64> perDay;
    QDate first, last;
    for (int r = 0; r < resultCount_; ++r) {
        const qint64 cents = model_->totalCents(r);
        const QDate day = model_->date(r).date();
        resultCents_ += cents;
        perDay[day] += cents;
        if (!first.isValid() || day < first)
            first = day;
        if (!last.isValid() || day > last)
            last = day;
    }
    // The chart spans the period asked for; an open side ends at the orders found.
    if (filter.from.isValid())
        first = filter.from.date();
    if (filter.to.isValid())
        last = filter.to.date();
    if (resultCount_ == 0 && !(filter.from.isValid() && filter.to.isValid()))
        chart_->clear();
    else
        chart_->setTotals(first, last, perDay);

    summary_->setText(resultCount_ == 1 ? QStringLiteral("1 pedido, total %1").arg(money(resultCents_))
                                        : QStringLiteral("%1 pedidos, total %2")
                                              .arg(QLocale().toString(resultCount_), money(resultCents_)));
    exportButton_->setEnabled(resultCount_ > 0);
    // Every column as wide as its contents but the customer's, which takes what is left (and elides):
    // the total stays in sight in a narrow window.
    QHeaderView& header = *table_->horizontalHeader();
    header.setSectionResizeMode(QHeaderView::Interactive);
    table_->resizeColumnsToContents();
    header.setSectionResizeMode(OrdersModel::Customer, QHeaderView::Stretch);
    if (proxy_->rowCount() > 0)
        table_->selectRow(0);
    QString text = QStringLiteral("Pesquisa por %1: %2 pedido(s) em %3 ms.")
                       .arg(used.isEmpty() ? QStringLiteral("todos os pedidos") : used.join(QStringLiteral(", ")),
                            QLocale().toString(resultCount_))
                       .arg(lastQueryMilliseconds_);
    if (!ignored.isEmpty())
        text += QStringLiteral(" Fora do filtro: ") + ignored.join(QStringLiteral("; ")) + QLatin1Char('.');
    status(text, !ignored.isEmpty());
    return true;
}

void DemoForm::clearFilter()
{
    customer_->Clear();
    salesperson_->Clear();
    products_->Clear();
    amount_->setValue(0);
    period_->setPeriodStart(QDateTime());
    period_->setPeriodEnd(QDateTime());
    if (QWidget* code = customer_->ControlCode())
        code->setFocus(Qt::OtherFocusReason);
    status(QStringLiteral("Filtro vazio: Pesquisar mostra todos os pedidos."));
}

bool DemoForm::exportCsv(const QString& path)
{
    // A spreadsheet of a locale that writes decimals with a comma reads fields split by semicolons.
    const QChar separator = QLocale().decimalPoint() == QLatin1String(",") ? QLatin1Char(';') : QLatin1Char(',');
    QString text;
    QStringList fields;
    for (int c = 0; c < proxy_->columnCount(); ++c)
        fields << csvField(proxy_->headerData(c, Qt::Horizontal).toString(), separator);
    text += fields.join(separator) + QStringLiteral("\r\n");
    for (int r = 0; r < proxy_->rowCount(); ++r) {
        fields.clear();
        for (int c = 0; c < proxy_->columnCount(); ++c)
            fields << csvField(proxy_->index(r, c).data().toString(), separator);
        text += fields.join(separator) + QStringLiteral("\r\n");
    }
    // With a byte order mark, spreadsheets take the file as UTF-8 (accents, "R$").
    const QByteArray data = QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        status(QStringLiteral("Não foi possível exportar para %1: %2").arg(path, file.errorString()), true);
        return false;
    }
    status(QStringLiteral("%1 pedido(s) exportados para %2").arg(proxy_->rowCount()).arg(path));
    return true;
}

void DemoForm::exportCsvAs()
{
    if (proxy_->rowCount() == 0) {
        status(QStringLiteral("Nada a exportar: pesquise primeiro."), true);
        return;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Exportar CSV"),
                                                      QDir(folder).filePath(QStringLiteral("pedidos.csv")),
                                                      QStringLiteral("Arquivos CSV (*.csv)"));
    if (path.isEmpty())
        return;
    if (!exportCsv(path))
        QMessageBox::warning(this, QStringLiteral("Exportar CSV"), statusText());
}

void DemoForm::showOrderLines(int row)
{
    if (row < 0 || row >= proxy_->rowCount())
        return;
    const int source = proxy_->mapToSource(proxy_->index(row, 0)).row();
    const int number = model_->data(model_->index(source, OrdersModel::Number), OrdersModel::SortRole).toInt();
    std::vector<DemoDatabase::OrderLine> lines;
    try {
        lines = database_.orderLines(number);
    } catch (const std::exception& e) {
        status(QString::fromUtf8(e.what()), true);
        return;
    }
    auto* dialog = new QDialog(this);
    dialog->setObjectName(QStringLiteral("dlgItensPedido"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Pedido %1").arg(number));
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(new QLabel(QStringLiteral("Pedido %1 de %2 — %3, vendedor %4")
                                     .arg(number)
                                     .arg(model_->index(source, OrdersModel::Date).data().toString(),
                                          model_->index(source, OrdersModel::Customer).data().toString(),
                                          model_->index(source, OrdersModel::Salesperson).data().toString()),
                                 dialog));
    auto* table = new QTableWidget(int(lines.size()), 5, dialog);
    table->setObjectName(QStringLiteral("tblItens"));
    table->setHorizontalHeaderLabels({QStringLiteral("Código"), QStringLiteral("Produto"), QStringLiteral("Quantidade"),
                                      QStringLiteral("Preço unitário"), QStringLiteral("Subtotal")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    qint64 total = 0;
    for (int i = 0; i < int(lines.size()); ++i) {
        const auto& l = lines[std::size_t(i)];
        const qint64 subtotal = l.quantity * l.unitCents;
        total += subtotal;
        const QString cells[] = {l.code, l.description, QLocale().toString(l.quantity), money(l.unitCents), money(subtotal)};
        for (int c = 0; c < 5; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(i, c, item);
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    layout->addWidget(table);
    auto* totalLabel = new QLabel(QStringLiteral("Total do pedido: <b>%1</b>").arg(money(total).toHtmlEscaped()), dialog);
    totalLabel->setObjectName(QStringLiteral("lblTotalPedido"));
    totalLabel->setAlignment(Qt::AlignRight);
    layout->addWidget(totalLabel);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Fechar"));
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
    int width = 0;
    for (int c = 0; c < 5; ++c)
        width += table->columnWidth(c);
    dialog->resize(std::max(480, width + 48), dialog->sizeHint().height());
    dialog->open();
}

// ---- Saving and loading the whole form --------------------------------------
//
// The controls' documented properties go through QtFormPersistence; what the
// property bag does not hold (the entries of each list, the period of each
// date range) is stored beside it in the same file, under "lists" and
// "periods", keyed by the control's name.

QJsonObject DemoForm::listsAndPeriods() const
{
    QJsonObject lists, periods;
    for (const auto* list : findChildren<ZEVPersistComboWidget*>()) {
        QJsonArray entries;
        for (int i = 0; i < list->count(); ++i)
            entries.append(QJsonObject{{QStringLiteral("code"), list->GetCode(qint16(i))},
                                       {QStringLiteral("description"), list->GetDescription(qint16(i))},
                                       {QStringLiteral("key"), list->GetPkey(qint16(i))}});
        lists.insert(list->objectName(), entries);
    }
    const QMetaEnum presets = QMetaEnum::fromType<ZEVDateRangeWidget::Preset>();
    for (const auto* range : findChildren<ZEVDateRangeWidget*>()) {
        auto when = [](const QDateTime& d) { return d.isValid() ? QJsonValue(d.toString(IsoSeconds)) : QJsonValue(); };
        periods.insert(range->objectName(),
                       QJsonObject{{QStringLiteral("preset"), QString::fromLatin1(presets.valueToKey(range->period()))},
                                   {QStringLiteral("start"), when(range->periodStart())},
                                   {QStringLiteral("end"), when(range->periodEnd())}});
    }
    return QJsonObject{{QStringLiteral("lists"), lists}, {QStringLiteral("periods"), periods}};
}

bool DemoForm::saveForm()
{
    try {
        QJsonObject document = QtFormPersistence::toJson(*this);
        const QJsonObject extra = listsAndPeriods();
        for (auto it = extra.begin(); it != extra.end(); ++it)
            document.insert(it.key(), it.value());
        const QByteArray data = QJsonDocument(document).toJson(QJsonDocument::Indented);
        QSaveFile file(formFile_);
        if (!QDir().mkpath(QFileInfo(formFile_).absolutePath()) || !file.open(QIODevice::WriteOnly)
            || file.write(data) != data.size() || !file.commit())
            throw ControlError(ErrFileAccess, QStringLiteral("%1: %2").arg(formFile_, file.errorString()));
        status(QStringLiteral("Formulário salvo em %1").arg(formFile_));
        return true;
    } catch (const ControlError& e) {
        status(QStringLiteral("Não foi possível salvar: %1").arg(e.Description()), true);
        return false;
    }
}

std::function<void()> DemoForm::readListsAndPeriods(const QJsonObject& lists, const QJsonObject& periods)
{
    struct Entry {
        QString code, description, key;
    };
    struct Period {
        ZEVDateRangeWidget* range;
        ZEVDateRangeWidget::Preset preset;
        QDateTime start, end;
    };
    QList<QPair<ZEVPersistComboWidget*, QList<Entry>>> listValues;
    QList<Period> periodValues;
    for (auto* list : findChildren<ZEVPersistComboWidget*>()) {
        QList<Entry> entries;
        const QString where = formFile_ + QStringLiteral(", list ") + list->objectName();
        const QJsonValue value = lists.value(list->objectName());
        if (!value.isUndefined() && !value.isArray())
            badFile(where, QStringLiteral("not a list"));
        const QJsonArray array = value.toArray();
        for (const auto& e : array) {
            const QJsonObject o = e.toObject();
            if (!e.isObject() || !o.value(QStringLiteral("key")).isString() || !o.value(QStringLiteral("code")).isString()
                || !o.value(QStringLiteral("description")).isString())
                badFile(where, QStringLiteral("an entry needs a code, a description and a key"));
            entries << Entry{o.value(QStringLiteral("code")).toString(), o.value(QStringLiteral("description")).toString(),
                             o.value(QStringLiteral("key")).toString()};
        }
        listValues << qMakePair(list, entries);
    }
    const QMetaEnum presets = QMetaEnum::fromType<ZEVDateRangeWidget::Preset>();
    for (auto* range : findChildren<ZEVDateRangeWidget*>()) {
        const QJsonValue value = periods.value(range->objectName());
        if (value.isUndefined())
            continue; // a file saved without it: the period stays
        const QString where = formFile_ + QStringLiteral(", period ") + range->objectName();
        const QJsonObject o = value.toObject();
        bool known = false;
        const int preset = presets.keyToValue(o.value(QStringLiteral("preset")).toString().toLatin1().constData(), &known);
        if (!value.isObject() || !known)
            badFile(where, QStringLiteral("no known preset"));
        auto when = [&](const char* name) {
            const QJsonValue v = o.value(QLatin1String(name));
            if (v.isNull() || v.isUndefined())
                return QDateTime();
            QDateTime d = QDateTime::fromString(v.toString(), IsoSeconds);
            if (!d.isValid())
                badFile(where, QStringLiteral("%1 is not a date and time").arg(QLatin1String(name)));
            return d;
        };
        periodValues << Period{range, ZEVDateRangeWidget::Preset(preset), when("start"), when("end")};
    }

    return [listValues, periodValues] {
        for (const auto& [list, entries] : listValues) {
            // Re-adding the saved entries must not clear what the file put in the
            // boxes, nor refuse an entry the saved form allowed.
            const QString code = list->Code(), description = list->Description();
            const bool loaded = list->Loaded(), duplicates = list->AllowItemDuplication();
            list->setAllowItemDuplication(true);
            for (int i = list->count() - 1; i >= 0; --i)
                list->RemoveItem(i);
            for (const Entry& e : entries)
                list->AddItem(e.description, e.key, e.code);
            list->setAllowItemDuplication(duplicates);
            list->setCode(code);
            list->setDescription(description);
            list->setLoaded(loaded);
        }
        // A preset is loaded as the preset, so a saved "last 30 days" is the last 30 days of the day it is loaded.
        for (const Period& p : periodValues) {
            if (p.preset != ZEVDateRangeWidget::Custom) {
                p.range->setPeriod(p.preset);
            } else {
                p.range->setPeriodStart(p.start);
                p.range->setPeriodEnd(p.end);
            }
        }
    };
}

bool DemoForm::loadForm()
{
    QWidget* focus = QApplication::focusWidget();
    try {
        QFile file(formFile_);
        if (!file.exists())
            throw ControlError(ErrFileNotFound, QStringLiteral("%1: o arquivo não existe; salve o formulário antes").arg(formFile_));
        if (!file.open(QIODevice::ReadOnly))
            throw ControlError(ErrFileAccess, QStringLiteral("%1: %2").arg(formFile_, file.errorString()));
        const QByteArray data = file.read(QtFormPersistence::MaxFileSize + 1);
        if (data.size() > QtFormPersistence::MaxFileSize)
            badFile(formFile_, QStringLiteral("too large for a saved form"));
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(data, &error);
        if (error.error != QJsonParseError::NoError || !document.isObject())
            badFile(formFile_, QStringLiteral("not JSON: %1").arg(error.errorString()));
        const QJsonObject o = document.object();
        for (const char* key : {"lists", "periods"})
            if (o.contains(QLatin1String(key)) && !o.value(QLatin1String(key)).isObject())
                badFile(formFile_, QStringLiteral("\"%1\" is not an object").arg(QLatin1String(key)));
        // Both parts are checked in full before either touches a control: a bad file changes nothing.
        const auto restore = readListsAndPeriods(o.value(QStringLiteral("lists")).toObject(),
                                                 o.value(QStringLiteral("periods")).toObject());
        QtFormPersistence::fromJson(*this, o, formFile_);
        restore();
        if (focus)
            focus->setFocus(Qt::OtherFocusReason);
        status(QStringLiteral("Formulário carregado de %1").arg(formFile_));
        return true;
    } catch (const ControlError& e) {
        if (focus)
            focus->setFocus(Qt::OtherFocusReason);
        status(QStringLiteral("Não foi possível carregar: %1").arg(e.Description()), true);
        return false;
    }
}

QString DemoForm::statusText() const { return status_->text(); }

void DemoForm::status(const QString& text, bool problem)
{
    status_->setText(text);
    status_->setStyleSheet(problem ? QStringLiteral("color: #a00000;") : QString());
    log_->note(text);
}

#include "DemoForm.h"

#include "DemoDatabase.h"
#include "EventLog.h"

#include "framework/ControlError.h"
#include "qt/QtFormPersistence.h"
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

using namespace zev;

DemoForm::DemoForm(DemoDatabase& database, const QString& formFile, QWidget* parent)
    : QWidget(parent), database_(database), formFile_(formFile)
{
    setObjectName(QStringLiteral("frmFiltroPedidos"));
    setWindowTitle(QStringLiteral("Filtro de pedidos — ZEV Suite Controls"));

    controlsPanel_ = new QGroupBox(QStringLiteral("Filtro de pedidos"), this);
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

    auto* grid = new QGridLayout(controlsPanel_);
    grid->setColumnStretch(1, 1);
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

    auto* save = new QPushButton(QStringLiteral("&Salvar formulário"), this);
    auto* load = new QPushButton(QStringLiteral("C&arregar formulário"), this);
    auto* about = new QPushButton(QStringLiteral("S&obre"), this);
    connect(save, &QPushButton::clicked, this, &DemoForm::saveForm);
    connect(load, &QPushButton::clicked, this, &DemoForm::loadForm);
    connect(about, &QPushButton::clicked, this, [this] { customer_->About(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(load);
    buttons->addStretch();
    buttons->addWidget(about);

    log_ = new EventLog(this);
    log_->setMinimumWidth(420);
    auto* logBox = new QGroupBox(QStringLiteral("Eventos"), this);
    auto* logLayout = new QVBoxLayout(logBox);
    logLayout->addWidget(log_);

    status_ = new QLabel(this);
    auto* left = new QVBoxLayout;
    left->addWidget(controlsPanel_);
    left->addLayout(buttons);
    left->addWidget(status_);
    left->addStretch();
    auto* main = new QHBoxLayout(this);
    main->addLayout(left);
    main->addWidget(logBox, 1);

    for (ZEVControlWidget* w : std::initializer_list<ZEVControlWidget*>{customer_, salesperson_, products_, amount_, period_}) {
        log_->watch(*w);
        connect(w, &ZEVControlWidget::errorRaised, this, [this](int number, const QString& description) {
            log_->note(QStringLiteral("erro %1: %2").arg(number).arg(description));
        });
    }
    connectSearches();
    status(QStringLiteral("Banco de dados de demonstração: %1 clientes, %2 vendedores, %3 produtos.")
               .arg(database_.count(QStringLiteral("clientes")))
               .arg(database_.count(QStringLiteral("vendedores")))
               .arg(database_.count(QStringLiteral("produtos"))));
}

DemoForm::~DemoForm() = default;

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
                if (const auto r = database_.salespersonByName(salesperson_->Description())) {
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

void DemoForm::saveForm()
{
    try {
        QtFormPersistence::save(*this, formFile_);
        status(QStringLiteral("Formulário salvo em %1").arg(formFile_));
    } catch (const ControlError& e) {
        status(QStringLiteral("Não foi possível salvar: %1").arg(e.Description()));
    }
}

void DemoForm::loadForm()
{
    try {
        QtFormPersistence::load(*this, formFile_);
        status(QStringLiteral("Formulário carregado de %1").arg(formFile_));
    } catch (const ControlError& e) {
        status(QStringLiteral("Não foi possível carregar: %1").arg(e.Description()));
    }
}

void DemoForm::status(const QString& text)
{
    status_->setText(text);
    log_->note(text);
}

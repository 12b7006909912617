// Draws the pictures of the reference's pages: each control on a small form,
// labelled as on a real one, filled as a user would leave it, rendered
// offscreen (pt-BR, Fusion, a fixed "today"; the target runs it at 150%) and
// saved as PNG:
//   cmake --build build --target doc-screenshots      (writes docs/screenshots/)
#include "daterange/Clock.h"
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"

#include <QApplication>
#include <QDir>
#include <QFormLayout>
#include <QLocale>
#include <QStyleFactory>
#include <cstdio>
#include <memory>

namespace {

class FixedClock : public zev::Clock {
public:
    QDateTime Now() const override { return QDateTime(QDate(2025, 3, 14), QTime(10, 30)); }
};

// The rows of a form, each a label and a control; fill runs once the form is shown.
struct Row {
    QString label;
    std::function<QWidget*()> make;
    std::function<void(QWidget*)> fill;
};

bool shoot(const QString& file, const std::vector<Row>& rows)
{
    QWidget window;
    auto* layout = new QFormLayout(&window);
    std::vector<QWidget*> controls;
    for (const Row& row : rows) {
        controls.push_back(row.make());
        layout->addRow(row.label, controls.back());
    }
    window.resize(480, window.sizeHint().height());
    window.show();
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i].fill(controls[i]);
    window.setFocus();
    QApplication::processEvents();
    const bool saved = window.grab().save(file);
    std::printf("%s: %s\n", qPrintable(file), saved ? "written" : "NOT WRITTEN");
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    const Row customer{QStringLiteral("&Cliente:"), [] { return new zev::ZEVCodeDescriptionWidget; },
                       [](QWidget* w) {
                           auto* c = static_cast<zev::ZEVCodeDescriptionWidget*>(w);
                           c->setCodeMaxLength(6);
                           c->setCode(QStringLiteral("000007"));
                           c->setDescription(QStringLiteral("Auto Peças Pereira S.A. - São Paulo"));
                       }};
    const Row salesperson{QStringLiteral("&Vendedor:"), [] { return new zev::ZEVDescriptionOnlyWidget; },
                          [](QWidget* w) {
                              static_cast<zev::ZEVDescriptionOnlyWidget*>(w)->setDescription(QStringLiteral("Ana Pereira"));
                          }};
    const Row products{QStringLiteral("&Produtos:"), [] { return new zev::ZEVPersistComboWidget; },
                       [](QWidget* w) {
                           auto* p = static_cast<zev::ZEVPersistComboWidget*>(w);
                           p->setShowCodeInCombo(true);
                           p->AddItem(QStringLiteral("Parafuso sextavado M8"), QStringLiteral("PRD-1"), QStringLiteral("0001"));
                           p->AddItem(QStringLiteral("Porca M8"), QStringLiteral("PRD-2"), QStringLiteral("0002"));
                           p->AddItem(QStringLiteral("Arruela lisa 8 mm"), QStringLiteral("PRD-7"), QStringLiteral("0007"));
                       }};
    const Row amount{QStringLiteral("Valor &mínimo:"), [] { return new zev::ZEVNumericWidget; },
                     [](QWidget* w) {
                         auto* n = static_cast<zev::ZEVNumericWidget*>(w);
                         n->setFormat(zev::CurrencyFormatation);
                         n->setValue(1500);
                     }};
    const Row period{QStringLiteral("P&eríodo:"),
                     [] { return new zev::ZEVDateRangeWidget(nullptr, std::make_shared<FixedClock>()); },
                     [](QWidget* w) { static_cast<zev::ZEVDateRangeWidget*>(w)->setPeriod(zev::ZEVDateRangeWidget::ThisMonth); }};

    bool ok = shoot(dir.filePath(QStringLiteral("numeric.png")), {amount});
    ok = shoot(dir.filePath(QStringLiteral("code-description.png")), {customer}) && ok;
    ok = shoot(dir.filePath(QStringLiteral("description-only.png")), {salesperson}) && ok;
    ok = shoot(dir.filePath(QStringLiteral("persist-combo.png")), {products}) && ok;
    ok = shoot(dir.filePath(QStringLiteral("date-range.png")), {period}) && ok;
    ok = shoot(dir.filePath(QStringLiteral("controls.png")), {customer, salesperson, products, amount, period}) && ok;
    return ok ? 0 : 1;
}

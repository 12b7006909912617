// The forms zev-migrate wrote at build time, with their handlers: they
// compiled (uic, moc, the C++ class), and here they are made and shown.

#include "frmFiltro.h"
#include "frmPedido.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <cstdio>

namespace {

int check(QWidget& form, const char* const* names, bool laidOut)
{
    int failures = 0;
    form.show();
    QApplication::processEvents();
    for (const char* const* n = names; *n; ++n) {
        QWidget* w = form.findChild<QWidget*>(QLatin1String(*n));
        if (!w || !w->isVisible()) {
            std::fprintf(stderr, "%s: %s missing or hidden\n", qPrintable(form.objectName()), *n);
            ++failures;
        }
    }
    if (laidOut && !form.layout()) {
        std::fprintf(stderr, "%s: no layout\n", qPrintable(form.objectName()));
        ++failures;
    }
    return failures;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    frmPedido pedido;
    frmFiltro filtro;
    const char* const pedidoNames[] = {"cdCliente", "pcProdutos", "nmValor", "drPeriodo", "cmdOk", "txtItem_1", nullptr};
    const char* const filtroNames[] = {"cdCliente", nullptr};
    const int failures = check(pedido, pedidoNames, false) + check(filtro, filtroNames, true);
    std::printf("migrated forms: %d failures\n", failures);
    return failures == 0 ? 0 : 1;
}

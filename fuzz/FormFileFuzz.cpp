// Feeds arbitrary bytes, as a saved form file, to the form-file loader
// (QtFormPersistence::load) over a form with one control of each class and a
// second numeric field, kept from one input to the next. The only acceptable outcomes are:
//   - the file loads; then the form saves, and what it saved loads into a
//     second form;
//   - a ControlError with a description, and every control's saved
//     properties exactly as before the load (never a half-loaded form).
// Anything else (a crash, a sanitizer report, another exception, a form
// changed by a refused file) aborts.
//
// ZEV_FORM_SEED_DIR=<dir> writes seed files (saved forms) there and exits.

#include "framework/ControlError.h"
#include "qt/QtFormPersistence.h"
#include "qt/ZEVCodeDescriptionWidget.h"
#include "qt/ZEVDateRangeWidget.h"
#include "qt/ZEVDescriptionOnlyWidget.h"
#include "qt/ZEVNumericWidget.h"
#include "qt/ZEVPersistComboWidget.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

using namespace zev;

namespace {

QApplication* app = nullptr;
QTemporaryDir* scratch = nullptr;
// The form the inputs load into, kept from one input to the next (a refused
// input leaves it as it was; a loaded one is where the next starts), and the
// form a successful load's saved file is loaded into again.
QWidget* form = nullptr;
QWidget* again = nullptr;

std::unique_ptr<QWidget> makeForm()
{
    auto form = std::make_unique<QWidget>();
    auto add = [&](ZEVControlWidget* w, const char* name) { w->setObjectName(QString::fromLatin1(name)); };
    add(new ZEVNumericWidget(form.get()), "price");
    add(new ZEVNumericWidget(form.get()), "quantity");
    add(new ZEVCodeDescriptionWidget(form.get()), "customer");
    add(new ZEVDescriptionOnlyWidget(form.get()), "seller");
    add(new ZEVPersistComboWidget(form.get()), "products");
    add(new ZEVDateRangeWidget(form.get()), "period");
    return form;
}

[[noreturn]] void fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "FORM FILE BROKE: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}

QByteArray saved(const QWidget& form) { return QJsonDocument(QtFormPersistence::toJson(form)).toJson(); }

void writeSeeds(const QString& dir)
{
    QDir().mkpath(dir);
    auto form = makeForm();
    auto write = [&](const char* name, const QByteArray& data) {
        QFile f(dir + QLatin1Char('/') + QLatin1String(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(data);
    };
    write("defaults.json", saved(*form));
    auto* price = form->findChild<ZEVNumericWidget*>(QStringLiteral("price"));
    price->setText(QStringLiteral("1234,5"));
    price->setCustomFormat(QStringLiteral("#,##0.000"));
    price->setForeColorNegative(Qt::red);
    auto* customer = form->findChild<ZEVCodeDescriptionWidget*>(QStringLiteral("customer"));
    customer->setFillZeros(true);
    customer->setCodeMaxLength(6);
    customer->setCode(QStringLiteral("42"));
    customer->setDescription(QStringLiteral("Comércio Silva Ltda."));
    form->findChild<ZEVDateRangeWidget*>(QStringLiteral("period"))->setPeriod(ZEVDateRangeWidget::Last7Days);
    write("changed.json", saved(*form));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = new QApplication(*argc, *argv);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    scratch = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/zev-form-fuzz-XXXXXX"));
    if (const QByteArray seeds = qgetenv("ZEV_FORM_SEED_DIR"); !seeds.isEmpty()) {
        writeSeeds(QString::fromLocal8Bit(seeds));
        std::exit(0);
    }
    // Warm up: Qt's font database and fontconfig keep caches from the first
    // use on; made here, they are not taken for a leak of the first input.
    form = makeForm().release();
    again = makeForm().release();
    form->show();
    QtFormPersistence::fromJson(*again, QtFormPersistence::toJson(*form));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = scratch->filePath(QStringLiteral("form.json"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            fail("cannot write the input file", path);
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const QByteArray before = saved(*form);
    try {
        QtFormPersistence::load(*form, path);
    } catch (const ControlError& e) {
        if (e.Description().isEmpty())
            fail("an error without a description", QString::number(e.Number()));
        const QByteArray after = saved(*form);
        if (after != before)
            fail("a refused file changed the form", e.Description() + QStringLiteral("\n--- before\n")
                                                        + QString::fromUtf8(before) + QStringLiteral("\n--- after\n")
                                                        + QString::fromUtf8(after));
        return 0;
    } catch (const std::exception& e) {
        fail("an exception that is not a ControlError", QString::fromLocal8Bit(e.what()));
    } catch (...) {
        fail("an unknown exception", QString());
    }
    // Loaded: what the form saves now loads into a second form. (Not
    // necessarily to the same values: a numeric field whose custom pattern
    // shows literal digits reads them back into its Text.)
    const QByteArray loaded = saved(*form);
    try {
        QtFormPersistence::fromJson(*again, QJsonDocument::fromJson(loaded).object());
    } catch (const ControlError& e) {
        fail("a form saved after a load does not load", e.Description() + QStringLiteral("\n") + QString::fromUtf8(loaded));
    }
    return 0;
}

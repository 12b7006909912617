#include "qt/QtForm.h"

#include "framework/ControlError.h"
#include "qt/QtAdapter.h"
#include "qt/QtFonts.h"
#include "qt/QtUnits.h"
#include "qt/QtWidgetFactory.h"

#include <QCoreApplication>
#include <QDialog>

namespace zev {

QtForm::QtForm(const FormDesign& design)
    : name_(design.name), clientWidth_(design.clientWidth), clientHeight_(design.clientHeight),
      dialog_(new QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                       | Qt::WindowCloseButtonHint))
{
    dialog_->setObjectName(design.name);
    dialog_->setWindowTitle(design.caption);
    dialog_->setFont(QtFonts::toQFont(design.font));
    dialog_->setWindowModality(Qt::ApplicationModal);
    for (const auto& w : design.widgets)
        widgets_.push_back(makeQtWidget(w, dialog_, design.font, nullptr));
    applyGeometry();
}

QtForm::~QtForm()
{
    widgets_.clear();
    // Past the end of the application no widget may be destroyed any more.
    if (dialog_ && QCoreApplication::instance())
        delete dialog_.data();
}

QString QtForm::Caption() const { return dialog_ ? dialog_->windowTitle() : QString(); }

Widget& QtForm::widget(const QString& name)
{
    for (auto& w : widgets_)
        if (w->Name() == name)
            return *w;
    throw ControlError(ErrInvalidProcedureCall, QStringLiteral("no widget %1 on %2").arg(name, name_));
}

void QtForm::applyGeometry()
{
    if (!dialog_)
        return;
    dialog_->setFixedSize(QtUnits::toPixels(clientWidth_, QtUnits::logicalDpiX(dialog_)),
                          QtUnits::toPixels(clientHeight_, QtUnits::logicalDpiY(dialog_)));
    for (auto& w : widgets_)
        if (QtAdapter* a = QtAdapter::of(w.get()))
            a->applyGeometry();
}

} // namespace zev

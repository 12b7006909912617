#pragma once

#include "framework/Form.h"
#include "framework/WidgetDesign.h"

#include <QPointer>
#include <memory>
#include <vector>

class QDialog;

namespace zev {

// A form of the library's own (the about form) as a fixed-size QDialog: the
// client area and the widgets from the design, in twips, the title from its caption.
class QtForm : public Form {
public:
    explicit QtForm(const FormDesign& design);
    ~QtForm() override;

    QString Name() const override { return name_; }
    QString Caption() const override;
    Widget& widget(const QString& name) override;

    // Null once the dialog is gone (the application ended).
    QDialog* dialog() const { return dialog_; }
    // Sizes and places everything again from twips, for the screen it will show on.
    void applyGeometry();

private:
    QString name_;
    float clientWidth_;
    float clientHeight_;
    QPointer<QDialog> dialog_;
    std::vector<std::unique_ptr<Widget>> widgets_;
};

} // namespace zev

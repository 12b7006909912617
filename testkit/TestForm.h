#pragma once

#include "framework/Form.h"
#include "framework/WidgetDesign.h"

#include <memory>
#include <vector>

namespace zev {

class TestHost;

/// The in-memory widget made from one design entry.
std::unique_ptr<Widget> makeTestWidget(const WidgetDesign& design, TestHost* host);

/// An in-memory form of the library's own (the about form).
class TestForm : public Form {
public:
    /// The form of @p design, with its widgets.
    explicit TestForm(const FormDesign& design);

    QString Name() const override { return name_; }
    QString Caption() const override { return caption_; }
    Widget& widget(const QString& name) override;
    /// The form's widgets, in design order.
    const std::vector<std::unique_ptr<Widget>>& widgets() const { return widgets_; }

private:
    QString name_;
    QString caption_;
    std::vector<std::unique_ptr<Widget>> widgets_;
};

} // namespace zev

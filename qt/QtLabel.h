#pragma once

#include "framework/Label.h"
#include "qt/QtAdapter.h"

#include <QLabel>
#include <optional>

namespace zev {

// A Label over a QLabel: plain text that wraps within its width, on an
// opaque background.
class QtLabel : public QtWidgetBase<Label, QLabel> {
public:
    QtLabel(const WidgetDesign& design, const FontDesc& font, QWidget* parent, QtControlHost* host);

    QString Caption() const override { return widget()->text(); }
    void setCaption(const QString& caption) override { widget()->setText(caption); }
    OleColor BackColor() const override { return backColor_; }
    void setBackColor(OleColor color) override;

    void applyColors() override;

private:
    OleColor backColor_ = Colors::ButtonFace;
    std::optional<OleColor> foreColor_; // a design's text colour; otherwise the theme's
};

} // namespace zev

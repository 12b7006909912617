#pragma once

#include "framework/ComboBox.h"
#include "qt/QtAdapter.h"

#include <QComboBox>
#include <optional>

namespace zev {

// A ComboBox over a drop-down QComboBox. A ListIndex write raises Click before
// it returns, also when the index stays; a choice of the user (list, arrow
// keys, typing a letter) raises Click. Unlike a bare QComboBox, adding the
// first item selects nothing and removing the selected item leaves none selected.
class QtComboBox : public QtWidgetBase<ComboBox, QComboBox> {
public:
    QtComboBox(const WidgetDesign& design, const FontDesc& font, QWidget* parent, QtControlHost* host);

    QString Text() const override;
    void AddItem(const QString& item, std::optional<qint32> index = std::nullopt) override;
    void RemoveItem(qint32 index) override;
    void Clear() override;
    QString List(qint32 index) const override;
    qint32 ListCount() const override { return combo()->count(); }
    qint32 ListIndex() const override { return combo()->currentIndex(); }
    void setListIndex(qint32 index) override;
    qint32 NewIndex() const override { return newIndex_; }
    qint16 Appearance() const override { return appearance_; }
    void setAppearance(qint16 appearance) override;
    Font& font() override { return font_; }
    OleColor BackColor() const override { return backColor_; }
    void setBackColor(OleColor color) override;

    void applyColors() override;

protected:
    void releaseWrites() override;

private:
    void selectQuietly(qint32 index);
    void itemsChanged();
    // The QComboBox, with the items held back (see holdWrites) added to it:
    // a new control fills its list item by item, and a QComboBox takes many
    // at once for little more than one.
    QComboBox* combo() const;
    void settle() const;

    mutable QStringList held_;

    Font font_;
    qint16 appearance_ = 0;
    qint32 newIndex_ = -1;
    OleColor backColor_ = Colors::WindowBackground;
    std::optional<OleColor> foreColor_; // a design's text colour; otherwise the theme's
};

} // namespace zev

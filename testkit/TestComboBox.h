#pragma once

#include "framework/ComboBox.h"
#include "testkit/TestWidgetBase.h"

#include <QStringList>

namespace zev {

/// An in-memory drop-down list that keeps the widget contract (ComboBox) to the letter.
class TestComboBox : public TestWidgetBase<ComboBox> {
public:
    /// The list of @p design, in @p font, served by @p host.
    TestComboBox(const WidgetDesign& design, const FontDesc& font, TestHost* host);

    QString Text() const override;
    void AddItem(const QString& item, std::optional<qint32> index = std::nullopt) override;
    void RemoveItem(qint32 index) override;
    void Clear() override;
    QString List(qint32 index) const override;
    qint32 ListCount() const override { return qint32(items_.size()); }
    qint32 ListIndex() const override { return listIndex_; }
    void setListIndex(qint32 index) override;
    qint32 NewIndex() const override { return newIndex_; }
    void forEachItem(const std::function<bool(const QString* items, qint32 count)>& visit) const override;
    qint16 Appearance() const override { return appearance_; }
    void setAppearance(qint16 appearance) override { appearance_ = appearance; }
    Font& font() override { return font_; }
    OleColor BackColor() const override { return backColor_; }
    void setBackColor(OleColor color) override { backColor_ = color; }

    /// The items, in list order.
    const QStringList& items() const { return items_; }
    /// A selection by the user; raises Click.
    void userSelect(qint32 index);

private:
    QStringList items_;
    qint32 listIndex_ = -1;
    qint32 newIndex_ = -1;
    qint16 appearance_ = 0;
    Font font_;
    OleColor backColor_ = Colors::WindowBackground;
};

} // namespace zev

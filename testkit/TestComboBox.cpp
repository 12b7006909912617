#include "testkit/TestComboBox.h"

namespace zev {

TestComboBox::TestComboBox(const WidgetDesign& design, const FontDesc& font, TestHost* host)
    : TestWidgetBase<ComboBox>(design, host), font_(font)
{
    if (design.backColor)
        backColor_ = *design.backColor;
}

QString TestComboBox::Text() const { return listIndex_ >= 0 ? items_.at(listIndex_) : QString(); }

void TestComboBox::AddItem(const QString& item, std::optional<qint32> index)
{
    const qint32 at = index.value_or(ListCount());
    if (at < 0 || at > ListCount())
        throw ControlError(ErrInvalidProcedureCall);
    items_.insert(at, item);
    if (listIndex_ >= at)
        ++listIndex_;
    newIndex_ = at;
}

void TestComboBox::RemoveItem(qint32 index)
{
    if (index < 0 || index >= ListCount())
        throw ControlError(ErrInvalidProcedureCall);
    items_.removeAt(index);
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
    newIndex_ = -1;
}

void TestComboBox::Clear()
{
    items_.clear();
    listIndex_ = -1;
    newIndex_ = -1;
}

QString TestComboBox::List(qint32 index) const
{
    return index >= 0 && index < ListCount() ? items_.at(index) : QString();
}

void TestComboBox::forEachItem(const std::function<bool(const QString* items, qint32 count)>& visit) const
{
    visit(items_.constData(), qint32(items_.size()));
}

void TestComboBox::setListIndex(qint32 index)
{
    if (index < -1 || index >= ListCount())
        throw ControlError(ErrInvalidPropertyValue);
    listIndex_ = index;
    raiseClick();
}

void TestComboBox::userSelect(qint32 index)
{
    if (index < 0 || index >= ListCount())
        return;
    listIndex_ = index;
    raiseClick();
}

} // namespace zev

#include "TinyControl.h"

#include "framework/VariantConvert.h"

namespace zev::testing {

namespace {
WidgetDesign design(const char* name, WidgetKind kind, float left, float width, const char* caption = "")
{
    WidgetDesign d;
    d.name = QString::fromLatin1(name);
    d.kind = kind;
    d.left = left;
    d.width = width;
    d.height = 300;
    d.caption = QString::fromLatin1(caption);
    return d;
}
enum Event { Go = 1, Changed = 2, KeyDown = 3 };
} // namespace

QStringList& TinyControl::journal()
{
    static QStringList log;
    return log;
}

TinyControl::TinyControl(ControlHost& host)
    : Control(host),
      txtName(createWidget<FlatEdit>(host, design("txtName", WidgetKind::FlatEdit, 0, 1995))),
      cmdGo(createWidget<PushButton>(host, design("cmdGo", WidgetKind::PushButton, 2025, 375, "Go")))
{
    txtName.onChange = [this] { host_.RaiseEvent(Changed); };
    txtName.onKeyDown = [this](qint16& keyCode, qint16& shift) {
        QVariantList a{QVariant::fromValue(keyCode), QVariant::fromValue(shift)};
        host_.RaiseEvent(KeyDown, a);
        keyCode = VariantConvert::toInteger(a[0]);
        shift = VariantConvert::toInteger(a[1]);
    };
    cmdGo.onClick = [this] {
        QVariantList a{QVariant::fromValue(qint16(0)), txtName.Text()};
        host_.RaiseEvent(Go, a);
        if (VariantConvert::toInteger(a[0]) == 0)
            setText(VariantConvert::toString(a[1]));
    };
}

const ClassDescriptor& TinyControl::descriptor()
{
    static const ClassDescriptor d = [] {
        ClassDescriptor c;
        c.className = QStringLiteral("TinyControl");
        c.members = buildMemberTable({{QStringLiteral("Text"), MemberKind::Property},
                                      {QStringLiteral("Count"), MemberKind::Property},
                                      {QStringLiteral("ControlText"), MemberKind::WidgetAccessor}},
                                     {}, {});
        c.events = buildEventTable({{QStringLiteral("Go"), {QStringLiteral("Cancel"), QStringLiteral("Text")}},
                                    {QStringLiteral("Changed"), {}},
                                    {QStringLiteral("KeyDown"), {QStringLiteral("KeyCode"), QStringLiteral("Shift")}}});
        c.defaultEvent = QStringLiteral("Go");
        c.designWidth = 2400;
        c.designHeight = 300;
        c.create = [](ControlHost& host) -> std::unique_ptr<Control> { return std::make_unique<TinyControl>(host); };
        return c;
    }();
    return d;
}

void TinyControl::setText(const QString& text)
{
    txtName.setText(text);
    host_.PropertyChanged(QStringLiteral("Text"));
}

void TinyControl::setCount(qint16 count)
{
    count_ = count;
    host_.PropertyChanged(QStringLiteral("Count"));
}

void TinyControl::setTotal(qint32 total)
{
    total_ = total;
    host_.PropertyChanged(QStringLiteral("Total"));
}

void TinyControl::setRatio(double ratio)
{
    ratio_ = ratio;
    host_.PropertyChanged(QStringLiteral("Ratio"));
}

void TinyControl::setSpacing(float spacing)
{
    spacing_ = spacing;
    Resize();
}

void TinyControl::setFlag(bool flag)
{
    flag_ = flag;
    host_.PropertyChanged(QStringLiteral("Flag"));
}

void TinyControl::setNameFont(const FontDesc& font)
{
    txtName.font().assign(font);
    host_.PropertyChanged(QStringLiteral("NameFont"));
}

void TinyControl::setBackColor(OleColor color)
{
    host_.setBackColor(color);
    host_.PropertyChanged(QStringLiteral("BackColor"));
}

void TinyControl::Initialize()
{
    ControlText = &txtName;
    journal() << QStringLiteral("Initialize");
}

void TinyControl::InitProperties()
{
    journal() << QStringLiteral("InitProperties");
    setCount(0);
    setText(QString());
}

void TinyControl::ReadProperties(PropertyBag& bag)
{
    journal() << QStringLiteral("ReadProperties");
    // Count before Text, the reverse of the write order: the control decides.
    setCount(VariantConvert::toInteger(bag.ReadProperty(QStringLiteral("Count"), QVariant::fromValue(qint16(0)))));
    setText(VariantConvert::toString(bag.ReadProperty(QStringLiteral("Text"), QString())));
    setTotal(VariantConvert::toLong(bag.ReadProperty(QStringLiteral("Total"), QVariant::fromValue(qint32(0)))));
    setRatio(VariantConvert::toDouble(bag.ReadProperty(QStringLiteral("Ratio"), 0.0)));
    setSpacing(float(VariantConvert::toDouble(bag.ReadProperty(QStringLiteral("Spacing"), QVariant::fromValue(30.0f)))));
    setFlag(VariantConvert::toBoolean(bag.ReadProperty(QStringLiteral("Flag"), false)));
    setNameFont(VariantConvert::toFont(bag.ReadProperty(QStringLiteral("NameFont"), QVariant::fromValue(NameFont().value()))));
    setBackColor(VariantConvert::toColor(bag.ReadProperty(QStringLiteral("BackColor"), QVariant::fromValue(qint32(Colors::ButtonFace)))));
}

void TinyControl::WriteProperties(PropertyBag& bag)
{
    journal() << QStringLiteral("WriteProperties");
    bag.WriteProperty(QStringLiteral("Text"), Text(), QString());
    bag.WriteProperty(QStringLiteral("Count"), QVariant::fromValue(count_), QVariant::fromValue(qint16(0)));
    bag.WriteProperty(QStringLiteral("Total"), QVariant::fromValue(total_), QVariant::fromValue(qint32(0)));
    bag.WriteProperty(QStringLiteral("Ratio"), ratio_, 0.0);
    bag.WriteProperty(QStringLiteral("Spacing"), QVariant::fromValue(spacing_), QVariant::fromValue(30.0f));
    bag.WriteProperty(QStringLiteral("Flag"), flag_, false);
    bag.WriteProperty(QStringLiteral("NameFont"), QVariant::fromValue(NameFont().value()));
    bag.WriteProperty(QStringLiteral("BackColor"), QVariant::fromValue(qint32(BackColor())),
                      QVariant::fromValue(qint32(Colors::ButtonFace)));
}

void TinyControl::Resize()
{
    journal() << QStringLiteral("Resize %1x%2").arg(host_.ScaleWidth()).arg(host_.ScaleHeight());
    const float w = host_.ScaleWidth();
    txtName.setHeight(host_.ScaleHeight());
    cmdGo.setHeight(host_.ScaleHeight());
    cmdGo.setLeft(w - cmdGo.Width());
    txtName.setWidth(w - cmdGo.Width() - spacing_); // refused (380) on a control narrower than the button
}

void TinyControl::Terminate()
{
    journal() << QStringLiteral("Terminate");
    ControlText = nullptr;
}

TinyWidget::TinyWidget(QWidget* parent) : ZEVControlWidget(TinyControl::descriptor(), parent)
{
    d().bindEvent(this, &TinyWidget::Go);
    d().bindEvent(this, &TinyWidget::Changed);
    d().bindEvent(this, &TinyWidget::KeyDown);
}

} // namespace zev::testing

#pragma once

// A control of the tests' own, not one of the library's: an edit box and a
// button, every kind of persisted value, by-reference event arguments. It
// proves the Qt host and the base widget with the same shape a real control has.

#include "framework/Control.h"
#include "framework/FlatEdit.h"
#include "framework/PushButton.h"
#include "qt/ZEVControlWidget_p.h"

namespace zev::testing {

class TinyControl : public Control {
public:
    explicit TinyControl(ControlHost& host);

    static const ClassDescriptor& descriptor();
    const ClassDescriptor& Descriptor() const override { return descriptor(); }

    QString Text() const { return txtName.Text(); }
    void setText(const QString& text);
    qint16 Count() const { return count_; }
    void setCount(qint16 count);
    qint32 Total() const { return total_; }
    void setTotal(qint32 total);
    double Ratio() const { return ratio_; }
    void setRatio(double ratio);
    float Spacing() const { return spacing_; }
    void setSpacing(float spacing);
    bool Flag() const { return flag_; }
    void setFlag(bool flag);
    Font& NameFont() { return txtName.font(); }
    void setNameFont(const FontDesc& font);
    OleColor BackColor() const { return host_.BackColor(); }
    void setBackColor(OleColor color);
    FlatEdit* ControlText = nullptr;

    void Initialize() override;
    void InitProperties() override;
    void ReadProperties(PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) override;
    void Resize() override;
    void Terminate() override;

    // What the container ran, in order (shared by all instances).
    static QStringList& journal();

private:
    FlatEdit& txtName;
    PushButton& cmdGo;
    qint16 count_ = 0;
    qint32 total_ = 0;
    double ratio_ = 0;
    float spacing_ = 30;
    bool flag_ = false;
};

class TinyWidget : public ZEVControlWidget {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE setText NOTIFY TextChanged USER true)
    Q_PROPERTY(qint16 Count READ Count WRITE setCount NOTIFY CountChanged)
    Q_PROPERTY(bool Flag READ Flag WRITE setFlag NOTIFY FlagChanged)
    Q_PROPERTY(QColor BackColor READ BackColor WRITE setBackColor)

public:
    explicit TinyWidget(QWidget* parent = nullptr);

    TinyControl& tiny() const { return static_cast<TinyControl&>(control()); }
    QString Text() const { return tiny().Text(); }
    void setText(const QString& text) { d().attempt([&] { tiny().setText(text); }); }
    qint16 Count() const { return tiny().Count(); }
    void setCount(qint16 count) { d().attempt([&] { tiny().setCount(count); }); }
    bool Flag() const { return tiny().Flag(); }
    void setFlag(bool flag) { d().attempt([&] { tiny().setFlag(flag); }); }
    QColor BackColor() const { return ZEVControlWidgetPrivate::toQColor(tiny().BackColor()); }
    void setBackColor(const QColor& color)
    {
        d().writeColor(QStringLiteral("BackColor"), color, [this](OleColor c) { tiny().setBackColor(c); });
    }
    void setSpacing(float spacing) { d().attempt([&] { tiny().setSpacing(spacing); }); }

Q_SIGNALS:
    void Go(qint16& Cancel, QString& Text);
    void Changed();
    void KeyDown(qint16& KeyCode, qint16& Shift);
    void TextChanged();
    void CountChanged();
    void FlagChanged();
};

} // namespace zev::testing

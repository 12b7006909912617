#pragma once

#include "framework/Font.h"
#include "framework/OleColor.h"
#include "framework/Widget.h"
#include "framework/ZEVCoreExport.h"

namespace zev {

// A one-line edit box. A Text write raises Change only when the text differs,
// and leaves the caret at 0. Key events pass their arguments by reference: the
// widget honours what the handlers leave (KeyAscii 0 cancels the character).
class ZEV_CORE_EXPORT FlatEdit : public Widget {
public:
    WidgetKind Kind() const override { return WidgetKind::FlatEdit; }

    virtual QString Text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual qint16 Appearance() const = 0;
    virtual void setAppearance(qint16 appearance) = 0;
    virtual bool Locked() const = 0;
    virtual void setLocked(bool locked) = 0;
    virtual qint32 MaxLength() const = 0;
    virtual void setMaxLength(qint32 length) = 0;
    virtual qint32 SelStart() const = 0;
    virtual void setSelStart(qint32 start) = 0;
    virtual qint32 SelLength() const = 0;
    virtual void setSelLength(qint32 length) = 0;
    virtual qint16 Alignment() const = 0; // 0 left, 1 right
    virtual void setAlignment(qint16 alignment) = 0;
    virtual Font& font() = 0;
    virtual OleColor ForeColor() const = 0;
    virtual void setForeColor(OleColor color) = 0;
    virtual OleColor BackColor() const = 0;
    virtual void setBackColor(OleColor color) = 0;

    std::function<void()> onChange;
    std::function<void(qint16& KeyCode, qint16& Shift)> onKeyDown;
    std::function<void(qint16& KeyAscii)> onKeyPress;
    std::function<void(qint16& KeyCode, qint16& Shift)> onKeyUp;
    void clearHandlers() override
    {
        Widget::clearHandlers();
        onChange = nullptr;
        onKeyDown = nullptr;
        onKeyPress = nullptr;
        onKeyUp = nullptr;
    }

    void raiseChange() { if (onChange) onChange(); }
    void raiseKeyDown(qint16& keyCode, qint16& shift) { if (onKeyDown) onKeyDown(keyCode, shift); }
    void raiseKeyPress(qint16& keyAscii) { if (onKeyPress) onKeyPress(keyAscii); }
    void raiseKeyUp(qint16& keyCode, qint16& shift) { if (onKeyUp) onKeyUp(keyCode, shift); }
};

} // namespace zev

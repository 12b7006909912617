#pragma once

#include "framework/Font.h"
#include "framework/OleColor.h"
#include "framework/Widget.h"
#include "framework/ZEVCoreExport.h"

namespace zev {

/// A one-line edit box. A Text write raises Change only when the text differs, and leaves the caret at 0. Key
/// events pass their arguments by reference: the widget honours what the handlers leave (KeyAscii 0 cancels
/// the character).
class ZEV_CORE_EXPORT FlatEdit : public Widget {
public:
    /// WidgetKind::FlatEdit.
    WidgetKind Kind() const override { return WidgetKind::FlatEdit; }

    /// The text.
    virtual QString Text() const = 0;
    /// Replaces the text; raises Change (onChange) before it returns when the text differs, and puts the
    /// caret at 0.
    virtual void setText(const QString& text) = 0;
    /// The look: 0 flat, 1 three-dimensional.
    virtual qint16 Appearance() const = 0;
    /// Sets the look.
    virtual void setAppearance(qint16 appearance) = 0;
    /// Whether the user is kept from changing the text.
    virtual bool Locked() const = 0;
    /// Locks or unlocks the text.
    virtual void setLocked(bool locked) = 0;
    /// The most characters the user can type; 0 for no limit.
    virtual qint32 MaxLength() const = 0;
    /// Sets the most characters the user can type (0: no limit).
    virtual void setMaxLength(qint32 length) = 0;
    /// The caret position, or the start of the selection, in characters from 0.
    virtual qint32 SelStart() const = 0;
    /// Puts the caret at @p start, with no selection.
    virtual void setSelStart(qint32 start) = 0;
    /// The length of the selection in characters.
    virtual qint32 SelLength() const = 0;
    /// Selects @p length characters from the caret.
    virtual void setSelLength(qint32 length) = 0;
    virtual qint16 Alignment() const = 0; ///< The text's alignment: 0 left, 1 right.
    /// Aligns the text: 0 left, 1 right.
    virtual void setAlignment(qint16 alignment) = 0;
    /// The box's font object: changing it changes the box at once.
    virtual Font& font() = 0;
    /// The text colour.
    virtual OleColor ForeColor() const = 0;
    /// Sets the text colour.
    virtual void setForeColor(OleColor color) = 0;
    /// The background colour.
    virtual OleColor BackColor() const = 0;
    /// Sets the background colour.
    virtual void setBackColor(OleColor color) = 0;

    /// Run when the text changed (by the user or a write); set by the control.
    std::function<void()> onChange;
    /// Run when a key goes down; what it leaves in the arguments goes on to the box.
    std::function<void(qint16& KeyCode, qint16& Shift)> onKeyDown;
    /// Run when a character is typed; KeyAscii 0 cancels it.
    std::function<void(qint16& KeyAscii)> onKeyPress;
    /// Run when a key comes up.
    std::function<void(qint16& KeyCode, qint16& Shift)> onKeyUp;
    /// Drops every handler, the key and change ones too.
    void clearHandlers() override
    {
        Widget::clearHandlers();
        onChange = nullptr;
        onKeyDown = nullptr;
        onKeyPress = nullptr;
        onKeyUp = nullptr;
    }

    /// Runs onChange, if set: the widget layer calls it when the text changed.
    void raiseChange() { if (onChange) onChange(); }
    /// Runs onKeyDown, if set.
    void raiseKeyDown(qint16& keyCode, qint16& shift) { if (onKeyDown) onKeyDown(keyCode, shift); }
    /// Runs onKeyPress, if set.
    void raiseKeyPress(qint16& keyAscii) { if (onKeyPress) onKeyPress(keyAscii); }
    /// Runs onKeyUp, if set.
    void raiseKeyUp(qint16& keyCode, qint16& shift) { if (onKeyUp) onKeyUp(keyCode, shift); }
};

} // namespace zev

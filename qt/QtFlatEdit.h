#pragma once

#include "framework/FlatEdit.h"
#include "qt/QtAdapter.h"

#include <QLineEdit>
#include <QHash>
#include <functional>
#include <optional>
#include <utility>

class QFocusEvent;
class QKeyEvent;
class QInputMethodEvent;

namespace zev {

// A FlatEdit over a QLineEdit. Real key presses raise KeyDown, KeyPress and
// KeyUp with arguments the handlers may change; the edit then does what the
// handlers left (KeyAscii 0 cancels the character, another KeyAscii types that
// one instead, another KeyCode acts as that key). Tab and Shift+Tab move the
// focus without key events, as on the original forms. The selection stays
// when the focus leaves.
class QtFlatEdit : public QtWidgetBase<FlatEdit, QLineEdit> {
public:
    QtFlatEdit(const WidgetDesign& design, const FontDesc& font, QWidget* parent, QtControlHost* host);

    QString Text() const override;
    void setText(const QString& text) override;
    qint16 Appearance() const override { return appearance_; }
    void setAppearance(qint16 appearance) override;
    bool Locked() const override { return locked_; }
    void setLocked(bool locked) override;
    qint32 MaxLength() const override { return maxLength_; }
    void setMaxLength(qint32 length) override;
    qint32 SelStart() const override;
    void setSelStart(qint32 start) override;
    qint32 SelLength() const override;
    void setSelLength(qint32 length) override;
    qint16 Alignment() const override { return alignment_; }
    void setAlignment(qint16 alignment) override;
    Font& font() override { return font_; }
    OleColor ForeColor() const override { return foreColor_; }
    void setForeColor(OleColor color) override;
    OleColor BackColor() const override { return backColor_; }
    void setBackColor(OleColor color) override;

    void applyColors() override;

    // Enter that no handler changed reaches the window after the key events
    // (a dialog's default button), as a QLineEdit's does; off, the edit keeps it.
    void setEnterReachesWindow(bool reaches) { enterReachesWindow_ = reaches; }
    // The keypad's decimal key (which sends "." or "," by keyboard layout)
    // types what `mark` returns instead, asked at each key; unset, it types
    // what it sends. KeyDown and KeyUp keep the key's code (110).
    void setKeypadDecimalMark(std::function<QString()> mark) { keypadDecimalMark_ = std::move(mark); }
    // A key that reaches the QLineEdit's own handling (after the key events,
    // as the handlers left it) goes to `filter` first; true takes it there
    // (a field that reads pasted text its own way).
    void setEditKeyFilter(std::function<bool(QKeyEvent*)> filter) { editKeyFilter_ = std::move(filter); }

protected:
    bool filterEvent(QObject* watched, QEvent* event) override;
    void releaseWrites() override;

private:
    class LengthLimit;
    bool keyPress(QKeyEvent* event);
    bool keyRelease(QKeyEvent* event);
    bool focusOut(QFocusEvent* event);
    bool focusIn(QFocusEvent* event);
    bool keepFocusSelection(QEvent* event);
    void keepSelection();
    void restoreSelection();
    bool inputMethod(QInputMethodEvent* event);
    // What typing the character does, as the contract's edit box does it.
    void applyCharacter(qint16 keyAscii);
    void sendToWidget(QEvent& event);
    // The QLineEdit, with the text held back (see holdWrites) written to it.
    QLineEdit* edit() const;
    void settle() const;
    // The QLineEdit's own limit (32767) would cut what the program writes
    // and what the user adds; lifting it lays the text out again, so a field
    // keeps it until a text of `size` or the user could pass it.
    void liftLengthLimit(qsizetype size);

    Font font_;
    qint16 appearance_ = 1;
    bool locked_ = false;
    qint32 maxLength_ = 0;
    qint16 alignment_ = 0;
    OleColor foreColor_ = Colors::WindowText;
    OleColor backColor_ = Colors::WindowBackground;
    int programmatic_ = 0;    // inside a write of our own: no Change from Qt's signal
    qsizetype shownLength_ = 0; // the text's length before the change being validated
    bool dispatching_ = false; // an event we hand to the QLineEdit ourselves
    bool enterReachesWindow_ = false;
    std::function<QString()> keypadDecimalMark_;
    std::function<bool(QKeyEvent*)> editKeyFilter_;
    bool clickKeepsSelection_ = false; // the click that gave the focus is still down
    // Keys pressed here, whose release raises KeyUp, with the arguments KeyDown
    // left: KeyUp starts from them, as the test kit's edit box does.
    QHash<int, std::pair<qint16, qint16>> pressed_;
    // The selection while the focus is elsewhere (see focusOut).
    struct Selection {
        int start = 0;
        int length = 0;
        bool caretAtStart = false;
    };
    std::optional<Selection> kept_;
    mutable std::optional<QString> held_; // the text while held: each write lays the QLineEdit's text out again
};

} // namespace zev

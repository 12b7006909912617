#include "qt/QtFlatEdit.h"

#include "framework/KeyCodes.h"
#include "qt/QtColors.h"
#include "qt/QtFonts.h"
#include "qt/QtKeys.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QValidator>
#include <algorithm>
#include <limits>

namespace zev {

namespace {
bool isPrintable(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return u >= 0x20 && u != 0x7F && !(u >= 0x80 && u < 0xA0);
    });
}

// The character a key sends after KeyDown, from the code the handlers left:
// Backspace, Enter, Escape, Space, digits and letters (lower case without
// Shift); Ctrl with a letter sends its control character; Alt sends none.
qint16 characterOf(qint16 keyCode, qint16 shift)
{
    if (shift & ShiftBits::Alt)
        return 0;
    const bool letter = keyCode >= 'A' && keyCode <= 'Z';
    if (shift & ShiftBits::Ctrl)
        return letter ? qint16(keyCode - 'A' + 1) : qint16(0);
    if (keyCode == KeyCodes::Back || keyCode == KeyCodes::Return || keyCode == KeyCodes::Escape
        || keyCode == KeyCodes::Space || (keyCode >= '0' && keyCode <= '9'))
        return keyCode;
    if (letter)
        return (shift & ShiftBits::Shift) ? keyCode : qint16(keyCode - 'A' + 'a');
    return 0;
}

Qt::Alignment toQtAlignment(qint16 alignment)
{
    switch (alignment) {
    case 1: return Qt::AlignRight | Qt::AlignVCenter;
    case 2: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
} // namespace

// MaxLength limits what the user adds (typing, pasting, dropping) but not
// what the program writes, so the QLineEdit's own limit, which cuts both, is
// not used. A paste is cut to what still fits.
class QtFlatEdit::LengthLimit : public QValidator {
public:
    // Owned by the edit, which goes with the adapter (QtAdapter deletes its part).
    LengthLimit(QtFlatEdit& edit, QObject* owner) : QValidator(owner), edit_(edit) {}

    State validate(QString& input, int& pos) const override
    {
        if (edit_.programmatic_ || edit_.maxLength_ <= 0)
            return Acceptable;
        // A text already longer (written by the program) may stay so, but not grow.
        const qsizetype limit = std::max<qsizetype>(edit_.maxLength_, edit_.shownLength_);
        if (input.size() <= limit)
            return Acceptable;
        // The added text ends at the cursor: cut its tail.
        const qsizetype excess = input.size() - limit;
        const qsizetype cut = std::clamp<qsizetype>(pos - excess, 0, input.size());
        input.remove(cut, std::min<qsizetype>(excess, input.size() - cut));
        pos = int(cut);
        return Acceptable;
    }

private:
    QtFlatEdit& edit_;
};

QtFlatEdit::QtFlatEdit(const WidgetDesign& design, const FontDesc& font, QWidget* parent, QtControlHost* host)
    : QtWidgetBase<FlatEdit, QLineEdit>(design.name, new QtPart<QLineEdit>(parent), host), font_(font)
{
    QLineEdit* e = widget();
    e->setValidator(new LengthLimit(*this, e));
    e->setAlignment(toQtAlignment(alignment_));
    if (design.foreColor)
        foreColor_ = *design.foreColor;
    if (design.backColor)
        backColor_ = *design.backColor;
    recolor();
    e->setFont(QtFonts::toQFont(font_.value()));
    font_.onChanged = [this] {
        if (QWidget* w = qwidget())
            w->setFont(QtFonts::toQFont(font_.value()));
    };
    connectPart(e, &QLineEdit::textChanged, [this](const QString& text) {
        shownLength_ = text.size();
        if (!programmatic_) {
            keepSelection(); // a drop into the unfocused box
            guarded([this] { raiseChange(); });
        }
    });
}

QString QtFlatEdit::Text() const
{
    const QLineEdit* e = widget();
    return held_ ? *held_ : e->text();
}

void QtFlatEdit::releaseWrites() { settle(); }

void QtFlatEdit::settle() const
{
    if (!held_)
        return;
    const QString text = *held_;
    held_.reset();
    auto* self = const_cast<QtFlatEdit*>(this);
    QLineEdit* e = widget();
    self->liftLengthLimit(text.size());
    ++self->programmatic_;
    e->setText(text);
    e->setCursorPosition(0);
    --self->programmatic_;
}

void QtFlatEdit::liftLengthLimit(qsizetype size)
{
    QLineEdit* e = widget();
    constexpr int none = std::numeric_limits<int>::max();
    if (e->maxLength() == none || size <= e->maxLength())
        return;
    // Lifting the limit writes the text again, which moves the caret to the end.
    const int start = e->selectionStart(), length = e->selectionLength(), caret = e->cursorPosition();
    ++programmatic_;
    e->setMaxLength(none);
    if (length > 0)
        e->setSelection(caret == start ? start + length : start, caret == start ? -length : length);
    else
        e->setCursorPosition(caret);
    --programmatic_;
}

QLineEdit* QtFlatEdit::edit() const
{
    settle();
    return widget();
}

void QtFlatEdit::setText(const QString& text)
{
    if (holdingWrites() && !kept_) {
        widget(); // fails as a write to a destroyed widget does
        if (text == Text())
            return; // the caret goes to 0 when the text is written
        held_ = text;
        shownLength_ = text.size();
        raiseChange();
        return;
    }
    QLineEdit* e = edit();
    if (text == e->text()) {
        // No change to tell, but an assignment still leaves the caret at 0.
        e->setCursorPosition(0);
        keepSelection();
        return;
    }
    liftLengthLimit(text.size());
    ++programmatic_;
    e->setText(text);
    e->setCursorPosition(0); // QLineEdit leaves the caret at the end
    keepSelection();
    --programmatic_;
    raiseChange();
}

void QtFlatEdit::setAppearance(qint16 appearance)
{
    widget(); // fails as a write to a destroyed widget does
    // Kept, not drawn: the Qt style draws a part alike, flat or 3D.
    appearance_ = appearance;
}

void QtFlatEdit::setLocked(bool locked)
{
    locked_ = locked;
    widget()->setReadOnly(locked);
}

void QtFlatEdit::setMaxLength(qint32 length)
{
    if (length < 0)
        throw ControlError(ErrInvalidPropertyValue);
    maxLength_ = length;
}

qint32 QtFlatEdit::SelStart() const
{
    if (kept_ && !widget()->hasFocus())
        return kept_->start;
    const QLineEdit* e = edit();
    return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

void QtFlatEdit::setSelStart(qint32 start)
{
    if (start < 0)
        throw ControlError(ErrInvalidPropertyValue);
    QLineEdit* e = edit();
    e->setCursorPosition(int(std::min<qsizetype>(start, e->text().size())));
    keepSelection();
}

qint32 QtFlatEdit::SelLength() const
{
    return kept_ && !widget()->hasFocus() ? kept_->length : edit()->selectionLength();
}

void QtFlatEdit::setSelLength(qint32 length)
{
    if (length < 0)
        throw ControlError(ErrInvalidPropertyValue);
    QLineEdit* e = edit();
    const qint32 start = SelStart();
    const qint32 n = std::min<qint32>(length, qint32(e->text().size()) - start);
    if (n > 0)
        e->setSelection(start, n);
    else
        e->setCursorPosition(start);
    keepSelection();
}

void QtFlatEdit::keepSelection()
{
    if (!kept_)
        return; // focused: the QLineEdit's own is the one
    const QLineEdit* e = edit();
    if (e->hasFocus()) {
        kept_.reset(); // set while the focus comes in: nothing left to restore
        return;
    }
    if (e->hasSelectedText())
        kept_ = Selection{e->selectionStart(), e->selectionLength(), e->cursorPosition() == e->selectionStart()};
    else
        kept_ = Selection{e->cursorPosition(), 0, false};
}

void QtFlatEdit::restoreSelection()
{
    QLineEdit* e = edit();
    const Selection s = *kept_;
    if (s.length > 0)
        e->setSelection(s.caretAtStart ? s.start + s.length : s.start, s.caretAtStart ? -s.length : s.length);
    else
        e->setCursorPosition(std::min(s.start, int(e->text().size())));
}

void QtFlatEdit::setAlignment(qint16 alignment)
{
    alignment_ = alignment;
    widget()->setAlignment(toQtAlignment(alignment));
}

void QtFlatEdit::setForeColor(OleColor color)
{
    // Colour by sign writes the same colour at every assignment; a palette write is not cheap.
    if (color == foreColor_)
        return;
    foreColor_ = color;
    recolor();
}

void QtFlatEdit::setBackColor(OleColor color)
{
    if (color == backColor_)
        return;
    backColor_ = color;
    recolor();
}

void QtFlatEdit::applyColors()
{
    QWidget* w = qwidget();
    if (!w)
        return;
    constexpr QtColors::PartRoles roles{QPalette::Base, QPalette::NoRole, QPalette::Text, QPalette::NoRole,
                                        QPalette::Base};
    writePalette(*w, QtColors::painted(w->palette(), roles, backColor_, foreColor_));
}

bool QtFlatEdit::filterEvent(QObject* watched, QEvent* event)
{
    if (watched != qwidget() || dispatching_)
        return false;
    // The user may add text from here on (typing, pasting, dropping).
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::DragEnter)
        liftLengthLimit(std::numeric_limits<int>::max());
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        return keyPress(key) || (editKeyFilter_ && editKeyFilter_(key));
    }
    case QEvent::KeyRelease: return keyRelease(static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod: return inputMethod(static_cast<QInputMethodEvent*>(event));
    case QEvent::FocusOut: return focusOut(static_cast<QFocusEvent*>(event));
    case QEvent::FocusIn: return focusIn(static_cast<QFocusEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: return keepFocusSelection(event);
    default: return false;
    }
}

void QtFlatEdit::sendToWidget(QEvent& event)
{
    dispatching_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{dispatching_};
    QCoreApplication::sendEvent(edit(), &event);
}

bool QtFlatEdit::keyPress(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return false; // the focus moves; the original forms raised no key events for it
    const Qt::KeyboardModifiers mods = event->modifiers();
    qint16 keyCode = QtKeys::keyCode(key, mods);
    qint16 shift = QtKeys::shiftBits(mods);
    QString text = event->text();
    if (keypadDecimalMark_ && mods.testFlag(Qt::KeypadModifier) && (key == Qt::Key_Period || key == Qt::Key_Comma)
        && isPrintable(text)) {
        if (const QString mark = keypadDecimalMark_(); isPrintable(mark))
            text = mark;
    }
    const bool typed = isPrintable(text) && !(shift & (ShiftBits::Ctrl | ShiftBits::Alt));
    if (keyCode == 0 && !typed)
        return false; // a key the original forms had no code for: Qt's own handling
    pressed_.insert(key, {keyCode, shift});

    bool consumed = true;
    guarded([&] {
        const qint16 givenCode = keyCode, givenShift = shift;
        raiseKeyDown(keyCode, shift);
        pressed_.insert(key, {keyCode, shift});
        if (typed) {
            // A typed character goes on whatever KeyDown left.
            for (QChar c : std::as_const(text)) {
                qint16 keyAscii = qint16(c.unicode());
                raiseKeyPress(keyAscii);
                applyCharacter(keyAscii);
            }
            return;
        }
        const bool sameKey = keyCode == givenCode && shift == givenShift;
        if (const qint16 character = characterOf(keyCode, shift)) {
            qint16 keyAscii = character;
            raiseKeyPress(keyAscii);
            // Shortcuts (Ctrl+C, Ctrl+V...) and Escape, left as they came, are Qt's:
            // Escape then reaches the dialog the edit is on.
            const bool leftAlone = sameKey && keyAscii == character;
            if (leftAlone && (keyAscii < 0x20 && keyAscii != KeyCodes::Back && keyAscii != KeyCodes::Return)) {
                consumed = false;
                return;
            }
            // Enter, left as it came, goes on to the window (a dialog's default button).
            if (leftAlone && keyAscii == KeyCodes::Return && enterReachesWindow_) {
                consumed = false;
                return;
            }
            applyCharacter(keyAscii);
            return;
        }
        if (sameKey) {
            consumed = false; // Delete, arrows, Home, End...: the QLineEdit's own handling
            return;
        }
        const int replacement = QtKeys::qtKey(keyCode);
        if (keyCode == 0 || replacement == Qt::Key_unknown)
            return; // cancelled
        QKeyEvent instead(QEvent::KeyPress, replacement, QtKeys::modifiers(shift));
        sendToWidget(instead);
    });
    return consumed;
}

bool QtFlatEdit::focusOut(QFocusEvent* event)
{
    pressed_.clear();
    // An edit box keeps its selection (the LostFocus handlers, run by now, may
    // have set it) while the focus is elsewhere; a QLineEdit drops it, then
    // or when its window is next activated. SelStart and SelLength answer
    // from the copy until the focus comes back.
    if (event->reason() != Qt::PopupFocusReason) {
        const QLineEdit* e = edit();
        kept_ = e->hasSelectedText()
            ? Selection{e->selectionStart(), e->selectionLength(), e->cursorPosition() == e->selectionStart()}
            : Selection{e->cursorPosition(), 0, false};
    }
    return false;
}

bool QtFlatEdit::keepFocusSelection(QEvent* event)
{
    // The click that brought the focus would place the caret and drop the
    // selection the GotFocus handlers made, so that the first key would not
    // replace it: the click ends here, up to its release.
    if (!clickKeepsSelection_)
        return false;
    if (event->type() == QEvent::MouseButtonRelease)
        clickKeepsSelection_ = false;
    return true;
}

bool QtFlatEdit::focusIn(QFocusEvent* event)
{
    // Run after GotFocus (see QtAdapter): its handlers have set the selection.
    clickKeepsSelection_ = event->reason() == Qt::MouseFocusReason && edit()->hasSelectedText();
    if (!kept_)
        return false;
    // Back by the program or with its window: as it was left. By the mouse or
    // Tab, the QLineEdit places the caret or selects all, as an edit box does.
    const auto reason = event->reason();
    if (reason != Qt::MouseFocusReason && reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
        restoreSelection();
    kept_.reset();
    return false;
}

bool QtFlatEdit::keyRelease(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return false;
    const auto down = pressed_.constFind(event->key());
    if (down == pressed_.constEnd())
        return false; // pressed elsewhere (a key that moved the focus here)
    qint16 keyCode = down.value().first;
    qint16 shift = down.value().second;
    pressed_.erase(down);
    guarded([&] { raiseKeyUp(keyCode, shift); });
    return false;
}

bool QtFlatEdit::inputMethod(QInputMethodEvent* event)
{
    // Committed text of an input method is typed text: KeyPress for each character.
    if (!event->preeditString().isEmpty() || event->commitString().isEmpty() || event->replacementLength() != 0)
        return false;
    const QString& committed = event->commitString();
    QInputMethodEvent endComposition; // clears what the input method showed
    sendToWidget(endComposition);
    guarded([&] {
        for (QChar c : committed) {
            qint16 keyAscii = qint16(c.unicode());
            raiseKeyPress(keyAscii);
            applyCharacter(keyAscii);
        }
    });
    return true;
}

void QtFlatEdit::applyCharacter(qint16 keyAscii)
{
    settle();
    QLineEdit* e = qobject_cast<QLineEdit*>(qwidget());
    if (!e || locked_ || keyAscii == 0)
        return;
    const auto u = char16_t(quint16(keyAscii));
    if (u == KeyCodes::Back) {
        e->backspace();
        return;
    }
    if (u < 0x20 || u == 0x7F)
        return; // Enter, Escape and other control characters type nothing
    if (maxLength_ > 0 && e->text().size() - e->selectionLength() + 1 > maxLength_)
        return;
    e->insert(QString(QChar(u)));
}

} // namespace zev

#pragma once

#include <QClipboard>
#include <QObject>
#include <QPointer>

class QContextMenuEvent;
class QDropEvent;
class QKeyEvent;
class QLineEdit;

namespace zev {

class QtFlatEdit;

// Takes the pastes and drops into an edit box for a field that reads pasted
// text its own way: the paste keys (Ctrl+V, Shift+Insert; Ctrl+Shift+Insert
// for the X11 selection), the context menu's Paste and drops from outside
// the box. The subclass's take() says what becomes of each text. A child of
// the edit box.
class QtPasteFilter : public QObject {
protected:
    explicit QtPasteFilter(QtFlatEdit& edit);

    enum class Take {
        AsQtDoes, // Qt pastes or drops the text
        Instead,  // Qt pastes or drops `instead` in its place, as one edit
        Refused,  // nothing changes
        Own,      // the field acts on it in own(); after a drop, once the drop is over
    };
    virtual Take take(const QString& text, QString& instead) const = 0;
    virtual void own(const QString& text);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the paste was taken (or refused) here rather than by Qt.
    bool paste(QClipboard::Mode mode);
    bool pasteKey(QKeyEvent* event);
    bool contextMenu(QContextMenuEvent* event);
    bool drop(QDropEvent* event);
    void endDrag();

    QPointer<QLineEdit> line_;
    bool forwarding_ = false; // a drop of our own on its way to the QLineEdit
};

} // namespace zev

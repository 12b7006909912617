#pragma once

#include <QClipboard>
#include <QObject>
#include <QPointer>
#include <functional>

class QContextMenuEvent;
class QDropEvent;
class QKeyEvent;
class QLineEdit;

namespace zev {

class QtFlatEdit;

// Pastes and drops into a numeric field's edit box, read as PastedNumber
// reads them: text in the field's notation goes in as Qt puts it in; a
// number in another notation goes in converted, as one edit (so the field
// raises one Change); anything else, or a negative number converted for a
// field that allows none, is refused and nothing changes. Covers the paste
// keys (Ctrl+V, Shift+Insert), the context menu's Paste and drops. A child
// of the edit box.
class QtNumberPaste : public QObject {
public:
    QtNumberPaste(QtFlatEdit& edit, std::function<bool()> allowNegative);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Take { AsQtDoes, Converted, Refused };
    Take take(const QString& text, QString& converted) const;
    // True when the paste was taken (or refused) here rather than by Qt.
    bool paste(QClipboard::Mode mode);
    bool pasteKey(QKeyEvent* event);
    bool contextMenu(QContextMenuEvent* event);
    bool drop(QDropEvent* event);

    QPointer<QLineEdit> line_;
    std::function<bool()> allowNegative_;
    bool forwarding_ = false; // a converted drop on its way to the QLineEdit
};

} // namespace zev

#include "qt/QtNumberPaste.h"

#include "numeric/NumberEngine.h"
#include "numeric/PastedNumber.h"
#include "qt/QtFlatEdit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

namespace zev {

QtNumberPaste::QtNumberPaste(QtFlatEdit& edit, std::function<bool()> allowNegative)
    : QObject(edit.widget()), line_(edit.widget()), allowNegative_(std::move(allowNegative))
{
    line_->installEventFilter(this);
    // Paste keys come through the adapter, which raises the key events first.
    edit.setEditKeyFilter([self = QPointer<QtNumberPaste>(this)](QKeyEvent* key) { return self && self->pasteKey(key); });
}

QtNumberPaste::Take QtNumberPaste::take(const QString& text, QString& converted) const
{
    const PastedNumber number(text, NumberEngine::current());
    switch (number.kind()) {
    case PastedNumber::Kind::Own:
        return Take::AsQtDoes;
    case PastedNumber::Kind::Converted:
        if (number.negative() && !allowNegative_())
            return Take::Refused;
        converted = number.text();
        return Take::Converted;
    case PastedNumber::Kind::Refused:
        break;
    }
    return Take::Refused;
}

bool QtNumberPaste::paste(QClipboard::Mode mode)
{
    QString converted;
    switch (take(QGuiApplication::clipboard()->text(mode), converted)) {
    case Take::AsQtDoes:
        return false;
    case Take::Converted:
        line_->insert(converted); // replaces the selection: one change
        return true;
    case Take::Refused:
        break;
    }
    return true;
}

bool QtNumberPaste::pasteKey(QKeyEvent* event)
{
    if (!line_ || line_->isReadOnly())
        return false;
    if (!event->matches(QKeySequence::Paste)) // Ctrl+V, Shift+Insert
        return false;
    // Ctrl+Shift+Insert pastes the X11 selection, as QLineEdit does.
    const bool selection = event->key() == Qt::Key_Insert && event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
    return paste(selection ? QClipboard::Selection : QClipboard::Clipboard);
}

bool QtNumberPaste::contextMenu(QContextMenuEvent* event)
{
    // QLineEdit's own menu, with its Paste going through the field.
    if (line_->contextMenuPolicy() != Qt::DefaultContextMenu)
        return false;
    QMenu* menu = line_->createStandardContextMenu();
    if (!menu)
        return false;
    // The actions carry no names: Paste is the one connected to QLineEdit::paste
    // (by name in Qt 6.4; by pointer, should a later Qt connect it so).
    for (QAction* action : menu->actions()) {
        if (!QObject::disconnect(action, SIGNAL(triggered()), line_.data(), SLOT(paste()))
            && !QObject::disconnect(action, &QAction::triggered, line_.data(), &QLineEdit::paste))
            continue;
        QObject::connect(action, &QAction::triggered, this, [this] {
            if (line_ && !paste(QClipboard::Clipboard))
                line_->paste();
        });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
    return true;
}

bool QtNumberPaste::drop(QDropEvent* event)
{
    // A drag inside the field moves its own text: Qt's.
    if (forwarding_ || line_->isReadOnly() || event->source() == line_ || !event->mimeData()->hasText())
        return false;
    QString converted;
    switch (take(event->mimeData()->text(), converted)) {
    case Take::AsQtDoes:
        return false;
    case Take::Converted: {
        // Qt's drop with the converted text: the caret at the drop point, the text selected.
        QMimeData data;
        data.setText(converted);
        QDropEvent instead(event->position(), event->possibleActions(), &data, event->buttons(), event->modifiers());
        forwarding_ = true;
        QCoreApplication::sendEvent(line_, &instead);
        forwarding_ = false;
        event->setDropAction(instead.dropAction());
        event->setAccepted(instead.isAccepted());
        return true;
    }
    case Take::Refused:
        break;
    }
    // The drop caret goes, as when the drag leaves.
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(line_, &leave);
    event->ignore();
    return true;
}

bool QtNumberPaste::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != line_)
        return false;
    switch (event->type()) {
    case QEvent::ContextMenu: return contextMenu(static_cast<QContextMenuEvent*>(event));
    case QEvent::Drop: return drop(static_cast<QDropEvent*>(event));
    default: return false;
    }
}

} // namespace zev

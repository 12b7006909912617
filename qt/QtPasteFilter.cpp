#include "qt/QtPasteFilter.h"

#include "qt/QtFlatEdit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

namespace zev {

QtPasteFilter::QtPasteFilter(QtFlatEdit& edit) : QObject(edit.widget()), line_(edit.widget())
{
    line_->installEventFilter(this);
    // Paste keys come through the adapter, which raises the key events first.
    edit.setEditKeyFilter([self = QPointer<QtPasteFilter>(this)](QKeyEvent* key) { return self && self->pasteKey(key); });
}

void QtPasteFilter::own(const QString&) {}

bool QtPasteFilter::paste(QClipboard::Mode mode)
{
    const QString text = QGuiApplication::clipboard()->text(mode);
    QString instead;
    switch (take(text, instead)) {
    case Take::AsQtDoes:
        return false;
    case Take::Instead:
        line_->insert(instead); // replaces the selection: one change
        return true;
    case Take::Own:
        own(text);
        return true;
    case Take::Refused:
        break;
    }
    return true;
}

bool QtPasteFilter::pasteKey(QKeyEvent* event)
{
    if (!line_ || line_->isReadOnly())
        return false;
    if (!event->matches(QKeySequence::Paste)) // Ctrl+V, Shift+Insert
        return false;
    // Ctrl+Shift+Insert pastes the X11 selection, as QLineEdit does.
    const bool selection = event->key() == Qt::Key_Insert && event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
    return paste(selection ? QClipboard::Selection : QClipboard::Clipboard);
}

bool QtPasteFilter::contextMenu(QContextMenuEvent* event)
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

bool QtPasteFilter::drop(QDropEvent* event)
{
    // A drag inside the field moves its own text: Qt's.
    if (forwarding_ || line_->isReadOnly() || event->source() == line_ || !event->mimeData()->hasText())
        return false;
    const QString text = event->mimeData()->text();
    QString instead;
    switch (take(text, instead)) {
    case Take::AsQtDoes:
        return false;
    case Take::Instead: {
        // Qt's drop with the other text: the caret at the drop point, the text selected.
        QMimeData data;
        data.setText(instead);
        QDropEvent replaced(event->position(), event->possibleActions(), &data, event->buttons(), event->modifiers());
        forwarding_ = true;
        QCoreApplication::sendEvent(line_, &replaced);
        forwarding_ = false;
        event->setDropAction(replaced.dropAction());
        event->setAccepted(replaced.isAccepted());
        return true;
    }
    case Take::Own:
        endDrag();
        // A copy: the text stays where it was dragged from.
        if (event->possibleActions() & Qt::CopyAction)
            event->setDropAction(Qt::CopyAction);
        event->accept();
        // The drag's source waits for the drop to end: act (and show any message) after it.
        QMetaObject::invokeMethod(this, [this, text] { own(text); }, Qt::QueuedConnection);
        return true;
    case Take::Refused:
        break;
    }
    endDrag();
    event->ignore();
    return true;
}

void QtPasteFilter::endDrag()
{
    // The drop caret goes, as when the drag leaves.
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(line_, &leave);
}

bool QtPasteFilter::eventFilter(QObject* watched, QEvent* event)
{
    // By identity, the parent: a QLineEdit being destroyed is only a QWidget by then.
    if (watched != parent())
        return false;
    switch (event->type()) {
    case QEvent::ContextMenu: return contextMenu(static_cast<QContextMenuEvent*>(event));
    case QEvent::Drop: return drop(static_cast<QDropEvent*>(event));
    default: return false;
    }
}

} // namespace zev

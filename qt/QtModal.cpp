#include "qt/QtModal.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

namespace zev::QtModal {

namespace {
Hook& installed()
{
    static Hook hook;
    return hook;
}

bool nobodyToAnswer() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }
} // namespace

Hook setHook(Hook hook)
{
    Hook previous = std::move(installed());
    installed() = std::move(hook);
    return previous;
}

int exec(QDialog& dialog)
{
    const Hook hook = installed();
    if (hook || nobodyToAnswer()) {
        QPointer<QDialog> shown(&dialog);
        // Runs inside the dialog's own event loop, once it is visible and modal.
        QTimer::singleShot(0, &dialog, [shown, hook] {
            if (shown && hook)
                hook(*shown);
            // A dialog still open without a user would never close.
            if (shown && shown->isVisible() && nobodyToAnswer())
                shown->reject();
        });
    }
    QPointer<QWidget> owner = QApplication::activeWindow();
    const int result = dialog.exec();
    // The window the dialog was over is active again before the call returns,
    // as a message box's owner is, so that a SetFocus right after takes effect.
    if (owner && owner != &dialog && owner->isVisible() && QApplication::activeWindow() != owner)
        QApplication::setActiveWindow(owner);
    return result;
}

} // namespace zev::QtModal

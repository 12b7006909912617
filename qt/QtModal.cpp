#include "qt/QtModal.h"

#include "qt/ZEVDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

namespace zev {

namespace {
ZEVDialogs::Handler& installed()
{
    static ZEVDialogs::Handler handler;
    return handler;
}

bool nobodyToAnswer() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }
} // namespace

ZEVDialogs::Handler ZEVDialogs::setHandler(Handler handler)
{
    Handler previous = std::move(installed());
    installed() = std::move(handler);
    return previous;
}

ZEVDialogs::Handler ZEVDialogs::handler() { return installed(); }

namespace QtModal {

int exec(QDialog& dialog)
{
    const ZEVDialogs::Handler hook = installed();
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

} // namespace QtModal

} // namespace zev

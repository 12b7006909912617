#pragma once

#include "qt/ZEVQtExport.h"

#include <functional>

class QDialog;

namespace zev {

/**
 * The dialogs the controls show, seen and answered by the application or its tests.
 *
 * Every dialog the controls show (the list lookup's duplicate warning and
 * its summary of pasted codes, a control's about box) runs through here, so
 * that an application, or its tests, can see and answer it. A handler set
 * here gets each dialog once it is on screen and modal: a QMessageBox for a
 * message (its text(), icon()), a QDialog for an about box. It answers by
 * closing it (accept(), done()); a dialog it leaves open waits for the user
 * as usual.
 *
 * Without a handler, on the offscreen platform (tests, CI), each dialog is
 * closed at once, so that nothing waits for a user who is not there.
 *
 * @code
 * zev::ZEVDialogs::Scope answer([&](QDialog& dialog) {
 *     if (auto* box = qobject_cast<QMessageBox*>(&dialog))
 *         shown << box->text();
 *     dialog.accept();
 * });
 * @endcode
 */
class ZEV_QT_EXPORT ZEVDialogs {
public:
    /// A handler: gets each dialog once it is on screen and modal.
    using Handler = std::function<void(QDialog& dialog)>;

    /// Sets the handler (an empty one for none, the default) and returns the one it replaces.
    static Handler setHandler(Handler handler);
    /// The handler in force; empty for none.
    static Handler handler();

    /// A handler for the life of a scope (a test): the previous one comes back after.
    class Scope {
    public:
        /// Sets @p handler until the scope ends.
        explicit Scope(Handler handler) : previous_(setHandler(std::move(handler))) {}
        /// Puts the previous handler back.
        ~Scope() { setHandler(std::move(previous_)); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        Handler previous_;
    };
};

} // namespace zev

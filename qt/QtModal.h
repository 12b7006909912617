#pragma once

class QDialog;

namespace zev {

// Every modal dialog the library shows (message boxes, the about form) runs
// through here: ZEVDialogs' handler sees each once it is on screen.
namespace QtModal {
// Shows the dialog modally and returns its result when it is closed.
int exec(QDialog& dialog);
} // namespace QtModal

} // namespace zev

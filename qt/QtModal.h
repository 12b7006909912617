#pragma once

#include <functional>

class QDialog;

namespace zev {

// Every modal dialog the library shows (message boxes, the about form) runs
// through here, so that a program without a user can answer it: a hook set
// here sees each dialog once it is on screen and closes it (done(), accept()).
// Without a hook, on the offscreen platform, each dialog is closed at once, so
// that nothing waits for a user who is not there.
namespace QtModal {
using Hook = std::function<void(QDialog& dialog)>;
// Sets the hook and returns the one it replaces (an empty one for none).
Hook setHook(Hook hook);
// Shows the dialog modally and returns its result when it is closed.
int exec(QDialog& dialog);
} // namespace QtModal

} // namespace zev

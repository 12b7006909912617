#pragma once

namespace zev {

// The fonts the controls are laid out for: "Tahoma" (8.25 pt, their default)
// and "Courier New". Their designs are in twips measured with these faces; a
// wider face cuts texts off ("31/12/2026" no longer fits the end date picker).
namespace QtDesignFonts {
// Makes the design fonts available to Qt where the machine has them under
// other names or outside fontconfig. Needs a QGuiApplication (before one
// exists it does nothing); GUI thread only. Idempotent: after the first call
// for an application it only tests a flag.
void ensureLoaded();
} // namespace QtDesignFonts

} // namespace zev

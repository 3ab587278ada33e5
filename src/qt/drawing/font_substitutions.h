#pragma once
// Font names the forms ask for that this system does not know.

namespace cal::qtui {

// Maps the Windows gothic font names to the IPA fonts. Safe to call more
// than once; needs the Qt application object.
void installFontSubstitutions();

}  // namespace cal::qtui

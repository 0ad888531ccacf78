// The translation every program of the package loads at start-up, so that
// one installed file reaches the windows and the console programs alike.
#pragma once

namespace tzk {

// Installs "tzolkara_<language>.qm" for the user's language from the
// translations folder beside the program (share/tzolkara/translations on
// Unix), if there is one, and with it Qt's own "qtbase_<language>.qm".
// Call after the application object exists. Returns whether a translation
// of ours was installed.
bool installTranslation();

} // namespace tzk

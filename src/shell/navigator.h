// What a window may ask of the controller that owns the run: it never
// creates its sibling window itself, so the main and the result window
// do not depend on each other.
#pragma once

class QWidget;

namespace tzk {

class Navigator
{
public:
    virtual ~Navigator() = default;

    virtual void showMainWindow() = 0;   // a fresh main window, modeless
    virtual void showResultWindow() = 0; // a fresh result window, modeless
    virtual void showExitScreen() = 0;
    virtual void hideExitScreen() = 0;
    virtual void unloadAllAndEnd() = 0;
};

} // namespace tzk

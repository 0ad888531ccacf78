// What a window may ask of the object that owns the run (frmStartup): a
// window never creates another reading window or the About window itself,
// so the main and the result window do not depend on each other, and the
// base they share needs no window above it.
#pragma once

class QWidget;

namespace tzk {

class Navigator
{
public:
    virtual ~Navigator() = default;

    virtual void showMainWindow() = 0;            // a fresh main window, modeless
    virtual void showResultWindow() = 0;          // a fresh result window, modeless
    virtual void showAboutWindow(QWidget *over) = 0; // modal over `over`; returns when it closes
    virtual void ShowExitScreen() = 0;
    virtual void HideExitScreen() = 0;
    virtual void UnloadAllAndEnd() = 0;
};

} // namespace tzk

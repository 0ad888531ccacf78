// The invisible controller that owns the run. It makes the start-up
// checks, creates and destroys the main and the result window (they never
// create each other), owns the exit screen and ends the program.
//
//   main.cpp -> FrmStartup::Form_Load -> FrmMain <-> FrmMayanResult
//                                       \-> FrmExitScreen -> UnloadAllAndEnd
#pragma once

#include "navigator.h"

#include <QObject>
#include <QPointer>

namespace tzk {

class FrmExitScreen;
class FrmMain;
class FrmMayanResult;
class Platform;

// Application-wide settings made once, before the start-up procedure: the
// program ends only through UnloadAllAndEnd, the desktop entry's name, and
// the stand-ins for fonts the system lacks.
void prepareApplication();

class FrmStartup final : public QObject, public Navigator
{
    Q_OBJECT

public:
    explicit FrmStartup(Platform &platform, QObject *parent = nullptr);
    ~FrmStartup() override;

    // The start-up procedure; runs once per process.
    void Form_Load();
    void CoBrand_Randomize();

    void showMainWindow() override;
    void showResultWindow() override;
    void showAboutWindow(QWidget *over) override;
    void ShowExitScreen() override;
    void HideExitScreen() override;
    void UnloadAllAndEnd() override;

    // The number CoBrand_Randomize drew last (0 before the first draw).
    qint16 intCoBrandRandomNumber = 0;

    // The windows that are loaded now, or null.
    FrmMain *mainWindow() const;
    FrmMayanResult *resultWindow() const;
    FrmExitScreen *exitScreen() const;

Q_SIGNALS:
    // The main window has been painted once and what start-up leaves until
    // then (a first run's reminder date) is done.
    void settled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FrmExitScreen *loadExitScreen();
    void settle();

    Platform &m_platform;
    QPointer<FrmMain> m_main;
    QPointer<FrmMayanResult> m_result;
    QPointer<FrmExitScreen> m_exitScreen;
    bool m_ending = false;
    bool m_firstRunDatePending = false;
};

} // namespace tzk

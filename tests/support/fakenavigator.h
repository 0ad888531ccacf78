// Records what a window asks of the controller.
#pragma once

#include "navigator.h"

#include <QStringList>

namespace tzk::test {

class FakeNavigator : public Navigator
{
public:
    QStringList calls;

    void showMainWindow() override { calls << QStringLiteral("showMain"); }
    void showResultWindow() override { calls << QStringLiteral("showResult"); }
    void showAboutWindow(QWidget *) override { calls << QStringLiteral("showAbout"); }
    void ShowExitScreen() override { calls << QStringLiteral("showExit"); }
    void HideExitScreen() override { calls << QStringLiteral("hideExit"); }
    void UnloadAllAndEnd() override { calls << QStringLiteral("end"); }
};

} // namespace tzk::test

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
    void showExitScreen() override { calls << QStringLiteral("showExit"); }
    void hideExitScreen() override { calls << QStringLiteral("hideExit"); }
    void unloadAllAndEnd() override { calls << QStringLiteral("end"); }
};

} // namespace tzk::test

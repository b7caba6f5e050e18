// Test start: the offscreen platform unless another is asked for, one application object named
// as the program is, a scratch current folder and user folders.
#include <gtest/gtest.h>

#include <QApplication>

#include "common/test_support.h"
#include "platform/help.h"
#include "platform/hints.h"
#include "shell/program_folders.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    app::setProgramNames();
    const ScratchDirectory scratch;
    Help::installF1Handler(&application);
    Hints::installHintFilter(&application);
    // No help window pops up in tests; the last request is still recorded.
    Help::setViewer(nullptr);
    return RUN_ALL_TESTS();
}

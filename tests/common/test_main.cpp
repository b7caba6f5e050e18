// Test start: the offscreen platform unless another is asked for, one application object.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/help.h"
#include "platform/hints.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    Help::installF1Handler(&application);
    Hints::installHintFilter(&application);
    // No help window pops up in tests; the last request is still recorded.
    Help::setViewer(nullptr);
    return RUN_ALL_TESTS();
}

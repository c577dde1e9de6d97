#include <gtest/gtest.h>

#include <QApplication>

#include "qt/Application.h"

// Widget tests need one QApplication for the whole run; they run offscreen
// unless the caller chose a platform.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef TRIVELAN_TEST_SCALE_FACTOR
    qputenv("QT_SCALE_FACTOR", TRIVELAN_TEST_SCALE_FACTOR);
#endif
    QApplication app(argc, argv);
    trivelan::qt::ConfigureApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

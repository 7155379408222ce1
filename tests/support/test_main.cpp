#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    // Headless by default, so the tests run the same on a desk and in CI.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

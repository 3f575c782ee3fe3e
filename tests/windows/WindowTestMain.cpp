// The window tests run in one application object, offscreen unless a display is asked for.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The list headings' date is fixed, so lists compare with the batch command's.
    qputenv("SOURCE_DATE_EPOCH", "1709640000");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

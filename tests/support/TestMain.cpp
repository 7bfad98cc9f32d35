#include <gtest/gtest.h>
#ifdef PARQUETIX_WIDGET_TESTS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

// One Qt application object for the whole test program.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Every save compares every event, so that a change the event lists were
    // not told of stops the test (and the programs the test starts).
    qputenv("PARQUETIX_CHECK_EVERY_LOOK", "1");
#ifdef PARQUETIX_WIDGET_TESTS
    // Test discovery runs the program outside CTest's environment: never
    // reach for a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}

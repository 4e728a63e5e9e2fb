#include <QGuiApplication>

#include <gtest/gtest.h>

// The main of the document and render tests: fonts and painting need a
// QGuiApplication; without a display it runs offscreen.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

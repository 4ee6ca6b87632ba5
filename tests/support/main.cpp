#include "session/BasesDeDatos.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// Widgets are tested without a display; the company and statistics
// databases are the program's, which the fixtures reset before each test.
int main(int argc, char* argv[])
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    BasesDeDatos bases;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Common entry of every test program: a QApplication on the offscreen platform with the
// program's fonts and a freshly initialised shared module.
#include "anwendung.h"
#include "global.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AnwendungEinrichten();
    GlobalInitialisieren();
    ZufallStarten(20261208);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Common entry of every test program: a QApplication on the offscreen platform with the
// program's fonts, a freshly initialised shared module and a fixed hash seed.
#include "anwendung.h"
#include "global.h"

#include <QApplication>
#include <QHashFunctions>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The same hashing in every run, so that a test sees the same order each time.
    QHashSeed::setDeterministicGlobalSeed();
    QApplication app(argc, argv);
    AnwendungEinrichten();
    GlobalInitialisieren();
    ZufallStarten(20261208);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "anwendung.h"
#include "global.h"

#include <QApplication>

int main(int argc, char **argv)
{
    GlobalInitialisieren();
    QApplication app(argc, argv);
    AnwendungEinrichten();
    return 0;
}

// Quantenpfad: the program entry. Initialises the shared module, creates every window
// once in its fixed order, shows the start screen and runs the event loop until the
// start screen closes.
#include "anwendung.h"
#include "fensterliste.h"
#include "formmain.h"
#include "global.h"
#include "simfenster.h"

#include <QApplication>

int main(int argc, char **argv)
{
    GlobalInitialisieren();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quantenpfad"));
    AnwendungEinrichten();

    TFormMain *haupt = ErzeugeAlleFenster();
    haupt->showMaximized();
    const int rc = app.exec();

    // Windows live until the end; delete them after the loop, the start screen last.
    const QList<QWidget *> fenster = AlleFenster();
    for (auto it = fenster.crbegin(); it != fenster.crend(); ++it)
        delete *it;
    return rc;
}

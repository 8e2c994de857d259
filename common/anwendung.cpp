#include "anwendung.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

void AnwendungEinrichten()
{
    QFont::insertSubstitutions(QStringLiteral("Trebuchet MS"),
                               {QStringLiteral("Open Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    for (const char *name : {"Arial", "MS Sans Serif", "Tahoma"})
        QFont::insertSubstitutions(QString::fromLatin1(name),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Symbol"), {QStringLiteral("DejaVu Sans")});
    if (auto *stil = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(stil);
    QApplication::setQuitOnLastWindowClosed(false);
}

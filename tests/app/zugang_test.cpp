// Screen readers in every window: each control a pupil can work has a name, each picture a
// name and a description of what it shows, and the description follows the window's state.
// QP_ZUGANG_LISTE=1 prints what a screen reader finds in each window.
#include "fensterliste.h"
#include "fensterregister.h"
#include "testhilfen.h"

#include <QAccessible>
#include <QCheckBox>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

bool Bedienbar(QAccessible::Role r)
{
    switch (r) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::PageTab:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
        return true;
    default:
        return false;
    }
}

std::string Klasse(QAccessibleInterface *i)
{
    return i->object() ? i->object()->metaObject()->className() : "?";
}

// Walks the visible interfaces under i; fails on an unnamed control or an undescribed picture.
void Pruefen(QAccessibleInterface *i, const std::string &fenster, bool liste, int tiefe = 0)
{
    if (!i || i->state().invisible || tiefe > 40)
        return;
    const QString name = i->text(QAccessible::Name);
    const QString beschreibung = i->text(QAccessible::Description);
    if (liste && (!name.isEmpty() || Bedienbar(i->role()) || i->role() == QAccessible::Graphic))
        std::printf("%*s%s [%d] „%s“%s%s\n", tiefe * 2, "", Klasse(i).c_str(), int(i->role()), qPrintable(name),
                    beschreibung.isEmpty() ? "" : " – ", qPrintable(beschreibung));
    if (Bedienbar(i->role()) && !i->state().disabled) {
        EXPECT_FALSE(name.trimmed().isEmpty()) << fenster << ": an unnamed " << Klasse(i) << " (role " << int(i->role()) << ")";
    }
    if (i->role() == QAccessible::Graphic) {
        EXPECT_FALSE(name.trimmed().isEmpty()) << fenster << ": an unnamed picture";
        EXPECT_FALSE(beschreibung.trimmed().isEmpty()) << fenster << ": picture „" << name.toStdString() << "“ says nothing";
    }
    for (int k = 0; k < i->childCount(); ++k)
        Pruefen(i->child(k), fenster, liste, tiefe + 1);
}

}  // namespace

TEST(Zugang, EveryWindowNamesItsControlsAndDescribesItsPictures)
{
    const bool liste = qEnvironmentVariableIsSet("QP_ZUGANG_LISTE");
    FrischerZustand();
    ErzeugeAlleFenster(QSize(1280, 1024));
    for (QWidget *f : AlleFenster()) {
        FensterOeffnen(f);
        Ereignisse();
        const std::string name = f->metaObject()->className();
        if (liste)
            std::printf("== %s\n", name.c_str());
        Pruefen(QAccessible::queryAccessibleInterface(f), name, liste);
        f->close();
    }
    for (QWidget *w : AlleFenster())
        delete w;
}

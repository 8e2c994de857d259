// Screen readers in every window: each control a pupil can work has a name, each picture a
// name and a description of what it shows, and the description follows the window's state.
// QP_ZUGANG_LISTE=1 prints what a screen reader finds in each window.
#include "beugungsfenster.h"
#include "bild.h"
#include "bohrfenster.h"
#include "fensterliste.h"
#include "fensterregister.h"
#include "gegenfeldfenster.h"
#include "hatomprobefenster.h"
#include "heisenbergfenster.h"
#include "hserienfenster.h"
#include "schwarzkoerperfenster.h"
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

// What a picture says follows the window's state: one change in each of a few windows.
TEST(Zugang, APicturesDescriptionFollowsTheWindowsState)
{
    FrischerZustand();
    ErzeugeAlleFenster(QSize(1280, 1024));
    MeldungsSammler meldungen;
    struct Fall {
        FensterNr fenster;
        const char *bild;  // its accessible name
        std::function<void(QWidget *)> aendern;
        const char *vorher, *nachher;
    };
    const Fall faelle[] = {
        {FensterNr::Schwarzkoerper, "Strahlungskurven des Schwarzen Körpers",
         [](QWidget *w) {
             auto *f = static_cast<TFormSchwarzkoerper *>(w);
             f->checkBoxPlanckStrahlung()->setChecked(true);
             f->trackBarMaxLeistung()->setPosition(20);
         },
         "Keine Kurve gewählt.", "Maximum bei 517\u00A0THz"},
        {FensterNr::Gegenfeld2, "Photozelle mit Lampe, Gegenspannung und Messgerät",
         [](QWidget *w) { static_cast<TFormGegenfeld2 *>(w)->radioGroupMetallwahl()->setItemIndex(3); },
         "Schicht aus Kalium", "Schicht aus Cäsium"},
        {FensterNr::HSerien, "Spektralserien des Wasserstoffatoms",
         [](QWidget *w) { static_cast<TFormHSerien *>(w)->trackBarSerien()->setPosition(3); },
         "ab der Paschen-Serie überlappen sich die Serien", "die Serien überlappen sich nicht"},
        {FensterNr::HAtomProbe3, "Energiestufen des Wasserstoffatoms mit den Serien",
         [](QWidget *w) { static_cast<TFormHAtomProbe3 *>(w)->editNrVorher()->setText(QStringLiteral("4")); },
         "auf Stufe 2 (10,2", "auf Stufe 4 (12,8"},
        {FensterNr::BohrAtom2, "Wasserstoffatom nach Bohr",
         [](QWidget *w) { static_cast<TFormBohrAtom2 *>(w)->editNrVorher()->setText(QStringLiteral("5")); },
         "auf Bahn 3", "auf Bahn 5"},
        {FensterNr::Beugung3, "Beugungsbild: Welle und Blende",
         [](QWidget *w) { static_cast<TFormBeugung3 *>(w)->radioGroupArtBeugung()->setItemIndex(0); },
         "Doppelspalt", "Spalt von 160\u00A0Pixel Breite"},
        {FensterNr::Heisenberg, "Spalt mit Licht und Photonen",
         [](QWidget *w) { static_cast<TFormHeisenberg *>(w)->trackBarSpaltB()->setPosition(40); },
         "α = 22,0°", "α = 48,6°"},
    };
    for (const Fall &f : faelle) {
        QWidget *w = FensterVon(f.fenster);
        ASSERT_NE(w, nullptr);
        FensterOeffnen(w);
        Ereignisse();
        const Bild *bild = nullptr;
        for (const Bild *b : w->findChildren<Bild *>())
            if (b->accessibleName() == QString::fromUtf8(f.bild))
                bild = b;
        ASSERT_NE(bild, nullptr) << f.bild;
        EXPECT_TRUE(bild->beschreibung().contains(QString::fromUtf8(f.vorher))) << bild->beschreibung().toStdString();
        f.aendern(w);
        Ereignisse();
        EXPECT_TRUE(bild->beschreibung().contains(QString::fromUtf8(f.nachher))) << bild->beschreibung().toStdString();
        w->close();
    }
    for (QWidget *w : AlleFenster())
        delete w;
}

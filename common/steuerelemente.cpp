// The controls kit's helpers: placing, squeezing, colours and fonts of widgets, typed message
// boxes and the beep.
#include "steuerelemente.h"

#include "canvas.h"

#include <QApplication>
#include <QMessageBox>

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

std::function<void(const MeldungsEintrag &)> MeldungsBeobachter;

void Setze(QWidget *w, int links, int oben, int breite, int hoehe)
{
    w->setGeometry(links, oben, std::max(breite, 0), std::max(hoehe, 0));
}

namespace {
// The rows a panel's children form: their vertical extents, overlapping or touching ones merged.
std::vector<std::pair<int, int>> Zeilen(const QWidget *tafel)
{
    std::vector<std::pair<int, int>> zeilen;
    for (const QWidget *k : tafel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        zeilen.emplace_back(k->y(), k->y() + k->height());
    std::sort(zeilen.begin(), zeilen.end());
    std::vector<std::pair<int, int>> vereint;
    for (const auto &z : zeilen) {
        if (!vereint.empty() && z.first <= vereint.back().second)
            vereint.back().second = std::max(vereint.back().second, z.second);
        else
            vereint.push_back(z);
    }
    return vereint;
}

int Belegt(const std::vector<std::pair<int, int>> &zeilen)
{
    int belegt = 0;
    for (const auto &z : zeilen)
        belegt += z.second - z.first;
    return belegt;
}
}  // namespace

int Spielraum(const QWidget *tafel) { return std::max(0, tafel->height() - Belegt(Zeilen(tafel))); }

void Stauchen(QWidget *tafel, int hoehe)
{
    hoehe = std::max(hoehe, 0);
    const QList<QWidget *> kinder = tafel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    std::vector<int> oben;  // before any move: a track bar moves its scale with it
    for (const QWidget *k : kinder)
        oben.push_back(k->y());
    const std::vector<std::pair<int, int>> vereint = Zeilen(tafel);
    const int belegt = Belegt(vereint);
    const int luecken = tafel->height() - belegt;
    if (tafel->height() > hoehe && luecken > 0) {
        const double f = std::max(0, hoehe - belegt) / double(luecken);
        // new top of each row: its rows above at full height, the gaps above scaled
        std::vector<int> verschiebung;
        int zeilenDavor = 0;
        for (const auto &z : vereint) {
            const int neu = int(std::lround(f * (z.first - zeilenDavor))) + zeilenDavor;
            verschiebung.push_back(neu - z.first);
            zeilenDavor += z.second - z.first;
        }
        for (std::size_t i = 0; i < oben.size(); ++i) {
            const auto zeile = std::upper_bound(vereint.begin(), vereint.end(), std::make_pair(oben[i], INT_MAX));
            kinder[qsizetype(i)]->move(kinder[qsizetype(i)]->x(),
                                       oben[i] + verschiebung[std::size_t(zeile - vereint.begin() - 1)]);
        }
    }
    tafel->resize(tafel->width(), hoehe);
}

void SetzeFarbe(QWidget *w, TColor hintergrund)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, QFarbe(hintergrund));
    p.setColor(QPalette::Base, QFarbe(hintergrund));
    p.setColor(QPalette::Button, QFarbe(hintergrund));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void SetzeTextFarbe(QWidget *w, TColor text)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, QFarbe(text));
    p.setColor(QPalette::Text, QFarbe(text));
    p.setColor(QPalette::ButtonText, QFarbe(text));
    w->setPalette(p);
}

void SetzeSchrift(QWidget *w, const QString &name, int punkte, bool fett, bool kursiv)
{
    Schrift s;
    s.name = name;
    s.size = punkte;
    s.bold = fett;
    s.italic = kursiv;
    QFont f = QSchrift(s);
    f.setStyleStrategy(QFont::PreferDefault);  // controls may smooth their text
    w->setFont(f);
}
// ---- messages and beep -------------------------------------------------------------

QMessageBox *Meldung(QWidget *parent, MeldungsTyp typ, const QString &text, MeldungsKnopf knopf)
{
    if (MeldungsBeobachter) {
        MeldungsBeobachter({typ, text, knopf});
        return nullptr;
    }
    QMessageBox::Icon symbol = QMessageBox::Information;
    QString titel = QCoreApplication::translate("Steuerelemente", "Information");
    if (typ == MeldungsTyp::Fehler) {
        symbol = QMessageBox::Critical;
        titel = QCoreApplication::translate("Steuerelemente", "Fehler");
    } else if (typ == MeldungsTyp::Warnung) {
        symbol = QMessageBox::Warning;
        titel = QCoreApplication::translate("Steuerelemente", "Warnung");
    }
    QWidget *fenster = parent ? parent->window() : nullptr;
    if (fenster)
        for (QMessageBox *offen : fenster->findChildren<QMessageBox *>(QStringLiteral("Meldung"), Qt::FindDirectChildrenOnly))
            if (offen->isVisible())
                return nullptr;  // one box at a time over a window: none is stacked on another
    auto *box = new QMessageBox(symbol, titel, text, QMessageBox::NoButton, fenster);
    box->setObjectName(QStringLiteral("Meldung"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(fenster ? Qt::WindowModal : Qt::ApplicationModal);
    switch (knopf) {
    case MeldungsKnopf::Ok:
        box->addButton(QCoreApplication::translate("Steuerelemente", "OK"), QMessageBox::AcceptRole);
        break;
    case MeldungsKnopf::Abbrechen:
        box->addButton(QCoreApplication::translate("Steuerelemente", "Abbrechen"), QMessageBox::RejectRole);
        break;
    case MeldungsKnopf::Wiederholen:
        box->addButton(QCoreApplication::translate("Steuerelemente", "&Wiederholen"), QMessageBox::AcceptRole);
        break;
    }
    box->open();
    return box;
}

void Piepsen()
{
    if (PiepsAn)
        QApplication::beep();
}

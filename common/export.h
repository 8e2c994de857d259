// Export for worksheets. Every picture of a simulation window can be saved as PNG or
// copied to the clipboard (context menu on the picture, Ctrl+S and Ctrl+C in the window),
// and a window that lists its values (SimFenster::Werte) offers them as CSV: semicolon
// and decimal comma as German spreadsheets read them, or comma and decimal point, UTF-8
// with a byte order mark. The frame gives every window one FensterExport.
#pragma once

#include "wertetabelle.h"

#include <QDate>
#include <QFileDialog>
#include <QImage>
#include <QObject>
#include <QPointer>

class Bild;
class QMenu;
class SimFenster;

// A number as a CSV cell: up to six significant digits; empty for NaN and ±inf.
QString CsvZahl(double wert, bool dezimalkomma);
// The whole file: BOM, header line, one line per row, CRLF line ends.
QByteArray CsvText(const WerteTabelle &tabelle, bool dezimalkomma);
// The proposed file name, e.g. "Schwarzkoerper-2026-12-09.png".
QString ExportName(const QString &kurzname, const QDate &datum, const QString &endung);

bool BildDateiSchreiben(const QImage &bild, const QString &datei);
bool WerteDateiSchreiben(const WerteTabelle &tabelle, const QString &datei, bool dezimalkomma);

// The two choices of the CSV dialog's file type, in German (the dialog shows them in the
// program's language).
extern const QString FilterDezimalkomma;
extern const QString FilterDezimalpunkt;

class FensterExport : public QObject {
    Q_OBJECT
public:
    explicit FensterExport(SimFenster *fenster);

    // The picture Ctrl+S and Ctrl+C take: the one the window chose while it is visible, else
    // the largest visible one.
    Bild *HauptBild() const;
    // The picture's context menu ("Bild speichern …", "Bild kopieren", and "Werte
    // speichern (CSV) …" when the window lists values); the caller owns it.
    QMenu *Kontextmenue(Bild *bild);

    // Asks for a file (the dialog does not block a run) and saves the picture as it is now.
    void BildSpeichern(Bild *bild);
    void BildKopieren(Bild *bild);
    void WerteSpeichern();

    // The save dialog that is open, for tests.
    QFileDialog *offenerDialog() const { return dialog_; }

protected:
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    void bilderAnmelden();
    void kopieren();
    QString vorschlag(const QString &endung) const;
    QFileDialog *dialog(const QString &titel, const QString &name, const QStringList &filter);

    SimFenster *fenster_;
    QPointer<QFileDialog> dialog_;
};

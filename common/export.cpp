#include "export.h"

#include "bild.h"
#include "einstellungen.h"
#include "simfenster.h"
#include "sprache.h"
#include "zahltext.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QShortcut>
#include <QTextEdit>

#include <cmath>

namespace {
const char *const filterKomma = QT_TRANSLATE_NOOP("FensterExport", "CSV mit Dezimalkomma und Semikolon (*.csv)");
const char *const filterPunkt = QT_TRANSLATE_NOOP("FensterExport", "CSV mit Dezimalpunkt und Komma (*.csv)");
}  // namespace

const QString FilterDezimalkomma = QString::fromUtf8(filterKomma);
const QString FilterDezimalpunkt = QString::fromUtf8(filterPunkt);

namespace {
const QString kennung = QStringLiteral("qp_export");  // property marking a picture as handled

QString zelle(const QString &text, QChar trenner)
{
    if (!text.contains(trenner) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString t = text;
    t.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}
}  // namespace

QString CsvZahl(double wert, bool dezimalkomma)
{
    if (!std::isfinite(wert))
        return {};
    QString s = QString::number(wert, 'G', 6);
    return dezimalkomma ? s.replace(QLatin1Char('.'), QLatin1Char(',')) : s;
}

QByteArray CsvText(const WerteTabelle &tabelle, bool dezimalkomma)
{
    const QChar trenner = dezimalkomma ? QLatin1Char(';') : QLatin1Char(',');
    QString text;
    QStringList kopf;
    for (const QString &s : tabelle.spalten)
        kopf << zelle(s, trenner);
    text += kopf.join(trenner) + QStringLiteral("\r\n");
    for (const QList<double> &zeile : tabelle.zeilen) {
        QStringList z;
        for (double w : zeile)
            z << CsvZahl(w, dezimalkomma);
        text += z.join(trenner) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString ExportName(const QString &kurzname, const QDate &datum, const QString &endung)
{
    return kurzname + QLatin1Char('-') + datum.toString(Qt::ISODate) + QLatin1Char('.') + endung;
}

bool BildDateiSchreiben(const QImage &bild, const QString &datei)
{
    if (bild.isNull())
        return false;
    QSaveFile f(datei);
    return f.open(QIODevice::WriteOnly) && bild.save(&f, "PNG") && f.commit();
}

bool WerteDateiSchreiben(const WerteTabelle &tabelle, const QString &datei, bool dezimalkomma)
{
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = CsvText(tabelle, dezimalkomma);
    return f.write(text) == text.size() && f.commit();
}

// ---- the window's export ----------------------------------------------------------------

FensterExport::FensterExport(SimFenster *fenster) : QObject(fenster), fenster_(fenster)
{
    fenster->installEventFilter(this);
    auto *speichern = new QShortcut(QKeySequence::Save, fenster);
    connect(speichern, &QShortcut::activated, this, [this] { BildSpeichern(HauptBild()); });
    auto *kopie = new QShortcut(QKeySequence::Copy, fenster);
    connect(kopie, &QShortcut::activated, this, [this] { kopieren(); });
}

void FensterExport::bilderAnmelden()
{
    const QList<Bild *> bilder = fenster_->findChildren<Bild *>();
    for (Bild *b : bilder) {
        if (b->property(kennung.toLatin1().constData()).toBool())
            continue;
        b->setProperty(kennung.toLatin1().constData(), true);
        b->installEventFilter(this);
    }
}

Bild *FensterExport::HauptBild() const
{
    Bild *gewaehlt = fenster_->GewaehltesHauptBild();
    if (gewaehlt && gewaehlt->isVisibleTo(fenster_) && !gewaehlt->bild().isNull())
        return gewaehlt;
    Bild *groesstes = nullptr;
    qint64 flaeche = 0;
    const QList<Bild *> bilder = fenster_->findChildren<Bild *>();
    for (Bild *b : bilder) {
        if (!b->isVisibleTo(fenster_) || b->bild().isNull())
            continue;
        const qint64 f = qint64(b->bild().width()) * b->bild().height();
        if (f > flaeche) {
            flaeche = f;
            groesstes = b;
        }
    }
    return groesstes;
}

bool FensterExport::eventFilter(QObject *objekt, QEvent *e)
{
    if (objekt == fenster_ && (e->type() == QEvent::Show || e->type() == QEvent::Polish)) {
        bilderAnmelden();
    } else if (e->type() == QEvent::ContextMenu) {
        if (auto *b = qobject_cast<Bild *>(objekt)) {
            QMenu *m = Kontextmenue(b);
            m->setAttribute(Qt::WA_DeleteOnClose);
            m->popup(static_cast<QContextMenuEvent *>(e)->globalPos());
            return true;
        }
    }
    return QObject::eventFilter(objekt, e);
}

QMenu *FensterExport::Kontextmenue(Bild *bild)
{
    auto *m = new QMenu(fenster_);
    QPointer<Bild> ziel(bild);
    QAction *speichern = m->addAction(tr("Bild speichern …"), this, [this, ziel] {
        if (ziel)
            BildSpeichern(ziel);
    });
    QAction *kopie = m->addAction(tr("Bild kopieren"), this, [this, ziel] {
        if (ziel)
            BildKopieren(ziel);
    });
    // Ctrl+S and Ctrl+C act on the window's main picture.
    if (bild == HauptBild()) {
        speichern->setShortcut(QKeySequence::Save);
        kopie->setShortcut(QKeySequence::Copy);
        speichern->setShortcutVisibleInContextMenu(true);
        kopie->setShortcutVisibleInContextMenu(true);
    }
    const WerteTabelle werte = fenster_->Werte();
    if (werte.angeboten()) {
        m->addSeparator();
        QAction *csv = m->addAction(tr("Werte speichern (CSV) …"), this, [this] { WerteSpeichern(); });
        csv->setEnabled(!werte.leer());
    }
    return m;
}

QString FensterExport::vorschlag(const QString &endung) const
{
    return ExportOrdner() + QLatin1Char('/') +
           ExportName(FensterKurzname(fenster_), QDate::currentDate(), endung);
}

QFileDialog *FensterExport::dialog(const QString &titel, const QString &name, const QStringList &filter)
{
    if (dialog_)  // one at a time
        dialog_->close();
    auto *d = new QFileDialog(fenster_, titel, name);
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setFileMode(QFileDialog::AnyFile);
    d->setNameFilters(filter);
    d->setAttribute(Qt::WA_DeleteOnClose);
    dialog_ = d;
    return d;
}

void FensterExport::BildSpeichern(Bild *bild)
{
    if (!bild || bild->bild().isNull())
        return;
    const QImage jetzt = bild->bild().copy();  // the picture as it is when asked
    QFileDialog *d = dialog(tr("Bild speichern"), vorschlag(QStringLiteral("png")), {tr("PNG-Bild (*.png)")});
    d->setDefaultSuffix(QStringLiteral("png"));
    connect(d, &QFileDialog::fileSelected, this, [this, jetzt](const QString &datei) {
        if (BildDateiSchreiben(jetzt, datei))
            ExportOrdnerMerken(QFileInfo(datei).absolutePath());
        else
            Meldung(fenster_, MeldungsTyp::Fehler,
                    tr("Das Bild konnte nicht gespeichert werden:\n%1").arg(datei));
    });
    d->open();  // window-modal, returns at once: a run goes on meanwhile
}

void FensterExport::BildKopieren(Bild *bild)
{
    if (bild && !bild->bild().isNull())
        QGuiApplication::clipboard()->setImage(bild->bild().copy());
}

void FensterExport::kopieren()
{
    // In a text field Ctrl+C copies its selection.
    QWidget *fokus = QApplication::focusWidget();
    if (auto *z = qobject_cast<QLineEdit *>(fokus)) {
        z->copy();
        return;
    }
    if (auto *t = qobject_cast<QTextEdit *>(fokus)) {
        t->copy();
        return;
    }
    if (auto *p = qobject_cast<QPlainTextEdit *>(fokus)) {
        p->copy();
        return;
    }
    if (auto *s = qobject_cast<QAbstractSpinBox *>(fokus); s && s->findChild<QLineEdit *>()) {
        s->findChild<QLineEdit *>()->copy();
        return;
    }
    BildKopieren(HauptBild());
}

void FensterExport::WerteSpeichern()
{
    const WerteTabelle werte = fenster_->Werte();  // the values as they are when asked
    if (werte.leer())
        return;
    // the spreadsheets' usual form of the language first: comma and semicolon in German
    const QStringList filter = AktuelleSprache() == Sprache::Englisch ? QStringList{tr(filterPunkt), tr(filterKomma)}
                                                                       : QStringList{tr(filterKomma), tr(filterPunkt)};
    QFileDialog *d = dialog(tr("Werte speichern"), vorschlag(QStringLiteral("csv")), filter);
    d->setDefaultSuffix(QStringLiteral("csv"));
    connect(d, &QFileDialog::fileSelected, this, [this, werte, d](const QString &datei) {
        const bool komma = d->selectedNameFilter() != tr(filterPunkt);
        if (WerteDateiSchreiben(werte, datei, komma))
            ExportOrdnerMerken(QFileInfo(datei).absolutePath());
        else
            Meldung(fenster_, MeldungsTyp::Fehler,
                    tr("Die Werte konnten nicht gespeichert werden:\n%1").arg(datei));
    });
    d->open();
}

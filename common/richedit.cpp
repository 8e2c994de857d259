#include "richedit.h"

#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {
constexpr double PunktInPixel = 96.0 / 72.0;
constexpr int ErsterAbsatzBeschrieben = 1;  // user state of a first block that holds a written line
}  // namespace

int PixelGroesse(double punkte)
{
    // 1638 points is the largest size word processors offer.
    const double p = std::isfinite(punkte) ? std::clamp(punkte, 0.0, 1638.0) : 0.0;
    return std::max(1, Runde(p * 96 / 72.0));
}

// ---- RichEdit --------------------------------------------------------------------------

RichEdit::RichEdit(QWidget *parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setAcceptRichText(false);
    setUndoRedoEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Its own plain default font, so that the bold font of the window does not show
    // through in text without a font of its own.
    QFont schrift(QStringLiteral("Arial"));
    schrift.setPixelSize(PixelGroesse(10));
    schrift.setBold(false);
    setFont(schrift);
    setHintergrund(0xFFFFFF);
}

void RichEdit::setHintergrund(TColor farbe)
{
    hintergrund_ = farbe & 0xFFFFFF;
    QPalette p = palette();
    p.setColor(QPalette::Base, QFarbe(hintergrund_));
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}

void RichEdit::leeren()
{
    clear();
}

void RichEdit::zumAnfang()
{
    QTextCursor anfang(document());
    anfang.movePosition(QTextCursor::Start);
    setTextCursor(anfang);
    verticalScrollBar()->setValue(0);
}

void RichEdit::mouseReleaseEvent(QMouseEvent *e)
{
    QTextEdit::mouseReleaseEvent(e);
    emit mausLosgelassen();
}

bool RichEdit::canInsertFromMimeData(const QMimeData *quelle) const
{
    return quelle && quelle->hasText();
}

void RichEdit::insertFromMimeData(const QMimeData *quelle)
{
    if (quelle && quelle->hasText())
        textCursor().insertText(quelle->text());
}

// ---- attributes ---------------------------------------------------------------------------

QTextCharFormat Zeichenattribute::format() const
{
    QTextCharFormat f;
    f.setForeground(QFarbe(farbe));
    f.setProperty(QTextFormat::FontPixelSize, PixelGroesse(groesse));
    f.setFontFamilies(QStringList{schrift});
    f.setFontWeight(fett ? QFont::Bold : QFont::Normal);
    f.setFontItalic(kursiv);
    f.setFontUnderline(unterstrichen);
    if (lage == Lage::hoch)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (lage == Lage::tief)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (hintergrund)
        f.setBackground(QFarbe(*hintergrund));
    return f;
}

QTextBlockFormat Absatzattribute::format() const
{
    QTextBlockFormat f;
    // First line at ersterEinzug, later lines at ersterEinzug + linkerEinzug; Qt puts the
    // first line at leftMargin + textIndent and the later ones at leftMargin.
    f.setLeftMargin((ersterEinzug + linkerEinzug) * PunktInPixel);
    f.setTextIndent(-linkerEinzug * PunktInPixel);
    f.setRightMargin(rechterEinzug * PunktInPixel);
    switch (ausrichtung) {
    case Ausrichtung::links: f.setAlignment(Qt::AlignLeft); break;
    case Ausrichtung::zentriert: f.setAlignment(Qt::AlignHCenter); break;
    case Ausrichtung::rechts: f.setAlignment(Qt::AlignRight); break;
    case Ausrichtung::blocksatz: f.setAlignment(Qt::AlignJustify); break;
    }
    return f;
}

// ---- TextSchreiber ---------------------------------------------------------------------

TextSchreiber::TextSchreiber(RichEdit *edit) : edit_(edit) {}

namespace {
// True while the document holds nothing that a writer wrote: the first line then goes
// into the existing empty block instead of a new one.
bool Unbeschrieben(QTextDocument *doc)
{
    return doc->isEmpty() && doc->blockCount() == 1 && doc->firstBlock().userState() != ErsterAbsatzBeschrieben;
}
}  // namespace

void TextSchreiber::zeile(const QString &text)
{
    QTextDocument *doc = edit_->document();
    const QTextCharFormat cf = zeichen.format();
    const QTextBlockFormat bf = absatz.format();
    QTextCursor c(doc);
    c.movePosition(QTextCursor::End);
    if (Unbeschrieben(doc)) {
        c.setBlockFormat(bf);
        c.setBlockCharFormat(cf);
    } else {
        c.insertBlock(bf, cf);
    }
    c.insertText(text, cf);
    doc->firstBlock().setUserState(ErsterAbsatzBeschrieben);
}

void TextSchreiber::anhaengen(const QString &text)
{
    QTextDocument *doc = edit_->document();
    if (Unbeschrieben(doc)) {
        zeile(text);
        return;
    }
    QTextCursor c(doc);
    c.movePosition(QTextCursor::End);
    c.insertText(text, zeichen.format());
}

void TextSchreiber::leeren()
{
    edit_->leeren();
}

void TextSchreiber::ersteZeileErsetzen(const QString &text)
{
    QTextDocument *doc = edit_->document();
    if (Unbeschrieben(doc)) {
        zeile(text);
        return;
    }
    const QTextBlock b = doc->firstBlock();
    QTextCursor c(b);
    QTextCharFormat f = b.charFormat();
    if (b.length() > 1) {
        c.movePosition(QTextCursor::NextCharacter);
        f = c.charFormat();
        c.movePosition(QTextCursor::StartOfBlock);
    }
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.insertText(text, f);
}

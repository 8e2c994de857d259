// The push button with a glyph, answering Esc or Enter for its window, and Enter on the
// focused push button in every window.
#pragma once

#include <QPointer>
#include <QPushButton>

// A push button with an optional glyph. The cancel button answers Esc, the default
// button Enter, anywhere in its window unless the focused control or an open drop-down
// list uses the key itself.
class BitBtn : public QPushButton {
    Q_OBJECT
public:
    enum class Art { Normal, Abbrechen, Standard };
    explicit BitBtn(const QString &caption, QWidget *parent = nullptr, Art art = Art::Normal);
    void setGlyph(const QIcon &glyph);
    QIcon glyph() const { return icon(); }
    void setCaption(const QString &text) { setText(text); }
    QString caption() const { return text(); }

protected:
    bool event(QEvent *e) override;
    bool eventFilter(QObject *objekt, QEvent *e) override;

private:
    void FensterBeobachten();
    Art art_;
    QPointer<QWidget> fenster_;
};

// Enter (or the keypad's Enter) without modifiers presses the focused push button, and a
// button's accelerator presses it at once, in every window. Installed once for the
// application; later calls do nothing.
void KnoepfeAnTastenBinden();

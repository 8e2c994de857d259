// The panel: a coloured area with an optional bevel and a centred caption, clickable.
#pragma once

#include "global.h"

#include <QFrame>

// A panel: a coloured area with an optional bevel and a centred caption. A click on
// the panel (or on a child that does not take the mouse) emits geklickt(); a
// double-click is one click.
class Panel : public QFrame {
    Q_OBJECT
public:
    enum class Rand { Keiner, Gehoben, Gesenkt };
    explicit Panel(QWidget *parent = nullptr, Rand rand = Rand::Gehoben);

    void setFarbe(TColor farbe);
    TColor farbe() const { return farbe_; }
    void setCaption(const QString &text);
    QString caption() const { return caption_; }
    void setRand(Rand rand);
    void setTextFarbe(TColor farbe);
    void setAusrichtung(Qt::Alignment a);

signals:
    void geklickt();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    TColor farbe_ = 0xFFFFFF;
    TColor textFarbe_ = 0x000000;
    QString caption_;
    Qt::Alignment ausrichtung_ = Qt::AlignCenter;
    bool gedrueckt_ = false;
};

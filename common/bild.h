// The image control: a picture (QImage, RGB32) with the canvas bound to it, shown at its
// natural size or stretched to the widget, optionally with a transparent colour. The picture's
// buffer is made when it is first used (drawn on, read or shown with something drawn), so that
// a window never opened costs no picture memory; until then the picture is white.
// The buffer has the widget's device pixel ratio s (ceil(w·s) × ceil(h·s) pixels, see canvas.h)
// and is painted 1:1 onto the screen's pixels; sizes and coordinates stay logical.
#pragma once

#include "canvas.h"

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>

#include <functional>

class Bild : public QWidget {
    Q_OBJECT
public:
    explicit Bild(QWidget *parent = nullptr);

    Canvas &canvas()
    {
        anlegen();
        return canvas_;
    }
    // The buffer: device pixels (QImage::devicePixelRatio() is skala()).
    QImage &bild()
    {
        anlegen();
        return bild_;
    }
    // The picture's buffer exists.
    bool angelegt() const { return !anstehend_ && !bild_.isNull(); }
    // The picture's logical size (also before its buffer is made).
    QSize bildGroesse() const { return groesse_; }
    // Device pixels per logical pixel of the buffer (made or to be made): the one set, else
    // the widget's device pixel ratio.
    double skala() const;
    // Fixes the scale (0: the widget's); the picture is white again.
    void setSkala(double s);

    // Re-creates the picture w x h filled white and gives the widget that size.
    void setBildGroesse(int w, int h);
    // Returns the buffer; the picture is white again, and its next use makes a new one.
    void freigeben();
    // Takes a picture (converted to RGB32; of another device pixel ratio, enlarged to the
    // buffer's like the canvas draws such pictures); the canvas then draws on it.
    void ladeBild(const QImage &bild);
    // Where the picture comes from when its buffer is made (instead of white), e.g. a portrait
    // read from a file: it is read when first shown, and again after freigeben(). The second
    // form is asked for the picture at the buffer's device pixel ratio.
    void setQuelle(QSize groesse, std::function<QImage()> quelle);
    void setQuelle(QSize groesse, std::function<QImage(double skala)> quelle);

    // Pixels of the picture's bottom-left colour are not painted, so the parent shows through.
    void setTransparent(bool an);
    bool transparent() const { return transparent_; }
    // The picture is drawn scaled to the widget instead of at its natural size.
    void setStretch(bool an);
    bool stretch() const { return stretch_; }

    QSize sizeHint() const override;

    // What a screen reader says of the picture: its name is the widget's accessible name, its
    // description what it shows now, asked for each time it is read (empty: none given).
    // While a screen reader listens, a repaint that changes the description announces it (at
    // most once in 2 s).
    void setBeschreibung(std::function<QString()> beschreibung);
    QString beschreibung() const;

signals:
    void geklickt();
    void mausRunter(Qt::MouseButton knopf, int x, int y);
    void mausBewegt(int x, int y);
    void mausHoch(Qt::MouseButton knopf, int x, int y);
    void doppelKlick();

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    void anlegen();
    void bildGeaendert();
    void uebernehmen(const QImage &bild);  // bild_ := bild at the buffer's scale
    const QImage &transparentesBild();

    QImage bild_;
    Canvas canvas_;
    QSize groesse_;          // the picture's logical size
    bool anstehend_ = false;
    double skala_ = 0;       // set scale, 0: the widget's
    std::function<QImage(double)> quelle_;
    bool transparent_ = false;
    bool stretch_ = false;
    bool neuZeichnenAnstehend_ = false;  // an update() is pending; further changes need none
    bool klickAnstehend_ = false;        // left button went down on the widget
    QImage durchsichtig_;                // the picture with its transparent colour cleared
    bool durchsichtigVeraltet_ = true;
    std::function<QString()> beschreibung_;
    QString gemeldet_;  // the description last announced
    QElapsedTimer gemeldetUhr_;  // since then
};

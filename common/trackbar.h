// The track bar, with its strip of scale labels.
#pragma once

#include <QList>
#include <QPointer>
#include <QSlider>
#include <QString>

// A track bar. Horizontal: minimum at the left; vertical: minimum at the top. Up, Left
// and PgUp decrease, Down, Right and PgDn increase. valueChanged is the change handler's
// signal: it fires for changes by the user and by code when the value differs.
class TrackBar : public QSlider {
    Q_OBJECT
public:
    explicit TrackBar(Qt::Orientation o, QWidget *parent = nullptr);
    ~TrackBar() override;
    int Position() const { return value(); }
    void setPosition(int p) { setValue(p); }
    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    void setBereich(int min, int max, int position);
    void setFrequenz(int f) { setTickInterval(f); }
    // Scale labels: each text centred on the groove position of its value, in a strip of
    // the bar's parent right under the bar (or right above it); the strip follows the bar.
    struct Marke {
        int wert;
        QString text;
    };
    // The strip is shown and hidden with the bar; new marks replace the old ones.
    void setSkala(const QList<Marke> &marken, bool oben = false);
    QWidget *skala() const { return skala_.data(); }
    const QList<Marke> &skalaMarken() const { return marken_; }
    // Where each mark's text stands, in the parent's coordinates (empty without a strip).
    QList<QRect> skalaFelder() const;
    // The x of a value's groove position, in the bar's coordinates.
    int wertMitte(int wert) const;

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void moveEvent(QMoveEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;
    bool event(QEvent *e) override;

private:
    void skalaPlatzieren();
    QPointer<QWidget> skala_;  // a child of the parent, going with the bar
    QList<Marke> marken_;
    bool skalaOben_ = false;
};

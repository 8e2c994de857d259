// The up-down control: two arrow buttons holding a position.
#pragma once

#include <QWidget>

class QToolButton;

// The up-down control: two arrow buttons holding a position in Min..Max. A click on
// an arrow changes the position and then emits geklickt(); setting the position from
// code is silent. At a limit (without wrap) a click changes nothing and emits nothing.
class UpDown : public QWidget {
    Q_OBJECT
public:
    enum Knopf { Naechster, Voriger };  // up/right arrow, down/left arrow
    explicit UpDown(QWidget *parent = nullptr, Qt::Orientation o = Qt::Vertical);
    void setBereich(int min, int max, int position);
    void setPosition(int p);
    int Position() const { return pos_; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    void setSchritt(int s) { inc_ = s; }
    void setWrap(bool w) { wrap_ = w; }
    void klick(Knopf k);  // what a click on an arrow does

signals:
    void geklickt(UpDown::Knopf k);

protected:
    void resizeEvent(QResizeEvent *e) override;

private:
    QToolButton *hoch_, *runter_;
    Qt::Orientation o_;
    int pos_ = 0, min_ = 0, max_ = 100, inc_ = 1;
    bool wrap_ = false;
    bool imKlick_ = false;  // the last click's handler still runs (e.g. shows a message)
};

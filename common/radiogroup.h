// The captioned group of radio buttons.
#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;

// A captioned group of radio buttons. ItemIndex −1 selects none. geklickt() fires when
// the index changes, by the user or by code; changing the items keeps the index
// (clamped) and fires nothing.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioGroup(const QString &caption, const QStringList &items, QWidget *parent = nullptr,
                        int spalten = 1);
    int ItemIndex() const { return index_; }
    void setItemIndex(int i);
    void setItems(const QStringList &items);
    QStringList items() const { return items_; }
    void setSpalten(int spalten);
    QAbstractButton *knopf(int i) const;

signals:
    void geklickt();

private:
    void aufbauen();
    QStringList items_;
    int spalten_ = 1;
    int index_ = -1;
    QButtonGroup *gruppe_;
    QList<QAbstractButton *> knoepfe_;
};

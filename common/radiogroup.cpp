// The radio group: its buttons in columns and the selected index.
#include "radiogroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

#include <algorithm>

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, QWidget *parent, int spalten)
    : QGroupBox(caption, parent), items_(items), spalten_(std::max(1, spalten)), gruppe_(new QButtonGroup(this))
{
    new QGridLayout(this);
    connect(gruppe_, &QButtonGroup::idToggled, this, [this](int id, bool an) {
        if (an && id != index_) {
            index_ = id;
            emit geklickt();
        }
    });
    aufbauen();
}

void RadioGroup::aufbauen()
{
    QSignalBlocker sperre(gruppe_);
    auto *raster = static_cast<QGridLayout *>(layout());
    for (QAbstractButton *b : knoepfe_) {
        gruppe_->removeButton(b);
        delete b;
    }
    knoepfe_.clear();
    const int n = int(items_.size());
    const int zeilen = std::max(1, (n + spalten_ - 1) / spalten_);
    for (int i = 0; i < n; ++i) {
        auto *b = new QRadioButton(items_[i], this);
        gruppe_->addButton(b, i);
        raster->addWidget(b, i % zeilen, i / zeilen);
        knoepfe_.append(b);
    }
    index_ = std::min(index_, n - 1);
    if (index_ >= 0)
        knoepfe_[index_]->setChecked(true);
}

void RadioGroup::setItemIndex(int i)
{
    if (i < -1 || i >= knoepfe_.size() || i == index_)
        return;
    if (i == -1) {
        QSignalBlocker sperre(gruppe_);
        gruppe_->setExclusive(false);
        if (auto *b = gruppe_->checkedButton())
            b->setChecked(false);
        gruppe_->setExclusive(true);
        index_ = -1;
        return;
    }
    knoepfe_[i]->setChecked(true);  // idToggled sets index_ and emits geklickt()
}

void RadioGroup::setItems(const QStringList &items)
{
    items_ = items;
    aufbauen();
}

void RadioGroup::setSpalten(int spalten)
{
    spalten_ = std::max(1, spalten);
    aufbauen();
}

QAbstractButton *RadioGroup::knopf(int i) const
{
    return i >= 0 && i < knoepfe_.size() ? knoepfe_[i] : nullptr;
}

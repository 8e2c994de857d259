// The edit field whose key presses and pasted text pass through a filter.
#pragma once

#include <QLineEdit>

#include <functional>

// An edit field whose key presses pass through a filter first: the filter may change
// the character or set it to QChar() to swallow it (character keys, Enter = '\r',
// Backspace = '\b' and Esc = '\x1b' reach the filter; arrows and Delete do not). Text
// that arrives otherwise (pasted, dropped, middle click) passes the filter character by
// character as well.
class Edit : public QLineEdit {
    Q_OBJECT
public:
    explicit Edit(QWidget *parent = nullptr);
    std::function<void(QChar &taste)> tastenFilter;

signals:
    void doppelKlick();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;

private:
    friend class Eingabefilter;
    // Runs tun with text arriving by pasting (ja) passed through the filter.
    void Einfuegen(bool ja, const std::function<void()> &tun);
    bool einfuegen_ = false;  // text being pasted, dropped or inserted by a middle click
    QString vorher_;          // the text before the change being checked
};

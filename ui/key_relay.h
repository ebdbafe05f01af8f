#pragma once
// Key-press and click events of controls that Qt does not report as signals:
// a key pressed while a button has the focus, a click into a text box.

#include <QObject>

namespace tw::ui {

// Reports the keys a user types on a button (characters, Enter, Escape,
// Backspace) and swallows them. Space is left to the button, which clicks on
// it as every button does; Tab still moves the focus.
class KeyRelay : public QObject {
    Q_OBJECT
  public:
    // Watches `button`; the relay belongs to it.
    static KeyRelay* watch(QObject* button);

  signals:
    void keyPressed(int key);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};

// Reports a click (mouse button released inside) on a text box.
class ClickRelay : public QObject {
    Q_OBJECT
  public:
    static ClickRelay* watch(QObject* widget);

  signals:
    void clicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};

// Enter or Return, from the main keyboard or the keypad.
bool is_enter(int key);

}  // namespace tw::ui

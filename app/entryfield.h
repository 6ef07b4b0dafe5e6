// The one-line entry field: an ordinary line edit whose keys, cut and paste
// go through the calculator first.
#pragma once

#include <QLineEdit>

namespace korvo::app {

class KeyFlow;

class EntryField : public QLineEdit {
  public:
    explicit EntryField(QWidget* parent);
    void setKeyFlow(KeyFlow* flow) { flow_ = flow; }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    KeyFlow* flow_ = nullptr;
};

// Ctrl+X, Ctrl+C, Ctrl+V and Backspace belong to the whole window, whichever
// control has the focus.
bool isWindowShortcut(const QKeyEvent& event);

}  // namespace korvo::app

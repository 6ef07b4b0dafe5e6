// The main window's client area. It stands for the main window itself when
// the window holds the keyboard focus: a key pressed then moves the focus to
// the entry field, whose release handling gives the key's command.
#pragma once

#include <QWidget>

namespace korvo::app {

class KeyFlow;

class ClientArea : public QWidget {
  public:
    explicit ClientArea(QWidget* parent);
    void setKeyFlow(KeyFlow* flow) { flow_ = flow; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    KeyFlow* flow_ = nullptr;
};

}  // namespace korvo::app

// A picture key of the keypad. It takes the focus only from the keyboard
// and then shows a dotted mark around its face.
#pragma once

#include <QToolButton>

namespace korvo::app {

class PictureKey : public QToolButton {
  public:
    using QToolButton::QToolButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace korvo::app

// The "About Calculator" dialog.
#pragma once

#include <QDialog>

namespace korvo::app {

class AboutDialog : public QDialog {
  public:
    explicit AboutDialog(QWidget* owner);
};

// Pixels of a dialog-unit rectangle for a dialog font whose average
// character is `charWidth` x `charHeight` pixels: a horizontal unit is a
// quarter of the average width, a vertical unit an eighth of the height.
QRect dialogUnitsToPixels(const QRect& units, int charWidth, int charHeight);

}  // namespace korvo::app

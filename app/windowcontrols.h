// The main window's controls, created at their fixed places in its client
// area, and the font the labelled ones share.
#pragma once

#include <array>

class QCheckBox;
class QFont;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace korvo::app {

class EntryField;
class KeypadRow;
class ReadoutPanel;

struct WindowControls {
    QCheckBox* floatingPoint = nullptr;
    EntryField* entry = nullptr;
    QCheckBox* arc = nullptr;
    QLineEdit* memoryIndicator = nullptr;
    QPushButton* backSpace = nullptr;
    QLineEdit* operatorIndicator = nullptr;
    QPushButton* clearEntry = nullptr;
    QPushButton* clearAll = nullptr;
    QGroupBox* angleFrame = nullptr;
    QGroupBox* baseFrame = nullptr;
    QCheckBox* degrees = nullptr;
    QCheckBox* radians = nullptr;
    QRadioButton* decimal = nullptr;
    QRadioButton* hexadecimal = nullptr;
    QRadioButton* octal = nullptr;
    QRadioButton* binary = nullptr;
    std::array<KeypadRow*, 5> keypad{};
    ReadoutPanel* readout = nullptr;
};

// Creates every control inside `area` in the window's fixed order, with
// "Deg" and "Dec" checked.
WindowControls createControls(QWidget* area);

// Courier New, a character height of 12 pixels, medium weight.
QFont controlFont();

}  // namespace korvo::app

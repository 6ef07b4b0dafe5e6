#include "app/accessiblenames.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/entryfield.h"
#include "app/keypadrow.h"

namespace korvo::app {

namespace {

// A description already there (the control's shortcut) follows this one.
void describe(QWidget* w, const char* name, const char* description) {
    if (name != nullptr) {
        w->setAccessibleName(QString::fromLatin1(name));
    }
    QString text = QString::fromLatin1(description);
    if (!w->accessibleDescription().isEmpty()) {
        text += QStringLiteral(". ") + w->accessibleDescription();
    }
    w->setAccessibleDescription(text);
}

}  // namespace

void nameControls(const WindowControls& c, QWidget* mainWindowFocus) {
    describe(c.entry, "Entry", "The number being typed, and each result");
    describe(c.memoryIndicator, "Memory", "Shows M while the memory holds a number");
    describe(c.operatorIndicator, "Operator", "The operator last pressed");
    describe(c.backSpace, nullptr, "Removes the entry's last character");
    describe(c.clearEntry, "Clear entry", "Clears the entry; the calculation goes on");
    describe(c.clearAll, "Clear all", "Clears the entry, the calculation and the readout");
    describe(c.floatingPoint, nullptr, "Calculates with fractions instead of whole numbers");
    describe(c.arc, nullptr, "The next function key gives its inverse");
    describe(c.angleFrame, "Angle unit", "Degrees or radians for the angle functions");
    describe(c.baseFrame, "Base", "The base of the entry");
    describe(c.degrees, "Degrees", "Angles in degrees");
    describe(c.radians, "Radians", "Angles in radians");
    describe(c.decimal, "Decimal", "Entry in base 10");
    describe(c.hexadecimal, "Hexadecimal", "Entry in base 16");
    describe(c.octal, "Octal", "Entry in base 8");
    describe(c.binary, "Binary", "Entry in base 2");
    for (std::size_t row = 0; row < c.keypad.size(); ++row) {
        c.keypad.at(row)->setAccessibleName(QStringLiteral("Keypad row %1").arg(row + 1));
    }
    describe(mainWindowFocus, "Calculator",
             "Type numbers and operators; Tab moves through the keys, Space presses one");
}

}  // namespace korvo::app

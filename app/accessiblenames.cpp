#include "app/accessiblenames.h"

#include <QAccessible>
#include <QAccessibleWidget>
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

// Deg and Rad look like check boxes but act as one choice: screen readers
// get them as radio buttons.
constexpr const char* kOneChoice = "korvoOneChoice";

class OneChoiceAccessible : public QAccessibleWidget {
  public:
    explicit OneChoiceAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton), button_(button) {}

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button_->isChecked();
        return s;
    }
    [[nodiscard]] QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            button_->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    QAbstractButton* button_;
};

QAccessibleInterface* oneChoiceFactory(const QString& /*className*/, QObject* object) {
    auto* button = qobject_cast<QAbstractButton*>(object);
    if (button != nullptr && button->property(kOneChoice).toBool()) {
        return new OneChoiceAccessible(button);
    }
    return nullptr;
}

}  // namespace

void exposeAsOneChoice(QAbstractButton* button) {
    static const bool installed = [] {
        QAccessible::installFactory(oneChoiceFactory);
        return true;
    }();
    (void)installed;
    button->setProperty(kOneChoice, true);
    // An interface made while the button was built is a check box's.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(button);
    if (made != nullptr && made->role() != QAccessible::RadioButton) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

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

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

// A widget shown to screen readers in another role than its class's (see
// setAccessibleRole): a button keeps its check mark and its press, a line
// edit its text as the value.
constexpr const char* kRole = "korvoAccessibleRole";

class RoleAccessible : public QAccessibleWidget {
  public:
    RoleAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role),
          button_(qobject_cast<QAbstractButton*>(widget)),
          line_(qobject_cast<QLineEdit*>(widget)) {}

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (button_ != nullptr && button_->isCheckable()) {
            s.checkable = true;
            s.checked = button_->isChecked();
        }
        return s;
    }
    [[nodiscard]] QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value && line_ != nullptr) {
            return line_->text();
        }
        return QAccessibleWidget::text(t);
    }
    [[nodiscard]] QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (button_ != nullptr) {
            names.prepend(pressAction());
        }
        return names;
    }
    void doAction(const QString& action) override {
        if (button_ != nullptr && action == pressAction()) {
            button_->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    QAbstractButton* button_;
    QLineEdit* line_;
};

QAccessibleInterface* roleFactory(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const QVariant role = object->property(kRole);
    if (widget == nullptr || !role.isValid()) {
        return nullptr;
    }
    return new RoleAccessible(widget, static_cast<QAccessible::Role>(role.toInt()));
}

// The calculator moves the focus to the entry and back at every typed key;
// their descriptions are said the first time only, not after every key.
class DescribedOnce : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            static_cast<QWidget*>(watched)->setAccessibleDescription(QString());
            watched->removeEventFilter(this);
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    (void)installed;
    widget->setProperty(kRole, static_cast<int>(role));
    // An interface made while the widget was built has its class's role.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget);
    if (made != nullptr && made->role() != role) {
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
    auto* once = new DescribedOnce(mainWindowFocus);
    c.entry->installEventFilter(once);
    mainWindowFocus->installEventFilter(once);
}

}  // namespace korvo::app

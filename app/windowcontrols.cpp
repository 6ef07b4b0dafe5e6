#include "app/windowcontrols.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/accessiblenames.h"
#include "app/entryfield.h"
#include "app/keypadrow.h"
#include "app/readoutpanel.h"

namespace korvo::app {

namespace {

struct Place {
    int x;
    int y;
    int width;
    int height;
};

template <typename Control>
Control* place(Control* control, Place p, const QFont* font) {
    control->setGeometry(p.x, p.y, p.width, p.height);
    if (font != nullptr) {
        control->setFont(*font);
    }
    return control;
}

// Check boxes and radio buttons keep the focus a click gives them; buttons
// hand it back to the main window through their commands, so they never
// take it. Nothing is a tab stop.
template <typename Button>
Button* labelled(QWidget* area, const char* text, Place p, const QFont& font,
                 Qt::FocusPolicy focus) {
    auto* button = place(new Button(QString::fromLatin1(text), area), p, &font);
    button->setFocusPolicy(focus);
    return button;
}

// Check boxes and radio buttons outside a dialog do nothing with the arrow
// keys; Qt's would move the focus along them and check the next base.
class ArrowKeysIgnored : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            switch (static_cast<QKeyEvent*>(event)->key()) {
                case Qt::Key_Left:
                case Qt::Key_Right:
                case Qt::Key_Up:
                case Qt::Key_Down:
                    event->accept();  // nor does the main window see them
                    return true;
                default:
                    break;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

template <typename Button>
Button* switchButton(QWidget* area, const char* text, Place p, const QFont& font, QObject* arrows) {
    auto* button = labelled<Button>(area, text, p, font, Qt::ClickFocus);
    button->installEventFilter(arrows);
    return button;
}

QLineEdit* indicator(QWidget* area, Place p) {
    auto* box = place(new QLineEdit(area), p, nullptr);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setFocusPolicy(Qt::NoFocus);
    // Read only, never typed into: a text to read, not an edit control.
    setAccessibleRole(box, QAccessible::StaticText);
    return box;
}

QGroupBox* frame(QWidget* area, Place p) {
    auto* box = place(new QGroupBox(area), p, nullptr);
    box->setFocusPolicy(Qt::NoFocus);
    // Clicks pass through a frame to the buttons it overlaps.
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    return box;
}

}  // namespace

QFont controlFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(12);
    font.setWeight(QFont::Medium);
    return font;
}

WindowControls createControls(QWidget* area) {
    const QFont font = controlFont();
    auto* arrows = new ArrowKeysIgnored(area);
    WindowControls c;
    c.floatingPoint =
        switchButton<QCheckBox>(area, "Floating Point", {4, 4, 130, 12}, font, arrows);
    c.entry = place(new EntryField(area), {135, 0, 315, 22}, nullptr);
    c.entry->setFocusPolicy(Qt::ClickFocus);
    c.arc = switchButton<QCheckBox>(area, "Arc", {182, 32, 40, 12}, font, arrows);
    c.memoryIndicator = indicator(area, {239, 26, 25, 21});
    c.backSpace = labelled<QPushButton>(area, "Back Space", {271, 26, 80, 20}, font, Qt::NoFocus);
    c.operatorIndicator = indicator(area, {363, 26, 25, 21});
    c.clearEntry = labelled<QPushButton>(area, "CE", {399, 26, 20, 20}, font, Qt::NoFocus);
    c.clearAll = labelled<QPushButton>(area, "C", {429, 26, 20, 20}, font, Qt::NoFocus);
    c.angleFrame = frame(area, {178, 43, 85, 28});
    c.baseFrame = frame(area, {271, 43, 178, 28});
    c.degrees = switchButton<QCheckBox>(area, "Deg", {182, 55, 39, 12}, font, arrows);
    c.radians = switchButton<QCheckBox>(area, "Rad", {222, 55, 39, 12}, font, arrows);
    c.decimal = switchButton<QRadioButton>(area, "Dec", {275, 55, 40, 12}, font, arrows);
    c.hexadecimal = switchButton<QRadioButton>(area, "Hex", {318, 55, 40, 12}, font, arrows);
    c.octal = switchButton<QRadioButton>(area, "Oct", {361, 55, 40, 12}, font, arrows);
    c.binary = switchButton<QRadioButton>(area, "Bin", {404, 55, 40, 12}, font, arrows);
    // Deg and Rad are one choice: a click on the one in force keeps it.
    setAccessibleRole(c.degrees, QAccessible::RadioButton);
    setAccessibleRole(c.radians, QAccessible::RadioButton);
    auto* angleUnit = new QButtonGroup(area);
    angleUnit->addButton(c.degrees);
    angleUnit->addButton(c.radians);
    c.degrees->setChecked(true);
    c.decimal->setChecked(true);

    for (int row = 0; row < kKeypadRows; ++row) {
        c.keypad.at(static_cast<std::size_t>(row)) =
            place(new KeypadRow(area, row), {178, 74 + 29 * row, 272, 24}, nullptr);
    }

    c.readout = place(new ReadoutPanel(area), {4, 18, 161, 196}, nullptr);
    c.readout->setFocusPolicy(Qt::NoFocus);
    return c;
}

}  // namespace korvo::app

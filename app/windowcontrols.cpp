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
#include "calc/commandids.h"
#include "calc/windowlayout.h"

namespace korvo::app {

namespace {

template <typename Control>
Control* place(Control* control, LayoutRect p, const QFont* font) {
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
Button* labelled(QWidget* area, std::uint32_t id, const QFont& font, Qt::FocusPolicy focus) {
    const WindowControl& control = windowControl(id);
    const QString text =
        QString::fromLatin1(control.label.data(), static_cast<qsizetype>(control.label.size()));
    auto* button = place(new Button(text, area), control.rect, &font);
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
Button* switchButton(QWidget* area, std::uint32_t id, const QFont& font, QObject* arrows) {
    auto* button = labelled<Button>(area, id, font, Qt::ClickFocus);
    button->installEventFilter(arrows);
    return button;
}

QLineEdit* indicator(QWidget* area, std::uint32_t id) {
    auto* box = place(new QLineEdit(area), windowControl(id).rect, nullptr);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setFocusPolicy(Qt::NoFocus);
    // Read only, never typed into: a text to read, not an edit control.
    setAccessibleRole(box, QAccessible::StaticText);
    return box;
}

QGroupBox* frame(QWidget* area, std::uint32_t id) {
    auto* box = place(new QGroupBox(area), windowControl(id).rect, nullptr);
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
    c.floatingPoint = switchButton<QCheckBox>(area, cmd::kFloatingPoint, font, arrows);
    c.entry = place(new EntryField(area), windowControl(controlid::kEntryField).rect, nullptr);
    c.entry->setFocusPolicy(Qt::ClickFocus);
    c.arc = switchButton<QCheckBox>(area, cmd::kArc, font, arrows);
    c.memoryIndicator = indicator(area, controlid::kMemoryIndicator);
    c.backSpace = labelled<QPushButton>(area, cmd::kBackSpace, font, Qt::NoFocus);
    c.operatorIndicator = indicator(area, controlid::kOperatorIndicator);
    c.clearEntry = labelled<QPushButton>(area, cmd::kClearEntry, font, Qt::NoFocus);
    c.clearAll = labelled<QPushButton>(area, cmd::kClearAll, font, Qt::NoFocus);
    c.angleFrame = frame(area, controlid::kAngleFrame);
    c.baseFrame = frame(area, controlid::kBaseFrame);
    c.degrees = switchButton<QCheckBox>(area, cmd::kDegrees, font, arrows);
    c.radians = switchButton<QCheckBox>(area, cmd::kRadians, font, arrows);
    c.decimal = switchButton<QRadioButton>(area, cmd::kDecimal, font, arrows);
    c.hexadecimal = switchButton<QRadioButton>(area, cmd::kHexadecimal, font, arrows);
    c.octal = switchButton<QRadioButton>(area, cmd::kOctal, font, arrows);
    c.binary = switchButton<QRadioButton>(area, cmd::kBinary, font, arrows);
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
            place(new KeypadRow(area, row), keypadRowRect(row), nullptr);
    }

    c.readout = place(new ReadoutPanel(area), kReadoutPanel.rect, nullptr);
    c.readout->setFocusPolicy(Qt::NoFocus);
    return c;
}

}  // namespace korvo::app

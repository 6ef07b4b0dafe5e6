#include "app/mainwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

#include "app/aboutdialog.h"
#include "app/accessiblenames.h"
#include "app/announcer.h"
#include "app/clientarea.h"
#include "app/compactstyle.h"
#include "app/entryfield.h"
#include "app/keyflow.h"
#include "app/keypadrow.h"
#include "app/qtwindowsystem.h"
#include "app/resources.h"
#include "app/shortcuthint.h"
#include "app/tabnavigation.h"
#include "app/x11repeat.h"
#include "calc/clearall.h"
#include "calc/commandids.h"
#include "calc/dispatcher.h"
#include "calc/windowcommands.h"
#include "calc/windowlayout.h"

namespace korvo::app {

CalculatorWindow::CalculatorWindow()
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      quit_([] { QCoreApplication::exit(0); }) {
    initResources();
    useCompactStyle();
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    // Screen readers say the program's name first, then the title.
    setAccessibleName(QStringLiteral("korvocalc,") + QString::fromLatin1(kWindowTitle));
    area_ = new ClientArea(this);
    area_->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(area_);
    controls_ = createControls(area_);
    ws_ = std::make_unique<QtWindowSystem>(controls_, area_);
    showStartReadout(state_, *ws_);
    keys_ = std::make_unique<KeyFlow>(state_, *ws_);
    const QString platform = QGuiApplication::platformName();
    // Asked of the X server once the event loop runs, after the window's
    // map request has gone out: the round trip then does not delay the
    // window, and no key reaches the window before the loop runs.
    QTimer::singleShot(0, this, [this] { keys_->trustRepeatFlag(!useDetectableAutoRepeat()); });
    keys_->useKeyboardCodes(platform == QStringLiteral("xcb") ||
                            platform.startsWith(QStringLiteral("wayland")));
    area_->setKeyFlow(keys_.get());
    controls_.entry->setKeyFlow(keys_.get());
    announcer_ = std::make_unique<Announcer>(controls_, area_);
    enableTabNavigation(controls_, area_, *keys_);

    buildMenus();
    addShortcuts();
    connectControls();
    nameControls(controls_, area_);
    // Fixed size: no resizing, no maximising.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    placeOnScreen();
    area_->setFocus(Qt::OtherFocusReason);
}

void CalculatorWindow::placeOnScreen() {
    // At 200, 68 where the screen leaves room, otherwise as far towards it as
    // the screen allows: at a large scale factor or on a small screen the
    // window, title bar and frame included, still opens inside it.
    constexpr QPoint kPlace(200, 68);
    constexpr QSize kFrameAllowance(8, 32);  // a window manager's title bar and borders
    adjustSize();
    const QRect room = screen()->availableGeometry();
    const QSize outer = size() + kFrameAllowance;
    const int x =
        std::max(room.left(), std::min(room.left() + kPlace.x(), room.right() + 1 - outer.width()));
    const int y =
        std::max(room.top(), std::min(room.top() + kPlace.y(), room.bottom() + 1 - outer.height()));
    move(x, y);
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::command(std::uint32_t id) {
    runWindowCommand(state_, *ws_, id);
}

void CalculatorWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setAccessibleName(QStringLiteral("Menu"));
    bar->addAction(QStringLiteral("&Close"), this, [this] { quit_(); });

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    // The items show their shortcuts and name them to screen readers; the
    // shortcuts themselves belong to the window (they are checked as they
    // act), so the items' own act only inside the open menu.
    const auto item = [this, edit](const char* text, QKeyCombination keys, std::uint32_t id) {
        QAction* action =
            edit->addAction(QString::fromLatin1(text), this, [this, id] { command(id); });
        action->setShortcut(QKeySequence(keys));
        action->setShortcutContext(Qt::WidgetShortcut);
        return action;
    };
    cut_ = item("&Cut", Qt::CTRL | Qt::Key_X, cmd::kCut);
    copy_ = item("&Copy", Qt::CTRL | Qt::Key_C, cmd::kCopy);
    item("&Paste", Qt::CTRL | Qt::Key_V, cmd::kPasteMenu);

    // Info and About open after the item's action has returned: a screen
    // reader that triggers them gets its answer before the box opens.
    QMenu* information = bar->addMenu(QStringLiteral("&Information"));
    information->addAction(QStringLiteral("&Info"), this, [this] {
        QTimer::singleShot(0, this, [this] { command(cmd::kInfo); });
    });
    information->addAction(QStringLiteral("&About"), this,
                           [this] { QTimer::singleShot(0, this, [this] { showAbout(); }); });

    for (QMenu* menu : {edit, information}) {
        connect(menu, &QMenu::aboutToShow, this, [this] { updateEditItems(); });
        // A menu closed with Esc leaves the menu bar holding the keyboard,
        // unseen; the keys go back to the calculator at once, unless
        // another menu is opening (Left and Right).
        connect(menu, &QMenu::aboutToHide, this, [this, bar] {
            QTimer::singleShot(0, this, [this, bar] {
                if (QApplication::activePopupWidget() == nullptr && bar->hasFocus()) {
                    area_->setFocus(Qt::OtherFocusReason);
                }
            });
        });
        // A screen reader names an open pop-up by its title.
        menu->setWindowTitle(menu->title().remove(QLatin1Char('&')));
    }
}

void CalculatorWindow::addShortcuts() {
    const auto shortcut = [this](QKeyCombination keys, std::function<void()> act) {
        auto* s = new QShortcut(QKeySequence(keys), this);
        s->setContext(Qt::WindowShortcut);
        // A held Backspace goes on deleting; a held Ctrl+V pastes once.
        s->setAutoRepeat(keys.key() == Qt::Key_Backspace);
        connect(s, &QShortcut::activated, this, std::move(act));
    };
    shortcut(Qt::CTRL | Qt::Key_X, [this] {
        if (updateEditItems()) {
            command(cmd::kCut);
        }
    });
    shortcut(Qt::CTRL | Qt::Key_C, [this] {
        if (updateEditItems()) {
            command(cmd::kCopy);
        } else {
            ws_->copyWholeEntry();  // nothing selected: the whole number
        }
    });
    shortcut(Qt::CTRL | Qt::Key_V, [this] { command(cmd::kPasteMenu); });
    shortcut(QKeyCombination(Qt::Key_Backspace), [this] { command(cmd::kBackSpace); });
}

bool CalculatorWindow::updateEditItems() {
    const bool enabled = cutCopyEnabled(state_, *ws_);
    cut_->setEnabled(enabled);
    copy_->setEnabled(enabled);
    return enabled;
}

void CalculatorWindow::connectControls() {
    const auto clicked = [this](QAbstractButton* button, std::uint32_t id) {
        describeShortcut(button, button->text(), id);
        // Qt has already toggled the check box or checked the radio button.
        connect(button, &QAbstractButton::clicked, this, [this, id] { command(id); });
    };
    clicked(controls_.backSpace, cmd::kBackSpace);
    clicked(controls_.clearEntry, cmd::kClearEntry);
    clicked(controls_.clearAll, cmd::kClearAll);
    clicked(controls_.degrees, cmd::kDegrees);
    clicked(controls_.radians, cmd::kRadians);
    clicked(controls_.decimal, cmd::kDecimal);
    clicked(controls_.hexadecimal, cmd::kHexadecimal);
    clicked(controls_.octal, cmd::kOctal);
    clicked(controls_.binary, cmd::kBinary);
    clicked(controls_.floatingPoint, cmd::kFloatingPoint);
    clicked(controls_.arc, cmd::kArc);
    for (KeypadRow* row : controls_.keypad) {
        row->onCommand([this](std::uint32_t id) { dispatchKeypadCommand(state_, *ws_, id); });
    }
}

void CalculatorWindow::showAbout() {
    AboutDialog dialog(area_);
    dialog.exec();
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
    // Closing ends the program; the window itself stays until it does.
    event->ignore();
    quit_();
}

}  // namespace korvo::app

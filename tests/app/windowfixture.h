// Shared by the GUI tests: the real window, shown and active, and helpers
// that act on it as a person would.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "app/clientarea.h"
#include "app/entryfield.h"
#include "app/mainwindow.h"
#include "app/qtwindowsystem.h"
#include "app/readoutpanel.h"

namespace korvo::app::testing {

struct WindowFixture {
    WindowFixture() : window(std::make_unique<CalculatorWindow>()) {
        window->onQuit([this] { ++quits; });
        window->show();
        window->activateWindow();
        ready = QTest::qWaitForWindowActive(window.get());
    }
    [[nodiscard]] const WindowControls& controls() const { return window->controls(); }
    [[nodiscard]] QString entry() const { return controls().entry->text(); }
    [[nodiscard]] QString operatorMark() const { return controls().operatorIndicator->text(); }
    [[nodiscard]] QToolButton* key(const QString& accessibleName) const {
        for (auto* button : window->findChildren<QToolButton*>()) {
            if (button->accessibleName() == accessibleName) {
                return button;
            }
        }
        return nullptr;
    }
    void click(const QString& keyName) const { QTest::mouseClick(key(keyName), Qt::LeftButton); }
    // Keys as the keyboard delivers them: to the focus, shortcuts first.
    void type(const char* keys) const {
        for (const char* c = keys; *c != '\0'; ++c) {
            QTest::keyClick(window->windowHandle(), *c);
        }
    }
    void stroke(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }
    [[nodiscard]] int beeps() const { return window->windowSystem().beeps(); }
    [[nodiscard]] static QWidget* focus() { return QApplication::focusWidget(); }
    [[nodiscard]] bool focusOnMainWindow() const { return focus() == window->clientArea(); }

    std::unique_ptr<CalculatorWindow> window;
    bool ready = false;
    int quits = 0;
};

// Runs `act`, and `handle` on the first Box that shows meanwhile or after.
template <typename Box>
void whileOpen(const std::function<void()>& act, const std::function<void(Box*)>& handle) {
    bool handled = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<Box*>(widget); box && box->isVisible() && !handled) {
                handled = true;
                handle(box);
            }
        }
    });
    poll.start(5);
    act();
    QTRY_VERIFY(handled);
}

}  // namespace korvo::app::testing

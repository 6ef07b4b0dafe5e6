// Shared by the GUI tests: the real window, shown and active, and helpers
// that act on it as a person would.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "app/clientarea.h"
#include "app/entryfield.h"
#include "app/mainwindow.h"
#include "app/qtwindowsystem.h"
#include "app/readoutpanel.h"

namespace korvo::app::testing {

class WindowFixture {
  public:
    WindowFixture() : window(std::make_unique<CalculatorWindow>()) {
        window->onQuit([this] { ++quits; });
        window->show();
        window->activateWindow();
        ready = QTest::qWaitForWindowActive(window.get());
    }

    [[nodiscard]] const WindowControls& controls() const { return window->controls(); }
    [[nodiscard]] QString entry() const { return controls().entry->text(); }
    [[nodiscard]] QString operatorMark() const {
        return controls().operatorIndicator->text().trimmed();
    }

    // The keypad key whose accessible name is `name`, or null.
    [[nodiscard]] QToolButton* key(const QString& name) const {
        for (auto* button : window->findChildren<QToolButton*>()) {
            if (button->accessibleName() == name) {
                return button;
            }
        }
        return nullptr;
    }
    void click(const QString& keyName) const {
        QToolButton* button = key(keyName);
        QVERIFY2(button != nullptr, qPrintable(keyName));
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void click(QAbstractButton* button) const { QTest::mouseClick(button, Qt::LeftButton); }

    // Keys as the keyboard delivers them: each event to whatever has the
    // focus at that moment, shortcuts first.
    void type(const char* keys) const {
        for (const char* c = keys; *c != '\0'; ++c) {
            QTest::keyClick(window->windowHandle(), *c);
        }
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyPress(window->windowHandle(), key, modifiers);
    }
    void release(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyRelease(window->windowHandle(), key, modifiers);
    }
    void stroke(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }

    // Sounded so far.
    [[nodiscard]] int beeps() const { return window->windowSystem().beeps(); }

    [[nodiscard]] QWidget* focus() const { return QApplication::focusWidget(); }
    [[nodiscard]] bool focusOnMainWindow() const { return focus() == window->clientArea(); }

    std::unique_ptr<CalculatorWindow> window;
    bool ready = false;
    int quits = 0;
};

// Presses OK on every message box that opens while it lives, and keeps
// what each box said.
class MessageCatcher {
  public:
    MessageCatcher() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }
    QStringList captions;
    QStringList texts;
    QList<bool> modal;

  private:
    void poll() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box != nullptr && box->isVisible()) {
                captions << box->windowTitle();
                texts << box->text();
                modal << box->isModal();
                box->button(QMessageBox::Ok)->click();
            }
        }
    }
    QTimer timer_;
};

}  // namespace korvo::app::testing

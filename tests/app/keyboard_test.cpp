// Typed keys: the press at the main window moves the focus to the entry
// field, the release gives the key's command, once per physical press; the
// window-wide shortcuts; typing over a selection.
#include <QCheckBox>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "windowfixture.h"

using namespace korvo::app;
using korvo::app::testing::MessageCatcher;
using korvo::app::testing::WindowFixture;

class KeyboardTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        f_ = std::make_unique<WindowFixture>();
        QVERIFY(f_->ready);
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { f_.reset(); }

    void pressMovesTheFocusAndReleaseGivesTheCommand() {
        QVERIFY(f_->focusOnMainWindow());
        f_->press(Qt::Key_1);
        QCOMPARE(f_->focus(), f_->controls().entry);
        QCOMPARE(f_->entry(), QString());  // nothing inserted at the press
        f_->release(Qt::Key_1);
        QCOMPARE(f_->entry(), QStringLiteral("1"));
        QVERIFY(f_->focusOnMainWindow());
        f_->type("23");
        QCOMPARE(f_->entry(), QStringLiteral("123"));
    }

    void typedCalculation_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("entry");
        QTest::newRow("plus and equals") << "12+3="
                                         << "15";
        QTest::newRow("star multiplies") << "6*7="
                                         << "42";
        QTest::newRow("semicolon multiplies") << "6;7="
                                              << "42";
        QTest::newRow("slash divides") << "8/2="
                                       << "4";
        QTest::newRow("minus") << "9-4="
                               << "5";
        QTest::newRow("point") << "1.5"
                               << "1.5";
        QTest::newRow("hex letters ignored in base 10") << "1AF2"
                                                        << "12";
    }
    void typedCalculation() {
        QFETCH(QString, keys);
        QFETCH(QString, entry);
        f_->type(keys.toLatin1().constData());
        QCOMPARE(f_->entry(), entry);
    }

    void enterAndKeypadKeys() {
        f_->stroke(Qt::Key_7, Qt::KeypadModifier);
        f_->stroke(Qt::Key_Plus, Qt::KeypadModifier);
        f_->stroke(Qt::Key_2, Qt::KeypadModifier);
        f_->stroke(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(f_->entry(), QStringLiteral("9"));
        QCOMPARE(f_->operatorMark(), QStringLiteral("="));
        f_->stroke(Qt::Key_5);
        f_->stroke(Qt::Key_Return);
        QCOMPARE(f_->operatorMark(), QStringLiteral("="));
    }

    void plusAndStarAreNeverInserted() {
        // With the focus already in the field, the characters themselves
        // arrive there: each gives its command once and stays out of the text.
        f_->type("4");
        f_->controls().entry->setFocus();
        QTest::keyClick(f_->window->windowHandle(), '+');
        QCOMPARE(f_->operatorMark(), QStringLiteral("+"));
        QVERIFY(!f_->entry().contains(QLatin1Char('+')));
        f_->type("5");
        f_->controls().entry->setFocus();
        QTest::keyClick(f_->window->windowHandle(), '*');
        QCOMPARE(f_->operatorMark(), QStringLiteral("x"));
        QVERIFY(!f_->entry().contains(QLatin1Char('*')));
        f_->type("3=");
        QCOMPARE(f_->entry(), QStringLiteral("27"));
    }

    void keyWithTheFocusInTheFieldEntersOnce() {
        f_->type("1");
        f_->controls().entry->setFocus();
        f_->type("2");
        QCOMPARE(f_->entry(), QStringLiteral("12"));
    }

    void overlappingPressesEachEnterTheirDigit() {
        f_->press(Qt::Key_1);
        f_->press(Qt::Key_2);
        f_->release(Qt::Key_1);
        f_->release(Qt::Key_2);
        QCOMPARE(f_->entry(), QStringLiteral("12"));
    }

    void autoRepeatGivesNoExtraCommands() {
        f_->press(Qt::Key_7);
        for (int i = 0; i < 3; ++i) {
            for (QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
                QKeyEvent repeat(type, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"), true);
                QApplication::sendEvent(QApplication::focusWidget(), &repeat);
            }
        }
        QCOMPARE(f_->entry(), QString());  // the command waits for the real release
        f_->release(Qt::Key_7);
        QCOMPARE(f_->entry(), QStringLiteral("7"));
    }

    void unmappedKeyLeavesTheFocusInTheField() {
        f_->stroke(Qt::Key_Left);
        QCOMPARE(f_->focus(), f_->controls().entry);
        QCOMPARE(f_->entry(), QString());
    }

    void typingOverASelectionClears() {
        f_->type("5+12");
        QLineEdit* entry = f_->controls().entry;
        entry->setFocus();
        entry->selectAll();
        f_->stroke(Qt::Key_9);
        // Cleared at the press: the pending addition is gone and the typed
        // digit stands alone, entered once.
        QCOMPARE(f_->entry(), QStringLiteral("9"));
        QCOMPARE(f_->operatorMark(), QString());
        QVERIFY(f_->focusOnMainWindow());
        f_->type("3=");
        QCOMPARE(f_->entry(), QStringLiteral("93"));
    }

    void backspaceWorksAnywhereInTheWindow() {
        f_->type("456");
        f_->stroke(Qt::Key_Backspace);
        QCOMPARE(f_->entry(), QStringLiteral("45"));
        f_->controls().entry->setFocus();
        f_->stroke(Qt::Key_Backspace);
        QCOMPARE(f_->entry(), QStringLiteral("4"));
        f_->click(f_->controls().arc);
        QCOMPARE(f_->focus(), f_->controls().arc);
        f_->stroke(Qt::Key_Backspace);
        QCOMPARE(f_->entry(), QString());
    }

    void keysOnAFocusedSwitchReachTheCalculator() {
        f_->click(f_->controls().arc);
        f_->type("7");
        QCOMPARE(f_->entry(), QStringLiteral("7"));
        QVERIFY(f_->controls().arc->isChecked());
    }

    void arrowsOnAFocusedSwitchChangeNothing() {
        // Check boxes and radio buttons outside a dialog ignore the arrows:
        // they neither move the focus nor choose another base.
        f_->type("255");
        QRadioButton* hex = f_->controls().hexadecimal;
        f_->click(hex);
        f_->click(hex);  // the base in force: the focus stays on the button
        QCOMPARE(f_->focus(), hex);
        for (Qt::Key arrow : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up}) {
            f_->stroke(arrow);
            QCOMPARE(f_->focus(), hex);
            QVERIFY(hex->isChecked());
            QCOMPARE(f_->window->state().radix, 16U);
        }
        QCOMPARE(f_->entry(), QStringLiteral("FF"));

        QCheckBox* arc = f_->controls().arc;
        f_->click(arc);
        f_->stroke(Qt::Key_Right);
        QCOMPARE(f_->focus(), arc);
        f_->stroke(Qt::Key_Space);  // Space still toggles it
        QVERIFY(!arc->isChecked());
    }

    void copyAndCutNeedASelection() {
        f_->type("123");
        f_->stroke(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
        QLineEdit* entry = f_->controls().entry;
        entry->setSelection(0, 2);
        f_->stroke(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12"));
        QCOMPARE(f_->entry(), QStringLiteral("123"));  // copying clears nothing
        entry->setSelection(1, 2);
        f_->stroke(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("23"));
        QCOMPARE(f_->entry(), QString());  // a cut clears the calculator
    }

    void pasteIsCheckedAgainstTheBase() {
        QGuiApplication::clipboard()->setText(QStringLiteral("1234"));
        f_->stroke(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f_->entry(), QStringLiteral("1234"));
        QCOMPARE(f_->controls().readout->picture()->hexadecimal.text, std::string("4D2"));

        MessageCatcher catcher;
        QGuiApplication::clipboard()->setText(QStringLiteral("12G"));
        f_->stroke(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(catcher.captions, QStringList{QStringLiteral("KORVO CALCULATOR")});
        QCOMPARE(catcher.texts,
                 QStringList{QStringLiteral(
                     "Your Paste Selection Is Out Of\nRange For The Base Setting!")});
        QCOMPARE(catcher.modal, QList<bool>{true});
        QCOMPARE(f_->entry(), QString());
    }

    void theLineEditsOwnPasteAndCutKeysAreChecked() {
        f_->type("12");
        f_->controls().entry->setFocus();
        MessageCatcher catcher;
        QGuiApplication::clipboard()->setText(QStringLiteral("0.5Z"));
        f_->stroke(Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(catcher.texts.size(), 1);
        QCOMPARE(f_->entry(), QString());
        f_->window->activateWindow();  // a window manager would, once the box is gone
        QVERIFY(QTest::qWaitForWindowActive(f_->window.get()));

        f_->type("5+34");
        f_->controls().entry->setFocus();
        f_->controls().entry->setSelection(0, 1);
        // Shift already held when the text was selected (its own press
        // with a selection would clear the calculator at once).
        QKeyEvent cut(QEvent::KeyPress, Qt::Key_Delete, Qt::ShiftModifier);
        QApplication::sendEvent(f_->controls().entry, &cut);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("3"));
        QCOMPARE(f_->entry(), QString());
        f_->type("1=");
        QCOMPARE(f_->entry(), QStringLiteral("1"));  // the addition was cleared too
    }

  private:
    std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"

// The key flow against a calculator without a window, with key events as
// an X server delivers them: each physical press is one command, whatever
// the timing, and the digit row is known by its keys on any layout.
#include <QKeyEvent>
#include <QTest>
#include <memory>

#include "app/keyflow.h"
#include "cli/headlesswindow.h"

using korvo::app::KeyFlow;

namespace {

struct Bench {
    explicit Bench(bool trustRepeatFlag = true, bool keyboardCodes = true) {
        flow.trustRepeatFlag(trustRepeatFlag);
        flow.useKeyboardCodes(keyboardCodes);
    }
    // A press (at the focus) or a release of the key with X key code `code`,
    // all in one millisecond.
    void press(Qt::Key key, const char* text, quint32 code, bool repeat = false,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent e(QEvent::KeyPress, key, modifiers, code, 0, 0, QString::fromLatin1(text),
                    repeat);
        const bool inField = ws.focus() == korvo::HeadlessWindow::Focus::EntryField;
        inField ? static_cast<void>(flow.entryFieldPress(e)) : flow.mainWindowPress(e);
    }
    void release(Qt::Key key, const char* text, quint32 code, bool repeat = false) {
        flow.release(QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, code, 0, 0,
                               QString::fromLatin1(text), repeat));
    }
    void strike(Qt::Key key, const char* text, quint32 code,
                Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        press(key, text, code, false, modifiers);
        release(key, text, code);
    }
    korvo::CalculatorState s;
    korvo::HeadlessWindow ws;
    KeyFlow flow{s, ws};
};

}  // namespace

class KeyFlowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void sameKeyTwiceInOneMillisecondIsTwoCommands() {
        // The X11 backend marks such a pair as a repeat; with the server
        // reporting repeats itself, that guess is not believed.
        Bench b(false);
        b.press(Qt::Key_7, "7", 16);
        b.release(Qt::Key_7, "7", 16, true);
        b.press(Qt::Key_7, "7", 16, true);
        b.release(Qt::Key_7, "7", 16);
        QCOMPARE(b.ws.entryText(), std::string("77"));
    }

    void heldKeyGivesOneCommand() {
        // "+" acts at its press in the field: a repeated one would add twice.
        for (const bool trust : {true, false}) {
            Bench b(trust);
            b.strike(Qt::Key_5, "5", 14);
            for (int i = 0; i < 4; ++i) {  // repeats: presses of a key still down
                b.press(Qt::Key_Plus, "+", 86, i > 0 && trust);
            }
            b.release(Qt::Key_Plus, "+", 86);
            b.strike(Qt::Key_Equal, "=", 21);
            QCOMPARE(b.ws.entryText(), std::string("10"));
        }
    }

    void markedRepeatPairsGiveNoCommand() {
        Bench b;  // as Wayland sends a held key's repeats
        b.press(Qt::Key_7, "7", 16);
        for (int i = 0; i < 2; ++i) {
            b.release(Qt::Key_7, "7", 16, true);
            b.press(Qt::Key_7, "7", 16, true);
        }
        QCOMPARE(b.ws.entryText(), std::string());  // still held
        b.release(Qt::Key_7, "7", 16);
        QCOMPARE(b.ws.entryText(), std::string("7"));
    }

    void releaseUnderAnotherKeyStillGivesItsCommand() {
        // Shift let go before the key: "*" goes down, "8" comes up.
        Bench b;
        b.strike(Qt::Key_6, "6", 15);
        b.press(Qt::Key_Asterisk, "*", 17, false, Qt::ShiftModifier);
        b.release(Qt::Key_8, "8", 17);
        b.strike(Qt::Key_7, "7", 16);
        b.strike(Qt::Key_Equal, "=", 21);
        QCOMPARE(b.ws.entryText(), std::string("42"));
    }

    void ctrlWithAKeyThatIsNoShortcutTypesNothing() {
        Bench b;
        b.strike(Qt::Key_5, "5", 14, Qt::ControlModifier);  // at the main window
        b.strike(Qt::Key_5, "5", 14, Qt::ControlModifier);  // in the entry field
        QCOMPARE(b.ws.entryText(), std::string());
    }

    void digitRowGoesByItsKeysOnAnyLayout() {
        // The "&" key of a French layout is the key 1; Shift+7 of a German
        // layout types "/" and is still the key 7.
        Bench b;
        b.strike(Qt::Key_Ampersand, "&", 10);
        b.strike(Qt::Key_Slash, "/", 16, Qt::ShiftModifier);
        b.strike(Qt::Key_Equal, "=", 19, Qt::ShiftModifier);
        QCOMPARE(b.ws.entryText(), std::string("170"));
        Bench symbols(true, false);  // where the platform gives no key codes
        symbols.strike(Qt::Key_Ampersand, "&", 10);
        QCOMPARE(symbols.ws.entryText(), std::string("7"));  // Shift+7 of a US layout
    }
};

QTEST_MAIN(KeyFlowTest)
#include "keyflow_test.moc"

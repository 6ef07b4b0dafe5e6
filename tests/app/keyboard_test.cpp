// The keyboard as a user meets it: every key press gives its key's command
// once, whatever the timing, typed characters never reach the entry field,
// every keypad key and switch has a key, and the window-wide shortcuts.
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMessageBox>

#include "app/keyflow.h"
#include "cli/headlesswindow.h"
#include "windowfixture.h"

using korvo::app::testing::WindowFixture;

namespace {

// One token of a row: a key as Qt spells it ("Ctrl+M", "Shift+S", "Num+7",
// "F5"); | puts the focus into the entry field and [ selects its text;
// @Name clicks a switch.
void run(const WindowFixture& f, const QString& token) {
    const korvo::app::WindowControls& c = f.controls();
    const QHash<QString, QAbstractButton*> switches{
        {"@Arc", c.arc}, {"@Hex", c.hexadecimal}, {"@Deg", c.degrees}};
    if (switches.contains(token)) {
        QTest::mouseClick(switches.value(token), Qt::LeftButton);
    } else if (token == "|" || token == "[") {
        c.entry->setFocus();
        token == "[" ? c.entry->selectAll() : void();
    } else {
        const QKeyCombination key = QKeySequence::fromString(token)[0];
        QVERIFY2(key.key() != Qt::Key_unknown, qPrintable(token));
        f.stroke(key.key(), key.keyboardModifiers());
    }
}

}  // namespace

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
        QTest::keyPress(f_->window->windowHandle(), Qt::Key_1);
        QCOMPARE(f_->focus(), f_->controls().entry);
        QCOMPARE(f_->entry(), QString());  // nothing inserted at the press
        QTest::keyRelease(f_->window->windowHandle(), Qt::Key_1);
        QCOMPARE(f_->entry(), QStringLiteral("1"));
        QVERIFY(f_->focusOnMainWindow());
    }

    void keys_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("mark");
        QTest::addColumn<int>("beeps");
        const auto row = [](const char* keys, const char* entry, const char* mark = "",
                            int beeps = 0) {
            QTest::newRow(keys) << QString::fromLatin1(entry) << QString::fromLatin1(mark) << beeps;
        };
        row("8 / 2 =", "4", "=");
        row("2 + 5 Return", "7", "=");
        row("Num+7 Num++ Num+2 Num+Enter", "9", "=");
        // Characters that are no digit of the base never enter the field,
        // wherever the focus is; a digit typed there enters once.
        row("1 , 5 + 1 =", "16", "=");
        row("2 Space 3 x + 1 =", "24", "=");
        row("| , 1 x x 5 Space Space", "15");
        row("4 | + 5 =", "9", "=");
        row("5 | * 3 =", "15", "=");
        row("F5 1 Ctrl+C Ctrl+A", "1");
        // With Shift a key goes by the character it types: "%" and "^" are
        // percent and x^N, "+" and "*" act once, other symbols do nothing.
        row("2 0 0 + 1 0 Shift+% =", "220", "=");
        row("2 Shift+^ 1 0 =", "1024", "=");
        row("1 Shift+! Shift+@ Shift+# Shift+$ Shift+& Shift+( Shift+) Shift+: Shift+> 2", "12");
        row("1 2 Shift++ 3 =", "15", "=");
        row("6 Shift+* 7 =", "42", "=");
        row("3 0 Shift+S", "0.5");
        // Typing over a selection starts afresh, then the key acts.
        row("5 + 1 2 [ 9 3 =", "93", "=");
        row("5 + 1 2 [ ; 4 =", "0", "=");
        // A click on a switch hands the focus back: the next key counts.
        row("2 5 5 @Hex @Hex 1", "FF1");
        row("@Arc 7", "7");
        row("@Deg 7", "7");
        row("4 5 6 Backspace", "45");
        row("4 5 | Backspace", "4");
        // The rest of the keypad and the switches.
        row("9 w r q", "0.1111111111111111112");
        row("2 F9", "-2");
        row("p", "3.141592653589793238");
        row("5 Esc", "");
        row("5 + 3 Delete 2 =", "7", "=");
        row("7 Ctrl+M 5 Ctrl+P 2 Ctrl+Q Esc Ctrl+R", "10");
        row("7 Ctrl+M Ctrl+L Ctrl+R", "0");
        row("2 y 3 =", "8", "=");
        row("3 h 4 =", "5", "=");
        row("2 0 0 + 1 0 g", "20");
        row("3 0 Ctrl+S", "2");
        row("4 5 t Ctrl+T", "57.28996163075942469");
        row("6 0 o Ctrl+O", "1.000038078385736961");
        row("2 k l j n", "54.59815003314423908");
        row("i 1 s", "90");
        row("F2 9 0 s", "0.8939966636005578905");
        row("F2 F2 3 0 s", "0.5");
        row("F3 1 / 3 =", "0.3333333333333333333", "=");
        row("1 0 F7", "12");
        row("F8 1 0 1", "101");
        row("F5 1 f F6", "31");
        // A factor is cut to 16 characters at the key's release, with a beep.
        row("9 * 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1", "1111111111111111", "", 2);
    }
    void keys() {
        for (const QString& token : QString::fromLatin1(QTest::currentDataTag()).split(' ')) {
            run(*f_, token);
        }
        QTEST(f_->entry(), "entry");
        QTEST(f_->operatorMark(), "mark");
        QTEST(f_->beeps(), "beeps");
    }

    void inputMethodsCommitNothing() {
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("x\u00e9"));
        QApplication::sendEvent(f_->controls().entry, &commit);
        QCOMPARE(f_->entry(), QString());
    }

    void signKeyLeavesTheCaretAtTheStartAndDigitsGoToTheEnd() {
        f_->type("12");
        f_->stroke(Qt::Key_F9);
        QCOMPARE(f_->controls().entry->cursorPosition(), 0);
        f_->type("3");
        QCOMPARE(f_->entry(), QStringLiteral("-123"));
    }

    void copyTakesTheSelectionOrTheWholeNumberAndCutClears() {
        const auto clipboardAfter = [this](Qt::Key key, int from, int length) {
            f_->controls().entry->setSelection(from, length);
            f_->stroke(key, Qt::ControlModifier);
            return QGuiApplication::clipboard()->text();
        };
        f_->type("123");
        QCOMPARE(clipboardAfter(Qt::Key_C, 0, 2), QStringLiteral("12"));
        QCOMPARE(clipboardAfter(Qt::Key_C, 0, 0), QStringLiteral("123"));
        QCOMPARE(clipboardAfter(Qt::Key_X, 1, 2), QStringLiteral("23"));
        QCOMPARE(f_->entry(), QString());
    }

    void pasteIsCheckedAndNeverLongerThanTheCheckReads() {
        int longest = 0;
        connect(f_->controls().entry, &QLineEdit::textChanged, [&longest](const QString& text) {
            longest = std::max(longest, static_cast<int>(text.size()));
        });
        const auto pasteSays = [this](Qt::Key key, Qt::KeyboardModifier modifier) {
            QString said;
            korvo::app::testing::whileOpen<QMessageBox>([&] { f_->stroke(key, modifier); },
                                                        [&said](QMessageBox* box) {
                                                            said = box->text();
                                                            box->button(QMessageBox::Ok)->click();
                                                        });
            return said;
        };
        QGuiApplication::clipboard()->setText(QString(100000, QLatin1Char('7')));
        // Too long: refused whole, and said so.
        QVERIFY(pasteSays(Qt::Key_V, Qt::ControlModifier)
                    .startsWith(QStringLiteral("Your Paste Selection Is Out Of")));
        QVERIFY(longest <= 35);
        QCOMPARE(f_->entry(), QString());
        QGuiApplication::clipboard()->setText(QStringLiteral("12G"));
        f_->controls().entry->setFocus();
        // The field's own paste.
        QVERIFY(pasteSays(Qt::Key_Insert, Qt::ShiftModifier)
                    .startsWith(QStringLiteral("Your Paste Selection Is Out Of")));
        QCOMPARE(f_->entry(), QString());
    }

    void keysWorkAtOnceAfterAMenuIsClosedWithEsc() {
        f_->stroke(Qt::Key_I, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
        QCoreApplication::processEvents();  // as before a person's next key
        f_->type("78");
        QCOMPARE(f_->entry(), QStringLiteral("78"));
    }

    void aCopiedResultPastesBack() {
        QStringList said;  // a refused paste's message, closed at once
        QTimer boxes;
        connect(&boxes, &QTimer::timeout, [&said] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    said << box->text();
                    box->done(0);
                }
            }
        });
        boxes.start(5);
        f_->type("1-2.5=");
        f_->stroke(Qt::Key_C, Qt::ControlModifier);
        f_->stroke(Qt::Key_Escape);
        f_->stroke(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f_->entry(), QStringLiteral("-1.5"));
        QCOMPARE(said, QStringList());
    }

    void everyKeyNamesItsShortcut() {
        QCOMPARE(f_->key(QStringLiteral("Sine"))->toolTip(), QStringLiteral("Sine (S)"));
        QVERIFY(f_->controls().clearAll->accessibleDescription().endsWith(
            QStringLiteral("Shortcut: Esc")));
    }

    // The key flow without a window, with key events as an X server delivers
    // them; the digit row is known by its keys on any layout.
    void events_data() {
        QTest::addColumn<bool>("trustRepeatFlag");
        QTest::addColumn<QString>("entry");
        // Events in one millisecond: d press, u release, D and U the same
        // marked as repeats, s a press and a release; then the key's text
        // and its X key code; ^ holds Ctrl and ~ Shift at the press.
        const auto row = [](const char* events, bool trust, const char* entry) {
            QTest::newRow(events) << trust << QString::fromLatin1(entry);
        };
        // The X11 backend marks a quick second stroke as a repeat; with the
        // server reporting repeats itself, that guess is not believed. "+"
        // acts at its press in the field: a repeated one would add twice.
        row("d7:16 U7:16 D7:16 u7:16", false, "77");
        row("s5:14 d+:86 d+:86 d+:86 d+:86 u+:86 s=:21", false, "10");
        // Shift let go before the key: "*" goes down, "8" comes up.
        row("s6:15 ~d*:17 u8:17 s7:16 s=:21", true, "42");
        // The "&" key of a French layout is the key 1; Shift+7 of a German
        // layout types "/" and divides; Shift+1 of a US layout types "!", no
        // key of the calculator, though it is on the digit row.
        row("s&:10 s2:11 ~s/:16 s4:13 ~s=:19", true, "3");
        row("~s!:10 s7:16", true, "7");
        row("s5:14 ~s+:10 s2:11 s=:21", true, "7");  // Swiss: Shift+1 types "+"
    }
    void events() {
        QFETCH(bool, trustRepeatFlag);
        korvo::CalculatorState s;
        korvo::HeadlessWindow ws;
        korvo::app::KeyFlow flow{s, ws};
        flow.trustRepeatFlag(trustRepeatFlag);
        flow.useKeyboardCodes(true);
        for (QString event : QString::fromLatin1(QTest::currentDataTag()).split(' ')) {
            const Qt::KeyboardModifiers held = event.startsWith('^')   ? Qt::ControlModifier
                                               : event.startsWith('~') ? Qt::ShiftModifier
                                                                       : Qt::NoModifier;
            event.remove(0, held == Qt::NoModifier ? 0 : 1);
            const QString text = event.mid(1, 1);
            const auto key = static_cast<Qt::Key>(text.at(0).unicode());
            const auto code = event.mid(3).toUInt();
            const QChar kind = event.at(0);
            if (kind != 'u' && kind != 'U') {
                const QKeyEvent press(QEvent::KeyPress, key, held, code, 0, 0, text, kind == 'D');
                ws.focus() == korvo::HeadlessWindow::Focus::EntryField
                    ? static_cast<void>(flow.entryFieldPress(press))
                    : flow.mainWindowPress(press);
            }
            if (kind != 'd' && kind != 'D') {
                flow.release(QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, code, 0, 0, text,
                                       kind == 'U'));
            }
        }
        QTEST(QString::fromStdString(ws.entryText()), "entry");
    }

  private:
    std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"

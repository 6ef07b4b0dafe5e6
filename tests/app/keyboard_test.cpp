// The keyboard as a user meets it: every key press gives its key's command
// once, typed characters never reach the entry field, every keypad key and
// switch has a key, and the window-wide shortcuts.
#include <QCheckBox>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "windowfixture.h"

using korvo::app::testing::MessageCatcher;
using korvo::app::testing::WindowFixture;

namespace {

Qt::Key keyOf(char c) {
    if (c >= 'a' && c <= 'z') {
        return static_cast<Qt::Key>(Qt::Key_A + (c - 'a'));
    }
    return static_cast<Qt::Key>(c);  // Qt's codes of ASCII keys are their characters
}

// Runs one token of a row: a character is its key; ^c is Ctrl+c, ~c is c
// typed with Shift (US layout), #c the numeric keypad's c; | puts the focus
// into the entry field and [ selects its text; @Name clicks a switch.
void run(WindowFixture& f, const QString& token) {
    QWindow* w = f.window->windowHandle();
    const korvo::app::WindowControls& c = f.controls();
    const QHash<QString, QAbstractButton*> switches{
        {"@Arc", c.arc}, {"@Hex", c.hexadecimal}, {"@Deg", c.degrees}};
    const QHash<QString, Qt::Key> named{{"Esc", Qt::Key_Escape},     {"Del", Qt::Key_Delete},
                                        {"Bksp", Qt::Key_Backspace}, {"Space", Qt::Key_Space},
                                        {"Ret", Qt::Key_Return},     {"#Enter", Qt::Key_Enter}};
    const char first = token.at(0).toLatin1();
    if (switches.contains(token)) {
        f.click(switches.value(token));
    } else if (named.contains(token)) {
        QTest::keyClick(w, named.value(token), first == '#' ? Qt::KeypadModifier : Qt::NoModifier);
    } else if (first == 'F' && token.size() == 2) {
        QTest::keyClick(w, static_cast<Qt::Key>(Qt::Key_F1 + token.at(1).digitValue() - 1));
    } else if (first == '|' || first == '[') {
        c.entry->setFocus();
        if (first == '[') {
            c.entry->selectAll();
        }
    } else if (token.size() == 2) {
        const Qt::KeyboardModifier modifier = first == '^'   ? Qt::ControlModifier
                                              : first == '~' ? Qt::ShiftModifier
                                                             : Qt::KeypadModifier;
        QTest::keyClick(w, keyOf(token.back().toLatin1()), modifier);
    } else {
        QTest::keyClick(w, first);
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
        f_->press(Qt::Key_1);
        QCOMPARE(f_->focus(), f_->controls().entry);
        QCOMPARE(f_->entry(), QString());  // nothing inserted at the press
        f_->release(Qt::Key_1);
        QCOMPARE(f_->entry(), QStringLiteral("1"));
        QVERIFY(f_->focusOnMainWindow());
    }

    void keys_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("mark");
        const auto row = [](const char* keys, const char* entry, const char* mark = "") {
            QTest::newRow(keys) << QString::fromLatin1(keys) << QString::fromLatin1(entry)
                                << QString::fromLatin1(mark);
        };
        row("1 2 + 3 =", "15", "=");
        row("6 * 7 =", "42", "=");
        row("6 ; 7 =", "42", "=");
        row("8 / 2 =", "4", "=");
        row("9 - 4 =", "5", "=");
        row("2 + 5 Ret", "7", "=");
        row("#7 #+ #2 #Enter", "9", "=");
        row("1 . 5", "1.5");
        row("1 a f 2", "12");
        // Characters that are no digit of the base never enter the field,
        // wherever the focus is; a digit typed there enters once.
        row("1 , 5 + 1 =", "16", "=");
        row("2 Space 3 x + 1 =", "24", "=");
        row("| , 1 x x 5 Space Space", "15");
        row("4 | + 5 =", "9", "=");
        row("5 | * 3 =", "15", "=");
        row("F5 1 ^c ^a", "1");
        // With Shift a key is still its own key; "+" and "*" win once.
        row("4 ~%", "45");
        row("6 ~: 7 =", "42", "=");
        row("8 ~? 2 =", "4", "=");
        row("1 ~> 5", "1.5");
        row("9 ~_ 4 =", "5", "=");
        row("1 2 ~+ 3 =", "15", "=");
        row("6 ~* 7 =", "42", "=");
        row("3 0 ~s", "0.5000000000000000000");
        // Typing over a selection starts afresh, then the key acts.
        row("5 + 1 2 [ 9 3 =", "93", "=");
        row("5 + 1 2 [ ; 4 =", "0", "=");
        // A click on a switch hands the focus back: the next key counts.
        row("2 5 5 @Hex @Hex 1", "FF1");
        row("@Arc 7", "7");
        row("@Deg 7", "7");
        row("4 5 6 Bksp", "45");
        row("4 5 | Bksp", "4");
        // The rest of the keypad and the switches.
        row("9 w", "3");
        row("4 r", "0.25");
        row("3 q", "9");
        row("2 F9", "-2");
        row("p", "3.141592653589793238");
        row("5 Esc", "");
        row("5 + 3 Del 2 =", "7", "=");
        row("7 ^m Esc ^r", "7");
        row("7 ^m ^l ^r", "0");
        row("5 ^p 2 ^q ^r", "3");
        row("2 y 3 =", "8", "=");
        row("3 h 4 =", "5", "=");
        row("2 0 0 + 1 0 g", "20");
        row("3 0 s", "0.5000000000000000000");
        row("6 0 o", "0.5000000000000000000");
        row("4 5 t", "1");
        row("3 0 ^s", "2");
        row("6 0 ^o", "2");
        row("4 5 ^t", "0.9999999999999999999");
        row("1 0 0 l", "2");
        row("0 n", "1");
        row("3 j", "8");
        row("2 k", "100");
        row("i 1 s", "90");
        row("F2 9 0 s", "0.8939966636005578905");
        row("F2 F2 3 0 s", "0.5000000000000000000");
        row("F3 1 / 3 =", "0.3333333333333333333", "=");
        row("1 0 F7", "12");
        row("F8 1 0 1", "101");
        row("F5 1 f F6", "31");
    }
    void keys() {
        QFETCH(QString, keys);
        QFETCH(QString, entry);
        QFETCH(QString, mark);
        for (const QString& token : keys.split(QLatin1Char(' '))) {
            run(*f_, token);
        }
        QCOMPARE(f_->entry(), entry);
        QCOMPARE(f_->operatorMark(), mark);
    }

    void inputMethodsCommitNothing() {
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("x\u00e9"));
        QApplication::sendEvent(f_->controls().entry, &commit);
        QCOMPARE(f_->entry(), QString());
    }

    void beepsAtTheReleaseLimit() {
        f_->type("9*111111111111111111");
        QCOMPARE(f_->entry(), QStringLiteral("1111111111111111"));
        QCOMPARE(f_->beeps(), 2);
    }

    void signKeyLeavesTheCaretAtTheStart() {
        // As an edit control given a new text; digits still go to the end.
        f_->type("12");
        f_->stroke(Qt::Key_F9);
        QCOMPARE(f_->entry(), QStringLiteral("-12"));
        QCOMPARE(f_->controls().entry->cursorPosition(), 0);
        f_->type("3");
        QCOMPARE(f_->entry(), QStringLiteral("-123"));
    }

    void copyTakesTheSelectionOrTheWholeNumber() {
        f_->type("123");
        QLineEdit* entry = f_->controls().entry;
        entry->setSelection(0, 2);
        f_->stroke(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12"));
        entry->deselect();
        f_->stroke(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("123"));
        QCOMPARE(f_->entry(), QStringLiteral("123"));  // copying clears nothing
        entry->setSelection(1, 2);
        f_->stroke(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("23"));
        QCOMPARE(f_->entry(), QString());  // a cut clears the calculator
    }

    void pasteIsCheckedAndNeverLongerThanTheCheckReads() {
        int longest = 0;
        QObject::connect(f_->controls().entry, &QLineEdit::textChanged,
                         [&longest](const QString& text) {
                             longest = std::max(longest, static_cast<int>(text.size()));
                         });
        QGuiApplication::clipboard()->setText(QString(100000, QLatin1Char('7')));
        f_->stroke(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(longest, 35);
        QCOMPARE(f_->entry(), QString());  // too long: refused whole

        MessageCatcher catcher;
        QGuiApplication::clipboard()->setText(QStringLiteral("12G"));
        f_->controls().entry->setFocus();
        f_->stroke(Qt::Key_Insert, Qt::ShiftModifier);  // the line edit's own paste key
        QCOMPARE(catcher.texts,
                 QStringList{QStringLiteral(
                     "Your Paste Selection Is Out Of\nRange For The Base Setting!")});
        QCOMPARE(f_->entry(), QString());
    }

    void everyKeyNamesItsShortcut() {
        QCOMPARE(f_->key(QStringLiteral("Sine"))->toolTip(), QStringLiteral("Sine (S)"));
        QCOMPARE(f_->key(QStringLiteral("Memory add"))->accessibleDescription(),
                 QStringLiteral("Shortcut: Ctrl+P"));
        QCOMPARE(f_->controls().floatingPoint->toolTip(), QStringLiteral("Floating Point (F3)"));
        QVERIFY(f_->controls().clearAll->accessibleDescription().endsWith(
            QStringLiteral("Shortcut: Esc")));
    }

  private:
    std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"

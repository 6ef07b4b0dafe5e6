// Keys count, not the characters they type: a key held with Shift gives the
// key's own command once and its shifted character never enters the text,
// except "+" and "*", which add and multiply whatever key typed them.
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "app/keyflow.h"
#include "cli/headlesswindow.h"
#include "windowfixture.h"

using namespace korvo::app;
using korvo::app::testing::WindowFixture;

namespace {

// A press or release as an X server delivers it, with the key's own code.
std::unique_ptr<QKeyEvent> xkbEvent(QEvent::Type type, Qt::Key key, const char* text,
                                    quint32 keycode, Qt::KeyboardModifiers modifiers) {
    return std::make_unique<QKeyEvent>(type, key, modifiers, keycode, 0U, 0U,
                                       QString::fromLatin1(text));
}

// The key flow on a calculator without a window, the focus in the entry.
struct KeyboardFlow {
    explicit KeyboardFlow(bool keyboardCodes) {
        flow.useKeyboardCodes(keyboardCodes);
        ws.focusEntryField();
    }
    void strike(Qt::Key key, const char* text, quint32 code,
                Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        flow.entryFieldPress(*xkbEvent(QEvent::KeyPress, key, text, code, modifiers));
        flow.release(*xkbEvent(QEvent::KeyRelease, key, text, code, modifiers));
    }
    korvo::CalculatorState s;
    korvo::HeadlessWindow ws;
    KeyFlow flow{s, ws};
};

}  // namespace

class ShiftedKeysTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        f_ = std::make_unique<WindowFixture>();
        QVERIFY(f_->ready);
    }
    void cleanup() { f_.reset(); }

    // Each row: keys typed before, one key held with Shift (US layout), keys
    // typed after, and the entry then.
    void shiftedKeyGivesTheKeysCommand_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("shifted");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("entry");
        QTest::newRow("Shift+5 is 5") << "4" << int(Qt::Key_Percent) << ""
                                      << "45";
        QTest::newRow("Shift+1 is 1") << "4" << int(Qt::Key_Exclam) << ""
                                      << "41";
        QTest::newRow("Shift+0 is 0") << "4" << int(Qt::Key_ParenRight) << ""
                                      << "40";
        QTest::newRow("Shift+2 is 2") << "" << int(Qt::Key_At) << ""
                                      << "2";
        QTest::newRow("Shift+; multiplies") << "6" << int(Qt::Key_Colon) << "7="
                                            << "42";
        QTest::newRow("Shift+/ divides") << "8" << int(Qt::Key_Question) << "2="
                                         << "4";
        QTest::newRow("Shift+. is the point") << "1" << int(Qt::Key_Greater) << "5"
                                              << "1.5";
        QTest::newRow("Shift+- subtracts") << "9" << int(Qt::Key_Underscore) << "4="
                                           << "5";
        // "+" and "*" win over their keys: add once (not "=" too), multiply
        // once (not the digit 8 too).
        QTest::newRow("Shift+= adds once") << "12" << int(Qt::Key_Plus) << "3="
                                           << "15";
        QTest::newRow("Shift+8 multiplies once") << "6" << int(Qt::Key_Asterisk) << "7="
                                                 << "42";
    }
    void shiftedKeyGivesTheKeysCommand() {
        QFETCH(QString, before);
        QFETCH(int, shifted);
        QFETCH(QString, after);
        QFETCH(QString, entry);
        f_->type(before.toLatin1().constData());
        // Shift goes down first and moves the focus to the entry field, so
        // the shifted key itself is pressed there.
        f_->stroke(static_cast<Qt::Key>(shifted), Qt::ShiftModifier);
        f_->type(after.toLatin1().constData());
        QCOMPARE(f_->entry(), entry);
    }

    void shiftedCharactersNeverEnterTheText() {
        f_->controls().entry->setFocus();
        for (Qt::Key key : {Qt::Key_Percent, Qt::Key_Colon, Qt::Key_Exclam, Qt::Key_Question,
                            Qt::Key_Underscore, Qt::Key_Greater}) {
            f_->stroke(key, Qt::ShiftModifier);
        }
        for (QChar c : f_->entry()) {
            QVERIFY2(c.isDigit() || c == QLatin1Char('.'), qPrintable(f_->entry()));
        }
    }

    void keyOverASelectionGivesItsCommandNotItsCharacter() {
        f_->type("5+12");
        QLineEdit* entry = f_->controls().entry;
        entry->setFocus();
        entry->selectAll();
        f_->stroke(Qt::Key_Semicolon);  // clears, then multiplies
        QVERIFY(!f_->entry().contains(QLatin1Char(';')));
        QCOMPARE(f_->operatorMark(), QStringLiteral("x"));
        f_->type("4=");
        QCOMPARE(f_->entry(), QStringLiteral("0"));
    }

    void digitRowKeysGoByTheirCodeWhereTheKeyboardGivesIt() {
        // An X server's key codes 10 to 19 are the digit row on every layout:
        // the "&" key of a French layout is the key 1, Shift+7 of a German
        // layout types "/" and is still the key 7.
        KeyboardFlow k(true);
        k.strike(Qt::Key_Ampersand, "&", 10);
        k.strike(Qt::Key_Slash, "/", 16, Qt::ShiftModifier);
        k.strike(Qt::Key_Equal, "=", 19, Qt::ShiftModifier);
        QCOMPARE(k.ws.entryText(), std::string("170"));
        // "*" on the digit row still multiplies (Shift+8 of a US layout).
        k.strike(Qt::Key_Asterisk, "*", 17, Qt::ShiftModifier);
        QVERIFY(k.ws.operatorIndicator().find('x') != std::string::npos);
        // Keys off the digit row go by what they type: the minus key of a
        // German layout stands where a US layout has its slash.
        k.strike(Qt::Key_2, "2", 11);
        k.strike(Qt::Key_Period, ".", 60);
        k.strike(Qt::Key_5, "5", 14);
        QCOMPARE(k.ws.entryText(), std::string("2.5"));
        k.strike(Qt::Key_Minus, "-", 61);
        QVERIFY(k.ws.operatorIndicator().find('-') != std::string::npos);
    }

    void withoutKeyboardCodesTheDigitRowGoesBySymbol() {
        KeyboardFlow k(false);
        k.strike(Qt::Key_Ampersand, "&", 10);
        QCOMPARE(k.ws.entryText(), std::string("7"));  // "&" is Shift+7 of a US layout
    }

  private:
    std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(ShiftedKeysTest)
#include "shiftedkeys_test.moc"

// The window's small pure rules: keys to virtual-key codes, the platform
// choice at start-up, dialog units, colours.
#include <QTest>

#include "app/aboutdialog.h"
#include "app/keymap.h"
#include "app/readoutpanel.h"
#include "app/startup.h"

using namespace korvo::app;

class KeyMapTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void keysMapToVirtualKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<uint>("virtualKey");
        QTest::newRow("digit 0") << int(Qt::Key_0) << false << 0x30U;
        QTest::newRow("digit 9") << int(Qt::Key_9) << false << 0x39U;
        QTest::newRow("keypad 0") << int(Qt::Key_0) << true << 0x60U;
        QTest::newRow("keypad 7") << int(Qt::Key_7) << true << 0x67U;
        QTest::newRow("letter A") << int(Qt::Key_A) << false << 0x41U;
        QTest::newRow("letter F") << int(Qt::Key_F) << false << 0x46U;
        QTest::newRow("letter Z") << int(Qt::Key_Z) << false << 0x5AU;
        QTest::newRow("full stop") << int(Qt::Key_Period) << false << 0xBEU;
        QTest::newRow("keypad point") << int(Qt::Key_Period) << true << 0x6EU;
        QTest::newRow("keypad comma") << int(Qt::Key_Comma) << true << 0x6EU;
        QTest::newRow("comma") << int(Qt::Key_Comma) << false << 0x00U;
        QTest::newRow("plus") << int(Qt::Key_Plus) << true << 0x6BU;
        QTest::newRow("minus key") << int(Qt::Key_Minus) << false << 0xBDU;
        QTest::newRow("keypad minus") << int(Qt::Key_Minus) << true << 0x6DU;
        QTest::newRow("star") << int(Qt::Key_Asterisk) << true << 0x6AU;
        QTest::newRow("semicolon") << int(Qt::Key_Semicolon) << false << 0xBAU;
        QTest::newRow("slash key") << int(Qt::Key_Slash) << false << 0xBFU;
        QTest::newRow("keypad slash") << int(Qt::Key_Slash) << true << 0x6FU;
        QTest::newRow("equals key") << int(Qt::Key_Equal) << false << 0xBBU;
        QTest::newRow("return") << int(Qt::Key_Return) << false << 0x0DU;
        QTest::newRow("enter") << int(Qt::Key_Enter) << true << 0x0DU;
        QTest::newRow("control") << int(Qt::Key_Control) << false << 0x11U;
        // Shifted symbols of a US layout are the keys they are typed with.
        QTest::newRow("! is 1") << int(Qt::Key_Exclam) << false << 0x31U;
        QTest::newRow("% is 5") << int(Qt::Key_Percent) << false << 0x35U;
        QTest::newRow("^ is 6") << int(Qt::Key_AsciiCircum) << false << 0x36U;
        QTest::newRow("( is 9") << int(Qt::Key_ParenLeft) << false << 0x39U;
        QTest::newRow(") is 0") << int(Qt::Key_ParenRight) << false << 0x30U;
        QTest::newRow(": is ;") << int(Qt::Key_Colon) << false << 0xBAU;
        QTest::newRow("? is /") << int(Qt::Key_Question) << false << 0xBFU;
        QTest::newRow("> is .") << int(Qt::Key_Greater) << false << 0xBEU;
        QTest::newRow("_ is -") << int(Qt::Key_Underscore) << false << 0xBDU;
        QTest::newRow("unshifted star") << int(Qt::Key_Asterisk) << false << 0x6AU;
        QTest::newRow("less-than") << int(Qt::Key_Less) << false << 0x00U;
        QTest::newRow("tilde") << int(Qt::Key_AsciiTilde) << false << 0x00U;
        QTest::newRow("arrow") << int(Qt::Key_Left) << false << 0x00U;
    }

    void strokesMapToVirtualKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("character");
        QTest::addColumn<uint>("keyboardCode");
        QTest::addColumn<uint>("virtualKey");
        // "+" and "*" are the keypad's, before anything else.
        QTest::newRow("Shift+= types +") << int(Qt::Key_Plus) << false << "+" << 21U << 0x6BU;
        QTest::newRow("Shift+8 types *") << int(Qt::Key_Asterisk) << false << "*" << 17U << 0x6AU;
        QTest::newRow("+ without a code") << int(Qt::Key_Plus) << false << "+" << 0U << 0x6BU;
        // The digit row by its key codes 10 to 19.
        QTest::newRow("code 10 is 1") << int(Qt::Key_Ampersand) << false << "&" << 10U << 0x31U;
        QTest::newRow("code 18 is 9") << int(Qt::Key_ParenLeft) << false << "(" << 18U << 0x39U;
        QTest::newRow("code 19 is 0") << int(Qt::Key_Equal) << false << "=" << 19U << 0x30U;
        QTest::newRow("code 16 is 7") << int(Qt::Key_Slash) << false << "/" << 16U << 0x37U;
        // Other keys by their symbols.
        QTest::newRow("code 20") << int(Qt::Key_Minus) << false << "-" << 20U << 0xBDU;
        QTest::newRow("code 9") << int(Qt::Key_Escape) << false << "" << 9U << 0x1BU;
        QTest::newRow("code 61") << int(Qt::Key_Slash) << false << "/" << 61U << 0xBFU;
        QTest::newRow("no code") << int(Qt::Key_Ampersand) << false << "&" << 0U << 0x37U;
        QTest::newRow("keypad 1") << int(Qt::Key_1) << true << "1" << 87U << 0x61U;
    }
    void strokesMapToVirtualKeys() {
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(QString, character);
        QFETCH(uint, keyboardCode);
        QFETCH(uint, virtualKey);
        const char c = character.isEmpty() ? '\0' : character.at(0).toLatin1();
        QCOMPARE(virtualKeyOf(KeyStroke{key, keypad, c, keyboardCode}), virtualKey);
    }
    void keysMapToVirtualKeys() {
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(uint, virtualKey);
        QCOMPARE(virtualKeyOf(key, keypad), virtualKey);
    }

    void altAndMetaAreSystemKeys() {
        QVERIFY(isSystemKey(Qt::Key_Alt, false));
        QVERIFY(isSystemKey(Qt::Key_Meta, false));
        QVERIFY(isSystemKey(Qt::Key_7, true));
        QVERIFY(!isSystemKey(Qt::Key_7, false));
        QVERIFY(!isSystemKey(Qt::Key_Control, false));
    }

    void platformChoice_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("session");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("refused");
        QTest::newRow("X11 session") << ""
                                     << ""
                                     << ":0"
                                     << "x11"
                                     << "" << false;
        QTest::newRow("Wayland with XWayland") << ""
                                               << "wayland-0"
                                               << ":0"
                                               << "wayland"
                                               << "xcb" << false;
        QTest::newRow("Wayland session type only") << ""
                                                   << ""
                                                   << ":1"
                                                   << "wayland"
                                                   << "xcb" << false;
        QTest::newRow("Wayland without XWayland") << ""
                                                  << "wayland-0"
                                                  << ""
                                                  << "wayland"
                                                  << "" << false;
        QTest::newRow("user chose wayland") << "wayland"
                                            << "wayland-0"
                                            << ":0"
                                            << "wayland"
                                            << "" << false;
        QTest::newRow("user chose offscreen") << "offscreen"
                                              << ""
                                              << ""
                                              << ""
                                              << "" << false;
        QTest::newRow("no display at all") << ""
                                           << ""
                                           << ""
                                           << "tty"
                                           << "" << true;
    }
    void platformChoice() {
        QFETCH(QString, chosen);
        QFETCH(QString, wayland);
        QFETCH(QString, display);
        QFETCH(QString, session);
        QFETCH(QString, platform);
        QFETCH(bool, refused);
        const StartupEnvironment env{chosen.toStdString(), wayland.toStdString(),
                                     display.toStdString(), session.toStdString()};
        QCOMPARE(QString::fromStdString(choosePlatform(env)), platform);
        QCOMPARE(!displayProblem(env).empty(), refused);
    }

    void dialogUnitsFollowTheFont() {
        // A 6 x 13 average character: 4 units across are 6 pixels, 8 down 13.
        QCOMPARE(dialogUnitsToPixels(QRect(32, 5, 134, 36), 6, 13), QRect(48, 8, 201, 58));
        QCOMPARE(dialogUnitsToPixels(QRect(0, 0, 194, 112), 6, 13).size(), QSize(291, 182));
        QCOMPARE(dialogUnitsToPixels(QRect(0, 0, 194, 112), 8, 16).size(), QSize(388, 224));
    }

    void colourReferencesAreBlueGreenRed() {
        QCOMPARE(colourOf(0x00FF0000U), QColor(0, 0, 255));
        QCOMPARE(colourOf(0x00000000U), QColor(0, 0, 0));
        QCOMPARE(colourOf(0x00123456U), QColor(0x56, 0x34, 0x12));
    }
};

QTEST_MAIN(KeyMapTest)
#include "keymap_test.moc"

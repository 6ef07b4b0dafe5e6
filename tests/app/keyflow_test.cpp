// The key flow against a calculator without a window, with key events as
// an X server delivers them: each physical press is one command, whatever
// the timing, and the digit row is known by its keys on any layout.
#include <QKeyEvent>
#include <QTest>

#include "app/keyflow.h"
#include "cli/headlesswindow.h"

class KeyFlowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void events_data() {
        QTest::addColumn<bool>("trustRepeatFlag");
        QTest::addColumn<bool>("keyboardCodes");
        QTest::addColumn<QString>("entry");
        // Events in one millisecond: d press, u release, D and U the same
        // marked as repeats, s a press and a release; then the key's text
        // and its X key code; ^ holds Ctrl and ~ Shift at the press.
        const auto row = [](const char* events, bool trust, bool codes, const char* entry) {
            QTest::newRow(events) << trust << codes << QString::fromLatin1(entry);
        };
        // The X11 backend marks a quick second stroke as a repeat; with the
        // server reporting repeats itself, that guess is not believed.
        row("d7:16 U7:16 D7:16 u7:16", false, true, "77");
        // "+" acts at its press in the field: a repeated one would add twice.
        row("s5:14 d+:86 D+:86 D+:86 D+:86 u+:86 s=:21", true, true, "10");
        row("s5:14 d+:86 d+:86 d+:86 d+:86 u+:86 s=:21", false, true, "10");
        // As Wayland sends a held key's repeats: nothing until the release.
        row("d7:16 U7:16 D7:16 U7:16 D7:16", true, true, "");
        row("d7:16 U7:16 D7:16 U7:16 D7:16 u7:16", true, true, "7");
        // Shift let go before the key: "*" goes down, "8" comes up.
        row("s6:15 ~d*:17 u8:17 s7:16 s=:21", true, true, "42");
        row("^s5:14 ^s5:14", true, true, "");  // Ctrl with no shortcut types nothing
        // The "&" key of a French layout is the key 1; Shift+7 of a German
        // layout types "/" and is still the key 7; without key codes, "&" is
        // Shift+7 of a US layout.
        row("s&:10 ~s/:16 ~s=:19", true, true, "170");
        row("s&:10", true, false, "7");
    }
    void events() {
        QFETCH(bool, trustRepeatFlag);
        QFETCH(bool, keyboardCodes);
        korvo::CalculatorState s;
        korvo::HeadlessWindow ws;
        korvo::app::KeyFlow flow{s, ws};
        flow.trustRepeatFlag(trustRepeatFlag);
        flow.useKeyboardCodes(keyboardCodes);
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
};

QTEST_MAIN(KeyFlowTest)
#include "keyflow_test.moc"

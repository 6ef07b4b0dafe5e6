// The key flow on its own, against the window system without a window:
// releases that wait for a repeat, and presses that are repeats in truth.
#include <QKeyEvent>
#include <QTest>
#include <memory>

#include "app/keyflow.h"
#include "cli/headlesswindow.h"

using namespace korvo;
using korvo::app::KeyFlow;

namespace {

// A key event as the window system stamps it (events cannot be copied).
std::unique_ptr<QKeyEvent> keyEvent(QEvent::Type type, Qt::Key key, const char* text,
                                    quint64 time) {
    auto event = std::make_unique<QKeyEvent>(type, key, Qt::NoModifier, QString::fromLatin1(text));
    event->setTimestamp(time);
    return event;
}

// A flow on a calculator without a window.
struct Bench {
    explicit Bench(int repeatWindow = 0) { flow.setRepeatWindow(repeatWindow); }
    CalculatorState s;
    HeadlessWindow ws;
    KeyFlow flow{s, ws};
};

}  // namespace

class KeyFlowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void releaseGivesItsCommandAtOnceWithoutAWindow() {
        Bench b;
        b.flow.mainWindowPress(*keyEvent(QEvent::KeyPress, Qt::Key_7, "7", 10));
        QCOMPARE(b.ws.focus(), HeadlessWindow::Focus::EntryField);
        b.flow.release(*keyEvent(QEvent::KeyRelease, Qt::Key_7, "7", 90));
        QCOMPARE(b.ws.entryText(), std::string("7"));
        QCOMPARE(b.ws.focus(), HeadlessWindow::Focus::MainWindow);
    }

    void unmarkedRepeatsOfAHeldKeyGiveNoCommand() {
        Bench b(20);
        b.flow.mainWindowPress(*keyEvent(QEvent::KeyPress, Qt::Key_7, "7", 100));
        // The server's repeats: a release and a press with one timestamp.
        for (quint64 time : {600U, 640U, 680U}) {
            b.flow.release(*keyEvent(QEvent::KeyRelease, Qt::Key_7, "7", time));
            QCOMPARE(b.flow.entryFieldPress(*keyEvent(QEvent::KeyPress, Qt::Key_7, "7", time)),
                     KeyFlow::EntryAction::Swallow);
        }
        QTest::qWait(40);
        QCOMPARE(b.ws.entryText(), std::string());  // still held
        b.flow.release(*keyEvent(QEvent::KeyRelease, Qt::Key_7, "7", 900));
        QCOMPARE(b.ws.entryText(), std::string());  // waits for a repeat that does not come
        QTRY_COMPARE(b.ws.entryText(), std::string("7"));
        QTest::qWait(40);
        QCOMPARE(b.ws.entryText(), std::string("7"));
    }

    void aNewKeyRunsTheWaitingReleaseFirst() {
        Bench b(1000);
        b.flow.mainWindowPress(*keyEvent(QEvent::KeyPress, Qt::Key_1, "1", 100));
        b.flow.release(*keyEvent(QEvent::KeyRelease, Qt::Key_1, "1", 150));
        b.flow.mainWindowPress(*keyEvent(QEvent::KeyPress, Qt::Key_2, "2", 160));
        QCOMPARE(b.ws.entryText(), std::string("1"));
        b.flow.release(*keyEvent(QEvent::KeyRelease, Qt::Key_2, "2", 200));
        b.flow.flushReleases();
        QCOMPARE(b.ws.entryText(), std::string("12"));
    }

    void thePressOfAnotherTimeIsANewPress() {
        Bench b(1000);
        b.flow.mainWindowPress(*keyEvent(QEvent::KeyPress, Qt::Key_5, "5", 100));
        b.flow.release(*keyEvent(QEvent::KeyRelease, Qt::Key_5, "5", 150));
        b.ws.focusMainWindow();
        b.flow.mainWindowPress(*keyEvent(QEvent::KeyPress, Qt::Key_5, "5", 300));
        b.flow.release(*keyEvent(QEvent::KeyRelease, Qt::Key_5, "5", 350));
        b.flow.flushReleases();
        QCOMPARE(b.ws.entryText(), std::string("55"));
    }
};

QTEST_MAIN(KeyFlowTest)
#include "keyflow_test.moc"

// The window as a whole: fixed and on top, clicks, frames, menus and the
// boxes they open, and the choice of platform at start-up.
#include <QClipboard>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include "app/startup.h"
#include "windowfixture.h"

using namespace korvo::app;
using korvo::app::testing::WindowFixture;

namespace {

QAction* menuItem(const WindowFixture& f, int menu, int item) {
    return f.window->menuBar()->actions().at(menu)->menu()->actions().at(item);
}

// Runs `act`, and `handle` on the top-level widget of type Box once it shows
// (the menu items open their boxes after their actions return).
template <typename Box, typename Handle>
void whileOpen(const std::function<void()>& act, Handle handle) {
    act();
    bool handled = false;
    QTimer::singleShot(0, [handle, &handled] {
        Box* box = nullptr;
        QTRY_VERIFY((box = qobject_cast<Box*>(QApplication::activeWindow())) != nullptr);
        handle(box);
        handled = true;
    });
    QTRY_VERIFY(handled);
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        f_ = std::make_unique<WindowFixture>();
        QVERIFY(f_->ready);
    }
    void cleanup() { f_.reset(); }

    void fixedOnTopAndAClickComputes() {
        QVERIFY(f_->window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(f_->window->minimumSize(), f_->window->maximumSize());
        QCOMPARE(f_->window->clientArea()->size(), QSize(454, 219));
        for (const char* key : {"Digit 7", "Add", "Digit 8", "Equals"}) {
            f_->click(QString::fromLatin1(key));
        }
        QCOMPARE(f_->entry(), QStringLiteral("15"));
    }

    void framesDrawTheirLineBelowTheButtonsAndLetClicksThrough() {
        const QImage frame = f_->controls().baseFrame->grab().toImage();
        const QRgb background = frame.pixel(frame.width() / 2, 0);
        const auto lineAt = [&](int y) {
            int ink = 0;
            for (int x = 10; x < frame.width() - 10; ++x) {
                ink += frame.pixel(x, y) != background ? 1 : 0;
            }
            return ink > frame.width() / 2;
        };
        for (int y = 0; y < 5; ++y) {  // beside Back Space and the indicator
            QVERIFY2(!lineAt(y), qPrintable(QString::number(y)));
        }
        QVERIFY(lineAt(5) || lineAt(6) || lineAt(7) || lineAt(8) || lineAt(9));
        f_->type("12");
        const QPoint overlap = f_->window->clientArea()->mapTo(f_->window.get(), QPoint(300, 45));
        QTest::mouseClick(f_->window->windowHandle(), Qt::LeftButton, {}, overlap);
        QCOMPARE(f_->entry(), QStringLiteral("1"));  // Back Space took the click
    }

    void aboutHasItsDialogUnitSizeShowsAllItsTextAndClosesWithEscape() {
        QSize size;
        bool fits = true;
        whileOpen<QDialog>([this] { menuItem(*f_, 2, 1)->trigger(); },
                           [&](QDialog* about) {
                               size = about->size();
                               for (QLabel* label : about->findChildren<QLabel*>()) {
                                   fits = fits &&
                                          label->heightForWidth(label->width()) <= label->height();
                               }
                               QTest::keyClick(about, Qt::Key_Escape);
                           });
        QCOMPARE(size, QSize(291, 182));
        QVERIFY(fits);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void infoShowsSevenUnwrappedLines() {
        int lines = 0;
        whileOpen<QMessageBox>([this] { menuItem(*f_, 2, 0)->trigger(); },
                               [&lines](QMessageBox* box) {
                                   auto* label =
                                       box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
                                   lines = label->height() / label->fontMetrics().lineSpacing();
                                   box->button(QMessageBox::Ok)->click();
                               });
        QCOMPARE(lines, 7);
    }

    void editItemsFollowTheSelectionAndPasteClearsFirst() {
        f_->type("5+42");
        Q_EMIT f_->window->menuBar()->actions().at(1)->menu()->aboutToShow();
        QVERIFY(!menuItem(*f_, 1, 0)->isEnabled());
        f_->controls().entry->selectAll();
        Q_EMIT f_->window->menuBar()->actions().at(2)->menu()->aboutToShow();
        QVERIFY(menuItem(*f_, 1, 1)->isEnabled());
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        menuItem(*f_, 1, 2)->trigger();
        f_->type("=");
        QCOMPARE(f_->entry(), QStringLiteral("7"));  // the addition was cleared
    }

    void closeAndTheCloseButtonQuit() {
        f_->window->menuBar()->actions().at(0)->trigger();
        f_->window->close();
        QCOMPARE(f_->quits, 2);
    }

    void platformChoice() {
        // Wayland lets no window stay on top: XWayland (xcb) when it is there.
        const auto chosen = [](const char* user, const char* wayland, const char* display,
                               const char* session) {
            return choosePlatform(StartupEnvironment{user, wayland, display, session});
        };
        QCOMPARE(chosen("", "", ":0", "x11"), std::string());
        QCOMPARE(chosen("", "wayland-0", ":0", "wayland"), std::string("xcb"));
        QCOMPARE(chosen("", "wayland-0", "", "wayland"), std::string());
        QCOMPARE(chosen("wayland", "wayland-0", ":0", "wayland"), std::string());
        QVERIFY(!displayProblem(StartupEnvironment{"", "", "", "tty"}).empty());
        QVERIFY(displayProblem(StartupEnvironment{"offscreen", "", "", ""}).empty());
    }

  private:
    std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"

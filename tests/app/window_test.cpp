// The window as a whole: fixed and on top, clicks, frames, menus and the
// boxes they open, and the choice of platform at start-up.
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>

#include "app/startup.h"
#include "windowfixture.h"

using namespace korvo::app;
using korvo::app::testing::whileOpen;
using korvo::app::testing::WindowFixture;

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
        int firstLine = -1;  // the first row mostly inked
        for (int y = 0; y < 10 && firstLine < 0; ++y) {
            int ink = 0;
            for (int x = 10; x < frame.width() - 10; ++x) {
                ink += frame.pixel(x, y) != frame.pixel(frame.width() / 2, 0) ? 1 : 0;
            }
            firstLine = ink > frame.width() / 2 ? y : -1;
        }
        QVERIFY2(firstLine >= 5, qPrintable(QString::number(firstLine)));  // clears Back Space
        f_->type("12");
        const QPoint overlap = f_->window->clientArea()->mapTo(f_->window.get(), QPoint(300, 45));
        QTest::mouseClick(f_->window->windowHandle(), Qt::LeftButton, {}, overlap);
        QCOMPARE(f_->entry(), QStringLiteral("1"));  // Back Space took the click
    }

    void aboutAndInfoShowAllTheirTextAtTheirSizeAndClose() {
        QMenu* information = f_->window->menuBar()->actions().at(2)->menu();
        bool fits = true;
        QSize size;
        whileOpen<QDialog>([&] { information->actions().at(1)->trigger(); },
                           [&](QDialog* about) {
                               size = about->size();
                               for (QLabel* label : about->findChildren<QLabel*>()) {
                                   fits = fits &&
                                          label->heightForWidth(label->width()) <= label->height();
                               }
                               QTest::keyClick(about, Qt::Key_Escape);
                           });
        QVERIFY(fits);
        QCOMPARE(size, QSize(291, 182));
        QTRY_VERIFY(QApplication::activeModalWidget() == nullptr);
        int lines = 0;  // Info's seven lines, none wrapped
        whileOpen<QMessageBox>([&] { information->actions().at(0)->trigger(); },
                               [&lines](QMessageBox* box) {
                                   auto* text =
                                       box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
                                   lines = text->height() / text->fontMetrics().lineSpacing();
                                   box->close();
                               });
        QCOMPARE(lines, 7);
    }

    void editItemsFollowTheSelectionAndPasteClearsFirst() {
        QMenu* edit = f_->window->menuBar()->actions().at(1)->menu();
        f_->type("5+42");
        Q_EMIT edit->aboutToShow();
        QVERIFY(!edit->actions().at(0)->isEnabled());
        f_->controls().entry->selectAll();
        Q_EMIT edit->aboutToShow();
        QVERIFY(edit->actions().at(1)->isEnabled());
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        edit->actions().at(2)->trigger();
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
        const auto chosen = [](const char* user, const char* wayland, const char* display) {
            return choosePlatform(StartupEnvironment{user, wayland, display, "wayland"});
        };
        QCOMPARE(choosePlatform(StartupEnvironment{"", "", ":0", "x11"}), std::string());
        QCOMPARE(chosen("", "wayland-0", ":0"), std::string("xcb"));
        QCOMPARE(chosen("", "wayland-0", ""), std::string());
        QCOMPARE(chosen("wayland", "wayland-0", ":0"), std::string());
        QVERIFY(!displayProblem(StartupEnvironment{"", "", "", "tty"}).empty());
        QVERIFY(displayProblem(StartupEnvironment{"offscreen", "", "", ""}).empty());
    }

  private:
    std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"

// The window as a whole: fixed and on top, clicks, frames, the readout's
// painting, menus and the boxes they open, and the choice of platform.
#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <map>

#include "app/keypadrow.h"
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

    void fixedAndOnTop() {
        QVERIFY(f_->window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(f_->window->minimumSize(), f_->window->maximumSize());
        QCOMPARE(f_->window->clientArea()->size(), QSize(454, 219));
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
                                   box->button(QMessageBox::Ok)->click();
                               });
        QCOMPARE(lines, 7);
    }

    // Run at 200% too: on a small screen the window opens at its corner.
    void opensInsideTheScreen() {
        const QRect room = f_->window->screen()->availableGeometry();
        const QRect frame = f_->window->frameGeometry();
        QVERIFY(frame.left() >= room.left() && frame.top() >= room.top());
        QVERIFY(frame.right() <= room.right() || frame.left() == room.left());
        QVERIFY(frame.bottom() <= room.bottom() || frame.top() == room.top());
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

    // The readout panel draws the calculator's last picture, and keeps showing
    // it when the window system repaints it.
    void numbersInBlackLabelsInBlueEachClippedToItsLine() {
        f_->type("255");
        const korvo::ReadoutPicture& p = *f_->controls().readout->picture();
        for (const auto* line : {&p.decimal, &p.hexadecimal, &p.octal, &p.binary.front()}) {
            const QRect rect(QPoint(line->rect.left, line->rect.top),
                             QPoint(line->rect.right - 1, line->rect.bottom - 1));
            QVERIFY2(ink(rect) > 5, line->text.c_str());  // every line drawn
        }
        QVERIFY(ink({64, 10, 40, 14}, true) > 5);  // "Dec"
        QCOMPARE(ink({4, 126, 155, 60}), 0);       // one binary line
        // A binary line as long as its place holds is drawn whole: its last
        // digit, not an ellipsis, ends it.
        f_->stroke(Qt::Key_Escape);
        f_->type("1234.5");
        QVERIFY(ink({148, 114, 8, 5}) > 0);
    }

    // 2^128 - 1 has 39 digits, twice what the line holds: the line ends in
    // an ellipsis after its last whole digit, nothing is drawn past or below
    // it, and its tooltip, its accessible text and its copy are whole.
    void aLongLineIsMarkedAndGivenWhole() {
        f_->stroke(Qt::Key_F5);
        f_->type("FFFFFFFFFFFFFFFFFFFFFFFFFFFF*10000+FFFF=");
        const QString whole = QStringLiteral("340282366920938463463374607431768211455");
        ReadOnlyText* line = f_->controls().readout->lines().front();
        QCOMPARE(line->toolTip(), whole);
        QCOMPARE(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Value), whole);
        int right = 158;  // the last column drawn
        while (right > 100 && ink({right, 24, 1, 12}) == 0) {
            --right;
        }
        QVERIFY2(right < 157, qPrintable(QString::number(right)));  // no digit cut at the edge
        QCOMPARE(ink({right - 6, 24, 7, 6}), 0);  // the ellipsis: dots on the baseline only
        QVERIFY(ink({right - 6, 30, 7, 6}) > 0);
        QCOMPARE(ink({4, 36, 155, 4}), 0);
        line->setFocus(Qt::TabFocusReason);
        f_->stroke(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), whole);
        QGuiApplication::clipboard()->clear();
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, {2, 2},
                                     line->mapToGlobal(QPoint(2, 2)));
        whileOpen<QMenu>([&] { QApplication::sendEvent(line, &rightClick); },
                         [](QMenu* menu) {
                             menu->actions().at(0)->trigger();
                             menu->close();
                         });
        QCOMPARE(QGuiApplication::clipboard()->text(), whole);
    }

    // The readout's labels and numbers, the switches' labels and the keypad's
    // faces read at 4.5:1 or better, in the light look and under a dark
    // palette.
    void textIsReadableInTheLightLookAndADarkPalette() {
        const struct Restore {
            QPalette light = QApplication::palette();
            ~Restore() { QApplication::setPalette(light); }
        } restore;
        for (const QPalette& palette :
             {restore.light, QPalette(QColor(53, 53, 53), QColor(43, 43, 43))}) {
            QApplication::setPalette(palette);
            f_ = std::make_unique<WindowFixture>();
            f_->type("-12.5");
            const WindowControls& c = f_->controls();
            const QImage panel = c.readout->grab().toImage();
            for (const QRect& text : {QRect(64, 10, 30, 14), QRect(64, 100, 30, 14),
                                      QRect(4, 24, 155, 12), QRect(4, 114, 155, 11)}) {
                QVERIFY2(contrast(panel, text) >= 4.5,
                         qPrintable(QString::number(contrast(panel, text))));
            }
            for (QWidget* control :
                 {static_cast<QWidget*>(c.floatingPoint), static_cast<QWidget*>(c.degrees),
                  static_cast<QWidget*>(c.hexadecimal)}) {
                const QImage shot = control->grab().toImage();
                QVERIFY(contrast(shot, shot.rect().adjusted(15, 0, 0, 0)) >= 4.5);  // past the box
            }
            for (const KeypadRow* row : c.keypad) {
                for (int column = 0; column < korvo::kKeysPerRow; ++column) {
                    const QImage face = row->key(column)->grab().toImage();  // inside its edge
                    QVERIFY2(contrast(face, {5, 5, 13, 12}) >= 4.5,
                             qPrintable(row->key(column)->accessibleName()));
                }
            }
        }
    }

    void repaintsShowTheSamePicture() {
        f_->type("12.5");
        ReadoutPanel* panel = f_->controls().readout;
        const QImage before = panel->grab().toImage();
        f_->window->showMinimized();
        f_->window->showNormal();
        QCoreApplication::processEvents();
        QCOMPARE(panel->grab().toImage(), before);
    }

    void negativeBinaryBlockKeepsItsGroupsInTheirColumns() {
        // The sign stands on the label's row, left of "Bin": the digits of
        // -65535 are drawn exactly where those of 65535 are, none clipped.
        const QRect firstLine(4, 114, 155, 11);
        const QRect signPlace(4, 100, 40, 12);
        f_->type("65535");
        const QImage positive = f_->controls().readout->grab().toImage().copy(firstLine);
        QCOMPARE(ink(signPlace), 0);
        f_->stroke(Qt::Key_F9);
        QCOMPARE(f_->controls().readout->grab().toImage().copy(firstLine), positive);
        QVERIFY(ink(signPlace) > 0);
    }

  private:
    // The contrast (WCAG) of the text in `rect`: its most distinct pixel
    // against the commonest, the background.
    static double contrast(const QImage& image, const QRect& rect) {
        const auto luminance = [](QRgb c) {
            const auto linear = [](int v) {
                const double x = v / 255.0;
                return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) +
                   0.0722 * linear(qBlue(c));
        };
        std::map<QRgb, int> counts;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                ++counts[image.pixel(x, y)];
            }
        }
        const double background =
            luminance(std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
                          return a.second < b.second;
                      })->first);
        double best = 1;
        for (const auto& [colour, count] : counts) {
            const double l = luminance(colour);
            best =
                std::max(best, (std::max(l, background) + 0.05) / (std::min(l, background) + 0.05));
        }
        return best;
    }

    // Pixels of `rect` close to black (numbers) or, with `blue`, to the
    // labels' blue: text is smoothed.
    int ink(const QRect& rect, bool blue = false) {
        const QImage image = f_->controls().readout->grab().toImage();
        int n = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QColor c = image.pixel(x, y);
                n += (blue ? c.blue() > 150 && c.red() < 130 && c.green() < 130 : c.value() < 110)
                         ? 1
                         : 0;
            }
        }
        return n;
    }

    std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"

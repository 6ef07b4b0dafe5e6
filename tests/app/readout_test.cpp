// The readout panel draws the calculator's last picture, and keeps showing
// it when the window system repaints it.
#include <QImage>

#include "windowfixture.h"

using korvo::app::ReadoutPanel;
using korvo::app::testing::WindowFixture;

class ReadoutTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        f_ = std::make_unique<WindowFixture>();
        QVERIFY(f_->ready);
    }
    void cleanup() { f_.reset(); }

    void numbersInBlackLabelsInBlueEachClippedToItsLine() {
        f_->type("255");
        QVERIFY(ink({4, 24, 155, 12}) > 10);       // decimal line
        QVERIFY(ink({4, 114, 155, 11}) > 10);      // binary block
        QVERIFY(ink({64, 10, 40, 14}, true) > 5);  // "Dec"
        QCOMPARE(ink({4, 126, 155, 60}), 0);       // one binary line
        // Twenty digits are wider than the 155-pixel line: nothing is drawn
        // past it or below it.
        f_->type("11111111111111111");
        QCOMPARE(ink({159, 24, 2, 12}), 0);
        QVERIFY(ink({140, 24, 19, 12}) > 0);
        QCOMPARE(ink({4, 36, 155, 4}), 0);
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

QTEST_MAIN(ReadoutTest)
#include "readout_test.moc"

// The readout panel draws the calculator's last picture, and keeps showing
// it when the window system repaints it.
#include <QImage>
#include <QTest>

#include "windowfixture.h"

using namespace korvo::app;
using korvo::app::testing::WindowFixture;

namespace {

// Text is smoothed: count the pixels of `rect` close to a pure colour.
bool isBlackInk(const QColor& c) {
    return c.value() < 110;
}
bool isBlueInk(const QColor& c) {
    return c.blue() > 150 && c.red() < 130 && c.green() < 130;
}

template <typename Ink>
int count(const QImage& image, const QRect& rect, Ink ink) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            n += ink(QColor(image.pixel(x, y))) ? 1 : 0;
        }
    }
    return n;
}

}  // namespace

class ReadoutTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        f_ = std::make_unique<WindowFixture>();
        QVERIFY(f_->ready);
    }
    void cleanup() { f_.reset(); }

    void numbersInBlackLabelsInBlue() {
        f_->type("255");
        ReadoutPanel* panel = f_->controls().readout;
        const QImage image = panel->grab().toImage();
        QVERIFY(count(image, QRect(4, 24, 155, 12), isBlackInk) > 10);   // decimal line
        QVERIFY(count(image, QRect(4, 114, 155, 11), isBlackInk) > 10);  // binary block
        QVERIFY(count(image, QRect(64, 10, 40, 14), isBlueInk) > 5);     // "Dec"
        QCOMPARE(count(image, QRect(4, 126, 155, 60), isBlackInk), 0);   // one binary line
    }

    void repaintsShowTheSamePicture() {
        f_->type("12.5");
        ReadoutPanel* panel = f_->controls().readout;
        const QImage before = panel->grab().toImage();
        panel->repaint();
        f_->window->showMinimized();
        f_->window->showNormal();
        QCoreApplication::processEvents();
        QCOMPARE(panel->grab().toImage(), before);
        QCOMPARE(panel->picture()->decimal.text, std::string("12.5"));
    }

    void textIsClippedToItsLine() {
        // Twenty digits are wider than the 155-pixel line: nothing is drawn
        // past it or below it.
        f_->type("11111111111111111111");
        const QImage image = f_->controls().readout->grab().toImage();
        QCOMPARE(count(image, QRect(159, 24, 2, 12), isBlackInk), 0);
        QVERIFY(count(image, QRect(140, 24, 19, 12), isBlackInk) > 0);
        QCOMPARE(count(image, QRect(4, 36, 155, 4), isBlackInk), 0);
    }

    void negativeBinaryBlockKeepsItsGroupsInTheirColumns() {
        // The sign stands on the label's row, left of "Bin": the digits of
        // -65535 are drawn exactly where those of 65535 are, none clipped.
        const QRect firstLine(4, 114, 155, 11);
        const QRect signPlace(4, 100, 40, 12);
        f_->type("65535");
        const QImage positive = f_->controls().readout->grab().toImage();
        f_->stroke(Qt::Key_F9);
        const QImage negative = f_->controls().readout->grab().toImage();
        QCOMPARE(negative.copy(firstLine), positive.copy(firstLine));
        QCOMPARE(count(positive, signPlace, isBlackInk), 0);
        QVERIFY(count(negative, signPlace, isBlackInk) > 0);
    }

  private:
    std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(ReadoutTest)
#include "readout_test.moc"

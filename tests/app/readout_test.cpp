// The readout panel draws the calculator's last picture, and keeps showing
// it when the window system repaints it.
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <array>

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

    void labelsUseABoldSansOfTheSystemFontsSize() {
        const QFont font = labelFont();
        QVERIFY(font.weight() >= QFont::Bold);
        QVERIFY(!QFontInfo(font).fixedPitch());
        const int cell = QFontMetrics(font).height();
        QVERIFY2(cell >= 15 && cell <= 16, qPrintable(QString::number(cell)));
        // "Dec" ends well before the panel's right edge.
        QVERIFY(64 + QFontMetrics(font).horizontalAdvance(QStringLiteral("Dec")) < 150);
    }

    void labelsAreDrawnInTheLabelFont() {
        f_->type("7");
        ReadoutPanel* panel = f_->controls().readout;
        const QImage image = panel->grab().toImage();
        // The same labels drawn on their own, at their points.
        QImage reference(image.size(), QImage::Format_RGB32);
        reference.fill(image.pixel(100, 190));  // the panel colour
        QPainter painter(&reference);
        painter.setFont(labelFont());
        painter.setPen(QColor(0, 0, 255));
        const int ascent = painter.fontMetrics().ascent();
        const std::array<std::pair<int, const char*>, 4> labels{
            {{10, "Dec"}, {40, "Hex"}, {70, "Oct"}, {100, "Bin"}}};
        for (const auto& [y, text] : labels) {
            painter.drawText(QPoint(64, y + ascent), QString::fromLatin1(text));
        }
        painter.end();
        for (const auto& [y, text] : labels) {
            // Above the value line below the label.
            const QRect area(60, y, 80, 14);
            QVERIFY2(count(image, area, isBlueInk) > 20, text);
            int differing = 0;
            for (int row = area.top(); row <= area.bottom(); ++row) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    differing += isBlueInk(QColor(image.pixel(x, row))) !=
                                         isBlueInk(QColor(reference.pixel(x, row)))
                                     ? 1
                                     : 0;
                }
            }
            QVERIFY2(differing == 0, text);
        }
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

    void numberFontHasTheCellOfThePicture() {
        const QFont font = numberFont(korvo::PictureFont{});
        const QFontMetrics metrics(font);
        QVERIFY(metrics.height() <= 14);
        QVERIFY(metrics.height() >= 12);
        QVERIFY(qAbs(metrics.averageCharWidth() - 8) <= 1);
        QCOMPARE(font.weight(), QFont::Medium);
    }

  private:
    std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(ReadoutTest)
#include "readout_test.moc"

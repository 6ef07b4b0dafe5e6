// The window as it opens: flags, size, every control at its place with its
// text and font, the initial check marks, the keypad, the menus.
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

#include "app/keypadrow.h"
#include "app/resources.h"
#include "windowfixture.h"

using namespace korvo::app;
using korvo::app::testing::WindowFixture;

class LayoutTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        fixture_ = std::make_unique<WindowFixture>();
        QVERIFY(fixture_->ready);
    }
    void cleanup() { fixture_.reset(); }

    void windowIsFixedAlwaysOnTopWithoutMaximise() {
        CalculatorWindow& w = *fixture_->window;
        QCOMPARE(w.windowTitle(), QStringLiteral(" CALCULATOR V1.0 Written in Assembler"));
        const Qt::WindowFlags flags = w.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.clientArea()->size(), QSize(454, 219));
        QCOMPARE(w.clientArea()->y(), w.menuBar()->height());
        QCOMPARE(w.pos(), QPoint(200, 68));
    }

    void controlsStandAtTheirPlaces() {
        const WindowControls& c = fixture_->controls();
        QCOMPARE(c.floatingPoint->geometry(), QRect(4, 4, 130, 12));
        QCOMPARE(c.entry->geometry(), QRect(135, 0, 315, 22));
        QCOMPARE(c.arc->geometry(), QRect(182, 32, 40, 12));
        QCOMPARE(c.memoryIndicator->geometry(), QRect(239, 26, 25, 21));
        QCOMPARE(c.backSpace->geometry(), QRect(271, 26, 80, 20));
        QCOMPARE(c.operatorIndicator->geometry(), QRect(363, 26, 25, 21));
        QCOMPARE(c.clearEntry->geometry(), QRect(399, 26, 20, 20));
        QCOMPARE(c.clearAll->geometry(), QRect(429, 26, 20, 20));
        QCOMPARE(c.angleFrame->geometry(), QRect(178, 43, 85, 28));
        QCOMPARE(c.baseFrame->geometry(), QRect(271, 43, 178, 28));
        QCOMPARE(c.degrees->geometry(), QRect(182, 55, 39, 12));
        QCOMPARE(c.radians->geometry(), QRect(222, 55, 39, 12));
        QCOMPARE(c.decimal->geometry(), QRect(275, 55, 40, 12));
        QCOMPARE(c.hexadecimal->geometry(), QRect(318, 55, 40, 12));
        QCOMPARE(c.octal->geometry(), QRect(361, 55, 40, 12));
        QCOMPARE(c.binary->geometry(), QRect(404, 55, 40, 12));
        QCOMPARE(c.readout->geometry(), QRect(4, 18, 161, 196));
        for (int row = 0; row < 5; ++row) {
            QCOMPARE(c.keypad.at(static_cast<std::size_t>(row))->geometry(),
                     QRect(178, 74 + 29 * row, 272, 24));
        }
    }

    void labelsAndFonts() {
        const WindowControls& c = fixture_->controls();
        const QList<QPair<QAbstractButton*, QString>> labelled{{c.floatingPoint, "Floating Point"},
                                                               {c.arc, "Arc"},
                                                               {c.backSpace, "Back Space"},
                                                               {c.clearEntry, "CE"},
                                                               {c.clearAll, "C"},
                                                               {c.degrees, "Deg"},
                                                               {c.radians, "Rad"},
                                                               {c.decimal, "Dec"},
                                                               {c.hexadecimal, "Hex"},
                                                               {c.octal, "Oct"},
                                                               {c.binary, "Bin"}};
        for (const auto& [button, text] : labelled) {
            QCOMPARE(button->text(), text);
            QCOMPARE(button->font().family(), QStringLiteral("Courier New"));
            QCOMPARE(button->font().pixelSize(), 12);
            QCOMPARE(button->font().weight(), QFont::Medium);
        }
        // The entry and the indicators keep the system font.
        QCOMPARE(c.entry->font(), QApplication::font(c.entry));
        QCOMPARE(c.memoryIndicator->font(), QApplication::font(c.memoryIndicator));
        QVERIFY(c.entry->alignment().testFlag(Qt::AlignRight));
        QVERIFY(c.memoryIndicator->isReadOnly());
        QVERIFY(c.operatorIndicator->alignment().testFlag(Qt::AlignHCenter));
    }

    void initialMarksAndTexts() {
        const WindowControls& c = fixture_->controls();
        QVERIFY(c.degrees->isChecked());
        QVERIFY(c.decimal->isChecked());
        for (QAbstractButton* off :
             {static_cast<QAbstractButton*>(c.radians),
              static_cast<QAbstractButton*>(c.hexadecimal), static_cast<QAbstractButton*>(c.octal),
              static_cast<QAbstractButton*>(c.binary),
              static_cast<QAbstractButton*>(c.floatingPoint),
              static_cast<QAbstractButton*>(c.arc)}) {
            QVERIFY2(!off->isChecked(), qPrintable(off->text()));
        }
        QVERIFY(c.entry->text().isEmpty());
        QVERIFY(c.memoryIndicator->text().isEmpty());
        QVERIFY(c.operatorIndicator->text().isEmpty());
        QVERIFY(!c.readout->picture().has_value());
        QVERIFY(fixture_->focusOnMainWindow());
    }

    void keypadHasFortyFiveNamedPictureKeys() {
        const WindowControls& c = fixture_->controls();
        QSet<QString> names;
        for (int row = 0; row < 5; ++row) {
            KeypadRow* keys = c.keypad.at(static_cast<std::size_t>(row));
            for (int column = 0; column < 9; ++column) {
                QToolButton* key = keys->key(column);
                QCOMPARE(key->geometry(), QRect(31 * column, kKeyTop, 23, 22));
                QCOMPARE(key->iconSize(), QSize(16, 15));
                QVERIFY(!key->icon().isNull());
                QCOMPARE(key->focusPolicy(), Qt::TabFocus);
                QCOMPARE(key->toolTip(), key->accessibleName());
                names.insert(key->accessibleName());
            }
        }
        QCOMPARE(names.size(), 45);
        for (const char* name : {"Sine", "Memory store", "Hypotenuse: x HYP y =", "Digit 7",
                                 "Hex digit F", "Equals", "Pi", "Change sign"}) {
            QVERIFY2(names.contains(QString::fromLatin1(name)), name);
        }
        // The keys stand in the rows of the keypad table.
        QCOMPARE(fixture_->key(QStringLiteral("Sine"))->parentWidget(), c.keypad.at(0));
        QCOMPARE(fixture_->key(QStringLiteral("Sine"))->x(), 0);
        QCOMPARE(fixture_->key(QStringLiteral("Digit 0"))->parentWidget(), c.keypad.at(3));
        QCOMPARE(fixture_->key(QStringLiteral("Digit 0"))->x(), 93);
        QCOMPARE(fixture_->key(QStringLiteral("Hex digit F"))->parentWidget(), c.keypad.at(4));
        QCOMPARE(fixture_->key(QStringLiteral("Hex digit F"))->x(), 248);
    }

    void bitmapsAreSixteenColourRows() {
        for (int id = 301; id <= 305; ++id) {
            const QString path = QStringLiteral(":/keypad/keypad%1.bmp").arg(id);
            QImageReader reader(path);
            QCOMPARE(reader.format(), QByteArray("bmp"));
            const QImage image = reader.read();
            QCOMPARE(image.size(), QSize(144, 15));
            QCOMPARE(image.format(), QImage::Format_Indexed8);
            QVERIFY(image.colorCount() <= 16);
        }
        const QImage icon(QString::fromLatin1(kIconResource));
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(icon.hasAlphaChannel());
    }

    void keyFacesFollowTheColourScheme() {
        // Face backgrounds, sampled in a corner of each face.
        const QImage row1(QStringLiteral(":/keypad/keypad301.bmp"));
        const QImage row5(QStringLiteral(":/keypad/keypad305.bmp"));
        const QImage row4(QStringLiteral(":/keypad/keypad304.bmp"));
        QCOMPARE(QColor(row1.pixel(1, 1)), QColor(0xC0, 0xC0, 0xC0));       // Sin: grey
        QCOMPARE(QColor(row1.pixel(16 * 3 + 1, 1)), QColor(Qt::white));     // 7: white
        QCOMPARE(QColor(row5.pixel(16 * 3 + 1, 1)), QColor(Qt::cyan));      // A: cyan
        QCOMPARE(QColor(row4.pixel(16 * 5, 0)), QColor(0x00, 0x00, 0x80));  // "=": framed
        QCOMPARE(QColor(row1.pixel(16 * 2 + 1, 1)).red() > 0xC0, true);     // MC: red
    }

    void menusCarryTheirTexts() {
        const QList<QAction*> bar = fixture_->window->menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar.at(0)->text(), QStringLiteral("&Close"));
        QVERIFY(bar.at(0)->menu() == nullptr);
        QCOMPARE(bar.at(1)->text(), QStringLiteral("&Edit"));
        QCOMPARE(bar.at(2)->text(), QStringLiteral("&Information"));
        QStringList edit;
        for (QAction* a : bar.at(1)->menu()->actions()) {
            edit << a->text();
        }
        QCOMPARE(edit, (QStringList{"&Cut", "&Copy", "&Paste"}));
        QStringList information;
        for (QAction* a : bar.at(2)->menu()->actions()) {
            information << a->text();
        }
        QCOMPARE(information, (QStringList{"&Info", "&About"}));
    }

  private:
    std::unique_ptr<WindowFixture> fixture_;
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"

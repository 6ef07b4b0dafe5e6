// Clicks on the keypad and on the window's buttons and switches reach the
// calculator and show its results in the entry, the indicators and the
// readout.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "windowfixture.h"

using namespace korvo::app;
using korvo::app::testing::WindowFixture;

namespace {

QStringList readoutLines(const WindowFixture& f) {
    const auto& picture = f.controls().readout->picture();
    if (!picture) {
        return {};
    }
    QStringList lines{QString::fromStdString(picture->decimal.text),
                      QString::fromStdString(picture->hexadecimal.text),
                      QString::fromStdString(picture->octal.text)};
    QStringList binary;
    for (const auto& line : picture->binary) {
        binary << QString::fromStdString(line.text);
    }
    lines << binary.join(QStringLiteral(" | "));
    return lines;
}

}  // namespace

class ClicksTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        f_ = std::make_unique<WindowFixture>();
        QVERIFY(f_->ready);
    }
    void cleanup() { f_.reset(); }

    void keysBuildAnEntryAndAResult() {
        f_->click(QStringLiteral("Digit 7"));
        f_->click(QStringLiteral("Digit 8"));
        QCOMPARE(f_->entry(), QStringLiteral("78"));
        f_->click(QStringLiteral("Add"));
        QCOMPARE(f_->operatorMark(), QStringLiteral("+"));
        f_->click(QStringLiteral("Digit 5"));
        f_->click(QStringLiteral("Equals"));
        QCOMPARE(f_->entry(), QStringLiteral("83"));
        QCOMPARE(f_->operatorMark(), QStringLiteral("="));
        QCOMPARE(readoutLines(*f_), (QStringList{"83", "53", "123", "0101 0011"}));
    }

    void clickingAKeyLeavesTheFocusWhereItWas() {
        f_->controls().entry->setFocus();
        f_->click(QStringLiteral("Digit 1"));
        QCOMPARE(f_->focus(), f_->controls().entry);
    }

    void memoryKeysLightTheIndicator() {
        f_->click(QStringLiteral("Digit 4"));
        f_->click(QStringLiteral("Memory store"));
        QCOMPARE(f_->controls().memoryIndicator->text(), QStringLiteral("M"));
        f_->click(QStringLiteral("Memory clear"));
        QCOMPARE(f_->controls().memoryIndicator->text().trimmed(), QString());
    }

    void clearButtons() {
        f_->click(QStringLiteral("Digit 5"));
        f_->click(QStringLiteral("Add"));
        f_->click(QStringLiteral("Digit 3"));
        f_->click(f_->controls().clearEntry);
        QCOMPARE(f_->entry(), QString());
        QVERIFY(f_->focusOnMainWindow());
        f_->click(QStringLiteral("Digit 4"));
        f_->click(QStringLiteral("Equals"));
        QCOMPARE(f_->entry(), QStringLiteral("9"));  // the addition stayed pending

        f_->click(QStringLiteral("Digit 2"));
        f_->click(f_->controls().clearAll);
        QCOMPARE(f_->entry(), QString());
        QCOMPARE(f_->operatorMark(), QString());
        QCOMPARE(readoutLines(*f_), (QStringList{"0", "0", "0", "0000"}));
    }

    void backSpaceButton() {
        f_->click(QStringLiteral("Digit 1"));
        f_->click(QStringLiteral("Digit 2"));
        f_->click(QStringLiteral("Digit 3"));
        f_->click(f_->controls().backSpace);
        QCOMPARE(f_->entry(), QStringLiteral("12"));
        QCOMPARE(f_->controls().entry->cursorPosition(), 2);
        QCOMPARE(readoutLines(*f_).first(), QStringLiteral("12"));
    }

    void baseRadioConvertsTheEntry() {
        for (const char* digit : {"Digit 2", "Digit 5", "Digit 5"}) {
            f_->click(QString::fromLatin1(digit));
        }
        f_->click(f_->controls().hexadecimal);
        QVERIFY(f_->controls().hexadecimal->isChecked());
        QVERIFY(!f_->controls().decimal->isChecked());
        QCOMPARE(f_->entry(), QStringLiteral("FF"));
        QVERIFY(f_->focusOnMainWindow());
        // The base in force again: nothing changes, the focus stays on it.
        f_->click(f_->controls().hexadecimal);
        QCOMPARE(f_->entry(), QStringLiteral("FF"));
        QCOMPARE(f_->focus(), f_->controls().hexadecimal);
    }

    void angleBoxesUncheckEachOther() {
        const WindowControls& c = f_->controls();
        f_->click(c.radians);
        QVERIFY(c.radians->isChecked());
        QVERIFY(!c.degrees->isChecked());
        QCOMPARE(f_->window->state().angleUnit, 2U);
        f_->click(c.degrees);
        QVERIFY(c.degrees->isChecked());
        QVERIFY(!c.radians->isChecked());
        // A click on the box already checked unchecks it; degrees stay.
        f_->click(c.degrees);
        QVERIFY(!c.degrees->isChecked());
        QVERIFY(!c.radians->isChecked());
        QCOMPARE(f_->window->state().angleUnit, 1U);
        QCOMPARE(f_->focus(), c.degrees);
    }

    void floatingPointClearsButKeepsMemory() {
        f_->click(QStringLiteral("Digit 6"));
        f_->click(QStringLiteral("Memory store"));
        f_->click(QStringLiteral("Digit 1"));
        f_->click(f_->controls().floatingPoint);
        QCOMPARE(f_->window->state().floatMode, 1U);
        QCOMPARE(f_->entry(), QString());
        QCOMPARE(f_->controls().memoryIndicator->text(), QStringLiteral("M"));
        f_->click(QStringLiteral("Digit 1"));
        f_->click(QStringLiteral("Divide"));
        f_->click(QStringLiteral("Digit 4"));
        f_->click(QStringLiteral("Equals"));
        QCOMPARE(f_->entry(), QStringLiteral("0.25"));
    }

    void arcFollowsItsBox() {
        f_->click(f_->controls().arc);
        QCOMPARE(f_->window->state().arcMode, 1U);
        f_->click(f_->controls().arc);
        QCOMPARE(f_->window->state().arcMode, 0U);
    }

  private:
    std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(ClicksTest)
#include "clicks_test.moc"

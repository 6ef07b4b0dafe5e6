// What screen readers find in the window, Tab navigation, and sharp keypad
// faces at any device pixel ratio.
#include <QAccessible>
#include <QDialog>
#include <QMenuBar>

#include "app/announcer.h"
#include "app/keypadrow.h"
#include "app/readoutpanel.h"
#include "app/resources.h"
#include "calc/keypad.h"
#include "windowfixture.h"

using namespace korvo::app;
using korvo::keypadBitmap;
using korvo::KeypadKey;
using korvo::keypadKeys;
using korvo::app::testing::WindowFixture;

namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// Every shown node of the tree as "role name = value".
void dump(QAccessibleInterface* node, QStringList& out) {
    if (!node->state().invisible) {
        out << QStringLiteral("%1 %2 = %3")
                   .arg(node->role())
                   .arg(node->text(QAccessible::Name), node->text(QAccessible::Value));
        for (int i = 0; i < node->childCount(); ++i) {
            dump(node->child(i), out);
        }
    }
}

QStringList announced;  // what the notification said as it showed
void record(QAccessibleEvent* event) {
    if (event->type() == QAccessible::ObjectShow) {
        announced << accessible(event->object())->text(QAccessible::Name);
    }
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { setAnnouncementSink(record); }
    void init() {
        f_ = std::make_unique<WindowFixture>();
        QVERIFY(f_->ready);
    }
    void cleanup() { f_.reset(); }

    void theTreeNamesEveryControlAndItsValue() {
        f_->type("10");
        f_->click(QStringLiteral("Memory store"));
        QStringList tree;
        dump(accessible(f_->window.get()), tree);
        using A = QAccessible;
        for (const QString& node : {
                 QStringLiteral("%1 Entry = ").arg(A::EditableText),  // MS clears it
                 QStringLiteral("%1 Memory = M").arg(A::StaticText),
                 QStringLiteral("%1 Operator = ").arg(A::StaticText),  // no padding blanks
                 QStringLiteral("%1 Readout = ").arg(A::Grouping),
                 QStringLiteral("%1 Hexadecimal value = A").arg(A::EditableText),
                 QStringLiteral("%1 Digit 7 = ").arg(A::Button),
                 QStringLiteral("%1 Hexadecimal = ").arg(A::RadioButton),
             }) {
            QVERIFY2(tree.contains(node), qPrintable(node + QLatin1Char('\n') + tree.join('\n')));
        }
        QVERIFY(tree.front().contains(QStringLiteral(" korvocalc,")));  // the window
        for (const QString& node : tree) {                              // no control goes unnamed
            QVERIFY2(!node.contains(QStringLiteral("  =")), qPrintable(node));
        }
        QVERIFY(f_->controls().clearEntry->accessibleDescription().startsWith("Clears the entry"));
        // Menu items: no tab and shortcut text in the name.
        QAccessibleInterface* cut =
            accessible(f_->window->menuBar()->actions().at(1)->menu())->child(0);
        QCOMPARE(cut->text(A::Name), QStringLiteral("Cut"));
        QCOMPARE(cut->text(A::Accelerator), QStringLiteral("Ctrl+X"));
    }

    // Deg and Rad are one choice: a click on the unit in force keeps it
    // checked, F2 switches.
    void theAngleUnitInForceIsTheOneChecked() {
        const WindowControls& c = f_->controls();
        QCOMPARE(accessible(c.degrees)->role(), QAccessible::RadioButton);
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(c.degrees, Qt::LeftButton);
            QVERIFY(accessible(c.degrees)->state().checked && !c.radians->isChecked());
        }
        f_->stroke(Qt::Key_F2);
        QVERIFY(!c.degrees->isChecked() && accessible(c.radians)->state().checked);
    }

    // Whatever changes is said once, in a few words, however it was reached.
    void everyChangeIsAnnouncedOnce_data() {
        QTest::addColumn<QString>("words");
        const auto row = [](const char* keys, const char* words) {
            QTest::newRow(keys) << QString::fromLatin1(words);
        };
        row("7 + 8 =", "7/plus/8/15");
        row("1 2 F5", "1/12/hexadecimal, C");
        row("F2 F2", "radians/degrees");
        row("F3 I I", "floating point on/arc on/arc off");
        row("5 Ctrl+M Ctrl+L", "5/memory stored/memory cleared");
        row("5 @7 Backspace Esc", "5/57/5/empty");
    }
    void everyChangeIsAnnouncedOnce() {
        f_->stroke(Qt::Key_Escape);
        QCoreApplication::processEvents();
        announced.clear();
        for (const QString& key : QString::fromLatin1(QTest::currentDataTag()).split(' ')) {
            if (key == QStringLiteral("@7")) {
                f_->click(QStringLiteral("Digit 7"));
            } else {
                const QKeyCombination keys = QKeySequence::fromString(key)[0];
                f_->stroke(keys.key(), keys.keyboardModifiers());
            }
            QCoreApplication::processEvents();
        }
        QTEST(announced.join('/'), "words");
        // Where the focus rests between keys, the number is the name.
        QCOMPARE(accessible(f_->window->clientArea())->text(QAccessible::Name),
                 f_->entry().isEmpty() ? QStringLiteral("Empty entry") : f_->entry());
    }

    void aboutThroughTheBusAnswersBeforeItOpens() {
        bool returned = false;
        bool answeredFirst = false;
        QAccessibleActionInterface* about =
            accessible(f_->window->menuBar()->actions().at(2)->menu())->child(1)->actionInterface();
        QVERIFY(about != nullptr);
        korvo::app::testing::whileOpen<QDialog>(
            [&] {
                about->doAction(QAccessibleActionInterface::pressAction());
                returned = true;
            },
            [&](QDialog* dialog) {
                answeredFirst = returned;
                dialog->close();
            });
        QVERIFY(answeredFirst);
    }

    void tabMarksEveryControlInReadingOrder() {
        f_->type("12");
        const WindowControls& c = f_->controls();
        QList<QWidget*> order{c.floatingPoint, c.entry,       c.arc,     c.backSpace,
                              c.clearEntry,    c.clearAll,    c.degrees, c.radians,
                              c.decimal,       c.hexadecimal, c.octal,   c.binary};
        for (const KeypadKey& k : keypadKeys()) {
            order << c.keypad.at(static_cast<std::size_t>(k.row))->key(k.column);
        }
        for (ReadOnlyText* line : c.readout->lines()) {
            order << line;
        }
        order << c.floatingPoint;  // round again
        QList<QWidget*> marked;
        for (qsizetype i = 0; i < order.size(); ++i) {
            f_->stroke(Qt::Key_Tab);
            marked << f_->focus();
        }
        QCOMPARE(marked, order);
        QVERIFY(!c.entry->hasSelectedText());  // typing goes on with the number
        f_->stroke(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(f_->focus(), c.readout->lines().back());
    }

    void keysKeepTheirMeaningWhereverTheMarkStands() {
        QToolButton* seven = f_->key(QStringLiteral("Digit 7"));
        const QImage unmarked = seven->grab().toImage();
        const struct {
            Qt::Key key;
            const char *entry, *operatorMark;
        } steps[] = {
            {Qt::Key_Space, "7", ""}, {Qt::Key_5, "75", ""},       {Qt::Key_Plus, "", "+"},
            {Qt::Key_1, "1", ""},     {Qt::Key_Return, "76", "="}, {Qt::Key_Backspace, "7", "="},
        };
        for (const auto& step : steps) {
            seven->setFocus(Qt::TabFocusReason);
            QVERIFY(seven->grab().toImage() != unmarked);  // the mark shows
            f_->stroke(step.key);
            QCOMPARE(f_->entry(), QLatin1String(step.entry));
            QCOMPARE(f_->operatorMark(), QLatin1String(step.operatorMark));
        }
        f_->stroke(Qt::Key_Tab);  // on from the mark's last place
        QCOMPARE(f_->focus(), f_->key(QStringLiteral("Digit 8")));
    }

    // Run at device pixel ratio 1 (today's faces) and 2: each face is its
    // design drawn at the window's ratio, every pixel a sharp block, no blends.
    void facesAreSharpAtTheWindowsPixelRatio() {
        const qreal ratio = f_->window->devicePixelRatio();
        for (const KeypadKey& k : keypadKeys()) {
            QImage face = resourcePixmap(keypadBitmap(k.row).data(), "BMP")
                              .toImage()
                              .copy(16 * k.column, 0, 16, 15)
                              .convertToFormat(QImage::Format_RGB32);
            face = face.scaled(face.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            const QImage shot = f_->key(QString::fromLatin1(k.name))
                                    ->grab()
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGB32);
            bool found = false;  // somewhere in the shot, pixel for pixel
            for (int y = 0; !found && y + face.height() <= shot.height(); ++y) {
                for (int x = 0; !found && x + face.width() <= shot.width(); ++x) {
                    found = shot.copy(QRect(QPoint(x, y), face.size())) == face;
                }
            }
            QVERIFY2(found, k.name.data());
        }
    }

  private:
    std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

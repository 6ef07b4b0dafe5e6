// What screen readers find in the window, Tab navigation, and sharp keypad
// faces at any device pixel ratio.
#include <QAccessible>
#include <QCheckBox>
#include <QDialog>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "app/announcer.h"
#include "app/keypadrow.h"
#include "app/keytable.h"
#include "app/resources.h"
#include "windowfixture.h"

using namespace korvo::app;
using korvo::app::testing::WindowFixture;

namespace {

QAccessibleInterface* accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString line(int role, const QString& name, const QString& value) {
    return QStringLiteral("%1 %2 = %3").arg(role).arg(name, value);
}

// Every shown node of the tree as "role name = value".
void dump(QAccessibleInterface* node, QStringList& out) {
    if (!node->state().invisible) {
        out << line(node->role(), node->text(QAccessible::Name), node->text(QAccessible::Value));
        for (int i = 0; i < node->childCount(); ++i) {
            dump(node->child(i), out);
        }
    }
}

QList<std::pair<QObject*, QString>> valueChanges;
void recordValueChange(QAccessibleEvent* event) {
    if (event->type() == QAccessible::ValueChanged) {
        valueChanges.append({event->object(),
                             static_cast<QAccessibleValueChangeEvent*>(event)->value().toString()});
    }
}

// Whether `part` lies somewhere in `shot`, pixel for pixel.
bool contains(const QImage& shot, const QImage& part) {
    for (int y = 0; y + part.height() <= shot.height(); ++y) {
        for (int x = 0; x + part.width() <= shot.width(); ++x) {
            if (shot.copy(QRect(QPoint(x, y), part.size())) == part) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase() { setAnnouncementSink(recordValueChange); }
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
        const QStringList expected{
            line(QAccessible::EditableText, "Entry", ""),  // MS clears it
            line(QAccessible::EditableText, "Memory", "M"),
            line(QAccessible::EditableText, "Operator", ""),  // not the padding blanks
            line(QAccessible::Grouping, "Readout", ""),
            line(QAccessible::EditableText, "Hexadecimal value", "A"),
            line(QAccessible::Button, "Digit 7", ""),
            line(QAccessible::RadioButton, "Hexadecimal", ""),
        };
        for (const QString& node : expected) {
            QVERIFY2(tree.contains(node), qPrintable(node + QLatin1Char('\n') + tree.join('\n')));
        }
        for (const QString& node : tree) {  // no control goes unnamed
            QVERIFY2(!node.contains(QStringLiteral("  =")), qPrintable(node));
        }
        QVERIFY(f_->controls().clearEntry->accessibleDescription().startsWith("Clears the entry"));
        // Menu items: no tab and shortcut text in the name.
        QAccessibleInterface* cut =
            accessible(f_->window->menuBar()->actions().at(1)->menu())->child(0);
        QCOMPARE(cut->text(QAccessible::Name), QStringLiteral("Cut"));
        QCOMPARE(cut->text(QAccessible::Accelerator), QStringLiteral("Ctrl+X"));
    }

    void aResultIsSignalledWhereTheFocusRests() {
        f_->type("12+3");
        valueChanges.clear();
        f_->type("=");
        const std::pair<QObject*, QString> result{f_->controls().entry, QStringLiteral("15")};
        QTRY_VERIFY(valueChanges.contains(result));
        QVERIFY(f_->focusOnMainWindow());
        QCOMPARE(accessible(f_->window->clientArea())->text(QAccessible::Name),
                 QStringLiteral("15"));
    }

    void aboutThroughTheBusAnswersBeforeItOpens() {
        bool returned = false, answeredFirst = false, closed = false;
        QTimer closer;  // closes the dialog once it shows
        connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* dialog = QApplication::activeModalWidget(); dialog && !closed) {
                answeredFirst = returned;
                closed = dialog->close();
            }
        });
        closer.start(5);
        QAccessibleInterface* about =
            accessible(f_->window->menuBar()->actions().at(2)->menu())->child(1);
        about->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        returned = true;
        QTRY_VERIFY(closed);
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
        order << c.floatingPoint;  // round again
        QList<QWidget*> marked;
        for (qsizetype i = 0; i < order.size(); ++i) {
            f_->stroke(Qt::Key_Tab);
            marked << f_->focus();
        }
        QCOMPARE(marked, order);
        QVERIFY(!c.entry->hasSelectedText());  // typing goes on with the number
        f_->stroke(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(f_->focus(), f_->key(QStringLiteral("Hex digit F")));
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
            const QImage face = resourcePixmap(keypadBitmap(k.row).data(), "BMP")
                                    .toImage()
                                    .copy(16 * k.column, 0, 16, 15)
                                    .convertToFormat(QImage::Format_RGB32);
            const QImage shot = f_->key(QString::fromLatin1(k.name))->grab().toImage();
            QVERIFY2(contains(shot.convertToFormat(QImage::Format_RGB32),
                              face.scaled(face.size() * ratio, Qt::IgnoreAspectRatio,
                                          Qt::FastTransformation)),
                     k.name.data());
        }
    }

  private:
    std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

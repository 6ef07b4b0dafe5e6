// What screen readers find in the window, Tab navigation, and sharp keypad
// faces at any device pixel ratio.
#include <QAccessible>
#include <QCheckBox>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

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

// Every shown node of the tree as "role name = value".
void dump(QAccessibleInterface* node, QStringList& out) {
    if (node->state().invisible) {
        return;
    }
    out << QStringLiteral("%1 %2 = %3")
               .arg(node->role())
               .arg(node->text(QAccessible::Name), node->text(QAccessible::Value));
    for (int i = 0; i < node->childCount(); ++i) {
        dump(node->child(i), out);
    }
}

QString line(QAccessible::Role role, const char* name, const char* value) {
    return QStringLiteral("%1 %2 = %3").arg(role).arg(QLatin1String(name), QLatin1String(value));
}

QList<std::pair<QObject*, QString>> valueChanges;
void recordValueChange(QAccessibleEvent* event) {
    if (event->type() == QAccessible::ValueChanged) {
        valueChanges.append({event->object(),
                             static_cast<QAccessibleValueChangeEvent*>(event)->value().toString()});
    }
}

QImage render(QWidget* widget) {
    QImage image(widget->size(), QImage::Format_RGB32);
    widget->render(&image);
    return image;
}

QSet<QRgb> colours(const QImage& image) {
    QSet<QRgb> found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            found.insert(image.pixel(x, y));
        }
    }
    return found;
}

// Whether some part of `shot` the size `size` passes `test`.
template <typename Test>
bool shows(const QImage& shot, QSize size, Test test) {
    for (int y = 0; y + size.height() <= shot.height(); ++y) {
        for (int x = 0; x + size.width() <= shot.width(); ++x) {
            if (test(shot.copy(QRect(QPoint(x, y), size)))) {
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

    void theTreeNamesEveryControlWithItsValue() {
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
            line(QAccessible::EditableText, "Binary value", "1010"),
            line(QAccessible::Button, "Digit 7", ""),
            line(QAccessible::Button, "Clear all", ""),
            line(QAccessible::RadioButton, "Hexadecimal", ""),
            line(QAccessible::CheckBox, "Degrees", ""),
        };
        for (const QString& node : expected) {
            QVERIFY2(tree.contains(node),
                     qPrintable(node + QStringLiteral("\n") + tree.join('\n')));
        }
        for (const QString& node : tree) {  // no control goes unnamed
            QVERIFY2(!node.contains(QStringLiteral("  =")), qPrintable(node));
        }
    }

    void menuItemsAreNamedWithoutTheirShortcuts() {
        QMenu* edit = f_->window->menuBar()->actions().at(1)->menu();
        QAccessibleInterface* cut = accessible(edit)->child(0);
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
        QAccessibleInterface* about =
            accessible(f_->window->menuBar()->actions().at(2)->menu())->child(1);
        bool returned = false;
        bool answeredFirst = false;
        QTimer closer;
        closer.setInterval(5);
        connect(&closer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                answeredFirst = returned;
                dialog->reject();
                closer.stop();
            }
        });
        closer.start();
        about->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        returned = true;
        QTRY_VERIFY(!closer.isActive());
        QVERIFY(answeredFirst);
    }

    void tabMarksEveryControlInReadingOrder() {
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
        f_->stroke(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(f_->focus(), f_->key(QStringLiteral("Hex digit F")));
    }

    void keysKeepTheirMeaningWhereverTheMarkStands() {
        QToolButton* seven = f_->key(QStringLiteral("Digit 7"));
        const QImage unmarked = render(seven);
        const struct {
            Qt::Key key;
            const char* entry;
            const char* operatorMark;
        } steps[] = {
            {Qt::Key_Space, "7", ""}, {Qt::Key_5, "75", ""},       {Qt::Key_Plus, "", "+"},
            {Qt::Key_1, "1", ""},     {Qt::Key_Return, "76", "="}, {Qt::Key_Backspace, "7", "="},
        };
        for (const auto& step : steps) {
            seven->setFocus(Qt::TabFocusReason);
            QVERIFY(render(seven) != unmarked);  // the mark shows
            f_->stroke(step.key);
            QCOMPARE(f_->entry(), QLatin1String(step.entry));
            QCOMPARE(f_->operatorMark(), QLatin1String(step.operatorMark));
        }
    }

    // Run at device pixel ratio 1 (today's faces, pixel for pixel) and 2
    // (each face sharp: only its own colours where it lies, no blends).
    void facesAreSharpAtTheWindowsPixelRatio() {
        const qreal ratio = f_->window->devicePixelRatio();
        for (const KeypadKey& k : keypadKeys()) {
            const QImage face = resourcePixmap(keypadBitmap(k.row).data(), "BMP")
                                    .toImage()
                                    .copy(16 * k.column, 0, 16, 15)
                                    .convertToFormat(QImage::Format_RGB32);
            const QImage shot = f_->key(QString::fromLatin1(k.name))
                                    ->grab()
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGB32);
            const QSet<QRgb> inks = colours(face);
            const auto exact = [&](const QImage& part) { return part == face; };
            const auto sharp = [&](const QImage& part) { return colours(part) == inks; };
            QVERIFY2(ratio == 1 ? shows(shot, face.size(), exact)
                                : shows(shot, face.size() * ratio, sharp),
                     k.name.data());
        }
    }

  private:
    std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

// The menu bar: Edit enabling, Info, About, Close and the close button.
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QtMath>

#include "windowfixture.h"

using namespace korvo::app;
using korvo::app::testing::MessageCatcher;
using korvo::app::testing::WindowFixture;

namespace {

QAction* menuItem(const WindowFixture& f, int menu, int item) {
    return f.window->menuBar()->actions().at(menu)->menu()->actions().at(item);
}

// Runs `act` and handles the dialog it opens with `handle`, once it shows.
template <typename Handle>
void whileDialogOpen(const std::function<void()>& act, Handle handle) {
    // The item opens its dialog once its action has returned.
    act();
    bool handled = false;
    QTimer::singleShot(0, [handle, &handled] {
        QDialog* dialog = nullptr;
        QTRY_VERIFY((dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) !=
                    nullptr);
        handle(dialog);
        handled = true;
    });
    QTRY_VERIFY(handled);
}

}  // namespace

class MenusTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void init() {
        f_ = std::make_unique<WindowFixture>();
        QVERIFY(f_->ready);
    }
    void cleanup() { f_.reset(); }

    void cutAndCopyFollowTheSelectionWhenTheMenuOpens() {
        QMenu* edit = f_->window->menuBar()->actions().at(1)->menu();
        f_->type("42");
        Q_EMIT edit->aboutToShow();
        QVERIFY(!menuItem(*f_, 1, 0)->isEnabled());
        QVERIFY(!menuItem(*f_, 1, 1)->isEnabled());
        QVERIFY(menuItem(*f_, 1, 2)->isEnabled());
        f_->controls().entry->selectAll();
        Q_EMIT edit->aboutToShow();
        QVERIFY(menuItem(*f_, 1, 0)->isEnabled());
        QVERIFY(menuItem(*f_, 1, 1)->isEnabled());
        // Opening any pop-up re-evaluates them.
        f_->controls().entry->deselect();
        Q_EMIT f_->window->menuBar()->actions().at(2)->menu()->aboutToShow();
        QVERIFY(!menuItem(*f_, 1, 0)->isEnabled());
    }

    void theSelectionOutlivesTheFocus() {
        // An edit control keeps its selection when a switch takes the focus:
        // Cut and Copy stay enabled and act on it.
        f_->type("42");
        QLineEdit* entry = f_->controls().entry;
        entry->setFocus();
        entry->setSelection(2, -2);  // caret at the start
        const QList<QAbstractButton*> switches{f_->controls().arc, f_->controls().degrees,
                                               f_->controls().radians};
        for (QAbstractButton* button : switches) {
            f_->click(button);
            QCOMPARE(f_->focus(), button);
            QCOMPARE(entry->selectedText(), QStringLiteral("42"));
            Q_EMIT f_->window->menuBar()->actions().at(1)->menu()->aboutToShow();
            QVERIFY(menuItem(*f_, 1, 0)->isEnabled());
            QVERIFY(menuItem(*f_, 1, 1)->isEnabled());
        }
        QCOMPARE(entry->cursorPosition(), 0);
        QGuiApplication::clipboard()->clear();
        f_->stroke(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("42"));
    }

    void menuPasteClearsFirst() {
        f_->type("5+");
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        menuItem(*f_, 1, 2)->trigger();
        QCOMPARE(f_->entry(), QStringLiteral("7"));
        f_->type("=");
        QCOMPARE(f_->entry(), QStringLiteral("7"));  // the addition was cleared
    }

    void infoShowsItsTextWithoutBlockingTheWindow() {
        MessageCatcher catcher;
        menuItem(*f_, 2, 0)->trigger();
        QTRY_COMPARE(catcher.captions, QStringList{QStringLiteral("KORVO CALCULATOR")});
        const QStringList lines = catcher.texts.value(0).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines.at(0), QString(38, QLatin1Char(' ')) +
                                  QStringLiteral("Most of the functions are self explanatory."));
        QCOMPARE(lines.at(1), QString());
        QCOMPARE(lines.at(4), QStringLiteral("(2). HYP  Enter the X number click the HYP button "
                                             "enter the Y number click =."));
        QCOMPARE(catcher.modal, QList<bool>{false});
    }

    void aboutOpensWithItsTextsAndClosesWithOk() {
        QStringList texts;
        QString title;
        whileDialogOpen([this] { menuItem(*f_, 2, 1)->trigger(); },
                        [&texts, &title](QDialog* dialog) {
                            title = dialog->windowTitle();
                            for (QLabel* label : dialog->findChildren<QLabel*>()) {
                                texts << label->text();
                            }
                            texts << dialog->findChild<QTextEdit*>()->toPlainText();
                            QPushButton* ok = dialog->findChild<QPushButton*>();
                            QCOMPARE(ok->text(), QStringLiteral("OK"));
                            QVERIFY(ok->isDefault());
                            ok->click();
                        });
        QCOMPARE(title, QStringLiteral("About Calculator"));
        QVERIFY(texts.contains(QStringLiteral(
            "This calculator program was written entirely in assembler that takes advantage "
            "of the new Windows 98 user interface.")));
        QVERIFY(texts.contains(QStringLiteral(
            "Write your next Windows program in ASSEMBLER. \nIf I can do it anyone can.")));
        QVERIFY(texts.contains(QStringLiteral(" ")));
        QVERIFY(!texts.last().isEmpty());  // the contact line
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void aboutTextsAreWhollyVisible() {
        // The first text wraps within its width and ends above the contact
        // box below it, which keeps its place and size and shows both lines.
        QRect about;
        QRect aboutText;
        QRect contact;
        int contactText = 0;
        int contactRoom = 0;
        int dialogWidth = 0;
        whileDialogOpen([this] { menuItem(*f_, 2, 1)->trigger(); },
                        [&](QDialog* dialog) {
                            for (QLabel* label : dialog->findChildren<QLabel*>()) {
                                if (label->text().startsWith(QStringLiteral("This calculator"))) {
                                    about = label->geometry();
                                    aboutText = label->fontMetrics().boundingRect(
                                        label->contentsRect(), Qt::TextWordWrap | Qt::AlignHCenter,
                                        label->text());
                                }
                            }
                            if (auto* box = dialog->findChild<QTextEdit*>()) {
                                contact = box->geometry();
                                contactText = qCeil(box->document()->size().height());
                                contactRoom = box->viewport()->height();
                            }
                            dialogWidth = dialog->width();
                            dialog->accept();
                        });
        QVERIFY(aboutText.height() > 0);
        QVERIFY2(about.top() + aboutText.height() <= contact.top(),
                 qPrintable(QStringLiteral("%1 > %2").arg(aboutText.height()).arg(contact.top())));
        QVERIFY(qAbs(double(about.width()) / dialogWidth - 134.0 / 194.0) < 0.02);
        QVERIFY(qAbs(double(contact.width()) / dialogWidth - 107.0 / 194.0) < 0.02);
        QVERIFY2(contactText <= contactRoom,
                 qPrintable(QStringLiteral("%1 > %2").arg(contactText).arg(contactRoom)));
    }

    void aboutClosesWithEscape() {
        bool modal = false;
        whileDialogOpen([this] { menuItem(*f_, 2, 1)->trigger(); },
                        [&modal](QDialog* dialog) {
                            modal = dialog->isModal();
                            QTest::keyClick(dialog, Qt::Key_Escape);
                        });
        QVERIFY(modal);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void closeAndTheCloseButtonQuit() {
        QAction* close = f_->window->menuBar()->actions().at(0);
        close->trigger();
        QCOMPARE(f_->quits, 1);
        f_->window->close();
        QCOMPARE(f_->quits, 2);
    }

  private:
    std::unique_ptr<WindowFixture> f_;
};

QTEST_MAIN(MenusTest)
#include "menus_test.moc"

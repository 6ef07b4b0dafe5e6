// The menu bar: Edit enabling, Info, About, Close and the close button.
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

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
    QTimer::singleShot(0, [handle] {
        QDialog* dialog = nullptr;
        QTRY_VERIFY((dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) !=
                    nullptr);
        handle(dialog);
    });
    act();
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
        QCOMPARE(catcher.captions, QStringList{QStringLiteral("KORVO CALCULATOR")});
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

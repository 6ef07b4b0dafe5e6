// Every golden case of tests/cases, played on the Qt window as a person would
// (clicks on its keys and switches, Ctrl+V, typed characters), must leave the
// window showing what korvocalc-cli shows for the same tokens: the entry, the
// indicators, the readout, the checks and the beeps.
#include <QAbstractButton>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTest>

#include "calc/clearall.h"
#include "calc/keypad.h"
#include "cli/driver.h"
#include "cli/headlesswindow.h"
#include "cli/tokens.h"
#include "windowfixture.h"

using korvo::app::testing::WindowFixture;

namespace {

// What both front ends show, side by side.
QStringList shown(const QString& entry, const QString& op, const QString& memory,
                  const korvo::ReadoutPicture& picture, const QStringList& checks) {
    QStringList lines{entry, op.trimmed(), memory.trimmed()};
    for (const auto* line : {&picture.decimal, &picture.hexadecimal, &picture.octal}) {
        lines << QString::fromStdString(line->text);
    }
    for (const auto& line : picture.binary) {
        lines << QString::fromStdString(line.text);
    }
    return lines << checks.join(QLatin1Char(' '));
}

constexpr std::array kSwitches{korvo::Switch::FloatingPoint, korvo::Switch::Arc,
                               korvo::Switch::Degrees,       korvo::Switch::Radians,
                               korvo::Switch::Decimal,       korvo::Switch::Hexadecimal,
                               korvo::Switch::Octal,         korvo::Switch::Binary};

void play(const WindowFixture& f, const korvo::cli::Action& action) {
    using korvo::cli::ActionKind;
    const auto& c = f.controls();
    switch (action.kind) {
        case ActionKind::Keypad:
            for (const korvo::KeypadKey& key : korvo::keypadKeys()) {
                if (key.commandId == action.id) {
                    f.click(QString::fromLatin1(key.name));
                }
            }
            return;
        case ActionKind::WindowCommand:
            QTest::mouseClick(action.id == 1   ? c.backSpace
                              : action.id == 2 ? c.clearEntry
                                               : c.clearAll,
                              Qt::LeftButton);
            return;
        case ActionKind::Radio:
        case ActionKind::CheckBox:
            QTest::mouseClick(f.window->windowSystem().switchButton(action.control),
                              Qt::LeftButton);
            return;
        case ActionKind::Paste:
            QGuiApplication::clipboard()->setText(QString::fromStdString(action.text));
            f.stroke(Qt::Key_V, Qt::ControlModifier);
            return;
        case ActionKind::Type:
            f.type(action.text.c_str());
            return;
    }
}

}  // namespace

class CasesTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void everyCaseShowsInTheWindowAsInTheCli() {
        // Message boxes are closed as soon as they show; korvocalc-cli counts them too.
        QTimer closer;
        connect(&closer, &QTimer::timeout, [] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                    box->button(QMessageBox::Ok)->click();
                }
            }
        });
        closer.start(1);
        const QDir cases(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../cases"));
        int played = 0;
        QStringList differ;
        for (const QString& name : cases.entryList({QStringLiteral("*.cases")})) {
            QFile file(cases.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
            for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
                if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
                    continue;
                }
                korvo::CalculatorState s;
                korvo::HeadlessWindow ws;
                korvo::showStartReadout(s, ws);
                const WindowFixture f;
                QVERIFY(f.ready);
                for (const QString& token : line.section(QStringLiteral("=>"), 0, 0)
                                                .split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
                    const auto action = korvo::cli::parseToken(token.toStdString());
                    QVERIFY2(action, qPrintable(token));
                    korvo::cli::perform(*action, s, ws);
                    play(f, *action);
                }
                QStringList windowChecks{QString::number(f.beeps())};
                QStringList cliChecks{QString::number(ws.beeps())};
                for (const korvo::Switch which : kSwitches) {
                    const QString label = f.window->windowSystem().switchButton(which)->text();
                    windowChecks << (f.window->windowSystem().isChecked(which) ? label : QString());
                    cliChecks << (ws.isChecked(which) ? label : QString());
                }
                const auto& c = f.controls();
                const QStringList window =
                    shown(c.entry->text(), c.operatorIndicator->text(), c.memoryIndicator->text(),
                          c.readout->picture().value_or(korvo::ReadoutPicture{}), windowChecks);
                const QStringList cli =
                    shown(QString::fromStdString(ws.entryText()),
                          QString::fromStdString(ws.operatorIndicator()),
                          QString::fromStdString(ws.memoryIndicator()), ws.readout(), cliChecks);
                if (window != cli) {
                    differ << name + QStringLiteral(": ") + line + QStringLiteral("\n  window: ") +
                                  window.join(QLatin1Char('|')) + QStringLiteral("\n  cli:    ") +
                                  cli.join(QLatin1Char('|'));
                }
                ++played;
            }
        }
        QVERIFY(played > 0);
        QVERIFY2(differ.isEmpty(), qPrintable(differ.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(CasesTest)
#include "cases_test.moc"

// korvocalc: the calculator's window.
#include <QApplication>
#include <QIcon>
#include <array>
#include <cstdio>
#include <span>
#include <string>

#include "app/commandline.h"
#include "app/mainwindow.h"
#include "app/resources.h"
#include "app/startup.h"
#include "app/warmup.h"

int main(int argc, char** argv) {
    using namespace korvo::app;
    if (const auto status = answerCommandLine({argv + (argc > 0 ? 1 : 0), argv + argc})) {
        return *status;
    }
    const StartupEnvironment env = readStartupEnvironment();
    if (const std::string problem = displayProblem(env); !problem.empty()) {
        std::fprintf(stderr, "korvocalc: cannot open the window: %s\n", problem.c_str());
        return 1;
    }
    if (const std::string platform = choosePlatform(env); !platform.empty()) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
    }
    installFatalMessageHandler();

    // The program takes nothing from its command line: Qt sees only its name.
    std::string name = argc > 0 && argv[0] != nullptr ? argv[0] : "korvocalc";
    std::array<char*, 2> qtArgv{name.data(), nullptr};
    int qtArgc = 1;
    QApplication app(qtArgc, qtArgv.data());
    QApplication::setApplicationName(QStringLiteral("korvocalc"));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    // Only Close and the window's close button end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    initResources();
    StartupWarmUp warmUp;

    CalculatorWindow window;
    // Before the window is shown: its native window takes the icon as made.
    QApplication::setWindowIcon(warmUp.windowIcon());
    window.showNormal();
    window.activateWindow();
    return QApplication::exec();
}

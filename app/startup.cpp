#include "app/startup.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace korvo::app {

namespace {

std::string variable(const char* name) {
    return qEnvironmentVariable(name).toStdString();
}

QtMessageHandler previousHandler = nullptr;

void fatalAware(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "korvocalc: cannot open the window: %s\n",
                     message.toLocal8Bit().constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    }
}

}  // namespace

StartupEnvironment readStartupEnvironment() {
    return StartupEnvironment{variable("QT_QPA_PLATFORM"), variable("WAYLAND_DISPLAY"),
                              variable("DISPLAY"), variable("XDG_SESSION_TYPE")};
}

std::string choosePlatform(const StartupEnvironment& env) {
    if (!env.qpaPlatform.empty()) {
        return {};
    }
    const bool wayland = !env.waylandDisplay.empty() || env.sessionType == "wayland";
    if (wayland && !env.display.empty()) {
        return "xcb";
    }
    return {};
}

std::string displayProblem(const StartupEnvironment& env) {
    if (!env.qpaPlatform.empty()) {
        return {};  // Qt reports what goes wrong with a chosen platform
    }
    if (env.display.empty() && env.waylandDisplay.empty()) {
        return "no display (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    }
    return {};
}

void installFatalMessageHandler() {
    previousHandler = qInstallMessageHandler(fatalAware);
}

}  // namespace korvo::app

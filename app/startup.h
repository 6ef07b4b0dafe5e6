// Choosing the window platform and failing cleanly when there is no display.
#pragma once

#include <string>

namespace korvo::app {

struct StartupEnvironment {
    std::string qpaPlatform;     // QT_QPA_PLATFORM: the user's own choice
    std::string waylandDisplay;  // WAYLAND_DISPLAY
    std::string display;         // DISPLAY
    std::string sessionType;     // XDG_SESSION_TYPE
};

StartupEnvironment readStartupEnvironment();

// The platform to run on when the user chose none: a Wayland session lets no
// program stay above the others, so the window goes through XWayland (xcb)
// when it is there. Empty: leave the choice to Qt.
std::string choosePlatform(const StartupEnvironment& env);

// Why no window can be opened, found before Qt tries; empty when a display
// may be there.
std::string displayProblem(const StartupEnvironment& env);

// A fatal Qt message (no display reachable, no platform plugin) ends the
// program at once with the message on standard error and exit status 1.
void installFatalMessageHandler();

}  // namespace korvo::app

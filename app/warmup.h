// Start-up work that needs no widget, done on a thread of its own while the
// window is being built: the main thread meanwhile mostly waits on the X
// server and the session bus, or runs beside it on another core.
#pragma once

#include <QImage>
#include <future>
#include <vector>

class QIcon;

namespace korvo::app {

class StartupWarmUp {
  public:
    // Starts the thread; the application object must exist.
    StartupWarmUp();
    // The window icon, once its pictures are read.
    QIcon windowIcon();

  private:
    std::future<std::vector<QImage>> iconImages_;
};

}  // namespace korvo::app

#include "app/warmup.h"

#include <QFontDatabase>
#include <QIcon>
#include <QStringList>

#include "app/resources.h"

namespace korvo::app {

StartupWarmUp::StartupWarmUp()
    : iconImages_(std::async(std::launch::async, [] {
          // The font list first: the window's first text needs it, and
          // building it (fontconfig's configuration and caches) is the
          // longest part. QFontDatabase may be used from any thread.
          [[maybe_unused]] const QStringList families = QFontDatabase::families();
          return readWindowIconImages();
      })) {}

QIcon StartupWarmUp::windowIcon() {
    return korvo::app::windowIcon(iconImages_.get());
}

}  // namespace korvo::app

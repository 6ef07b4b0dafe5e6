// The keypad bitmaps and the icon, compiled into the program.
#pragma once

#include <QImage>
#include <array>
#include <vector>

class QIcon;
class QPixmap;

namespace korvo::app {

// Makes the compiled-in resources available; safe to call more than once.
void initResources();

// A compiled-in picture in the given format ("BMP", "PNG"), read by Qt's own
// reader: image plugins are neither probed nor loaded.
QPixmap resourcePixmap(const char* path, const char* format);

// The window icon's pictures, in the sizes a window's title bar and task
// list draw; safe on any thread.
std::vector<QImage> readWindowIconImages();
// The window icon made of them, on the GUI thread.
QIcon windowIcon(const std::vector<QImage>& images);

inline constexpr const char* kApplicationId = "io.github.korvocalc.Korvocalc";
// The window icon's sizes, each a picture ":/icons/korvocalc-N.png". The
// larger ones are the desktop's, from the installed icon theme: on X11 every
// size given to the window is decoded and sent to the server at start-up
// (the 128 and 256 pixel ones nine tenths of the bytes).
inline constexpr std::array kIconSizes{16, 24, 32, 48, 64};

}  // namespace korvo::app

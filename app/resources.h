// The keypad bitmaps and the icon, compiled into the program.
#pragma once

class QPixmap;

namespace korvo::app {

// Makes the compiled-in resources available; safe to call more than once.
void initResources();

// A compiled-in picture in the given format ("BMP", "PNG"), read by Qt's own
// reader: image plugins are neither probed nor loaded.
QPixmap resourcePixmap(const char* path, const char* format);

inline constexpr const char* kApplicationId = "io.github.korvocalc.Korvocalc";
inline constexpr const char* kIconResource = ":/icons/korvocalc.png";

}  // namespace korvo::app

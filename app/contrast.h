// Text that stays readable on any palette: contrast ratios as the WCAG
// define them, from 1 (none) to 21 (black on white).
#pragma once

#include <QColor>

namespace korvo::app {

inline constexpr double kReadableContrast = 4.5;

double contrastRatio(const QColor& a, const QColor& b);

// `wanted` where it is readable on `background`, otherwise `fallback` (the
// palette's own text colour for that background).
QColor readableOn(const QColor& wanted, const QColor& background, const QColor& fallback);

}  // namespace korvo::app

// The window's look on top of the desktop's style: check boxes and radio
// buttons 12 pixels high with small indicators close to their labels, and
// no picture loaded that the window does not show.
#pragma once

#include <QProxyStyle>

namespace korvo::app {

class CompactStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    // Group boxes get an etched frame, drawn rather than loaded from a
    // picture (loading it would probe every image plugin).
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    // The menu bar's overflow arrow never shows in the fixed window; not
    // loading its picture spares loading image plugins at start-up.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};

// Makes CompactStyle the application's style, once.
void useCompactStyle();

inline constexpr int kIndicatorSize = 11;
inline constexpr int kLabelSpacing = 3;
// The most a group box's line stands below its top: half the caption height
// of the window's own font.
inline constexpr int kCaptionBand = 7;

}  // namespace korvo::app

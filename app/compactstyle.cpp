#include "app/compactstyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>

namespace korvo::app {

int CompactStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return kIndicatorSize;
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
            return kLabelSpacing;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

void CompactStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // A group box without a caption still keeps its line half a text
    // height below its top, where a caption would sit, as Windows draws it:
    // the line then clears the controls just above the frame. Never lower:
    // with a desktop's larger font it would cross the labels inside.
    const int band = std::min(option->fontMetrics.height() / 2, kCaptionBand);
    const QRect outer = option->rect.adjusted(0, band, -2, -2);
    painter->save();
    painter->setPen(option->palette.color(QPalette::Light));
    painter->drawRect(outer.translated(1, 1));
    painter->setPen(option->palette.color(QPalette::Mid));
    painter->drawRect(outer);
    painter->restore();
}

QIcon CompactStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
        return {};
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

void useCompactStyle() {
    if (dynamic_cast<CompactStyle*>(QApplication::style()) == nullptr) {
        QApplication::setStyle(new CompactStyle);
    }
}

}  // namespace korvo::app

// The readout panel: a frame that shows the last readout picture the
// calculator painted. Repaints by the window system (after being covered or
// minimised) show that picture again; only the calculator changes it.
#pragma once

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <array>
#include <optional>

#include "app/readonlytext.h"
#include "readout/readoutpicture.h"

namespace korvo::app {

class ReadoutPanel : public QGroupBox {
  public:
    // The panel is painted in the colour of menus.
    explicit ReadoutPanel(QWidget* parent);

    void setPicture(ReadoutPicture picture);
    [[nodiscard]] const std::optional<ReadoutPicture>& picture() const { return picture_; }
    // The four lines as texts to read and copy: Dec, Hex, Oct, Bin.
    [[nodiscard]] const std::array<ReadOnlyText*, 4>& lines() const { return values_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void describeLines();

    std::optional<ReadoutPicture> picture_;
    // Made at the first paint, then kept while the picture's font stays.
    std::optional<QFont> numberFont_;
    std::optional<QFont> labelFont_;
    // Non-painting stand-ins for the four values, so that tooltips, screen
    // readers and the clipboard get them whole.
    std::array<ReadOnlyText*, 4> values_{};
};

// A 0x00BBGGRR colour as Qt's.
QColor colourOf(std::uint32_t colourRef);

// The number font of the picture as this machine can draw it: a cell of
// `height` pixels and characters `width` pixels wide on average.
QFont numberFont(const PictureFont& font);

// The labels' font: the bold System font of the drawing surface, a
// proportional sans with a cell of 16 pixels, as this machine can draw it.
QFont labelFont();

}  // namespace korvo::app

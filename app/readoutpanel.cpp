#include "app/readoutpanel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/contrast.h"
#include "readout/binarylines.h"

namespace korvo::app {

namespace {

// Rectangles of the picture have exclusive right and bottom edges.
QRect toQRect(const PixelRect& r) {
    return {QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)};
}

QString latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Heights given to fonts here are whole character cells; Qt sizes the em,
// so shrink the em until the cell fits.
void fitCell(QFont& font, int height) {
    font.setPixelSize(height);
    const int cell = QFontMetrics(font).height();
    if (cell > height) {
        font.setPixelSize(std::max(1, height * height / cell));
    }
    // Rounding can leave the cell a pixel too tall.
    while (font.pixelSize() > 1 && QFontMetrics(font).height() > height) {
        font.setPixelSize(font.pixelSize() - 1);
    }
}

constexpr int kSystemFontCell = 16;
constexpr int kWidthProbe = 20;

constexpr std::array<const char*, 4> kValueNames{"Decimal value", "Hexadecimal value",
                                                 "Octal value", "Binary value"};
constexpr std::array<const char*, 4> kValueBases{"The number in base 10", "The number in base 16",
                                                 "The number in base 8", "The number in base 2"};

}  // namespace

QColor colourOf(std::uint32_t colourRef) {
    return {static_cast<int>(colourRef & 0xFFU), static_cast<int>((colourRef >> 8) & 0xFFU),
            static_cast<int>((colourRef >> 16) & 0xFFU)};
}

QFont numberFont(const PictureFont& font) {
    QFont result(QString::fromStdString(font.face));
    result.setStyleHint(QFont::TypeWriter);
    result.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    fitCell(result, font.height);
    const int average = QFontMetrics(result).averageCharWidth();
    if (average > 0) {
        const double stretch = 100.0 * font.width / average;
        result.setStretch(std::clamp(static_cast<int>(std::lround(stretch)), 50, 200));
    }
    // Characters no wider than the picture's, so that a line of as many as
    // its place holds is drawn whole (a fraction of a pixel per character
    // would cut the last one).
    // Each stretch tried is a font of its own to find and load: the first
    // narrowing is computed, the rest (rounding) taken a step at a time.
    const QString run(kWidthProbe, QLatin1Char('0'));
    const int limit = kWidthProbe * font.width;
    const int advance = QFontMetrics(result).horizontalAdvance(run);
    if (advance > limit && result.stretch() > 50) {
        result.setStretch(std::max(50, result.stretch() * limit / advance));
        while (result.stretch() > 50 && QFontMetrics(result).horizontalAdvance(run) > limit) {
            result.setStretch(result.stretch() - 1);
        }
    }
    return result;
}

QFont labelFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Bold);
    fitCell(font, kSystemFontCell);
    return font;
}

ReadoutPanel::ReadoutPanel(QWidget* parent) : QGroupBox(parent) {
    installReadOnlyTextAccessibility();
    setAccessibleName(QStringLiteral("Readout"));
    for (std::size_t i = 0; i < values_.size(); ++i) {
        auto* value = new ReadOnlyText(this);
        value->setAccessibleName(QString::fromLatin1(kValueNames.at(i)));
        value->setAccessibleDescription(QString::fromLatin1(kValueBases.at(i)));
        value->hide();  // shown once there is a value to name
        values_.at(i) = value;
    }
}

void ReadoutPanel::setPicture(ReadoutPicture picture) {
    // The fonts are made when first painted: finding and loading them is a
    // good part of the start-up, and the window is mapped before it paints.
    if (picture_ && picture_->font != picture.font) {
        numberFont_.reset();
    }
    picture_ = std::move(picture);
    describeLines();
    update();
}

void ReadoutPanel::describeLines() {
    const ReadoutPicture& p = *picture_;
    const std::array<const PictureLine*, 3> lines{&p.decimal, &p.hexadecimal, &p.octal};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        values_.at(i)->setGeometry(toQRect(lines.at(i)->rect));
        values_.at(i)->setText(latin1(lines.at(i)->text));
        values_.at(i)->show();
    }
    ReadOnlyText* binary = values_.back();
    if (p.binary.empty()) {
        binary->hide();
        return;
    }
    QRect block;
    QStringList texts;
    for (const PictureLine& line : p.binary) {
        block = block.united(toQRect(line.rect));
        texts << latin1(line.text);
    }
    binary->setGeometry(block);
    binary->setText(texts.join(QLatin1Char(' ')));
    binary->show();
}

void ReadoutPanel::paintEvent(QPaintEvent* event) {
    QGroupBox::paintEvent(event);
    if (!picture_) {
        return;
    }
    const ReadoutPicture& p = *picture_;
    // The panel follows the palette; the picture's colours are kept where
    // they are readable on it, the palette's text colour used where not.
    const QPalette palette = QApplication::palette("QMenu");
    const QColor panel = palette.color(QPalette::Window);
    const QColor textColour = palette.color(QPalette::WindowText);
    QPainter painter(this);
    painter.fillRect(toQRect(p.background), panel);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(panel);

    if (!numberFont_) {
        numberFont_ = numberFont(p.font);
    }
    if (!labelFont_) {
        labelFont_ = labelFont();
    }

    // Labels: at a point, in the bold label font.
    painter.setFont(*labelFont_);
    painter.setPen(readableOn(colourOf(p.labelColour), panel, textColour));
    const int labelAscent = painter.fontMetrics().ascent();
    for (const PictureLabel& label : p.labels) {
        painter.drawText(QPoint(label.x, label.y + labelAscent), latin1(label.text));
    }

    // Values: one line each, never wrapped. A line too long for its place
    // ends in an ellipsis after the last whole character that fits; the
    // line's tooltip holds it all.
    painter.setFont(*numberFont_);
    painter.setPen(readableOn(colourOf(p.valueColour), panel, textColour));
    const QFontMetrics metrics = painter.fontMetrics();
    const int ascent = metrics.ascent();
    const auto drawLine = [&](const PictureLine& line) {
        const QRect rect = toQRect(line.rect);
        painter.setClipRect(rect);
        QString text = latin1(line.text);
        // Judged by the ink, not the advance: a last digit whose advance
        // passes the edge by a pixel is still drawn whole.
        if (metrics.boundingRect(text).right() >= rect.width()) {
            text = metrics.elidedText(text, Qt::ElideRight, rect.width());
        }
        painter.drawText(QPoint(rect.left(), rect.top() + ascent), text);
    };
    drawLine(p.decimal);
    drawLine(p.hexadecimal);
    drawLine(p.octal);
    for (const PictureLine& line : binaryLinesToDraw(p)) {
        drawLine(line);
    }
}

}  // namespace korvo::app

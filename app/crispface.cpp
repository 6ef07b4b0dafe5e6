#include "app/crispface.h"

#include <QApplication>
#include <QByteArray>
#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include "app/resources.h"

namespace korvo::app {

namespace {

// The keypad bitmaps read so far, by path.
const QImage& bitmapImage(const char* path) {
    static QHash<QByteArray, QImage> read;
    const QByteArray key(path);
    auto found = read.find(key);
    if (found == read.end()) {
        found = read.insert(key, resourcePixmap(path, "BMP").toImage());
    }
    return *found;
}

class CrispFaceEngine : public QIconEngine {
  public:
    CrispFaceEngine(const char* bitmap, const QRect& part) : bitmap_(bitmap), part_(part) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        QPixmap pixmap = scaledPixmap(rect.size() * ratio, mode, state, ratio);
        pixmap.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), pixmap);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    // `size` is in device pixels.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State /*state*/,
                         qreal /*scale*/) override {
        QPixmap pixmap =
            QPixmap::fromImage(face().scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        if (mode != QIcon::Normal) {
            // Disabled and selected looks as the style makes them for any icon.
            QStyleOption option;
            option.palette = QApplication::palette();
            pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
        }
        return pixmap;
    }
    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        return size;
    }
    [[nodiscard]] QIconEngine* clone() const override { return new CrispFaceEngine(*this); }

  private:
    const QImage& face() {
        if (face_.isNull()) {
            face_ = bitmapImage(bitmap_).copy(part_);
        }
        return face_;
    }

    const char* bitmap_;
    QRect part_;
    QImage face_;  // cut at the first draw
};

}  // namespace

QIcon crispFace(const char* bitmap, const QRect& part) {
    return QIcon(new CrispFaceEngine(bitmap, part));
}

}  // namespace korvo::app

#include "app/crispface.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

namespace korvo::app {

namespace {

class CrispFaceEngine : public QIconEngine {
  public:
    explicit CrispFaceEngine(QImage face) : face_(std::move(face)) {}

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
            QPixmap::fromImage(face_.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
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
    [[nodiscard]] QIconEngine* clone() const override { return new CrispFaceEngine(face_); }

  private:
    QImage face_;
};

}  // namespace

QIcon crispFace(const QImage& face) {
    return QIcon(new CrispFaceEngine(face));
}

}  // namespace korvo::app

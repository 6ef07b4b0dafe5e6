#include "app/resources.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QtGlobal>

// The resource initialiser lives in the global namespace.
static void initKorvocalcResources() {
    Q_INIT_RESOURCE(korvocalc);
}

namespace korvo::app {

void initResources() {
    static const bool done = [] {
        initKorvocalcResources();
        return true;
    }();
    (void)done;
}

namespace {

// Safe on any thread: a picture, not yet a pixmap.
QImage resourceImage(const QString& path, const char* format) {
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace

QPixmap resourcePixmap(const char* path, const char* format) {
    return QPixmap::fromImage(resourceImage(QString::fromLatin1(path), format));
}

std::vector<QImage> readWindowIconImages() {
    std::vector<QImage> images;
    images.reserve(kIconSizes.size());
    for (const int size : kIconSizes) {
        images.push_back(
            resourceImage(QStringLiteral(":/icons/korvocalc-%1.png").arg(size), "PNG"));
    }
    return images;
}

QIcon windowIcon(const std::vector<QImage>& images) {
    QIcon icon;
    for (const QImage& image : images) {
        icon.addPixmap(QPixmap::fromImage(image));  // pixmaps belong to the GUI thread
    }
    return icon;
}

}  // namespace korvo::app

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

QPixmap resourcePixmap(const char* path, const char* format) {
    QImageReader reader(QString::fromLatin1(path), format);
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon windowIcon() {
    QIcon icon;
    for (const int size : kIconSizes) {
        icon.addPixmap(resourcePixmap(
            QStringLiteral(":/icons/korvocalc-%1.png").arg(size).toLatin1().constData(), "PNG"));
    }
    return icon;
}

}  // namespace korvo::app

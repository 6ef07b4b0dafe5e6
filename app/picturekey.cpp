#include "app/picturekey.h"

#include <QPainter>

namespace korvo::app {

void PictureKey::paintEvent(QPaintEvent* event) {
    QToolButton::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    // Inside the bevel and clear of the face, which stays as it is.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0, Qt::DotLine));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}

}  // namespace korvo::app

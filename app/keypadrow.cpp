#include "app/keypadrow.h"

#include <QRect>
#include <QToolButton>

#include "app/crispface.h"
#include "app/picturekey.h"
#include "app/shortcuthint.h"
#include "calc/windowlayout.h"

namespace korvo::app {

KeypadRow::KeypadRow(QWidget* parent, int row) : QWidget(parent) {
    for (const KeypadKey& k : keypadKeys()) {
        if (k.row != row) {
            continue;
        }
        auto* button = new PictureKey(this);
        const QString name = QString::fromLatin1(k.name);
        button->setAccessibleName(name);
        describeShortcut(button, name, k.commandId);
        button->setIcon(crispFace(keypadBitmap(row).data(), QRect(kKeyFaceWidth * k.column, 0,
                                                                  kKeyFaceWidth, kKeyFaceHeight)));
        button->setIconSize(QSize(kKeyFaceWidth, kKeyFaceHeight));
        const LayoutRect at = keypadKeyRect(k.column);
        button->setGeometry(at.x, at.y, at.width, at.height);
        // A click leaves the keyboard focus where it was.
        button->setFocusPolicy(Qt::NoFocus);
        const std::uint32_t id = k.commandId;
        connect(button, &QToolButton::clicked, this, [this, id] {
            if (handler_) {
                handler_(id);
            }
        });
        keys_.at(static_cast<std::size_t>(k.column)) = button;
    }
}

}  // namespace korvo::app

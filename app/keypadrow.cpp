#include "app/keypadrow.h"

#include <QRect>
#include <QToolButton>

#include "app/crispface.h"
#include "app/picturekey.h"
#include "app/shortcuthint.h"

namespace korvo::app {

namespace {

constexpr int kFaceWidth = 16;
constexpr int kFaceHeight = 15;

}  // namespace

KeypadRow::KeypadRow(QWidget* parent, int row) : QWidget(parent) {
    for (const KeypadKey& k : keypadKeys()) {
        if (k.row != row) {
            continue;
        }
        auto* button = new PictureKey(this);
        const QString name = QString::fromLatin1(k.name);
        button->setAccessibleName(name);
        describeShortcut(button, name, k.commandId);
        button->setIcon(crispFace(keypadBitmap(row).data(),
                                  QRect(kFaceWidth * k.column, 0, kFaceWidth, kFaceHeight)));
        button->setIconSize(QSize(kFaceWidth, kFaceHeight));
        button->setGeometry(kKeyPitch * k.column, kKeyTop, kKeyWidth, kKeyHeight);
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

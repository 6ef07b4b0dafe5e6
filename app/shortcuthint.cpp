#include "app/shortcuthint.h"

#include <QWidget>

#include "calc/shortcuts.h"

namespace korvo::app {

void describeShortcut(QWidget* control, const QString& name, std::uint32_t command) {
    const std::string tip = controlTip(name.toStdString(), command);
    control->setToolTip(QString::fromStdString(tip));
    const std::string_view key = shortcutText(command);
    if (!key.empty()) {
        control->setAccessibleDescription(
            QStringLiteral("Shortcut: ") +
            QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
    }
}

}  // namespace korvo::app

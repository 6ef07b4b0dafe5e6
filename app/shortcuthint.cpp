#include "app/shortcuthint.h"

#include <QWidget>

#include "calc/shortcuts.h"

namespace korvo::app {

void describeShortcut(QWidget* control, const QString& name, std::uint32_t command) {
    const std::string_view key = shortcutText(command);
    if (key.empty()) {
        control->setToolTip(name);
        return;
    }
    const QString keyText = QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
    control->setToolTip(name + QStringLiteral(" (") + keyText + QStringLiteral(")"));
    control->setAccessibleDescription(QStringLiteral("Shortcut: ") + keyText);
}

}  // namespace korvo::app

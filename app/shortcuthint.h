// Tells the user which key does what a control does.
#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace korvo::app {

// Names the keyboard key of `command` in the control's tooltip ("Sine (S)")
// and accessible description ("Shortcut: S").
void describeShortcut(QWidget* control, const QString& name, std::uint32_t command);

}  // namespace korvo::app

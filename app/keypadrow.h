// One row of the keypad: nine picture keys, each sending its command id.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "calc/keypad.h"

class QToolButton;

namespace korvo::app {

class KeypadRow : public QWidget {
  public:
    KeypadRow(QWidget* parent, int row);

    // Called with the key's command id on every click.
    void onCommand(std::function<void(std::uint32_t)> handler) { handler_ = std::move(handler); }
    [[nodiscard]] QToolButton* key(int column) const {
        return keys_.at(static_cast<std::size_t>(column));
    }

  private:
    std::array<QToolButton*, kKeysPerRow> keys_{};
    std::function<void(std::uint32_t)> handler_;
};

}  // namespace korvo::app

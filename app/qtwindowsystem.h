// The calculator's window-system operations on the Qt main window.
#pragma once

#include "app/windowcontrols.h"
#include "calc/windowsystem.h"

class QAbstractButton;

namespace korvo::app {

class QtWindowSystem : public WindowSystem {
  public:
    // `mainFocus` is the widget that stands for the main window when it
    // holds the keyboard focus.
    QtWindowSystem(const WindowControls& controls, QWidget* mainFocus)
        : c_(controls), mainFocus_(mainFocus) {}

    [[nodiscard]] std::string entryText() const override;
    void setEntryText(std::string_view text) override;
    void setOperatorIndicator(std::string_view text) override;
    void setMemoryIndicator(std::string_view text) override;
    void setCaret(std::size_t position) override;
    [[nodiscard]] EntrySelection entrySelection() const override;
    void focusMainWindow() override;
    void focusEntryField() override;
    void beep() override;
    void messageBox(std::string_view text, std::string_view caption, MessageKind kind) override;
    [[nodiscard]] bool isChecked(Switch which) const override;
    void setChecked(Switch which, bool checked) override;
    void showReadout(ReadoutPicture picture) override;
    void cutSelectionToClipboard() override;
    void copySelectionToClipboard() override;
    [[nodiscard]] std::string clipboardText() const override;

    [[nodiscard]] QAbstractButton* switchButton(Switch which) const;
    // Ctrl+C with nothing selected: the whole number goes to the clipboard.
    void copyWholeEntry() const;
    // How many beeps were sounded so far (a beep is not otherwise seen).
    [[nodiscard]] int beeps() const { return beeps_; }

  private:
    WindowControls c_;
    QWidget* mainFocus_;
    int beeps_ = 0;
};

}  // namespace korvo::app

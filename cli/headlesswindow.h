// The window system without a window: plain fields that a driver prints and
// tests inspect.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "calc/windowsystem.h"

namespace korvo {

class HeadlessWindow : public WindowSystem {
  public:
    HeadlessWindow();

    [[nodiscard]] std::string entryText() const override { return entry_; }
    void setEntryText(std::string_view text) override;
    void setOperatorIndicator(std::string_view text) override { operatorText_ = text; }
    void setMemoryIndicator(std::string_view text) override { memoryText_ = text; }
    void setCaret(std::size_t position) override;
    [[nodiscard]] EntrySelection entrySelection() const override { return selection_; }
    void focusMainWindow() override { focus_ = Focus::MainWindow; }
    void focusEntryField() override { focus_ = Focus::EntryField; }
    void beep() override { ++beeps_; }
    void messageBox(std::string_view text, std::string_view caption, MessageKind kind) override;
    [[nodiscard]] bool isChecked(Switch which) const override {
        const auto found = checks_.find(which);
        return found != checks_.end() && found->second;
    }
    void setChecked(Switch which, bool checked) override { checks_[which] = checked; }
    void showReadout(ReadoutPicture picture) override;
    void cutSelectionToClipboard() override;
    void copySelectionToClipboard() override;
    [[nodiscard]] std::string clipboardText() const override { return clipboard_; }

    // What a person does to the window, besides the calculator's commands.
    void setClipboard(std::string text) { clipboard_ = std::move(text); }
    void select(std::uint32_t start, std::uint32_t end);
    // A click on a check box toggles its mark; a click on a radio button
    // checks it and unchecks the others of its group.
    void clickCheckBox(Switch which) { checks_[which] = !checks_[which]; }
    void clickRadio(Switch which);

    enum class Focus { MainWindow, EntryField };
    struct Message {
        std::string text;
        std::string caption;
        MessageKind kind = MessageKind::Note;
    };

    [[nodiscard]] const std::string& operatorIndicator() const { return operatorText_; }
    [[nodiscard]] const std::string& memoryIndicator() const { return memoryText_; }
    [[nodiscard]] std::size_t caret() const { return caret_; }
    [[nodiscard]] Focus focus() const { return focus_; }
    [[nodiscard]] int beeps() const { return beeps_; }
    [[nodiscard]] const std::vector<Message>& messages() const { return messages_; }
    [[nodiscard]] bool readoutPainted() const { return painted_; }
    [[nodiscard]] const ReadoutPicture& readout() const { return picture_; }
    // Called for every message box as it is shown.
    void onMessage(std::function<void(const Message&)> listener) {
        listener_ = std::move(listener);
    }

  private:
    std::string entry_;
    std::string operatorText_;
    std::string memoryText_;
    std::string clipboard_;
    std::size_t caret_ = 0;
    EntrySelection selection_;
    Focus focus_ = Focus::MainWindow;
    int beeps_ = 0;
    std::vector<Message> messages_;
    std::map<Switch, bool> checks_;
    bool painted_ = false;
    ReadoutPicture picture_;
    std::function<void(const Message&)> listener_;
};

}  // namespace korvo

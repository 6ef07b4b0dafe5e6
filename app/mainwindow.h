// The calculator's one window: the controls, the keypad, the readout, the
// menu bar and the window-wide shortcuts, wired to the calculator.
#pragma once

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>

#include "app/windowcontrols.h"
#include "state/calculatorstate.h"

class QAction;

namespace korvo::app {

class ClientArea;
class Announcer;
class KeyFlow;
class QtWindowSystem;

inline constexpr const char* kWindowTitle = " CALCULATOR V1.0 Written in Assembler";

class CalculatorWindow : public QMainWindow {
  public:
    CalculatorWindow();
    ~CalculatorWindow() override;
    CalculatorWindow(const CalculatorWindow&) = delete;
    CalculatorWindow& operator=(const CalculatorWindow&) = delete;

    [[nodiscard]] const WindowControls& controls() const { return controls_; }
    [[nodiscard]] ClientArea* clientArea() const { return area_; }
    [[nodiscard]] CalculatorState& state() { return state_; }
    [[nodiscard]] QtWindowSystem& windowSystem() const { return *ws_; }
    [[nodiscard]] const Announcer& announcer() const { return *announcer_; }
    // What Close and the window's close button do (end the program with
    // exit code 0 unless replaced).
    void onQuit(std::function<void()> quit) { quit_ = std::move(quit); }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void placeOnScreen();
    void buildMenus();
    void addShortcuts();
    void connectControls();
    // Enables Cut and Copy only while text is selected in the entry field;
    // returns whether they are enabled.
    bool updateEditItems();
    void command(std::uint32_t id);
    void showAbout();

    CalculatorState state_;
    ClientArea* area_ = nullptr;
    WindowControls controls_;
    std::unique_ptr<QtWindowSystem> ws_;
    std::unique_ptr<KeyFlow> keys_;
    std::unique_ptr<Announcer> announcer_;
    QAction* cut_ = nullptr;
    QAction* copy_ = nullptr;
    std::function<void()> quit_;
};

}  // namespace korvo::app

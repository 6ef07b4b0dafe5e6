// Tells screen readers, briefly and once, about every change the calculator
// shows, whatever caused it: the entry's number ("15"), the memory mark
// ("memory stored"), the operator ("plus"), the base ("hexadecimal"), the
// angle unit ("degrees"), Floating Point and Arc ("floating point on").
//
// Orca with Qt 6.4 speaks neither a name change (Qt sends the object, not
// the new name) nor a text change away from the focus, so the words go to a
// notification that shows anew for each announcement: a showing
// notification is spoken wherever the focus is. Qt 6.8 and later also send
// the announcement event itself. Between keys the keyboard focus rests on
// the main window, whose accessible name follows the entry, as a
// calculator display's does.
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <cstddef>

#include "app/windowcontrols.h"

class QAccessibleEvent;
class QWidget;

namespace korvo::app {

// Where the announcements' events go instead of the platform's
// accessibility bridge (null: to the bridge). Platforms without a bridge,
// such as the offscreen one tests use, would drop them unheard.
void setAnnouncementSink(void (*sink)(QAccessibleEvent* event));

class Announcer {
  public:
    Announcer(const WindowControls& c, QWidget* mainWindowFocus);

    // The notification that speaks each announcement.
    [[nodiscard]] QWidget* notice() const { return notice_; }

  private:
    // What one command changed, said in this order.
    enum Slot : std::size_t { Switch, Operator, Memory, Number, kSlots };
    void note(Slot slot, const QString& words);
    void announce();

    WindowControls c_;
    QWidget* mainWindowFocus_;
    QWidget* notice_;
    std::array<QString, kSlots> pending_;
    bool scheduled_ = false;
    QObject context_;  // ends a scheduled announcement with the announcer
};

}  // namespace korvo::app

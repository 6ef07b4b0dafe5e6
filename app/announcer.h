// Tells screen readers about each new entry text. Between keys the keyboard
// focus rests on the main window itself, so that is where a screen reader
// listens: its accessible name follows the entry, as a calculator display's
// does, and the entry reports its own value change as well.
#pragma once

#include <QObject>

class QAccessibleEvent;
class QLineEdit;
class QWidget;

namespace korvo::app {

// Where the entry's events go instead of the platform's accessibility
// bridge (null: to the bridge). Platforms without a bridge, such as the
// offscreen one tests use, would drop them unheard.
void setAnnouncementSink(void (*sink)(QAccessibleEvent* event));

class EntryAnnouncer {
  public:
    EntryAnnouncer(QLineEdit* entry, QWidget* mainWindowFocus);

  private:
    void schedule();
    void announce();

    QLineEdit* entry_;
    QWidget* mainWindowFocus_;
    bool scheduled_ = false;
    QObject context_;  // ends a scheduled announcement with the announcer
};

}  // namespace korvo::app

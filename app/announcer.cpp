#include "app/announcer.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTimer>

namespace korvo::app {

namespace {

void (*announcementSink)(QAccessibleEvent*) = nullptr;

void send(QAccessibleEvent* event) {
    if (announcementSink != nullptr) {
        announcementSink(event);
    } else {
        QAccessible::updateAccessibility(event);
    }
}

}  // namespace

void setAnnouncementSink(void (*sink)(QAccessibleEvent* event)) {
    announcementSink = sink;
}

EntryAnnouncer::EntryAnnouncer(QLineEdit* entry, QWidget* mainWindowFocus)
    : entry_(entry), mainWindowFocus_(mainWindowFocus) {
    QObject::connect(entry_, &QLineEdit::textChanged, &context_, [this] { schedule(); });
}

void EntryAnnouncer::schedule() {
    // One key can rewrite the field more than once (a paste, a result):
    // only the text it ends with is said.
    if (!scheduled_) {
        scheduled_ = true;
        QTimer::singleShot(0, &context_, [this] { announce(); });
    }
}

void EntryAnnouncer::announce() {
    scheduled_ = false;
    const QString text = entry_->text();
    mainWindowFocus_->setAccessibleName(text.isEmpty() ? QStringLiteral("Empty entry") : text);
    QAccessibleValueChangeEvent changed(entry_, text);
    send(&changed);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent said(entry_, text);
    send(&said);
#endif
}

}  // namespace korvo::app

#include "app/clientarea.h"

#include <QKeyEvent>

#include "app/keyflow.h"

namespace korvo::app {

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {
    // Only the calculator gives it the focus; clicks and Tab never do.
    setFocusPolicy(Qt::NoFocus);
}

void ClientArea::keyPressEvent(QKeyEvent* event) {
    // Keys a focused check box or radio button leaves unhandled pass by
    // here too: they belong to that button, not to the main window.
    if (!hasFocus() || flow_ == nullptr) {
        event->ignore();
        return;
    }
    flow_->mainWindowPress(*event);
    event->accept();  // the key's character is dropped
}

void ClientArea::keyReleaseEvent(QKeyEvent* event) {
    if (flow_ != nullptr) {
        flow_->release(*event);
    }
    event->ignore();
}

}  // namespace korvo::app

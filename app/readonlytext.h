// A read-only text that paints nothing: it lies over text another widget
// paints and tells screen readers what that text says, as a text they can
// read character by character.
#pragma once

#include <QString>
#include <QWidget>

namespace korvo::app {

class ReadOnlyText : public QWidget {
  public:
    explicit ReadOnlyText(QWidget* parent);

    void setText(const QString& text);
    [[nodiscard]] const QString& text() const { return text_; }

  private:
    QString text_;
};

// Lets screen readers see every ReadOnlyText as a read-only text; safe to
// call more than once.
void installReadOnlyTextAccessibility();

}  // namespace korvo::app

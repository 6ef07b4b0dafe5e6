// A read-only text that paints nothing: it lies over text another widget
// paints and tells screen readers what that text says, as a text they can
// read character by character. Its whole text is its tooltip, however much
// of it is painted, and it copies to the clipboard from its context menu or
// with Ctrl+C while it has the focus.
#pragma once

#include <QString>
#include <QWidget>

namespace korvo::app {

class ReadOnlyText : public QWidget {
  public:
    explicit ReadOnlyText(QWidget* parent);

    void setText(const QString& text);
    [[nodiscard]] const QString& text() const { return text_; }
    void copy() const;

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
};

// Lets screen readers see every ReadOnlyText as a read-only text; safe to
// call more than once.
void installReadOnlyTextAccessibility();

}  // namespace korvo::app

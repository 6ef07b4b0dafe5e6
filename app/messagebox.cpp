#include "app/messagebox.h"

#include <QEventLoop>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <algorithm>

namespace korvo::app {

void showMessageBox(std::string_view text, std::string_view caption, MessageKind kind) {
    QString body = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(kind == MessageKind::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())),
                    body, QMessageBox::Ok);
    // The main window stays above every other window; a box without an
    // owner would open hidden behind it.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // The text's own line breaks are the only ones: the box otherwise wraps
    // the Info text's long lines once they pass half the screen's width.
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        const QFontMetrics metrics(label->font());
        int widest = 0;
        for (const QString& line : body.split(QLatin1Char('\n'))) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
        label->setMinimumWidth(widest + 1);
    }
    if (kind == MessageKind::Warning) {
        box.exec();
        return;
    }
    box.setWindowModality(Qt::NonModal);
    QEventLoop loop;
    QObject::connect(&box, &QMessageBox::finished, &loop, &QEventLoop::quit);
    box.show();
    loop.exec();
}

}  // namespace korvo::app

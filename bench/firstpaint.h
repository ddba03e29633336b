#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

// Ends the event loop as soon as the window with the chart's caption, in any language, has been
// painted once. The program and its floor use the same watcher, so both pay the same for it.
class FirstPaintWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->isWindow() &&
                widget->windowTitle().startsWith(QLatin1String("Varelux "))) {
                m_seen = true;
                // Queued, so it runs once this paint and the rest of its window are done.
                QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            }
        }
        return false;
    }

private:
    bool m_seen = false;
};

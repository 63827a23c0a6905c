#include "widgets/FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintWatcher : public QObject
{
public:
    FirstPaintWatcher(QObject& context, std::function<void()> then)
        : QObject(&context)
        , m_then(std::move(then))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // The window reaches the screen once all its widgets are drawn, after this event:
            // `then` waits for the next turn of the event loop.
            QTimer::singleShot(0, parent(), std::move(m_then));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

void afterFirstWindowPainted(QObject& context, std::function<void()> then)
{
    new FirstPaintWatcher(context, std::move(then));
}

#include "widgets/FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintWatcher : public QObject
{
public:
    FirstPaintWatcher(QWidget& window, std::function<void()> then)
        : QObject(&window)
        , m_then(std::move(then))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The paint is flushed to the screen once every widget of the window has been drawn:
            // `then` runs after that, when the event loop next turns.
            QTimer::singleShot(0, watched, std::move(m_then));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

void afterFirstPaint(QWidget& window, std::function<void()> then)
{
    new FirstPaintWatcher(window, std::move(then));
}

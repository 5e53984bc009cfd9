#include "probeapp.h"

#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace bench {

ProbeApplication::ProbeApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

void ProbeApplication::watchPaint(QWidget* part, std::function<void()> done)
{
    m_part = part;
    m_partPainted = false;
    m_done = std::move(done);
}

bool ProbeApplication::waitForPaint(QWidget* part, int timeoutMs)
{
    QEventLoop loop;
    bool painted = false;
    watchPaint(part, [&] {
        painted = true;
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!painted)
        loop.exec();
    m_done = nullptr;
    return painted;
}

void ProbeApplication::spin(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool ProbeApplication::notify(QObject* receiver, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (m_done && type == QEvent::Paint && receiver == m_part)
        m_partPainted = true;
    const bool result = QApplication::notify(receiver, event);
    if (m_done && m_partPainted && m_part
        && (type == QEvent::UpdateRequest || type == QEvent::Expose)
        && receiver == m_part->window()->windowHandle()) {
        auto done = std::move(m_done);
        m_done = nullptr;
        done();
    }
    return result;
}

namespace {

void sendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

void click(QWidget* control, QPoint at)
{
    if (at.x() < 0)
        at = control->rect().center();
    sendMouse(control, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    sendMouse(control, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void drag(QWidget* surface, QPoint from, QPoint to)
{
    sendMouse(surface, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    for (int i = 1; i <= 10; ++i)
        sendMouse(surface, QEvent::MouseMove, from + (to - from) * i / 10, Qt::NoButton,
                  Qt::LeftButton);
    sendMouse(surface, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
}

} // namespace bench

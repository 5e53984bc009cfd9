#include "page.h"

#include "textfit.h"
#include "twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <QStyleHints>
#include <QTimer>
#include <QWindow>

// A page left by a click is replaced at once by the next, and the exit buttons of the pages
// stand at the same place: the second click of a double-click would land on the new page's
// button. A press is taken for that second click, and ignored up to its release, when the
// press before it was on a window now gone, the new page appeared after it, and the two are
// as close in time and place as the two clicks of a double-click (by the events' own times,
// as the toolkit itself tells a double-click). The guard watches the clicks the window system
// delivers to the windows, before any control sees them or takes the keyboard for them.
class Page::SecondClickGuard : public QObject {
public:
    using QObject::QObject;

    // Presses seen so far: a page notes the count when it is shown.
    static quint64 presses() { return s_presses; }

    static void installOnce()
    {
        static QPointer<SecondClickGuard> guard;
        if (guard || !QCoreApplication::instance())
            return;
        guard = new SecondClickGuard(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(guard);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick
            && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove)
            return false;
        auto* window = qobject_cast<QWindow*>(watched);
        if (!window)
            return false;
        if (m_ignoring && m_ignoring == window) {
            // A new press ends the ignoring too, should the release have gone astray.
            if (type != QEvent::MouseButtonPress) {
                if (type == QEvent::MouseButtonRelease)
                    m_ignoring = nullptr;
                return true;
            }
            m_ignoring = nullptr;
        }
        if (type != QEvent::MouseButtonPress)
            return false;

        const auto* press = static_cast<QMouseEvent*>(event);
        const Page* page = pageOf(window);
        const QStyleHints* hints = QGuiApplication::styleHints();
        const qint64 sinceLast = qint64(press->timestamp()) - qint64(m_lastTime);
        const bool secondClick = page && m_seenOne && m_lastWindow != window
                                 && (!m_lastWindow || !m_lastWindow->isVisible())
                                 && page->m_shownAfterPresses == s_presses
                                 && sinceLast >= 0 && sinceLast <= hints->mouseDoubleClickInterval()
                                 && (press->globalPosition() - m_lastWhere).manhattanLength()
                                        <= hints->mouseDoubleClickDistance();
        if (secondClick) {
            m_ignoring = window;
            m_seenOne = false;
            return true;
        }
        ++s_presses;
        m_seenOne = true;
        m_lastTime = press->timestamp();
        m_lastWhere = press->globalPosition();
        m_lastWindow = window;
        return false;
    }

private:
    static const Page* pageOf(const QWindow* window)
    {
        for (const QWidget* w : QApplication::topLevelWidgets()) {
            if (w->windowHandle() == window)
                return qobject_cast<const Page*>(w);
        }
        return nullptr;
    }

    static inline quint64 s_presses = 0;
    bool m_seenOne = false;
    quint64 m_lastTime = 0;
    QPointF m_lastWhere;
    QPointer<QWindow> m_lastWindow;
    QPointer<QWindow> m_ignoring;
};

Page::Page(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
    SecondClickGuard::installOnce();
}

void Page::unload()
{
    if (m_unloading)
        return;
    m_unloading = true;
    hide();
    deleteLater();
}

void Page::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (m_closeHandler && !m_unloading)
        m_closeHandler();
}

void Page::showEvent(QShowEvent* event)
{
    // Every text is fitted to its box as the page comes up, in whatever language it is in.
    textfit::fitAll(*this);
    m_shownAfterPresses = SecondClickGuard::presses();
    // The window system maps a restored window again.
    if (event->spontaneous() && !isMinimized())
        setOutOfSight(false);
    QWidget::showEvent(event);
}

void Page::hideEvent(QHideEvent* event)
{
    // A page left is hidden by its own code; the window system hides one it minimises.
    if (event->spontaneous())
        setOutOfSight(true);
    QWidget::hideEvent(event);
}

void Page::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange)
        setOutOfSight(isMinimized());
    QWidget::changeEvent(event);
}

void Page::setOutOfSight(bool out)
{
    if (out == m_outOfSight || m_unloading)
        return;
    m_outOfSight = out;
    if (!m_animation)
        return;
    if (out) {
        m_resumeAnimation = m_animation->isActive();
        m_animation->stop();
    } else if (m_resumeAnimation) {
        m_resumeAnimation = false;
        m_animation->start();
    }
}

namespace pageprops {
namespace {

QSize frameExtra(const QWidget& w)
{
    if (!w.isWindow())
        return {0, 0};
    const QRect outer = w.frameGeometry();
    const QRect inner = w.geometry();
    return {outer.width() - inner.width(), outer.height() - inner.height()};
}

QRect outerRect(const QWidget& w)
{
    return w.isWindow() ? w.frameGeometry() : w.geometry();
}

void setFixedOrPlainSize(QWidget& w, const QSize& size)
{
    if (w.isWindow())
        w.setFixedSize(size.expandedTo(QSize(1, 1)));
    else
        w.resize(size);
}

} // namespace

void setBackColor(QWidget& widget, const QColor& colour)
{
    QPalette pal = widget.palette();
    pal.setColor(QPalette::Window, colour);
    widget.setPalette(pal);
    widget.setAutoFillBackground(true);
}

QColor backColor(const QWidget& widget)
{
    return widget.palette().color(QPalette::Window);
}

int left(const QWidget& w) { return twips::fromPx(outerRect(w).x()); }
int top(const QWidget& w) { return twips::fromPx(outerRect(w).y()); }
int width(const QWidget& w) { return twips::fromPx(outerRect(w).width()); }
int height(const QWidget& w) { return twips::fromPx(outerRect(w).height()); }

void setLeft(QWidget& w, int t)
{
    w.move(twips::toPx(t), outerRect(w).y());
}

void setTop(QWidget& w, int t)
{
    w.move(outerRect(w).x(), twips::toPx(t));
}

void setWidth(QWidget& w, int t)
{
    setFixedOrPlainSize(w, QSize(twips::toPx(t) - frameExtra(w).width(), w.height()));
}

void setHeight(QWidget& w, int t)
{
    setFixedOrPlainSize(w, QSize(w.width(), twips::toPx(t) - frameExtra(w).height()));
}

void setGeometry(QWidget& w, int l, int t, int wi, int h)
{
    w.setGeometry(twips::rect(l, t, wi, h));
}

void setOuterSize(QWidget& window, int widthTw, int heightTw)
{
    const QSize extra = frameExtra(window);
    setFixedOrPlainSize(window, QSize(twips::toPx(widthTw) - extra.width(),
                                      twips::toPx(heightTw) - extra.height()));
}

bool centreOnScreen(QWidget& window)
{
    QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return false;
    const QRect area = screen->geometry();
    const QSize outer = outerRect(window).size();
    window.move(area.x() + (area.width() - outer.width()) / 2,
                area.y() + (area.height() - outer.height()) / 2);
    return true;
}

} // namespace pageprops

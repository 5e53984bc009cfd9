#include "page.h"

#include "twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

Page::Page(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setAttribute(Qt::WA_DeleteOnClose, false);
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

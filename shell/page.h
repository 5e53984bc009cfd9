#pragma once
// A page: one fixed-size window of the program. A page is left only through its own buttons;
// leaving it destroys it ("unloads"), and showing it again builds a fresh one.

#include <QColor>
#include <QPointer>
#include <functional>
#include <QWidget>

class QTimer;

class Page : public QWidget {
    Q_OBJECT
public:
    explicit Page(QWidget* parent = nullptr);

    // Hides the page at once and destroys it when the handler now running has returned.
    void unload();
    bool isUnloading() const { return m_unloading; }

    // What a close request from the window system does: nothing, unless a page says otherwise.
    void setCloseHandler(std::function<void()> handler) { m_closeHandler = std::move(handler); }

    // The timer of the page's animation. It stops while the page is out of sight (minimised)
    // and runs on when the page is shown again, if it was running.
    void setAnimationTimer(QTimer* timer) { m_animation = timer; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class SecondClickGuard;
    void setOutOfSight(bool out);

    bool m_unloading = false;
    std::function<void()> m_closeHandler;
    QPointer<QTimer> m_animation;
    bool m_outOfSight = false;
    bool m_resumeAnimation = false;
    // How many presses the program had seen when the page was last shown.
    quint64 m_shownAfterPresses = 0;
};

namespace pageprops {

// Background colour of a page or control, filled behind its children.
void setBackColor(QWidget& widget, const QColor& colour);
QColor backColor(const QWidget& widget);

// Geometry in twips. For a top-level window, left/top/width/height are those of the outer
// window, frame and title bar included; for a control, those of the control in its parent.
int left(const QWidget& w);
int top(const QWidget& w);
int width(const QWidget& w);
int height(const QWidget& w);
void setLeft(QWidget& w, int twipsValue);
void setTop(QWidget& w, int twipsValue);
void setWidth(QWidget& w, int twipsValue);
void setHeight(QWidget& w, int twipsValue);
void setGeometry(QWidget& w, int leftTw, int topTw, int widthTw, int heightTw);

// Outer size of a window; the window cannot be resized by the pupil afterwards.
void setOuterSize(QWidget& window, int widthTw, int heightTw);

// Places a window, frame included, in the middle of the screen it is on (the primary screen
// for one not yet shown); an odd pixel left over goes to the right and below. A window larger
// than the screen overhangs it equally on both sides. False, and the window stays where it
// is, when there is no screen to ask.
bool centreOnScreen(QWidget& window);

} // namespace pageprops

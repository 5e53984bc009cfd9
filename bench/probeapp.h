#pragma once
// The application object of both probe programs. It sees every event on its way to its
// receiver, which is how a probe learns that a window has really reached the screen: the
// watched widget got its paint event, and the window's expose or update request that carried
// it has returned, so the painted pixels have been handed to the window system.

#include <QApplication>
#include <QPointer>

#include <functional>

class QWidget;

namespace bench {

class ProbeApplication : public QApplication {
    Q_OBJECT
public:
    ProbeApplication(int& argc, char** argv);

    // Calls `done` once, the first time `part` has been painted inside its window and that
    // window's paint has been flushed. Replaces any earlier watch.
    void watchPaint(QWidget* part, std::function<void()> done);

    // Runs the event loop until the watched paint arrives or `timeoutMs` passes; true when painted.
    bool waitForPaint(QWidget* part, int timeoutMs = 5000);

    // Runs the event loop for a while, deleting pages left behind on the way.
    static void spin(int ms);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QPointer<QWidget> m_part;
    bool m_partPainted = false;
    std::function<void()> m_done;
};

// A left click in the middle of a control (or at `at`), delivered as the window system would.
void click(QWidget* control, QPoint at = QPoint(-1, -1));
// A drag with the left button held, in ten steps.
void drag(QWidget* surface, QPoint from, QPoint to);

} // namespace bench

#pragma once
// The Jotter window: a blue drawing surface with two button bars, a wide one along the bottom
// and a tall one down the right; Flip changes the window's shape and shows the matching bar.
//
// Swatches are the arrays Label1 (wide bar) and Label11 (tall bar). Element i has the
// objectName "Label1_<i>" or "Label11_<i>" and carries i in its "index" property.

#include "pen.h"

#include <QFrame>
#include <QImage>
#include <QPointF>
#include <QPushButton>
#include <QWidget>
#include <array>

namespace jotter {

// A plain filled square of one palette colour; clicking it, or Space or Enter while it has
// keyboard focus, picks its colour.
class Swatch : public QWidget {
    Q_OBJECT
public:
    Swatch(int index, QWidget* parent);
    int index() const { return m_index; }
    QColor colour() const { return m_colour; }
    void setColour(const QColor& colour);

Q_SIGNALS:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_index = 0;
    QColor m_colour;
    bool m_pressed = false;
};

class notepad : public QWidget {
    Q_OBJECT
public:
    explicit notepad(QWidget* parent = nullptr);
    ~notepad() override;

    // What has been drawn, one image pixel per window pixel.
    const QImage& surface() const { return m_surface; }
    const Pen& pen() const { return m_pen; }
    bool isPortrait() const { return m_portrait; }
    // Where the next stroke starts, in twips from the top left of the client area.
    QPointF currentPoint() const { return m_current; }

    // Button state as the mouse handlers see it: 1 left, 2 right, 4 middle, added together.
    void Form_MouseDown(int Button, int Shift, double X, double Y);
    void Form_MouseMove(int Button, int Shift, double X, double Y);

    void Command1_Click();  // Exit
    void Command9_Click();
    void Command2_Click();  // Write
    void Command10_Click();
    void Command5_Click();  // Erase
    void Command8_Click();
    void Command6_Click();  // Clear
    void Command7_Click();
    void Command3_Click();  // Flip to portrait
    void Command4_Click();  // Flip to landscape
    void Label1_Click(int Index);
    void Label11_Click(int Index);

    QFrame* Frame_landscape = nullptr;
    QFrame* Frame_portrait = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command9 = nullptr;
    QPushButton* Command10 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command4 = nullptr;
    std::array<Swatch*, swatchCount> Label1{};
    std::array<Swatch*, swatchCount> Label11{};

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void wipe();
    void setOuterSizeKeepingCorner(int widthTw, int heightTw);
    void fitSurface(const QSize& size);

    Pen m_pen;
    QImage m_surface;
    QPointF m_current{0, 0};
    bool m_portrait = false;
    bool m_dragOnSurface = false;
};

} // namespace jotter

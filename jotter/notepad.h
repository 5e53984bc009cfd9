#pragma once
// The Jotter window: a blue drawing surface with two button bars, a wide one along the bottom
// and a tall one down the right; Flip changes the window's shape and shows the matching bar.
// The window keeps the pen and lays out the bars; the surface does the drawing.
//
// Swatches are the arrays Label1 (wide bar) and Label11 (tall bar). Element i has the
// objectName "Label1_<i>" or "Label11_<i>" and carries i in its "index" property.

#include "pen.h"
#include "surface.h"

#include <QFrame>
#include <QPushButton>
#include <QWidget>
#include <array>

namespace jotter {

// A plain filled square of one palette colour: a push button without caption or border.
// Clicking it, or Space or Enter while it has the keyboard focus, picks its colour.
class Swatch : public QPushButton {
    Q_OBJECT
public:
    Swatch(int index, QWidget* parent);
    int index() const { return m_index; }
    QColor colour() const { return m_colour; }
    void setColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_index = 0;
    QColor m_colour;
};

// The window: the surface fills it, and the two bars lie over the surface's lower edge and
// right-hand side.
class notepad : public QWidget {
    Q_OBJECT
public:
    explicit notepad(QWidget* parent = nullptr);
    ~notepad() override;

    // What has been drawn, one image pixel per window pixel.
    const QImage& surface() const { return m_surface->image(); }
    // The widget that takes the pupil's strokes; it covers the whole window, under the bars.
    Surface* drawingSurface() const { return m_surface; }
    const Pen& pen() const { return m_pen; }
    bool isPortrait() const { return m_portrait; }

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
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    // Hands the pen's colour and width to the surface after every change of pen.
    void usePen();
    void setOuterSizeKeepingCorner(int widthTw, int heightTw);

    Pen m_pen;
    Surface* m_surface = nullptr;
    bool m_portrait = false;
};

} // namespace jotter

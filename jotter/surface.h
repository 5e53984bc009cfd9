#pragma once
// The Jotter's drawing surface: what the pupil draws, kept in an image the size of the
// surface so that it survives being covered, and painted back a dirty rectangle at a time.
// A press with any mouse button sets where the next stroke starts; moving with the left
// button held alone draws to the pointer.

#include <QImage>
#include <QPointF>
#include <QWidget>

namespace jotter {

class Surface : public QWidget {
    Q_OBJECT
public:
    explicit Surface(QWidget* parent = nullptr);

    // What has been drawn, one image pixel per surface pixel.
    const QImage& image() const { return m_image; }

    void setPenColour(const QColor& colour) { m_penColour = colour; }
    QColor penColour() const { return m_penColour; }
    // In pixels.
    void setPenWidth(int width) { m_penWidth = width; }
    int penWidth() const { return m_penWidth; }

    // Wipes everything to the background colour; the next stroke starts at the top left.
    void clear();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void drawLineTo(const QPointF& endPoint);
    void fitImage(const QSize& size);

    QImage m_image;
    QPointF m_lastPoint{0, 0};
    QColor m_penColour;
    int m_penWidth = 1;
};

} // namespace jotter

#include "mediabar.h"

#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyleOptionButton>

namespace {

// One button of the bar: a raised panel with a drawn symbol, greyed when disabled. Enter
// presses it while it has the focus, as Space does.
class MediaButton : public QPushButton {
public:
    MediaButton(MediaBar::Button kind, QWidget* parent)
        : QPushButton(parent)
        , m_kind(kind)
    {
        setFocusPolicy(Qt::StrongFocus);
        setAutoDefault(true);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QStyleOptionButton option;
        option.initFrom(this);
        option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &p, this);

        p.setRenderHint(QPainter::Antialiasing);
        const QColor ink = isEnabled() ? QColor(0, 0, 0) : QColor(150, 150, 150);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        const qreal side = qMin(width(), height()) * 0.5;
        QRectF glyph(0, 0, side, side);
        glyph.moveCenter(QRectF(rect()).center() + (isDown() ? QPointF(1, 1) : QPointF()));
        drawSymbol(p, glyph);

        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(2, 2, -2, -2);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
            // The style's dotted outline is faint on a small button; a solid one is not.
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(QPen(QColor(0, 90, 200), 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(rect().adjusted(2, 2, -3, -3));
        }
    }

private:
    static QPainterPath triangle(const QRectF& r, bool pointingRight)
    {
        QPainterPath path;
        if (pointingRight) {
            path.moveTo(r.topLeft());
            path.lineTo(r.right(), r.center().y());
            path.lineTo(r.bottomLeft());
        } else {
            path.moveTo(r.topRight());
            path.lineTo(r.left(), r.center().y());
            path.lineTo(r.bottomRight());
        }
        path.closeSubpath();
        return path;
    }

    void drawSymbol(QPainter& p, const QRectF& g) const
    {
        const qreal bar = g.width() / 4.0;
        switch (m_kind) {
        case MediaBar::Play:
            p.drawPath(triangle(g.adjusted(bar / 2, 0, 0, 0), true));
            break;
        case MediaBar::Pause:
            p.drawRect(QRectF(g.left() + bar / 2, g.top(), bar, g.height()));
            p.drawRect(QRectF(g.right() - bar * 1.5, g.top(), bar, g.height()));
            break;
        case MediaBar::Back:
            p.drawRect(QRectF(g.left(), g.top(), bar * 0.8, g.height()));
            p.drawPath(triangle(g.adjusted(bar * 1.2, 0, 0, 0), false));
            break;
        case MediaBar::Next:
            p.drawPath(triangle(g.adjusted(0, 0, -bar * 1.2, 0), true));
            p.drawRect(QRectF(g.right() - bar * 0.8, g.top(), bar * 0.8, g.height()));
            break;
        }
    }

    MediaBar::Button m_kind;
};

const char* const kNames[MediaBar::buttonCount] = {
    QT_TRANSLATE_NOOP("MediaBar", "Play"), QT_TRANSLATE_NOOP("MediaBar", "Pause"),
    QT_TRANSLATE_NOOP("MediaBar", "Step back"), QT_TRANSLATE_NOOP("MediaBar", "Step forward")};

} // namespace

MediaBar::MediaBar(QWidget* parent)
    : QWidget(parent)
{
    for (int i = 0; i < buttonCount; ++i) {
        const auto kind = static_cast<Button>(i);
        auto* b = new MediaButton(kind, this);
        const QString name = tr(kNames[i]);
        b->setAccessibleName(name);
        b->setToolTip(name);
        connect(b, &QAbstractButton::clicked, this, [this, kind] { Q_EMIT clicked(kind); });
        m_buttons[i] = b;
    }
    layOut();
}

void MediaBar::setButtonEnabled(Button b, bool on)
{
    m_buttons[b]->setEnabled(on);
}

bool MediaBar::isButtonEnabled(Button b) const
{
    return m_buttons[b]->isEnabled();
}

QAbstractButton* MediaBar::button(Button b) const
{
    return m_buttons[b];
}

void MediaBar::resizeEvent(QResizeEvent*)
{
    layOut();
}

void MediaBar::layOut()
{
    // Four equal buttons edge to edge; the odd pixels go to the last ones.
    for (int i = 0; i < buttonCount; ++i) {
        const int x0 = width() * i / buttonCount;
        const int x1 = width() * (i + 1) / buttonCount;
        m_buttons[i]->setGeometry(x0, 0, x1 - x0, height());
    }
}

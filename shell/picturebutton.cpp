#include "picturebutton.h"

#include "language.h"

#include <QPainter>
#include <QShortcut>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

PictureButton::PictureButton(QWidget* parent)
    : QPushButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(true);
}

void PictureButton::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void PictureButton::describe(const QString& what, facewords::Face face)
{
    const QKeySequence sequence =
        QKeySequence::mnemonic(facewords::word(face, language::current()));
    m_englishKey = QKeySequence::mnemonic(facewords::word(face, u"en"));
    setAccessibleName(what);
    setShortcut(sequence);
    //: A picture button's tooltip: what it does, then its key, as in "Check my answer (Alt+C)".
    const QString keyed = tr("%1 (%2)").arg(what, sequence.toString(QKeySequence::NativeText));
    setToolTip(keyed);
    setAccessibleDescription(keyed);
}

void PictureButton::keepEnglishKeys(const QList<PictureButton*>& page)
{
    for (PictureButton* button : page) {
        const QKeySequence& english = button->m_englishKey;
        const auto taken = [&english](const PictureButton* b) { return b->shortcut() == english; };
        if (english.isEmpty() || std::any_of(page.begin(), page.end(), taken))
            continue;
        auto* shortcut = new QShortcut(english, button);
        connect(shortcut, &QShortcut::activated, button, &QAbstractButton::animateClick);
    }
}

void PictureButton::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull()) {
        // The caption is painted, not set: setting a text would also replace the Alt key
        // with the text's mnemonic, and a screen reader already reads the accessible name.
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        option.text = fontMetrics().elidedText(accessibleName(), Qt::ElideRight, room.width());
        p.drawControl(QStyle::CE_PushButton, option);
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Pressed faces sink by a pixel, as a raised button would.
    const QRect face = isDown() ? rect().translated(1, 1) : rect();
    p.drawImage(face, m_picture);
    if (!isEnabled())
        p.fillRect(rect(), QColor(128, 128, 128, 128));
    if (hasFocus()) {
        // Keyboard focus must be visible on a picture face too.
        QPen pen(Qt::yellow, 2, Qt::DashLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

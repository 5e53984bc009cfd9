#include "pen.h"

#include <QCoreApplication>

namespace jotter {
namespace {

struct Entry {
    int r, g, b;
    const char* name;
};

constexpr std::array<Entry, swatchCount> entries{{
    {0, 0, 0, QT_TRANSLATE_NOOP("jotter", "Black")},
    {0, 0, 128, QT_TRANSLATE_NOOP("jotter", "Dark blue")},
    {0, 128, 0, QT_TRANSLATE_NOOP("jotter", "Dark green")},
    {0, 128, 128, QT_TRANSLATE_NOOP("jotter", "Dark cyan")},
    {128, 0, 0, QT_TRANSLATE_NOOP("jotter", "Dark red")},
    {128, 0, 128, QT_TRANSLATE_NOOP("jotter", "Dark magenta")},
    {128, 128, 0, QT_TRANSLATE_NOOP("jotter", "Olive")},
    {192, 192, 192, QT_TRANSLATE_NOOP("jotter", "Light grey")},
    {128, 128, 128, QT_TRANSLATE_NOOP("jotter", "Dark grey")},
    {0, 0, 255, QT_TRANSLATE_NOOP("jotter", "Blue")},
    {0, 255, 0, QT_TRANSLATE_NOOP("jotter", "Green")},
    {0, 255, 255, QT_TRANSLATE_NOOP("jotter", "Cyan")},
    {255, 0, 0, QT_TRANSLATE_NOOP("jotter", "Red")},
    {255, 0, 255, QT_TRANSLATE_NOOP("jotter", "Magenta")},
    {255, 255, 0, QT_TRANSLATE_NOOP("jotter", "Yellow")},
    {255, 255, 255, QT_TRANSLATE_NOOP("jotter", "White")},
}};

const Entry* entryAt(int index)
{
    return index >= 0 && index < swatchCount ? &entries[static_cast<size_t>(index)] : nullptr;
}

} // namespace

int buttonState(Qt::MouseButtons buttons)
{
    return (buttons.testFlag(Qt::LeftButton) ? 1 : 0) + (buttons.testFlag(Qt::RightButton) ? 2 : 0)
           + (buttons.testFlag(Qt::MiddleButton) ? 4 : 0);
}

QColor background()
{
    return QColor(49, 135, 215);
}

QColor paletteColour(int index)
{
    const Entry* e = entryAt(index);
    return e ? QColor(e->r, e->g, e->b) : QColor();
}

QString paletteName(int index)
{
    const Entry* e = entryAt(index);
    return e ? QCoreApplication::translate("jotter", e->name) : QString();
}

void Pen::write()
{
    m_colour = m_remembered;
    m_width = writingWidth;
}

void Pen::erase()
{
    // Only a writing pen has a colour worth coming back to; erasing twice must not make the
    // background colour the one Write returns to, or the pupil would write invisibly.
    if (!isErasing())
        m_remembered = m_colour;
    m_colour = background();
    m_width = erasingWidth;
}

void Pen::pickSwatch(int index)
{
    const QColor c = paletteColour(index);
    if (!c.isValid())
        return;
    m_colour = c;
    m_remembered = c;
    m_width = writingWidth;
}

void Pen::clear()
{
    if (isErasing())
        m_colour = paletteColour(yellowIndex);
    m_width = writingWidth;
}

} // namespace jotter

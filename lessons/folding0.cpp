#include "folding0.h"

#include "textfit.h"

#include <QLabel>

namespace {

struct Surface {
    const char* text;
    sequences::Id animation;
};

// The ö stands as itself: the translation tool would read the "b" after an escape as one more
// digit of it.
const Surface kSurfaces[LessonPage::shapeCount] = {
    {QT_TRANSLATE_NOOP("folding0",
                       "An open-ended cylinder can be constructed from a rectangle. If the "
                       "rectangle is folded around until two opposite edges meet the result "
                       "will be an open-ended cylinder. The area of the open-ended cylinder is "
                       "the same as the area of the rectangle."),
     sequences::Id::Cylinder},
    {QT_TRANSLATE_NOOP("folding0",
                       "By folding a rectangle around until two opposite edges meet we can make "
                       "an open-ended cylinder. If the cylinder is then folded until its two "
                       "open ends meet the resulting shape is known as a torus."),
     sequences::Id::Torus},
    {QT_TRANSLATE_NOOP("folding0",
                       "A möbius strip can be constructed from a rectangle. If the "
                       "rectangle is given a 180\u00b0 twist before being folded around until "
                       "two opposite edges meet, a möbius strip is produced. By twisting "
                       "the rectangle, before joining its edges, both sides of the rectangle "
                       "become joined, so the möbius strip has just one face with twice "
                       "the area of the rectangle. It also has just one edge which is twice the "
                       "length of the corresponding edge of the rectangle."),
     sequences::Id::Mobius},
    {QT_TRANSLATE_NOOP("folding0",
                       "If we take a circle and remove a sector from it, then pull the two "
                       "edges of the missing sector together, we can construct an open-ended "
                       "cone. The area of the open-ended cone is the same as that of the circle "
                       "minus the sector that has been removed."),
     sequences::Id::Cone},
};

} // namespace

folding0::folding0(QWidget* parent)
    : LessonPage({tr("Paper Folding"), QStringLiteral("folding"),
                  {tr("Cylinder"), tr("Torus"), tr("Möbius Strip"), tr("Cone")},
                  2415, 3135, 4680, 3255},
                 parent)
{
    Form_Load();
}

void folding0::Option1_Click(int index)
{
    const Surface& surface = kSurfaces[index];
    // Every choice sets the size afresh: the long Möbius paragraph needs the smaller one. A
    // translation too long for it is shrunk from there.
    textfit::setDesignSize(*Label1, index == 2 ? 18 : 20);
    startShape(tr(surface.text), surface.animation);
}

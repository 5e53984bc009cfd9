#include "sequences.h"

#include "framename.h"

#include <QCoreApplication>

namespace sequences {
namespace {

// In the order of Id. The descriptions say what the artwork draws.
constexpr std::array<Sequence, kSequenceCount> kTable{{
    {Id::Title, "conenwsm", "conene", ".jpg", 50,
     QT_TRANSLATE_NOOP("Animation", "A cone is folded from a disc and turns slowly.")},
    {Id::Circle, "circlesm", "circle", ".jpg", 58,
     QT_TRANSLATE_NOOP("Animation",
                       "A circle of radius r cut into thin sectors, which laid side by side make "
                       "nearly a rectangle πr long and r high.")},
    {Id::Sector, "hexs3sm", "hexs3", ".jpg", 20,
     QT_TRANSLATE_NOOP("Animation",
                       "A sector of angle A opening in a circle of radius r, over the regular "
                       "hexagon inscribed in the circle.")},
    {Id::Triangle, "tris3sm", "tris3", ".jpg", 35,
     QT_TRANSLATE_NOOP("Animation",
                       "The isosceles triangle formed by a chord and the two radii to its ends.")},
    {Id::Segment, "pents3sm", "pents3", ".jpg", 20,
     QT_TRANSLATE_NOOP("Animation",
                       "A segment: the sector with the triangle under its chord taken away.")},
    {Id::Cylinder, "cylindsm", "cylind", ".gif", 100,
     QT_TRANSLATE_NOOP("Animation",
                       "A rectangle folded round until two opposite edges meet, making a "
                       "cylinder.")},
    {Id::Torus, "torusssm", "toruss", ".jpg", 50,
     QT_TRANSLATE_NOOP("Animation",
                       "A cylinder bent round until its two open ends meet, making a torus.")},
    // The name ends in digits of its own: bstr0000.jpg to bstr0099.jpg.
    {Id::Mobius, "mobiussm", "bstr00", ".jpg", 100,
     QT_TRANSLATE_NOOP("Animation",
                       "A rectangle given a half twist and joined at its ends, making a "
                       "Möbius strip.")},
    {Id::Cone, "bonen2sm", "bonene", ".jpg", 50,
     QT_TRANSLATE_NOOP("Animation",
                       "A circle with a sector removed, its cut edges pulled together into a "
                       "cone.")},
}};

constexpr bool inIdOrder()
{
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (static_cast<std::size_t>(kTable[i].id) != i)
            return false;
    }
    return true;
}
static_assert(inIdOrder(), "get() finds a sequence by its place in the table");

} // namespace

QString Sequence::stem() const
{
    return QLatin1String(folder) + QLatin1Char('\\') + QLatin1String(name);
}

QString Sequence::frameFile(int number) const
{
    return frameFileName(stem(), number, QLatin1String(ext));
}

QString Sequence::description() const
{
    return QCoreApplication::translate("Animation", shows);
}

const Sequence& get(Id id)
{
    return kTable[static_cast<std::size_t>(id)];
}

const std::array<Sequence, kSequenceCount>& all()
{
    return kTable;
}

} // namespace sequences

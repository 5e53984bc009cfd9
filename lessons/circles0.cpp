#include "circles0.h"

#include "fonts.h"
#include "formulaplace.h"
#include "twips.h"

#include <QLabel>

namespace {

struct Shape {
    const char* sentence;
    sequences::Id animation;
};

// The Circle sentence leaves five blanks between "is" and "r²" for the π label; the Sector
// sentence ends in a blank before its formula.
const Shape kShapes[LessonPage::shapeCount] = {
    {QT_TRANSLATE_NOOP("circles0",
                       "The area of a circle of radius r is     r\u00b2."), sequences::Id::Circle},
    {QT_TRANSLATE_NOOP("circles0",
                       "The area of a sector of angle A radians of a circle of radius r is "),
     sequences::Id::Sector},
    {QT_TRANSLATE_NOOP("circles0",
                       "The area of the isosceles triangle formed by connecting the ends of a "
                       "chord subtending an angle of A radians to the centre of a circle of "
                       "radius r is"),
     sequences::Id::Triangle},
    {QT_TRANSLATE_NOOP("circles0",
                       "The area of a segment made by a chord subtending an angle of A radians "
                       "is equal to the area of the corresponding sector minus the area of an "
                       "isosceles triangle, which is"),
     sequences::Id::Segment},
};

struct Formula {
    const char* text;
    QRect place; // twips: left, top, width, height, where the sentence's wrapping was first set
};

// π is the Symbol face's "p" and stays as it is; the others are written as the pupil's
// textbook writes them (the sine is "sen" in Spanish). Their characters stand as themselves, as
// the translation tool would read the letter after an escape as one more digit of it.
const Formula kFormulas[LessonPage::shapeCount] = {
    {"p", {6240, 5520, 270, 525}},
    {QT_TRANSLATE_NOOP("circles0", "½r²A"), {5760, 6240, 990, 495}},
    {QT_TRANSLATE_NOOP("circles0", "½r²sin(A)."), {4800, 6510, 1905, 495}},
    {QT_TRANSLATE_NOOP("circles0", "½r²A  -  ½r²sin(A)."), {7920, 6510, 3525, 495}},
};

// The words after which the circle's sentence leaves room for π; a translation of the sentence
// that has no such words puts π after its end.
const char* const kBeforePi = QT_TRANSLATE_NOOP("circles0", "radius r is");

} // namespace

circles0::circles0(QWidget* parent)
    : LessonPage({tr("Circles"), QStringLiteral("circles"),
                  {tr("Circle"), tr("Sector"), tr("Triangle"), tr("Segment")},
                  2055, 2895, 5520, 1935},
                 parent)
{
    for (int i = 0; i < shapeCount; ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Label4_%1").arg(i));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setPalette(Label1->palette());
        label->setText(i == 0 ? QString::fromUtf8(kFormulas[i].text) : tr(kFormulas[i].text));
        label->setFont(fonts::design(QStringLiteral("Tahoma"), 20.25));
        const QRect& r = kFormulas[i].place;
        pageprops::setGeometry(*label, r.x(), r.y(), r.width(), r.height());
        label->hide();
        Label4[i] = label;
    }
    // π: the Symbol face draws "p" as the Greek letter; without that face the letter itself.
    if (fonts::hasSymbolFont()) {
        Label4[0]->setFont(fonts::design(QStringLiteral("Symbol"), 24));
    } else {
        Label4[0]->setText(QStringLiteral("\u03c0"));
        Label4[0]->setFont(fonts::design(QStringLiteral("Times New Roman"), 24));
    }
    // A screen reader reads a label's caption, which is the Symbol face's "p": it is told the
    // letter, the same in every language.
    Label4[0]->setAccessibleName(QStringLiteral("\u03c0"));
    Form_Load();
}

void circles0::Option1_Click(int index)
{
    for (QLabel* label : Label4)
        label->hide();
    const Shape& shape = kShapes[index];
    startShape(tr(shape.sentence), shape.animation);
    placeFormula(index);
    Label4[index]->show();
}

void circles0::placeFormula(int index)
{
    // The sentence wraps as the fonts on this machine make it wrap, so the formula follows the
    // sentence's laid-out end rather than a fixed spot, which would overlap or drift from it.
    QLabel& formula = *Label4[index];
    const QString sentence = Label1->text();
    const int width = Label1->contentsRect().width();
    const QPoint at = index == 0
        ? formulaplace::inGap(sentence, tr(kBeforePi), Label1->font(), width, formula.text(),
                              formula.font())
        : formulaplace::afterSentence(sentence, Label1->font(), width, formula.text(),
                                      formula.font());
    const QFontMetrics metrics(formula.font());
    const QRect design = twips::rect(kFormulas[index].place.x(), kFormulas[index].place.y(),
                                     kFormulas[index].place.width(),
                                     kFormulas[index].place.height());
    formula.setGeometry(QRect(Label1->geometry().topLeft() + Label1->contentsRect().topLeft() + at,
                              QSize(qMax(design.width(), metrics.horizontalAdvance(formula.text()) + 2),
                                    qMax(design.height(), metrics.height()))));
}

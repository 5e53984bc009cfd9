#include "module1.h"

#include "language.h"
#include "page.h"
#include "picturebutton.h"
#include "pictures.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QWidget>

namespace Module1 {

void reset()
{
    framenum = 0;
    smallstem.clear();
    frameext.clear();
    framecount = 0;
    answer = 0.0;
    lastproblem = 0;
}

namespace {

constexpr QColor kPageColour{40, 66, 156};
constexpr QColor kPicture1Colour{49, 135, 214};
constexpr int kPageWidth = 12000;
constexpr int kPageHeight = 9000;
constexpr int kButtonWidth = 1785;
constexpr int kButtonHeight = 495;
constexpr int kRightColumn = 10050;
constexpr int kBottomRow = 7950;
constexpr int kExitLeft = 90;

struct Face {
    const char* control;
    const char* file;
};

constexpr Face kFaces[] = {
    {"cmdexit", "Images\\exit.jpg"},      {"cmdgo", "Images\\next.jpg"},
    {"cmdsoln", "Images\\answer.jpg"},    {"cmdcheckit", "images\\check.jpg"},
    {"cmdjotter", "images\\jotter.jpg"},  {"cmdscramble", "images\\scramble.jpg"},
};

QWidget* control(QWidget& page, const char* name)
{
    return page.findChild<QWidget*>(QLatin1String(name));
}

// One face: the file must be read as a picture before the button's face changes.
void putFace(QWidget& page, const Face& face)
{
    QWidget* w = control(page, face.control);
    if (!w)
        return;
    const QImage picture = buttonFace(QLatin1String(face.file), w->devicePixelRatioF());
    if (picture.isNull())
        return;
    if (auto* button = qobject_cast<PictureButton*>(w))
        button->setPicture(picture);
    else if (auto* plain = qobject_cast<QAbstractButton*>(w))
        plain->setIcon(QIcon(QPixmap::fromImage(picture)));
}

// Each property is a step of its own: a missing control skips every step that names it.
template <typename Step>
void step(QWidget& page, const char* name, Step&& doIt)
{
    if (QWidget* w = control(page, name))
        doIt(*w);
}

// Out of the Tab order, and a click does not take the keyboard either: typing goes on where it
// was (in the answer box), and the buttons have their Alt keys.
void noTabStop(QWidget& w)
{
    w.setFocusPolicy(Qt::NoFocus);
}

void layoutButtons(QWidget& page)
{
    using namespace pageprops;
    step(page, "cmdgo", [](QWidget& w) { setTop(w, kBottomRow); });
    step(page, "cmdgo", [](QWidget& w) { setWidth(w, kButtonWidth); });
    step(page, "cmdgo", [](QWidget& w) { setLeft(w, kRightColumn); });
    step(page, "cmdgo", [](QWidget& w) { setHeight(w, kButtonHeight); });
    step(page, "cmdgo", noTabStop);

    step(page, "cmdjotter", [](QWidget& w) { setLeft(w, kRightColumn); });
    step(page, "cmdjotter", [](QWidget& w) { setHeight(w, kButtonHeight); });
    step(page, "cmdjotter", [&page](QWidget& w) {
        if (QWidget* below = control(page, "cmdgo"))
            setTop(w, top(*below) - height(w));
    });
    step(page, "cmdjotter", [](QWidget& w) { setWidth(w, kButtonWidth); });
    step(page, "cmdjotter", noTabStop);

    step(page, "cmdsoln", [](QWidget& w) { setHeight(w, kButtonHeight); });
    step(page, "cmdsoln", [&page](QWidget& w) {
        if (QWidget* below = control(page, "cmdjotter"))
            setTop(w, top(*below) - height(w));
    });
    step(page, "cmdsoln", [](QWidget& w) { setWidth(w, kButtonWidth); });
    step(page, "cmdsoln", [](QWidget& w) { setLeft(w, kRightColumn); });
    step(page, "cmdsoln", noTabStop);

    step(page, "cmdcheckit", [](QWidget& w) { setHeight(w, kButtonHeight); });
    step(page, "cmdcheckit", [](QWidget& w) { setLeft(w, kRightColumn); });
    step(page, "cmdcheckit", [&page](QWidget& w) {
        if (QWidget* below = control(page, "cmdsoln"))
            setTop(w, top(*below) - height(w));
    });
    step(page, "cmdcheckit", [](QWidget& w) { setWidth(w, kButtonWidth); });
    step(page, "cmdcheckit", noTabStop);

    step(page, "cmdexit", [](QWidget& w) { setTop(w, kBottomRow); });
    step(page, "cmdexit", [](QWidget& w) { setWidth(w, kButtonWidth); });
    step(page, "cmdexit", [](QWidget& w) { setLeft(w, kExitLeft); });
    step(page, "cmdexit", [](QWidget& w) { setHeight(w, kButtonHeight); });
    step(page, "cmdexit", noTabStop);
}

} // namespace

QImage buttonFace(const QString& file, qreal devicePixelRatio)
{
    const QString words = language::current().section(QLatin1Char('_'), 0, 0);
    if (words != QLatin1String("en")) {
        QString own = file;
        own.insert(own.lastIndexOf(QLatin1Char('.')), QLatin1Char('_') + words);
        const QImage picture = pictures::load(own, devicePixelRatio);
        if (!picture.isNull())
            return picture;
    }
    return pictures::load(file, devicePixelRatio);
}

void PrepareForm(QWidget& page)
{
    using namespace pageprops;
    setBackColor(page, kPageColour);

    step(page, "Picture1", [](QWidget& w) { setBackColor(w, kPicture1Colour); });
    setOuterSize(page, kPageWidth, kPageHeight);

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    centreOnScreen(page);
    QGuiApplication::restoreOverrideCursor();

    for (const Face& face : kFaces)
        putFace(page, face);
    layoutButtons(page);
}

} // namespace Module1

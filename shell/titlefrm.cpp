#include "titlefrm.h"

#include "fonts.h"
#include "module1.h"
#include "navigation.h"
#include "picturebox.h"
#include "pictures.h"
#include "sequences.h"
#include "twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr QColor kGrey{192, 192, 192};
constexpr QColor kBlue{0, 0, 255};

QLabel* blueLabel(QWidget* parent, const char* name, const QString& text, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, kBlue);
    label->setPalette(pal);
    return label;
}

QPushButton* greyButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    // Enter presses whichever button has the focus, not only the default one.
    button->setAutoDefault(true);
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, kGrey);
    button->setPalette(pal);
    return button;
}

} // namespace

Titlefrm::Titlefrm(QWidget* parent)
    : Page(parent)
{
    setObjectName(QStringLiteral("Titlefrm"));
    setWindowTitle(QStringLiteral(" "));
    pageprops::setBackColor(*this, kGrey);
    setFixedSize(twips::toPx(5460), twips::toPx(6570));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    pageprops::setGeometry(*Frame1, 0, -90, 5480, 6660);

    Picture1 = new PictureBox(Frame1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAccessibleName(tr("Title animation"));
    Picture1->setAccessibleDescription(sequences::get(sequences::Id::Title).description());
    pageprops::setGeometry(*Picture1, 300, 1320, 4800, 3600);

    // The brand, the same in every language.
    Label4[0] = blueLabel(Frame1, "Label4_0", QStringLiteral("Vornash 3"),
                          fonts::design(QStringLiteral("Times New Roman"), 30, true));
    pageprops::setGeometry(*Label4[0], 60, 120, 5355, 735);
    Label4[1] = blueLabel(Frame1, "Label4_1", QStringLiteral("Demo"),
                          fonts::design(QStringLiteral("Times New Roman"), 20.25, true));
    pageprops::setGeometry(*Label4[1], 60, 780, 5355, 735);
    Label3 = blueLabel(Frame1, "Label3", tr("Geometry for secondary schools"),
                       fonts::design(QStringLiteral("Times New Roman"), 15.75));
    pageprops::setGeometry(*Label3, 480, 5370, 4455, 615);

    Command1 = greyButton(Frame1, "Command1", tr("OK"));
    pageprops::setGeometry(*Command1, 1320, 6000, 1335, 375);
    Command2 = greyButton(Frame1, "Command2", tr("Exit"));
    pageprops::setGeometry(*Command2, 2760, 6000, 1335, 375);

    Label2 = blueLabel(Frame1, "Label2", tr("Copyright \u00A9 Vornash Learning. All rights reserved."),
                       fonts::design(QStringLiteral("Arial"), 8.25));
    pageprops::setGeometry(*Label2, 0, 6420, 5415, 255);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(50);

    connect(Timer1, &QTimer::timeout, this, &Titlefrm::Timer1_Timer);
    connect(Command1, &QPushButton::clicked, this, &Titlefrm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Titlefrm::Command2_Click);
    // Closing the title window is the same as "Exit".
    setCloseHandler([this] { Command2_Click(); });
    setAnimationTimer(Timer1);
    Command1->setDefault(true);
    Command1->setFocus();

    Form_Load();
}

QString Titlefrm::frameFile(int number)
{
    return sequences::get(sequences::Id::Title).frameFile(number);
}

void Titlefrm::Form_Load()
{
    // Normal path: centred at the window's own size, first picture, animation on.
    const QImage first = pictures::load(frameFile(0), Picture1->devicePixelRatioF());
    if (!first.isNull() && pageprops::centreOnScreen(*this)) {
        Module1::framenum = 0;
        Picture1->setPicture(first);
        Timer1->start();
        return;
    }
    // Fallback: the page takes the common frame; the animation runs with whatever it can read.
    m_fallback = true;
    Module1::PrepareForm(*this);
    Frame1->raise();
    Picture1->setPicture(pictures::load(frameFile(0), Picture1->devicePixelRatioF()));
    Timer1->start();
}

void Titlefrm::Timer1_Timer()
{
    Module1::framenum += 1;
    if (Module1::framenum >= sequences::get(sequences::Id::Title).count || Module1::framenum < 0)
        Module1::framenum = 0;
    // A picture that cannot be read leaves the previous one on show.
    const QImage picture = pictures::load(frameFile(Module1::framenum), Picture1->devicePixelRatioF());
    if (!picture.isNull())
        Picture1->setPicture(picture);
}

void Titlefrm::Command1_Click()
{
    navigation::show(QStringLiteral("intro0"));
    unload();
}

void Titlefrm::Command2_Click()
{
    Timer1->stop();
    navigation::endProgram();
}

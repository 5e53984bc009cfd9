#include "player.h"

#include "framename.h"
#include "mediabar.h"
#include "module1.h"
#include "page.h"
#include "picturebox.h"
#include "pictures.h"
#include "fonts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace {

constexpr int kTickMs = 50;
const QColor kFullScreenBack{64, 64, 64};
const QColor kFullScreenText{255, 255, 0};
const QColor kFullScreenGreyed{150, 150, 150};

} // namespace

Player::Player(QWidget& host)
    : QObject(&host)
{
    Image2 = new PictureBox(&host);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setAccessibleName(tr("Animation"));
    Image2->setFocusPolicy(Qt::StrongFocus);
    Image2->installEventFilter(this);
    pageprops::setGeometry(*Image2, 6840, 240, 4860, 3660);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTickMs);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &Player::Timer1_Timer);
    // The animation rests while its page is out of sight.
    if (auto* page = qobject_cast<Page*>(&host))
        page->setAnimationTimer(Timer1);

    MMControl1 = new MediaBar(&host);
    MMControl1->setObjectName(QStringLiteral("MMControl1"));
    pageprops::setGeometry(*MMControl1, 7680, 3960, 1590, 330);
    // The animation already runs when the page opens, so the pupil's first choice is Pause.
    MMControl1->setButtonEnabled(MediaBar::Play, false);
    MMControl1->setButtonEnabled(MediaBar::Pause, true);
    MMControl1->setButtonEnabled(MediaBar::Back, false);
    MMControl1->setButtonEnabled(MediaBar::Next, false);
    connect(MMControl1, &MediaBar::clicked, this, &Player::barClicked);

    Label3 = new QLabel(tr("Full Screen"), &host);
    Label3->setObjectName(QStringLiteral("Label3"));
    pageprops::setGeometry(*Label3, 9360, 3960, 1455, 330);
    pageprops::setBackColor(*Label3, kFullScreenBack);
    QPalette pal = Label3->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, QPalette::WindowText, kFullScreenText);
    // Nothing enables it, so what shows is the greyed caption of a disabled label.
    pal.setColor(QPalette::Disabled, QPalette::WindowText, kFullScreenGreyed);
    Label3->setPalette(pal);
    Label3->setFont(fonts::design(QStringLiteral("Tahoma"), 11.25, true));
    Label3->setAlignment(Qt::AlignCenter);
    Label3->setFrameStyle(QFrame::Box | QFrame::Plain);
    Label3->setEnabled(false);
}

void Player::StartSequence(const QString& stem, const QString& ext, int count)
{
    Module1::smallstem = stem;
    Module1::frameext = ext;
    Module1::framecount = count;
    Module1::framenum = 0;
    ShowFrame();
    Timer1->start();
}

void Player::StartSequence(const sequences::Sequence& sequence)
{
    Image2->setAccessibleDescription(sequence.description());
    StartSequence(sequence.stem(), QLatin1String(sequence.ext), sequence.count);
}

void Player::ShowFrame()
{
    m_lastFrameFile = frameFileName(Module1::smallstem, Module1::framenum, Module1::frameext);
    const QImage frame = pictures::load(m_lastFrameFile, Image2->devicePixelRatioF());
    if (!frame.isNull())
        Image2->setPicture(frame);
}

void Player::Timer1_Timer()
{
    StepForward();
}

void Player::StepForward()
{
    // Wrapping on any number out of range, not only the one just past the end, keeps a frame
    // number left by another sequence from running on past the last file.
    Module1::framenum = Module1::framenum + 1;
    if (Module1::framenum >= Module1::framecount)
        Module1::framenum = 0;
    ShowFrame();
}

void Player::StepBack()
{
    Module1::framenum = Module1::framenum - 1;
    if (Module1::framenum < 0 || Module1::framenum >= Module1::framecount)
        Module1::framenum = qMax(Module1::framecount - 1, 0);
    ShowFrame();
}

void Player::Play()
{
    Timer1->start();
    MMControl1->setButtonEnabled(MediaBar::Pause, true);
    MMControl1->setButtonEnabled(MediaBar::Play, false);
    MMControl1->setButtonEnabled(MediaBar::Back, false);
    MMControl1->setButtonEnabled(MediaBar::Next, false);
}

void Player::Pause()
{
    Timer1->stop();
    MMControl1->setButtonEnabled(MediaBar::Play, true);
    MMControl1->setButtonEnabled(MediaBar::Back, true);
    MMControl1->setButtonEnabled(MediaBar::Next, true);
}

bool Player::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != Image2 || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    MediaBar::Button button;
    switch (key->key()) {
    case Qt::Key_Space:
        button = Timer1->isActive() ? MediaBar::Pause : MediaBar::Play;
        break;
    case Qt::Key_Right: button = MediaBar::Next; break;
    case Qt::Key_Left: button = MediaBar::Back; break;
    default: return false;
    }
    // The keyboard can do what the mouse can on the bar, and no more.
    if (MMControl1->isButtonEnabled(button))
        barClicked(button);
    return true;
}

void Player::barClicked(MediaBar::Button button)
{
    switch (button) {
    case MediaBar::Play: Play(); break;
    case MediaBar::Pause: Pause(); break;
    case MediaBar::Back: StepBack(); break;
    case MediaBar::Next: StepForward(); break;
    }
}

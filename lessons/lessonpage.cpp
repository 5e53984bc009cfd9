#include "lessonpage.h"

#include "draws.h"
#include "fonts.h"
#include "jotter.h"
#include "labelbutton.h"
#include "module1.h"
#include "navigation.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "player.h"
#include "textfit.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

namespace {

const QColor kYellow{255, 255, 0};
const QColor kLinkBack{0, 0, 255};
constexpr int kOptionLeft = 1800;
constexpr int kOptionTops[LessonPage::shapeCount] = {840, 1440, 2040, 2640};
constexpr int kOptionHeight = 495;

// An option button whose keyboard focus shows plainly on the page's dark background, where
// the style's own focus frame is barely visible.
class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QRadioButton::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter p(this);
        p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

void setTextColour(QWidget& w, const QColor& colour)
{
    QPalette pal = w.palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, QPalette::WindowText, colour);
    w.setPalette(pal);
}

} // namespace

LessonPage::LessonPage(const Design& design, QWidget* parent)
    : Page(parent)
    , m_problemPage(design.problemPage)
{
    setWindowTitle(design.caption);

    // The frame goes first so that it lies beneath the option buttons it surrounds.
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    pageprops::setGeometry(*Frame1, 1440, 480, design.frameWidth, 3015);

    m_options = new QButtonGroup(this);
    for (int i = 0; i < shapeCount; ++i) {
        auto* option = new OptionButton(design.shapes.value(i), this);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option->setFont(fonts::design(QStringLiteral("Tahoma"), 15.75, true));
        setTextColour(*option, kYellow);
        // A button fills its background from the Button role; these show the page's colour.
        option->setBackgroundRole(QPalette::Window);
        pageprops::setGeometry(*option, kOptionLeft, kOptionTops[i], design.optionWidth,
                               kOptionHeight);
        m_options->addButton(option, i);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Option1_Click(i);
        });
        Option1[i] = option;
    }

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setFont(fonts::design(QStringLiteral("Tahoma"), 20.25));
    setTextColour(*Label1, kYellow);
    pageprops::setGeometry(*Label1, 240, design.sentenceTop, 11415, design.sentenceHeight);

    Label15 = new LabelButton(tr("Problems Page"), this);
    Label15->setObjectName(QStringLiteral("Label15"));
    Label15->setFont(fonts::design(QStringLiteral("Tahoma"), 18, true));
    Label15->setOpaque(true);
    Label15->setFillColour(kLinkBack);
    Label15->setTextColour(kYellow);
    Label15->setBorder(true);
    Label15->setAlignment(Qt::AlignCenter);
    pageprops::setGeometry(*Label15, 4440, 7920, 3315, 495);
    connect(Label15, &QAbstractButton::clicked, this, &LessonPage::Label15_Click);

    // Its face, place and size come from the page preparation in Form_Load.
    cmdexit = new PictureButton(this);
    cmdexit->setObjectName(QStringLiteral("cmdexit"));
    // The page takes it out of the Tab order, so the keyboard reaches it by its own key.
    cmdexit->describe(tr("Exit"), facewords::Exit);
    PictureButton::keepEnglishKeys({cmdexit});
    connect(cmdexit, &QAbstractButton::clicked, this, &LessonPage::cmdexit_Click);
    // Closing the page's window is the same as its exit button.
    setCloseHandler([this] { cmdexit_Click(); });

    m_player = new Player(*this);
    Image2 = m_player->Image2;
    Timer1 = m_player->Timer1;
    MMControl1 = m_player->MMControl1;
    Label3 = m_player->Label3;

    // Reading order: the shapes on the left, the animation and its bar on the right, then the
    // link at the foot of the page.
    QWidget* chain[] = {Option1[0], Option1[1], Option1[2], Option1[3], Image2,
                        MMControl1->button(MediaBar::Play), MMControl1->button(MediaBar::Pause),
                        MMControl1->button(MediaBar::Back), MMControl1->button(MediaBar::Next),
                        Label15, cmdexit};
    for (std::size_t k = 1; k < std::size(chain); ++k)
        setTabOrder(chain[k - 1], chain[k]);

    // The shapes' names read as one column, at one size however long their translations are.
    textfit::fitTogether({Option1[0], Option1[1], Option1[2], Option1[3]});
}

void LessonPage::Form_Load()
{
    Module1::PrepareForm(*this);
    const QColor back = pageprops::backColor(*this);
    for (QRadioButton* option : Option1)
        pageprops::setBackColor(*option, back);
    pageprops::setBackColor(*Frame1, back);
    Module1::framenum = 0;

    const draws::Source draw = draws::seedFromClock();
    // A draw is below one; the clamp only guards against a source that strays.
    const int index = std::clamp(static_cast<int>(4 * draw()), 0, shapeCount - 1);
    Option1[index]->setChecked(true);
    // Keyboard focus starts on the shape on show, not on the first of the column.
    Option1[index]->setFocus();
}

void LessonPage::Label15_Click()
{
    navigation::show(m_problemPage);
    leave();
}

void LessonPage::cmdexit_Click()
{
    jotter::close();
    navigation::show(QStringLiteral("intro0"));
    leave();
}

void LessonPage::leave()
{
    // The page lingers until the event loop deletes it; a tick in that time would step the
    // sequence that the next page has just started.
    Timer1->stop();
    unload();
}

void LessonPage::Timer1_Timer()
{
    m_player->Timer1_Timer();
}

int LessonPage::selectedShape() const
{
    return m_options->checkedId();
}

void LessonPage::startShape(const QString& sentence, sequences::Id animation)
{
    Label1->setText(sentence);
    textfit::fit(*Label1);
    m_player->StartSequence(sequences::get(animation));
}

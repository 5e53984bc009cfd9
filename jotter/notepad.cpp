#include "notepad.h"

#include "fonts.h"
#include "jotter.h"
#include "page.h"
#include "textfit.h"
#include "twips.h"

#include <QCloseEvent>
#include <QPainter>
#include <QResizeEvent>

namespace jotter {
namespace {

// Client area of the wide shape as designed, and the outer sizes Flip gives.
constexpr int designClientWidth = 9915;
constexpr int designClientHeight = 3660;
constexpr int portraitOuterWidth = 4000;
constexpr int portraitOuterHeight = 12000;
constexpr int landscapeOuterWidth = 10005;
constexpr int landscapeOuterHeight = 4140;

constexpr QRect landscapeBar{0, 2910, 9920, 750};   // twips: left, top, width, height
constexpr int portraitBarDesignLeft = 3165;
constexpr int portraitBarWidth = 1035;
constexpr int portraitBarHeight = 5250;
constexpr int portraitBarMargin = 80;

constexpr int buttonHeight = 480;
constexpr int swatchSide = 240;
constexpr QPoint landscapeFirstSwatch{5010, 285};
constexpr QPoint portraitFirstSwatch{180, 2820};
constexpr int landscapeSwatchStep = 305;
constexpr int portraitRowGap = 50;
constexpr int portraitColumnStep = 400;

struct ButtonDesign {
    const char* caption;
    QRect place; // twips, in its bar
    QColor face;
    const char* tip;
};

const QColor exitFace(255, 224, 192);
const QColor writeFace(255, 255, 192);
const QColor eraseFace(192, 192, 0);
const QColor clearFace(255, 192, 128);
const QColor flipFace(128, 128, 255);

QPushButton* makeButton(QWidget* bar, const char* name, const ButtonDesign& d)
{
    auto* b = new QPushButton(notepad::tr(d.caption), bar);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(twips::rect(d.place.x(), d.place.y(), d.place.width(), d.place.height()));
    b->setFont(fonts::design(QStringLiteral("Tahoma"), 12));
    b->setFocusPolicy(Qt::StrongFocus);
    // Enter presses the focused button, as Space does.
    b->setAutoDefault(true);
    b->setToolTip(notepad::tr(d.tip));
    // A flat face of one colour; the focus frame is drawn thick so the keyboard user sees it.
    b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                                    " border: 1px solid #404040; }"
                                    " QPushButton:pressed { background-color: %2; }"
                                    " QPushButton:focus { border: 2px solid black; }")
                         .arg(d.face.name(), d.face.darker(120).name()));
    return b;
}

QFrame* makeBar(QWidget* parent, const char* name)
{
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameShape(QFrame::NoFrame);
    return f;
}

QRect twipsRect(QPoint topLeft, int side)
{
    return twips::rect(topLeft.x(), topLeft.y(), side, side);
}

} // namespace

// --- Swatch -------------------------------------------------------------------------------

Swatch::Swatch(int index, QWidget* parent)
    : QPushButton(parent), m_index(index)
{
    setProperty("index", index);
    setFocusPolicy(Qt::StrongFocus);
    setAutoDefault(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Swatch::setColour(const QColor& colour)
{
    m_colour = colour;
    update();
}

void Swatch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), m_colour);
    if (hasFocus()) {
        // A ring that stands out on dark and light swatches alike.
        const QColor ring = m_colour.lightness() > 140 ? Qt::black : Qt::white;
        p.setPen(QPen(ring, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

// --- notepad ------------------------------------------------------------------------------

notepad::notepad(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("Jotter"));
    setFixedSize(twips::toPx(designClientWidth), twips::toPx(designClientHeight));

    // Made first, so that the bars made after it lie over it.
    m_surface = new Surface(this);
    m_surface->setObjectName(QStringLiteral("surface"));
    m_surface->setGeometry(rect());

    Frame_landscape = makeBar(this, "Frame_landscape");
    Frame_portrait = makeBar(this, "Frame_portrait");
    Frame_landscape->setGeometry(twips::rect(landscapeBar.x(), landscapeBar.y(),
                                             landscapeBar.width(), landscapeBar.height()));
    Frame_portrait->setGeometry(twips::rect(portraitBarDesignLeft, 0, portraitBarWidth,
                                            portraitBarHeight));

    // Captions and tips as written; makeButton translates them.
    const char* exitTip = QT_TR_NOOP("Close the Jotter and throw away what is on it");
    const char* writeTip = QT_TR_NOOP("Write again in the colour used before erasing");
    const char* eraseTip = QT_TR_NOOP("Rub out with a wide pen");
    const char* clearTip = QT_TR_NOOP("Wipe the whole Jotter clean");
    const char* exitCaption = QT_TR_NOOP("Exit");
    const char* writeCaption = QT_TR_NOOP("Write");
    const char* eraseCaption = QT_TR_NOOP("Erase");
    const char* clearCaption = QT_TR_NOOP("Clear");
    const char* flipCaption = QT_TR_NOOP("Flip");

    // Created in reading order so that Tab walks each bar from its first button to its last swatch.
    Command1 = makeButton(Frame_landscape, "Command1",
                          {exitCaption, {60, 180, 930, buttonHeight}, exitFace, exitTip});
    Command2 = makeButton(Frame_landscape, "Command2",
                          {writeCaption, {1120, 180, 930, buttonHeight}, writeFace, writeTip});
    Command5 = makeButton(Frame_landscape, "Command5",
                          {eraseCaption, {2180, 180, 930, buttonHeight}, eraseFace, eraseTip});
    Command6 = makeButton(Frame_landscape, "Command6",
                          {clearCaption, {3240, 180, 930, buttonHeight}, clearFace, clearTip});
    Command3 = makeButton(Frame_landscape, "Command3",
                          {flipCaption, {4305, 180, 585, buttonHeight}, flipFace,
                           QT_TR_NOOP("Turn the Jotter tall (wipes it clean)")});
    for (int i = 0; i < swatchCount; ++i) {
        Label1[static_cast<size_t>(i)] = new Swatch(i, Frame_landscape);
        Label1[static_cast<size_t>(i)]->setObjectName(QStringLiteral("Label1_%1").arg(i));
    }

    Command9 = makeButton(Frame_portrait, "Command9",
                          {exitCaption, {60, 180, 930, buttonHeight}, exitFace, exitTip});
    Command10 = makeButton(Frame_portrait, "Command10",
                           {writeCaption, {60, 705, 930, buttonHeight}, writeFace, writeTip});
    Command8 = makeButton(Frame_portrait, "Command8",
                          {eraseCaption, {60, 1230, 930, buttonHeight}, eraseFace, eraseTip});
    Command7 = makeButton(Frame_portrait, "Command7",
                          {clearCaption, {60, 1755, 930, buttonHeight}, clearFace, clearTip});
    Command4 = makeButton(Frame_portrait, "Command4",
                          {flipCaption, {60, 2280, 930, buttonHeight}, flipFace,
                           QT_TR_NOOP("Turn the Jotter wide (wipes it clean)")});
    for (int i = 0; i < swatchCount; ++i) {
        Label11[static_cast<size_t>(i)] = new Swatch(i, Frame_portrait);
        Label11[static_cast<size_t>(i)]->setObjectName(QStringLiteral("Label11_%1").arg(i));
    }
    Frame_portrait->hide();

    connect(Command1, &QPushButton::clicked, this, &notepad::Command1_Click);
    connect(Command9, &QPushButton::clicked, this, &notepad::Command9_Click);
    connect(Command2, &QPushButton::clicked, this, &notepad::Command2_Click);
    connect(Command10, &QPushButton::clicked, this, &notepad::Command10_Click);
    connect(Command5, &QPushButton::clicked, this, &notepad::Command5_Click);
    connect(Command8, &QPushButton::clicked, this, &notepad::Command8_Click);
    connect(Command6, &QPushButton::clicked, this, &notepad::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &notepad::Command7_Click);
    connect(Command3, &QPushButton::clicked, this, &notepad::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &notepad::Command4_Click);
    for (int i = 0; i < swatchCount; ++i) {
        const auto k = static_cast<size_t>(i);
        connect(Label1[k], &QPushButton::clicked, this, [this, i] { Label1_Click(i); });
        connect(Label11[k], &QPushButton::clicked, this, [this, i] { Label11_Click(i); });
    }

    Form_Load();
    // Captions fitted to their buttons in whatever language they are in; the four buttons of a
    // bar that share a width share a size.
    textfit::fitTogether({Command1, Command2, Command5, Command6});
    textfit::fitTogether({Command9, Command10, Command8, Command7});
    textfit::fit(*Command3);
    textfit::fit(*Command4);
}

notepad::~notepad() = default;

void notepad::Form_Load()
{
    m_surface->clear();
    pageprops::setBackColor(*Frame_portrait, background());
    pageprops::setBackColor(*Frame_landscape, background());

    for (int i = 0; i < swatchCount; ++i) {
        const auto k = static_cast<size_t>(i);
        Label1[k]->setColour(paletteColour(i));
        Label11[k]->setColour(paletteColour(i));
        Label1[k]->setAccessibleName(paletteName(i));
        Label11[k]->setAccessibleName(paletteName(i));
        Label1[k]->setToolTip(paletteName(i));
        Label11[k]->setToolTip(paletteName(i));
    }

    // Places are worked out in twips and only then turned into pixels: a 305-twip step is
    // not a whole number of pixels, and rounding each step would make the row creep.
    std::array<QPoint, swatchCount> wide{};
    wide[0] = landscapeFirstSwatch;
    for (size_t i = 1; i < wide.size(); ++i)
        wide[i] = {wide[i - 1].x() + landscapeSwatchStep, landscapeFirstSwatch.y()};

    std::array<QPoint, swatchCount> tall{};
    tall[0] = portraitFirstSwatch;
    for (size_t i = 1; i < 8; ++i)
        tall[i] = {portraitFirstSwatch.x(), tall[i - 1].y() + swatchSide + portraitRowGap};
    for (size_t i = 8; i < tall.size(); ++i)
        tall[i] = {tall[i - 8].x() + portraitColumnStep, tall[i - 8].y()};

    for (size_t i = 0; i < swatchCount; ++i) {
        Label1[i]->setGeometry(twipsRect(wide[i], swatchSide));
        Label11[i]->setGeometry(twipsRect(tall[i], swatchSide));
    }
    m_pen = Pen{};
    usePen();
}

void notepad::usePen()
{
    m_surface->setPenColour(m_pen.colour());
    m_surface->setPenWidth(m_pen.width());
}

void notepad::resizeEvent(QResizeEvent* event)
{
    m_surface->setGeometry(rect());
    QWidget::resizeEvent(event);
}

void notepad::closeEvent(QCloseEvent* event)
{
    // The window's own close box does what Exit does.
    event->ignore();
    jotter::close();
}

void notepad::Command1_Click() { jotter::close(); }
void notepad::Command9_Click() { jotter::close(); }

void notepad::Command2_Click()
{
    m_pen.write();
    usePen();
}

void notepad::Command10_Click() { Command2_Click(); }

void notepad::Command5_Click()
{
    m_pen.erase();
    usePen();
}

void notepad::Command8_Click() { Command5_Click(); }

void notepad::Command6_Click()
{
    m_surface->clear();
    m_pen.clear();
    usePen();
}

void notepad::Command7_Click() { Command6_Click(); }

void notepad::Label1_Click(int Index)
{
    m_pen.pickSwatch(Index);
    usePen();
}

void notepad::Label11_Click(int Index) { Label1_Click(Index); }

void notepad::setOuterSizeKeepingCorner(int widthTw, int heightTw)
{
    const QPoint corner = frameGeometry().topLeft();
    pageprops::setOuterSize(*this, widthTw, heightTw);
    // Window managers may re-place a window that changes size, and do so only after this
    // returns; asking for the corner straight after the size puts the Jotter back where it was.
    if (isVisible())
        move(corner);
}

void notepad::Command3_Click()
{
    m_surface->clear();
    const bool hadFocus = Frame_landscape->isAncestorOf(focusWidget());
    setOuterSizeKeepingCorner(portraitOuterWidth, portraitOuterHeight);
    pageprops::setLeft(*Frame_portrait, portraitOuterWidth - portraitBarWidth - portraitBarMargin);
    Frame_landscape->hide();
    Frame_portrait->show();
    m_portrait = true;
    if (hadFocus)
        Command4->setFocus();
}

void notepad::Command4_Click()
{
    m_surface->clear();
    const bool hadFocus = Frame_portrait->isAncestorOf(focusWidget());
    setOuterSizeKeepingCorner(landscapeOuterWidth, landscapeOuterHeight);
    Frame_landscape->setGeometry(twips::rect(landscapeBar.x(), landscapeBar.y(),
                                             landscapeBar.width(), landscapeBar.height()));
    Frame_portrait->hide();
    Frame_landscape->show();
    m_portrait = false;
    if (hadFocus)
        Command3->setFocus();
}

} // namespace jotter

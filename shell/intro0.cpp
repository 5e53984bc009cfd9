#include "intro0.h"

#include "classroom.h"
#include "fonts.h"
#include "labelbutton.h"
#include "module1.h"
#include "navigation.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "pictures.h"
#include "textfit.h"
#include "titlefrm.h"

#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QUrl>

const char* const intro0::kWebAddress = "https://www.vornash.example/";

namespace {

constexpr QColor kMenuColour{49, 135, 215};
constexpr QColor kYellow{255, 255, 0};
constexpr QColor kBlack{0, 0, 0};
constexpr QColor kEntryBlue{0, 0, 255};
constexpr int kEntryStep = 750;

void setColours(QWidget& w, const QColor& text, const QColor& fill)
{
    QPalette pal = w.palette();
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Window, fill);
    w.setPalette(pal);
}

// The first entry of a column, as designed: hidden until the load handler shows it.
LabelButton* designEntry(QWidget* parent, const char* name, const QString& caption, int left)
{
    auto* entry = new LabelButton(caption, parent);
    entry->setObjectName(QLatin1String(name));
    entry->setFont(fonts::design(QStringLiteral("Tahoma"), 18, true));
    setColours(*entry, kYellow, kEntryBlue);
    entry->setAlignment(Qt::AlignCenter);
    pageprops::setGeometry(*entry, left, 2520, 4155, 495);
    entry->hide();
    return entry;
}

} // namespace

intro0::intro0(QWidget* parent)
    : Page(parent)
{
    setObjectName(QStringLiteral("intro0"));
    setWindowTitle(tr("Vornash Learning"));
    setMouseTracking(true);

    // The brand, the same in every language.
    Label1 = new QLabel(QStringLiteral("Vornash 3 Demo"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(fonts::design(QStringLiteral("Tahoma"), 30, true));
    Label1->setAlignment(Qt::AlignCenter);
    setColours(*Label1, kYellow, kBlack);
    pageprops::setGeometry(*Label1, 1920, 120, 7980, 900);

    Label4 = new QLabel(tr("version 4.0.003"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setFont(fonts::design(QStringLiteral("Tahoma"), 9.75, true));
    Label4->setAlignment(Qt::AlignRight | Qt::AlignTop);
    setColours(*Label4, kYellow, kBlack);
    pageprops::setGeometry(*Label4, 9720, 120, 1800, 375);

    Image2 = new PictureBox(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setAccessibleName(tr("Vornash logo"));
    pageprops::setGeometry(*Image2, 120, 120, 1500, 2085);

    Label2[0] = designEntry(this, "Label2_0", tr("Circles"), 1080);
    Label5[0] = designEntry(this, "Label5_0", tr("Disc Packing"), 6720);

    Label6 = new LabelButton(QStringLiteral("www.vornash.example"), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setFont(fonts::design(QStringLiteral("Arial"), 12, true));
    setColours(*Label6, kYellow, kBlack);
    Label6->setOpaque(true);
    Label6->setToolTip(tr("Open the publisher's web site in your browser"));
    pageprops::setGeometry(*Label6, 4320, 8040, 3315, 375);

    Label3 = new QLabel(tr("\u00A9 Vornash Learning"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFont(fonts::design(QStringLiteral("Tahoma"), 9.75));
    Label3->setAlignment(Qt::AlignCenter);
    setColours(*Label3, kYellow, kBlack);
    pageprops::setGeometry(*Label3, 8040, 8145, 3600, 375);

    Command1 = new PictureButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    // Its face underlines the letter of its key, as the pages' exit buttons do.
    Command1->describe(tr("Exit"), facewords::Exit);
    PictureButton::keepEnglishKeys({Command1});
    pageprops::setGeometry(*Command1, 9570, 7230, 1650, 500);

    Label1->setMouseTracking(true);
    Label1->installEventFilter(this);
    connect(Label6, &LabelButton::clicked, this, &intro0::Label6_Click);
    connect(Command1, &PictureButton::clicked, this, &intro0::Command1_Click);
    // Closing the menu's window is the same as its exit button.
    setCloseHandler([this] { Command1_Click(); });

    Form_Load();
}

LabelButton* intro0::newEntry(int index, LabelButton* first, const char* arrayName)
{
    // A new element copies element 0 (caption, colours, font, size, place), but starts hidden.
    auto* entry = new LabelButton(first->text(), this);
    entry->setObjectName(QLatin1String(arrayName) + QLatin1Char('_') + QString::number(index));
    entry->setFont(first->font());
    entry->setPalette(first->palette());
    entry->setAlignment(first->alignment());
    entry->setGeometry(first->geometry());
    entry->hide();
    return entry;
}

void intro0::Form_Load()
{
    Module1::PrepareForm(*this);
    pageprops::setBackColor(*this, kMenuColour);

    // A picture that cannot be read leaves its place empty; the rest of the menu still works.
    const qreal density = devicePixelRatioF();
    m_background = pictures::load(QStringLiteral("conenw\\conene00.jpg"), density);
    Image2->setPicture(pictures::load(QStringLiteral("Images\\logo2.jpg"), density));
    Command1->setPicture(Module1::buttonFace(QStringLiteral("Images\\exit.jpg"), density));
    pageprops::setWidth(*Command1, 1785);
    pageprops::setHeight(*Command1, 495);
    pageprops::setLeft(*Command1, 90);
    pageprops::setTop(*Command1, 7950);

    for (int i = 1; i < kEntries; ++i) {
        Label2[i] = newEntry(i, Label2[0], "Label2");
        pageprops::setLeft(*Label2[i], pageprops::left(*Label2[0]));
        pageprops::setTop(*Label2[i], pageprops::top(*Label2[0]) + kEntryStep * i);
        Label5[i] = newEntry(i, Label5[0], "Label5");
        pageprops::setLeft(*Label5[i], pageprops::left(*Label5[0]));
        pageprops::setTop(*Label5[i], pageprops::top(*Label5[0]) + kEntryStep * i);
    }

    Label2[1]->setText(tr("Dimensions"));
    Label2[2]->setText(tr("Surface Area"));
    Label2[3]->setText(tr("Volume"));
    Label2[4]->setText(tr("Paper Folding"));
    Label5[1]->setText(tr("Sphere Packing"));
    Label5[2]->setText(tr("Pythagoras' Theorem"));
    Label5[3]->setText(tr("The Ellipse"));
    Label5[4]->setText(QString());
    Label5[5]->setText(tr("Animation Sequence"));

    // The entries read as one menu, at one size however long their translations are.
    QList<QWidget*> entries;
    for (int i = 0; i < kEntries; ++i)
        entries << Label2[i] << Label5[i];
    textfit::fitTogether(entries);

    for (int i = 0; i <= 4; ++i)
        Label2[i]->show();
    for (int i = 0; i <= 3; ++i)
        Label5[i]->show();
    pageprops::setTop(*Label5[5], pageprops::top(*Label5[4]) + 1500);
    Label5[5]->show();

    for (int i = 1; i <= 3; ++i)
        Label2[i]->setEnabled(false);
    for (int i = 0; i <= 3; ++i)
        Label5[i]->setEnabled(false);
    Label5[5]->setEnabled(false);

    // Beyond the designed menu, each in the free place below a column's first five entries.
    auto extraEntry = [this](LabelButton* column, const char* name, const QString& text,
                             void (intro0::*click)()) {
        LabelButton* entry = newEntry(kEntries, column, name);
        entry->setObjectName(QLatin1String(name));
        entry->setText(text);
        pageprops::setTop(*entry, pageprops::top(*column) + kEntryStep * 5);
        textfit::fit(*entry);
        entry->setMouseTracking(true);
        entry->installEventFilter(this);
        connect(entry, &LabelButton::clicked, this, click);
        return entry;
    };
    // The pupil's progress, in the left column.
    lblprogress = extraEntry(Label2[0], "lblprogress", tr("My Progress"),
                             &intro0::lblprogress_Click);
    lblprogress->show();

    // A teacher's class, in the right column's free place beside it: shown once the class
    // record's server says the account is a teacher's, found out on a thread of its own.
    lblmyclass = extraEntry(Label5[0], "lblmyclass", tr("My Class"), &intro0::lblmyclass_Click);
    if (record::ClassFeed::knownRole() == record::ClassRole::Teacher) {
        lblmyclass->show();
    } else if (const QString service = record::classroomService(); !service.isEmpty()) {
        auto* feed = new record::ClassFeed(service, this);
        connect(feed, &record::ClassFeed::roleFound, this, [this](record::ClassRole role) {
            lblmyclass->setVisible(role == record::ClassRole::Teacher);
        });
        feed->findRole();
    }

    for (int i = 0; i < kEntries; ++i) {
        for (LabelButton* entry : {Label2[i], Label5[i]}) {
            entry->setMouseTracking(true);
            entry->installEventFilter(this);
            // A greyed entry lets the pointer through to the background beneath it.
            entry->setAttribute(Qt::WA_TransparentForMouseEvents, !entry->isEnabled());
            if (!entry->isEnabled())
                entry->setFocusPolicy(Qt::NoFocus);
        }
        connect(Label2[i], &LabelButton::clicked, this, [this, i] { Label2_Click(i); });
    }

    // The pointer over any control is not over the bare background: only greyed entries,
    // which let it through, count as background.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setAttribute(Qt::WA_NoMousePropagation, child->isEnabled());

    // Reading order for the keyboard: live entries top to bottom, the link, the exit button.
    setTabOrder(Label2[0], Label2[4]);
    setTabOrder(Label2[4], lblprogress);
    setTabOrder(lblprogress, lblmyclass);
    setTabOrder(lblmyclass, Label6);
    setTabOrder(Label6, Command1);
    Command1->setFocusPolicy(Qt::StrongFocus);
    Label2[0]->setFocus();
}

bool intro0::isHighlighted(const QWidget* label)
{
    if (const auto* entry = qobject_cast<const LabelButton*>(label))
        return entry->isOpaque();
    return label && label->autoFillBackground();
}

void intro0::Form_MouseMove()
{
    Label1->setAutoFillBackground(false);
    for (int i = 0; i < kEntries; ++i) {
        Label2[i]->setOpaque(false);
        Label5[i]->setOpaque(false);
    }
    lblprogress->setOpaque(false);
    lblmyclass->setOpaque(false);
}

void intro0::Label1_MouseMove()
{
    Label1->setAutoFillBackground(true);
}

void intro0::Label2_MouseMove(int index)
{
    if (Label2[index]->isEnabled())
        Label2[index]->setOpaque(true);
}

void intro0::Label5_MouseMove(int index)
{
    if (Label5[index]->isEnabled())
        Label5[index]->setOpaque(true);
}

void intro0::Label2_Click(int index)
{
    if (index == 0) {
        navigation::show(QStringLiteral("circles0"));
        unload();
    } else if (index == 4) {
        navigation::show(QStringLiteral("folding0"));
        unload();
    }
}

void intro0::lblprogress_Click()
{
    navigation::show(QStringLiteral("myprogress"));
    unload();
}

void intro0::lblmyclass_Click()
{
    navigation::show(QStringLiteral("myclass"));
    unload();
}

void intro0::Label6_Click()
{
    QDesktopServices::openUrl(QUrl(QLatin1String(kWebAddress)));
}

void intro0::Command1_Click()
{
    Page* title = navigation::load(QStringLiteral("Titlefrm"));
    if (auto* t = qobject_cast<Titlefrm*>(title))
        t->Command1->setText(tr("Cancel"));
    if (title)
        title->show();
    unload();
}

void intro0::followPointer(QWidget* label)
{
    if (label == Label1) {
        Label1_MouseMove();
        return;
    }
    if (label == lblprogress || label == lblmyclass) {
        static_cast<LabelButton*>(label)->setOpaque(true);
        return;
    }
    for (int i = 0; i < kEntries; ++i) {
        if (label == Label2[i])
            Label2_MouseMove(i);
        else if (label == Label5[i])
            Label5_MouseMove(i);
    }
}

void intro0::mouseMoveEvent(QMouseEvent* event)
{
    Form_MouseMove();
    Page::mouseMoveEvent(event);
}

bool intro0::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        if (auto* w = qobject_cast<QWidget*>(watched); w && w->isEnabled())
            followPointer(w);
    }
    return Page::eventFilter(watched, event);
}

void intro0::paintEvent(QPaintEvent*)
{
    // The background picture at its own size from the top-left corner, beneath all controls.
    if (m_background.isNull())
        return;
    QPainter p(this);
    p.drawImage(QPoint(0, 0), m_background);
}

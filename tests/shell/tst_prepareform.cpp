// The common frame every page gets: centring on screens of several sizes, the button column
// stacked without gaps, and a failing step that leaves the others intact.
// Registered once per screen size; rows for other screens are skipped.

#include "../common/fixtures.h"
#include "module1.h"
#include "page.h"
#include "picturebutton.h"
#include "pictures.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A page with the named picture buttons, each at a designed place of its own.
Page* pageWith(std::initializer_list<const char*> names)
{
    auto* page = new Page;
    int n = 0;
    for (const char* name : names) {
        auto* b = new PictureButton(page);
        b->setObjectName(QLatin1String(name));
        b->setFocusPolicy(Qt::StrongFocus);
        pageprops::setGeometry(*b, 300 + 600 * n, 1500 + 450 * n, 900, 300);
        ++n;
    }
    return page;
}

QRect twipsRect(const QWidget* w)
{
    return {pageprops::left(*w), pageprops::top(*w), pageprops::width(*w), pageprops::height(*w)};
}

} // namespace

class TestPrepareForm : public QObject {
    Q_OBJECT
    QTemporaryDir m_root;

private Q_SLOTS:
    void initTestCase()
    {
        const char* faces[] = {"Images/exit.jpg", "Images/next.jpg", "Images/answer.jpg",
                               "Images/check.jpg", "Images/jotter.jpg"};
        int n = 0;
        for (const char* face : faces)
            QVERIFY(fixtures::writePicture(m_root.path(), QLatin1String(face), fixtures::colourFor(++n)));
        pictures::setSearchRoots({m_root.path()});
    }

    void centresOnTheScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("800x600 fills the screen") << QSize(800, 600) << 0 << 0;
        QTest::newRow("1024x768") << QSize(1024, 768) << 1680 << 1260;
        QTest::newRow("640x480 overhangs equally") << QSize(640, 480) << -1200 << -900;
    }
    void centresOnTheScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(int, left);
        QFETCH(int, top);
        if (QGuiApplication::primaryScreen()->geometry().size() != screen)
            QSKIP("another screen size");
        std::unique_ptr<Page> page(pageWith({}));
        Module1::PrepareForm(*page);
        QCOMPARE(twipsRect(page.get()), QRect(left, top, 12000, 9000));
        QCOMPARE(pageprops::backColor(*page), QColor(40, 66, 156));
        // The pointer is an hourglass only while the page is placed.
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // Every window the program centres (pages, the title) goes through one routine; an odd
    // pixel left over goes to the right and below.
    void centresAnyWindow_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("even") << QSize(1024, 768) << QSize(364, 438) << QPoint(330, 165);
        QTest::newRow("odd") << QSize(1024, 768) << QSize(365, 439) << QPoint(329, 164);
        QTest::newRow("odd, overhanging") << QSize(640, 480) << QSize(801, 601) << QPoint(-80, -60);
    }
    void centresAnyWindow()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QFETCH(QPoint, at);
        if (QGuiApplication::primaryScreen()->geometry().size() != screen)
            QSKIP("another screen size");
        QWidget w;
        w.setFixedSize(window);
        QVERIFY(pageprops::centreOnScreen(w));
        QCOMPARE(w.pos(), at);
    }

    // A problem page: the right-hand column is a gapless stack and no button takes Tab.
    void laysOutTheButtons()
    {
        std::unique_ptr<Page> page(pageWith({"cmdexit", "cmdgo", "cmdsoln", "cmdcheckit", "cmdjotter"}));
        Module1::PrepareForm(*page);
        const struct { const char* name; QRect place; } expected[] = {
            {"cmdgo", {10050, 7950, 1785, 495}},     {"cmdjotter", {10050, 7455, 1785, 495}},
            {"cmdsoln", {10050, 6960, 1785, 495}},   {"cmdcheckit", {10050, 6465, 1785, 495}},
            {"cmdexit", {90, 7950, 1785, 495}},
        };
        for (const auto& e : expected) {
            auto* b = page->findChild<PictureButton*>(QLatin1String(e.name));
            QVERIFY(b);
            QCOMPARE(twipsRect(b), e.place);
            QVERIFY2(!(b->focusPolicy() & Qt::TabFocus), e.name);
            QVERIFY2(!b->picture().isNull(), e.name);
        }
        QVERIFY(fixtures::sameColour(
            fixtures::centreColour(page->findChild<PictureButton*>(QStringLiteral("cmdgo"))->picture()),
            fixtures::colourFor(2)));
    }

    // The menu has none of the buttons: it gets only colour, size and place.
    void pageWithoutButtons()
    {
        std::unique_ptr<Page> page(pageWith({}));
        auto* picture = new QWidget(page.get());
        picture->setObjectName(QStringLiteral("Picture1"));
        Module1::PrepareForm(*page);
        QCOMPARE(pageprops::width(*page), 12000);
        QCOMPARE(pageprops::height(*page), 9000);
        QCOMPARE(pageprops::backColor(*picture), QColor(49, 135, 214));
    }

    // A face that cannot be read leaves the designed face, but the button still moves.
    void missingFaceStillPlacesTheButton()
    {
        QTemporaryDir empty;
        pictures::setSearchRoots({empty.path()});
        std::unique_ptr<Page> page(pageWith({"cmdgo"}));
        auto* go = page->findChild<PictureButton*>(QStringLiteral("cmdgo"));
        QImage designed(4, 4, QImage::Format_RGB32);
        designed.fill(Qt::darkGreen);
        go->setPicture(designed);
        Module1::PrepareForm(*page);
        pictures::setSearchRoots({m_root.path()});
        QCOMPARE(go->picture(), designed);
        QCOMPARE(twipsRect(go), QRect(10050, 7950, 1785, 495));
    }

    // A missing neighbour skips only the steps that read it.
    void stackFollowsWhatIsThere_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("top");
        QTest::newRow("no cmdgo: jotter keeps its designed top")
            << QStringList{"cmdjotter", "cmdsoln", "cmdcheckit"} << "cmdjotter" << 1500;
        QTest::newRow("no cmdgo: soln stacks above designed jotter")
            << QStringList{"cmdjotter", "cmdsoln", "cmdcheckit"} << "cmdsoln" << 1005;
        QTest::newRow("no cmdgo: check above soln")
            << QStringList{"cmdjotter", "cmdsoln", "cmdcheckit"} << "cmdcheckit" << 510;
        QTest::newRow("full column: check at 6465")
            << QStringList{"cmdcheckit", "cmdgo", "cmdsoln", "cmdjotter"} << "cmdcheckit" << 6465;
        QTest::newRow("no soln: check keeps its designed top")
            << QStringList{"cmdcheckit", "cmdgo"} << "cmdcheckit" << 1500;
    }
    void stackFollowsWhatIsThere()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, button);
        QFETCH(int, top);
        auto* page = new Page;
        std::unique_ptr<Page> owner(page);
        for (int i = 0; i < present.size(); ++i) {
            auto* b = new PictureButton(page);
            b->setObjectName(present.at(i));
            pageprops::setGeometry(*b, 300, 1500 + 450 * i, 900, 300);
        }
        Module1::PrepareForm(*page);
        QCOMPARE(pageprops::top(*page->findChild<QWidget*>(button)), top);
    }
};

QTEST_MAIN(TestPrepareForm)
#include "tst_prepareform.moc"

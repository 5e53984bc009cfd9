// The main menu: what it shows after loading, which entries live, how highlights come and go,
// and where each of its buttons leads.

#include "../common/fixtures.h"
#include "intro0.h"
#include "labelbutton.h"
#include "module1.h"
#include "navigation.h"
#include "pagecount.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "pictures.h"
#include "titlefrm.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// Catches the addresses the menu asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

// A stand-in lesson page, so that the menu's live entries have somewhere to go.
class FakeLesson : public Page {
    Q_OBJECT
public:
    explicit FakeLesson(const QString& name) { setObjectName(name); }
};

namespace {

void moveOver(QWidget* target, QPoint at = {5, 5})
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

} // namespace

class TestMenu : public QObject {
    Q_OBJECT
    QTemporaryDir m_root;
    UrlCatcher m_urls;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(fixtures::writePicture(m_root.path(), QStringLiteral("conenw/conene00.jpg"), Qt::darkBlue, {800, 600}));
        QVERIFY(fixtures::writePicture(m_root.path(), QStringLiteral("Images/logo2.jpg"), Qt::red));
        QVERIFY(fixtures::writePicture(m_root.path(), QStringLiteral("Images/exit.jpg"), Qt::green));
        QVERIFY(fixtures::writePicture(m_root.path(), QStringLiteral("conenwsm/conene00.jpg"), Qt::gray));
        navigation::registerPage(QStringLiteral("Titlefrm"), [] { return new Titlefrm; });
        navigation::registerPage(QStringLiteral("intro0"), [] { return new intro0; });
        navigation::registerPage(QStringLiteral("circles0"), [] { return new FakeLesson(QStringLiteral("circles0")); });
        navigation::registerPage(QStringLiteral("folding0"), [] { return new FakeLesson(QStringLiteral("folding0")); });
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_urls, "open");
    }
    void init() { pictures::setSearchRoots({m_root.path()}); }
    void cleanup() { pagecount::destroyAll(); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

    void entriesAfterLoading_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("live");
        QTest::newRow("Label2(0)") << "Label2_0" << "Circles" << 1080 << 2520 << true << true;
        QTest::newRow("Label2(1)") << "Label2_1" << "Dimensions" << 1080 << 3270 << true << false;
        QTest::newRow("Label2(2)") << "Label2_2" << "Surface Area" << 1080 << 4020 << true << false;
        QTest::newRow("Label2(3)") << "Label2_3" << "Volume" << 1080 << 4770 << true << false;
        QTest::newRow("Label2(4)") << "Label2_4" << "Paper Folding" << 1080 << 5520 << true << true;
        QTest::newRow("Label2(5)") << "Label2_5" << "Circles" << 1080 << 6270 << false << true;
        QTest::newRow("Label5(0)") << "Label5_0" << "Disc Packing" << 6720 << 2520 << true << false;
        QTest::newRow("Label5(1)") << "Label5_1" << "Sphere Packing" << 6720 << 3270 << true << false;
        QTest::newRow("Label5(2)") << "Label5_2" << "Pythagoras' Theorem" << 6720 << 4020 << true << false;
        QTest::newRow("Label5(3)") << "Label5_3" << "The Ellipse" << 6720 << 4770 << true << false;
        QTest::newRow("Label5(4)") << "Label5_4" << "" << 6720 << 5520 << false << true;
        QTest::newRow("Label5(5)") << "Label5_5" << "Animation Sequence" << 6720 << 7020 << true << false;
    }
    void entriesAfterLoading()
    {
        QFETCH(QString, entry);
        QFETCH(QString, caption);
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(bool, shown);
        QFETCH(bool, live);
        intro0 menu;
        menu.show();
        auto* label = menu.findChild<LabelButton*>(entry);
        QVERIFY(label);
        QCOMPARE(label->text(), caption);
        QCOMPARE(pageprops::left(*label), left);
        QCOMPARE(pageprops::top(*label), top);
        QCOMPARE(pageprops::width(*label), 4155);
        QCOMPARE(pageprops::height(*label), 495);
        QCOMPARE(label->isVisible(), shown);
        QCOMPARE(label->isEnabled(), live);
        QCOMPARE(label->font(), menu.Label2[0]->font());
        QVERIFY(!intro0::isHighlighted(label));
    }

    void pageAndPictures()
    {
        intro0 menu;
        QCOMPARE(pageprops::backColor(menu), QColor(49, 135, 215));
        QCOMPARE(QRect(pageprops::left(*menu.Command1), pageprops::top(*menu.Command1),
                       pageprops::width(*menu.Command1), pageprops::height(*menu.Command1)),
                 QRect(90, 7950, 1785, 495));
        QVERIFY(!menu.Image2->picture().isNull());
        QVERIFY(!menu.Command1->picture().isNull());
        QCOMPARE(menu.Command1->accessibleName(), QStringLiteral("Exit"));
    }

    // Without any of its pictures the menu is still whole and every button works.
    void missingPicturesLeaveAWorkingMenu()
    {
        QTemporaryDir empty;
        pictures::setSearchRoots({empty.path()});
        auto* menu = static_cast<intro0*>(navigation::show(QStringLiteral("intro0")));
        QVERIFY(menu->Image2->picture().isNull());
        QCOMPARE(menu->Label5[5]->text(), QStringLiteral("Animation Sequence"));
        QVERIFY(!menu->Label5[5]->isEnabled());
        QTest::mouseClick(menu->Label2[4], Qt::LeftButton);
        QCOMPARE(pagecount::onlyPage<Page>()->objectName(), QStringLiteral("folding0"));
    }

    void highlightFollowsThePointer()
    {
        intro0 menu;
        menu.show();
        moveOver(menu.Label2[0]);
        QVERIFY(intro0::isHighlighted(menu.Label2[0]));
        // Straight onto another entry: both stay highlighted.
        moveOver(menu.Label2[4]);
        QVERIFY(intro0::isHighlighted(menu.Label2[0]));
        QVERIFY(intro0::isHighlighted(menu.Label2[4]));
        moveOver(menu.Label1);
        QVERIFY(intro0::isHighlighted(menu.Label1));
        // Over the link or the logo nothing changes.
        moveOver(menu.Label6);
        moveOver(menu.Image2);
        QVERIFY(intro0::isHighlighted(menu.Label2[4]));
        // The bare background clears every highlight.
        moveOver(&menu, {400, 100});
        QVERIFY(!intro0::isHighlighted(menu.Label1));
        QVERIFY(!intro0::isHighlighted(menu.Label2[0]));
        QVERIFY(!intro0::isHighlighted(menu.Label2[4]));
    }

    void greyedEntriesDoNothing_data()
    {
        QTest::addColumn<QString>("entry");
        for (const char* name : {"Label2_1", "Label2_2", "Label2_3", "Label5_0", "Label5_1", "Label5_2",
                                 "Label5_3", "Label5_5"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void greyedEntriesDoNothing()
    {
        QFETCH(QString, entry);
        auto* menu = static_cast<intro0*>(navigation::show(QStringLiteral("intro0")));
        auto* label = menu->findChild<LabelButton*>(entry);
        moveOver(menu->Label2[0]);
        QTest::mouseMove(label);
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(!intro0::isHighlighted(label));
        QCOMPARE(pagecount::onlyPage<intro0>(), menu);
    }

    void liveEntriesOpenTheirLesson_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("page");
        QTest::newRow("Circles") << 0 << "circles0";
        QTest::newRow("Paper Folding") << 4 << "folding0";
    }
    void liveEntriesOpenTheirLesson()
    {
        QFETCH(int, index);
        QFETCH(QString, page);
        auto* menu = static_cast<intro0*>(navigation::show(QStringLiteral("intro0")));
        QTest::mouseClick(menu->Label2[index], Qt::LeftButton);
        Page* only = pagecount::onlyPage<Page>();
        QVERIFY(only);
        QCOMPARE(only->objectName(), page);
    }

    // The keyboard reaches a live entry too.
    void enterOnAnEntryOpensIt()
    {
        auto* menu = static_cast<intro0*>(navigation::show(QStringLiteral("intro0")));
        QTest::keyClick(menu->Label2[4], Qt::Key_Return);
        QCOMPARE(pagecount::onlyPage<Page>()->objectName(), QStringLiteral("folding0"));
    }

    void webLinkLeavesTheMenuAsItWas()
    {
        auto* menu = static_cast<intro0*>(navigation::show(QStringLiteral("intro0")));
        m_urls.urls.clear();
        QTest::mouseClick(menu->Label6, Qt::LeftButton);
        QCOMPARE(m_urls.urls, QList<QUrl>{QUrl(QLatin1String(intro0::kWebAddress))});
        QCOMPARE(pagecount::onlyPage<intro0>(), menu);
        QVERIFY(menu->isVisible());
    }

    // Exit leads to the title with "Cancel", and "Cancel" comes back to a fresh menu.
    void exitGoesToTheTitleWithCancel()
    {
        auto* menu = static_cast<intro0*>(navigation::show(QStringLiteral("intro0")));
        QTest::mouseClick(menu->Command1, Qt::LeftButton);
        auto* title = pagecount::onlyPage<Titlefrm>();
        QVERIFY(title);
        QCOMPARE(title->Command1->text(), QStringLiteral("Cancel"));
        QTest::mouseClick(title->Command1, Qt::LeftButton);
        auto* again = pagecount::onlyPage<intro0>();
        QVERIFY(again);
        QVERIFY(!intro0::isHighlighted(again->Label2[0]));
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"

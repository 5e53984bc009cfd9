#include "circles0.h"
#include "draws.h"
#include "fixtureframes.h"
#include "folding0.h"
#include "fonts.h"
#include "jotter.h"
#include "labelbutton.h"
#include "module1.h"
#include "navigation.h"
#include "picturebox.h"
#include "picturebutton.h"
#include "player.h"

#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

struct Sequence {
    const char* folder;
    const char* stem;
    const char* ext;
    int count;
};

// Tags 1 to 4 for the Circles shapes, 5 to 8 for the surfaces.
const Sequence kSequences[] = {
    {"circlesm", "circle", ".jpg", 58}, {"hexs3sm", "hexs3", ".jpg", 20},
    {"tris3sm", "tris3", ".jpg", 35},   {"pents3sm", "pents3", ".jpg", 20},
    {"cylindsm", "cylind", ".gif", 100}, {"torusssm", "toruss", ".jpg", 50},
    {"mobiussm", "bstr00", ".jpg", 100}, {"bonen2sm", "bonene", ".jpg", 50},
};

const QString kSentences[] = {
    QStringLiteral("The area of a circle of radius r is     r\u00b2."),
    QStringLiteral("The area of a sector of angle A radians of a circle of radius r is "),
    QStringLiteral("The area of the isosceles triangle formed by connecting the ends of a chord "
                   "subtending an angle of A radians to the centre of a circle of radius r is"),
    QStringLiteral("The area of a segment made by a chord subtending an angle of A radians is equal "
                   "to the area of the corresponding sector minus the area of an isosceles "
                   "triangle, which is"),
    QStringLiteral("An open-ended cylinder can be constructed from a rectangle. If the rectangle is "
                   "folded around until two opposite edges meet the result will be an open-ended "
                   "cylinder. The area of the open-ended cylinder is the same as the area of the "
                   "rectangle."),
    QStringLiteral("By folding a rectangle around until two opposite edges meet we can make an "
                   "open-ended cylinder. If the cylinder is then folded until its two open ends "
                   "meet the resulting shape is known as a torus."),
    QStringLiteral("A m\u00f6bius strip can be constructed from a rectangle. If the rectangle is "
                   "given a 180\u00b0 twist before being folded around until two opposite edges "
                   "meet, a m\u00f6bius strip is produced. By twisting the rectangle, before "
                   "joining its edges, both sides of the rectangle become joined, so the m\u00f6bius "
                   "strip has just one face with twice the area of the rectangle. It also has just "
                   "one edge which is twice the length of the corresponding edge of the rectangle."),
    QStringLiteral("If we take a circle and remove a sector from it, then pull the two edges of the "
                   "missing sector together, we can construct an open-ended cone. The area of the "
                   "open-ended cone is the same as that of the circle minus the sector that has "
                   "been removed."),
};

const QString kFormulas[] = {
    QStringLiteral("p"), QStringLiteral("\u00bdr\u00b2A"), QStringLiteral("\u00bdr\u00b2sin(A)."),
    QStringLiteral("\u00bdr\u00b2A  -  \u00bdr\u00b2sin(A)."),
};

QString firstFile(int sequence)
{
    const Sequence& s = kSequences[sequence];
    return QString::fromLatin1(s.folder) + QLatin1Char('\\') + QLatin1String(s.stem)
        + QStringLiteral("00") + QLatin1String(s.ext);
}

std::unique_ptr<LessonPage> makePage(bool folding)
{
    if (folding)
        return std::make_unique<folding0>();
    return std::make_unique<circles0>();
}

// The yellow text of a label as drawn, pixel by pixel, whatever it is drawn on.
bool ink(QRgb pixel)
{
    return qAlpha(pixel) >= 128 && qRed(pixel) > 150 && qGreen(pixel) > 150 && qBlue(pixel) < 130;
}

QImage grabbed(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

QRect inkRect(const QImage& image, const QImage* except = nullptr)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!ink(image.pixel(x, y)))
                continue;
            bool near = false;
            for (int dy = -1; except && dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = except->valid(x + dx, y + dy) && ink(except->pixel(x + dx, y + dy));
            if (!near)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

int inkInside(const QImage& image, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.valid(x, y) && ink(image.pixel(x, y)) ? 1 : 0;
    return n;
}

} // namespace

class TestLessonPages : public QObject {
    Q_OBJECT

    std::unique_ptr<FixtureFrames> m_frames;
    QStringList m_opened;

    void useDraw(double r)
    {
        draws::setSeedFactory([r] { return draws::fixed({r}); });
    }

    static QPair<int, int> shown(const LessonPage& page) { return shownFrame(page.Image2->picture()); }

private Q_SLOTS:
    void initTestCase()
    {
        fonts::registerDesignFonts();
        m_frames = std::make_unique<FixtureFrames>();
        for (int k = 0; k < int(std::size(kSequences)); ++k) {
            const Sequence& s = kSequences[k];
            m_frames->write(QLatin1String(s.folder), QLatin1String(s.stem), QLatin1String(s.ext),
                            s.count, k + 1);
        }
        for (const char* name : {"circles", "folding", "intro0"}) {
            const QString page = QLatin1String(name);
            navigation::registerPage(page, [this, page] {
                m_opened << page;
                return new Page;
            });
        }
    }

    void cleanupTestCase()
    {
        draws::setSeedFactory({});
        m_frames.reset();
    }

    void init()
    {
        Module1::reset();
        m_opened.clear();
        useDraw(0.0);
    }

    void cleanup()
    {
        jotter::close();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (qobject_cast<Page*>(w))
                w->deleteLater();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The page shows `shape`: its option alone selected, its text, its formula alone, and its
    // animation running from frame 00 of its own files.
    static void verifyShape(const LessonPage& page, bool folding, int shape)
    {
        const int sequence = shape + (folding ? 4 : 0);
        for (int i = 0; i < LessonPage::shapeCount; ++i)
            QCOMPARE(page.Option1[i]->isChecked(), i == shape);
        QCOMPARE(page.Label1->text(), kSentences[sequence]);
        if (folding) {
            QCOMPARE(page.Label1->font().pointSizeF(), shape == 2 ? 18.0 : 20.0);
        } else {
            const auto& circles = static_cast<const circles0&>(page);
            for (int i = 0; i < LessonPage::shapeCount; ++i)
                QCOMPARE(circles.Label4[i]->isVisibleTo(&page), i == shape);
            if (shape > 0)
                QCOMPARE(circles.Label4[shape]->text(), kFormulas[shape]);
        }
        QCOMPARE(Module1::framenum, 0);
        QCOMPARE(page.player().lastFrameFile(), firstFile(sequence));
        QCOMPARE(shown(page), qMakePair(0, sequence + 1));
        QVERIFY(page.Timer1->isActive());
    }

    void opening_data()
    {
        QTest::addColumn<bool>("folding");
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("shape");
        QTest::newRow("circles, 0.0: circle") << false << 0.0 << 0;
        QTest::newRow("circles, 0.25: sector") << false << 0.25 << 1;
        QTest::newRow("circles, 0.6: triangle") << false << 0.6 << 2;
        QTest::newRow("circles, 0.99: segment") << false << 0.99 << 3;
        QTest::newRow("folding, 0.1: cylinder") << true << 0.1 << 0;
        QTest::newRow("folding, 0.49: torus") << true << 0.49 << 1;
        QTest::newRow("folding, 0.6: moebius") << true << 0.6 << 2;
        QTest::newRow("folding, 0.75: cone") << true << 0.75 << 3;
    }
    void opening()
    {
        QFETCH(bool, folding);
        QFETCH(double, draw);
        QFETCH(int, shape);
        useDraw(draw);
        Module1::framenum = 33; // left by an earlier page
        const auto page = makePage(folding);
        QCOMPARE(page->windowTitle(), folding ? QStringLiteral("Paper Folding") : QStringLiteral("Circles"));
        verifyShape(*page, folding, shape);
        if (QTest::currentTestFailed())
            return;
        page->Timer1_Timer();
        QCOMPARE(shown(*page).first, 1);
        const QColor back(40, 66, 156);
        for (QRadioButton* option : page->Option1)
            QCOMPARE(pageprops::backColor(*option), back);
        QCOMPARE(pageprops::backColor(*page->Frame1), back);
    }

    void focusStartsOnTheShapeOnShow()
    {
        useDraw(0.6);
        const auto page = makePage(true);
        page->show();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
        QCOMPARE(QApplication::focusWidget(), page->Option1[2]);
    }

    void pickingAShapeRestartsItsAnimation_data()
    {
        QTest::addColumn<bool>("folding");
        QTest::addColumn<QList<int>>("picks");
        QTest::newRow("triangle after circle") << false << QList<int>{2};
        QTest::newRow("circle, segment, sector") << false << QList<int>{3, 1};
        QTest::newRow("cylinder, cone") << true << QList<int>{3};
        QTest::newRow("cylinder, torus, moebius, cylinder") << true << QList<int>{1, 2, 0};
    }
    void pickingAShapeRestartsItsAnimation()
    {
        QFETCH(bool, folding);
        QFETCH(QList<int>, picks);
        const auto page = makePage(folding);
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
        QString lastDescription = page->Image2->accessibleDescription();
        for (int shape : picks) {
            for (int k = 0; k < 7; ++k)
                page->Timer1_Timer();
            QTest::mouseClick(page->Option1[shape], Qt::LeftButton, {}, QPoint(10, 15));
            verifyShape(*page, folding, shape);
            if (QTest::currentTestFailed())
                return;
            QVERIFY(page->Image2->accessibleDescription() != lastDescription);
            lastDescription = page->Image2->accessibleDescription();
        }
    }

    // Each formula reads as the end of its sentence, however the sentence wraps here: where a
    // label holding the sentence and the formula together would draw the formula.
    void formulaFollowsItsSentence_data()
    {
        QTest::addColumn<int>("shape");
        QTest::newRow("sector") << 1;
        QTest::newRow("triangle") << 2;
        QTest::newRow("segment") << 3;
    }
    void formulaFollowsItsSentence()
    {
        QFETCH(int, shape);
        useDraw(shape / 4.0);
        circles0 page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QLabel* formula = page.Label4[shape];
        QVERIFY(formula->isVisible());

        const QImage sentence = grabbed(*page.Label1);
        const QRect drawn = inkRect(grabbed(*formula)).translated(formula->pos() - page.Label1->pos());
        QVERIFY(!drawn.isEmpty());
        QCOMPARE(inkInside(sentence, drawn.adjusted(-1, -1, 1, 1)), 0);

        QLabel together;
        together.setFont(page.Label1->font());
        together.setPalette(page.Label1->palette());
        together.setWordWrap(true);
        together.setAlignment(page.Label1->alignment());
        // No break inside the formula: it moves as one piece. (A line may break after a minus
        // sign, so in this stand-in the sign becomes a no-break blank of about its width.)
        QString unbroken = formula->text();
        unbroken.replace(QLatin1Char(' '), QChar(0x00a0)).replace(QLatin1Char('-'), QChar(0x00a0));
        together.setText(kSentences[shape].trimmed() + QLatin1Char(' ') + unbroken);
        together.setFixedSize(page.Label1->size());
        const QRect expected = inkRect(grabbed(together), &sentence);
        QVERIFY(!expected.isEmpty());
        const auto near = [](int a, int b) { return qAbs(a - b) <= 2; };
        QVERIFY(near(drawn.left(), expected.left()) && near(drawn.top(), expected.top())
                && near(drawn.right(), expected.right()) && near(drawn.bottom(), expected.bottom()));
    }

    void piStandsInTheGapOfItsSentence()
    {
        useDraw(0.0);
        circles0 page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QLabel* pi = page.Label4[0];
        QVERIFY(pi->isVisible());
        const QImage sentence = grabbed(*page.Label1);
        const QRect drawn = inkRect(grabbed(*pi)).translated(pi->pos() - page.Label1->pos());
        QVERIFY(!drawn.isEmpty());
        // Clear of "is" and of "r²", with the two words close on either side of it.
        QCOMPARE(inkInside(sentence, drawn.adjusted(-2, 0, 2, 0)), 0);
        const int blank = QFontMetrics(page.Label1->font()).horizontalAdvance(QLatin1Char(' '));
        const QRect left(drawn.left() - 3 * blank, drawn.top(), 3 * blank - 2, drawn.height());
        const QRect right(drawn.right() + 3, drawn.top(), 3 * blank - 2, drawn.height());
        QVERIFY(inkInside(sentence, left) > 0);
        QVERIFY(inkInside(sentence, right) > 0);
        // On the line, not above or below it.
        const QRect line = inkRect(sentence);
        QVERIFY(drawn.top() >= line.top() - 3 && drawn.bottom() <= line.bottom() + 3);
    }

    void leaving_data()
    {
        QTest::addColumn<bool>("folding");
        QTest::addColumn<bool>("exit");
        QTest::addColumn<bool>("keyboard");
        QTest::addColumn<QString>("opened");
        QTest::newRow("circles, problems") << false << false << false << "circles";
        QTest::newRow("circles, problems by keyboard") << false << false << true << "circles";
        QTest::newRow("circles, exit") << false << true << false << "intro0";
        QTest::newRow("folding, problems") << true << false << false << "folding";
        QTest::newRow("folding, problems by keyboard") << true << false << true << "folding";
        QTest::newRow("folding, exit") << true << true << false << "intro0";
    }
    void leaving()
    {
        QFETCH(bool, folding);
        QFETCH(bool, exit);
        QFETCH(bool, keyboard);
        QFETCH(QString, opened);
        jotter::show();
        QVERIFY(jotter::instance());
        QPointer<LessonPage> page = makePage(folding).release();
        page->show();
        QVERIFY(QTest::qWaitForWindowExposed(page.data()));
        if (exit) {
            QTest::mouseClick(page->cmdexit, Qt::LeftButton);
        } else if (keyboard) {
            page->activateWindow();
            page->Label15->setFocus(Qt::TabFocusReason);
            QTest::keyClick(page->Label15, Qt::Key_Space);
        } else {
            QTest::mouseClick(page->Label15, Qt::LeftButton);
        }
        QCOMPARE(m_opened, QStringList{opened});
        QVERIFY(page);
        QVERIFY(!page->isVisible());
        // Until it is gone it must not step the sequence the next page has started.
        QVERIFY(!page->Timer1->isActive());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!page);
        // Only the exit button closes the Jotter; the problems page leaves it open.
        QCOMPARE(jotter::instance() == nullptr, exit);
    }

};

QTEST_MAIN(TestLessonPages)
#include "tst_lessonpages.moc"

// The pen's changes of colour and width, one pupil action at a time.
#include "pen.h"

#include <QTest>

using namespace jotter;

namespace {

// "s12" picks swatch 12, "w" Write, "e" Erase, "c" Clear.
void apply(Pen& pen, const QString& actions)
{
    const QStringList steps = actions.split(u' ', Qt::SkipEmptyParts);
    for (const QString& step : steps) {
        if (step == u"w")
            pen.write();
        else if (step == u"e")
            pen.erase();
        else if (step == u"c")
            pen.clear();
        else if (step.startsWith(u's'))
            pen.pickSwatch(step.mid(1).toInt());
        else
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

// A palette index, or -1 for the background colour.
QColor colourOf(int index)
{
    return index < 0 ? background() : paletteColour(index);
}

} // namespace

class tst_pen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void transitions_data();
    void transitions();
    void swatchOutsidePaletteChangesNothing();
    void mouseButtons_data();
    void mouseButtons();
};

void tst_pen::transitions_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<int>("colour");     // palette index, -1 background
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("remembered"); // what Write would give

    QTest::newRow("fresh") << "" << 14 << 3 << 14;
    QTest::newRow("erase") << "s12 e" << -1 << 30 << 12;
    QTest::newRow("erase, write") << "s12 e w" << 12 << 3 << 12;
    QTest::newRow("erase twice keeps the writing colour") << "s12 e e" << -1 << 30 << 12;
    QTest::newRow("erase, erase, write") << "s12 e e w" << 12 << 3 << 12;
    QTest::newRow("write while writing") << "s3 w" << 3 << 3 << 3;
    QTest::newRow("swatch while erasing") << "e s2" << 2 << 3 << 2;
    QTest::newRow("swatch, erase, other swatch, write") << "s5 e s9 w" << 9 << 3 << 9;
    QTest::newRow("clear while erasing gives yellow") << "s12 e c" << 14 << 3 << 12;
    QTest::newRow("write after clear from erasing") << "s12 e c w" << 12 << 3 << 12;
    QTest::newRow("clear while writing keeps colour") << "s12 c" << 12 << 3 << 12;
    QTest::newRow("black is a colour, not erasing") << "s0 e w" << 0 << 3 << 0;
    QTest::newRow("erase after clear remembers yellow") << "s12 e c e w" << 14 << 3 << 14;
}

void tst_pen::transitions()
{
    QFETCH(QString, actions);
    QFETCH(int, colour);
    QFETCH(int, width);
    QFETCH(int, remembered);

    Pen pen;
    apply(pen, actions);
    QCOMPARE(pen.colour(), colourOf(colour));
    QCOMPARE(pen.width(), width);
    QCOMPARE(pen.isErasing(), colour < 0);
    QCOMPARE(pen.remembered(), colourOf(remembered));
}

void tst_pen::swatchOutsidePaletteChangesNothing()
{
    Pen pen;
    pen.pickSwatch(3);
    pen.pickSwatch(16);
    pen.pickSwatch(-1);
    QCOMPARE(pen.colour(), paletteColour(3));
    QCOMPARE(pen.remembered(), paletteColour(3));
}

void tst_pen::mouseButtons_data()
{
    QTest::addColumn<Qt::MouseButtons>("buttons");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("draws");

    QTest::newRow("none") << Qt::MouseButtons() << 0 << false;
    QTest::newRow("left") << Qt::MouseButtons(Qt::LeftButton) << 1 << true;
    QTest::newRow("right") << Qt::MouseButtons(Qt::RightButton) << 2 << false;
    QTest::newRow("middle") << Qt::MouseButtons(Qt::MiddleButton) << 4 << false;
    QTest::newRow("left and right") << (Qt::LeftButton | Qt::RightButton) << 3 << false;
    QTest::newRow("left and middle") << (Qt::LeftButton | Qt::MiddleButton) << 5 << false;
}

void tst_pen::mouseButtons()
{
    QFETCH(Qt::MouseButtons, buttons);
    QFETCH(int, state);
    QFETCH(bool, draws);
    QCOMPARE(buttonState(buttons), state);
    QCOMPARE(drawsStroke(buttonState(buttons)), draws);
}

QTEST_GUILESS_MAIN(tst_pen)
#include "tst_pen.moc"

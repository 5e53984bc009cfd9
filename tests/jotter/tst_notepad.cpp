// The Jotter window, driven with real mouse and key events and judged by the pixels it keeps.
#include "jotter.h"
#include "notepad.h"

#include "fonts.h"
#include "twips.h"

#include <QPointer>
#include <QTest>
#include <QWindow>
#include <algorithm>

using namespace jotter;

namespace {

// The test stroke: a horizontal line that lies on the free surface in both shapes.
constexpr QPoint strokeFrom{40, 100};
constexpr QPoint strokeTo{160, 100};
constexpr int probeX = 100;

notepad* openJotter()
{
    jotter::show();
    notepad* pad = jotter::instance();
    if (pad && !QTest::qWaitForWindowExposed(pad))
        return nullptr;
    return pad;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QPoint centreOf(const QWidget* w)
{
    return w->mapTo(w->window(), w->rect().center());
}

void click(QWidget* control)
{
    QTest::mouseClick(control->window()->windowHandle(), Qt::LeftButton, {}, centreOf(control));
}

// Presses the buttons in order at `from`, moves to `to` in small steps, releases them.
void drag(notepad* pad, const QList<Qt::MouseButton>& buttons, QPoint from, QPoint to)
{
    QWindow* w = pad->windowHandle();
    for (Qt::MouseButton b : buttons)
        QTest::mousePress(w, b, {}, from);
    constexpr int steps = 8;
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(w, from + (to - from) * i / steps);
    for (auto it = buttons.crbegin(); it != buttons.crend(); ++it)
        QTest::mouseRelease(w, *it, {}, to);
}

void stroke(notepad* pad)
{
    drag(pad, {Qt::LeftButton}, strokeFrom, strokeTo);
}

// How much of a pixel a stroke of `colour` covers on the blank surface, 0 to 1, judged on the
// channel where the two colours differ most.
double coverage(QRgb pixel, const QColor& colour)
{
    const QColor bg = background();
    const int channels[3][2] = {{qRed(pixel) - bg.red(), colour.red() - bg.red()},
                                {qGreen(pixel) - bg.green(), colour.green() - bg.green()},
                                {qBlue(pixel) - bg.blue(), colour.blue() - bg.blue()}};
    int best = 0;
    for (int c = 1; c < 3; ++c)
        if (std::abs(channels[c][1]) > std::abs(channels[best][1]))
            best = c;
    if (channels[best][1] == 0)
        return 0;
    return std::clamp(double(channels[best][0]) / channels[best][1], 0.0, 1.0);
}

// Width of the stroke of `colour` across column x, around row y.
double widthAcross(const QImage& surface, int x, int y, const QColor& colour)
{
    double sum = 0;
    for (int row = y - 40; row <= y + 40; ++row)
        sum += coverage(surface.pixel(x, row), colour);
    return sum;
}

bool isBlank(const QImage& surface)
{
    QImage blank(surface.size(), surface.format());
    blank.fill(background());
    return surface == blank;
}

QSize outerSize(const QWidget* w)
{
    return w->frameGeometry().size();
}

} // namespace

class tst_notepad : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void freshJotter();
    void swatchesShowThePalette_data();
    void swatchesShowThePalette();
    void onlyLeftButtonAloneDraws_data();
    void onlyLeftButtonAloneDraws();
    void penCommands_data();
    void penCommands();
    void eraseRubsOutAWideBand();
    void flip_data();
    void flip();
    void flipBothWaysRestoresTheWideShape();
    void drawingSurvivesRepaint();
    void showAgainKeepsTheDrawing_data();
    void showAgainKeepsTheDrawing();
    void closingForgetsEverything_data();
    void closingForgetsEverything();
    void controlsAreNamedAndExplained();
    void swatchesWorkFromTheKeyboard_data();
    void swatchesWorkFromTheKeyboard();
};

void tst_notepad::initTestCase()
{
    fonts::registerDesignFonts();
}

void tst_notepad::cleanup()
{
    jotter::close();
    flushDeletes();
    QVERIFY(!jotter::instance());
}

void tst_notepad::freshJotter()
{
    notepad* pad = openJotter();
    QVERIFY(pad);
    QCOMPARE(pad->windowTitle(), QStringLiteral("Jotter"));
    QVERIFY(pad->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!pad->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!pad->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(pad->size(), QSize(twips::toPx(9915), twips::toPx(3660)));
    QCOMPARE(pad->minimumSize(), pad->maximumSize());
    QVERIFY(!pad->isPortrait());
    QVERIFY(pad->Frame_landscape->isVisible());
    QVERIFY(!pad->Frame_portrait->isVisible());
    QVERIFY(isBlank(pad->surface()));
    QCOMPARE(pad->surface().size(), pad->size());

    stroke(pad);
    const QImage s = pad->surface();
    QCOMPARE(QColor(s.pixel(probeX, strokeFrom.y())), paletteColour(yellowIndex));
    QVERIFY(qAbs(widthAcross(s, probeX, strokeFrom.y(), paletteColour(yellowIndex)) - 3) < 0.3);
    // Round ends: the line reaches just past where it began, and no further.
    QCOMPARE(QColor(s.pixel(strokeFrom.x(), strokeFrom.y())), paletteColour(yellowIndex));
    QCOMPARE(QColor(s.pixel(strokeFrom.x() - 4, strokeFrom.y())), background());
}

void tst_notepad::swatchesShowThePalette_data()
{
    QTest::addColumn<bool>("portrait");
    QTest::newRow("wide") << false;
    QTest::newRow("tall") << true;
}

void tst_notepad::swatchesShowThePalette()
{
    QFETCH(bool, portrait);
    notepad* pad = openJotter();
    QVERIFY(pad);
    if (portrait)
        click(pad->Command3);
    const auto& swatches = portrait ? pad->Label11 : pad->Label1;
    const QImage shot = pad->grab().toImage();
    for (int i = 0; i < swatchCount; ++i) {
        const Swatch* s = swatches[size_t(i)];
        QVERIFY(s->isVisible());
        QCOMPARE(s->objectName(), QStringLiteral("%1_%2").arg(portrait ? "Label11" : "Label1").arg(i));
        QCOMPARE(s->property("index").toInt(), i);
        QCOMPARE(s->size(), QSize(16, 16));
        QCOMPARE(QColor(shot.pixel(centreOf(s))), paletteColour(i));
    }
    if (!portrait) {
        // One row, palette order from left to right, 305 twips apart without creeping.
        for (int i = 0; i < swatchCount; ++i) {
            const QPoint at = swatches[size_t(i)]->mapTo(pad, QPoint());
            QCOMPARE(at.y(), twips::toPx(2910 + 285));
            QCOMPARE(at.x(), twips::toPx(5010 + 305 * i));
        }
        return;
    }
    // Two columns of eight: 0-7 down the first, 8-15 down the second, side by side.
    for (int i = 0; i < 8; ++i) {
        const QPoint a = swatches[size_t(i)]->mapTo(pad, QPoint());
        const QPoint b = swatches[size_t(i + 8)]->mapTo(pad, QPoint());
        QCOMPARE(b.y(), a.y());
        QVERIFY(b.x() > a.x() + 16);
        QCOMPARE(a.x(), swatches[0]->mapTo(pad, QPoint()).x());
        if (i > 0)
            QVERIFY(a.y() > swatches[size_t(i - 1)]->mapTo(pad, QPoint()).y() + 16);
    }
    // The whole bar lies inside the window.
    QVERIFY(pad->rect().contains(pad->Frame_portrait->geometry()));
}

void tst_notepad::onlyLeftButtonAloneDraws_data()
{
    QTest::addColumn<QList<Qt::MouseButton>>("buttons");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<bool>("draws");

    QTest::newRow("left") << QList<Qt::MouseButton>{Qt::LeftButton} << strokeFrom << true;
    QTest::newRow("right") << QList<Qt::MouseButton>{Qt::RightButton} << strokeFrom << false;
    QTest::newRow("middle") << QList<Qt::MouseButton>{Qt::MiddleButton} << strokeFrom << false;
    QTest::newRow("left then right")
        << QList<Qt::MouseButton>{Qt::LeftButton, Qt::RightButton} << strokeFrom << false;
    QTest::newRow("right then left")
        << QList<Qt::MouseButton>{Qt::RightButton, Qt::LeftButton} << strokeFrom << false;
    // A press on the bar belongs to the bar, even when the pointer then runs over the surface.
    QTest::newRow("left from the bar")
        << QList<Qt::MouseButton>{Qt::LeftButton} << QPoint(100, 220) << false;
    QTest::newRow("left from a swatch")
        << QList<Qt::MouseButton>{Qt::LeftButton} << twips::rect(5010 + 305 * 2 + 120, 2910 + 285 + 120, 1, 1).topLeft() << false;
    QTest::newRow("left from between the buttons")
        << QList<Qt::MouseButton>{Qt::LeftButton} << twips::rect(1060, 2910 + 400, 1, 1).topLeft() << false;
}

void tst_notepad::onlyLeftButtonAloneDraws()
{
    QFETCH(QList<Qt::MouseButton>, buttons);
    QFETCH(QPoint, from);
    QFETCH(bool, draws);

    notepad* pad = openJotter();
    QVERIFY(pad);
    drag(pad, buttons, from, strokeTo);
    QCOMPARE(!isBlank(pad->surface()), draws);

    // A right-button press still moves the start of the next stroke.
    QWindow* w = pad->windowHandle();
    QTest::mouseClick(w, Qt::RightButton, {}, QPoint(200, 30));
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(200, 30));
    QTest::mouseMove(w, QPoint(200, 60));
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(200, 60));
    QCOMPARE(QColor(pad->surface().pixel(200, 45)), paletteColour(yellowIndex));
    QCOMPARE(QColor(pad->surface().pixel(150, 45)), background());
}

void tst_notepad::penCommands_data()
{
    // Steps name controls of the bar in use: "s<i>" a swatch, "write", "erase", "clear".
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("colour"); // palette index the next stroke shows

    for (bool portrait : {false, true}) {
        const char* bar = portrait ? "tall" : "wide";
        auto row = [&](const char* name) {
            return &QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(bar, name)));
        };
        *row("swatch") << portrait << QStringList{"s3"} << 3;
        *row("erase, write") << portrait << QStringList{"s12", "erase", "write"} << 12;
        *row("erase, erase, write") << portrait << QStringList{"s12", "erase", "erase", "write"} << 12;
        *row("clear while erasing") << portrait << QStringList{"s12", "erase", "clear"} << 14;
        *row("clear while writing") << portrait << QStringList{"s12", "clear"} << 12;
        *row("swatch while erasing") << portrait << QStringList{"s2", "erase", "s15"} << 15;
    }
}

void tst_notepad::penCommands()
{
    QFETCH(bool, portrait);
    QFETCH(QStringList, steps);
    QFETCH(int, colour);

    notepad* pad = openJotter();
    QVERIFY(pad);
    if (portrait)
        click(pad->Command3);
    const auto& swatches = portrait ? pad->Label11 : pad->Label1;
    for (const QString& step : steps) {
        if (step.startsWith(u's'))
            click(swatches[size_t(step.mid(1).toInt())]);
        else if (step == u"write")
            click(portrait ? pad->Command10 : pad->Command2);
        else if (step == u"erase")
            click(portrait ? pad->Command8 : pad->Command5);
        else if (step == u"clear")
            click(portrait ? pad->Command7 : pad->Command6);
    }
    stroke(pad);
    const QColor expected = paletteColour(colour);
    QCOMPARE(QColor(pad->surface().pixel(probeX, strokeFrom.y())), expected);
    QVERIFY(qAbs(widthAcross(pad->surface(), probeX, strokeFrom.y(), expected) - 3) < 0.3);
}

void tst_notepad::eraseRubsOutAWideBand()
{
    notepad* pad = openJotter();
    QVERIFY(pad);
    click(pad->Label1[15]);
    drag(pad, {Qt::LeftButton}, QPoint(probeX, 30), QPoint(probeX, 170));
    click(pad->Command5);
    stroke(pad);

    // Along the white line, the rubbed-out gap is the eraser's width.
    double gap = 0;
    for (int y = 50; y <= 150; ++y)
        gap += 1 - coverage(pad->surface().pixel(probeX, y), Qt::white);
    QVERIFY2(qAbs(gap - 30) < 1, qPrintable(QString::number(gap)));
    QCOMPARE(QColor(pad->surface().pixel(probeX, strokeFrom.y())), background());
}

void tst_notepad::flip_data()
{
    QTest::addColumn<bool>("erasing");
    QTest::newRow("writing") << false;
    QTest::newRow("erasing") << true;
}

void tst_notepad::flip()
{
    QFETCH(bool, erasing);
    notepad* pad = openJotter();
    QVERIFY(pad);
    pad->move(120, 40);
    QTRY_COMPARE(pad->frameGeometry().topLeft(), QPoint(120, 40));

    click(pad->Label1[12]);
    stroke(pad);
    if (erasing)
        click(pad->Command5);
    const QColor penBefore = pad->pen().colour();

    click(pad->Command3);
    QVERIFY(pad->isPortrait());
    QCOMPARE(outerSize(pad), QSize(twips::toPx(4000), twips::toPx(12000)));
    QCOMPARE(pad->frameGeometry().topLeft(), QPoint(120, 40));
    QVERIFY(!pad->Frame_landscape->isVisible());
    QVERIFY(pad->Frame_portrait->isVisible());
    QCOMPARE(pad->Frame_portrait->x(), twips::toPx(4000 - 1035 - 80));
    QCOMPARE(pad->surface().size(), pad->size());
    QVERIFY(isBlank(pad->surface()));
    QCOMPARE(pad->pen().colour(), penBefore);

    click(pad->Command10); // Write, so the kept pen shows
    stroke(pad);
    click(pad->Command4);
    QVERIFY(!pad->isPortrait());
    QCOMPARE(outerSize(pad), QSize(twips::toPx(10005), twips::toPx(4140)));
    QCOMPARE(pad->frameGeometry().topLeft(), QPoint(120, 40));
    QVERIFY(pad->Frame_landscape->isVisible());
    QVERIFY(!pad->Frame_portrait->isVisible());
    QCOMPARE(pad->Frame_landscape->geometry(), twips::rect(0, 2910, 9920, 750));
    QCOMPARE(pad->surface().size(), pad->size());
    QVERIFY(isBlank(pad->surface()));

    stroke(pad);
    QCOMPARE(QColor(pad->surface().pixel(probeX, strokeFrom.y())), paletteColour(12));
}

void tst_notepad::flipBothWaysRestoresTheWideShape()
{
    // The wide bar's Flip leads back through the tall bar's Flip, and keyboard focus follows.
    notepad* pad = openJotter();
    QVERIFY(pad);
    pad->activateWindow();
    pad->Command3->setFocus();
    QTest::keyClick(pad->Command3, Qt::Key_Space);
    QVERIFY(pad->isPortrait());
    QTRY_VERIFY(pad->Command4->hasFocus());
    QTest::keyClick(pad->Command4, Qt::Key_Space);
    QVERIFY(!pad->isPortrait());
    QTRY_VERIFY(pad->Command3->hasFocus());
}

void tst_notepad::drawingSurvivesRepaint()
{
    notepad* pad = openJotter();
    QVERIFY(pad);
    stroke(pad);
    pad->repaint();
    const QImage shot = pad->grab().toImage();
    QCOMPARE(QColor(shot.pixel(probeX, strokeFrom.y())), paletteColour(yellowIndex));
    QCOMPARE(QColor(shot.pixel(probeX, strokeFrom.y() + 10)), background());
}

void tst_notepad::showAgainKeepsTheDrawing_data()
{
    QTest::addColumn<bool>("minimised");
    QTest::newRow("open") << false;
    QTest::newRow("minimised") << true;
}

void tst_notepad::showAgainKeepsTheDrawing()
{
    QFETCH(bool, minimised);
    notepad* pad = openJotter();
    QVERIFY(pad);
    click(pad->Command3);
    click(pad->Label11[4]);
    stroke(pad);
    const QImage drawn = pad->surface();
    if (minimised)
        pad->showMinimized();

    jotter::show();
    flushDeletes();
    QCOMPARE(jotter::instance(), pad);
    QVERIFY(pad->isVisible());
    QVERIFY(!pad->isMinimized());
    QVERIFY(pad->isPortrait());
    QCOMPARE(pad->surface(), drawn);
    QCOMPARE(pad->pen().colour(), paletteColour(4));
}

void tst_notepad::closingForgetsEverything_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("wide Exit") << "Command1";
    QTest::newRow("tall Exit") << "Command9";
    QTest::newRow("close box") << "window";
    QTest::newRow("another page") << "close()";
}

void tst_notepad::closingForgetsEverything()
{
    QFETCH(QString, how);
    QPointer<notepad> old = openJotter();
    QVERIFY(old);
    click(old->Label1[12]);
    stroke(old);
    click(old->Command3);
    if (how == u"Command1") {
        click(old->Command4);
        click(old->Command1);
    } else if (how == u"Command9") {
        click(old->Command9);
    } else if (how == u"window") {
        old->close();
    } else {
        jotter::close();
        jotter::close(); // closing a closed Jotter does nothing
    }
    QVERIFY(!jotter::instance());
    flushDeletes();
    QVERIFY(old.isNull());

    notepad* pad = openJotter();
    QVERIFY(pad);
    QVERIFY(!pad->isPortrait());
    QCOMPARE(pad->size(), QSize(twips::toPx(9915), twips::toPx(3660)));
    QVERIFY(isBlank(pad->surface()));
    stroke(pad);
    QCOMPARE(QColor(pad->surface().pixel(probeX, strokeFrom.y())), paletteColour(yellowIndex));
}

void tst_notepad::controlsAreNamedAndExplained()
{
    notepad* pad = openJotter();
    QVERIFY(pad);
    QList<QPushButton*> buttons = pad->findChildren<QPushButton*>();
    buttons.removeIf([](const QPushButton* b) { return qobject_cast<const Swatch*>(b); });
    QCOMPARE(buttons.size(), 10);
    for (const QPushButton* b : buttons) {
        QVERIFY2(!b->text().isEmpty(), qPrintable(b->objectName()));
        // The caption is what a screen reader says; a second name would contradict it.
        QVERIFY2(b->accessibleName().isEmpty(), qPrintable(b->objectName()));
        QVERIFY2(!b->toolTip().isEmpty(), qPrintable(b->objectName()));
        QVERIFY(b->focusPolicy() & Qt::TabFocus);
    }
    const auto swatches = pad->findChildren<Swatch*>();
    QCOMPARE(swatches.size(), 2 * swatchCount);
    for (const Swatch* s : swatches) {
        QCOMPARE(s->accessibleName(), paletteName(s->index()));
        QCOMPARE(s->toolTip(), paletteName(s->index()));
        QVERIFY(s->focusPolicy() & Qt::TabFocus);
    }
    QCOMPARE(pad->Label1[3]->accessibleName(), QStringLiteral("Dark cyan"));
}

void tst_notepad::swatchesWorkFromTheKeyboard_data()
{
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("key");
    QTest::newRow("wide, Space") << false << 9 << int(Qt::Key_Space);
    QTest::newRow("wide, Enter") << false << 0 << int(Qt::Key_Return);
    QTest::newRow("tall, Space") << true << 13 << int(Qt::Key_Space);
}

void tst_notepad::swatchesWorkFromTheKeyboard()
{
    QFETCH(bool, portrait);
    QFETCH(int, index);
    QFETCH(int, key);
    notepad* pad = openJotter();
    QVERIFY(pad);
    if (portrait)
        click(pad->Command3);
    click(pad->Command5); // erasing, so the swatch must also end erasing
    Swatch* s = (portrait ? pad->Label11 : pad->Label1)[size_t(index)];
    s->setFocus();
    QTest::keyClick(s, Qt::Key(key));
    stroke(pad);
    QCOMPARE(QColor(pad->surface().pixel(probeX, strokeFrom.y())), paletteColour(index));
    QVERIFY(qAbs(widthAcross(pad->surface(), probeX, strokeFrom.y(), paletteColour(index)) - 3) < 0.3);
}

QTEST_MAIN(tst_notepad)
#include "tst_notepad.moc"

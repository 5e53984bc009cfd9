// The paper shapes of the folding pictures: when a fold is complete its edges really meet,
// no fold stretches the paper, and the camera puts things where a viewer expects them.

#include "folds.h"

#include <QTest>

using namespace art;

namespace {

enum class Shape { Sheet, Ring, Band, Cone };

constexpr double sheetWidth = 2 * pi, sheetLength = 3.0;
constexpr double ringAcross = 3.0, ringAlong = 9.0;
constexpr double bandLength = 8.0, bandWidth = 1.2;
constexpr double coneRadius = 1.7;
const double conePaper = degrees(240);

// The shape at `progress` of its fold: 0 is the flat paper, 1 the finished shape.
Surface shape(Shape s, double progress)
{
    switch (s) {
    case Shape::Sheet:
        return rolledSheet(sheetWidth, sheetLength, 2 * pi * progress);
    case Shape::Ring:
        return rolledRing(ringAcross, ringAlong, 2 * pi * progress, 2 * pi * progress);
    case Shape::Band:
        return twistedBand(bandLength, bandWidth, pi * progress, 2 * pi * progress);
    case Shape::Cone:
        return paperCone(coneRadius, conePaper, lerp(conePaper, 2 * pi, progress), 0.3);
    }
    return {};
}

// Length of the curve the surface draws as t runs from 0 to 1 through `at`.
template<typename F>
double curveLength(F at)
{
    double sum = 0;
    Vec3 previous = at(0.0);
    for (int i = 1; i <= 2000; ++i) {
        const Vec3 p = at(i / 2000.0);
        sum += length(p - previous);
        previous = p;
    }
    return sum;
}

} // namespace

Q_DECLARE_METATYPE(Shape)

class FoldsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void finishedFoldJoinsItsEdges_data();
    void finishedFoldJoinsItsEdges();
    void foldingKeepsLengths_data();
    void foldingKeepsLengths();
    void unfoldedPaperIsFlat_data();
    void unfoldedPaperIsFlat();
    void cameraPlacesPoints();
};

void FoldsTest::finishedFoldJoinsItsEdges_data()
{
    QTest::addColumn<Shape>("kind");
    QTest::addColumn<bool>("vEdgesToo");   // the ring also joins its ends
    QTest::addColumn<bool>("halfTwisted"); // the band's edge meets itself the other way up

    QTest::newRow("cylinder") << Shape::Sheet << false << false;
    QTest::newRow("torus") << Shape::Ring << true << false;
    QTest::newRow("moebius strip") << Shape::Band << false << true;
    QTest::newRow("cone") << Shape::Cone << false << false;
}

void FoldsTest::finishedFoldJoinsItsEdges()
{
    QFETCH(Shape, kind);
    QFETCH(bool, vEdgesToo);
    QFETCH(bool, halfTwisted);
    const Surface s = shape(kind, 1.0);
    for (double t : {0.0, 0.2, 0.5, 0.9, 1.0}) {
        const Vec3 a = s(0.0, t);
        const Vec3 b = s(1.0, halfTwisted ? 1.0 - t : t);
        QVERIFY2(length(a - b) < 1e-9, qPrintable(QStringLiteral("u edges apart by %1 at %2")
                                                      .arg(length(a - b)).arg(t)));
        if (vEdgesToo)
            QVERIFY(length(s(t, 0.0) - s(t, 1.0)) < 1e-9);
    }
    // Half-way through the fold the edges have not met yet.
    const Surface half = shape(kind, 0.5);
    QVERIFY(length(half(0.0, 0.5) - half(1.0, 0.5)) > 0.1);
}

void FoldsTest::foldingKeepsLengths_data()
{
    QTest::addColumn<Shape>("kind");
    QTest::addColumn<double>("progress");
    QTest::addColumn<bool>("alongU");   // measure a line of constant v, else of constant u
    QTest::addColumn<double>("at");     // the constant coordinate
    QTest::addColumn<double>("expected");

    for (double p : {0.0, 0.37, 1.0}) {
        const QByteArray when = p == 0 ? "flat" : p == 1 ? "finished" : "folding";
        QTest::newRow("cylinder across, " + when) << Shape::Sheet << p << true << 0.3 << sheetWidth;
        QTest::newRow("cylinder along, " + when) << Shape::Sheet << p << false << 0.8 << sheetLength;
        QTest::newRow("torus tube, " + when) << Shape::Ring << p << true << 0.6 << ringAcross;
        QTest::newRow("torus seam line, " + when) << Shape::Ring << p << false << 0.5 << ringAlong;
        QTest::newRow("band centre line, " + when) << Shape::Band << p << true << 0.5 << bandLength;
        QTest::newRow("band across, " + when) << Shape::Band << p << false << 0.3 << bandWidth;
        QTest::newRow("cone slant, " + when) << Shape::Cone << p << false << 0.7 << coneRadius;
        QTest::newRow("cone rim, " + when) << Shape::Cone << p << true << 1.0
                                           << coneRadius * conePaper;
    }
}

void FoldsTest::foldingKeepsLengths()
{
    QFETCH(Shape, kind);
    QFETCH(double, progress);
    QFETCH(bool, alongU);
    QFETCH(double, at);
    QFETCH(double, expected);
    const Surface s = shape(kind, progress);
    const double measured = alongU ? curveLength([&](double t) { return s(t, at); })
                                   : curveLength([&](double t) { return s(at, t); });
    QVERIFY2(std::abs(measured - expected) < 1e-3 * expected,
             qPrintable(QStringLiteral("%1 instead of %2").arg(measured).arg(expected)));
}

void FoldsTest::unfoldedPaperIsFlat_data()
{
    QTest::addColumn<Shape>("kind");
    QTest::newRow("sheet") << Shape::Sheet;
    QTest::newRow("ring") << Shape::Ring;
    QTest::newRow("band") << Shape::Band;
    QTest::newRow("disc") << Shape::Cone;
}

void FoldsTest::unfoldedPaperIsFlat()
{
    QFETCH(Shape, kind);
    const Surface s = shape(kind, 0.0);
    // The paper lies in the plane of three points of its outline (the disc's v = 0 is a
    // single point, its centre).
    const Vec3 o = s(0.5, 0);
    const Vec3 n = normalized(cross(s(0, 1) - o, s(1, 1) - o));
    QVERIFY(length(n) > 0.5);
    for (double u : {0.1, 0.5, 0.93})
        for (double v : {0.2, 0.5, 1.0})
            QVERIFY(std::abs(dot(s(u, v) - o, n)) < 1e-9);
}

void FoldsTest::cameraPlacesPoints()
{
    // Looking from the front (+z) at the origin.
    const Camera c = Camera::orbit({0, 0, 0}, 10, 0, 0, 500, {300, 200});
    QCOMPARE(c.project({0, 0, 0}), QPointF(300, 200));
    QVERIFY(c.project({1, 0, 0}).x() > 300);  // right stays right
    QVERIFY(c.project({0, 1, 0}).y() < 200);  // up is up the picture
    // Nearer things look bigger and are nearer in depth.
    QVERIFY(c.project({1, 0, 3}).x() > c.project({1, 0, -3}).x());
    QVERIFY(c.depth({0, 0, 3}) < c.depth({0, 0, -3}));
}

QTEST_GUILESS_MAIN(FoldsTest)
#include "tst_folds.moc"

// SPDX-License-Identifier: MIT
#include "palette.h"
#include "form.h"
#include "pixel_probes.h"
#include "test_support.h"

#include <QPainter>
#include <QTest>

#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

constexpr int ClientPixels = 300;
constexpr float Pi = float(M_PI);

// A bare window of 300 by 300 pixels whose drawing unit is unitX twips across and unitY twips down.
FormDesign sketchDesign(double unitX, double unitY)
{
    FormDesign design;
    design.name = u"Sketch"_s;
    design.caption = u"Sketch"_s;
    design.clientWidth = ClientPixels * 15;
    design.clientHeight = ClientPixels * 15;
    design.unitTwipsX = unitX;
    design.unitTwipsY = unitY;
    return design;
}

bool paintedAt(const QImage &image, QPoint p)
{
    return image.rect().contains(p) && isPainted(image.pixel(p));
}

bool paintedNear(const QImage &image, QPointF point)
{
    return pixelNear(image, point, isPainted);
}

QString describe(QPointF p)
{
    return u"(%1, %2)"_s.arg(p.x()).arg(p.y());
}

// The runs of drawn and undrawn pixels along a row, from x0 to x1 inclusive.
struct Runs {
    QList<int> drawn;
    QList<int> gaps;
};

Runs runsAlongRow(const QImage &image, int y, int x0, int x1)
{
    Runs runs;
    bool inDrawn = paintedAt(image, {x0, y});
    int length = 0;
    for (int x = x0; x <= x1; ++x) {
        const bool drawn = paintedAt(image, {x, y});
        if (drawn != inDrawn) {
            (inDrawn ? runs.drawn : runs.gaps).append(length);
            inDrawn = drawn;
            length = 0;
        }
        ++length;
    }
    (inDrawn ? runs.drawn : runs.gaps).append(length);
    return runs;
}

// A mixed figure in view units: lines, a whole circle, arcs with and without radii, and repeats of earlier calls
// that must still lie on top of what was drawn between.
using Sketch = std::function<void(Form &)>;

QImage replayed(const Form &form, qreal scale)
{
    const QSize size = (form.surface().image().deviceIndependentSize() * scale).toSize();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    form.drawing().replay(painter, scale);
    return image;
}

} // namespace

Q_DECLARE_METATYPE(Sketch)

class TestDrawingSurface : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenRaiseWarnings(); }
    void lineBetweenItsEnds_data();
    void lineBetweenItsEnds();
    void drawStylePattern_data();
    void drawStylePattern();
    void circleRadiusInHorizontalUnits_data();
    void circleRadiusInHorizontalUnits();
    void arcRunsCounterClockwise_data();
    void arcRunsCounterClockwise();
    void negativeAngleDrawsItsRadius_data();
    void negativeAngleDrawsItsRadius();
    void equalAnglesDrawTheWholeCircle_data();
    void equalAnglesDrawTheWholeCircle();
    void drawingSurvivesHideShowAndResize();
    void repaintErasesNothing();
    void replayMatchesTheScreen_data();
    void replayMatchesTheScreen();
    void replayAtTwiceTheSize();
    void clearErasesEverything();
};

void TestDrawingSurface::lineBetweenItsEnds_data()
{
    QTest::addColumn<double>("unitX");
    QTest::addColumn<double>("unitY");
    QTest::addColumn<QPointF>("from"); // drawing units
    QTest::addColumn<QPointF>("to");
    QTest::addColumn<QPoint>("pixelFrom");
    QTest::addColumn<QPoint>("pixelTo");

    QTest::newRow("pixel units, across") << 15.0 << 15.0 << QPointF(20, 40) << QPointF(120, 40) << QPoint(20, 40)
                                         << QPoint(120, 40);
    QTest::newRow("pixel units, up") << 15.0 << 15.0 << QPointF(60, 250) << QPointF(60, 30) << QPoint(60, 250)
                                     << QPoint(60, 30);
    QTest::newRow("view units, across") << 3.0 << 1.0 << QPointF(100, 600) << QPointF(1000, 600) << QPoint(20, 40)
                                        << QPoint(200, 40);
    QTest::newRow("view units, down") << 3.0 << 1.0 << QPointF(500, 300) << QPointF(500, 2700) << QPoint(100, 20)
                                      << QPoint(100, 180);
    QTest::newRow("view units, diagonal")
        << 3.0 << 1.0 << QPointF(250, 750) << QPointF(1250, 3750) << QPoint(50, 50) << QPoint(250, 250);
}

void TestDrawingSurface::lineBetweenItsEnds()
{
    QFETCH(double, unitX);
    QFETCH(double, unitY);
    QFETCH(QPointF, from);
    QFETCH(QPointF, to);
    QFETCH(QPoint, pixelFrom);
    QFETCH(QPoint, pixelTo);

    Form form(sketchDesign(unitX, unitY));
    const QColor colour = QBColor(12);
    form.Line(float(from.x()), float(from.y()), float(to.x()), float(to.y()), colour);
    const QImage &image = form.surface().image();

    const QPointF a = pixelFrom;
    const QPointF b = pixelTo;
    const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF step = (b - a) / length;
    const QPointF side(-step.y(), step.x());
    for (double d = 2; d <= length - 2; d += 1) {
        const QPointF p = a + step * d;
        bool found = false;
        const QPoint centre = pixelAt(p);
        for (int dy = -1; dy <= 1 && !found; ++dy) {
            for (int dx = -1; dx <= 1 && !found; ++dx)
                found = image.pixel(centre + QPoint(dx, dy)) == colour.rgb();
        }
        QVERIFY2(found, qPrintable(u"no line colour near %1"_s.arg(describe(p))));
    }
    QVERIFY2(!paintedNear(image, a - step * 4), "drawn before the first end");
    QVERIFY2(!paintedNear(image, b + step * 4), "drawn beyond the second end");
    QVERIFY2(!paintedNear(image, (a + b) / 2 + side * 4), "drawn beside the line");
    QVERIFY2(!paintedNear(image, (a + b) / 2 - side * 4), "drawn beside the line");
}

void TestDrawingSurface::drawStylePattern_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("gaps");
    QTest::addColumn<bool>("dots"); // single drawn pixels between the gaps
    QTest::addColumn<bool>("dashes"); // runs of several drawn pixels

    QTest::newRow("0 solid") << 0 << false << false << true;
    QTest::newRow("1 dash") << 1 << true << false << true;
    QTest::newRow("3 dash-dot") << 3 << true << true << true;
}

void TestDrawingSurface::drawStylePattern()
{
    QFETCH(int, style);
    QFETCH(bool, gaps);
    QFETCH(bool, dots);
    QFETCH(bool, dashes);

    Form form(sketchDesign(15, 15));
    form.setDrawStyle(style);
    form.Line(10, 100, 290, 100, QBColor(0));
    const Runs runs = runsAlongRow(form.surface().image(), 100, 12, 287);
    const QString seen =
        u"drawn runs %1, gaps %2"_s.arg(QString::number(runs.drawn.size()), QString::number(runs.gaps.size()));

    QVERIFY2(!runs.gaps.isEmpty() == gaps, qPrintable(seen));
    QVERIFY2(runs.drawn.contains(1) == dots, qPrintable(seen));
    QVERIFY2(std::any_of(runs.drawn.begin(), runs.drawn.end(), [](int run) { return run >= 3; }) == dashes,
             qPrintable(seen));
    if (gaps) {
        // A pattern that repeats along the line, not one stray hole.
        QVERIFY2(runs.gaps.size() >= 20, qPrintable(seen));
    }
}

void TestDrawingSurface::circleRadiusInHorizontalUnits_data()
{
    QTest::addColumn<double>("unitX");
    QTest::addColumn<double>("unitY");
    QTest::addColumn<QPointF>("centre"); // drawing units
    QTest::addColumn<double>("radius");
    QTest::addColumn<QPointF>("pixelCentre");
    QTest::addColumn<double>("pixelRadius");

    QTest::newRow("pixel units") << 15.0 << 15.0 << QPointF(150, 150) << 50.0 << QPointF(150, 150) << 50.0;
    QTest::newRow("view units: 3 twips across, 1 down")
        << 3.0 << 1.0 << QPointF(750, 2250) << 250.0 << QPointF(150, 150) << 50.0;
    QTest::newRow("view units, off centre") << 3.0 << 1.0 << QPointF(500, 1500) << 350.0 << QPointF(100, 100) << 70.0;
    QTest::newRow("tall units: the radius still counts across")
        << 15.0 << 45.0 << QPointF(150, 50) << 60.0 << QPointF(150, 150) << 60.0;
}

void TestDrawingSurface::circleRadiusInHorizontalUnits()
{
    QFETCH(double, unitX);
    QFETCH(double, unitY);
    QFETCH(QPointF, centre);
    QFETCH(double, radius);
    QFETCH(QPointF, pixelCentre);
    QFETCH(double, pixelRadius);

    Form form(sketchDesign(unitX, unitY));
    form.Circle(float(centre.x()), float(centre.y()), float(radius));
    const QImage &image = form.surface().image();

    // Round on the screen: the same radius in pixels across, down and on the diagonals.
    QVERIFY2(circleCoverage(image, pixelCentre, pixelRadius, isPainted) > 0.97,
             qPrintable(QString::number(circleCoverage(image, pixelCentre, pixelRadius, isPainted))));
    for (int degrees = 0; degrees < 360; degrees += 45) {
        QVERIFY2(!paintedNear(image, onCircle(pixelCentre, pixelRadius - 5, degrees)),
                 qPrintable(u"drawn inside the circle at %1 degrees"_s.arg(degrees)));
        QVERIFY2(!paintedNear(image, onCircle(pixelCentre, pixelRadius + 5, degrees)),
                 qPrintable(u"drawn outside the circle at %1 degrees"_s.arg(degrees)));
    }
}

void TestDrawingSurface::arcRunsCounterClockwise_data()
{
    QTest::addColumn<float>("start");
    QTest::addColumn<float>("end");
    QTest::addColumn<QList<int>>("drawnAt"); // degrees, counter-clockwise from pointing right
    QTest::addColumn<QList<int>>("emptyAt");

    QTest::newRow("right to up: the upper right quarter")
        << 0.0f << Pi / 2 << QList<int>{10, 45, 80} << QList<int>{135, 180, 225, 270, 315};
    QTest::newRow("up to right: three quarters by the left")
        << Pi / 2 << 0.0f << QList<int>{100, 135, 180, 225, 270, 315, 350} << QList<int>{20, 45, 70};
    QTest::newRow("left to down") << Pi << 3 * Pi / 2 << QList<int>{190, 225, 260} << QList<int>{0, 45, 90, 135, 315};
    QTest::newRow("across pointing right, from 315 to 45 degrees")
        << 7 * Pi / 4 << Pi / 4 << QList<int>{330, 0, 30} << QList<int>{90, 135, 180, 225, 270};
}

void TestDrawingSurface::arcRunsCounterClockwise()
{
    QFETCH(float, start);
    QFETCH(float, end);
    QFETCH(QList<int>, drawnAt);
    QFETCH(QList<int>, emptyAt);

    Form form(sketchDesign(15, 15));
    form.Circle(150, 150, 80, start, end);
    const QImage &image = form.surface().image();
    const QPointF centre(150, 150);
    for (int degrees : drawnAt) {
        QVERIFY2(paintedNear(image, onCircle(centre, 80, degrees)), qPrintable(u"no arc at %1 degrees"_s.arg(degrees)));
    }
    for (int degrees : emptyAt) {
        QVERIFY2(!paintedNear(image, onCircle(centre, 80, degrees)),
                 qPrintable(u"arc drawn at %1 degrees"_s.arg(degrees)));
    }
}

void TestDrawingSurface::negativeAngleDrawsItsRadius_data()
{
    QTest::addColumn<float>("start");
    QTest::addColumn<float>("end");
    QTest::addColumn<bool>("radiusUp"); // to the point at pi/2
    QTest::addColumn<bool>("radiusLeft"); // to the point at pi

    QTest::newRow("both positive: the arc alone") << Pi / 2 << Pi << false << false;
    QTest::newRow("negative start") << -Pi / 2 << Pi << true << false;
    QTest::newRow("negative end") << Pi / 2 << -Pi << false << true;
    QTest::newRow("both negative") << -Pi / 2 << -Pi << true << true;
}

void TestDrawingSurface::negativeAngleDrawsItsRadius()
{
    QFETCH(float, start);
    QFETCH(float, end);
    QFETCH(bool, radiusUp);
    QFETCH(bool, radiusLeft);

    Form form(sketchDesign(15, 15));
    form.Circle(150, 150, 80, start, end);
    const QImage &image = form.surface().image();
    const QPointF centre(150, 150);

    // The sign does not move the arc: it still runs from up to left.
    QVERIFY(paintedNear(image, onCircle(centre, 80, 135)));
    QVERIFY(!paintedNear(image, onCircle(centre, 80, 270)));
    for (double share : {0.25, 0.5, 0.75}) {
        QCOMPARE(paintedNear(image, onCircle(centre, 80 * share, 90)), radiusUp);
        QCOMPARE(paintedNear(image, onCircle(centre, 80 * share, 180)), radiusLeft);
        QVERIFY(!paintedNear(image, onCircle(centre, 80 * share, 135)));
    }
}

void TestDrawingSurface::equalAnglesDrawTheWholeCircle_data()
{
    QTest::addColumn<float>("start");
    QTest::addColumn<float>("end");
    QTest::addColumn<QList<int>>("radii"); // degrees of the radii drawn

    QTest::newRow("1 and 1") << 1.0f << 1.0f << QList<int>{};
    QTest::newRow("0 and 0") << 0.0f << 0.0f << QList<int>{};
    QTest::newRow("1 and -1: with the radius at 1") << 1.0f << -1.0f << QList<int>{57};
    QTest::newRow("-4 and 4: with the radius at 4") << -4.0f << 4.0f << QList<int>{229};
    QTest::newRow("-6.28 and -6.28: one radius, a hair below pointing right") << -6.28f << -6.28f << QList<int>{360};
}

void TestDrawingSurface::equalAnglesDrawTheWholeCircle()
{
    QFETCH(float, start);
    QFETCH(float, end);
    QFETCH(QList<int>, radii);

    Form form(sketchDesign(15, 15));
    form.Circle(150, 150, 80, start, end);
    const QImage &image = form.surface().image();
    const QPointF centre(150, 150);

    QVERIFY2(circleCoverage(image, centre, 80, isPainted) > 0.97,
             qPrintable(QString::number(circleCoverage(image, centre, 80, isPainted))));
    for (int degrees = 0; degrees < 360; degrees += 15) {
        const bool radiusHere = std::any_of(radii.begin(), radii.end(), [degrees](int r) {
            return std::abs(r - degrees) <= 5 || std::abs(r - 360 - degrees) <= 5;
        });
        if (!radiusHere) {
            QVERIFY2(!paintedNear(image, onCircle(centre, 40, degrees)),
                     qPrintable(u"a radius at %1 degrees"_s.arg(degrees)));
        }
    }
    for (int degrees : radii) {
        for (double r : {20.0, 40.0, 60.0}) {
            QVERIFY2(paintedNear(image, onCircle(centre, r, degrees)),
                     qPrintable(u"no radius at %1 degrees, %2 from the centre"_s.arg(degrees).arg(r)));
        }
    }
}

void TestDrawingSurface::drawingSurvivesHideShowAndResize()
{
    Form form(sketchDesign(15, 15));
    const QColor colour = QBColor(2);
    // Drawn before the window is first visible, as a window's loading does.
    form.Line(20, 30, 200, 30, colour);
    QVERIFY(showAndWait(form));
    QCOMPARE(form.surface().image().devicePixelRatio(), 1.0);
    QCOMPARE(form.grab().toImage().pixel(100, 30), colour.rgb());

    form.hide();
    QVERIFY(!form.isVisible());
    QVERIFY(showAndWait(form));
    QCOMPARE(form.grab().toImage().pixel(100, 30), colour.rgb());

    form.resize(400, 360);
    QTRY_COMPARE(form.size(), QSize(400, 360));
    QVERIFY(form.surface().image().width() >= 400 && form.surface().image().height() >= 360);
    QCOMPARE(form.surface().image().pixel(100, 30), colour.rgb());
    // The grown part takes drawing too.
    form.Line(380, 20, 380, 340, colour);
    const QImage shown = form.grab().toImage();
    QCOMPARE(shown.pixel(100, 30), colour.rgb());
    QCOMPARE(shown.pixel(380, 330), colour.rgb());

    // Shrinking does not cut off what was drawn: it is there again when the window grows back.
    form.resize(200, 200);
    QTRY_COMPARE(form.size(), QSize(200, 200));
    form.resize(400, 360);
    QTRY_COMPARE(form.size(), QSize(400, 360));
    QCOMPARE(form.grab().toImage().pixel(380, 330), colour.rgb());
}

void TestDrawingSurface::repaintErasesNothing()
{
    Form form(sketchDesign(3, 1));
    form.setDrawStyle(3);
    QVERIFY(showAndWait(form));
    form.Circle(750, 2250, 250);
    form.Line(100, 600, 1400, 600, QBColor(4));
    const QImage drawn = form.surface().image();
    const QImage before = form.grab().toImage();
    QCOMPARE(before.pixel(20, 40), QBColor(4).rgb());

    form.repaint();
    form.update();
    QCoreApplication::processEvents();
    QCOMPARE(form.surface().image(), drawn);
    const QImage after = form.grab().toImage();
    QCOMPARE(after.pixel(20, 40), QBColor(4).rgb());
    QCOMPARE(after, before);
}

void TestDrawingSurface::replayMatchesTheScreen_data()
{
    QTest::addColumn<Sketch>("sketch");
    QTest::addColumn<int>("kept"); // operations the record holds afterwards

    const QColor red = QBColor(12), green = QBColor(2);
    QTest::newRow("lines and a circle") << Sketch([=](Form &f) {
        f.Line(100, 1440, 1500, 1440, QBColor(4));
        f.Circle(760, 1440, 350);
        f.Line(760, 1440, 968.333f, 573.975f, red);
    }) << 3;
    QTest::newRow("arcs with radii") << Sketch([](Form &f) {
        f.setDrawStyle(3);
        for (int day = 1; day <= 28; ++day)
            f.Circle(760, 1440, 375, day * 0.2242857f, -day * 0.2242857f);
        f.Circle(760, 1440, 200, -0.5f, 2.0f);
    }) << 29;
    // Green over red, then red again: the red must end on top where they cross, as on the screen.
    QTest::newRow("a repeat lies on top") << Sketch([=](Form &f) {
        f.Line(100, 100, 1400, 2900, red);
        f.Line(100, 2900, 1400, 100, green);
        f.Line(100, 100, 1400, 2900, red);
        f.Line(100, 100, 1400, 2900, red);
    }) << 2;
    QTest::newRow("the same line in another pattern") << Sketch([=](Form &f) {
        f.Line(100, 1000, 1400, 1000, red);
        f.setDrawStyle(3);
        f.Line(100, 1000, 1400, 1000, red);
    }) << 2;
}

void TestDrawingSurface::replayMatchesTheScreen()
{
    QFETCH(Sketch, sketch);
    QFETCH(int, kept);
    Form form(sketchDesign(3, 1));
    sketch(form);
    QCOMPARE(int(form.drawing().size()), kept);
    QCOMPARE(replayed(form, 1), form.surface().image());
}

void TestDrawingSurface::replayAtTwiceTheSize()
{
    Form form(sketchDesign(15, 15));
    const QColor red = QBColor(12);
    form.Line(20, 40, 120, 40, red);
    form.Circle(150, 150, 50);
    const QImage image = replayed(form, 2);
    QCOMPARE(image.size(), QSize(600, 600));
    // The line lies at twice its place, two pixels thick (one pixel of the window at this size), centred on y 80.
    for (int x = 44; x <= 236; x += 8) {
        QCOMPARE(image.pixel(x, 79), red.rgb());
        QCOMPARE(image.pixel(x, 80), red.rgb());
        QVERIFY(!isPainted(image.pixel(x, 78)) && !isPainted(image.pixel(x, 81)));
    }
    QVERIFY(!isPainted(image.pixel(36, 80)) && !isPainted(image.pixel(244, 80)));
    QVERIFY(circleCoverage(image, {300, 300}, 100, isPainted) > 0.95);
    QCOMPARE(circleCoverage(image, {300, 300}, 50, isPainted), 0.0);
}

void TestDrawingSurface::clearErasesEverything()
{
    Form form(sketchDesign(3, 1));
    form.Circle(500, 1500, 300);
    form.Line(0, 0, 1560, 3195, QBColor(2));
    form.clearDrawing();
    QCOMPARE(form.drawing().size(), size_t(0));
    const QImage &image = form.surface().image();
    QCOMPARE(image.size(), QSize(300, 300));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            QVERIFY(!isPainted(image.pixel(x, y)));
    }
}

QTEST_MAIN(TestDrawingSurface)
#include "tst_drawing_surface.moc"

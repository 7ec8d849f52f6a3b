// SPDX-License-Identifier: MIT
// The windows on a screen with two device pixels to the logical pixel (run with QT_SCALE_FACTOR=2): the layout
// keeps its logical size, and the figures and the plate are drawn at the device resolution, not upscaled.
#include "form3.h"
#include "form1.h"
#include "palette.h"
#include "picture_file.h"
#include "forms.h"
#include "pixel_probes.h"
#include "shown_controls.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QtTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr qreal Ratio = 2.0;

// The largest number of rows, in any column of the range, that hold a pixel the predicate picks.
template <typename Picked>
int thickestColumn(const QImage &image, int fromX, int toX, int fromY, int toY, Picked picked)
{
    int thickest = 0;
    for (int x = fromX; x <= toX; ++x) {
        int rows = 0;
        for (int y = fromY; y <= toY; ++y)
            rows += picked(image.pixel(x, y)) ? 1 : 0;
        thickest = std::max(thickest, rows);
    }
    return thickest;
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { resetProgramState(); }
    void cleanup() { resetProgramState(); }

    void mainWindowKeepsItsLogicalSize();
    void controlsKeepTheirLogicalPlaces_data();
    void controlsKeepTheirLogicalPlaces();
    void viewSurfaceIsAtDeviceResolution_data();
    void viewSurfaceIsAtDeviceResolution();
    void figureLineIsAtMostTwoDevicePixelsThick();
    void platePictureIsPaintedAtDeviceResolution();
};

void TestHighDpi::initTestCase()
{
    quietOffscreenRaiseWarnings();
    QVERIFY2(qFuzzyCompare(qApp->devicePixelRatio(), Ratio), "run with QT_SCALE_FACTOR=2");
}

void TestHighDpi::mainWindowKeepsItsLogicalSize()
{
    Form1 &form = Forms::get<Form1>();
    QVERIFY(showAndWait(form));
    QCOMPARE(form.size(), QSize(977, 705));
    QCOMPARE(form.devicePixelRatioF(), Ratio);
    const QPixmap grabbed = form.grab();
    QCOMPARE(grabbed.size(), QSize(1954, 1410));
    QCOMPARE(grabbed.devicePixelRatio(), Ratio);
}

void TestHighDpi::controlsKeepTheirLogicalPlaces_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << u"Form1"_s;
    QTest::newRow("view") << u"Form3"_s;
}

// Every control at its place of one device pixel to the logical pixel.
void TestHighDpi::controlsKeepTheirLogicalPlaces()
{
    QFETCH(QString, window);
    Form &form = openWindow(window);
    for (const ShownControl &control : shownControls(window)) {
        auto *widget =
            form.content().findChild<QWidget *>(QString::fromLatin1(control.name), Qt::FindDirectChildrenOnly);
        QVERIFY2(widget, control.name);
        QCOMPARE(widget->geometry(), control.rect);
    }
}

void TestHighDpi::viewSurfaceIsAtDeviceResolution_data()
{
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("zoom");
    // The view draws its base figure while loading, before it has ever been on the screen.
    QTest::newRow("loaded, never shown") << false << 100;
    QTest::newRow("shown") << true << 100;
    QTest::newRow("shown at 200%") << true << 200;
}

void TestHighDpi::viewSurfaceIsAtDeviceResolution()
{
    QFETCH(bool, shown);
    QFETCH(int, zoom);
    Form3 &view = Forms::get<Form3>();
    if (shown)
        QVERIFY(showAndWait(view));
    view.setZoom(zoom);
    const QImage &surface = view.surface().image();
    QVERIFY(!surface.isNull());
    QCOMPARE(surface.devicePixelRatio(), Ratio);
    QCOMPARE(surface.size(), QSize(312, 213) * zoom / 100 * Ratio);
    // The base circle, drawn again at the zoom, on its radius of 70 logical pixels.
    const QPointF centre = QPointF(152, 96) * zoom / 100 * Ratio;
    const PixelTest black = isColour(qRgb(0, 0, 0));
    QCOMPARE_GT(circleCoverage(surface, centre, 70 * zoom / 100 * Ratio, black), 0.6); // dash-dot
    QCOMPARE(circleCoverage(surface, centre, 65 * zoom / 100 * Ratio, black), 0.0);
}

void TestHighDpi::figureLineIsAtMostTwoDevicePixelsThick()
{
    Forms::get<Form1>().Text1().setText(u"90"_s);
    Form3 &view = Forms::get<Form3>();
    QVERIFY(showAndWait(view));
    view.button(u"Command2").click();

    // The Sun's line at 90 degrees runs right from the centre (152, 96) along the horizontal axis to x 235; the base
    // circle crosses it at x 222.
    const QImage surface = view.surface().image();
    const QRgb sun = QBColor(12).rgb();
    int sunPixels = 0;
    for (int x = 160 * 2; x <= 215 * 2; ++x) {
        for (int y = 88 * 2; y <= 104 * 2; ++y) {
            const QRgb pixel = surface.pixel(x, y);
            sunPixels += pixel == sun ? 1 : 0;
            QVERIFY2(qAlpha(pixel) == 0 || qAlpha(pixel) == 255, "a figure pixel is smeared into its neighbours");
        }
    }
    QVERIFY(sunPixels > 0);
    QCOMPARE_LE(thickestColumn(surface, 160 * 2, 215 * 2, 88 * 2, 104 * 2, isPainted), 2);

    // On the screen, past the end of the Line3 control, only the drawn axis is there.
    const QImage screen = view.grab().toImage();
    const QRgb background = screen.pixel(290 * 2, 80 * 2);
    const auto differs = [background](QRgb pixel) { return pixel != background; };
    const int thickest = thickestColumn(screen, 282 * 2, 298 * 2, 88 * 2, 104 * 2, differs);
    QCOMPARE_GE(thickest, 1);
    QCOMPARE_LE(thickest, 2);
}

void TestHighDpi::platePictureIsPaintedAtDeviceResolution()
{
    Form1 &form = Forms::get<Form1>();
    QVERIFY(showAndWait(form));
    const QImage screen = form.grab().toImage().convertToFormat(QImage::Format_RGB32);

    // Compare the plate's upper-left part, clear of the compass lines.
    const QImage plate = LoadPicture(Form1::platePicturePath()).convertToFormat(QImage::Format_RGB32);
    const QSize device = PlateBox.size() * 2;
    const QImage sharp = plate.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage upscaled = plate.scaled(device / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QRect part(4, 4, 180, 180);
    const QImage shown = screen.copy(part.translated(PlateBox.topLeft() * 2));
    const double fromSharp = meanDifference(shown, sharp.copy(part));
    const double fromUpscaled = meanDifference(shown, upscaled.copy(part));
    QVERIFY2(fromSharp < 1.0 && fromSharp * 4 < fromUpscaled,
             qPrintable(
                 u"mean difference from the device-resolution picture %1, from an upscaled one %2"_s.arg(fromSharp).arg(
                     fromUpscaled)));
}

QTEST_MAIN(TestHighDpi)
#include "tst_high_dpi.moc"

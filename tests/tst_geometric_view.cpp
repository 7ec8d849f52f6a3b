// SPDX-License-Identifier: MIT
#include "figure_export.h"
#include "form3.h"
#include "form1.h"
#include "runtime_error.h"
#include "app.h"
#include "forms.h"
#include "pixel_probes.h"
#include "shown_controls.h"
#include "standard_keys.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPageLayout>
#include <QPointer>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The figure centre, where Line3 and Line4 cross: (2280, 1440) twips.
const QPointF Centre(152, 96);
constexpr double BaseCirclePixels = 70; // 1050 twips
constexpr double RingPixels = 75; // 1125 twips

const QRgb MoonGreen = qRgb(0, 128, 0);
const QRgb SunLightRed = qRgb(255, 0, 0);
const QRgb AxisRed = qRgb(128, 0, 0);

// Where the line for a position ends on the screen: on the ellipse 1000 twips up and down and 1250 sideways about
// the centre, 0 degrees up and growing clockwise.
QPointF lineEndPixels(double degrees)
{
    const double a = qDegreesToRadians(degrees);
    return QPointF((2280 + 1250 * std::sin(a)) / 15, (1440 - 1000 * std::cos(a)) / 15);
}

bool colourNear(const QImage &image, QPointF point, QRgb colour, int reach = 1)
{
    return pixelNear(image, point, isColour(colour), reach);
}

// The share of the segment, one pixel at a time and leaving out a few pixels at each end, that passes the test
// within reach. A dash-dot line covers all of it within a pixel across and down, a slanting one within two.
double coverageAlong(const QImage &image, QPointF from, QPointF to, const PixelTest &test, int reach = 1)
{
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    int samples = 0;
    int covered = 0;
    for (double s = 3; s <= length - 3; s += 1) {
        ++samples;
        covered += pixelNear(image, from + d * (s / length), test, reach) ? 1 : 0;
    }
    return samples ? double(covered) / samples : 0;
}

double coverageAlong(const QImage &image, QPointF from, QPointF to, QRgb colour, int reach = 1)
{
    return coverageAlong(image, from, to, isColour(colour), reach);
}

double circleCoverage(const QImage &image, double radius, QRgb colour)
{
    return ::circleCoverage(image, Centre, radius, isColour(colour));
}

int countColour(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour ? 1 : 0;
    }
    return count;
}

QRgb foregroundOf(const Form &form)
{
    return form.palette().color(QPalette::WindowText).rgb();
}

// The main window's view button, as the user presses it. Returns the view if the press loaded it.
Form3 *openViewFromMainWindow()
{
    Form1 &main = Forms::get<Form1>();
    if (!main.isVisible())
        main.bringToFront();
    press(main, u"Command3");
    return Forms::isLoaded<Form3>() ? &Forms::get<Form3>() : nullptr;
}

// A line from the centre toward the end: drawn all along in its colour, present at its end, absent past it and
// behind the centre. With a scale, the window is zoomed by it.
void verifyPositionLine(const QImage &image, QPointF end, QRgb colour, double scale = 1)
{
    const QPointF centre = Centre * scale;
    end *= scale;
    const QPointF d = end - centre;
    const QPointF direction = d / std::hypot(d.x(), d.y());
    const int reach = int(std::ceil(2 * scale));
    const double coverage = coverageAlong(image, centre, end, colour, reach);
    QVERIFY2(coverage > 0.9,
             qPrintable(u"line covers %1 of the way to (%2, %3)"_s.arg(coverage).arg(end.x()).arg(end.y())));
    QVERIFY2(colourNear(image, end, colour, 3 * reach / 2), "nothing of the line's colour at its end");
    QVERIFY2(!colourNear(image, end + direction * 6 * scale, colour, reach), "the line runs past its end");
    QVERIFY2(!colourNear(image, centre - direction * 10 * scale, colour, reach / 2), "the line runs behind the centre");
}

// The view with Sun 30, Moon 325 and phase 5 copied in, and the Moon's and the Sun's lines drawn.
Form3 *openWithBothLines()
{
    setMainFields(u"30"_s, u"325"_s, u"5"_s);
    Form3 *view = openViewFromMainWindow();
    if (view) {
        press(*view, u"Command1");
        press(*view, u"Command2");
    }
    return view;
}

const QString BothLinesQuantities = u"Sun 30, Moon 325, phase 5"_s;
constexpr QSizeF SheetPixels(312, 237); // the window's figure and the band of quantities beneath it

// Where a point of the window (logical pixels) lies on a sheet centred in that area and as large as it fits.
QPointF onSheet(const QRectF &area, QPointF windowPoint)
{
    const double scale = std::min(area.width() / SheetPixels.width(), area.height() / SheetPixels.height());
    return area.center() - QPointF(SheetPixels.width(), SheetPixels.height()) * scale / 2 + windowPoint * scale;
}

// Rendered files blend the edges of lines: a colour within a margin counts.
PixelTest roughly(QRgb colour)
{
    return [colour](QRgb p) {
        return std::abs(qRed(p) - qRed(colour)) + std::abs(qGreen(p) - qGreen(colour))
                   + std::abs(qBlue(p) - qBlue(colour))
               < 120;
    };
}

// The share of the way from the centre to the end of a position line, on the sheet, that shows the colour.
double sheetLineCoverage(const QImage &image, const QRectF &area, double degrees, QRgb colour)
{
    return coverageAlong(image, onSheet(area, Centre), onSheet(area, lineEndPixels(degrees)), roughly(colour), 2);
}

QString pdfText(const QString &path)
{
    QProcess process;
    process.start(u"pdftotext"_s, {path, u"-"_s});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QImage pdfPage(const QString &path)
{
    const QString base = path + u".page"_s;
    QProcess::execute(u"pdftoppm"_s, {u"-r"_s, u"96"_s, u"-singlefile"_s, u"-png"_s, path, base});
    return QImage(base + u".png"_s);
}

} // namespace

class TestGeometricView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenRaiseWarnings(); }
    void init();
    void cleanup();

    void opensFromTheMainWindow();
    void placedBesideTheMainWindow_data();
    void placedBesideTheMainWindow();
    void framedWhollyOnTheScreen_data();
    void framedWhollyOnTheScreen();
    void closeKeysCloseTheView_data();
    void closeKeysCloseTheView();
    void aThousandOpeningsLeaveNothingBehind();
    void controlPlaces_data();
    void controlPlaces();
    void loadingCopiesTheTextsUnchanged_data();
    void loadingCopiesTheTextsUnchanged();
    void secondOpenRefreshesNothing();
    void reopenAfterCloseLoadsAfresh();
    void baseFigure();
    void figureButtons_data();
    void figureButtons();
    void figuresAccumulate();
    void phaseRingWithEmptyFields();
    void pressAfterMainWindowClosedReadsZero();
    void linesAlongTheCrossShow();
    void positionTooLargeStopsBeforeTheLine_data();
    void positionTooLargeStopsBeforeTheLine();
    void figureLeavesTheScreen_data();
    void figureLeavesTheScreen();
    void failedSaveLeavesNothing_data();
    void failedSaveLeavesNothing();
    void copyTakesTheFigureOrTheSelection_data();
    void copyTakesTheFigureOrTheSelection();
    void clearingLeavesTheBaseFigure_data();
    void clearingLeavesTheBaseFigure();
    void zoomDrawsTheFigureAgain_data();
    void zoomDrawsTheFigureAgain();
    void zoomFromTheMenuAndBack();

private:
    MessageRecorder m_messages;
    std::vector<int> m_expectedErrors;
};

void TestGeometricView::init()
{
    resetProgramState();
    m_messages.clear();
    m_expectedErrors.clear();
}

void TestGeometricView::cleanup()
{
    FigureExport::setDialogs({});
    const std::vector<int> errors = m_messages.errorNumbers();
    resetProgramState();
    QCOMPARE(errors, m_expectedErrors);
}

void TestGeometricView::opensFromTheMainWindow()
{
    Form3 *view = openViewFromMainWindow();
    QVERIFY(view);
    QVERIFY(view->isVisible());
    QVERIFY(view->isWindow());
    QVERIFY(!view->isModal());
    QVERIFY(Forms::get<Form1>().isVisible());
    QCOMPARE(view->windowTitle(), u"Form3a"_s);
    QCOMPARE(view->size(), QSize(312, 213));
}

void TestGeometricView::placedBesideTheMainWindow_data()
{
    QTest::addColumn<QPoint>("main"); // where the main window is, on a screen of 2560 x 1600
    QTest::addColumn<QPoint>("view"); // where the view first appears

    // The offscreen platform frames each window with 2 pixels a side: the main window's frame is 981 pixels wide, the
    // view's 316. 8 pixels between them.
    QTest::newRow("room on the right") << QPoint(100, 50) << QPoint(1089, 50);
    QTest::newRow("just room on the right") << QPoint(1255, 0) << QPoint(2244, 0);
    QTest::newRow("near the right edge: inside the screen, over the main window")
        << QPoint(1800, 300) << QPoint(2244, 300);
    QTest::newRow("main window above the screen: the view at its top") << QPoint(100, -200) << QPoint(1089, 0);
}

// Where the view first appears: beside the main window, so the plate and the figure can be compared; where the user
// puts it afterwards, it stays.
void TestGeometricView::placedBesideTheMainWindow()
{
    QFETCH(QPoint, main);
    QFETCH(QPoint, view);
    // Put there by the user: a window is shown wholly on the screen.
    Form1 &mainWindow = Forms::get<Form1>();
    QVERIFY(showAndWait(mainWindow));
    mainWindow.move(main);
    QCOMPARE(mainWindow.frameGeometry().topLeft(), main);

    Form3 *opened = openViewFromMainWindow();
    QVERIFY(opened);
    QVERIFY(QTest::qWaitForWindowExposed(opened));
    QCOMPARE(opened->frameGeometry().topLeft(), view);

    opened->move(40, 30);
    opened->hide();
    QCOMPARE(openViewFromMainWindow(), opened);
    QCOMPARE(opened->frameGeometry().topLeft(), QPoint(40, 30));
}

void TestGeometricView::framedWhollyOnTheScreen_data()
{
    QTest::addColumn<QPointF>("main"); // the main window's frame, from the screen's upper-left corner (0, 0) to
                                       // its lower-right (1, 1)
    QTest::addColumn<bool>("zoomedAndBack");
    QTest::newRow("main window at the upper-left corner") << QPointF(0, 0) << false;
    QTest::newRow("main window at the top, after a zoom and Ctrl+0") << QPointF(0.3, 0) << true;
    QTest::newRow("main window at the upper-right corner") << QPointF(1, 0) << false;
    QTest::newRow("main window at the lower-right corner") << QPointF(1, 1) << false;
}

// The view appears with its frame wholly on the screen, title bar included, beside the main window's frame. Run
// also under a window manager, whose frames are known only once the window is shown.
void TestGeometricView::framedWhollyOnTheScreen()
{
    QFETCH(QPointF, main);
    QFETCH(bool, zoomedAndBack);
    Form1 &mainWindow = Forms::get<Form1>();
    QVERIFY(showAndWait(mainWindow, ShownUntil::Active));
    if (zoomedAndBack) {
        mainWindow.zoomActions()[0]->trigger();
        mainWindow.zoomActions()[2]->trigger();
    }
    const QRect room = mainWindow.screen()->availableGeometry();
    QTRY_VERIFY(!mainWindow.windowHandle()->frameMargins().isNull());
    const QSize mainFrame = mainWindow.windowHandle()->frameGeometry().size();
    const QPoint at = room.topLeft()
                      + QPoint(int(main.x() * std::max(0, room.width() - mainFrame.width())),
                               int(main.y() * std::max(0, room.height() - mainFrame.height())));
    mainWindow.windowHandle()->setFramePosition(at);
    QTRY_COMPARE(mainWindow.windowHandle()->frameGeometry().topLeft(), at);

    Form3 *view = openViewFromMainWindow();
    QVERIFY(view);
    QVERIFY(QTest::qWaitForWindowExposed(view));
    // A window manager may move a window once more after Qt has moved it: what counts is where it settles.
    QTest::qWait(QGuiApplication::platformName() == u"xcb" ? 300 : 0);
    const QRect frame = view->windowHandle()->frameGeometry();
    QVERIFY2(room.contains(frame), qPrintable(u"frame %1,%2 %3x%4 on %5x%6"_s.arg(frame.x())
                                                  .arg(frame.y())
                                                  .arg(frame.width())
                                                  .arg(frame.height())
                                                  .arg(room.width())
                                                  .arg(room.height())));
    QVERIFY(frame.top() < view->geometry().top());
    // Beside the main window's frame, within a pixel a window manager may round a frame by.
    const int beside = mainWindow.windowHandle()->frameGeometry().right() + 1 + 8;
    QCOMPARE_LE(std::abs(frame.left() - std::max(room.left(), std::min(beside, room.right() + 1 - frame.width()))), 1);
    QCOMPARE_LE(std::abs(frame.top() - std::min(at.y(), room.bottom() + 1 - frame.height())), 1);

    // Moved off every screen and shown again, it comes back onto one.
    view->hide();
    view->move(room.right() + 2000, room.bottom() + 2000);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QTRY_VERIFY(room.contains(view->windowHandle()->frameGeometry()));
}

void TestGeometricView::closeKeysCloseTheView_data()
{
    QTest::addColumn<QKeySequence>("keys");
    // Ctrl+W on every desktop.
    for (const QKeySequence &key :
         distinctKeys(QKeySequence::keyBindings(QKeySequence::Close) << QKeySequence(Qt::CTRL | Qt::Key_W)))
        QTest::newRow(qPrintable(key.toString())) << key;
}

// The desktop's Close keys close the view from any of its controls, and the main window stays; no key of the view
// is on two of its actions, or twice on one, where Qt would answer neither.
void TestGeometricView::closeKeysCloseTheView()
{
    QFETCH(QKeySequence, keys);
    Form3 *view = openViewFromMainWindow();
    QVERIFY(view);
    QVERIFY(showAndWait(*view, ShownUntil::Active));
    QList<QKeySequence> seen;
    for (const QAction *action : view->actions()) {
        for (const QKeySequence &key : action->shortcuts()) {
            QVERIFY2(!seen.contains(key), qPrintable(key.toString()));
            seen.append(key);
        }
    }
    view->Text1().setFocus();
    QTest::keySequence(view, keys);
    QTRY_VERIFY(!Forms::isLoaded<Form3>());
    QVERIFY(Forms::get<Form1>().isVisible());
}

// Opening and closing the view a thousand times leaves no window, widget or object behind. Under the sanitizer build
// LeakSanitizer also sees what the cycles allocate.
void TestGeometricView::aThousandOpeningsLeaveNothingBehind()
{
    struct Census {
        qsizetype topLevelWidgets;
        qsizetype widgets;
        qsizetype objects; // the application's and every top-level widget's, at any depth
    };
    const auto takeCensus = [] {
        Census census{QApplication::topLevelWidgets().size(), QApplication::allWidgets().size(),
                      qApp->findChildren<QObject *>().size()};
        for (QWidget *window : QApplication::topLevelWidgets())
            census.objects += 1 + window->findChildren<QObject *>().size();
        return census;
    };
    setMainFields(u"30"_s, u"120"_s);
    Form1 &main = Forms::get<Form1>();
    main.bringToFront();

    int destroyed = 0;
    auto cycle = [&] {
        main.button(u"Command3").click();
        QVERIFY(Forms::isLoaded<Form3>());
        QPointer<Form3> view = &Forms::get<Form3>();
        QVERIFY(view->isVisible());
        QCOMPARE(view->Text1().text(), u"30"_s);
        QVERIFY(view->close());
        QVERIFY(!Forms::isLoaded<Form3>());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (view.isNull())
            ++destroyed;
    };

    // The first opening makes what lives as long as the program (fonts, style, caches): count after it.
    cycle();
    const Census before = takeCensus();
    constexpr int cycles = 1000;
    for (int i = 0; i < cycles && !QTest::currentTestFailed(); ++i)
        cycle();
    if (QTest::currentTestFailed())
        return;
    const Census after = takeCensus();

    QCOMPARE(destroyed, cycles + 1);
    QCOMPARE(after.topLevelWidgets, before.topLevelWidgets);
    QCOMPARE(after.widgets, before.widgets);
    QCOMPARE(after.objects, before.objects);
    QVERIFY(main.isVisible());
    QCOMPARE(programEndCount(), 0);
}

void TestGeometricView::controlPlaces_data()
{
    QTest::addColumn<int>("row");
    for (size_t row = 0; row < shownControls(u"Form3").size(); ++row)
        QTest::newRow(shownControls(u"Form3")[row].name) << int(row);
}

void TestGeometricView::controlPlaces()
{
    QFETCH(int, row);
    const ShownControl &control = shownControls(u"Form3").at(size_t(row));

    Form3 *view = openViewFromMainWindow();
    QVERIFY(view);
    auto *widget = view->content().findChild<QWidget *>(QString::fromLatin1(control.name), Qt::FindDirectChildrenOnly);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), control.rect);
    QVERIFY(widget->isVisible());
    QCOMPARE(shownText(widget), QString::fromUtf8(control.text));
}

// clang-format off
void TestGeometricView::loadingCopiesTheTextsUnchanged_data()
{
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("moon");
    QTest::addColumn<QString>("phase");

    QTest::newRow("digits, empty, letters") << "30" << "" << "abc";
    QTest::newRow("letters, digits, empty") << "abc" << "30" << "";
    QTest::newRow("empty, letters, digits") << "" << "abc" << "30";
    QTest::newRow("blanks and signs are not trimmed") << " 30 " << "+120.50" << "-0";
    QTest::newRow("numbers are not converted") << "1e308" << "90abc" << "21.0";
}
// clang-format on

void TestGeometricView::loadingCopiesTheTextsUnchanged()
{
    QFETCH(QString, sun);
    QFETCH(QString, moon);
    QFETCH(QString, phase);

    setMainFields(sun, moon, phase);
    Form3 *view = openViewFromMainWindow();
    QVERIFY(view);
    QCOMPARE(boxTexts(u"Form3"), (QStringList{sun, moon, phase}));
    // The view never writes back.
    QCOMPARE(Forms::get<Form1>().Text1().text(), sun);
    QCOMPARE(Forms::get<Form1>().Text2().text(), moon);
    QCOMPARE(Forms::get<Form1>().Text3().text(), phase);
}

void TestGeometricView::secondOpenRefreshesNothing()
{
    setMainFields(u"30"_s, u"120"_s, u"21"_s);
    Form3 *view = openViewFromMainWindow();
    QVERIFY(view);
    const QImage figure = view->surface().image();

    setMainFields(u"45"_s, QString(), u"x"_s);
    view->hide();
    QCOMPARE(openViewFromMainWindow(), view);
    QVERIFY(view->isVisible());
    QCOMPARE(Forms::loaded().size(), size_t(2));
    QCOMPARE(boxTexts(u"Form3"), (QStringList{u"30"_s, u"120"_s, u"21"_s}));
    QCOMPARE(view->surface().image(), figure);
}

void TestGeometricView::reopenAfterCloseLoadsAfresh()
{
    setMainFields(u"30"_s, QString());
    Form3 *view = openViewFromMainWindow();
    QVERIFY(view);
    press(*view, u"Command2");
    QVERIFY(countColour(view->surface().image(), SunLightRed) > 0);
    const QImage baseAndLine = view->surface().image();
    view->setZoom(200);

    view->close();
    QVERIFY(!Forms::isLoaded<Form3>());
    QVERIFY(Forms::get<Form1>().isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    Forms::get<Form1>().Text1().setText(u"75"_s);
    view = openViewFromMainWindow();
    QVERIFY(view);
    QCOMPARE(view->Text1().text(), u"75"_s);
    QCOMPARE(view->zoom(), 100);
    QCOMPARE(view->size(), QSize(312, 213));
    const QImage fresh = view->surface().image();
    QCOMPARE(countColour(fresh, SunLightRed), 0);
    QVERIFY(countColour(fresh, AxisRed) > 0);
    QVERIFY(fresh != baseAndLine);
}

void TestGeometricView::baseFigure()
{
    Form3 *view = openViewFromMainWindow();
    QVERIFY(view);
    const QImage &image = view->surface().image();
    QCOMPARE(image.devicePixelRatio(), 1.0);
    QVERIFY(image.width() >= 312 && image.height() >= 213);
    const QRgb foreground = foregroundOf(*view);

    // The base circle about the crossing of Line3 and Line4, 1050 twips round, dash-dot.
    QVERIFY2(circleCoverage(image, BaseCirclePixels, foreground) > 0.9,
             qPrintable(QString::number(circleCoverage(image, BaseCirclePixels, foreground))));
    QCOMPARE(circleCoverage(image, BaseCirclePixels - 5, foreground), 0.0);
    QCOMPARE(circleCoverage(image, BaseCirclePixels + 5, foreground), 0.0);

    // The horizontal axis from 300 to 4500 twips at 1440; dash-dot, so with gaps.
    QCOMPARE(coverageAlong(image, {20, 96}, {300, 96}, AxisRed), 1.0);
    int axisPixels = 0;
    for (int x = 20; x < 300; ++x)
        axisPixels += image.pixel(x, 96) == AxisRed ? 1 : 0;
    QVERIFY2(axisPixels > 100 && axisPixels < 260, qPrintable(QString::number(axisPixels)));
    QVERIFY(!colourNear(image, {15, 96}, AxisRed, 1));
    QVERIFY(!colourNear(image, {305, 96}, AxisRed, 1));

    // The vertical axis from 100 twips down past the bottom edge, where the window cuts it off.
    QCOMPARE(coverageAlong(image, {152, 7}, {152, 212}, AxisRed), 1.0);
    QVERIFY(colourNear(image, {152, 211}, AxisRed, 1));
    QVERIFY(!colourNear(image, {152, 3}, AxisRed, 1));

    // Nothing else is drawn.
    QCOMPARE(countColour(image, MoonGreen), 0);
    QCOMPARE(countColour(image, SunLightRed), 0);
    QCOMPARE(circleCoverage(image, 40, foreground), 0.0);

    // And the window shows it, beneath the cross of the line controls.
    const QImage shown = view->grab().toImage();
    QVERIFY(circleCoverage(shown, BaseCirclePixels, foreground) > 0.9);
}

// clang-format off
void TestGeometricView::figureButtons_data()
{
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("moon");
    QTest::addColumn<QString>("sunShown");
    QTest::addColumn<QString>("moonShown");
    QTest::addColumn<double>("sunDrawnAs"); // degrees
    QTest::addColumn<double>("moonDrawnAs");

    QTest::newRow("Sun 30 up-right, Moon 120 down-right") << "30" << "120" << "30" << "120" << 30.0 << 120.0;
    QTest::newRow("Sun 0 up, Moon 180 down") << "0" << "180" << "0" << "180" << 0.0 << 180.0;
    QTest::newRow("Sun 90 followed by letters, Moon empty") << "90abc" << "" << "90" << "0" << 90.0 << 0.0;
    QTest::newRow("Sun 400 as 40, Moon -90 as 270") << "400" << "-90" << "400" << "-90" << 40.0 << 270.0;
    QTest::newRow("blanks first, fractions") << "  225.5" << "\t300 deg" << "225.5" << "300" << 225.5 << 300.0;
    QTest::newRow("letters read as 0") << "abc" << "60" << "0" << "60" << 0.0 << 60.0;
}
// clang-format on

void TestGeometricView::figureButtons()
{
    QFETCH(QString, sun);
    QFETCH(QString, moon);
    QFETCH(QString, sunShown);
    QFETCH(QString, moonShown);
    QFETCH(double, sunDrawnAs);
    QFETCH(double, moonDrawnAs);

    setMainFields(sun, moon, u"7"_s);
    Form3 *view = openViewFromMainWindow();
    QVERIFY(view);

    press(*view, u"Command1");
    QCOMPARE(view->Text3().text(), moonShown);
    QCOMPARE(view->Text1().text(), sun); // still the copy made at loading
    verifyPositionLine(view->surface().image(), lineEndPixels(moonDrawnAs), MoonGreen);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(countColour(view->surface().image(), SunLightRed), 0);

    press(*view, u"Command2");
    QCOMPARE(view->Text1().text(), sunShown);
    QCOMPARE(view->Text3().text(), moonShown);
    verifyPositionLine(view->surface().image(), lineEndPixels(sunDrawnAs), SunLightRed);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(colourNear(view->surface().image(), lineEndPixels(moonDrawnAs), MoonGreen, 3));

    // The ring refreshes both boxes from the main window too, and never the phase.
    view->Text1().setText(u"typed"_s);
    view->Text3().setText(u"typed"_s);
    press(*view, u"Command3");
    QCOMPARE(boxTexts(u"Form3"), (QStringList{sunShown, moonShown, u"7"_s}));
    QCOMPARE(Forms::get<Form1>().Text1().text(), sun);
    QCOMPARE(Forms::get<Form1>().Text2().text(), moon);
}

void TestGeometricView::figuresAccumulate()
{
    setMainFields(QString(), u"120"_s);
    Form3 *view = openViewFromMainWindow();
    QVERIFY(view);
    press(*view, u"Command1");
    const QImage oneLine = view->surface().image();
    press(*view, u"Command1");
    QCOMPARE(view->surface().image(), oneLine);

    Forms::get<Form1>().Text2().setText(u"200"_s);
    press(*view, u"Command1");
    QCOMPARE(view->Text3().text(), u"200"_s);
    const QImage &image = view->surface().image();
    verifyPositionLine(image, lineEndPixels(120), MoonGreen);
    verifyPositionLine(image, lineEndPixels(200), MoonGreen);
    // The base figure is still beneath them.
    QVERIFY(circleCoverage(image, BaseCirclePixels, foregroundOf(*view)) > 0.9);
    QVERIFY(countColour(image, AxisRed) > 100);
}

void TestGeometricView::phaseRingWithEmptyFields()
{
    setMainFields(QString(), QString(), u"21"_s);
    Form3 *view = openViewFromMainWindow();
    QVERIFY(view);
    const QRgb foreground = foregroundOf(*view);
    QCOMPARE(circleCoverage(view->surface().image(), RingPixels, foreground), 0.0);

    press(*view, u"Command3");
    QCOMPARE(boxTexts(u"Form3"), (QStringList{u"0"_s, u"0"_s, u"21"_s}));
    const QImage &image = view->surface().image();

    // The ring's circle just outside the base circle, which is still there.
    QVERIFY2(circleCoverage(image, RingPixels, foreground) > 0.95,
             qPrintable(QString::number(circleCoverage(image, RingPixels, foreground))));
    QVERIFY(circleCoverage(image, BaseCirclePixels, foreground) > 0.9);
    QCOMPARE(circleCoverage(image, RingPixels + 5, foreground), 0.0);

    // 28 radii, 6.28 / 28 radians apart counter-clockwise from pointing right, out to the ring; none between.
    const double step = 6.28 / 28;
    for (int day = 1; day <= 28; ++day) {
        const double t = day * step;
        const double coverage = coverageAlong(image, onCircle(Centre, 20, qRadiansToDegrees(t)),
                                              onCircle(Centre, RingPixels, qRadiansToDegrees(t)), foreground);
        QVERIFY2(coverage > 0.9, qPrintable(u"day %1's radius covers %2"_s.arg(day).arg(coverage)));
        for (double r : {35.0, 50.0, 65.0}) {
            QVERIFY2(!colourNear(image, onCircle(Centre, r, qRadiansToDegrees(t + step / 2)), foreground, 1),
                     qPrintable(u"drawn between day %1 and the next, %2 from the centre"_s.arg(day).arg(r)));
        }
    }
    // Pressing again draws the same ring over itself.
    const QImage once = image;
    press(*view, u"Command3");
    QCOMPARE(view->surface().image(), once);
    // Kept once: the base figure and the ring's 28 calls, however often it is pressed.
    QCOMPARE(view->drawing().size(), size_t(3 + 28));
}

void TestGeometricView::pressAfterMainWindowClosedReadsZero()
{
    setMainFields(u"30"_s, u"120"_s);
    Form3 *view = openViewFromMainWindow();
    QVERIFY(view);
    Forms::get<Form1>().close();
    QVERIFY(!Forms::isLoaded<Form1>());
    QVERIFY(view->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    press(*view, u"Command2");
    QVERIFY(Forms::isLoaded<Form1>());
    QVERIFY(!Forms::get<Form1>().isVisible());
    QCOMPARE(Forms::get<Form1>().Text1().text(), QString());
    QCOMPARE(view->Text1().text(), u"0"_s);
    verifyPositionLine(view->surface().image(), lineEndPixels(0), SunLightRed);
    if (QTest::currentTestFailed())
        return;

    // Closing the view leaves only a main window that the user closed and never saw again: the program ends, rather
    // than bring back an empty main window.
    view->close();
    QVERIFY(Forms::loaded().empty());
    QCOMPARE(programEndCount(), 1);
}

// The Sun's line at 0 runs up Line4 and the Moon's line at 90 right along Line3: both show on the screen, over the
// line controls of the cross.
void TestGeometricView::linesAlongTheCrossShow()
{
    setMainFields(u"0"_s, u"90"_s);
    Form3 *view = openViewFromMainWindow();
    QVERIFY(view);
    press(*view, u"Command2");
    press(*view, u"Command1");

    const QImage shown = view->grab().toImage();
    // The Sun's line runs up to y 29, the Moon's right to x 235. Dash-dot: more than half of each stretch is drawn,
    // within a pixel of the cross.
    int sunPixels = 0, moonPixels = 0;
    for (int along = 0; along < 60; ++along) {
        for (int across = -1; across <= 1; ++across) {
            sunPixels += shown.pixel(152 + across, 90 - along) == SunLightRed;
            moonPixels += shown.pixel(160 + along, 96 + across) == MoonGreen;
        }
    }
    QVERIFY2(sunPixels > 30 && moonPixels > 30, qPrintable(u"%1 %2"_s.arg(sunPixels).arg(moonPixels)));
}

// clang-format off
void TestGeometricView::positionTooLargeStopsBeforeTheLine_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("moon");
    QTest::addColumn<QString>("written"); // into the box beside the button

    QTest::newRow("Sun 1e308, Sun's line") << "Command2" << "1e308" << "" << "1E+308";
    QTest::newRow("Sun -3e307, Sun's line") << "Command2" << "-3e307" << "" << "-3E+307";
    QTest::newRow("Moon 2.9e307, Moon's line") << "Command1" << "" << "2.9e307" << "2.9E+307";
}
// clang-format on

void TestGeometricView::positionTooLargeStopsBeforeTheLine()
{
    QFETCH(QString, button);
    QFETCH(QString, sun);
    QFETCH(QString, moon);
    QFETCH(QString, written);

    Form3 *view = openViewFromMainWindow();
    QVERIFY(view);
    const QImage before = view->surface().image();
    setMainFields(sun, moon);

    press(*view, button);
    m_expectedErrors = {RuntimeError::Overflow};
    QCOMPARE(m_messages.errorNumbers(), m_expectedErrors);
    // The box was written before the fault stopped the press; nothing was drawn.
    QCOMPARE((button == u"Command2" ? view->Text1() : view->Text3()).text(), written);
    QCOMPARE(view->surface().image(), before);
    QVERIFY(view->isVisible());
}

void TestGeometricView::figureLeavesTheScreen_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("printed"); // Ctrl+P to a PDF file rather than Ctrl+S

    QTest::newRow("printed") << "printed.pdf" << true;
    QTest::newRow("PNG") << "figure.png" << false;
    QTest::newRow("SVG") << "figure.svg" << false;
    QTest::newRow("PDF, capital extension") << "figure.PDF" << false;
}

void TestGeometricView::figureLeavesTheScreen()
{
    QFETCH(QString, fileName);
    QFETCH(bool, printed);
    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    QPageLayout printLayout;
    FigureExport::setDialogs({[&](QWidget *) { return path; },
                              [&](QWidget *, QPrinter &printer) {
                                  printer.setOutputFormat(QPrinter::PdfFormat);
                                  printer.setOutputFileName(path);
                                  printLayout = printer.pageLayout();
                                  return true;
                              }});
    Form3 *view = openWithBothLines();
    QVERIFY(view);
    QVERIFY(showAndWait(*view, ShownUntil::Active));
    QTest::keyClick(view, printed ? Qt::Key_P : Qt::Key_S, Qt::ControlModifier);
    QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{fileName});

    QImage picture;
    QString text;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png") {
        picture = QImage(path);
        QCOMPARE(picture.size(), QSize(624, 474));
    } else if (suffix == u"svg") {
        QSvgRenderer svg(path);
        QVERIFY(svg.isValid());
        picture = QImage(svg.defaultSize(), QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        svg.render(&painter);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        text = QString::fromUtf8(file.readAll());
    } else {
        picture = pdfPage(path);
        text = pdfText(path);
    }
    QVERIFY(!picture.isNull());
    picture = picture.convertToFormat(QImage::Format_RGB32);
    // A printed page holds the sheet in its printable area; a file is the sheet.
    const QRectF area = printed ? QRectF(printLayout.paintRect(QPageLayout::Point).topLeft() * 96 / 72,
                                         printLayout.paintRect(QPageLayout::Point).size() * 96 / 72)
                                : QRectF(picture.rect());
    if (suffix != u"png")
        QVERIFY2(text.contains(BothLinesQuantities), qPrintable(text));

    // The lines at their angles, and not mirrored; the axes reach as far as on the screen.
    for (const auto &[degrees, colour, mirrored] :
         {std::tuple{30.0, SunLightRed, 330.0}, std::tuple{325.0, MoonGreen, 35.0}}) {
        const double coverage = sheetLineCoverage(picture, area, degrees, colour);
        QVERIFY2(coverage > 0.7, qPrintable(u"%1 degrees: %2"_s.arg(degrees).arg(coverage)));
        QVERIFY(sheetLineCoverage(picture, area, mirrored, colour) < 0.2);
    }
    for (const QPointF axisPoint : {QPointF(24, 96), QPointF(296, 96), QPointF(152, 10)})
        QVERIFY(pixelNear(picture, onSheet(area, axisPoint), roughly(AxisRed), 2));
    QVERIFY(!pixelNear(picture, onSheet(area, {14, 96}), roughly(AxisRed), 1));
}

// clang-format off
void TestGeometricView::failedSaveLeavesNothing_data()
{
    QTest::addColumn<QString>("name"); // within a folder that holds one file, file.txt
    QTest::addColumn<QString>("reason");

    QTest::newRow("folder that does not exist") << "missing/figure.png" << "No such file or directory";
    QTest::newRow("under a regular file") << "file.txt/figure.svg" << "Not a directory";
    QTest::newRow("unknown extension") << "figure.gif" << ".png, .svg or .pdf";
}
// clang-format on

void TestGeometricView::failedSaveLeavesNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QFile existing(dir.filePath(u"file.txt"_s));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    Form3 *view = openWithBothLines();
    QVERIFY(view);

    const QString path = dir.filePath(name);
    QVERIFY(!FigureExport::saveTo(*view, path));
    m_expectedErrors = {0};
    QCOMPARE(m_messages.messages().size(), size_t(1));
    const QString message = m_messages.messages().front().text;
    QVERIFY2(message.contains(path) && message.contains(reason), qPrintable(message));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{u"file.txt"_s});
}

void TestGeometricView::copyTakesTheFigureOrTheSelection_data()
{
    QTest::addColumn<bool>("selectSun");
    QTest::addColumn<QString>("phaseBox");
    QTest::addColumn<bool>("image");
    QTest::addColumn<QString>("text");

    QTest::newRow("nothing selected") << false << "5" << true << BothLinesQuantities;
    QTest::newRow("an empty box said so") << false << "" << true << "Sun 30, Moon 325, phase (empty)";
    QTest::newRow("the Sun's box selected") << true << "5" << false << "30";
}

void TestGeometricView::copyTakesTheFigureOrTheSelection()
{
    QFETCH(bool, selectSun);
    QFETCH(QString, phaseBox);
    QFETCH(bool, image);
    QFETCH(QString, text);
    Form3 *view = openWithBothLines();
    QVERIFY(view);
    view->Text4().setText(phaseBox);
    QVERIFY(showAndWait(*view, ShownUntil::Active));
    QLineEdit &sun = view->Text1();
    sun.setFocus();
    if (selectSun)
        sun.selectAll();
    else
        sun.deselect();
    QGuiApplication::clipboard()->clear();

    QTest::keyClick(&sun, Qt::Key_C, Qt::ControlModifier);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QVERIFY(copied);
    QCOMPARE(copied->text(), text);
    QCOMPARE(copied->hasImage(), image);
    if (image) {
        const QImage picture = qvariant_cast<QImage>(copied->imageData());
        QCOMPARE(picture.size(), QSize(624, 474));
        QVERIFY(sheetLineCoverage(picture.convertToFormat(QImage::Format_RGB32), picture.rect(), 30, SunLightRed)
                > 0.7);
    }
}

void TestGeometricView::clearingLeavesTheBaseFigure_data()
{
    QTest::addColumn<bool>("byKey"); // Ctrl+Delete in a box, or the context menu's entry

    QTest::newRow("Ctrl+Delete in the Sun's box") << true;
    QTest::newRow("context menu") << false;
}

void TestGeometricView::clearingLeavesTheBaseFigure()
{
    QFETCH(bool, byKey);
    setMainFields(u"30"_s, u"120"_s);
    Form3 *view = openViewFromMainWindow();
    QVERIFY(view);
    QVERIFY(showAndWait(*view, ShownUntil::Active));
    const QImage fresh = view->surface().image();
    for (const char16_t *button : {u"Command1", u"Command2", u"Command3"})
        press(*view, button);
    QVERIFY(view->surface().image() != fresh);

    if (byKey) {
        view->Text1().setFocus();
        view->Text1().setCursorPosition(0);
        QTest::keyClick(&view->Text1(), Qt::Key_Delete, Qt::ControlModifier);
    } else {
        const QList<QAction *> actions = view->actions();
        const auto clear = std::find_if(actions.begin(), actions.end(), [](const QAction *action) {
            return action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_Delete);
        });
        QVERIFY(clear != actions.end() && view->contextMenuPolicy() == Qt::ActionsContextMenu);
        QVERIFY((*clear)->isShortcutVisibleInContextMenu());
        (*clear)->trigger();
    }
    QCOMPARE(view->surface().image(), fresh);
    QCOMPARE(view->drawing().size(), size_t(3));
    QCOMPARE(view->Text1().text(), u"30"_s); // the key deleted no word of the box
    // A screen reader is told the figure as it now is.
    QVERIFY2(view->accessibleDescription().endsWith(u"Nothing drawn yet."), qPrintable(view->accessibleDescription()));

    // The figure buttons draw again, still dash-dot.
    press(*view, u"Command2");
    verifyPositionLine(view->surface().image(), lineEndPixels(30), SunLightRed);
    QCOMPARE(view->drawing().operations().back().style, Qt::DashDotLine);
}

void TestGeometricView::zoomDrawsTheFigureAgain_data()
{
    QTest::addColumn<int>("zoom");

    QTest::newRow("125%") << 125;
    QTest::newRow("200%") << 200;
    QTest::newRow("300%") << 300;
}

// Drawn again from the record at the zoom, not magnified: lines at the scaled places, one pixel of the zoom wide and
// without smoothing, whether drawn before the zoom (the Sun's) or during it (the Moon's).
void TestGeometricView::zoomDrawsTheFigureAgain()
{
    QFETCH(int, zoom);
    const double scale = zoom / 100.0;
    setMainFields(u"90"_s, u"325"_s);
    Form3 *view = openViewFromMainWindow();
    QVERIFY(view);
    QVERIFY(showAndWait(*view));
    press(*view, u"Command2");
    view->setZoom(zoom);
    press(*view, u"Command1");
    QCOMPARE(view->size(), QSize(std::lround(312 * scale), std::lround(213 * scale)));

    const QImage surface = view->surface().image();
    verifyPositionLine(surface, lineEndPixels(325), MoonGreen, scale);
    verifyPositionLine(surface, lineEndPixels(90), SunLightRed, scale);
    int thickest = 0;
    for (int x = int(165 * scale); x <= int(210 * scale); ++x) {
        int rows = 0;
        for (int y = int(88 * scale); y <= int(104 * scale); ++y)
            rows += qAlpha(surface.pixel(x, y)) != 0 ? 1 : 0;
        thickest = std::max(thickest, rows);
    }
    QCOMPARE_GE(thickest, int(std::floor(scale)));
    QCOMPARE_LE(thickest, int(std::ceil(scale)));
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x)
            QVERIFY(qAlpha(surface.pixel(x, y)) == 0 || qAlpha(surface.pixel(x, y)) == 255);
    }
}

// The context menu ends with the zoom, shortcuts shown; Ctrl+0 gives back the screen exactly as it was at 100%.
void TestGeometricView::zoomFromTheMenuAndBack()
{
    Form3 *view = openWithBothLines();
    QVERIFY(view);
    press(*view, u"Command3");
    QVERIFY(showAndWait(*view, ShownUntil::Active));
    const QImage designed = view->grab().toImage();
    const QList<QAction *> menu = view->actions();
    // Then the Close, after its separator.
    QCOMPARE(menu.mid(menu.size() - 5, 3), view->zoomActions());
    QCOMPARE(menu.back()->shortcuts(), closeKeys());
    QCOMPARE(view->zoomActions()[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Plus));
    for (QAction *zoom : view->zoomActions())
        QVERIFY(zoom->isShortcutVisibleInContextMenu());

    view->zoomActions()[0]->trigger();
    view->zoomActions()[0]->trigger();
    view->zoomActions()[1]->trigger();
    QCOMPARE(view->zoom(), 125);
    QTest::keyClick(view, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(view->zoom(), 100);
    QCOMPARE(view->grab().toImage(), designed);
}

QTEST_MAIN(TestGeometricView)
#include "tst_geometric_view.moc"

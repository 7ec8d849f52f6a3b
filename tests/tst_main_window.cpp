// SPDX-License-Identifier: MIT
#include "form3.h"
#include "form1.h"
#include "app.h"
#include "picture_file.h"
#include "presentation_box.h"
#include "forms.h"
#include "runtime_error.h"
#include "shown_controls.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QLabel>
#include <QtTest>

#include <set>

using namespace Qt::StringLiterals;

namespace {

// The scroll bars the window shows.
QList<QScrollBar *> shownScrollBars(const QWidget &window)
{
    QList<QScrollBar *> shown;
    for (QScrollBar *bar : window.findChildren<QScrollBar *>()) {
        if (bar->isVisibleTo(&window))
            shown.append(bar);
    }
    return shown;
}

const QString DocumentName = u"Ipotesi sulla Dorlasco della Necropoli 270902f.ppt"_s;
const QStringList &TextBoxes = textBoxNames(u"Form1");

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor Green(0, 255, 0);
const QColor Black(0, 0, 0);

// A spot inside the box that neither compass line nor the Sun's red line crosses.
const QPoint PlateProbe(220, 260);
// A spot where nothing is painted.
const QPoint EmptySpot(700, 150);

// Form_Load is the window's own; the probe lets a test run it again on a window that already has texts.
class LoadStepProbe : public Form1
{
public:
    using Form1::Form_Load;
};

bool near(QColor actual, QColor expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance
           && std::abs(actual.green() - expected.green()) <= tolerance
           && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

int countNear(const QImage &image, const QRect &area, QColor colour, int tolerance)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (near(image.pixelColor(x, y), colour, tolerance))
                ++count;
        }
    }
    return count;
}

QImage screenOf(QWidget &window)
{
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool writeSolidJpeg(const QString &path, QColor colour)
{
    QImage picture(120, 120, QImage::Format_RGB32);
    picture.fill(colour);
    return picture.save(path, "JPEG", 95);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenRaiseWarnings(); }
    void init() { resetProgramState(); }
    void cleanup() { resetProgramState(); }
    void windowsCarryTheIcon();

    void controls_data();
    void controls();
    void designFaceResolvesToLiberationSans();
    void noOtherControls();
    void paintedColours_data();
    void paintedColours();
    void compassLinesAreThreePixelsWide_data();
    void compassLinesAreThreePixelsWide();
    void plateFillsImage1();

    void startLeavesEveryTextBoxEmpty();
    void loadStep_data();
    void loadStep();
    void startWithoutPicture();

    void reloadShowsThePictureOnDisk_data();
    void reloadShowsThePictureOnDisk();

    void turnButtonChangesNothing();

    void closingMainWindowUnloadsIt();
    void closingMainWindowWithViewOpenKeepsProgram();

    void presentationNotPresent_data();
    void presentationNotPresent();
    void presentationFound_data();
    void presentationFound();
    void zoomKeysStayWithinBounds_data();
    void zoomKeysStayWithinBounds();
    void zoomScalesPlacesFontsAndPlate_data();
    void zoomScalesPlacesFontsAndPlate();
    void windowLargerThanTheScreenScrolls_data();
    void windowLargerThanTheScreenScrolls();
};

void TestMainWindow::controls_data()
{
    QTest::addColumn<int>("row");
    for (size_t row = 0; row < shownControls(u"Form1").size(); ++row)
        QTest::newRow(shownControls(u"Form1")[row].name) << int(row);
}

void TestMainWindow::controls()
{
    QFETCH(int, row);
    const ShownControl &control = shownControls(u"Form1").at(size_t(row));
    const QString name = QString::fromLatin1(control.name);

    Form1 &window = Forms::get<Form1>();
    QCOMPARE(window.windowTitle(), u"Dorlasco's astrolabe simulator"_s);
    QCOMPARE(window.size(), QSize(977, 705));

    auto *widget = window.findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->parentWidget(), &window.content());
    QCOMPARE(widget->geometry(), control.rect);
    QCOMPARE(shownText(widget), QString::fromUtf8(control.text));
    QVERIFY(widget->isVisibleTo(&window));
    QVERIFY(widget->isEnabled());
    // The design's face, through the installed face it stands for.
    QCOMPARE(QFontInfo(widget->font()).family(), QFontInfo(QFont(u"MS Sans Serif"_s)).family());
    QCOMPARE(widget->font().pointSizeF(), control.points);
    QCOMPARE(widget->font().bold(), control.bold);
    QCOMPARE(widget->font().italic(), control.italic);
    const QColor colour = control.colour.isValid() ? control.colour : window.palette().color(QPalette::WindowText);
    QCOMPARE(widget->palette().color(QPalette::WindowText), colour);
    if (auto *box = qobject_cast<QLineEdit *>(widget)) {
        QVERIFY(!box->isReadOnly());
        QCOMPARE(box->echoMode(), QLineEdit::Normal);
    }
    if (!qobject_cast<QLabel *>(widget))
        return;
    // A label is beneath every windowed control that it overlaps.
    const QObjectList &stack = window.content().children();
    for (QObject *child : stack) {
        auto *other = qobject_cast<QWidget *>(child);
        if (other && !qobject_cast<QLabel *>(other) && other->geometry().intersects(control.rect))
            QVERIFY2(stack.indexOf(widget) < stack.indexOf(other), qPrintable(other->objectName()));
    }
}

// The window holds no widget beyond those above: the image and the lines are painted beneath the widgets, which
// would cover them.
void TestMainWindow::noOtherControls()
{
    std::set<QString> expected;
    for (const ShownControl &control : shownControls(u"Form1"))
        expected.insert(QString::fromLatin1(control.name));
    std::set<QString> widgets;
    for (QWidget *widget : Forms::get<Form1>().content().findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(widgets.insert(widget->objectName()).second, qPrintable(widget->objectName() + u" twice"_s));
    QCOMPARE(widgets, expected);
}

// Task bars draw the window's own icon: each window carries the astrolabe's, drawn, at the sizes they ask for.
void TestMainWindow::windowsCarryTheIcon()
{
    for (const Form *window : std::initializer_list<const Form *>{&Forms::get<Form1>(), &Forms::get<Form3>()}) {
        const QIcon icon = window->windowIcon();
        for (const int size : {16, 32, 64}) {
            const QImage picture = icon.pixmap(QSize(size, size)).toImage();
            QCOMPARE(picture.size(), QSize(size, size));
            int drawn = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x)
                    drawn += qAlpha(picture.pixel(x, y)) > 128 ? 1 : 0;
            QVERIFY2(drawn > size * size / 3, qPrintable(window->name() + u' ' + QString::number(size)));
        }
    }
}

void TestMainWindow::designFaceResolvesToLiberationSans()
{
    // Without the substitute the face falls to whatever the system picks, with other widths, and captions get cut.
    if (!QFontDatabase::families().contains(u"Liberation Sans"_s))
        QSKIP("Liberation Sans is not installed here");
    const Form1 &window = Forms::get<Form1>();
    QCOMPARE(QFontInfo(window.button(u"Command1").font()).family(), u"Liberation Sans"_s);
    QCOMPARE(QFontInfo(window.Text1().font()).family(), u"Liberation Sans"_s);
}

void TestMainWindow::paintedColours_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<bool>("present");

    // The compass lines, away from the plate, and just past their ends.
    QTest::newRow("Line3 west of the plate") << QRect(100, 215, 1, 3) << Blue << true;
    QTest::newRow("Line3 east of the plate") << QRect(450, 215, 1, 3) << Blue << true;
    QTest::newRow("Line3 starts at x 64") << QRect(64, 216, 1, 1) << Blue << true;
    QTest::newRow("nothing west of Line3") << QRect(58, 212, 5, 9) << Blue << false;
    QTest::newRow("nothing east of Line3") << QRect(529, 212, 5, 9) << Blue << false;
    QTest::newRow("Line4 above the plate") << QRect(287, 60, 3, 1) << Blue << true;
    QTest::newRow("Line4 below the plate") << QRect(287, 400, 3, 1) << Blue << true;
    QTest::newRow("nothing above Line4") << QRect(284, 10, 9, 5) << Blue << false;
    QTest::newRow("nothing below Line4") << QRect(284, 433, 9, 5) << Blue << false;
    // Line5 runs from the crossing at (288, 216) to (592, 192).
    QTest::newRow("Line5 red toward West") << QRect(449, 201, 3, 5) << Red << true;
    QTest::newRow("Line2 default colour") << QRect(823, 190, 3, 5) << Black << true;
    // Label text in its own colour, inside its box.
    QTest::newRow("Label1 South blue") << QRect(304, 8, 57, 25) << Blue << true;
    QTest::newRow("Label5 red") << QRect(408, 160, 185, 25) << Red << true;
    QTest::newRow("Label6 title blue") << QRect(504, 32, 473, 41) << Blue << true;
    QTest::newRow("Label18 red") << QRect(8, 56, 185, 25) << Red << true;
    QTest::newRow("Label19 green") << QRect(600, 304, 105, 33) << Green << true;
    QTest::newRow("Label9 default colour") << QRect(32, 256, 121, 137) << Black << true;
    QTest::newRow("Label9 not blue") << QRect(32, 256, 121, 137) << Blue << false;
}

void TestMainWindow::paintedColours()
{
    QFETCH(QRect, area);
    QFETCH(QColor, colour);
    QFETCH(bool, present);

    Form1 &window = Forms::get<Form1>();
    const QImage screen = screenOf(window);
    const int found = countNear(screen, area, colour, 60);
    if (present)
        QVERIFY2(found > 0, qPrintable(u"no %1 pixel"_s.arg(colour.name())));
    else
        QCOMPARE(found, 0);
}

void TestMainWindow::compassLinesAreThreePixelsWide_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("step");

    QTest::newRow("Line3 west") << QPoint(100, 206) << QPoint(0, 1);
    QTest::newRow("Line3 east") << QPoint(480, 206) << QPoint(0, 1);
    QTest::newRow("Line4 north") << QPoint(278, 40) << QPoint(1, 0);
    QTest::newRow("Line4 south") << QPoint(278, 380) << QPoint(1, 0);
}

void TestMainWindow::compassLinesAreThreePixelsWide()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, step);

    Form1 &window = Forms::get<Form1>();
    const QImage screen = screenOf(window);
    QList<int> blueAt;
    for (int i = 0; i < 20; ++i) {
        const QPoint p = from + i * step;
        if (screen.pixelColor(p) == Blue)
            blueAt << i;
    }
    // Centred on the line's coordinate, 216 across or 288 down.
    QCOMPARE(blueAt, QList<int>({9, 10, 11}));
}

void TestMainWindow::plateFillsImage1()
{
    Form1 &window = Forms::get<Form1>();
    QVERIFY(window.imageHasPicture(u"Image1"));
    QImage plate(builtPlatePath());
    QVERIFY(!plate.isNull());
    plate = plate.scaled(PlateBox.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
    const QImage screen = screenOf(window);

    // Away from the compass lines and the Sun's line, the box shows the whole picture, stretched to fit.
    int compared = 0;
    for (int y = PlateBox.top() + 2; y < PlateBox.bottom(); y += 10) {
        for (int x = PlateBox.left() + 2; x < PlateBox.right(); x += 10) {
            if (std::abs(x - 288) < 4 || std::abs(y - 216) < 4 || (x > 284 && y > 196 && y < 220))
                continue;
            const QColor expected = plate.pixelColor(x - PlateBox.left(), y - PlateBox.top());
            QVERIFY2(near(screen.pixelColor(x, y), expected, 24),
                     qPrintable(u"(%1, %2): %3, expected %4"_s.arg(x).arg(y).arg(screen.pixelColor(x, y).name(),
                                                                                 expected.name())));
            ++compared;
        }
    }
    QVERIFY(compared > 300);
}

void TestMainWindow::startLeavesEveryTextBoxEmpty()
{
    MessageRecorder recorder;
    Form1 &window = Forms::get<Form1>();
    for (const QString &name : TextBoxes)
        QVERIFY2(window.textBox(name).text().isEmpty(), qPrintable(name));
    QVERIFY(window.imageHasPicture(u"Image1"));
    QVERIFY(recorder.messages().empty());
    // Naming the window loads it; it shows only when asked.
    QVERIFY(!window.isVisible());
}

void TestMainWindow::loadStep_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("emptied");
    QTest::addColumn<bool>("pictureMissing");

    // The fields are emptied before the picture is read, so a missing picture leaves them emptied too.
    for (const bool missing : {false, true}) {
        for (const QString &field : TextBoxes) {
            const QString row = field + (missing ? u", picture missing"_s : u", picture present"_s);
            QTest::newRow(qPrintable(row)) << field << (field != u"Text4") << missing;
        }
    }
}

void TestMainWindow::loadStep()
{
    QFETCH(QString, field);
    QFETCH(bool, emptied);
    QFETCH(bool, pictureMissing);

    QTemporaryDir emptyFolder;
    if (pictureMissing)
        App::setPathForTesting(emptyFolder.path());

    LoadStepProbe window;
    window.textBox(field).setText(u"45"_s);
    int error = 0;
    try {
        window.Form_Load();
    } catch (const RuntimeError &e) {
        error = e.number();
    }
    QCOMPARE(error, pictureMissing ? int(RuntimeError::FileNotFound) : 0);
    QCOMPARE(window.textBox(field).text(), emptied ? QString() : u"45"_s);
    QCOMPARE(window.imageHasPicture(u"Image1"), !pictureMissing);
}

void TestMainWindow::startWithoutPicture()
{
    QTemporaryDir emptyFolder;
    App::setPathForTesting(emptyFolder.path());

    // What the user would have seen, and whether the main window was on screen at that moment.
    std::vector<std::pair<UserMessage, bool>> shown;
    setMessageSink([&shown](const UserMessage &message) {
        const bool windowVisible = Forms::isLoaded<Form1>() && Forms::get<Form1>().isVisible();
        shown.emplace_back(message, windowVisible);
    });
    const auto restore = qScopeGuard([] { setMessageSink({}); });

    // The start, as the program makes it.
    Forms::get<Form1>();
    Form1 &window = Forms::get<Form1>();
    window.bringToFront();

    QCOMPARE(shown.size(), size_t(1));
    const auto &[message, windowVisible] = shown.front();
    QCOMPARE(message.kind, MessageKind::Error);
    QCOMPARE(message.errorNumber, int(RuntimeError::FileNotFound));
    QVERIFY2(message.text.contains(QDir(emptyFolder.path()).filePath(PlateFileName)), qPrintable(message.text));
    QVERIFY(!windowVisible);

    QVERIFY(window.isVisible());
    QVERIFY(!window.imageHasPicture(u"Image1"));
    for (const QString &name : TextBoxes)
        QVERIFY2(window.textBox(name).text().isEmpty(), qPrintable(name));
    const QImage screen = screenOf(window);
    QCOMPARE(screen.pixelColor(PlateProbe), screen.pixelColor(EmptySpot));
    QCOMPARE(screen.pixelColor(100, 216), Blue);
}

void TestMainWindow::reloadShowsThePictureOnDisk_data()
{
    QTest::addColumn<bool>("replaced");
    QTest::newRow("the same picture") << false;
    QTest::newRow("another picture") << true;
}

// A click on the small square reads the picture again from disk and shows it; the fields keep their texts.
void TestMainWindow::reloadShowsThePictureOnDisk()
{
    QFETCH(bool, replaced);
    ProgramFolder folder;
    QVERIFY(folder.useWithPlate());
    MessageRecorder recorder;
    Form1 &window = openWindow<Form1>();
    window.Text1().setText(u"45"_s);
    const qint64 firstPicture = window.pictureCacheKey(u"Image1");
    const QImage before = screenOf(window);
    const QColor newColour(40, 170, 60);
    QVERIFY(!near(before.pixelColor(PlateProbe), newColour, 30));

    if (replaced) {
        QVERIFY(QFile::remove(folder.plate()));
        QVERIFY(writeSolidJpeg(folder.plate(), newColour));
    }
    press(window, u"Picture1");

    QVERIFY(recorder.messages().empty());
    QVERIFY(window.pictureCacheKey(u"Image1") != firstPicture);
    QCOMPARE(window.Text1().text(), u"45"_s);
    const QImage screen = screenOf(window);
    if (!replaced) {
        QCOMPARE(screen.copy(PlateBox), before.copy(PlateBox));
        return;
    }
    QVERIFY2(near(screen.pixelColor(PlateProbe), newColour, 8), qPrintable(screen.pixelColor(PlateProbe).name()));
    QVERIFY(near(screen.pixelColor(PlateBox.topLeft()), newColour, 8));
    QVERIFY(near(screen.pixelColor(PlateBox.bottomRight()), newColour, 8));
}

void TestMainWindow::turnButtonChangesNothing()
{
    MessageRecorder recorder;
    Form1 &window = openWindow<Form1>();
    QStringList texts;
    for (const QString &name : TextBoxes) {
        texts << (name == u"Text1" ? u"45"_s : name + u" text"_s);
        window.textBox(name).setText(texts.last());
    }
    const qint64 picture = window.pictureCacheKey(u"Image1");

    // Nothing is remembered between presses either.
    for (int n = 0; n < 3; ++n)
        press(window, u"Command2");

    for (qsizetype i = 0; i < TextBoxes.size(); ++i)
        QCOMPARE(window.textBox(TextBoxes.at(i)).text(), texts.at(i));
    QCOMPARE(window.pictureCacheKey(u"Image1"), picture);
    QVERIFY(window.isVisible());
    QCOMPARE(Forms::loaded().size(), size_t(1));
    QVERIFY(!Forms::isLoaded<Form3>());
    QVERIFY(recorder.messages().empty());
}

void TestMainWindow::closingMainWindowUnloadsIt()
{
    MessageRecorder recorder;
    Form1 &window = openWindow<Form1>();
    window.Text1().setText(u"45"_s);
    window.Text4().setText(u"formula"_s);
    QPointer<Form1> closed(&window);

    QVERIFY(window.close());
    QCOMPARE(programEndCount(), 1);
    QVERIFY(!Forms::isLoaded<Form1>());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(closed.isNull());

    // Named again, it comes back fresh and out of sight.
    Form1 &again = Forms::get<Form1>();
    QVERIFY(!again.isVisible());
    for (const QString &name : TextBoxes)
        QVERIFY2(again.textBox(name).text().isEmpty(), qPrintable(name));
    QVERIFY(again.imageHasPicture(u"Image1"));
    QCOMPARE(programEndCount(), 1);
    QVERIFY(recorder.messages().empty());
}

void TestMainWindow::closingMainWindowWithViewOpenKeepsProgram()
{
    MessageRecorder recorder;
    Form1 &window = openWindow<Form1>();
    press(window, u"Command3");
    QVERIFY(Forms::isLoaded<Form3>());

    QVERIFY(window.close());
    QCOMPARE(programEndCount(), 0);
    QVERIFY(!Forms::isLoaded<Form1>());

    QVERIFY(Forms::get<Form3>().close());
    QCOMPARE(programEndCount(), 1);
    QVERIFY(Forms::loaded().empty());
    QVERIFY(recorder.messages().empty());
}

void TestMainWindow::presentationNotPresent_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<int>("repeats"); // of the key, held down
    QTest::addColumn<bool>("windowsPathInCurrentFolder");

    QTest::newRow("double-click") << false << 0 << false;
    QTest::newRow("Enter key") << true << 0 << false;
    QTest::newRow("Return held: one opening") << true << 5 << false;
    // A file whose name is the design's whole Windows path, where the program was started, is not the document.
    QTest::newRow("the design's path as a name in the current folder") << false << 0 << true;
}

void TestMainWindow::presentationNotPresent()
{
    QFETCH(bool, byKeyboard);
    QFETCH(int, repeats);
    QFETCH(bool, windowsPathInCurrentFolder);

    ProgramFolder folder;
    QVERIFY(folder.useWithPlate());
    MessageRecorder recorder;
    Form1 &window = Forms::get<Form1>();
    auto &box = static_cast<PresentationBox &>(window.windowedControl(u"OLE1"));
    QCOMPARE(box.sourcePath(), u"C:\\cd\\cd\\"_s + DocumentName);
    QVERIFY(box.toolTip().contains(u"PowerPoint.Show.8"_s));

    QTemporaryDir startedIn;
    const QString startFolder = QDir::currentPath();
    const auto backToStart = qScopeGuard([&] { QDir::setCurrent(startFolder); });
    if (windowsPathInCurrentFolder) {
        QFile decoy(startedIn.filePath(box.sourcePath()));
        QVERIFY(decoy.open(QIODevice::WriteOnly));
        QVERIFY(QDir::setCurrent(startedIn.path()));
    }
    QVERIFY(box.findDocument().isEmpty());

    if (byKeyboard) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&box, &press);
        for (int i = 0; i < repeats; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(&box, &repeat);
        }
    } else
        QTest::mouseDClick(&box, Qt::LeftButton);

    QCOMPARE(recorder.messages().size(), size_t(1));
    const UserMessage &message = recorder.messages().front();
    QCOMPARE(message.kind, MessageKind::Information);
    QVERIFY2(message.text.contains(DocumentName), qPrintable(message.text));
    // The folder named is one the user can write in, not the program's.
    QVERIFY2(message.text.endsWith(u":\n"_s + QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)),
             qPrintable(message.text));
    // The main window points to what it has instead: the program's own guide.
    QVERIFY2(message.text.contains(u"is not included with this program. The program's own guide is: press F1.\n\n"_s),
             qPrintable(message.text));
}

void TestMainWindow::presentationFound_data()
{
    QTest::addColumn<QString>("folder");

    QTest::newRow("beside the program") << "program";
    // An installed program's folder is the package's: a user can put a copy only in a data folder.
    QTest::newRow("in the user's data folder") << "user";
    QTest::newRow("in a data folder of the system") << "system";
}

void TestMainWindow::presentationFound()
{
    QFETCH(QString, folder);
    ProgramFolder program;
    QVERIFY(program.useWithPlate());
    QTemporaryDir user;
    QTemporaryDir system;
    const auto restore = qScopeGuard([home = qgetenv("XDG_DATA_HOME"), dirs = qgetenv("XDG_DATA_DIRS")] {
        qputenv("XDG_DATA_HOME", home);
        qputenv("XDG_DATA_DIRS", dirs);
    });
    qputenv("XDG_DATA_HOME", QFile::encodeName(user.path()));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(system.path()));
    MessageRecorder recorder;
    const QString appFolder = QCoreApplication::applicationName();
    const QString document = folder == u"program" ? program.filePath(DocumentName)
                             : folder == u"user"  ? user.filePath(appFolder + u'/' + DocumentName)
                                                  : system.filePath(appFolder + u'/' + DocumentName);
    QVERIFY(QDir().mkpath(QFileInfo(document).path()));
    QFile file(document);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    const Form1 &window = Forms::get<Form1>();
    const auto &box = static_cast<const PresentationBox &>(window.windowedControl(u"OLE1"));
    QCOMPARE(box.findDocument(), document);
    QVERIFY(recorder.messages().empty());
}

void TestMainWindow::zoomKeysStayWithinBounds_data()
{
    QTest::addColumn<QString>("keys"); // with Ctrl: + plus, = equals, - minus, 0 zero
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("asDesigned"); // the screen back to its pixels at 100%

    QTest::newRow("plus") << "+" << 125 << false;
    QTest::newRow("equals, as plus without Shift") << "==" << 150 << false;
    QTest::newRow("no further than 300%") << "++++++++++" << 300 << false;
    QTest::newRow("no smaller than 100%") << "-" << 100 << true;
    QTest::newRow("in and out again") << "+++-" << 150 << false;
    QTest::newRow("zero, from 300%") << "++++++++0" << 100 << true;
}

void TestMainWindow::zoomKeysStayWithinBounds()
{
    QFETCH(QString, keys);
    QFETCH(int, zoom);
    QFETCH(bool, asDesigned);
    Form1 &form = openWindow<Form1>(ShownUntil::Active);
    const QImage designed = screenOf(form);
    const std::map<QChar, Qt::Key> keyOf = {
        {u'+', Qt::Key_Plus}, {u'=', Qt::Key_Equal}, {u'-', Qt::Key_Minus}, {u'0', Qt::Key_0}};
    // Typed where the focus is, in the Sun's field, which takes none of them as text.
    for (const QChar key : keys)
        QTest::keyClick(&form.Text1(), keyOf.at(key), Qt::ControlModifier);
    QCOMPARE(form.zoom(), zoom);
    QCOMPARE(form.Text1().text(), QString());
    if (asDesigned)
        QCOMPARE(screenOf(form), designed);
}

void TestMainWindow::zoomScalesPlacesFontsAndPlate_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("place"); // at 150%: each edge of the designed place times 1.5, rounded

    QTest::newRow("Sun field") << "Text1" << QRect(108, 756, 326, 50);
    QTest::newRow("view button") << "Command3" << QRect(948, 888, 302, 128);
    QTest::newRow("phase caption") << "Label13" << QRect(900, 720, 338, 38);
    QTest::newRow("reload box") << "Picture1" << QRect(420, 1008, 42, 42);
}

void TestMainWindow::zoomScalesPlacesFontsAndPlate()
{
    QFETCH(QString, control);
    QFETCH(QRect, place);
    Form1 &form = openWindow<Form1>();
    QWidget &widget = form.windowedControl(control);
    const qreal designedPoints = widget.font().pointSizeF();
    form.setZoom(150);
    QCOMPARE(form.size(), QSize(1466, 1058));
    QCOMPARE(widget.geometry(), place);
    QCOMPARE(widget.font().pointSizeF(), designedPoints * 1.5);
    QVERIFY(shownScrollBars(form).isEmpty()); // room enough on the screen

    // The plate fills its box at 150%: compare its upper-left part, clear of the compass lines.
    const QRect plateBox(276, 168, 314, 314);
    const QImage plate = LoadPicture(Form1::platePicturePath()).convertToFormat(QImage::Format_RGB32);
    const auto scaledTo = [&plate](int side) {
        return plate.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    };
    const QRect part(3, 3, 135, 135);
    const QImage shown = screenOf(form).copy(part.translated(plateBox.topLeft()));
    const double fromZoomed = meanDifference(shown, scaledTo(plateBox.width()).copy(part));
    const double fromDesigned = meanDifference(shown, scaledTo(PlateBox.width()).copy(part));
    QVERIFY2(fromZoomed < 8 && fromZoomed * 3 < fromDesigned,
             qPrintable(u"mean difference from the plate at 150% %1, at 100% %2"_s.arg(fromZoomed).arg(fromDesigned)));
}

void TestMainWindow::windowLargerThanTheScreenScrolls_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QSize>("windowSize"); // as the zoom leaves it when invalid

    QTest::newRow("zoomed past the screen") << 300 << QSize();
    QTest::newRow("smaller than its content") << 100 << QSize(400, 300);
}

void TestMainWindow::windowLargerThanTheScreenScrolls()
{
    QFETCH(int, zoom);
    QFETCH(QSize, windowSize);
    Form1 &form = openWindow<Form1>(ShownUntil::Active);
    QVERIFY(shownScrollBars(form).isEmpty());
    QWidget &phaseField = form.windowedControl(u"Text3"); // in the lower-right part
    phaseField.setFocus();
    form.setZoom(zoom);
    if (windowSize.isValid())
        form.resize(windowSize);
    const QRect room = form.screen()->availableGeometry();
    QVERIFY(room.contains(form.frameGeometry()));

    const QList<QScrollBar *> bars = shownScrollBars(form);
    QCOMPARE(bars.size(), 2);
    const QScrollBar *across = bars[0]->orientation() == Qt::Horizontal ? bars[0] : bars[1];
    const QScrollBar *down = bars[0]->orientation() == Qt::Vertical ? bars[0] : bars[1];
    const QRect visible(0, 0, down->mapTo(&form, QPoint()).x(), across->mapTo(&form, QPoint()).y());
    const auto onWindow = [&form](const QWidget &control) {
        return QRect(control.mapTo(&form, QPoint()), control.size());
    };
    // Zooming from the keyboard keeps the field being typed into in sight.
    if (!windowSize.isValid())
        QVERIFY(visible.contains(onWindow(phaseField)));

    // The focus brings each control into sight, the last one in the window's lower-right part first.
    for (const char16_t *name : {u"Command3", u"Text1", u"Picture1", u"OLE1", u"Command4"}) {
        QWidget &control = form.windowedControl(name);
        control.setFocus();
        QVERIFY2(visible.contains(onWindow(control)), qPrintable(QString::fromUtf16(name)));
    }
    QVERIFY(!form.scrollOffset().isNull());
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"

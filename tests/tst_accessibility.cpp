// SPDX-License-Identifier: MIT
// What the keyboard and a screen reader meet: the Tab order of each window and what each control is called.
#include "form3.h"
#include "form1.h"
#include "accessibility.h"
#include "controls.h"
#include "forms.h"
#include "test_support.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLineEdit>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString SunAndMoonUnits =
    QStringLiteral("Position of the Moon and of Sun in degrees: positive clock wise, zero south");
const QString RedLine = QStringLiteral("red line: position of the Sun");
const QString GreenLine = QStringLiteral("green line : position of the Moon");
const QString NotRead = QStringLiteral("The figure buttons read the main window's fields, never this box.");

Form &openWindow(const QString &window)
{
    Form *form = nullptr;
    if (window == u"Form1")
        form = &Forms::get<Form1>();
    else
        form = &Forms::get<Form3>();
    if (!showAndWait(*form, ShownUntil::Active))
        qFatal("the window never became active");
    return *form;
}

QString spokenText(QWidget *widget, QAccessible::Text which)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(which) : QString();
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenRaiseWarnings(); }
    void init() { resetProgramState(); }
    void cleanup() { resetProgramState(); }

    void tabWalk_data();
    void tabWalk();
    void shiftTabGoesBackFromTheFirstField();
    void everyWindowedControlHasAName_data();
    void everyWindowedControlHasAName();
    void resultsAreToldInWords_data();
    void resultsAreToldInWords();
    void returnInAQuantityFieldSolves_data();
    void returnInAQuantityFieldSolves();
    void rolesAndActions_data();
    void rolesAndActions();
    void focusMarkStandsOut_data();
    void focusMarkStandsOut();
};

void TestAccessibility::tabWalk_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    struct Stop {
        const char *control;
        QString name;
        QString description;
    };
    const std::vector<Stop> mainWindow = {
        {"Text1", QStringLiteral("Position of the Sun in degrees"), SunAndMoonUnits},
        {"Text2", QStringLiteral("Position of the Moon in degrees"), SunAndMoonUnits},
        {"Text3", QStringLiteral("Phase of the Moon (integer between 1 and 28 )"),
         QStringLiteral("Day of the Moon's month: after the new Moon")},
        {"Text4", QStringLiteral("Algebric formula used"), {}},
        {"Command1", QStringLiteral("Enter of two of these data and you will have, as result, the third data."), {}},
        {"Command2", QStringLiteral("Turn the astrolabe to point the Sun or the Moon"), {}},
        {"Picture1", QStringLiteral("Reload the plate picture"), {}},
        {"OLE1", QStringLiteral("Click here to see a 15' PowerPointPresentation in Italian language ( suggested)."),
         QStringLiteral("Not present in the email version")},
        {"Text5", QStringLiteral("solar hour"), {}},
        {"Command4", QStringLiteral("Read solar hour"), {}},
        {"Command3", QStringLiteral("See geometrical solution in astrolabe"), {}},
        {"Text6", QStringLiteral("sin"), RedLine},
        {"Text7", QStringLiteral("cos"), RedLine},
        {"Text8", QStringLiteral("sin"), GreenLine},
        {"Text9", QStringLiteral("cos"), GreenLine},
    };
    const std::vector<Stop> view = {
        {"Text1", QStringLiteral("Position of Sun"), QStringLiteral("The Sun's position last drawn. ") + NotRead},
        {"Text3", QStringLiteral("Position of Moon"), QStringLiteral("The Moon's position last drawn. ") + NotRead},
        {"Text4", QStringLiteral("Phase of the Moon"),
         QStringLiteral("The phase of the Moon in the main window when this window opened. ") + NotRead},
        {"Command1", QStringLiteral("Moon's line"), {}},
        {"Command2", QStringLiteral("Sun's line"), {}},
        {"Command3", QStringLiteral("Moon's Phase"), {}},
    };

    for (const auto &[window, stops] :
         {std::pair{QStringLiteral("Form1"), mainWindow}, std::pair{QStringLiteral("Form3"), view}}) {
        // One press more than there are stops: the chain closes on the first field again.
        for (size_t presses = 0; presses <= stops.size(); ++presses) {
            const Stop &stop = stops[presses % stops.size()];
            QTest::addRow("%s after %zu Tab: %s", qPrintable(window), presses, stop.control)
                << window << int(presses) << QString::fromLatin1(stop.control) << stop.name << stop.description;
        }
    }
}

void TestAccessibility::tabWalk()
{
    QFETCH(QString, window);
    QFETCH(int, presses);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);

    Form &form = openWindow(window);
    for (int i = 0; i < presses; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused);
    QCOMPARE(focused->window(), static_cast<QWidget *>(&form));
    QCOMPARE(focused->objectName(), control);
    QCOMPARE(focused->accessibleName(), name);
    QCOMPARE(focused->accessibleDescription(), description);
    // The view's boxes say on hover, too, that what is typed there is not read.
    if (window == u"Form3" && control.startsWith(u"Text"))
        QCOMPARE(focused->toolTip(), description);
    // What assistive technology is handed, not only the widget's property.
    QCOMPARE(spokenText(focused, QAccessible::Name), name);
    if (!description.isEmpty())
        QCOMPARE(spokenText(focused, QAccessible::Description), description);
}

void TestAccessibility::shiftTabGoesBackFromTheFirstField()
{
    Form &form = openWindow(QStringLiteral("Form1"));
    QCOMPARE(QApplication::focusWidget(), &form.windowedControl(u"Text1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), &form.windowedControl(u"Text9"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), &form.windowedControl(u"Text8"));
}

void TestAccessibility::everyWindowedControlHasAName_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << QStringLiteral("Form1");
    QTest::newRow("geometric view") << QStringLiteral("Form3");
}

// A control added to a layout without a label or a name of its own would be silent to a screen reader.
void TestAccessibility::everyWindowedControlHasAName()
{
    QFETCH(QString, window);
    Form &form = window == u"Form1" ? static_cast<Form &>(Forms::get<Form1>()) : Forms::get<Form3>();
    int windowed = 0;
    for (const ControlDesign &control : form.design().controls) {
        if (control.kind == ControlKind::Label || control.kind == ControlKind::Image
            || control.kind == ControlKind::Line)
            continue;
        ++windowed;
        const QString name = form.windowedControl(control.name).accessibleName();
        QVERIFY2(!name.isEmpty(), qPrintable(control.name));
        QCOMPARE(name, name.simplified());
    }
    QCOMPARE(windowed, window == u"Form1" ? 15 : 6);
}

void TestAccessibility::resultsAreToldInWords_data()
{
    QTest::addColumn<QString>("sun");
    QTest::addColumn<QString>("moon");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QStringList>("presses"); // "Form1.Command1", "Form3.Command2", ...
    QTest::addColumn<QString>("told");
    QTest::addColumn<QString>("viewDescription"); // its end; empty when the view is not opened

    const QString nothing = QStringLiteral("Nothing drawn yet.");
    QTest::newRow("the Moon") << u"30"_s << u""_s << u"5"_s << QStringList{u"Form1.Command1"_s} << u"Moon 325"_s
                              << u""_s;
    QTest::newRow("the Sun") << u""_s << u"120"_s << u"21"_s << QStringList{u"Form1.Command1"_s} << u"Sun 390"_s
                             << u""_s;
    QTest::newRow("the phase") << u"30"_s << u"120"_s << u""_s << QStringList{u"Form1.Command1"_s} << u"Phase 21"_s
                               << u""_s;
    QTest::newRow("whole hour") << u"30"_s << u""_s << u""_s << QStringList{u"Form1.Command4"_s} << u"Solar hour 14"_s
                                << u""_s;
    QTest::newRow("hour and minutes") << u"37.5"_s << u""_s << u""_s << QStringList{u"Form1.Command4"_s}
                                      << u"Solar hour 14 30"_s << u""_s;
    QTest::newRow("view opened") << u"30"_s << u"325"_s << u""_s << QStringList{u"Form1.Command3"_s} << u""_s
                                 << nothing;
    QTest::newRow("Moon's line") << u"30"_s << u"325"_s << u""_s
                                 << QStringList{u"Form1.Command3"_s, u"Form3.Command1"_s}
                                 << u"Drawn: the Moon's line at 325 degrees, green"_s
                                 << u"Drawn: the Moon's line at 325 degrees, green."_s;
    QTest::newRow("each figure once, in order")
        << u"-30"_s << u"325"_s << u""_s
        << QStringList{u"Form1.Command3"_s, u"Form3.Command2"_s, u"Form3.Command3"_s, u"Form3.Command2"_s}
        << u"Drawn: the Sun's line at -30 degrees, red"_s
        << u"Drawn: the Sun's line at -30 degrees, red; the ring of the 28 days of the Moon's month."_s;
}

// A screen reader hears the result of each press in words, and the view says what it shows.
void TestAccessibility::resultsAreToldInWords()
{
    QFETCH(QString, sun);
    QFETCH(QString, moon);
    QFETCH(QString, phase);
    QFETCH(QStringList, presses);
    QFETCH(QString, told);
    QFETCH(QString, viewDescription);

    Form1 &main = static_cast<Form1 &>(openWindow(QStringLiteral("Form1")));
    main.Text1().setText(sun);
    main.Text2().setText(moon);
    main.Text3().setText(phase);
    MessageRecorder recorder;
    Form *last = &main;
    for (const QString &press : presses) {
        last = press.startsWith(u"Form1") ? static_cast<Form *>(&main) : &Forms::get<Form3>();
        ::press(*last, press.section(u'.', 1));
    }
    QVERIFY(recorder.messages().empty());
    QCOMPARE(Accessibility::lastAnnouncement(*last), told);
    if (!viewDescription.isEmpty()) {
        const QString description = spokenText(&Forms::get<Form3>(), QAccessible::Description);
        QVERIFY2(description.endsWith(viewDescription), qPrintable(description));
        QCOMPARE(Forms::get<Form3>().windowTitle(), u"Form3a"_s);
    }
}

void TestAccessibility::returnInAQuantityFieldSolves_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::newRow("Sun, Return") << u"Text1"_s << int(Qt::Key_Return);
    QTest::newRow("Moon, keypad Enter") << u"Text2"_s << int(Qt::Key_Enter);
    QTest::newRow("phase, Return") << u"Text3"_s << int(Qt::Key_Return);
    QTest::newRow("formula, Return: nothing") << u"Text4"_s << int(Qt::Key_Return);
}

void TestAccessibility::returnInAQuantityFieldSolves()
{
    QFETCH(QString, field);
    QFETCH(int, key);
    Form1 &main = static_cast<Form1 &>(openWindow(QStringLiteral("Form1")));
    main.Text1().setText(u"30"_s);
    main.Text3().setText(u"5"_s);
    QLineEdit &box = main.textBox(field);
    box.setFocus();
    QTest::keyClick(&box, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    const bool solves = field != u"Text4";
    QCOMPARE(main.Text2().text(), solves ? u"325"_s : QString());
    // The focus stays where the user typed.
    QCOMPARE(QApplication::focusWidget(), &box);
}

void TestAccessibility::rolesAndActions_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control"); // empty: the window itself
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("pressable");
    QTest::newRow("main window") << u"Form1"_s << u""_s << int(QAccessible::Window) << false;
    QTest::newRow("view") << u"Form3"_s << u""_s << int(QAccessible::Window) << false;
    QTest::newRow("reload box") << u"Form1"_s << u"Picture1"_s << int(QAccessible::Button) << true;
    QTest::newRow("presentation box") << u"Form1"_s << u"OLE1"_s << int(QAccessible::Button) << true;
    QTest::newRow("caption") << u"Form1"_s << u"Label6"_s << int(QAccessible::StaticText) << false;
}

void TestAccessibility::rolesAndActions()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(bool, pressable);
    Form &form = openWindow(window);
    QWidget *widget = control.isEmpty() ? &form : &form.windowedControl(control);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(int(accessible->role()), role);
    QAccessibleActionInterface *actions = accessible->actionInterface();
    QCOMPARE(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()), pressable);
    if (control == u"Picture1") {
        QSignalSpy clicked(widget, SIGNAL(clicked()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicked.size(), 1);
    }
}

void TestAccessibility::focusMarkStandsOut_data()
{
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("highlight");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("mark");
    QTest::newRow("light, blue highlight")
        << QColor(0xefefef) << QColor(0x308cc6) << QColor(Qt::black) << QColor(0x308cc6);
    QTest::newRow("light, pale highlight")
        << QColor(0xefefef) << QColor(0xc0d8f0) << QColor(Qt::black) << QColor(Qt::black);
    QTest::newRow("dark, pale highlight")
        << QColor(0x202020) << QColor(0xc0d8f0) << QColor(Qt::white) << QColor(0xc0d8f0);
    QTest::newRow("nothing stands out") << QColor(0x808080) << QColor(0x8a8a8a) << QColor(0x7a7a7a)
                                        << QColor(Qt::black);
}

// A focus mark at least 2 pixels wide, at least 3:1 against the window, whatever the desktop's colours.
void TestAccessibility::focusMarkStandsOut()
{
    QFETCH(QColor, window);
    QFETCH(QColor, highlight);
    QFETCH(QColor, text);
    QFETCH(QColor, mark);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::WindowText, text);
    QCOMPARE(focusMarkColour(palette), mark);
    QVERIFY(contrastRatio(mark, window) >= 3.0);

    Form1 &main = static_cast<Form1 &>(openWindow(QStringLiteral("Form1")));
    QWidget &button = main.windowedControl(u"Command1");
    button.setPalette(palette);
    button.setFocus();
    const QImage image = button.grab().toImage();
    for (const QPoint inside :
         {QPoint(1, image.height() / 2), QPoint(2, image.height() / 2), QPoint(image.width() / 2, image.height() - 3)})
        QCOMPARE(image.pixelColor(inside), mark);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

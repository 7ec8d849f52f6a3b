// SPDX-License-Identifier: MIT
// What a screen reader meets: what each control is called and described as, the role and actions it offers, and the
// results of each press told in words.
#include "form3.h"
#include "form1.h"
#include "accessibility.h"
#include "forms.h"
#include "test_support.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QString SunAndMoonUnits = u"Position of the Moon and of Sun in degrees: positive clock wise, zero south"_s;
const QString RedLine = u"red line: position of the Sun"_s;
const QString GreenLine = u"green line : position of the Moon"_s;
const QString NotRead = u"The figure buttons read the main window's fields, never this box."_s;

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

    void namesAndDescriptions_data();
    void namesAndDescriptions();
    void everyWindowedControlHasAName_data();
    void everyWindowedControlHasAName();
    void resultsAreToldInWords_data();
    void resultsAreToldInWords();
    void tooFewValuesAreExplained();
    void zoomIsTold_data();
    void zoomIsTold();
    void rolesAndActions_data();
    void rolesAndActions();
};

void TestAccessibility::namesAndDescriptions_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    struct Named {
        const char *control;
        QString name;
        QString description;
    };
    const std::vector<Named> mainWindow = {
        {"Text1", u"Position of the Sun in degrees"_s, SunAndMoonUnits},
        {"Text2", u"Position of the Moon in degrees"_s, SunAndMoonUnits},
        {"Text3", u"Phase of the Moon (integer between 1 and 28 )"_s, u"Day of the Moon's month: after the new Moon"_s},
        {"Text4", u"Algebric formula used"_s, {}},
        {"Command1", u"Enter of two of these data and you will have, as result, the third data."_s, {}},
        {"Command2", u"Turn the astrolabe to point the Sun or the Moon"_s, {}},
        {"Picture1", u"Reload the plate picture"_s, {}},
        {"OLE1", u"Click here to see a 15' PowerPointPresentation in Italian language ( suggested)."_s,
         u"Not present in the email version"_s},
        {"Text5", u"solar hour"_s, {}},
        {"Command4", u"Read solar hour"_s, {}},
        {"Command3", u"See geometrical solution in astrolabe"_s, {}},
        {"Text6", u"sin"_s, RedLine},
        {"Text7", u"cos"_s, RedLine},
        {"Text8", u"sin"_s, GreenLine},
        {"Text9", u"cos"_s, GreenLine},
    };
    const std::vector<Named> view = {
        {"Text1", u"Position of Sun"_s, u"The Sun's position last drawn. "_s + NotRead},
        {"Text3", u"Position of Moon"_s, u"The Moon's position last drawn. "_s + NotRead},
        {"Text4", u"Phase of the Moon"_s,
         u"The phase of the Moon in the main window when this window opened. "_s + NotRead},
        {"Command1", u"Moon's line"_s, {}},
        {"Command2", u"Sun's line"_s, {}},
        {"Command3", u"Moon's Phase"_s, {}},
    };

    for (const auto &[window, controls] : {std::pair{u"Form1"_s, mainWindow}, std::pair{u"Form3"_s, view}}) {
        for (const Named &control : controls) {
            QTest::addRow("%s.%s", qPrintable(window), control.control)
                << window << QString::fromLatin1(control.control) << control.name << control.description;
        }
    }
}

void TestAccessibility::namesAndDescriptions()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);

    QWidget &widget = openWindow(window).windowedControl(control);
    QCOMPARE(widget.accessibleName(), name);
    QCOMPARE(widget.accessibleDescription(), description);
    // The view's boxes say on hover, too, that what is typed there is not read.
    if (window == u"Form3" && control.startsWith(u"Text"))
        QCOMPARE(widget.toolTip(), description);
    // What assistive technology is handed, not only the widget's property.
    QCOMPARE(spokenText(&widget, QAccessible::Name), name);
    if (!description.isEmpty())
        QCOMPARE(spokenText(&widget, QAccessible::Description), description);
}

void TestAccessibility::everyWindowedControlHasAName_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << u"Form1"_s;
    QTest::newRow("geometric view") << u"Form3"_s;
}

// A control added to a layout without a label or a name of its own would be silent to a screen reader.
void TestAccessibility::everyWindowedControlHasAName()
{
    QFETCH(QString, window);
    Form &form = formNamed(window);
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

    const QString nothing = u"Nothing drawn yet."_s;
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

    openWindow<Form1>(ShownUntil::Active);
    setMainFields(sun, moon, phase);
    MessageRecorder recorder;
    for (const QString &button : presses)
        press(button);
    QVERIFY(recorder.messages().empty());
    QCOMPARE(Accessibility::lastAnnouncement(formNamed(presses.last().section(u'.', 0, 0))), told);
    if (!viewDescription.isEmpty()) {
        const QString description = spokenText(&Forms::get<Form3>(), QAccessible::Description);
        QVERIFY2(description.endsWith(viewDescription), qPrintable(description));
        QCOMPARE(Forms::get<Form3>().windowTitle(), u"Form3a"_s);
    }
}

// Solve with fewer than two quantities shows the drawing window alone: it says why, as it appears and to whoever
// comes back to it, and how to get the main window back.
void TestAccessibility::tooFewValuesAreExplained()
{
    const QString why = u"No quantity was computed: fewer than two were given. Close this window to return to the "
                        u"main window."_s;
    openWindow<Form1>(ShownUntil::Active);
    for (const QString &sun : {u"30"_s, u""_s}) {
        setMainFields(sun, u""_s);
        Forms::get<Form1>().bringToFront();
        press(u"Form1.Command1"_s);
        Form3 &view = Forms::get<Form3>();
        QVERIFY(view.isVisible());
        QVERIFY(!Forms::get<Form1>().isVisible());
        QCOMPARE(Accessibility::lastAnnouncement(view), why);
        // Said once, however often.
        const QString description = spokenText(&view, QAccessible::Description);
        QVERIFY2(description.startsWith(why + u' ') && description.lastIndexOf(why) == 0, qPrintable(description));
        QVERIFY(description.endsWith(u"Nothing drawn yet."_s));
    }
    Forms::get<Form3>().close();
    QVERIFY(Forms::get<Form1>().isVisible());
}

void TestAccessibility::zoomIsTold_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QList<int>>("actions"); // 0 larger, 1 smaller, 2 as designed
    QTest::addColumn<QString>("told");
    QTest::newRow("larger") << u"Form1"_s << QList<int>{0} << u"Zoom 125%"_s;
    QTest::newRow("larger twice, the drawing window") << u"Form3"_s << QList<int>{0, 0} << u"Zoom 150%"_s;
    QTest::newRow("as designed") << u"Form1"_s << QList<int>{0, 0, 2} << u"Zoom 100%"_s;
    // At either end nothing changes, and the student hears where the window stays.
    QTest::newRow("smaller than designed") << u"Form3"_s << QList<int>{1} << u"Zoom 100%"_s;
    QTest::newRow("past the largest") << u"Form1"_s << QList<int>(10, 0) << u"Zoom 300%"_s;
}

void TestAccessibility::zoomIsTold()
{
    QFETCH(QString, window);
    QFETCH(QList<int>, actions);
    QFETCH(QString, told);
    Form &form = openWindow(window, ShownUntil::Active);
    for (int action : actions)
        form.zoomActions()[action]->trigger();
    QCOMPARE(Accessibility::lastAnnouncement(form), told);
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
    Form &form = openWindow(window, ShownUntil::Active);
    QWidget *widget = control.isEmpty() ? &form : &form.windowedControl(control);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(int(accessible->role()), role);
    QAccessibleActionInterface *actions = accessible->actionInterface();
    QCOMPARE(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()), pressable);
    if (control == u"Picture1") {
        QSignalSpy clicked(widget, SIGNAL(clicked()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(clicked.size(), 1); // a press is shown for a moment before the click
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

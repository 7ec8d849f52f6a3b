// SPDX-License-Identifier: MIT
// What the keyboard and a screen reader meet: the Tab order of each window and what each control is called.
#include "geometric_view/form3.h"
#include "main_window/form1.h"
#include "platform/forms.h"
#include "test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QtTest>

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

    for (const auto &[window, stops] : {std::pair{QStringLiteral("Form1"), mainWindow}, std::pair{QStringLiteral("Form3"), view}}) {
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

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

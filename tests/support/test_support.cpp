// SPDX-License-Identifier: MIT
#include "test_support.h"

#include "form3.h"
#include "form1.h"
#include "app.h"
#include "forms.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

int endCount = 0;
QtMessageHandler testlibHandler = nullptr;

void dropRaiseWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(u"does not support raise()"))
        testlibHandler(type, context, message);
}

} // namespace

MessageRecorder::MessageRecorder()
{
    setMessageSink([this](const UserMessage &message) { m_messages.push_back(message); });
}

MessageRecorder::~MessageRecorder()
{
    setMessageSink({});
}

int MessageRecorder::errorCount() const
{
    return int(std::count_if(m_messages.begin(), m_messages.end(),
                             [](const UserMessage &m) { return m.kind == MessageKind::Error; }));
}

std::vector<int> MessageRecorder::errorNumbers() const
{
    std::vector<int> numbers;
    for (const UserMessage &message : m_messages) {
        if (message.kind == MessageKind::Error)
            numbers.push_back(message.errorNumber);
    }
    return numbers;
}

// The program declares its windows at start; so do the tests, whichever window they load first.
[[maybe_unused]] const bool windowsDeclared = [] {
    Forms::declare<Form1>(u"Form1"_s);
    Forms::declare<Form3>(u"Form3"_s);
    return true;
}();

void resetProgramState()
{
    Forms::unloadAll();
    App::setPathForTesting({});
    Forms::setStartupForm<Form1>();
    endCount = 0;
    Forms::setOnNoFormLoaded([] { ++endCount; });
    // Windows closed by a test are deleted later: let that happen now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int programEndCount()
{
    return endCount;
}

QString builtPlatePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(PlateFileName);
}

bool ProgramFolder::useWithPlate()
{
    if (!m_dir.isValid() || !QFile::copy(builtPlatePath(), plate()))
        return false;
    App::setPathForTesting(m_dir.path());
    return true;
}

bool showAndWait(Form &form, ShownUntil until)
{
    form.bringToFront();
    return until == ShownUntil::Active ? QTest::qWaitForWindowActive(&form) : QTest::qWaitForWindowExposed(&form);
}

Form &formNamed(QStringView name)
{
    if (name != u"Form1" && name != u"Form3")
        qFatal("no window is named %s", qPrintable(name.toString()));
    return Forms::get(name);
}

Form &openWindow(QStringView name, ShownUntil until)
{
    Form &form = formNamed(name);
    if (!showAndWait(form, until))
        qFatal("%s was never shown", qPrintable(name.toString()));
    return form;
}

const QStringList &textBoxNames(QStringView window)
{
    static const QStringList main = {u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Text4"_s, u"Text5"_s,
                                     u"Text6"_s, u"Text7"_s, u"Text8"_s, u"Text9"_s};
    static const QStringList view = {u"Text1"_s, u"Text3"_s, u"Text4"_s};
    return window == u"Form1" ? main : view;
}

QLineEdit &textBoxNamed(QStringView windowAndBox)
{
    const qsizetype dot = windowAndBox.indexOf(u'.');
    return formNamed(windowAndBox.left(dot)).textBox(windowAndBox.mid(dot + 1));
}

void setMainFields(const QString &sun, const QString &moon, const QString &phase)
{
    Form1 &main = Forms::get<Form1>();
    main.Text1().setText(sun);
    main.Text2().setText(moon);
    main.Text3().setText(phase);
}

QStringList boxTexts(QStringView window)
{
    QStringList texts;
    for (const QString &box : textBoxNames(window))
        texts << formNamed(window).textBox(box).text();
    return texts;
}

void press(Form &form, QStringView control)
{
    QTest::mouseClick(&form.windowedControl(control), Qt::LeftButton);
}

void press(QStringView windowAndButton)
{
    const qsizetype dot = windowAndButton.indexOf(u'.');
    press(formNamed(windowAndButton.left(dot)), windowAndButton.mid(dot + 1));
}

void typeInto(QLineEdit &box, const QString &value)
{
    box.setFocus();
    box.selectAll();
    if (value.isEmpty())
        QTest::keyClick(&box, Qt::Key_Delete);
    else
        QTest::keyClicks(&box, value);
}

void quietOffscreenRaiseWarnings()
{
    const QtMessageHandler previous = qInstallMessageHandler(dropRaiseWarnings);
    if (previous != dropRaiseWarnings)
        testlibHandler = previous;
}

FieldTexts fieldSnapshot()
{
    FieldTexts fields;
    for (Form *form : Forms::loaded()) {
        for (QLineEdit *box : form->findChildren<QLineEdit *>())
            fields[form->name() + u'.' + box->objectName()] = box->text();
    }
    return fields;
}

void compareFieldTexts(const FieldTexts &expected, const QString &context)
{
    const FieldTexts shown = fieldSnapshot();
    QCOMPARE(shown.size(), expected.size());
    const QString prefix = context.isEmpty() ? QString() : context + u": "_s;
    for (const auto &[field, text] : expected) {
        QVERIFY2(shown.at(field) == text,
                 qPrintable(prefix + u"%1 holds \"%2\", expected \"%3\""_s.arg(field, shown.at(field), text)));
    }
}

double meanDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

// SPDX-License-Identifier: MIT
// The command line of the real program, run without a display, and the Help window that F1 opens.
#include "test_support.h"

#include "geometric_view/form3.h"
#include "help/help_window.h"
#include "main_window/form1.h"
#include "platform/forms.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryFile>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

namespace {

struct Run {
    int exitCode;
    QProcess::ExitStatus exitStatus;
    QString out;
    QString err;
};

// The program as started from a terminal with no display at all.
Run runProgram(const QStringList &arguments, const QString &platform = {})
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (!platform.isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ASTROLABE_PROGRAM), arguments);
    if (!program.waitForFinished(20000)) {
        program.kill();
        program.waitForFinished();
        return {-1, QProcess::CrashExit, {}, QStringLiteral("still running after 20 s")};
    }
    return {program.exitCode(), program.exitStatus(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

int helpWindowCount()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += window->objectName() == QLatin1String("helpWindow");
    return count;
}

QString firstHeading(const QTextBrowser &browser)
{
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 1)
            return block.text().trimmed();
    }
    return {};
}

Form &openWindow(const QString &name)
{
    Form &form = name == QLatin1String("Form1") ? static_cast<Form &>(Forms::get<Form1>())
                                                : static_cast<Form &>(Forms::get<Form3>());
    form.Show();
    return form;
}

} // namespace

class TestCommandLineAndHelp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void commandLine_data();
    void commandLine();
    void qtOptionsReachQt();

    void f1OpensOneHelpWindow_data();
    void f1OpensOneHelpWindow();
    void guideKeys_data();
    void guideKeys();
    void picturesAreDescribedInWords();
    void unreadableGuideIsNamed_data();
    void unreadableGuideIsNamed();
};

void TestCommandLineAndHelp::initTestCase()
{
    quietOffscreenRaiseWarnings();
    Help::installHelpKey();
}

void TestCommandLineAndHelp::cleanup()
{
    Help::closeHelpWindow();
    Help::setGuidePathForTesting({});
    resetProgramState();
}

void TestCommandLineAndHelp::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // what standard output starts with
    QTest::addColumn<QString>("err"); // what standard error starts with

    const QString usage = QStringLiteral("Usage: astrolabe-simulator ");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << QString();
    QTest::newRow("-h after a Qt option") << QStringList{"-style", "fusion", "-h"} << 0 << usage << QString();
    QTest::newRow("--version") << QStringList{"--version"} << 0
                               << QStringLiteral("astrolabe-simulator " ASTROLABE_VERSION "\n") << QString();
    QTest::newRow("unknown option") << QStringList{"--colour"} << 2 << QString()
                                    << QStringLiteral("astrolabe-simulator: unknown option '--colour'\n") + usage;
    QTest::newRow("stray file name") << QStringList{"notes.txt"} << 2 << QString()
                                     << QStringLiteral("astrolabe-simulator: unexpected argument 'notes.txt'\n") + usage;
    QTest::newRow("stray after a Qt option's value")
        << QStringList{"-platform", "offscreen", "plate.jpg"} << 2 << QString()
        << QStringLiteral("astrolabe-simulator: unexpected argument 'plate.jpg'\n") + usage;
    QTest::newRow("Qt option without its value") << QStringList{"-platform"} << 2 << QString()
                                                 << QStringLiteral("astrolabe-simulator: missing value for option '-platform'\n");
}

// Exits before Qt starts: there is no display, so a program that opened a window could not answer.
void TestCommandLineAndHelp::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);

    const Run run = runProgram(arguments);
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, exitCode);
    if (out.isEmpty())
        QCOMPARE(run.out, QString());
    else
        QVERIFY2(run.out.startsWith(out), qPrintable(run.out));
    if (err.isEmpty())
        QCOMPARE(run.err, QString());
    else
        QVERIFY2(run.err.startsWith(err), qPrintable(run.err));
}

// Qt takes -platform over its environment variable: the program is ended by Qt for a platform that does not exist,
// not refused by its own options.
void TestCommandLineAndHelp::qtOptionsReachQt()
{
    const Run run = runProgram({QStringLiteral("-platform"), QStringLiteral("nosuchplatform")},
                               QStringLiteral("offscreen"));
    QVERIFY(run.exitStatus == QProcess::CrashExit || run.exitCode != 0);
    QVERIFY2(run.err.contains(QLatin1String("\"nosuchplatform\"")), qPrintable(run.err));
    QVERIFY2(!run.err.contains(QLatin1String("astrolabe-simulator:")), qPrintable(run.err));
}

void TestCommandLineAndHelp::f1OpensOneHelpWindow_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("main window, then again") << QStringLiteral("Form1") << QStringLiteral("Form1");
    QTest::newRow("geometric view, then the main window") << QStringLiteral("Form3") << QStringLiteral("Form1");
}

void TestCommandLineAndHelp::f1OpensOneHelpWindow()
{
    QFETCH(QString, first);
    QFETCH(QString, second);

    Form &form = openWindow(first);
    QCOMPARE(helpWindowCount(), 0);

    QTest::keyClick(&form, Qt::Key_F1);
    QTextBrowser *help = Help::helpWindow();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    QCOMPARE(firstHeading(*help), QStringLiteral("Dorlasco's astrolabe simulator: a guide for students"));

    // Closed or not, a second F1 brings back the same window.
    help->close();
    QTest::keyClick(&openWindow(second), Qt::Key_F1);
    QCOMPARE(Help::helpWindow(), help);
    QVERIFY(help->isVisible());
    QCOMPARE(helpWindowCount(), 1);
}

void TestCommandLineAndHelp::guideKeys_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("pointsChange"); // -1: the guide closes
    QTest::newRow("Escape") << QKeySequence(Qt::Key_Escape) << -1;
    QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W) << -1;
    QTest::newRow("Ctrl+plus") << QKeySequence(Qt::CTRL | Qt::Key_Plus) << 2;
    QTest::newRow("Ctrl+plus twice") << QKeySequence(Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Plus) << 4;
    QTest::newRow("Ctrl+minus") << QKeySequence(Qt::CTRL | Qt::Key_Minus) << -2;
    QTest::newRow("Ctrl+plus, then Ctrl+0") << QKeySequence(Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_0) << 0;
}

void TestCommandLineAndHelp::guideKeys()
{
    QFETCH(QKeySequence, keys);
    QFETCH(int, pointsChange);
    QTest::keyClick(&openWindow(QStringLiteral("Form1")), Qt::Key_F1);
    QTextBrowser *help = Help::helpWindow();
    QVERIFY(help);
    help->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(help));
    const qreal points = help->font().pointSizeF();
    QTest::keySequence(help, keys);
    if (pointsChange == -1) {
        QVERIFY(!help->isVisible());
        return;
    }
    QVERIFY(help->isVisible());
    QCOMPARE(help->font().pointSizeF(), points + pointsChange);
}

// A screen reader reads the guide's text: each picture's text alternative is part of it, in words.
void TestCommandLineAndHelp::picturesAreDescribedInWords()
{
    QTest::keyClick(&openWindow(QStringLiteral("Form1")), Qt::Key_F1);
    QTextBrowser *help = Help::helpWindow();
    QVERIFY(help);
    const QString text = help->document()->toPlainText();
    for (const char *words : {"Picture: The main window after solving for the phase.",
                              "Picture: Sun 30 and Moon 120 give the phase 21.",
                              "Picture: The drawing window with the Moon's line, the Sun's line and the ring."})
        QVERIFY2(text.contains(QLatin1String(words)), words);
}

void TestCommandLineAndHelp::unreadableGuideIsNamed_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << false;
    QTest::newRow("empty") << true;
}

void TestCommandLineAndHelp::unreadableGuideIsNamed()
{
    QFETCH(bool, exists);

    QTemporaryFile empty;
    QVERIFY(empty.open());
    const QString path = exists ? empty.fileName() : QStringLiteral(":/help/guide/missing.html");
    Help::setGuidePathForTesting(path);
    MessageRecorder recorder;

    Form &form = openWindow(QStringLiteral("Form1"));
    QTest::keyClick(&form, Qt::Key_F1);
    QCOMPARE(recorder.messages().size(), size_t(1));
    QVERIFY2(recorder.messages().front().text.contains(path), qPrintable(recorder.messages().front().text));
    QCOMPARE(Help::helpWindow(), nullptr);

    // The program goes on, and F1 tries again.
    QVERIFY(form.isVisible());
    QTest::keyClick(&form, Qt::Key_F1);
    QCOMPARE(recorder.messages().size(), size_t(2));
}

QTEST_MAIN(TestCommandLineAndHelp)
#include "tst_command_line_and_help.moc"

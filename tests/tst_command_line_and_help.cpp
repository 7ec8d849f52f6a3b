// SPDX-License-Identifier: MIT
// The command line of the real program, run without a display, and the Help window that F1 opens.
#include "test_support.h"

#include "form3.h"
#include "help_window.h"
#include "form1.h"
#include "forms.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryFile>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <algorithm>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode;
    QProcess::ExitStatus exitStatus;
    QString out;
    QString err;
};

// The program as started from a terminal with no display at all, or with the given X display.
QProcessEnvironment programEnvironment(const QString &platform = {}, const QString &display = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (!platform.isEmpty())
        environment.insert(u"QT_QPA_PLATFORM"_s, platform);
    if (!display.isEmpty())
        environment.insert(u"DISPLAY"_s, display);
    return environment;
}

Run runProgram(const QStringList &arguments, const QString &platform = {}, const QString &display = {},
               const QString &standardOutput = {})
{
    QProcess program;
    program.setProcessEnvironment(programEnvironment(platform, display));
    if (!standardOutput.isEmpty())
        program.setStandardOutputFile(standardOutput);
    program.start(QStringLiteral(ASTROLABE_PROGRAM), arguments);
    if (!program.waitForFinished(20000)) {
        program.kill();
        program.waitForFinished();
        return {-1, QProcess::CrashExit, {}, u"still running after 20 s"_s};
    }
    return {program.exitCode(), program.exitStatus(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

// A virtual X server of the given depth for the length of one test.
class VirtualScreen
{
public:
    explicit VirtualScreen(int depth)
    {
        // Xvfb picks a free display and writes its number on the descriptor given.
        m_server.start(u"Xvfb"_s, {u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"800x600x%1"_s.arg(depth),
                                   u"-nolisten"_s, u"tcp"_s});
        while (m_server.waitForReadyRead(20000)) {
            m_display += QString::fromLatin1(m_server.readAllStandardOutput());
            if (m_display.endsWith(u'\n'))
                break;
        }
        m_display = m_display.trimmed();
        if (!m_display.isEmpty())
            m_display.prepend(u':');
    }
    ~VirtualScreen()
    {
        m_server.terminate();
        m_server.waitForFinished();
    }
    // ":3", or empty when no server started.
    const QString &display() const { return m_display; }

private:
    QProcess m_server;
    QString m_display;
};

int helpWindowCount()
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += window->objectName() == QLatin1String("helpWindow");
    return count;
}

QString firstHeading(const QTextEdit &browser)
{
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 1)
            return block.text().trimmed();
    }
    return {};
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
    void endsWithOneLine_data();
    void endsWithOneLine();
    void shallowDisplayRefused();
    void closedStandardDescriptorsAreFilled();
    void reverseKeepsTheLayout_data();
    void reverseKeepsTheLayout();

    void f1OpensOneHelpWindow_data();
    void f1OpensOneHelpWindow();
    void guideKeys_data();
    void guideKeys();
    void picturesAreDescribedInWords();
    void contentsReachEachSection_data();
    void contentsReachEachSection();
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

    const QString usage = u"Usage: astrolabe-simulator "_s;
    QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << QString();
    QTest::newRow("-h after a Qt option") << QStringList{"-style", "fusion", "-h"} << 0 << usage << QString();
    QTest::newRow("--version") << QStringList{"--version"} << 0
                               << QStringLiteral("astrolabe-simulator " ASTROLABE_VERSION
                                                 "\nCopyright (C) " ASTROLABE_RELEASE_YEAR
                                                 " Dorlasco's astrolabe simulator developers\n")
                               << QString();
    QTest::newRow("unknown option") << QStringList{"--colour"} << 2 << QString()
                                    << u"astrolabe-simulator: unknown option '--colour'\n"_s + usage;
    QTest::newRow("stray file name") << QStringList{"notes.txt"} << 2 << QString()
                                     << u"astrolabe-simulator: unexpected argument 'notes.txt'\n"_s + usage;
    QTest::newRow("stray after a Qt option's value")
        << QStringList{"-platform", "offscreen", "plate.jpg"} << 2 << QString()
        << u"astrolabe-simulator: unexpected argument 'plate.jpg'\n"_s + usage;
    QTest::newRow("Qt option without its value") << QStringList{"-platform"} << 2 << QString()
                                                 << u"astrolabe-simulator: missing value for option '-platform'\n"_s;
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
    const Run run = runProgram({u"-platform"_s, u"nosuchplatform"_s}, u"offscreen"_s);
    QVERIFY(run.exitStatus == QProcess::CrashExit || run.exitCode != 0);
    QVERIFY2(run.err.contains(QLatin1String("\"nosuchplatform\"")), qPrintable(run.err));
    QVERIFY2(!run.err.contains(QLatin1String("astrolabe-simulator:")), qPrintable(run.err));
}

// Start-ups that cannot go on end with one line on standard error and status 1, not an abort or silence.
void TestCommandLineAndHelp::endsWithOneLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("standardOutput");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");

    const QString noDisplay = u"astrolabe-simulator: no display could be opened: "_s;
    const QString writeError = u"astrolabe-simulator: write error: No space left on device\n"_s;
    QTest::newRow("DISPLAY not set") << QStringList{} << QString() << QString() << 1
                                     << noDisplay + u"DISPLAY is not set\n"_s;
    QTest::newRow("no server at DISPLAY")
        << QStringList{} << u":87"_s << QString() << 1 << noDisplay + u"the X server of display :87 did not answer\n"_s;
    QTest::newRow("no server at -display") << QStringList{u"-display"_s, u":88"_s} << QString() << QString() << 1
                                           << noDisplay + u"the X server of display :88 did not answer\n"_s;
    QTest::newRow("--help into a full device")
        << QStringList{u"--help"_s} << QString() << u"/dev/full"_s << 1 << writeError;
    QTest::newRow("--version into a full device")
        << QStringList{u"-v"_s} << QString() << u"/dev/full"_s << 1 << writeError;
    QTest::newRow("style sheet /dev/zero")
        << QStringList{u"-stylesheet"_s, u"/dev/zero"_s} << QString() << QString() << 2
        << u"astrolabe-simulator: cannot use the style sheet '/dev/zero': a "
           "device, not a regular file\n"_s;
    QTest::newRow("style sheet, a folder") << QStringList{u"-stylesheet=/"_s} << QString() << QString() << 2
                                           << u"astrolabe-simulator: cannot use the style sheet '/': a folder, not "
                                              "a regular file\n"_s;
}

void TestCommandLineAndHelp::endsWithOneLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, display);
    QFETCH(QString, standardOutput);
    QFETCH(int, exitCode);
    QFETCH(QString, err);

    const Run run = runProgram(arguments, u"xcb"_s, display, standardOutput);
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.err, err);
}

// An 8-bit X display crashes Qt's text cursor: the program says so and ends instead.
void TestCommandLineAndHelp::shallowDisplayRefused()
{
    const VirtualScreen screen(8);
    if (screen.display().isEmpty())
        QSKIP("Xvfb did not start");
    const Run run = runProgram({}, u"xcb"_s, screen.display());
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.endsWith(u"astrolabe-simulator: the display has 8 bits per pixel; the program needs at least "
                              "15\n"_s),
             qPrintable(run.err));
}

// Started with its standard descriptors closed, the program opens /dev/null on them before anything else can take
// their numbers (the X connection on 2 would receive Qt's warnings).
void TestCommandLineAndHelp::closedStandardDescriptorsAreFilled()
{
    const VirtualScreen screen(24);
    if (screen.display().isEmpty())
        QSKIP("Xvfb did not start");
    QProcess program;
    QProcessEnvironment environment = programEnvironment(u"xcb"_s, screen.display());
    environment.remove(u"XDG_RUNTIME_DIR"_s); // Qt warns at start then
    program.setProcessEnvironment(environment);
    program.setChildProcessModifier([] {
        for (int descriptor = 0; descriptor <= 2; ++descriptor)
            ::close(descriptor);
    });
    program.start(QStringLiteral(ASTROLABE_PROGRAM), QStringList{});
    QVERIFY(program.waitForStarted());
    const QString fds = u"/proc/%1/fd/"_s.arg(program.processId());
    // Until the program holds its X connection, a socket: by then start-up has filled the standard descriptors,
    // and the dynamic loader no longer borrows their numbers while it opens the libraries.
    const auto holdsSocket = [&] {
        const QFileInfoList entries = QDir(fds).entryInfoList(QDir::System | QDir::NoDotAndDotDot);
        return std::any_of(entries.begin(), entries.end(), [](const QFileInfo &entry) {
            char target[64] = {};
            return ::readlink(QFile::encodeName(entry.filePath()).constData(), target, sizeof target - 1) > 0
                   && qstrncmp(target, "socket:", 7) == 0;
        });
    };
    QTRY_VERIFY_WITH_TIMEOUT(holdsSocket() || program.state() == QProcess::NotRunning, 20000);
    QStringList targets;
    for (const char *descriptor : {"0", "1", "2"})
        targets << QFileInfo(fds + QLatin1String(descriptor)).symLinkTarget();
    program.kill();
    program.waitForFinished();
    QCOMPARE(targets, QStringList(3, u"/dev/null"_s));
}

// Qt's -reverse mirrors layouts and text; the windows' layout is fixed design data and is drawn the same either way.
void TestCommandLineAndHelp::reverseKeepsTheLayout_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("main window") << u"Form1"_s;
    QTest::newRow("view") << u"Form3"_s;
}

void TestCommandLineAndHelp::reverseKeepsTheLayout()
{
    QFETCH(QString, window);
    QImage drawn[2];
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        resetProgramState();
        QGuiApplication::setLayoutDirection(direction);
        Form &form = openWindow(window);
        form.setFocus(); // no text cursor to blink
        drawn[direction == Qt::RightToLeft] = form.grab().toImage();
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    }
    QCOMPARE(drawn[1], drawn[0]);
}

void TestCommandLineAndHelp::f1OpensOneHelpWindow_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("main window, then again") << u"Form1"_s << u"Form1"_s;
    QTest::newRow("geometric view, then the main window") << u"Form3"_s << u"Form1"_s;
}

void TestCommandLineAndHelp::f1OpensOneHelpWindow()
{
    QFETCH(QString, first);
    QFETCH(QString, second);

    Form &form = openWindow(first);
    QCOMPARE(helpWindowCount(), 0);

    QTest::keyClick(&form, Qt::Key_F1);
    QWidget *help = Help::helpWindow();
    QVERIFY(help && Help::guideText());
    QVERIFY(help->isVisible());
    QCOMPARE(firstHeading(*Help::guideText()), u"Dorlasco's astrolabe simulator: a guide for students"_s);

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
    QTest::keyClick(&openWindow(u"Form1"), Qt::Key_F1);
    QWidget *help = Help::helpWindow();
    QVERIFY(help);
    help->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(help));
    const qreal points = Help::guideText()->font().pointSizeF();
    QTest::keySequence(help, keys);
    if (pointsChange == -1) {
        QVERIFY(!help->isVisible());
        return;
    }
    QVERIFY(help->isVisible());
    QCOMPARE(Help::guideText()->font().pointSizeF(), points + pointsChange);
}

// A screen reader reads the guide's text: each picture's text alternative is part of it, in words.
void TestCommandLineAndHelp::picturesAreDescribedInWords()
{
    QTest::keyClick(&openWindow(u"Form1"), Qt::Key_F1);
    QTextEdit *help = Help::guideText();
    QVERIFY(help);
    const QString text = help->document()->toPlainText();
    for (const char *words :
         {"Picture: The main window after solving for the phase.", "Picture: Sun 30 and Moon 120 give the phase 21.",
          "Picture: The drawing window with the Moon's line, the Sun's line and the ring."})
        QVERIFY2(text.contains(QLatin1String(words)), words);
}

void TestCommandLineAndHelp::contentsReachEachSection_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<bool>("returnKey"); // else chosen as a screen reader selects it
    QTest::addColumn<bool>("atTop"); // the last section cannot scroll to the top
    QTest::newRow("first") << u"The three quantities"_s << false << true;
    QTest::newRow("middle, Return") << u"Reading the solar hour"_s << true << true;
    QTest::newRow("last") << u"When something goes wrong"_s << false << false;
}

// The contents list holds every section heading; choosing one puts the cursor on its heading and the heading in view,
// at the top when the text goes on far enough. Return also takes the keyboard into the text.
void TestCommandLineAndHelp::contentsReachEachSection()
{
    QFETCH(QString, section);
    QFETCH(bool, returnKey);
    QFETCH(bool, atTop);
    QTest::keyClick(&openWindow(u"Form1"), Qt::Key_F1);
    QWidget *help = Help::helpWindow();
    QListWidget *contents = Help::guideContents();
    QTextEdit *text = Help::guideText();
    QVERIFY(help && contents && text);
    help->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(help));
    QCOMPARE(contents->count(), 11);

    const QList<QListWidgetItem *> found = contents->findItems(section, Qt::MatchExactly);
    QCOMPARE(found.size(), qsizetype(1));
    if (returnKey) {
        contents->setFocus();
        contents->setCurrentItem(found.front(), QItemSelectionModel::NoUpdate);
        QTest::keyClick(contents, Qt::Key_Return);
        QVERIFY(text->hasFocus());
    } else {
        found.front()->setSelected(true);
    }
    const QTextBlock heading = text->textCursor().block();
    QCOMPARE(heading.text().trimmed(), section);
    QCOMPARE(heading.blockFormat().headingLevel(), 2);
    const QRect caret = text->cursorRect();
    QVERIFY2(text->viewport()->rect().contains(caret), qPrintable(u"caret at %1"_s.arg(caret.top())));
    if (atTop)
        QVERIFY2(caret.top() < 30, qPrintable(u"caret at %1"_s.arg(caret.top())));
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
    const QString path = exists ? empty.fileName() : u":/help/guide/missing.html"_s;
    Help::setGuidePathForTesting(path);
    MessageRecorder recorder;

    Form &form = openWindow(u"Form1");
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

// SPDX-License-Identifier: MIT
#include "figure_export.h"
#include "accessibility.h"
#include "form3.h"
#include "forms.h"
#include "test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The child that writes the figure again and again until it is killed: "save" or "print", then the file.
const char ChildVariable[] = "ASTROLABE_TEST_WRITE_FOREVER";

Form3 &viewWithBothLines()
{
    setMainFields(u"30"_s, u"325"_s, u"5"_s);
    Form3 &view = Forms::get<Form3>();
    press(view, u"Command1");
    press(view, u"Command2");
    return view;
}

bool write(const Form3 &view, bool printed, const QString &path)
{
    if (!printed)
        return FigureExport::saveTo(view, path);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return FigureExport::printTo(view, printer);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool putFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

// A file system of a few pages of its own, filled up to what a test leaves free. Mounting needs root.
class SmallDisk
{
public:
    explicit SmallDisk(int kibibytes)
    {
        const QByteArray options = "size=" + QByteArray::number(kibibytes) + 'k';
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options.constData()) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QString path() const { return m_dir.path(); }
    // Writes a filler file until the disk is full, then gives back the bytes asked for.
    bool fill(qint64 leaveFree)
    {
        const int descriptor = ::open(QFile::encodeName(filePath(u"filler"_s)).constData(), O_WRONLY | O_CREAT, 0600);
        const QByteArray page(4096, 'f');
        qint64 size = 0;
        while (::write(descriptor, page.constData(), page.size()) == page.size())
            size += page.size();
        const bool cut = ::ftruncate(descriptor, std::max<qint64>(0, size - leaveFree)) == 0;
        ::close(descriptor);
        return cut;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

int writeForever(const QString &how)
{
    MessageRecorder messages;
    resetProgramState();
    const Form3 &view = viewWithBothLines();
    const QString path = how.section(u':', 1);
    const bool printed = how.startsWith(u"print");
    if (!write(view, printed, path))
        return 1;
    std::fputs("writing\n", stdout);
    std::fflush(stdout);
    while (write(view, printed, path)) {}
    return 1;
}

} // namespace

class TestFigureExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenRaiseWarnings(); }
    void init();
    void cleanup();

    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void refusesWhatIsNotARegularFile_data();
    void refusesWhatIsNotARegularFile();
    void writesThroughALinkToARegularFile_data();
    void writesThroughALinkToARegularFile();
    void killedMidwayLeavesAWholeFile_data();
    void killedMidwayLeavesAWholeFile();
    void saveDialogOpensInPicturesThenWhereTheLastSaveWent();
    void doneIsTold_data();
    void doneIsTold();

private:
    MessageRecorder m_messages;
};

void TestFigureExport::init()
{
    resetProgramState();
    m_messages.clear();
}

void TestFigureExport::cleanup()
{
    FigureExport::setDialogs({});
    resetProgramState();
}

// clang-format off
void TestFigureExport::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("printed");
    QTest::addColumn<bool>("overAnOldFile");
    QTest::addColumn<int>("leftFree"); // bytes, once the old file is there
    QTest::addColumn<QString>("reason");

    const QString full = u"No space left on device"_s;
    QTest::newRow("PNG, disk full") << "figure.png" << false << false << 0 << full;
    QTest::newRow("small SVG, disk full") << "figure.svg" << false << false << 0 << full;
    QTest::newRow("PDF, disk full") << "figure.pdf" << false << false << 0 << full;
    QTest::newRow("PDF over a good one, 4 KiB free") << "figure.pdf" << false << true << 4096 << full;
    QTest::newRow("PNG over a good one, 4 KiB free") << "figure.png" << false << true << 4096 << full;
    QTest::newRow("printed, disk full") << "printed.pdf" << true << false << 0 << "cut short";
    QTest::newRow("printed over a good one, 4 KiB free") << "printed.pdf" << true << true << 4096 << "cut short";
}
// clang-format on

void TestFigureExport::fullDiskKeepsTheOldFile()
{
    QFETCH(QString, name);
    QFETCH(bool, printed);
    QFETCH(bool, overAnOldFile);
    QFETCH(int, leftFree);
    QFETCH(QString, reason);
    SmallDisk disk(256);
    if (!disk.mounted())
        QSKIP("No small tmpfs can be mounted here (mounting needs root); a full disk cannot be made.");
    const QString path = disk.filePath(name);
    const Form3 &view = viewWithBothLines();
    // The old file is the figure itself, saved while there was room: a good file of the size the new one needs.
    if (overAnOldFile)
        QVERIFY(write(view, printed, path));
    const QByteArray old = overAnOldFile ? contents(path) : QByteArray();
    QVERIFY(disk.fill(leftFree));

    QVERIFY(!write(view, printed, path));
    QCOMPARE(m_messages.messages().size(), size_t(1));
    const QString message = m_messages.firstText();
    QVERIFY2(message.contains(path) && message.contains(reason), qPrintable(message));
    QStringList expected{u"filler"_s};
    if (overAnOldFile) {
        QCOMPARE(contents(path), old);
        expected.append(name);
        expected.sort();
    }
    QCOMPARE(entries(disk.path()), expected);
}

void TestFigureExport::refusesWhatIsNotARegularFile_data()
{
    QTest::addColumn<QString>("kind"); // what lies at the name
    QTest::addColumn<bool>("printed");
    QTest::addColumn<QString>("reason");

    QTest::newRow("save through a link to /dev/full") << "link to /dev/full" << false << "leads to /dev/full, a device";
    QTest::newRow("print through a link to /dev/full") << "link to /dev/full" << true << "leads to /dev/full, a device";
    QTest::newRow("save onto a device node") << "device" << false << "a device, not a regular file";
    QTest::newRow("print onto a device node") << "device" << true << "a device, not a regular file";
    QTest::newRow("print onto a named pipe, no reader") << "pipe" << true << "a named pipe, not a regular file";
    QTest::newRow("save onto a named pipe, no reader") << "pipe" << false << "a named pipe, not a regular file";
    QTest::newRow("save onto a folder") << "folder" << false << "a folder, not a regular file";
    QTest::newRow("print through a link to a folder") << "link to a folder" << true << "a folder, not a regular file";
}

void TestFigureExport::refusesWhatIsNotARegularFile()
{
    QFETCH(QString, kind);
    QFETCH(bool, printed);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(printed ? u"figure.pdf"_s : u"figure.png"_s);
    const QByteArray name = QFile::encodeName(path);
    if (kind == u"link to /dev/full")
        QVERIFY(QFile::link(u"/dev/full"_s, path));
    else if (kind == u"device" && ::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        QSKIP("A device node cannot be made here (it needs root).");
    else if (kind == u"pipe")
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    else if (kind == u"folder")
        QVERIFY(QDir(dir.path()).mkdir(QFileInfo(path).fileName()));
    else if (kind == u"link to a folder")
        QVERIFY(QFile::link(dir.path(), path));
    struct stat before;
    QCOMPARE(::lstat(name.constData(), &before), 0);
    const Form3 &view = viewWithBothLines();

    // A blocking open of the pipe would hold the test here until its time runs out.
    QVERIFY(!write(view, printed, path));
    QCOMPARE(m_messages.messages().size(), size_t(1));
    const QString message = m_messages.firstText();
    QVERIFY2(message.contains(u'"' + path + u'"') && message.contains(reason), qPrintable(message));
    struct stat after;
    QCOMPARE(::lstat(name.constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(entries(dir.path()), QStringList{QFileInfo(path).fileName()});
    struct stat full;
    QVERIFY(::stat("/dev/full", &full) == 0 && S_ISCHR(full.st_mode));
}

void TestFigureExport::writesThroughALinkToARegularFile_data()
{
    QTest::addColumn<bool>("printed");
    QTest::newRow("saved") << false;
    QTest::newRow("printed") << true;
}

void TestFigureExport::writesThroughALinkToARegularFile()
{
    QFETCH(bool, printed);
    QTemporaryDir dir;
    const QString real = dir.filePath(printed ? u"mine.pdf"_s : u"mine.png"_s);
    const QString link = dir.filePath(printed ? u"link.pdf"_s : u"link.png"_s);
    QVERIFY(putFile(real, "the user's old file"));
    QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const QFile::Permissions permissions = QFile::permissions(real);
    QVERIFY(QFile::link(real, link));

    QVERIFY(write(viewWithBothLines(), printed, link));
    QVERIFY(m_messages.messages().empty());
    QCOMPARE(QFileInfo(link).symLinkTarget(), real);
    const QByteArray written = contents(real);
    QVERIFY2(written.startsWith(printed ? "%PDF" : "\x89PNG"), written.left(16).constData());
    QCOMPARE(QFile::permissions(real), permissions);
    QCOMPARE(entries(dir.path()), (QStringList{QFileInfo(link).fileName(), QFileInfo(real).fileName()}));
}

void TestFigureExport::killedMidwayLeavesAWholeFile_data()
{
    QTest::addColumn<bool>("printed");
    QTest::newRow("saved as PNG") << false;
    QTest::newRow("printed to PDF") << true;
}

void TestFigureExport::killedMidwayLeavesAWholeFile()
{
    QFETCH(bool, printed);
    QTemporaryDir dir;
    const QString path = dir.filePath(printed ? u"figure.pdf"_s : u"figure.png"_s);
    QVERIFY(write(viewWithBothLines(), printed, path));
    const QByteArray old = contents(path);

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(ChildVariable), (printed ? u"print:"_s : u"save:"_s) + path);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForStarted());
    const auto stopChild = qScopeGuard([&] {
        child.kill();
        child.waitForFinished();
    });
    // The child says when its first write is done; from then on it is nearly always in the middle of one.
    QVERIFY(child.waitForReadyRead(60000));
    QThread::msleep(30);
    ::kill(pid_t(child.processId()), SIGKILL);
    QVERIFY(child.waitForFinished());

    // The old file, or a new one as whole: a PDF differs only in the second it was made.
    const QByteArray left = contents(path);
    if (printed) {
        QCOMPARE(left.size(), old.size());
        QVERIFY(left.endsWith("%%EOF\n"));
    } else {
        QCOMPARE(left, old);
    }
    const QStringList there = entries(dir.path());
    QVERIFY2(there.size() <= 2 && there.contains(QFileInfo(path).fileName()), qPrintable(there.join(u", ")));
    for (const QString &other : there)
        QVERIFY2(other == QFileInfo(path).fileName() || other.startsWith(QFileInfo(path).fileName() + u'.'),
                 qPrintable(other));
}

void TestFigureExport::saveDialogOpensInPicturesThenWhereTheLastSaveWent()
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const auto restoreHome = qScopeGuard([&] { qputenv("HOME", oldHome); });
    qputenv("HOME", QFile::encodeName(home.path()));
    QCOMPARE(FigureExport::saveDialogFolder(), home.path());
    QVERIFY(QDir(home.path()).mkdir(u"Pictures"_s));
    QCOMPARE(FigureExport::saveDialogFolder(), home.filePath(u"Pictures"_s));

    QTemporaryDir elsewhere;
    const Form3 &view = viewWithBothLines();
    QVERIFY(!FigureExport::saveTo(view, elsewhere.filePath(u"missing/figure.png"_s)));
    QCOMPARE(FigureExport::saveDialogFolder(), home.filePath(u"Pictures"_s));
    QVERIFY(FigureExport::saveTo(view, elsewhere.filePath(u"figure.svg"_s)));
    QCOMPARE(FigureExport::saveDialogFolder(), elsewhere.path());
    m_messages.clear();
}

void TestFigureExport::doneIsTold_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("told"); // empty: nothing, a message says what failed
    QTest::newRow("saved as PNG") << QKeySequence(QKeySequence::Save) << u"figure.png"_s
                                  << u"The figure was saved as \"figure.png\"."_s;
    QTest::newRow("saved as PDF") << QKeySequence(QKeySequence::Save) << u"sheet.pdf"_s
                                  << u"The figure was saved as \"sheet.pdf\"."_s;
    QTest::newRow("not saved") << QKeySequence(QKeySequence::Save) << u"figure.txt"_s << u""_s;
    QTest::newRow("printed to a file") << QKeySequence(QKeySequence::Print) << u"printed.pdf"_s
                                       << u"The figure was printed to the file \"printed.pdf\"."_s;
    QTest::newRow("not printed") << QKeySequence(QKeySequence::Print) << u"missing/printed.pdf"_s << u""_s;
}

// A save or a print that worked is told to a screen reader with the file's name; one that failed is not.
void TestFigureExport::doneIsTold()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, name);
    QFETCH(QString, told);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    FigureExport::setDialogs({[path](QWidget *) { return path; },
                              [path](QWidget *, QPrinter &printer) {
                                  printer.setOutputFileName(path);
                                  return true;
                              }});
    Form3 &view = viewWithBothLines();
    view.bringToFront();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    Accessibility::withdraw(view);
    QTest::keySequence(&view, keys);
    QCOMPARE(Accessibility::lastAnnouncement(view), told);
    QCOMPARE(m_messages.messages().empty(), !told.isEmpty());
    m_messages.clear();
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (const QString how = qEnvironmentVariable(ChildVariable); !how.isEmpty())
        return writeForever(how);
    TestFigureExport test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_figure_export.moc"

// SPDX-License-Identifier: MIT
#include "command_line.h"

#include "regular_file.h"
#include "translation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

const char *const programName = "astrolabe-simulator";

// The command line is read before the application exists: its texts come from the catalogue itself.
QString translated(const char *source)
{
    return Translation::text("CommandLine", source);
}

QString usage()
{
    //: The text of --help. The options' names and "astrolabe-simulator(1)" stay as they are.
    return translated(QT_TRANSLATE_NOOP(
        "CommandLine", "Usage: astrolabe-simulator [--help] [--version] [Qt options]\n"
                       "\n"
                       "Dorlasco's astrolabe simulator: find the position of the Sun, the position of the Moon or the\n"
                       "phase of the Moon from the other two on an ancient astrolabe plate, read the solar hour, and\n"
                       "see the solution drawn on a circle. Press F1 in the program for its guide.\n"
                       "\n"
                       "Options:\n"
                       "  -h, --help     show this help and exit\n"
                       "  -v, --version  show the version and exit\n"
                       "\n"
                       "Qt's own options, such as -platform offscreen or -style fusion, are passed on to Qt.\n"
                       "See astrolabe-simulator(1).\n"));
}

// The options that QGuiApplication, QApplication and the X11 platform take. They are known here, before Qt starts,
// because a wrong command line is refused with its own message and status even where no display can be opened,
// and Qt would take "-platform" without its value in silence. The parser only learns their shape; Qt reads them.
const char *const qtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "name",          "title",
    "style",           "stylesheet",         "qmljsdebugger",
};
const char *const qtOptionsAlone[] = {
    "reverse", "widgetcount", "nograb", "dograb", "sync", "visual", "cmap", "testability",
};
// Qt reads these also as -style=fusion; any other option with "=" is not Qt's.
const QStringList qtOptionsWithAttachedValue = {u"style"_s, u"stylesheet"_s, u"qmljsdebugger"_s};

void writeError(const QString &line)
{
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

int refuse(const QString &line)
{
    writeError(QStringLiteral("%1: %2\n").arg(QLatin1String(programName), line));
    writeError(usage());
    return 2;
}

// Writes the text to standard output; a full disc or a closed pipe is said on standard error, as GNU tools do.
int writeOut(const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    errno = 0;
    const bool written = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    const bool flushed = std::fflush(stdout) == 0;
    if (written && flushed)
        return 0;
    const int error = errno;
    const QString reason = QString::fromLocal8Bit(std::strerror(error));
    writeError(QStringLiteral("%1: %2\n")
                   .arg(QLatin1String(programName),
                        error ? translated(QT_TRANSLATE_NOOP("CommandLine", "write error: %1")).arg(reason)
                              : translated(QT_TRANSLATE_NOOP("CommandLine", "write error"))));
    return 1;
}

// Qt reads the style sheet whole, whatever lies at its name: a named pipe would hang the start, /dev/zero would take
// all memory. Only a regular file of reasonable size reaches Qt.
constexpr qint64 MaxStyleSheetBytes = 1024 * 1024;

std::optional<int> refuseStyleSheet(const QString &path)
{
    const RegularFile file = checkRegularFile(path.toLocal8Bit(), MaxStyleSheetBytes);
    if (file.problem == RegularFile::None)
        return std::nullopt;
    writeError(QStringLiteral("%1: %2\n")
                   .arg(QLatin1String(programName),
                        translated(QT_TRANSLATE_NOOP("CommandLine", "cannot use the style sheet '%1': %2"))
                            .arg(path, file.reason)));
    return 2;
}

// The option an argument names, as the parser sees it: "-style=fusion" and "--style" name "style".
QString optionName(const QString &argument)
{
    const QString name = argument.mid(argument.startsWith(u"--") ? 2 : 1);
    return name.left(name.indexOf(u'='));
}

} // namespace

std::optional<int> handleCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's options are written with one dash: -style is one option, not -s -t -y -l -e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{u"h"_s, u"help"_s});
    const QCommandLineOption version(QStringList{u"v"_s, u"version"_s});
    parser.addOption(help);
    parser.addOption(version);
    for (const char *name : qtOptionsWithValue)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), u"value"_s));
    for (const char *name : qtOptionsAlone)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    const bool parsed = parser.parse(arguments);

    // Asked for anywhere, even beside a wrong option, the usage and the version win.
    if (parser.isSet(help))
        return writeOut(usage());
    if (parser.isSet(version))
        return writeOut(QStringLiteral("%1 %2\nCopyright (C) %3 Dorlasco's astrolabe simulator developers\n")
                            .arg(QLatin1String(programName), QStringLiteral(ASTROLABE_VERSION),
                                 QStringLiteral(ASTROLABE_RELEASE_YEAR)));

    const QStringList options = arguments.mid(1);
    const auto named = [&options](const QString &name) {
        for (const QString &argument : options) {
            if (argument.startsWith(u'-') && optionName(argument) == name)
                return argument;
        }
        return name;
    };
    if (!parser.unknownOptionNames().isEmpty())
        return refuse(translated(QT_TRANSLATE_NOOP("CommandLine", "unknown option '%1'"))
                          .arg(named(parser.unknownOptionNames().constFirst())));
    for (const QString &argument : options) {
        if (argument.startsWith(u'-') && argument.contains(u'=')
            && !qtOptionsWithAttachedValue.contains(optionName(argument)))
            return refuse(translated(QT_TRANSLATE_NOOP("CommandLine", "unknown option '%1'")).arg(argument));
    }
    // The parser's only other complaint: the last option wants a value that is not there.
    if (!parsed)
        return refuse(
            translated(QT_TRANSLATE_NOOP("CommandLine", "missing value for option '%1'")).arg(options.constLast()));
    // "--" ends a GNU command line, but Qt would pass the options after it on to the windows' styles all the same.
    if (options.contains(u"--"_s))
        return refuse(translated(QT_TRANSLATE_NOOP("CommandLine", "unknown option '%1'")).arg(u"--"_s));
    if (!parser.positionalArguments().isEmpty())
        return refuse(translated(QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'"))
                          .arg(parser.positionalArguments().constFirst()));
    for (const QString &path : parser.values(u"stylesheet"_s)) {
        if (const auto status = refuseStyleSheet(path))
            return status;
    }
    return std::nullopt;
}

// SPDX-License-Identifier: MIT
#include "command_line.h"

#include "regular_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view programName = "astrolabe-simulator";

constexpr std::string_view usage =
    "Usage: astrolabe-simulator [--help] [--version] [Qt options]\n"
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
    "See astrolabe-simulator(1).\n";

// QGuiApplication, QApplication and the X11 platform take these, each followed by a value.
constexpr std::string_view qtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "name",          "title",
    "style",           "stylesheet",
};
// These also come as -style=fusion.
constexpr std::string_view qtOptionsWithAttachedValue[] = {"style", "stylesheet", "qmljsdebugger"};
constexpr std::string_view qtOptionsAlone[] = {
    "reverse", "widgetcount", "nograb", "dograb", "sync", "visual", "cmap", "testability",
};

template <std::size_t N>
bool contains(const std::string_view (&names)[N], std::string_view name)
{
    for (std::string_view candidate : names) {
        if (candidate == name)
            return true;
    }
    return false;
}

int refuse(const char *what, std::string_view argument)
{
    std::fprintf(stderr, "%.*s: %s '%.*s'\n", int(programName.size()), programName.data(), what, int(argument.size()),
                 argument.data());
    std::fwrite(usage.data(), 1, usage.size(), stderr);
    return 2;
}

// Writes the text to standard output; a full disc or a closed pipe is said on standard error, as GNU tools do.
int writeOut(std::string_view text)
{
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    const bool flushed = std::fflush(stdout) == 0;
    if (written && flushed)
        return 0;
    const int error = errno;
    std::fprintf(stderr, "%.*s: write error%s%s\n", int(programName.size()), programName.data(), error ? ": " : "",
                 error ? std::strerror(error) : "");
    return 1;
}

// Qt reads the style sheet whole, whatever lies at its name: a named pipe would hang the start, /dev/zero would take
// all memory. Only a regular file of reasonable size reaches Qt.
constexpr qint64 MaxStyleSheetBytes = 1024 * 1024;

std::optional<int> refuseStyleSheet(std::string_view path)
{
    const RegularFile file = checkRegularFile(QByteArray(path.data(), qsizetype(path.size())), MaxStyleSheetBytes);
    if (file.problem == RegularFile::None)
        return std::nullopt;
    std::fprintf(stderr, "%.*s: cannot use the style sheet '%.*s': %s\n", int(programName.size()), programName.data(),
                 int(path.size()), path.data(), file.reason.toLocal8Bit().constData());
    return 2;
}

} // namespace

std::optional<int> handleCommandLine(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help")
            return writeOut(usage);
        if (argument == "-v" || argument == "--version")
            return writeOut(std::string(programName) + ' ' + ASTROLABE_VERSION
                            + "\nCopyright (C) " ASTROLABE_RELEASE_YEAR " Dorlasco's astrolabe simulator developers\n");
    }

    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.size() < 2 || argument[0] != '-')
            return refuse("unexpected argument", argument);
        // Qt reads --platform as -platform.
        const std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
        if (const auto equals = name.find('='); equals != std::string_view::npos) {
            if (!contains(qtOptionsWithAttachedValue, name.substr(0, equals)))
                return refuse("unknown option", argument);
            if (name.substr(0, equals) == "stylesheet")
                if (const auto status = refuseStyleSheet(name.substr(equals + 1)))
                    return status;
            continue;
        }
        if (contains(qtOptionsAlone, name))
            continue;
        if (!contains(qtOptionsWithValue, name))
            return refuse("unknown option", argument);
        if (i + 1 == argc)
            return refuse("missing value for option", argument);
        ++i;
        if (name == "stylesheet")
            if (const auto status = refuseStyleSheet(argv[i]))
                return status;
    }
    return std::nullopt;
}

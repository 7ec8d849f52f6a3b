// SPDX-License-Identifier: MIT
#include "command_line.h"

#include <cstdio>
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
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "geometry", "name", "title", "style", "stylesheet",
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
    std::fprintf(stderr, "%.*s: %s '%.*s'\n", int(programName.size()), programName.data(), what,
                 int(argument.size()), argument.data());
    std::fwrite(usage.data(), 1, usage.size(), stderr);
    return 2;
}

} // namespace

std::optional<int> handleCommandLine(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help") {
            std::fwrite(usage.data(), 1, usage.size(), stdout);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
        if (argument == "-v" || argument == "--version") {
            std::printf("%.*s %s\n", int(programName.size()), programName.data(), ASTROLABE_VERSION);
            return std::fflush(stdout) == 0 ? 0 : 1;
        }
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
            continue;
        }
        if (contains(qtOptionsAlone, name))
            continue;
        if (!contains(qtOptionsWithValue, name))
            return refuse("unknown option", argument);
        if (i + 1 == argc)
            return refuse("missing value for option", argument);
        ++i;
    }
    return std::nullopt;
}

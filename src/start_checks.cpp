// SPDX-License-Identifier: MIT
#include "start_checks.h"

#include <QGuiApplication>
#include <QScreen>
#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr char programName[] = "astrolabe-simulator";

// The fewest bits per pixel the program runs on.
constexpr int MinimumDepth = 15;

QtMessageHandler previousHandler = nullptr;
bool displayRefused = false;

void watchForDisplayFailure(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The X platform says this before Qt gives up on every platform.
    if (message.contains(QLatin1String("could not connect to display")))
        displayRefused = true;
    if (type == QtFatalMsg && displayRefused) {
        const char *display = std::getenv("DISPLAY");
        if (!display || !*display)
            std::fprintf(stderr, "%s: no display could be opened: DISPLAY is not set\n", programName);
        else
            std::fprintf(stderr, "%s: no display could be opened: the X server at DISPLAY=%s did not answer\n",
                         programName, display);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (type != QtFatalMsg && message.contains(QLatin1String("could not connect to display")))
        return; // said in the one line above, if Qt gives up
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void openMissingStandardDescriptors()
{
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free number is this one, as those below it are open.
        const int opened = ::open("/dev/null", descriptor == 0 ? O_RDONLY : O_WRONLY);
        if (opened != descriptor && opened >= 0)
            ::close(opened);
    }
}

DisplayFailureWatch::DisplayFailureWatch()
{
    previousHandler = qInstallMessageHandler(watchForDisplayFailure);
}

DisplayFailureWatch::~DisplayFailureWatch()
{
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
}

std::optional<int> refuseUnusableDisplay()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || QGuiApplication::platformName() != QLatin1String("xcb") || screen->depth() >= MinimumDepth)
        return std::nullopt;
    std::fprintf(stderr, "%s: the display has %d bits per pixel; the program needs at least %d (thousands of colours)\n",
                 programName, screen->depth(), MinimumDepth);
    return 1;
}

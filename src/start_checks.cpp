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

#include <vector>

namespace {

constexpr char programName[] = "astrolabe-simulator";

// The fewest bits per pixel the program runs on.
constexpr int MinimumDepth = 15;

QtMessageHandler previousHandler = nullptr;
bool displayRefused = false;
QByteArray refusedDisplay; // as Qt named it: from DISPLAY or from -display

// Qt's messages while it starts, held back: when no display opens, the one line says it all.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> &heldMessages()
{
    static std::vector<HeldMessage> messages;
    return messages;
}

void watchForDisplayFailure(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The X platform says this, with the display's name, before Qt gives up on every platform.
    static const QLatin1String noConnection("could not connect to display");
    if (const qsizetype at = message.indexOf(noConnection); at >= 0) {
        displayRefused = true;
        refusedDisplay = message.mid(at + noConnection.size()).trimmed().toLocal8Bit();
    }
    if (type != QtFatalMsg) {
        heldMessages().push_back({type, context.category, message});
        return;
    }
    if (displayRefused) {
        if (refusedDisplay.isEmpty())
            std::fprintf(stderr, "%s: no display could be opened: DISPLAY is not set\n", programName);
        else
            std::fprintf(stderr, "%s: no display could be opened: the X server of display %s did not answer\n",
                         programName, refusedDisplay.constData());
        std::fflush(stderr);
        std::_Exit(1);
    }
    // Any other end: what Qt said, in order.
    for (const HeldMessage &held : heldMessages())
        previousHandler(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category.constData()), held.text);
    heldMessages().clear();
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
    for (const HeldMessage &held : heldMessages())
        previousHandler(held.type, QMessageLogContext(nullptr, 0, nullptr, held.category.constData()), held.text);
    heldMessages().clear();
    previousHandler = nullptr;
}

std::optional<int> refuseUnusableDisplay()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || QGuiApplication::platformName() != QLatin1String("xcb") || screen->depth() >= MinimumDepth)
        return std::nullopt;
    std::fprintf(stderr, "%s: the display has %d bits per pixel; the program needs at least %d\n", programName,
                 screen->depth(), MinimumDepth);
    return 1;
}

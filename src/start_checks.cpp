// SPDX-License-Identifier: MIT
#include "start_checks.h"

#include "translation.h"

#include <QCoreApplication>

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
        // Said before the application exists: the text comes from the catalogue itself.
        const QString said =
            refusedDisplay.isEmpty()
                ? Translation::text("CommandLine",
                                    QT_TRANSLATE_NOOP("CommandLine", "no display could be opened: DISPLAY is not set"))
                //: %1 is the display's name, such as :0.
                : Translation::text("CommandLine",
                                    QT_TRANSLATE_NOOP("CommandLine",
                                                      "no display could be opened: the X server of display %1 did "
                                                      "not answer"))
                      .arg(QString::fromLocal8Bit(refusedDisplay));
        std::fprintf(stderr, "%s: %s\n", programName, said.toLocal8Bit().constData());
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
    //: %1 is the display's bits per pixel, %2 the fewest the program needs.
    const QString said =
        QCoreApplication::translate("CommandLine", "the display has %1 bits per pixel; the program needs at least %2")
            .arg(screen->depth())
            .arg(MinimumDepth);
    std::fprintf(stderr, "%s: %s\n", programName, said.toLocal8Bit().constData());
    return 1;
}

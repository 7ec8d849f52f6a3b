// SPDX-License-Identifier: MIT
#include "app.h"

#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QPixmap>
#include <QResource>
#include <QUtf8StringView>

#include <algorithm>
#include <climits>
#include <unistd.h>

namespace {

QString &pathOverride()
{
    static QString path;
    return path;
}

// The executable's folder as the file system names it, read once the application exists.
const QByteArray &programFolderBytes()
{
    static const QByteArray folder = [] {
        if (const QString named = QCoreApplication::applicationDirPath(); !named.isEmpty())
            return QFile::encodeName(named);
        // Qt names the folder by a QString and gives none for a name that is not UTF-8 (a Latin-1 "\xE9"): the
        // bytes of that name come from the executable's link then.
        char buffer[PATH_MAX];
        const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
        if (length <= 0 || length >= ssize_t(sizeof buffer))
            return QByteArray();
        const QByteArray executable(buffer, length);
        return executable.left(std::max<qsizetype>(executable.lastIndexOf('/'), 1));
    }();
    return folder;
}

// A file name for the user to read: UTF-8 as it is, any other byte written as \xE9.
QString readableName(const QByteArray &bytes)
{
    QString name;
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar lead = uchar(bytes[i]);
        const qsizetype length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        const QByteArray piece = bytes.mid(i, length);
        if (length > 0 && piece.size() == length && QUtf8StringView(piece).isValidUtf8()) {
            name += QString::fromUtf8(piece);
            i += length;
        } else {
            name += QStringLiteral("\\x") + QString::number(lead, 16).toUpper().rightJustified(2, u'0');
            ++i;
        }
    }
    return name;
}

} // namespace

QString App::Title()
{
    return QStringLiteral("Dorlasco's astrolabe simulator");
}

QString App::TranslatedTitle()
{
    //: The program's name, the title of the main window and of the program's messages.
    return QCoreApplication::translate("App", "Dorlasco's astrolabe simulator");
}

QIcon App::Icon()
{
    // A static QIcon would outlive the application that its engine belongs to.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        // Raw pixels, stored uncompressed, rendered from the scalable icon during the build.
        const QResource pixels(QStringLiteral(":/icons/%1.argb").arg(size));
        if (pixels.isValid() && pixels.size() == qint64(size) * size * 4)
            icon.addPixmap(QPixmap::fromImage(QImage(pixels.data(), size, size, QImage::Format_ARGB32_Premultiplied)));
    }
    return icon;
}

QString App::Path()
{
    QString path = pathOverride().isEmpty() ? readableName(programFolderBytes()) : pathOverride();
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

void App::setPathForTesting(const QString &path)
{
    pathOverride() = path;
}

QByteArray App::nativeFileName(const QString &path)
{
    const QString folder = App::Path();
    if (pathOverride().isEmpty() && (path == folder || path.startsWith(folder + u'/')))
        return programFolderBytes() + QFile::encodeName(path.mid(folder.size()));
    return QFile::encodeName(path);
}

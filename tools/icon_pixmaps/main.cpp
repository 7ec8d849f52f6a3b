// SPDX-License-Identifier: MIT
// Renders the program's scalable icon at the sizes that window decorations ask for, as raw premultiplied ARGB32
// pixels in the build machine's byte order: the windows take them as they are at start, with nothing to decode.
//
//   icon_pixmaps ICON.svg OUTPUT_FOLDER SIZE...     writes OUTPUT_FOLDER/SIZE.argb for each SIZE
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: icon_pixmaps ICON.svg OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "icon_pixmaps: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    for (const QString &sizeText : arguments.mid(3)) {
        const int size = sizeText.toInt();
        QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        renderer.render(&painter);
        painter.end();
        const QString path = arguments.at(2) + u'/' + sizeText + QStringLiteral(".argb");
        QFile file(path);
        if (size <= 0 || !file.open(QIODevice::WriteOnly)
            || file.write(reinterpret_cast<const char *>(picture.constBits()), picture.sizeInBytes())
                   != picture.sizeInBytes()) {
            std::fprintf(stderr, "icon_pixmaps: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}

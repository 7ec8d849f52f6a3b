// SPDX-License-Identifier: MIT
// Reading a picture for a box smaller than the picture: the JPEG decoder halves it while it decodes, only by whole
// halves that keep it at least as large as the box, and the result looks like the whole picture scaled down.
#include "test_support.h"

#include "form1.h"
#include "picture_file.h"
#include "runtime_error.h"

#include <QBuffer>
#include <QImageReader>

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

// Fine detail everywhere, so a careless reduction shows: rings, spokes and a colour ramp.
QImage detailedPicture(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(), 128));
    }
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    for (int r = 8; r < std::min(size.width(), size.height()) / 2; r += 9) {
        painter.setPen(QPen(QColor(40, 20, 0), 1.5));
        painter.drawEllipse(centre, r, r);
    }
    for (int spoke = 0; spoke < 28; ++spoke) {
        const double angle = spoke * 2 * M_PI / 28;
        painter.drawLine(centre, centre + QPointF(std::cos(angle), std::sin(angle)) * size.width());
    }
    return picture;
}

QByteArray encoded(const QImage &picture, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return bytes;
}

// Qt writes no GIF. Each pixel is one 8-bit code of 7-bit colour (a clear code every 100 pixels keeps the codes at
// 8 bits), so the picture is exact and its data long enough to cut.
QByteArray gif(QSize size)
{
    QByteArray bytes("GIF89a");
    const auto word = [&bytes](int value) {
        bytes += char(value & 0xFF);
        bytes += char(value >> 8);
    };
    word(size.width());
    word(size.height());
    bytes += char(0x86); // a global table of 128 colours
    bytes += '\0';
    bytes += '\0';
    for (int i = 0; i < 128; ++i)
        bytes += QByteArray(1, char(i * 2)) + char(255 - i * 2) + char(i);
    bytes += ',';
    word(0);
    word(0);
    word(size.width());
    word(size.height());
    bytes += '\0';
    bytes += char(7);
    QByteArray codes;
    for (int i = 0; i < size.width() * size.height(); ++i) {
        if (i % 100 == 0)
            codes += char(128);
        codes += char((i / 7) % 128);
    }
    codes += char(129);
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        bytes += char(block.size()) + block;
    }
    bytes += '\0';
    bytes += ';';
    return bytes;
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (char byte : bytes) {
        crc ^= uchar(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320 : crc >> 1;
    }
    return ~crc;
}

// A PNG that claims the given sides; it has no pixels, as the reader gives up before them.
QByteArray pngClaiming(QSize size)
{
    QByteArray header("IHDR");
    for (int side : {size.width(), size.height()})
        header += QByteArray(1, char(side >> 24)) + char(side >> 16) + char(side >> 8) + char(side);
    header += QByteArray("\x10\x02\x00\x00\x00", 5); // RGB of 16 bits a channel
    QByteArray bytes("\x89PNG\r\n\x1a\n\x00\x00\x00\x0d", 12);
    const quint32 crc = crc32(header);
    bytes += header + char(crc >> 24) + char(crc >> 16) + char(crc >> 8) + char(crc);
    // An empty data chunk, for the reader to reach, then the end.
    return bytes + QByteArray("\x00\x00\x00\x00IDAT\x35\xAF\x06\x1E\x00\x00\x00\x00IEND\xAE\x42\x60\x82", 24);
}

} // namespace

class TestPictureLoading : public QObject
{
    Q_OBJECT

private slots:
    void decodedSize_data();
    void decodedSize();
    void reducedLooksLikeScaledDown_data();
    void reducedLooksLikeScaledDown();
    void endsAndSizes_data();
    void endsAndSizes();

private:
    QTemporaryDir m_dir;
};

void TestPictureLoading::decodedSize_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("toFill");
    QTest::addColumn<QSize>("decoded");

    const QByteArray jpeg("jpg");
    QTest::newRow("twice the box: halved") << QSize(418, 418) << jpeg << QSize(209, 209) << QSize(209, 209);
    QTest::newRow("four times: quartered") << QSize(836, 836) << jpeg << QSize(209, 209) << QSize(209, 209);
    QTest::newRow("sixteen times: an eighth at most") << QSize(1024, 512) << jpeg << QSize(64, 32) << QSize(128, 64);
    QTest::newRow("halving would go below the box") << QSize(418, 418) << jpeg << QSize(210, 209) << QSize(418, 418);
    QTest::newRow("one side twice, the other not") << QSize(400, 300) << jpeg << QSize(200, 200) << QSize(400, 300);
    QTest::newRow("odd sides: halved all the same") << QSize(627, 627) << jpeg << QSize(209, 209) << QSize(313, 313);
    QTest::newRow("an eighth that is not whole") << QSize(836, 836) << jpeg << QSize(100, 100) << QSize(104, 104);
    QTest::newRow("the box's own size") << QSize(418, 418) << jpeg << QSize(418, 418) << QSize(418, 418);
    QTest::newRow("no box given") << QSize(418, 418) << jpeg << QSize() << QSize(418, 418);
    QTest::newRow("PNG: read whole") << QSize(418, 418) << QByteArray("png") << QSize(209, 209) << QSize(418, 418);
}

void TestPictureLoading::decodedSize()
{
    QFETCH(QSize, picture);
    QFETCH(QByteArray, format);
    QFETCH(QSize, toFill);
    QFETCH(QSize, decoded);
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u'.' + format);
    QVERIFY(detailedPicture(picture).save(path, format.constData(), 90));

    QCOMPARE(LoadPicture(path, toFill).size(), decoded);
}

void TestPictureLoading::reducedLooksLikeScaledDown_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<double>("limit"); // mean difference per channel, in levels of 255

    QVERIFY(m_dir.isValid());
    const QString detailed = m_dir.filePath(u"detailed.jpg"_qs);
    QVERIFY(detailedPicture(QSize(836, 836)).save(detailed, "JPEG", 90));
    QTest::newRow("the plate, halved") << Form1::platePicturePath() << QSize(209, 209) << 2.0;
    // Edges every few pixels are the worst case for a reduction in the frequency domain.
    QTest::newRow("rings and spokes, halved") << detailed << QSize(418, 418) << 3.0;
    QTest::newRow("rings and spokes, quartered") << detailed << QSize(209, 209) << 3.0;
}

void TestPictureLoading::reducedLooksLikeScaledDown()
{
    QFETCH(QString, path);
    QFETCH(QSize, box);
    QFETCH(double, limit);

    const QImage reduced = LoadPicture(path, box).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(reduced.size().width() < LoadPicture(path).width(), "the decoder did not reduce the picture");
    const QImage scaledDown = LoadPicture(path)
                                  .scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                  .convertToFormat(QImage::Format_RGB32);
    const QImage shown = reduced.scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double difference = meanDifference(shown, scaledDown);
    QVERIFY2(difference < limit, qPrintable(u"mean difference %1 levels"_qs.arg(difference)));
}

// A picture cut short is refused whatever its format; bytes after a complete picture are not its business.
void TestPictureLoading::endsAndSizes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refusal"); // empty: the picture loads

    const QImage picture = detailedPicture(QSize(120, 90));
    const QByteArray jpeg = encoded(picture, "JPEG");
    const QByteArray bmp = encoded(picture, "BMP");
    const QByteArray gif89 = gif(QSize(120, 90));
    const QString truncated = QStringLiteral("the file is truncated");
    QTest::newRow("JPEG, then a trailer") << jpeg + "camera trailer\xFF\xD8" << QString();
    QTest::newRow("JPEG padded with zeros") << jpeg + QByteArray(64, '\0') << QString();
    QTest::newRow("JPEG cut in half") << jpeg.left(jpeg.size() / 2) << truncated;
    QTest::newRow("JPEG cut in half, then a trailer") << jpeg.left(jpeg.size() / 2) + "trailer" << truncated;
    QTest::newRow("GIF") << gif89 << QString();
    QTest::newRow("GIF, then a trailer") << gif89 + "trailer" << QString();
    QTest::newRow("GIF cut to a third") << gif89.left(gif89.size() / 3) << truncated;
    QTest::newRow("GIF without its last byte") << gif89.chopped(1) << truncated;
    QTest::newRow("BMP") << bmp << QString();
    QTest::newRow("BMP cut to a third") << bmp.left(bmp.size() / 3) << truncated;
    QTest::newRow("BMP without its last row") << bmp.chopped(120 * 3) << truncated;
    QTest::newRow("PNG of 8000 × 8000") << pngClaiming(QSize(8000, 8000))
                                        << QStringLiteral("the picture is too large: 8000 × 8000 pixels");
}

void TestPictureLoading::endsAndSizes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(u"picture"_qs);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    file.close();

    try {
        const QImage loaded = LoadPicture(path);
        QVERIFY2(refusal.isEmpty(), "loaded without a word");
        QCOMPARE(loaded.size(), QImageReader(path).size());
    } catch (const RuntimeError &error) {
        QVERIFY2(!refusal.isEmpty(), qPrintable(error.message()));
        QCOMPARE(error.number(), int(RuntimeError::InvalidPicture));
        QVERIFY2(error.message().contains(path + QStringLiteral(" (") + refusal + u')'), qPrintable(error.message()));
    }
}

QTEST_MAIN(TestPictureLoading)
#include "tst_picture_loading.moc"

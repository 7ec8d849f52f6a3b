// SPDX-License-Identifier: MIT
// Reading pictures. For a box smaller than the picture the JPEG decoder halves it while it decodes, only by whole
// halves that keep it at least as large as the box, and the result looks like the whole picture scaled down. A picture
// cut short, too large or not a regular file is refused with a message naming the file, and the plate already shown
// stays.
#include "test_support.h"

#include "form1.h"
#include "forms.h"
#include "app.h"
#include "picture_file.h"
#include "runtime_error.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QLineEdit>

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

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

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

} // namespace

class TestPictureLoading : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenRaiseWarnings(); }
    void init() { resetProgramState(); }
    void cleanup() { resetProgramState(); }
    void decodedSize_data();
    void decodedSize();
    void reducedLooksLikeScaledDown_data();
    void reducedLooksLikeScaledDown();
    void endsAndSizes_data();
    void endsAndSizes();
    void damagedPlatePicture_data();
    void damagedPlatePicture();
    void largePictureWithOddSides();

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
    const QString detailed = m_dir.filePath(u"detailed.jpg"_s);
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
    QVERIFY2(difference < limit, qPrintable(u"mean difference %1 levels"_s.arg(difference)));
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
    const QString truncated = u"the file is truncated"_s;
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
                                        << u"the picture is too large: 8000 × 8000 pixels"_s;
}

void TestPictureLoading::endsAndSizes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refusal);
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(u"picture"_s);
    QVERIFY(writeFile(path, bytes));

    try {
        const QImage loaded = LoadPicture(path);
        QVERIFY2(refusal.isEmpty(), "loaded without a word");
        QCOMPARE(loaded.size(), QImageReader(path).size());
    } catch (const RuntimeError &error) {
        QVERIFY2(!refusal.isEmpty(), qPrintable(error.message()));
        QCOMPARE(error.number(), int(RuntimeError::InvalidPicture));
        QVERIFY2(error.message().contains(path + u" ("_s + refusal + u')'), qPrintable(error.message()));
    }
}

void TestPictureLoading::damagedPlatePicture_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");

    QTest::newRow("truncated") << u"truncated"_s << int(RuntimeError::InvalidPicture) << u"the file is truncated"_s;
    QTest::newRow("not a JPEG") << u"text"_s << int(RuntimeError::InvalidPicture) << u"Unsupported image format"_s;
    QTest::newRow("empty") << u"empty"_s << int(RuntimeError::InvalidPicture) << u"Unsupported image format"_s;
    QTest::newRow("a folder") << u"folder"_s << int(RuntimeError::PathFileAccessError) << u"a folder"_s;
    QTest::newRow("unreadable") << u"unreadable"_s << int(RuntimeError::PathFileAccessError) << u"Permission denied"_s;
    QTest::newRow("missing") << u"missing"_s << int(RuntimeError::FileNotFound) << u"the file is not there"_s;
    // Opening these used to hang for a writer, or read without end, or read gigabytes.
    QTest::newRow("a named pipe") << u"fifo"_s << int(RuntimeError::PathFileAccessError)
                                  << u"a named pipe, not a regular file"_s;
    QTest::newRow("a link to /dev/zero") << u"/dev/zero"_s << int(RuntimeError::PathFileAccessError)
                                         << u"a device, not a regular file"_s;
    QTest::newRow("3 GiB, sparse") << u"huge"_s << int(RuntimeError::InvalidPicture)
                                   << u"the file is too large: 3 GiB, more than the 64 MiB allowed"_s;
}

// A click on the reload square with the plate damaged on disk: the user reads what is wrong with which file, the
// plate on the screen and every field stay, and once the file is mended the next click shows it again.
void TestPictureLoading::damagedPlatePicture()
{
    QFETCH(QString, damage);
    QFETCH(int, error);
    QFETCH(QString, reason);

    QFile built(builtPlatePath());
    QVERIFY2(built.open(QIODevice::ReadOnly), "the build draws the plate picture beside the tests");
    const QByteArray plate = built.readAll();
    ProgramFolder folder;
    QVERIFY(folder.useWithPlate());
    const QString path = folder.plate();

    Form1 &main = openWindow<Form1>();
    for (const QString &box : textBoxNames(u"Form1"))
        main.textBox(box).setText(box + u" kept"_s);
    QVERIFY(main.imageHasPicture(u"Image1"));
    const qint64 picture = main.pictureCacheKey(u"Image1");
    const QImage shown = main.grab(PlateBox).toImage();

    if (damage == u"truncated") {
        QVERIFY(writeFile(path, plate.left(plate.size() / 2)));
    } else if (damage == u"text") {
        QVERIFY(writeFile(path, "This is not a picture, only a text file with the picture's name.\n"));
    } else if (damage == u"empty") {
        QVERIFY(writeFile(path, {}));
    } else if (damage == u"folder") {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
    } else if (damage == u"unreadable") {
        QVERIFY(QFile::setPermissions(path, {}));
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly)) {
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
            QSKIP("running as root: a file without permissions can still be read");
        }
    } else if (damage == u"missing") {
        QVERIFY(QFile::remove(path));
    } else if (damage == u"fifo") {
        QVERIFY(QFile::remove(path));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (damage == u"/dev/zero") {
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::link(damage, path));
    } else if (damage == u"huge") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(3) << 30));
    }

    const FieldTexts before = fieldSnapshot();
    MessageRecorder recorder;
    press(main, u"Picture1");

    QCOMPARE(recorder.messages().size(), size_t(1));
    const UserMessage &message = recorder.messages().front();
    QCOMPARE(message.errorNumber, error);
    QVERIFY2(message.text.contains(QFileInfo(path).absoluteFilePath()), qPrintable(message.text));
    QVERIFY2(message.text.contains(reason), qPrintable(message.text));
    QCOMPARE(message.procedure, u"Form1.Picture1_Click"_s);
    compareFieldTexts(before);
    QVERIFY(main.isVisible());
    QVERIFY(main.imageHasPicture(u"Image1"));
    QCOMPARE(main.pictureCacheKey(u"Image1"), picture);
    QCOMPARE(main.grab(PlateBox).toImage(), shown);

    if (damage == u"folder")
        QVERIFY(QDir().rmdir(path));
    QFile::remove(path);
    QVERIFY(writeFile(path, plate));
    recorder.clear();
    press(main, u"Picture1");
    QVERIFY2(recorder.messages().empty(), qPrintable(recorder.firstText()));
    QVERIFY(main.pictureCacheKey(u"Image1") != picture);
    compareFieldTexts(before);
}

// A valid JPEG whose full decode passes Qt's allocation limit loads, reduced while it is decoded, odd sides or not.
void TestPictureLoading::largePictureWithOddSides()
{
    QTemporaryDir folder;
    QImage picture(5793, 5793, QImage::Format_RGB888);
    picture.fill(Qt::darkCyan);
    QVERIFY(std::exchange(picture, {}).save(folder.filePath(PlateFileName), "JPEG", 50));

    MessageRecorder recorder;
    Form1 &main = openWindow<Form1>();
    App::setPathForTesting(folder.path());
    press(main, u"Picture1");
    QCOMPARE(recorder.messages().size(), size_t(0));
    QImage expected(8, 8, QImage::Format_RGB32);
    expected.fill(Qt::darkCyan);
    QVERIFY(meanDifference(main.grab(QRect(200, 130, 8, 8)).toImage(), expected) < 3);
}

QTEST_MAIN(TestPictureLoading)
#include "tst_picture_loading.moc"

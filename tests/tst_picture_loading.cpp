// SPDX-License-Identifier: MIT
// Reading a picture for a box smaller than the picture: the JPEG decoder halves it while it decodes, only by whole
// halves that keep it at least as large as the box, and the result looks like the whole picture scaled down.
#include "test_support.h"

#include "main_window/form1.h"
#include "platform/app.h"

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

} // namespace

class TestPictureLoading : public QObject
{
    Q_OBJECT

private slots:
    void decodedSize_data();
    void decodedSize();
    void reducedLooksLikeScaledDown_data();
    void reducedLooksLikeScaledDown();

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
    QTest::newRow("sixteen times: an eighth at most") << QSize(1024, 512) << jpeg << QSize(64, 32)
                                                      << QSize(128, 64);
    QTest::newRow("halving would go below the box") << QSize(418, 418) << jpeg << QSize(210, 209)
                                                    << QSize(418, 418);
    QTest::newRow("one side twice, the other not") << QSize(400, 300) << jpeg << QSize(200, 200)
                                                   << QSize(400, 300);
    QTest::newRow("odd sides: halved all the same") << QSize(627, 627) << jpeg << QSize(209, 209)
                                                     << QSize(313, 313);
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

QTEST_MAIN(TestPictureLoading)
#include "tst_picture_loading.moc"

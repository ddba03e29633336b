#include "chart/frmcharts.h"
#include "forms/label.h"
#include "support/testsupport.h"

#include <QTest>
#include <QWindow>

namespace {

frmCharts &chart()
{
    return forms::instance<frmCharts>();
}

// Runs at a scale factor of 2 (set by the test's environment).
QImage clientImage()
{
    const QPixmap pixmap = chart().client()->grab();
    return pixmap.toImage();
}

QRect devicePixels(const QRect &logical)
{
    return QRect(logical.topLeft() * 2, logical.size() * 2);
}

} // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        testsupport::setUpHeadless();
        QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
    }
    void init() { testsupport::startProgram(); }
    void cleanup() { testsupport::resetProgram(); }

    void windowIsTwiceAsLarge()
    {
        QCOMPARE(chart().window()->windowHandle()->devicePixelRatio(), 2.0);
        const QImage image = clientImage();
        QCOMPARE(image.size(), QSize(612, 858));
        QCOMPARE(chart().lblArgon[89].geometry(),
                 QRect(4080 / 15, (1170 + 8 * 240) / 15, 375 / 15, 255 / 15));
    }

    void labelsInProportion_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("argon cell 0") << "lblArgon 0" << QColor(255, 255, 255);
        QTest::newRow("argon column header 9") << "diamLabelA 9" << QColor(0, 255, 255);
        QTest::newRow("neon row header 8") << "TranLabelN 8" << QColor(255, 0, 0);
        QTest::newRow("neon cell 89") << "lblNeon 89" << QColor(255, 255, 255);
    }

    void labelsInProportion()
    {
        QFETCH(QString, which);
        QFETCH(QColor, colour);
        const QStringList parts = which.split(' ');
        const std::map<QString, forms::LabelArray *> arrays{{"lblArgon", &chart().lblArgon},
                                                            {"diamLabelA", &chart().diamLabelA},
                                                            {"TranLabelN", &chart().TranLabelN},
                                                            {"lblNeon", &chart().lblNeon}};
        const forms::Label &label = (*arrays.at(parts[0]))[parts[1].toInt()];
        const QRect device = devicePixels(label.geometry());
        const QImage image = clientImage();
        // The border is two device pixels of pure black, with the fill right beside it.
        const int midY = device.center().y();
        QCOMPARE(image.pixelColor(device.left(), midY), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(device.left() + 1, midY), QColor(0, 0, 0));
        QCOMPARE(image.pixelColor(device.left() + 2, device.bottom() - 2), colour);
        QCOMPARE(image.pixelColor(device.right() - 2, device.bottom() - 2), colour);
        QCOMPARE(image.pixelColor(device.right(), midY), QColor(0, 0, 0));
    }

    // Text drawn at twice the resolution has detail finer than a logical pixel; an upscaled 1x
    // drawing would be made of uniform 2 x 2 blocks.
    void textIsDrawnAtFullResolution()
    {
        const QImage image = clientImage();
        const QRect cell = devicePixels(chart().lblArgon[0].geometry()).adjusted(2, 2, -2, -2);
        int finerThanALogicalPixel = 0;
        for (int y = cell.top(); y < cell.bottom(); y += 2)
            for (int x = cell.left(); x < cell.right(); x += 2) {
                const QRgb corner = image.pixel(x, y);
                if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
                    image.pixel(x + 1, y + 1) != corner)
                    ++finerThanALogicalPixel;
            }
        QVERIFY(finerThanALogicalPixel > 5);
    }

    void handCursorFromTheLargerImage()
    {
        const QCursor cursor = chart().urlLabel->cursor();
        QCOMPARE(cursor.pixmap().size(), QSize(64, 64));
        QCOMPARE(cursor.pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(cursor.hotSpot(), QPoint(24, 4));
    }
};

QTEST_MAIN(HighDpiTest)
#include "tst_highdpi.moc"

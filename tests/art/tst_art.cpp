// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

// The pictures are embedded at build time; these checks catch a picture that is
// missing, unreadable, of the wrong size or blank, or embedded ready to draw with
// pixels other than the picture's.
#include "ui/common/ReadyImage.h"

#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QTest>
#include <algorithm>

namespace {

struct Tally {
    int opaque = 0;
    qint64 red = 0, green = 0, blue = 0;
    int lightest = 0, darkest = 255;
};

Tally tally(const QImage& image)
{
    Tally t;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() == 0)
                continue; // see-through pixels say nothing about what is drawn
            if (c.alpha() == 255)
                ++t.opaque;
            t.red += c.red();
            t.green += c.green();
            t.blue += c.blue();
            t.lightest = std::max(t.lightest, c.lightness());
            t.darkest = std::min(t.darkest, c.lightness());
        }
    }
    return t;
}

} // namespace

class tst_Art : public QObject {
    Q_OBJECT

private slots:
    void signPictureIsABlueJpegOfTheWindowsSize()
    {
        QImageReader reader(QStringLiteral(":/picZodiac.jpg"));
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage picture = reader.read();
        QVERIFY2(!picture.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(picture.size(), QSize(150, 244));

        const Tally whole = tally(picture);
        QVERIFY2(whole.blue > whole.red && whole.blue > whole.green,
                 "the picture should be in shades of blue");
        // Light letters on a dark ground: a flat or washed-out picture shows neither.
        QVERIFY(whole.lightest - whole.darkest > 150);
        const Tally top = tally(picture.copy(0, 0, 150, 60));
        QVERIFY2(top.lightest > 200, "the name at the top should stand out in light letters");
    }

    void iconLoadsAtItsStatedSize_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48, 64, 128, 256})
            QTest::addRow("%d", size) << size;
    }

    void iconLoadsAtItsStatedSize()
    {
        QFETCH(int, size);
        QImageReader reader(QStringLiteral(":/icon-%1.png").arg(size));
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage icon = reader.read();
        QVERIFY2(!icon.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());

        // A round badge: solid in the middle, see-through in the corners.
        QCOMPARE(icon.pixelColor(size / 2, size / 2).alpha(), 255);
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
            QCOMPARE(icon.pixelColor(corner).alpha(), 0);

        const Tally t = tally(icon);
        QVERIFY2(t.opaque > size * size / 2, "most of the icon should be painted");
        QVERIFY2(t.lightest - t.darkest > 60, "the icon should not be one flat colour");
    }

    void readyImageDrawsAsItsPicture_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("drawnSuffix");
        QTest::addRow("sign picture") << QStringLiteral("picZodiac") << QStringLiteral("jpg");
        for (int size : {16, 32, 48, 64})
            QTest::addRow("icon %d", size)
                << QStringLiteral("icon-%1").arg(size) << QStringLiteral("png");
    }

    // As a window shows them: both made a pixmap.
    void readyImageDrawsAsItsPicture()
    {
        QFETCH(QString, name);
        QFETCH(QString, drawnSuffix);
        const QImage ready = qvz::readyImage(QStringLiteral(":/%1.argb32").arg(name));
        QVERIFY(!ready.isNull());
        const QImage shown = QPixmap::fromImage(ready).toImage();
        const QImage drawn = QPixmap(QStringLiteral(":/%1.%2").arg(name, drawnSuffix)).toImage();
        QVERIFY(!drawn.isNull());
        QCOMPARE(shown.format(), drawn.format());
        QCOMPARE(shown, drawn);
    }
};

QTEST_MAIN(tst_Art)
#include "tst_art.moc"

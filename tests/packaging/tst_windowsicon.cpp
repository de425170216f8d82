// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

// The Windows icon is drawn together with the PNG icons but committed as a file of
// its own, so it can fall behind them or be merged wrongly. Qt's ico reader plays
// Windows here: every size must be in the file and show what the PNG of that size
// shows.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QRegularExpression>
#include <QTest>

namespace {

const int kSizes[] = {16, 32, 48, 64, 128, 256};

QString windowsFolder()
{
    return QFINDTESTDATA("../../packaging/windows");
}

// The pixels that differ between two images of one size, read as unpremultiplied ARGB.
int differingPixels(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_ARGB32);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x)
            count += left.pixel(x, y) != right.pixel(x, y);
    return count;
}

} // namespace

class tst_WindowsIcon : public QObject {
    Q_OBJECT

private slots:
    void holdsEverySizeAsDrawn()
    {
        QVERIFY2(QImageReader::supportedImageFormats().contains("ico"),
                 "Qt's ico image plugin is missing");
        const QString path = windowsFolder() + QStringLiteral("/qvzodiqa.ico");
        QImageReader reader(path, "ico");
        QVERIFY2(reader.canRead(), qPrintable(path + QStringLiteral(": ") + reader.errorString()));
        QCOMPARE(reader.imageCount(), int(std::size(kSizes)));

        QMap<int, QImage> bySize;
        for (int i = 0; i < reader.imageCount(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(image.width(), image.height());
            QVERIFY2(!bySize.contains(image.width()),
                     qPrintable(QStringLiteral("size %1 twice").arg(image.width())));
            bySize.insert(image.width(), image);
        }

        for (int size : kSizes) {
            QVERIFY2(bySize.contains(size), qPrintable(QStringLiteral("no %1 icon").arg(size)));
            const QImage drawn(QStringLiteral(":/icon-%1.png").arg(size));
            QCOMPARE(drawn.size(), QSize(size, size));
            QVERIFY2(bySize[size].hasAlphaChannel(), "the icon's corners must stay see-through");
            QCOMPARE(differingPixels(bySize[size], drawn), 0);
        }
    }

    void resourceNamesTheIconBesideIt()
    {
        QFile rc(windowsFolder() + QStringLiteral("/qvzodiqa.rc.in"));
        QVERIFY2(rc.open(QIODevice::ReadOnly), qPrintable(rc.errorString()));
        const QString text = QString::fromUtf8(rc.readAll());

        // Windows takes the first icon resource as the executable's own icon.
        const QRegularExpression iconLine(QStringLiteral("^\\s*(\\w+)\\s+ICON\\s+\"([^\"]+)\""),
                                          QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = iconLine.match(text);
        QVERIFY2(match.hasMatch(), "the resource has no ICON statement");
        const QString icon = windowsFolder() + QLatin1Char('/') + match.captured(2);
        QVERIFY2(QImageReader(icon, "ico").canRead(), qPrintable(icon));
    }
};

QTEST_MAIN(tst_WindowsIcon)
#include "tst_windowsicon.moc"

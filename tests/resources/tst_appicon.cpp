// The program's icon in its resources: every picture is linked in, at its size, and shows the
// drawing (the static library's resources are easily lost at link time).
#include "resources/AppIcon.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTest>

class tst_appicon : public QObject {
    Q_OBJECT
private slots:
    void pictures() {
        const QIcon icon = appIcon();
        QCOMPARE(icon.availableSizes(),
                 (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64), QSize(128, 128)}));
        // Every size a desktop asks for: the pictures' own, one between them (scaled down from the
        // next larger) and one above the largest (not scaled up).
        for (const QSize& size : icon.availableSizes() + QList<QSize>{QSize(24, 24), QSize(256, 256)}) {
            const QImage image = icon.pixmap(size).toImage();
            QCOMPARE(image.size(), size.boundedTo(QSize(128, 128)));
            QCOMPARE(icon.actualSize(size), image.size());
            // The modem's blue body below the lights (at 24 px a little of their green blends in); the
            // top edge right of the wall socket clear.
            const QColor body = image.pixel(image.width() / 2, image.height() * 11 / 16);
            QVERIFY2(body.blue() > 140 && body.red() < 100, qPrintable(body.name()));
            QCOMPARE(qAlpha(image.pixel(image.width() * 5 / 16, 0)), 0);
        }
        // Painted (as the tray paints it): the drawing centred in the rectangle, nothing outside it.
        QImage painted(40, 40, QImage::Format_ARGB32_Premultiplied);
        painted.fill(Qt::transparent);
        {
            QPainter p(&painted);
            icon.paint(&p, QRect(4, 4, 32, 32));
        }
        QCOMPARE(painted.copy(4, 4, 32, 32), icon.pixmap(32).toImage().convertToFormat(painted.format()));
        QCOMPARE(qAlpha(painted.pixel(2, 20)), 0);
        // Greyed when disabled, as the style makes any icon.
        QVERIFY(icon.pixmap(32, QIcon::Disabled).toImage() != icon.pixmap(32).toImage());
        // Kept only until the event loop runs: the same picture when asked again at once (a new
        // window asks twice), and none of them kept after.
        const qint64 unpacked = icon.pixmap(48).cacheKey();
        QCOMPARE(icon.pixmap(48).cacheKey(), unpacked);
        QTRY_VERIFY(icon.pixmap(48).cacheKey() != unpacked);

        QFile svg(QStringLiteral(":/icons/modemtally.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<title>ModemTally</title>"));

        // Read without asking every image-format plugin first (each one loaded costs every start).
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("/imageformats/"));
    }
};

QTEST_MAIN(tst_appicon)
#include "tst_appicon.moc"

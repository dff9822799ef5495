// The program's icon in its resources: every picture is linked in, at its size, and shows the
// drawing (the static library's resources are easily lost at link time).
#include "resources/AppIcon.h"

#include <QFile>
#include <QImage>
#include <QTest>

class tst_appicon : public QObject {
    Q_OBJECT
private slots:
    void pictures() {
        const QIcon icon = appIcon();
        QCOMPARE(icon.availableSizes(),
                 (QList<QSize>{QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64), QSize(128, 128)}));
        for (const QSize& size : icon.availableSizes()) {
            const QImage image = icon.pixmap(size).toImage();
            QCOMPARE(image.size(), size);
            // The modem's blue body below the lights; the top edge right of the wall socket clear.
            const QColor body = image.pixel(size.width() / 2, size.height() * 11 / 16);
            QVERIFY2(body.blue() > 150 && body.red() < 100, qPrintable(body.name()));
            QCOMPARE(qAlpha(image.pixel(size.width() * 5 / 16, 0)), 0);
        }
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

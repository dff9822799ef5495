// The pictures the windows draw themselves: the bundled button pictures (drawn at the size a button
// asks for, once), heavy text, and the main console's group box, whose frame is drawn without Fusion's
// picture and must look the same.
#include "platform/desktop/GroupBox.h"
#include "platform/desktop/Icons.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QVBoxLayout>
#include <QtMath>

namespace {
// A window with one group box of type Box holding a few buttons, as an image.
template <typename Box> QImage render(const QString& title, bool checkable, QSize size) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* box = new Box(title, &window);
    box->setCheckable(checkable);
    auto* inner = new QVBoxLayout(box);
    for (int i = 0; i < 4; ++i)
        inner->addWidget(new QPushButton(QStringLiteral("Button"), box));
    layout->addWidget(box);
    window.resize(size);
    return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
}
} // namespace

class tst_desktop_pictures : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The icon theme is out of the way, so every picture is a bundled one.
        QIcon::setThemeSearchPaths({});
        QIcon::setThemeName(QStringLiteral("none"));
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QVERIFY(QApplication::style()->name() == QLatin1String("fusion"));
    }

    void bundled_picture_at_the_size_asked_for_data() {
        QTest::addColumn<int>("side");
        for (int side : {16, 24, 32, 40, 64})
            QTest::addRow("%d px", side) << side;
    }
    void bundled_picture_at_the_size_asked_for() {
        QFETCH(int, side);
        const QIcon icon = themedIcon(Picture::Help);
        QVERIFY(!icon.isNull());
        const QPixmap normal = icon.pixmap(side, side);
        QCOMPARE(normal.size(), QSize(side, side));
        const QImage image = normal.toImage();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // a rounded corner
        QCOMPARE(QColor(image.pixel(side / 8 + 1, side / 2)), QColor(0x33, 0x66, 0xcc));
        // Drawn once: the next paint at that size gets the same picture.
        QCOMPARE(icon.pixmap(side, side).cacheKey(), normal.cacheKey());
        // A disabled button greys its picture, as the style does for any icon.
        const QImage disabled = icon.pixmap(QSize(side, side), QIcon::Disabled).toImage();
        QCOMPARE(disabled.size(), QSize(side, side));
        const QColor grey = disabled.pixel(side / 8 + 1, side / 2);
        QVERIFY2(grey.red() == grey.green() && grey.green() == grey.blue(), qPrintable(grey.name()));
    }

    // The pictures drawn at build time are the drawings of their glyphs, every picture at every size
    // (a table out of step with the pictures shows here), and an icon takes them rather than drawing
    // again: with the font changed, its bundled sizes still show the build's drawing, others the font's.
    void bundled_pictures_are_their_drawings_made_at_build_time() {
        const auto premultiplied = [](const QImage& image) {
            return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        for (size_t i = 0; i < kPictures.size(); ++i)
            for (const int side : kBundledSides)
                QCOMPARE(premultiplied(bundledPicture(Picture(i), side)), drawPicture(Picture(i), side));
        QVERIFY(bundledPicture(Picture::Help, 40).isNull());

        const QFont font = QGuiApplication::font();
        QFont other = font;
        other.setItalic(true);
        QGuiApplication::setFont(other);
        const QIcon icon = themedIcon(Picture::Help);
        QVERIFY(drawPicture(Picture::Help, 32) != premultiplied(bundledPicture(Picture::Help, 32)));
        QCOMPARE(premultiplied(icon.pixmap(32).toImage()), premultiplied(bundledPicture(Picture::Help, 32)));
        QCOMPARE(premultiplied(icon.pixmap(40).toImage()), drawPicture(Picture::Help, 40));
        QGuiApplication::setFont(font);
    }

    // Heavy text (the clock's, the bundled pictures' glyphs) is darker than the regular face's drawn
    // in the same place, widens to the right by exactly what heavyTextSize adds (a label sized by it
    // never cuts off its last letter), ends where the regular text ends when aligned right, and a
    // glyph centred in a picture stays in its middle.
    void heavy_text_is_heavier_fits_its_size_and_centres() {
        QFont font = QApplication::font();
        font.setPixelSize(21);
        const QString text = QStringLiteral("000 : 00 : 00");
        const QSizeF size = heavyTextSize(font, text);
        const QRectF place(20, 20, size.width(), size.height());
        auto draw = [&](bool heavy, const QString& t, const QRectF& rect, Qt::Alignment alignment) {
            QImage image(qCeil(rect.right()) + 20, qCeil(rect.bottom()) + 20, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter p(&image);
            p.setPen(Qt::black);
            if (heavy) {
                drawHeavyText(p, rect, alignment, font, t);
            } else {
                p.setFont(font);
                p.drawText(rect, int(alignment), t);
            }
            return image;
        };
        // The ink's total and the box it lies in.
        auto ink = [](const QImage& image, QRect* box) {
            qint64 total = 0;
            *box = QRect();
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const int dark = 255 - qGray(image.pixel(x, y));
                    total += dark;
                    if (dark > 40)
                        *box |= QRect(x, y, 1, 1);
                }
            return total;
        };
        QRect heavyBox, plainBox;
        const qint64 heavyInk = ink(draw(true, text, place, Qt::AlignLeft | Qt::AlignTop), &heavyBox);
        const qint64 plainInk = ink(draw(false, text, place, Qt::AlignLeft | Qt::AlignTop), &plainBox);
        QVERIFY2(heavyInk > plainInk * 6 / 5,
                 qPrintable(QStringLiteral("%1 %2").arg(heavyInk).arg(plainInk)));
        // Widened to the right only, and the size it claims grows by as much.
        QCOMPARE(heavyBox.left(), plainBox.left());
        QVERIFY(heavyBox.width() > plainBox.width());
        QCOMPARE(qRound(size.width() - QFontMetricsF(font).horizontalAdvance(text)),
                 heavyBox.width() - plainBox.width());
        // Aligned right, it ends where the regular text ends.
        ink(draw(true, text, place, Qt::AlignRight | Qt::AlignTop), &heavyBox);
        ink(draw(false, text, place, Qt::AlignRight | Qt::AlignTop), &plainBox);
        QCOMPARE(heavyBox.right(), plainBox.right());
        QRect glyphBox;
        ink(draw(true, QStringLiteral("i"), QRectF(20, 20, 32, 32), Qt::AlignCenter), &glyphBox);
        QVERIFY2(qAbs(glyphBox.center().x() - 36) <= 1, qPrintable(QString::number(glyphBox.center().x())));
    }

    // The group box's own frame against Fusion's picture, pixel by pixel: the same place and the same
    // colours, to within a few levels at the rounded corners.
    void group_frame_looks_like_fusions_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<QSize>("size");
        QTest::newRow("the console's menu") << "ModemTally Menu" << false << QSize(200, 300);
        QTest::newRow("no title") << "" << false << QSize(160, 240);
        QTest::newRow("checkable") << "Options" << true << QSize(240, 200);
    }
    void group_frame_looks_like_fusions() {
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        QFETCH(QSize, size);
        const QImage fusion = render<QGroupBox>(title, checkable, size);
        const QImage drawn = render<LineFrameGroupBox>(title, checkable, size);
        QCOMPARE(drawn.size(), fusion.size());
        int worst = 0, differing = 0;
        for (int y = 0; y < fusion.height(); ++y) {
            for (int x = 0; x < fusion.width(); ++x) {
                const QRgb a = fusion.pixel(x, y), b = drawn.pixel(x, y);
                const int d = qMax(qAbs(qRed(a) - qRed(b)),
                                   qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))));
                worst = qMax(worst, d);
                differing += d > 2;
            }
        }
        QVERIFY2(worst <= 8, qPrintable(QStringLiteral("a pixel differs by %1 levels").arg(worst)));
        // Only the corners and the inner shade differ at all: a frame one pixel off would differ along
        // every side.
        QVERIFY2(differing < 60, qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
    }
};

QTEST_MAIN(tst_desktop_pictures)
#include "tst_desktop_pictures.moc"

#include "resources/AppIcon.h"

#include "resources/Pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace {
constexpr auto kSizes = kAppIconSides;

// Reads the picture of the size asked for each time it is asked for, and keeps none: the window
// manager and the tray take their copy when the icon is set, and the five pictures decoded and kept
// (96 KB) would stay in memory for the life of the program.
class AppIconEngine final : public QIconEngine {
public:
    QIconEngine* clone() const override { return new AppIconEngine; }
    QString key() const override { return QStringLiteral("ModemTallyAppIcon"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : kSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }

    // Square, never larger than asked nor than the largest picture, as for an icon made of pictures.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min({size.width(), size.height(), kSizes.back()});
        return side > 0 ? QSize(side, side) : QSize();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QSize actual = actualSize(size, mode, state);
        if (actual.isEmpty())
            return {};
        // The smallest picture at least as large, scaled down when it is larger.
        const auto it =
            std::find_if(kSizes.begin(), kSizes.end(), [&](int side) { return side >= actual.width(); });
        QImage image = appIconPicture(it == kSizes.end() ? kSizes.back() : *it);
        if (image.isNull())
            return {};
        if (image.size() != actual)
            image = image.scaled(actual, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QPixmap normal = QPixmap::fromImage(image);
        // Greyed or selected as the style makes any icon.
        return mode == QIcon::Normal ? normal : QIcon(normal).pixmap(actual, mode, state);
    }

    // The picture for the rectangle's size at the screen's scale; QIcon centres it and greys it.
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QIcon(pixmap(rect.size() * dpr, QIcon::Normal, state))
            .paint(painter, rect, Qt::AlignCenter, mode, state);
    }
};
} // namespace

QIcon appIcon() {
    return QIcon(new AppIconEngine);
}

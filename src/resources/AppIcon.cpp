#include "resources/AppIcon.h"

#include "resources/Pictures.h"

#include <QCoreApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {
// Unpacks the picture of the size asked for when it is asked for, and keeps it only until the event
// loop runs again: the window manager and the tray take their copy when the icon is set, and the five
// pictures kept (96 KB) would stay in memory for the life of the program. Qt gives a new window its
// icon twice while creating it (every size each time), so the second time finds them unpacked.
class AppIconEngine final : public QIconEngine {
public:
    QIconEngine* clone() const override { return new AppIconEngine; }
    QString key() const override { return QStringLiteral("ModemTallyAppIcon"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return squareSizes(kAppIconSides); }

    // Square, never larger than asked nor than the largest picture, as for an icon made of pictures.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min({size.width(), size.height(), kAppIconSides.back()});
        return side > 0 ? QSize(side, side) : QSize();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const QSize actual = actualSize(size, mode, state);
        if (actual.isEmpty())
            return {};
        // The smallest picture at least as large, scaled down when it is larger.
        const auto it = std::find_if(kAppIconSides.begin(), kAppIconSides.end(),
                                     [&](int side) { return side >= actual.width(); });
        const QPixmap normal = unpacked(it == kAppIconSides.end() ? kAppIconSides.back() : *it, actual);
        // Greyed or selected as the style makes any icon.
        return mode == QIcon::Normal ? normal : QIcon(normal).pixmap(actual, mode, state);
    }

    // The picture for the rectangle's size at the screen's scale; QIcon centres it and greys it.
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QIcon(pixmap(rect.size() * dpr, QIcon::Normal, state))
            .paint(painter, rect, Qt::AlignCenter, mode, state);
    }

private:
    // The picture of `side` pixels, scaled down to `actual`.
    QPixmap unpacked(int side, QSize actual) {
        const auto it = m_recent->constFind(actual.width());
        if (it != m_recent->cend())
            return *it;
        QImage image = appIconPicture(side);
        if (image.isNull())
            return {};
        if (image.size() != actual)
            image = image.scaled(actual, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QPixmap made = QPixmap::fromImage(std::move(image));
        if (m_recent->isEmpty()) {
            // Let go of them when the event loop next runs (or not at all, once the engine is gone).
            QTimer::singleShot(0, QCoreApplication::instance(),
                               [recent = std::weak_ptr<QHash<int, QPixmap>>(m_recent)] {
                                   if (const auto kept = recent.lock())
                                       kept->clear();
                               });
        }
        m_recent->insert(actual.width(), made);
        return made;
    }

    std::shared_ptr<QHash<int, QPixmap>> m_recent = std::make_shared<QHash<int, QPixmap>>();
};
} // namespace

QIcon appIcon() {
    return QIcon(new AppIconEngine);
}

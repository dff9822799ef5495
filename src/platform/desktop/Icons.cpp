#include "platform/desktop/Icons.h"

#include "platform/IconThemeCache.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>

#include <memory>

namespace {

// The program's own picture (Pictures.h), made when first asked for at a size and kept for the next
// paint at that size: read from the pictures drawn at build time, or drawn now at sizes not among
// them. A window built with a dozen of them makes only the ones it shows, each once.
class GlyphIconEngine final : public QIconEngine {
public:
    explicit GlyphIconEngine(Picture picture) : m_picture(picture) {}

    QIconEngine* clone() const override { return new GlyphIconEngine(m_picture); }
    QString key() const override { return QStringLiteral("ModemTallyGlyph"); }
    bool isNull() override { return false; }

    // The sizes the picture was made for; a window manager that wants the window's icon in every size
    // the icon has gets these (without a list it would be given four sizes up to 128 pixels).
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return squareSizes(kBundledSides); }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        return QSize(side, side);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        if (side <= 0)
            return {};
        // An active picture looks like the normal one, as in a QIcon made of plain pixmaps.
        if (mode == QIcon::Active)
            mode = QIcon::Normal;
        const quint64 key = quint64(side) << 8 | quint64(mode);
        auto it = m_drawn.constFind(key);
        if (it != m_drawn.cend())
            return *it;
        QPixmap pm =
            mode == QIcon::Normal ? draw(side) : styled(mode, pixmap(size, QIcon::Normal, QIcon::Off));
        m_drawn.insert(key, pm);
        return pm;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        // Drawn at the device's resolution, centred in the rectangle.
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap pm = pixmap(rect.size() * dpr, mode, state);
        pm.setDevicePixelRatio(dpr);
        painter->drawPixmap(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, pm.deviceIndependentSize().toSize(), rect),
            pm);
    }

private:
    QPixmap draw(int side) const {
        QImage image = bundledPicture(m_picture, side);
        if (image.isNull())
            image = drawPicture(m_picture, side);
        return QPixmap::fromImage(std::move(image));
    }

    // The disabled (greyed) or selected picture, as the style makes it for any icon.
    static QPixmap styled(QIcon::Mode mode, const QPixmap& normal) {
        QStyleOption opt(0);
        opt.palette = QGuiApplication::palette();
        const QPixmap made = QApplication::style()->generatedIconPixmap(mode, normal, &opt);
        return made.isNull() ? normal : made;
    }

    Picture m_picture;
    QHash<quint64, QPixmap> m_drawn;
};

} // namespace

QIcon themedIcon(Picture picture) {
    // The themes' caches are read once and kept while the desktop keeps its theme and the folders
    // it is looked for in; Qt's own lookup (which reads the themes' index files in full) runs only
    // when the caches do not rule the icon out.
    static QStringList madeFor;
    static std::unique_ptr<IconThemeCache> caches;
    const QString theme = QIcon::themeName(), fallback = QIcon::fallbackThemeName();
    const QStringList paths = QIcon::themeSearchPaths(), fallbackPaths = QIcon::fallbackSearchPaths();
    const QStringList now = QStringList{theme, fallback} + paths + QStringList{QString()} + fallbackPaths;
    if (!caches || madeFor != now) {
        caches = std::make_unique<IconThemeCache>(theme, fallback, paths, fallbackPaths);
        madeFor = now;
    }
    const QString themeName = QLatin1String(pictureLook(picture).themeName);
    if (caches->find(themeName) != IconThemeCache::Answer::Absent && QIcon::hasThemeIcon(themeName))
        return QIcon::fromTheme(themeName);
    return QIcon(new GlyphIconEngine(picture));
}

QPushButton* pictureButton(QWidget* parent, const char* objectName, const QString& tip, const QIcon& icon,
                           QSize iconSize, QSize minimumSize) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QLatin1String(objectName));
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    b->setIcon(icon);
    b->setIconSize(iconSize);
    b->setMinimumSize(minimumSize);
    return b;
}

QPushButton* closePictureButton(QWidget* parent, const char* objectName, const QString& tip,
                                Picture picture) {
    QPushButton* b = pictureButton(parent, objectName, tip, themedIcon(picture), QSize(24, 24), QSize(0, 0));
    b->setDefault(true);
    return b;
}

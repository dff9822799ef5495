#include "platform/desktop/Icons.h"

#include "platform/IconThemeCache.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>

#include <memory>

namespace {

// A bundled picture: a rounded square of one colour with a white glyph, drawn at whatever size is
// asked for when it is first asked for, and kept for the next paint at that size. A window built with
// a dozen of them draws only the ones it shows, each once.
class GlyphIconEngine final : public QIconEngine {
public:
    GlyphIconEngine(const QString& glyph, const QColor& colour) : m_glyph(glyph), m_colour(colour) {}

    QIconEngine* clone() const override { return new GlyphIconEngine(m_glyph, m_colour); }
    QString key() const override { return QStringLiteral("ModemTallyGlyph"); }
    bool isNull() override { return false; }

    // The sizes the picture was made for; a window manager that wants the window's icon in every size
    // the icon has gets these (without a list it would be given four sizes up to 128 pixels).
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48)};
    }
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
    QPixmap draw(int size) const {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(m_colour);
        p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 5.0, size / 5.0);
        QFont f = p.font();
        f.setPixelSize(int(size * 0.6));
        p.setPen(Qt::white);
        drawHeavyText(p, QRectF(0, 0, size, size), Qt::AlignCenter, f, m_glyph);
        p.end();
        return pm;
    }

    // The disabled (greyed) or selected picture, as the style makes it for any icon.
    static QPixmap styled(QIcon::Mode mode, const QPixmap& normal) {
        QStyleOption opt(0);
        opt.palette = QGuiApplication::palette();
        const QPixmap made = QApplication::style()->generatedIconPixmap(mode, normal, &opt);
        return made.isNull() ? normal : made;
    }

    QString m_glyph;
    QColor m_colour;
    QHash<quint64, QPixmap> m_drawn;
};

// How far the second strike is drawn to the right of the first: a whole pixel or more, so that both
// land on the pixel grid the glyphs were rasterised for and stay sharp.
int strikeOffset(const QFont& font) {
    return qMax(1, qRound(QFontInfo(font).pixelSize() / 20.0));
}

} // namespace

QSizeF heavyTextSize(const QFont& font, const QString& text) {
    return QFontMetricsF(font).size(Qt::TextSingleLine, text) + QSizeF(strikeOffset(font), 0);
}

void drawHeavyText(QPainter& painter, const QRectF& rect, Qt::Alignment alignment, const QFont& font,
                   const QString& text) {
    const int offset = strikeOffset(font);
    const QRectF first = rect.adjusted(0, 0, -offset, 0);
    painter.save();
    painter.setFont(font);
    painter.drawText(first, int(alignment) | Qt::TextSingleLine, text);
    painter.drawText(first.translated(offset, 0), int(alignment) | Qt::TextSingleLine, text);
    painter.restore();
}

QIcon themedIcon(const QString& themeName, const QString& glyph, const QColor& colour) {
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
    if (caches->find(themeName) != IconThemeCache::Answer::Absent && QIcon::hasThemeIcon(themeName))
        return QIcon::fromTheme(themeName);
    return QIcon(new GlyphIconEngine(glyph, colour));
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
                                const QColor& colour) {
    QPushButton* b = pictureButton(
        parent, objectName, tip, themedIcon(QStringLiteral("window-close"), QStringLiteral("\u2715"), colour),
        QSize(24, 24), QSize(0, 0));
    b->setDefault(true);
    return b;
}

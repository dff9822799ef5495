// The icon caches decide whether Qt's theme lookup (which reads the themes' index files) is needed:
// a wrong Absent would replace a theme's icon with the drawn one, so every doubt must be Unknown.
#include "platform/IconThemeCache.h"
#include "platform/desktop/Icons.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

using Answer = IconThemeCache::Answer;

void put32(QByteArray& b, qsizetype at, quint32 v) {
    qToBigEndian<quint32>(v, b.data() + at);
}
qsizetype add32(QByteArray& b, quint32 v) {
    const qsizetype at = b.size();
    b.append(4, '\0');
    put32(b, at, v);
    return at;
}
qsizetype addText(QByteArray& b, const QString& s) {
    const qsizetype at = b.size();
    b.append(s.toUtf8()).append('\0');
    return at;
}

// An icon-theme.cache as the desktop's tools write it: `icons` in folder 0 of `dirs`, in few
// buckets so that chains form.
QByteArray cacheFile(const QStringList& dirs, const QStringList& icons) {
    QByteArray b;
    b.append("\0\1\0\0", 4); // version 1.0
    const qsizetype hashAt = add32(b, 0), dirsAt = add32(b, 0);
    put32(b, dirsAt, quint32(b.size()));
    add32(b, quint32(dirs.size()));
    const qsizetype dirSlots = b.size();
    for (qsizetype i = 0; i < dirs.size(); ++i)
        add32(b, 0);
    for (qsizetype i = 0; i < dirs.size(); ++i)
        put32(b, dirSlots + 4 * i, quint32(addText(b, dirs[i])));
    const quint32 buckets = 3;
    put32(b, hashAt, quint32(b.size()));
    add32(b, buckets);
    const qsizetype bucketSlots = b.size();
    for (quint32 i = 0; i < buckets; ++i)
        add32(b, 0xffffffffu);
    for (const QString& name : icons) {
        QByteArray utf8 = name.toUtf8();
        quint32 h = quint32(qint32(static_cast<signed char>(utf8[0])));
        for (qsizetype i = 1; i < utf8.size(); ++i)
            h = (h << 5) - h + quint32(qint32(static_cast<signed char>(utf8[i])));
        const qsizetype slot = bucketSlots + 4 * (h % buckets);
        const quint32 next = qFromBigEndian<quint32>(b.constData() + slot);
        const qsizetype icon = add32(b, next);
        const qsizetype nameSlot = add32(b, 0), imagesSlot = add32(b, 0);
        put32(b, slot, quint32(icon));
        put32(b, nameSlot, quint32(addText(b, name)));
        put32(b, imagesSlot, quint32(b.size()));
        add32(b, 1);           // one picture
        add32(b, 0x00000004u); // in folder 0, a PNG
        add32(b, 0);           // no image data
    }
    return b;
}

struct Themes {
    QTemporaryDir dir;
    QString path() const { return dir.path(); }
    // A theme folder with an index that inherits `inherits`, a "16x16/actions" folder and a cache
    // listing `icons` (none when `icons` is null).
    void add(const QString& theme, const QString& inherits, const std::optional<QStringList>& icons) {
        QDir(path()).mkpath(theme + QStringLiteral("/16x16/actions"));
        QFile index(path() + u'/' + theme + QStringLiteral("/index.theme"));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=" + theme.toUtf8() + "\nInherits=" + inherits.toUtf8() +
                    "\nDirectories=16x16/actions\n\n[16x16/actions]\nSize=16\n");
        if (icons)
            write(theme, cacheFile({QStringLiteral("16x16/actions")}, *icons));
    }
    void write(const QString& theme, const QByteArray& bytes) {
        QFile cache(path() + u'/' + theme + QStringLiteral("/icon-theme.cache"));
        QVERIFY(cache.open(QIODevice::WriteOnly));
        cache.write(bytes);
    }
    Answer find(const QString& theme, const QString& name, const QStringList& fallback = {}) const {
        return IconThemeCache(theme, QStringLiteral("hicolor"), {path()}, fallback).find(name);
    }
};

} // namespace

class TestIconThemeCache : public QObject {
    Q_OBJECT
private slots:
    void answers_through_the_theme_chain() {
        Themes t;
        t.add(QStringLiteral("Mine"), QStringLiteral("Base"), QStringList{QStringLiteral("go-down")});
        t.add(QStringLiteral("Base"), QString(),
              QStringList{QStringLiteral("network-connect"), QStringLiteral("edit-find"), QStringLiteral("a"),
                          QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
        t.add(QStringLiteral("hicolor"), QString(), QStringList{QStringLiteral("modemtally")});
        QCOMPARE(t.find(QStringLiteral("Mine"), QStringLiteral("go-down")), Answer::Present);
        QCOMPARE(t.find(QStringLiteral("Mine"), QStringLiteral("network-connect")), Answer::Present);
        QCOMPARE(t.find(QStringLiteral("Mine"), QStringLiteral("modemtally")), Answer::Present);
        QCOMPARE(t.find(QStringLiteral("Mine"), QStringLiteral("help-about")), Answer::Absent);
        // Qt may fall back from a name to its part before the last dash.
        QCOMPARE(t.find(QStringLiteral("Mine"), QStringLiteral("edit-find-replace")), Answer::Present);
        // Base does not inherit Mine: its icons are not Base's.
        QCOMPARE(t.find(QStringLiteral("Base"), QStringLiteral("go-down")), Answer::Absent);
        // A theme that is not installed leaves the fallback theme and hicolor.
        QCOMPARE(t.find(QStringLiteral("Missing"), QStringLiteral("modemtally")), Answer::Present);
        QCOMPARE(t.find(QStringLiteral("Missing"), QStringLiteral("go-down")), Answer::Absent);

        // A picture outside any theme, by its file name.
        QTemporaryDir pixmaps;
        QFile picture(pixmaps.path() + QStringLiteral("/help-about.svg"));
        QVERIFY(picture.open(QIODevice::WriteOnly));
        QCOMPARE(t.find(QStringLiteral("Mine"), QStringLiteral("help-about"), {pixmaps.path()}),
                 Answer::Present);

        // Doubts: a theme folder without a cache, and a cache older than a folder it lists.
        t.add(QStringLiteral("NoCache"), QString(), std::nullopt);
        QCOMPARE(t.find(QStringLiteral("NoCache"), QStringLiteral("help-about")), Answer::Unknown);
        QFile base(t.path() + QStringLiteral("/Base/icon-theme.cache"));
        QVERIFY(base.open(QIODevice::ReadWrite));
        QVERIFY(
            base.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        base.close();
        QCOMPARE(t.find(QStringLiteral("Mine"), QStringLiteral("help-about")), Answer::Unknown);
    }

    void a_button_picture_comes_from_the_theme_that_lists_it() {
        // The button pictures ask the caches first: an icon a theme's cache lists is the theme's
        // picture, one no cache lists is drawn, and a theme the desktop picks later is asked anew.
        Themes t;
        QVERIFY(QDir(t.path()).mkpath(QStringLiteral("Mine/16x16/actions")));
        QImage red(16, 16, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(t.path() + QStringLiteral("/Mine/16x16/actions/go-down.png")));
        t.add(QStringLiteral("Mine"), QString(), QStringList{QStringLiteral("go-down")});
        t.add(QStringLiteral("Other"), QString(), QStringList{});
        t.add(QStringLiteral("hicolor"), QString(), QStringList{});
        QIcon::setThemeSearchPaths({t.path()});
        QIcon::setFallbackSearchPaths({});
        // (Picture::ToTray is "go-down", Picture::About "help-about".)
        const auto at = [](Picture picture, QPoint p) {
            return themedIcon(picture).pixmap(16, 16).toImage().pixelColor(p);
        };
        const auto own = [](Picture picture) { return QColor::fromRgba(pictureLook(picture).colour); };
        QIcon::setThemeName(QStringLiteral("Other"));
        QCOMPARE(at(Picture::ToTray, {3, 8}), own(Picture::ToTray)); // the program's: no theme has it
        QIcon::setThemeName(QStringLiteral("Mine"));
        QCOMPARE(at(Picture::ToTray, {8, 8}), QColor(Qt::red)); // Mine's picture
        QCOMPARE(at(Picture::About, {3, 8}), own(Picture::About));
    }

    void a_damaged_cache_is_read_safely() {
        // Every cut of a cache and every single damaged byte: never a read past the file or an endless
        // chain (the sanitizer build checks the reads), and a name that is not listed is never Present
        // unless a damaged name happens to match.
        Themes t;
        t.add(QStringLiteral("hicolor"), QString(), std::nullopt);
        const QByteArray good =
            cacheFile({QStringLiteral("16x16/actions")},
                      {QStringLiteral("go-down"), QStringLiteral("go-up"), QStringLiteral("x")});
        for (qsizetype n = 0; n < good.size(); ++n) {
            t.write(QStringLiteral("hicolor"), good.left(n));
            QVERIFY(t.find(QStringLiteral("hicolor"), QStringLiteral("help-about")) != Answer::Present);
        }
        for (qsizetype i = 0; i < good.size(); ++i) {
            for (const char value : {'\0', '\x7f', '\xff'}) {
                QByteArray bad = good;
                bad[i] = value;
                t.write(QStringLiteral("hicolor"), bad);
                t.find(QStringLiteral("hicolor"), QStringLiteral("go-down"));
            }
        }
        // A chain that points at itself.
        QByteArray loop = good;
        const quint32 hash = qFromBigEndian<quint32>(loop.constData() + 4);
        for (quint32 b = 0; b < 3; ++b) {
            const quint32 icon = qFromBigEndian<quint32>(loop.constData() + hash + 4 + 4 * b);
            if (icon != 0xffffffffu)
                put32(loop, icon, icon);
        }
        t.write(QStringLiteral("hicolor"), loop);
        QCOMPARE(t.find(QStringLiteral("hicolor"), QStringLiteral("help-about")), Answer::Absent);
    }
};

QTEST_MAIN(TestIconThemeCache)
#include "tst_iconthemecache.moc"

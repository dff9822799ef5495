#include "platform/IconThemeCache.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <cstring>

namespace {

// The icon-theme.cache layout (all numbers big-endian): a header of major and minor version (1, 0),
// the hash table's offset and the folder list's offset; the folder list is a count and the offsets
// of NUL-terminated folder names; the hash table is a bucket count and each bucket's first icon;
// an icon is the next icon of its bucket, its name's offset and its picture list's offset. The end
// of a chain is 0xffffffff.
constexpr quint32 kNone = 0xffffffffu;

// The themes a theme inherits, from the Inherits line of its index.theme's [Icon Theme] section.
QStringList inheritedThemes(const QString& indexFile) {
    QFile f(indexFile);
    // One read of the file's head, split here: the section comes first in every theme, so a file
    // that does not say it early is not read whole, and reading line by line through QFile's buffer
    // would bring in code no other part of a start runs.
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    const QByteArray head = f.read(64 * 1024);
    bool inSection = false;
    qsizetype from = 0;
    for (int line = 0; line < 200 && from < head.size(); ++line) {
        qsizetype end = head.indexOf('\n', from);
        if (end < 0)
            end = head.size();
        const QByteArray text = head.mid(from, qMin<qsizetype>(end - from, 4096)).trimmed();
        from = end + 1;
        if (text.startsWith('[')) {
            if (inSection)
                break;
            inSection = text == "[Icon Theme]";
        } else if (inSection && text.startsWith("Inherits=")) {
            QStringList themes;
            for (const QByteArray& t : text.mid(9).split(','))
                if (!t.trimmed().isEmpty())
                    themes << QString::fromUtf8(t.trimmed());
            return themes;
        }
    }
    return {};
}

// The hash of a name, as the cache's writer computes it.
quint32 nameHash(const QByteArray& name) {
    if (name.isEmpty())
        return 0;
    quint32 h = quint32(qint32(static_cast<signed char>(name[0])));
    for (qsizetype i = 1; i < name.size(); ++i)
        h = (h << 5) - h + quint32(qint32(static_cast<signed char>(name[i])));
    return h;
}

} // namespace

struct IconThemeCache::Mapped {
    QFile file;
    const uchar* data = nullptr;
    quint64 size = 0;

    bool read32(quint64 offset, quint32* value) const {
        if (offset > size || size - offset < 4)
            return false;
        *value = qFromBigEndian<quint32>(data + offset);
        return true;
    }
    // The NUL-terminated text at `offset`, or nothing when it runs past the file.
    const char* text(quint64 offset) const {
        if (offset >= size)
            return nullptr;
        const void* end = std::memchr(data + offset, 0, size - offset);
        return end ? reinterpret_cast<const char*>(data + offset) : nullptr;
    }
};

IconThemeCache::IconThemeCache(const QString& theme, const QString& fallbackTheme,
                               const QStringList& searchPaths, const QStringList& fallbackPaths)
    : m_fallbackPaths(fallbackPaths) {
    addTheme(theme, searchPaths, 0);
    addTheme(fallbackTheme, searchPaths, 0);
    addTheme(QStringLiteral("hicolor"), searchPaths, 0);
}

IconThemeCache::~IconThemeCache() = default;

void IconThemeCache::addTheme(const QString& theme, const QStringList& searchPaths, int depth) {
    if (m_unknown || theme.isEmpty() || m_visited.contains(theme) || depth > 10)
        return;
    m_visited << theme;
    QStringList parents;
    bool indexRead = false;
    for (const QString& path : searchPaths) {
        const QString folder = path + QLatin1Char('/') + theme;
        if (!QFileInfo(folder).isDir())
            continue;
        if (!addCache(folder)) {
            m_unknown = true;
            return;
        }
        // As Qt does, the first index.theme found says which themes this one inherits.
        const QString index = folder + QStringLiteral("/index.theme");
        if (!indexRead && QFileInfo::exists(index)) {
            parents = inheritedThemes(index);
            indexRead = true;
        }
    }
    for (const QString& parent : std::as_const(parents))
        addTheme(parent, searchPaths, depth + 1);
}

bool IconThemeCache::addCache(const QString& folder) {
    auto cache = std::make_shared<Mapped>();
    cache->file.setFileName(folder + QStringLiteral("/icon-theme.cache"));
    if (!cache->file.open(QIODevice::ReadOnly))
        return false;
    cache->size = quint64(cache->file.size());
    cache->data = cache->size >= 12 ? cache->file.map(0, qint64(cache->size)) : nullptr;
    if (!cache->data)
        return false;
    const Mapped& c = *cache;
    quint32 hashOffset = 0, dirsOffset = 0, buckets = 0, lastBucket = 0, dirs = 0;
    if (qFromBigEndian<quint16>(c.data) != 1 || qFromBigEndian<quint16>(c.data + 2) != 0 ||
        !c.read32(4, &hashOffset) || !c.read32(8, &dirsOffset) || !c.read32(hashOffset, &buckets) ||
        buckets == 0 || !c.read32(hashOffset + 4 * quint64(buckets), &lastBucket) ||
        !c.read32(dirsOffset, &dirs))
        return false;
    // A cache is only believed when no folder it lists changed after it was written (Qt's own rule).
    const QDateTime written = QFileInfo(c.file).lastModified();
    for (quint32 i = 0; i < dirs; ++i) {
        quint32 nameOffset = 0;
        const char* name =
            c.read32(dirsOffset + 4 + 4 * quint64(i), &nameOffset) ? c.text(nameOffset) : nullptr;
        if (!name)
            return false;
        const QFileInfo sub(folder + QLatin1Char('/') + QString::fromUtf8(name));
        if (sub.exists() && sub.lastModified() > written)
            return false;
    }
    m_caches << cache;
    return true;
}

bool IconThemeCache::listed(const Mapped& c, const QByteArray& name) const {
    quint32 hashOffset = 0, buckets = 0, icon = 0;
    if (!c.read32(4, &hashOffset) || !c.read32(hashOffset, &buckets) || buckets == 0 ||
        !c.read32(hashOffset + 4 + 4 * quint64(nameHash(name) % buckets), &icon))
        return false;
    // A chain that loops in a damaged file ends after as many steps as the file has icons at most.
    for (quint64 steps = 0; icon != kNone && steps < c.size / 12; ++steps) {
        quint32 nameOffset = 0;
        const char* text = c.read32(quint64(icon) + 4, &nameOffset) ? c.text(nameOffset) : nullptr;
        if (text && name == text)
            return true;
        if (!c.read32(icon, &icon))
            return false;
    }
    return false;
}

IconThemeCache::Answer IconThemeCache::find(const QString& name) const {
    if (m_unknown)
        return Answer::Unknown;
    QString wanted = name;
    while (!wanted.isEmpty()) {
        const QByteArray key = wanted.toUtf8();
        for (const auto& cache : m_caches)
            if (listed(*cache, key))
                return Answer::Present;
        const int dash = wanted.lastIndexOf(QLatin1Char('-'));
        wanted.truncate(dash < 0 ? 0 : dash);
    }
    // Pictures outside any theme, looked for by their file name.
    for (const QString& path : m_fallbackPaths)
        for (const char* suffix : {".png", ".svg", ".svgz", ".xpm"})
            if (QFileInfo::exists(path + QLatin1Char('/') + name + QLatin1String(suffix)))
                return Answer::Present;
    return Answer::Absent;
}

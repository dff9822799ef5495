#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QFile;

// Whether the desktop's icon theme can have an icon, from the themes' icon caches (the
// icon-theme.cache file the desktop's tools write into each theme's folder), without reading the
// themes' index files. Qt's own theme lookup parses each theme's index.theme in full the first time
// it is asked (hicolor's has some 650 sections: about a tenth of the program's start-up); asking the
// caches first spares that whenever no theme has the icon, as on a desktop without an icon theme.
//
// The answer is Unknown whenever the caches cannot settle it: a theme folder without a cache, a
// cache older than a folder it lists (icons added since it was written), or a file that is not a
// cache. The theme chain is the theme, the themes it inherits (its index.theme's Inherits line), the
// fallback theme and hicolor, each looked for in every search path, as Qt looks for them.
class IconThemeCache {
public:
    enum class Answer { Absent, Present, Unknown };

    IconThemeCache(const QString& theme, const QString& fallbackTheme, const QStringList& searchPaths,
                   const QStringList& fallbackPaths);
    ~IconThemeCache();
    IconThemeCache(const IconThemeCache&) = delete;
    IconThemeCache& operator=(const IconThemeCache&) = delete;

    // Present when a theme of the chain lists `name` or a shorter name Qt may fall back to (the name
    // cut at a dash: "network-connect", "network"), or a fallback path has the picture by that name.
    Answer find(const QString& name) const;

private:
    struct Mapped;
    void addTheme(const QString& theme, const QStringList& searchPaths, int depth);
    bool addCache(const QString& folder);
    bool listed(const Mapped& cache, const QByteArray& name) const;

    QStringList m_visited;
    QStringList m_fallbackPaths;
    QList<std::shared_ptr<Mapped>> m_caches;
    bool m_unknown = false;
};

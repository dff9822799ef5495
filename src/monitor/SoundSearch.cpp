#include "monitor/SoundSearch.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

// Ascending name order: letter case ignored, the exact bytes breaking ties, so the order is total and
// the same in the lists and in the search.
bool nameLess(const QByteArray& a, const QByteArray& b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char x = lowerAscii(a[i]);
        const char y = lowerAscii(b[i]);
        if (x != y)
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

bool isWaveBytes(const char* name, size_t len) {
    static const char kSuffix[] = ".wav";
    if (len < 4)
        return false;
    for (size_t i = 0; i < 4; ++i) {
        if (lowerAscii(name[len - 4 + i]) != kSuffix[i])
            return false;
    }
    return true;
}

QByteArray joinBytes(const QByteArray& directory, const QByteArray& name) {
    QByteArray p;
    p.reserve(directory.size() + name.size() + 1);
    p += directory;
    if (!p.endsWith('/'))
        p += '/';
    p += name;
    return p;
}

// Reads an open directory (the descriptor is taken over and closed). Links to regular files count as
// files; links to directories, devices, sockets and dangling links are left out.
bool readDirectory(int fd, bool waveOnly, std::vector<QByteArray>& dirs, std::vector<QByteArray>& files) {
    DIR* d = fdopendir(fd);
    if (!d) {
        ::close(fd);
        return false;
    }
    const int dfd = dirfd(d);
    while (dirent* e = readdir(d)) {
        const char* name = e->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        const size_t len = strlen(name);
        unsigned char type = e->d_type;
        if (type == DT_UNKNOWN) {
            struct stat st {};
            if (fstatat(dfd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // vanished meanwhile
            type = S_ISDIR(st.st_mode)   ? DT_DIR
                   : S_ISREG(st.st_mode) ? DT_REG
                   : S_ISLNK(st.st_mode) ? DT_LNK
                                         : 0;
        }
        if (type == DT_DIR) {
            dirs.emplace_back(name, qsizetype(len));
        } else if (type == DT_REG || type == DT_LNK) {
            if (waveOnly && !isWaveBytes(name, len))
                continue;
            if (type == DT_LNK) {
                struct stat st {};
                if (fstatat(dfd, name, &st, 0) != 0 || !S_ISREG(st.st_mode))
                    continue;
            }
            files.emplace_back(name, qsizetype(len));
        }
    }
    closedir(d);
    std::sort(dirs.begin(), dirs.end(), nameLess);
    std::sort(files.begin(), files.end(), nameLess);
    return true;
}

QStringList decodeAll(const std::vector<QByteArray>& names) {
    QStringList out;
    out.reserve(qsizetype(names.size()));
    for (const QByteArray& n : names)
        out << QFile::decodeName(n);
    return out;
}

} // namespace

SoundSearch::SoundSearch(const QString& startDirectory, qsizetype limit)
    : m_start(QFile::encodeName(startDirectory)), m_limit(limit) {}

SoundSearch::~SoundSearch() = default;

bool SoundSearch::isWaveName(const QString& name) {
    const QByteArray b = QFile::encodeName(name);
    return isWaveBytes(b.constData(), size_t(b.size()));
}

QString SoundSearch::joinPath(const QString& directory, const QString& name) {
    return directory.endsWith(QLatin1Char('/')) ? directory + name : directory + QLatin1Char('/') + name;
}

DirListing SoundSearch::list(const QString& directory, bool waveOnly) {
    DirListing out;
    const int fd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return out;
    std::vector<QByteArray> dirs;
    std::vector<QByteArray> files;
    out.ok = readDirectory(fd, waveOnly, dirs, files);
    out.subdirectories = decodeAll(dirs);
    out.files = decodeAll(files);
    return out;
}

bool SoundSearch::enter(const QByteArray& path) {
    // Below the start, a link is never followed (O_NOFOLLOW), so a link swapped in for a directory
    // after it was listed cannot lead the search elsewhere.
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (m_stack.empty() ? 0 : O_NOFOLLOW);
    const int fd = ::open(path.constData(), flags);
    if (fd < 0) {
        ++m_skipped;
        return false;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        ::close(fd);
        ++m_skipped;
        return false;
    }
    if (m_stack.empty())
        m_device = st.st_dev;
    // Another file system mounted here is another drive; a directory seen before (a bind mount of
    // an ancestor) would make the search endless.
    if (st.st_dev != m_device || !m_visited.emplace(st.st_dev, st.st_ino).second) {
        ::close(fd);
        return false;
    }
    Frame f;
    f.path = path;
    if (!readDirectory(fd, true, f.subdirs, f.waveFiles)) {
        ++m_skipped;
        return false;
    }
    ++m_entered;
    m_stack.push_back(std::move(f));
    return true;
}

SoundSearch::Outcome SoundSearch::step(int maxDirectories, qint64 maxMilliseconds) {
    if (m_outcome != Outcome::Running)
        return m_outcome;
    QElapsedTimer elapsed;
    elapsed.start();
    int enteredNow = 0;
    if (!m_started) {
        m_started = true;
        if (m_cancelled) {
            m_outcome = Outcome::Cancelled;
            return m_outcome;
        }
        if (enter(m_start))
            ++enteredNow;
    }
    while (true) {
        if (m_cancelled) {
            m_stack.clear();
            m_outcome = Outcome::Cancelled;
            return m_outcome;
        }
        if (m_stack.empty()) {
            m_outcome = Outcome::Finished;
            return m_outcome;
        }
        if (enteredNow >= maxDirectories || (maxMilliseconds >= 0 && elapsed.elapsed() >= maxMilliseconds))
            return m_outcome;
        Frame& top = m_stack.back();
        if (!top.subdirs.empty()) {
            const QByteArray child = joinBytes(top.path, top.subdirs.back());
            top.subdirs.pop_back(); // `top` may move when enter() pushes
            if (enter(child))
                ++enteredNow;
            continue;
        }
        // All subdirectories done: this directory's own files.
        for (const QByteArray& name : top.waveFiles) {
            if (m_foundTotal >= m_limit) {
                m_stack.clear();
                m_outcome = Outcome::ListFull;
                return m_outcome;
            }
            m_found << QFile::decodeName(joinBytes(top.path, name));
            ++m_foundTotal;
        }
        m_stack.pop_back();
    }
}

#include "platform/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QLatin1String kTempInfix(".saving-");
constexpr int kTempRandomChars = 6;

// An open file descriptor, closed when it goes out of scope.
struct Fd {
    int fd = -1;
    Fd() = default;
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd >= 0)
            ::close(fd);
    }
};

QByteArray randomSuffix() {
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray out;
    for (int i = 0; i < kTempRandomChars; ++i)
        out += kChars[QRandomGenerator::system()->bounded(int(sizeof kChars - 1))];
    return out;
}

bool isAsciiLetterOrDigit(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

QString notRegularReason(mode_t mode) {
    if (S_ISLNK(mode))
        return QStringLiteral("it is a symbolic link, and the program does not write through links; "
                              "nothing was written");
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder, not a file; nothing was written");
    return QStringLiteral("it is not a regular file (a device, pipe or socket); nothing was written");
}

// Why a file of this mode is not read.
QString notReadableReason(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder, not a file");
    return QStringLiteral("it is not a regular file (a device, pipe or socket)");
}

QString tooLargeReason(qint64 size, qint64 maxBytes) {
    return QStringLiteral("it is %1 bytes long, more than the %2 bytes a file of this kind can be")
        .arg(size)
        .arg(maxBytes);
}

// The part of `name` before a suffix of `suffixLength` characters, when it is one of `targets`.
bool stemMatches(const QString& name, qsizetype suffixLength, const QRegularExpression& targets) {
    const QRegularExpression whole(QRegularExpression::anchoredPattern(targets.pattern()),
                                   targets.patternOptions());
    return whole.match(QStringView(name).left(name.size() - suffixLength)).hasMatch();
}

} // namespace

QString writeWholeFile(const QString& path, const QByteArray& data, bool ownerOnly) {
    const QByteArray target = QFile::encodeName(path);
    struct stat st {};
    bool exists = false;
    if (::lstat(target.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return notRegularReason(st.st_mode);
        // A file its owner made read-only is not replaced behind their back.
        if (::access(target.constData(), W_OK) != 0)
            return QStringLiteral("the existing file is not writable");
        exists = true;
    } else if (errno != ENOENT) {
        return qt_error_string(errno);
    }

    // The temporary is a new file of a fresh name (never an existing one, never through a link), made
    // private until it gets its final permissions.
    Fd tmp;
    QByteArray tmpName;
    for (int attempt = 0; attempt < 100 && tmp.fd < 0; ++attempt) {
        tmpName = target + kTempInfix.latin1() + randomSuffix();
        tmp.fd = ::open(tmpName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        exists || ownerOnly ? 0600 : 0666);
        if (tmp.fd < 0 && errno != EEXIST)
            break;
    }
    if (tmp.fd < 0)
        return qt_error_string(errno);
    // Held until the rename: removeInterruptedSaves leaves a temporary alone while a save holds it.
    (void)::flock(tmp.fd, LOCK_EX);
    auto abandon = [&tmpName](int err) {
        ::unlink(tmpName.constData());
        return qt_error_string(err);
    };
    if (!ownerOnly && exists && ::fchmod(tmp.fd, st.st_mode & 0777) != 0)
        return abandon(errno);

    const char* p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(tmp.fd, p, size_t(std::min<qsizetype>(left, qsizetype(1) << 30)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? abandon(errno) : abandon(ENOSPC);
        p += n;
        left -= n;
    }
    if (::fdatasync(tmp.fd) != 0)
        return abandon(errno);
    // rename() replaces the name itself: had a link appeared there since the check, the link would
    // be replaced, not its target written.
    if (::rename(tmpName.constData(), target.constData()) != 0)
        return abandon(errno);
    return {};
}

QString readWholeFile(const QString& path, qint64 maxBytes, QByteArray* data, bool* tooLarge) {
    data->clear();
    if (tooLarge)
        *tooLarge = false;
    const QByteArray p = QFile::encodeName(path);
    struct stat st {};
    if (::stat(p.constData(), &st) != 0) {
        const int err = errno;
        struct stat lst {};
        if (err == ENOENT && ::lstat(p.constData(), &lst) == 0 && S_ISLNK(lst.st_mode))
            return QStringLiteral("it is a symbolic link to nothing");
        return qt_error_string(err);
    }
    if (!S_ISREG(st.st_mode))
        return notReadableReason(st.st_mode);
    const auto refuseSize = [tooLarge, maxBytes](qint64 size) {
        if (tooLarge)
            *tooLarge = true;
        return tooLargeReason(size, maxBytes);
    };
    if (st.st_size > maxBytes)
        return refuseSize(st.st_size);
    // O_NONBLOCK: a pipe put under the name since the look above does not block the reader.
    Fd f;
    f.fd = ::open(p.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (f.fd < 0)
        return qt_error_string(errno);
    if (::fstat(f.fd, &st) != 0)
        return qt_error_string(errno);
    if (!S_ISREG(st.st_mode))
        return notReadableReason(st.st_mode);
    if (st.st_size > maxBytes)
        return refuseSize(st.st_size);
    // Read in pieces up to one byte past the bound, so a file still growing stops there.
    data->resize(qsizetype(st.st_size) + 1);
    qsizetype got = 0;
    for (;;) {
        if (got == data->size()) {
            if (got > maxBytes) {
                data->clear();
                return refuseSize(got);
            }
            data->resize(qsizetype(qMin<qint64>(qint64(got) * 2, maxBytes + 1)));
        }
        const ssize_t n = ::read(f.fd, data->data() + got, size_t(data->size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int err = errno;
            data->clear();
            return qt_error_string(err);
        }
        if (n == 0)
            break;
        got += n;
    }
    if (got > maxBytes) {
        data->clear();
        return refuseSize(got);
    }
    data->truncate(got);
    return {};
}

bool isInterruptedSaveName(const QString& name, const QRegularExpression& targets) {
    const qsizetype tail = kTempInfix.size() + kTempRandomChars;
    if (name.size() <= tail)
        return false;
    const qsizetype infixAt = name.size() - tail;
    if (QStringView(name).mid(infixAt, kTempInfix.size()) != kTempInfix)
        return false;
    for (qsizetype i = infixAt + kTempInfix.size(); i < name.size(); ++i)
        if (!isAsciiLetterOrDigit(name.at(i)))
            return false;
    return stemMatches(name, tail, targets);
}

bool isEarlierSaveLeftoverName(const QString& name, const QRegularExpression& targets) {
    constexpr qsizetype tail = 1 + 6; // "." and six letters
    if (name.size() <= tail || name.at(name.size() - tail) != u'.')
        return false;
    bool lower = false;
    bool laterUpper = false; // an upper-case letter after the first: no word's capital
    for (qsizetype i = name.size() - 6; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c >= u'a' && c <= u'z')
            lower = true;
        else if (c >= u'A' && c <= u'Z')
            laterUpper = laterUpper || i > name.size() - 6;
        else
            return false;
    }
    return lower && laterUpper && stemMatches(name, tail, targets);
}

QStringList removeInterruptedSaves(const QString& folder, const QRegularExpression& targets) {
    QStringList removed;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        if (!isInterruptedSaveName(name, targets) && !isEarlierSaveLeftoverName(name, targets))
            continue;
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        Fd f;
        f.fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat st {};
        if (f.fd < 0 || ::fstat(f.fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
            continue;
        // A save in progress holds its temporary locked.
        if (::flock(f.fd, LOCK_EX | LOCK_NB) != 0)
            continue;
        // Still the same file under that name.
        struct stat now {};
        if (::lstat(path.constData(), &now) != 0 || now.st_dev != st.st_dev || now.st_ino != st.st_ino)
            continue;
        if (::unlink(path.constData()) == 0)
            removed << name;
    }
    return removed;
}

QString moveAsideNumbered(const QString& folder, const QString& name, const QString& keptName,
                          QString* keptAs) {
    const QDir dir(folder);
    const QByteArray from = QFile::encodeName(dir.filePath(name));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString kept = nextFreeNumberedName(folder, keptName);
        const QByteArray to = QFile::encodeName(dir.filePath(kept));
        // RENAME_NOREPLACE: a name taken since the look is never replaced; the next one is tried. A
        // file system without it gets a plain rename to the name just found free.
        int done = ::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE);
        if (done != 0 && errno == EINVAL)
            done = ::rename(from.constData(), to.constData());
        if (done == 0) {
            if (keptAs)
                *keptAs = kept;
            return {};
        }
        if (errno != EEXIST)
            return qt_error_string(errno);
    }
    return qt_error_string(EEXIST);
}

QString narrowToOwnerOnly(const QString& path, bool* narrowed) {
    if (narrowed)
        *narrowed = false;
    const QByteArray p = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(p.constData(), &st) != 0)
        return errno == ENOENT ? QString() : qt_error_string(errno);
    if (S_ISLNK(st.st_mode))
        return QStringLiteral("it is a symbolic link, and the program does not change permissions "
                              "through links");
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("it is not a regular file");
    if ((st.st_mode & 07777 & ~mode_t(0600)) == 0)
        return {};
    if (::fchmodat(AT_FDCWD, p.constData(), 0600, AT_SYMLINK_NOFOLLOW) != 0)
        return qt_error_string(errno);
    if (narrowed)
        *narrowed = true;
    return {};
}

namespace {

// True when the group is the owner's personal group: named as the owner, and nobody else in it.
bool personalGroup(uid_t owner, gid_t gid) {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    QByteArray pwBuf(size > 0 ? size : 16384, '\0');
    passwd pw{};
    passwd* pwOut = nullptr;
    if (::getpwuid_r(owner, &pw, pwBuf.data(), size_t(pwBuf.size()), &pwOut) != 0 || !pwOut)
        return false;
    size = ::sysconf(_SC_GETGR_R_SIZE_MAX);
    QByteArray grBuf(size > 0 ? size : 16384, '\0');
    group gr{};
    group* grOut = nullptr;
    // A group with very many members does not fit: it is no personal group either.
    if (::getgrgid_r(gid, &gr, grBuf.data(), size_t(grBuf.size()), &grOut) != 0 || !grOut)
        return false;
    if (qstrcmp(gr.gr_name, pw.pw_name) != 0)
        return false;
    for (char** m = gr.gr_mem; m && *m; ++m)
        if (qstrcmp(*m, pw.pw_name) != 0)
            return false;
    return true;
}

} // namespace

bool writableByOthers(const QString& folder) {
    struct stat st {};
    if (::stat(QFile::encodeName(folder).constData(), &st) != 0)
        return false;
    if (st.st_mode & S_IWOTH)
        return true;
    return (st.st_mode & S_IWGRP) && !personalGroup(st.st_uid, st.st_gid);
}

QString nextFreeNumberedName(const QString& folder, const QString& baseName) {
    const QDir dir(folder);
    QString name = baseName;
    for (quint64 n = 1;; ++n) {
        // Free, or not to be looked at (the save there then fails with the reason).
        struct stat st {};
        if (::lstat(QFile::encodeName(dir.filePath(name)).constData(), &st) != 0)
            return name;
        name = baseName + QLatin1Char('.') + QString::number(n);
    }
}

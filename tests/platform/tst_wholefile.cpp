// The whole-file writer and the start-up helpers beside it, on real files: saves never write through a
// link or into anything but a regular file; leftovers of interrupted saves (and only those) are found
// and removed; permissions are narrowed; a folder others can write to is told apart; kept copies are
// numbered.
#include "platform/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void write(const QString& path, const QByteArray& data) {
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    f.write(data);
}

mode_t modeOf(const QString& path) {
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 07777 : mode_t(07777);
}

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                               QDir::Name);
}

uid_t nobody() {
    const passwd* pw = ::getpwnam("nobody");
    return pw ? pw->pw_uid : uid_t(65534);
}

} // namespace

class tst_wholefile : public QObject {
    Q_OBJECT
private slots:
    void init() { ::umask(022); }

    // What is at the file's name before the save, and what the save does with it.
    void save_data() {
        QTest::addColumn<QString>("before"); // "none", "file", "link", "dangling link", "folder", "fifo"
        QTest::addColumn<bool>("ownerOnly");
        QTest::addColumn<QString>("refusal"); // empty: saved
        QTest::addColumn<int>("mode");        // of the saved file
        QTest::newRow("new file") << "none" << false << "" << 0644;
        QTest::newRow("new file, owner only") << "none" << true << "" << 0600;
        QTest::newRow("file keeps its permissions") << "file" << false << "" << 0640;
        QTest::newRow("file narrowed to its owner") << "file" << true << "" << 0600;
        QTest::newRow("link to a file elsewhere") << "link" << false << "symbolic link" << 0;
        QTest::newRow("link, owner only") << "link" << true << "symbolic link" << 0;
        QTest::newRow("link to nothing") << "dangling link" << false << "symbolic link" << 0;
        QTest::newRow("folder") << "folder" << false << "folder" << 0;
        QTest::newRow("pipe") << "fifo" << false << "not a regular file" << 0;
    }
    void save() {
        QFETCH(QString, before);
        QFETCH(bool, ownerOnly);
        QFETCH(QString, refusal);
        QFETCH(int, mode);
        QTemporaryDir dir;
        QTemporaryDir elsewhere; // stands for the user's home
        const QString target = dir.filePath(QStringLiteral("202612.txt"));
        const QString victim = elsewhere.filePath(QStringLiteral(".bashrc"));
        write(victim, "# the user's own file\n");
        QVERIFY(QFile::setPermissions(victim, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ReadGroup | QFileDevice::ReadOther));
        const QByteArray t = QFile::encodeName(target);
        if (before == QLatin1String("file")) {
            write(target, "old\r\n");
            QVERIFY(::chmod(t.constData(), 0640) == 0);
        } else if (before == QLatin1String("link")) {
            QVERIFY(QFile::link(victim, target));
        } else if (before == QLatin1String("dangling link")) {
            QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("planted")), target));
        } else if (before == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(target));
        } else if (before == QLatin1String("fifo")) {
            QVERIFY(::mkfifo(t.constData(), 0600) == 0);
        }
        const QStringList namesBefore = entries(dir.path());

        const QString reason = writeWholeFile(target, " 42 \r\n", ownerOnly);

        if (!refusal.isEmpty()) {
            QVERIFY2(reason.contains(refusal), qPrintable(reason));
            QVERIFY2(reason.contains(QLatin1String("nothing was written")), qPrintable(reason));
            QCOMPARE(entries(dir.path()), namesBefore); // no temporary left either
            QCOMPARE(entries(elsewhere.path()), QStringList{QStringLiteral(".bashrc")});
            QCOMPARE(readAll(victim), QByteArray("# the user's own file\n"));
            QCOMPARE(modeOf(victim), mode_t(0644));
            return;
        }
        QVERIFY2(reason.isEmpty(), qPrintable(reason));
        QCOMPARE(readAll(target), QByteArray(" 42 \r\n"));
        QCOMPARE(modeOf(target), mode_t(mode));
        QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("202612.txt")});
    }

    // What is under the name, and what the bounded reader gives (a bound of 8 bytes here).
    void read_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("refusal"); // empty: read
        QTest::addColumn<bool>("tooLarge");
        QTest::newRow("empty file") << "file" << QByteArray() << "" << false;
        QTest::newRow("exactly the bound") << "file" << QByteArray("12345678") << "" << false;
        QTest::newRow("one byte more")
            << "file" << QByteArray("123456789") << "more than the 8 bytes" << true;
        QTest::newRow("link to a file is followed") << "link" << QByteArray("1234") << "" << false;
        QTest::newRow("link to nothing")
            << "dangling link" << QByteArray() << "symbolic link to nothing" << false;
        QTest::newRow("folder") << "folder" << QByteArray() << "folder" << false;
        QTest::newRow("pipe: refused, never waited on")
            << "fifo" << QByteArray() << "not a regular file" << false;
    }
    void read() {
        QFETCH(QString, before);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, refusal);
        QFETCH(bool, tooLarge);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("cc.txt"));
        const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
        if (before == QLatin1String("file"))
            write(target, bytes);
        else if (before == QLatin1String("link"))
            write(elsewhere, bytes);
        if (before.endsWith(QLatin1String("link")))
            QVERIFY(QFile::link(elsewhere, target));
        else if (before == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(target));
        else if (before == QLatin1String("fifo"))
            QVERIFY(::mkfifo(QFile::encodeName(target).constData(), 0600) == 0);

        QByteArray data("stale");
        bool large = !tooLarge;
        const QString reason = readWholeFile(target, 8, &data, &large);
        QVERIFY2(refusal.isEmpty() ? reason.isEmpty() : reason.contains(refusal), qPrintable(reason));
        QCOMPARE(data, refusal.isEmpty() ? bytes : QByteArray());
        QCOMPARE(large, tooLarge);
    }

    void interrupted_saves_are_removed_and_nothing_else() {
        QTemporaryDir dir;
        const QRegularExpression ours(QStringLiteral(R"(cc1?\.txt|[0-9]{5,6}\.txt)"));
        const QStringList removable{QStringLiteral("cc.txt.saving-Ab3xYz"),
                                    QStringLiteral("cc1.txt.saving-000000"),
                                    QStringLiteral("20266.txt.saving-qqqqqq"),
                                    // the earlier writer's: six random letters of both cases
                                    QStringLiteral("cc.txt.qWmTzb"), QStringLiteral("cc1.txt.XkQpRz")};
        const QStringList kept{QStringLiteral("cc.txt"),
                               QStringLiteral("cc.txt.backup"),
                               QStringLiteral("cc.txt.Backup"), // could be a word: never taken
                               QStringLiteral("cc.txt.BACKUP"),
                               QStringLiteral("cc.txt.qWmTzbx"),
                               QStringLiteral("cc.txt.damaged"),
                               QStringLiteral("cc.txt.saving-Ab3xY"),     // too short
                               QStringLiteral("cc.txt.saving-Ab3xYzz"),   // too long
                               QStringLiteral("cc.txt.saving-Ab-xYz"),    // not a letter or digit
                               QStringLiteral("cc.txt.Ab3xYz"),           // no infix
                               QStringLiteral("notes.txt.saving-Ab3xYz"), // not one of ours
                               QStringLiteral("xcc.txt.saving-Ab3xYz"),   // the whole name must match
                               QStringLiteral("2026.txt.saving-Ab3xYz")};
        for (const QString& n : removable + kept)
            write(dir.filePath(n), "x");
        for (const QString& n : removable + kept)
            QCOMPARE(isInterruptedSaveName(n, ours) || isEarlierSaveLeftoverName(n, ours),
                     removable.contains(n));

        // Named like ours but not a plain file of this user: left alone.
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("cc.txt.saving-Folder")));
        QTemporaryDir elsewhere;
        const QString victim = elsewhere.filePath(QStringLiteral("victim"));
        write(victim, "keep");
        QVERIFY(QFile::link(victim, dir.filePath(QStringLiteral("cc.txt.saving-LinkIt"))));
        QStringList alsoKept{QStringLiteral("cc.txt.saving-Folder"), QStringLiteral("cc.txt.saving-LinkIt")};
        if (::geteuid() == 0) {
            const QString foreign = dir.filePath(QStringLiteral("cc.txt.saving-Nobody"));
            write(foreign, "x");
            QVERIFY(::chown(QFile::encodeName(foreign).constData(), nobody(), gid_t(-1)) == 0);
            alsoKept << QStringLiteral("cc.txt.saving-Nobody");
        }
        // A save running at this moment holds its temporary locked.
        const QString running = dir.filePath(QStringLiteral("cc.txt.saving-Runnin"));
        write(running, "x");
        const int fd = ::open(QFile::encodeName(running).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(fd >= 0 && ::flock(fd, LOCK_EX) == 0);
        alsoKept << QStringLiteral("cc.txt.saving-Runnin");

        QStringList removed = removeInterruptedSaves(dir.path(), ours);
        ::close(fd);
        removed.sort();
        QStringList expectedRemoved = removable;
        expectedRemoved.sort();
        QCOMPARE(removed, expectedRemoved);
        QStringList left = kept + alsoKept;
        left.sort();
        QCOMPARE(entries(dir.path()), left);
        QCOMPARE(readAll(victim), QByteArray("keep"));
        // Once the save is over, its leftover goes too.
        QCOMPARE(removeInterruptedSaves(dir.path(), ours),
                 QStringList{QStringLiteral("cc.txt.saving-Runnin")});

        // The writer's own temporaries have that form, and a kill leaves nothing else.
        QVERIFY(writeWholeFile(dir.filePath(QStringLiteral("cc.txt")), "new", true).isEmpty());
        QCOMPARE(removeInterruptedSaves(dir.path(), ours), QStringList());
    }

    void narrow_to_owner_only_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("modeBefore");
        QTest::addColumn<bool>("narrowed");
        QTest::addColumn<int>("modeAfter");
        QTest::addColumn<bool>("fails");
        QTest::newRow("readable by all") << "file" << 0644 << true << 0600 << false;
        QTest::newRow("writable by the group") << "file" << 0620 << true << 0600 << false;
        QTest::newRow("executable by its owner") << "file" << 0700 << true << 0600 << false;
        QTest::newRow("already owner only") << "file" << 0600 << false << 0600 << false;
        QTest::newRow("narrower: read-only") << "file" << 0400 << false << 0400 << false;
        QTest::newRow("missing") << "none" << 0 << false << 0 << false;
        QTest::newRow("a link is not followed") << "link" << 0644 << false << 0644 << true;
    }
    void narrow_to_owner_only() {
        QFETCH(QString, what);
        QFETCH(int, modeBefore);
        QFETCH(bool, narrowed);
        QFETCH(int, modeAfter);
        QFETCH(bool, fails);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("cc.txt"));
        QString file = path;
        if (what == QLatin1String("link")) {
            file = dir.filePath(QStringLiteral("elsewhere"));
            QVERIFY(QFile::link(file, path));
        }
        if (what != QLatin1String("none")) {
            write(file, "x");
            QVERIFY(::chmod(QFile::encodeName(file).constData(), mode_t(modeBefore)) == 0);
        }
        bool changed = !narrowed;
        const QString reason = narrowToOwnerOnly(path, &changed);
        QCOMPARE(reason.isEmpty(), !fails);
        QCOMPARE(changed, narrowed);
        if (what != QLatin1String("none"))
            QCOMPARE(modeOf(file), mode_t(modeAfter));
    }

    void folder_writable_by_others_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("otherGroup"); // the folder's group is not the owner's personal one
        QTest::addColumn<bool>("writable");
        QTest::newRow("owner only") << 0700 << false << false;
        QTest::newRow("readable by all") << 0755 << false << false;
        QTest::newRow("writable by all") << 0777 << false << true;
        QTest::newRow("writable by all, sticky") << 01777 << false << true;
        QTest::newRow("writable by a shared group") << 0770 << true << true;
        QTest::newRow("readable by a shared group") << 0750 << true << false;
    }
    void folder_writable_by_others() {
        QFETCH(int, mode);
        QFETCH(bool, otherGroup);
        QFETCH(bool, writable);
        QTemporaryDir dir;
        const QByteArray p = QFile::encodeName(dir.path());
        if (otherGroup) {
            // A group with members (the "users" group of Debian, or the group of that name).
            if (::geteuid() != 0)
                QSKIP("giving a folder to another group needs root");
            QVERIFY(::chown(p.constData(), uid_t(-1), gid_t(100)) == 0);
        }
        QVERIFY(::chmod(p.constData(), mode_t(mode)) == 0);
        QCOMPARE(writableByOthers(dir.path()), writable);
        ::chmod(p.constData(), 0700);
    }

    void next_free_numbered_name_data() {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none kept yet") << QStringList{} << "cc.txt.damaged";
        QTest::newRow("one kept") << QStringList{QStringLiteral("cc.txt.damaged")} << "cc.txt.damaged.1";
        QTest::newRow("two kept") << QStringList{QStringLiteral("cc.txt.damaged"),
                                                 QStringLiteral("cc.txt.damaged.1")}
                                  << "cc.txt.damaged.2";
        QTest::newRow("the first gap")
            << QStringList{QStringLiteral("cc.txt.damaged"), QStringLiteral("cc.txt.damaged.2")}
            << "cc.txt.damaged.1";
        QTest::newRow("a dangling link counts")
            << QStringList{QStringLiteral("link:cc.txt.damaged")} << "cc.txt.damaged.1";
    }
    void next_free_numbered_name() {
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        for (const QString& e : std::as_const(existing)) {
            if (e.startsWith(QLatin1String("link:")))
                QVERIFY(QFile::link(dir.filePath(QStringLiteral("nothing")), dir.filePath(e.mid(5))));
            else
                write(dir.filePath(e), "x");
        }
        QCOMPARE(nextFreeNumberedName(dir.path(), QStringLiteral("cc.txt.damaged")), expected);
    }
};

QTEST_GUILESS_MAIN(tst_wholefile)
#include "tst_wholefile.moc"

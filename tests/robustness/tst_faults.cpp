// Faults from outside the program: a full disk, a read-only data folder, files that vanish or turn
// into folders mid-session, a remote-access control that fails at everything, and a kill in the middle
// of a save. After each: no crash, a box where the user must know, nothing saved before is lost.
#include "config/frmCloseConfig.h"
#include "console/frmDeleteProfile.h"
#include "core/MonthFile.h"
#include "core/SettingsFile.h"
#include "dialing/DialRig.h"
#include "platform/ras/sim/SimPhoneBook.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kMonth = QStringLiteral("20266.txt"); // the fake clock's month
const QString kSettings = QStringLiteral("cc.txt");

// Set once the test process has a mount namespace of its own: tmpfs and read-only bind mounts are
// then private to it and vanish with it.
bool gOwnMounts = false;

// A mount over a folder, undone when it goes out of scope.
struct Mount {
    QString path;
    bool ok = false;
    ~Mount() {
        if (ok)
            umount2(QFile::encodeName(path).constData(), MNT_DETACH);
    }
};

bool mountTmpfs(Mount& m, const QString& path, int kilobytes) {
    m.path = path;
    const QByteArray opts = "size=" + QByteArray::number(kilobytes) + "k,mode=0700";
    m.ok = mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0, opts.constData()) == 0;
    return m.ok;
}

bool bindReadOnly(Mount& m, const QString& path) {
    m.path = path;
    const QByteArray p = QFile::encodeName(path);
    if (mount(p.constData(), p.constData(), nullptr, MS_BIND, nullptr) != 0)
        return false;
    m.ok = true;
    return mount(nullptr, p.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

// Fills the file system of `dir` to the last block with a filler file.
void fillUp(const QString& dir) {
    const int fd = ::open(QFile::encodeName(QDir(dir).filePath(QStringLiteral("filler"))).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC, 0600);
    QVERIFY(fd >= 0);
    const QByteArray block(4096, 'x');
    while (::write(fd, block.constData(), size_t(block.size())) > 0) {
    }
    char one = 'x';
    while (::write(fd, &one, 1) > 0) {
    }
    ::close(fd);
}

// A file-size limit for this process (a disk that is full for any file larger than `bytes`); a
// write past it fails with EFBIG instead of raising SIGXFSZ.
struct SizeLimit {
    rlimit saved{};
    void (*oldHandler)(int) = nullptr;
    explicit SizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = bytes;
        oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~SizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
    }
};

// The month record of `n` earlier sessions of 60..(60+n-1) seconds.
QStringList earlierSessions(int n) {
    QStringList l;
    for (int i = 0; i < n; ++i)
        l << MonthFile::newLine(60 + i);
    return l;
}

QStringList dataFiles(const TestProgram& t) {
    return QDir(t.dir.path()).entryList(QDir::Files, QDir::Name);
}

// A rig whose settings (two profiles with passwords) are saved in the data folder, with a month
// record of earlier sessions beside them.
struct SavedRig : Rig {
    QByteArray settingsBytes;
    QByteArray monthBytes;

    void saveAll(int earlier = 200) {
        QVERIFY(SettingsFile::write(prog()));
        settingsBytes = t->readDataFile(kSettings);
        t->writeDataFile(kMonth, earlierSessions(earlier));
        monthBytes = t->readDataFile(kMonth);
    }
};

// Statuses no control should send: empty, control characters, a huge text, "failed" where it does
// not count as a failure, and texts in other scripts.
QStringList garbageStatuses() {
    return {QString(),
            QStringLiteral("\x01\x02\x7f"),
            QString(100000, QLatin1Char('#')),
            QStringLiteral("failed"),
            QString::fromUtf8("\xe6\x8e\xa5\xe7\xb6\x9a \xd0\xbe\xd1\x88\xd0\xb8\xd0\xb1\xd0\xba\xd0\xb0"),
            QStringLiteral("Validation attempt"),
            QString(QChar(0xfffd))};
}

// Profiles enough for a settings file of about 100 KB, so that a save takes long enough for a
// kill to land inside it.
constexpr int kLoopProfiles = 3000;

Settings loopSettings(const QString& tag) {
    Settings st;
    for (int n = 0; n < kLoopProfiles; ++n)
        st.gProfiles.addProfile(QStringLiteral("Line %1").arg(n), QStringLiteral("user") + tag,
                                QStringLiteral("password") + tag, QString());
    return st;
}

// The settings file the save loop writes in save number i: version A or B in turn.
QString loopTag(qint64 i) {
    return (i % 2) ? QStringLiteral("B") : QStringLiteral("A");
}

void say(const QByteArray& line) {
    // Straight to the pipe (no stdio buffer): the parent sees each line as it is written.
    if (::write(STDOUT_FILENO, line.constData(), size_t(line.size())) != line.size())
        ::_exit(4);
}

// In the child started by kill_during_save: saves the settings (A and B in turn) or a growing month
// record over and over, saying "b<i>" before save i and "e<i>" after it, until it is killed. After save
// number `last` it waits for the kill, so a parent slow to read (a loaded machine) still kills it inside
// that save or just after it, never saves later.
[[noreturn]] void saveLoop(const QString& what, const QString& dir, qint64 last) {
    Seams seams;
    seams.boxes = std::make_unique<FakeMessageBoxes>();
    seams.clock = std::make_unique<FakeClock>();
    Program program(std::move(seams), dir);
    const Settings versions[2] = {loopSettings(loopTag(0)), loopSettings(loopTag(1))};
    // The month record goes on from what an earlier, killed child left.
    QStringList month;
    MonthFile::read(program.dataPath(kMonth), &month, nullptr);
    for (qint64 i = 0;; ++i) {
        bool ok = false;
        if (what == QLatin1String("settings")) {
            program.settings = versions[i % 2];
            say("b" + QByteArray::number(i) + '\n');
            ok = SettingsFile::write(program);
        } else {
            month << MonthFile::newLine(qint32(month.size() + 1));
            say("b" + QByteArray::number(i) + '\n');
            ok = MonthFile::write(program.dataPath(kMonth), month, nullptr);
        }
        if (!ok)
            ::_exit(3);
        say("e" + QByteArray::number(i) + '\n');
        while (i == last)
            ::pause();
    }
}

// The bytes of the settings file holding version `tag`.
QByteArray loopSettingsBytes(const QString& tag) {
    TestProgram t;
    t->settings = loopSettings(tag);
    if (!SettingsFile::write(*t))
        return {};
    return t.readDataFile(kSettings);
}

} // namespace

class tst_faults : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Root ignores permissions, so a read-only folder and a full disk are real mounts, made in a
        // mount namespace of this process alone.
        if (geteuid() == 0 && unshare(CLONE_NEWNS) == 0 &&
            mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0)
            gOwnMounts = true;
    }

    // ---- a full disk ----

    void full_disk_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<bool>("tmpfs"); // a full file system, else a file-size limit
        // The settings file under a file-size limit is covered with the settings file's own tests.
        QTest::newRow("month record, size limit") << QStringLiteral("month") << false;
        QTest::newRow("month record, full file system") << QStringLiteral("month") << true;
        QTest::newRow("settings, full file system") << QStringLiteral("settings") << true;
        QTest::newRow("simulator phone book, size limit") << QStringLiteral("phonebook") << false;
        QTest::newRow("simulator phone book, full file system") << QStringLiteral("phonebook") << true;
    }
    void full_disk() {
        QFETCH(QString, what);
        QFETCH(bool, tmpfs);
        const bool month = what == QLatin1String("month");
        const QString bookPath = QStringLiteral("phonebook.ini");
        SavedRig r;
        Mount m;
        if (tmpfs) {
            if (!gOwnMounts)
                QSKIP("a full file system needs root and a mount namespace of its own");
            QVERIFY(mountTmpfs(m, r.t->dir.path(), 64));
        }
        r.saveAll();
        Program& p = r.prog();
        Windows& w = r.ui();
        SimPhoneBook book = SimPhoneBook::sample();
        QString error;
        QVERIFY(book.save(r.t->dataPath(bookPath), &error));
        const QByteArray bookBytes = r.t->readDataFile(bookPath);
        if (tmpfs)
            fillUp(r.t->dir.path());

        if (what == QLatin1String("phonebook")) {
            book.entries.append(book.entries.first());
            book.entries.last().name = QStringLiteral("Copy");
            bool saved = true;
            {
                std::unique_ptr<SizeLimit> limit;
                if (!tmpfs)
                    limit = std::make_unique<SizeLimit>(rlim_t(bookBytes.size()));
                saved = book.save(r.t->dataPath(bookPath), &error);
            }
            QVERIFY(!saved);
            QVERIFY(error.contains(QStringLiteral("Cannot save the phone book")));
            QCOMPARE(r.t->readDataFile(bookPath), bookBytes);
            if (tmpfs)
                QVERIFY(QFile::remove(r.t->dataPath(QStringLiteral("filler"))));
            QVERIFY(book.save(r.t->dataPath(bookPath), &error));
            SimPhoneBook back;
            QVERIFY(SimPhoneBook::load(r.t->dataPath(bookPath), &back, &error));
            QCOMPARE(back.entries.size(), book.entries.size());
            return;
        }

        if (month) {
            r.connect();
            r.tick(42);
            {
                std::unique_ptr<SizeLimit> limit;
                if (!tmpfs)
                    limit = std::make_unique<SizeLimit>(rlim_t(r.monthBytes.size()));
                ctl<QPushButton>(r.start(), "cmdHangup")->click();
            }
            QCOMPARE(r.boxes().shown.size(), 1);
            QVERIFY(r.boxes().shown[0].text.contains(QStringLiteral("could not write the monthly record")));
            QVERIFY(r.boxes().shown[0].text.contains(QStringLiteral("42 seconds were not recorded")));
            QVERIFY(r.idleButtons());
        } else {
            frmConfig& c = w.frmConfig();
            p.settings.gProfiles.addProfile(QStringLiteral("Mobile"), QStringLiteral("carol"),
                                            QStringLiteral("pw3"), QString());
            ctl<QPushButton>(c, "cmdSave")->click();
            QCOMPARE(r.boxes().texts().filter(QStringLiteral("could not be saved")).size(), 1);
            QVERIFY(!r.boxes().texts().contains(QStringLiteral("Save Successful!")));
        }
        // Nothing saved before is lost, and no half-written file is left behind.
        QCOMPARE(r.t->readDataFile(kSettings), r.settingsBytes);
        QCOMPARE(r.t->readDataFile(kMonth), r.monthBytes);
        QStringList expected{kMonth, kSettings, bookPath};
        if (tmpfs)
            expected << QStringLiteral("filler");
        expected.sort();
        QCOMPARE(dataFiles(*r.t), expected);

        // With room again, the next save goes through and keeps everything before it.
        if (tmpfs)
            QVERIFY(QFile::remove(r.t->dataPath(QStringLiteral("filler"))));
        r.boxes().shown.clear();
        if (month) {
            r.connect();
            r.tick(7);
            ctl<QPushButton>(r.start(), "cmdHangup")->click();
            QVERIFY(r.boxes().shown.isEmpty());
            QCOMPARE(r.t->readDataFile(kMonth), r.monthBytes + " 7 \r\n");
        } else {
            ctl<QPushButton>(w.frmConfig(), "cmdSave")->click();
            QCOMPARE(r.boxes().texts(), QStringList{QStringLiteral("Save Successful!")});
            TestProgram back;
            QFile::copy(r.t->dataPath(kSettings), back.dataPath(kSettings));
            QCOMPARE(SettingsFile::read(*back), 3);
            QCOMPARE(back->settings.gProfiles.password(QStringLiteral("Home")), QStringLiteral("Secret"));
            QCOMPARE(back->settings.gProfiles.password(QStringLiteral("Mobile")), QStringLiteral("pw3"));
        }
    }

    // ---- a read-only data folder ----

    void read_only_data_folder_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("expectedBox");
        QTest::newRow("save in the console")
            << QStringLiteral("save") << QStringLiteral("could not be saved");
        QTest::newRow("end of a session")
            << QStringLiteral("session") << QStringLiteral("could not write the monthly record");
        QTest::newRow("close reminder switched off")
            << QStringLiteral("marker") << QStringLiteral("The reminder could not be switched off");
        QTest::newRow("damaged settings at start-up")
            << QStringLiteral("damaged") << QStringLiteral("could not be copied aside");
    }
    void read_only_data_folder() {
        QFETCH(QString, action);
        QFETCH(QString, expectedBox);
        SavedRig r;
        r.saveAll();
        if (action == QLatin1String("damaged")) {
            r.t->writeDataFile(kSettings, {QStringLiteral("##Connection Profile##"), QStringLiteral("Home")});
            r.settingsBytes = r.t->readDataFile(kSettings);
        }
        Mount m;
        if (gOwnMounts) {
            QVERIFY(bindReadOnly(m, r.t->dir.path()));
        } else {
            QFile::setPermissions(r.t->dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            QFile probe(r.t->dataPath(QStringLiteral("probe")));
            const bool writable = probe.open(QIODevice::WriteOnly);
            QFile::setPermissions(r.t->dir.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            if (writable)
                QSKIP("this user writes into read-only folders and cannot mount one");
            QFile::setPermissions(r.t->dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        const auto restore = qScopeGuard([&r] {
            QFile::setPermissions(r.t->dir.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        });
        const QStringList before = dataFiles(*r.t);
        Program& p = r.prog();
        Windows& w = r.ui();

        if (action == QLatin1String("save")) {
            p.settings.gDefaultProfile = QStringLiteral("Office");
            ctl<QPushButton>(w.frmConfig(), "cmdSave")->click();
        } else if (action == QLatin1String("session")) {
            r.connect();
            r.tick(3);
            ctl<QPushButton>(r.start(), "cmdHangup")->click();
            QVERIFY(r.idleButtons());
        } else if (action == QLatin1String("marker")) {
            frmCloseConfig& close = w.frmCloseConfig();
            ctl<QCheckBox>(close, "checkRemoveCloseReminder")->setChecked(true);
            ctl<QPushButton>(close, "cmdYesClose")->click();
        } else {
            p.settings = Settings();
            QCOMPARE(SettingsFile::read(p), 1); // what could be read is in use
        }
        QCOMPARE(r.boxes().texts().filter(expectedBox).size(), 1);
        QVERIFY(!r.boxes().texts().contains(QStringLiteral("Save Successful!")));
        QCOMPARE(r.t->readDataFile(kSettings), r.settingsBytes);
        QCOMPARE(r.t->readDataFile(kMonth), r.monthBytes);
        QCOMPARE(dataFiles(*r.t), before);
    }

    // ---- a link planted under the name of a file the program saves ----

    // A link in the data folder under the name of one of the program's files (put there by another
    // user of a shared folder, or by mistake) points at a file of the user's own elsewhere: no save
    // writes through it. The save is refused with the reason in its box, and neither the link nor the
    // file it points to changes.
    void saves_never_follow_links_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("expectedBox");
        QTest::newRow("month record at the end of a session")
            << kMonth << QStringLiteral("session") << QStringLiteral("could not write the monthly record");
        QTest::newRow("settings saved in the console")
            << kSettings << QStringLiteral("save") << QStringLiteral("could not be saved");
        QTest::newRow("close reminder switched off")
            << QStringLiteral("cc1.txt") << QStringLiteral("marker")
            << QStringLiteral("The reminder could not be switched off");
        // The copy of a damaged settings file goes to the next free name beside the link.
        QTest::newRow("damaged settings kept aside")
            << QStringLiteral("cc.txt.damaged") << QStringLiteral("damaged")
            << QStringLiteral("kept as \"cc.txt.damaged.1\"");
        QTest::newRow("simulator phone book")
            << QStringLiteral("phonebook.ini") << QStringLiteral("phonebook")
            << QStringLiteral("Cannot save the phone book");
    }
    void saves_never_follow_links() {
        QFETCH(QString, file);
        QFETCH(QString, action);
        QFETCH(QString, expectedBox);
        SavedRig r;
        r.saveAll();
        QTemporaryDir home;
        const QString victim = home.filePath(QStringLiteral(".bashrc"));
        const QByteArray victimBytes = "# the user's own shell settings\n";
        {
            QFile f(victim);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(victimBytes);
        }
        if (action == QLatin1String("damaged"))
            r.t->writeDataFile(kSettings, {QStringLiteral("##Connection Profile##"), QStringLiteral("Home")});
        const QString link = r.t->dataPath(file);
        QFile::remove(link);
        QVERIFY(QFile::link(victim, link));
        const QStringList before = dataFiles(*r.t);
        Program& p = r.prog();

        QStringList texts;
        if (action == QLatin1String("session")) {
            r.connect();
            r.tick(3);
            r.start().findChild<QPushButton*>(QStringLiteral("cmdHangup"))->click();
            QVERIFY(r.idleButtons());
        } else if (action == QLatin1String("save")) {
            ctl<QPushButton>(r.ui().frmConfig(), "cmdSave")->click();
        } else if (action == QLatin1String("marker")) {
            frmCloseConfig& close = r.ui().frmCloseConfig();
            ctl<QCheckBox>(close, "checkRemoveCloseReminder")->setChecked(true);
            ctl<QPushButton>(close, "cmdYesClose")->click();
        } else if (action == QLatin1String("damaged")) {
            p.settings = Settings();
            QCOMPARE(SettingsFile::read(p), 1);
        } else {
            QString error;
            QVERIFY(!SimPhoneBook::sample().save(link, &error));
            texts << error;
        }
        texts << r.boxes().texts();
        QCOMPARE(texts.filter(expectedBox).size(), 1);
        const bool keptBeside = action == QLatin1String("damaged");
        QCOMPARE(texts.filter(QStringLiteral("symbolic link")).size(), keptBeside ? 0 : 1);
        QVERIFY(!texts.contains(QStringLiteral("Save Successful!")));
        QCOMPARE(QFileInfo(link).symLinkTarget(), victim);
        QStringList after = before;
        if (keptBeside) {
            after << QStringLiteral("cc.txt.damaged.1");
            after.sort();
        }
        QCOMPARE(dataFiles(*r.t), after);
        QFile f(victim);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), victimBytes);
        QCOMPARE(QDir(home.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral(".bashrc")});
    }

    // ---- files that change under the running program ----

    // The month record is loaded when a session begins; one deleted or emptied meanwhile gets every
    // earlier session back at the end.
    void month_record_vanishes_mid_session_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("deleted") << QStringLiteral("deleted");
        QTest::newRow("made unreadable") << QStringLiteral("unreadable");
        QTest::newRow("emptied") << QStringLiteral("emptied");
    }
    void month_record_vanishes_mid_session() {
        QFETCH(QString, how);
        SavedRig r;
        r.saveAll(30);
        r.connect();
        r.tick(25);
        const QString path = r.t->dataPath(kMonth);
        if (how == QLatin1String("deleted"))
            QVERIFY(QFile::remove(path));
        else if (how == QLatin1String("unreadable"))
            QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        else
            QVERIFY(QFile(path).resize(0));
        // A file its owner made read-only is not replaced behind their back (root may write it).
        const bool protectedFile = QFileInfo::exists(path) && !QFileInfo(path).isWritable();
        r.tick(5);
        ctl<QPushButton>(r.start(), "cmdHangup")->click();
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (protectedFile) {
            QCOMPARE(r.boxes().texts().filter(QStringLiteral("30 seconds were not recorded")).size(), 1);
            QCOMPARE(r.t->readDataFile(kMonth), r.monthBytes);
        } else {
            QVERIFY(r.boxes().shown.isEmpty());
            QCOMPARE(r.t->readDataFile(kMonth), r.monthBytes + " 30 \r\n");
        }
    }

    // A month record far larger than any this program writes is not read into memory: the user is told
    // when the session begins, the session runs, and the file is left exactly as it is.
    void oversized_month_record_is_left_alone() {
        SavedRig r;
        r.saveAll(30);
        const QString path = r.t->dataPath(kMonth);
        QVERIFY(QFile(path).resize(MonthFile::kMaxBytes + 1));
        r.connect();
        r.tick(30);
        ctl<QPushButton>(r.start(), "cmdHangup")->click();
        QCOMPARE(r.boxes().texts().filter(QStringLiteral("could not read the monthly record")).size(), 1);
        QCOMPARE(r.boxes().texts().filter(QStringLiteral("more than a monthly record")).size(), 1);
        QCOMPARE(QFileInfo(path).size(), MonthFile::kMaxBytes + 1);
        QVERIFY(r.t->readDataFile(kMonth).startsWith(r.monthBytes));
    }

    // ---- a settings file that cannot be used ----

    // Whatever under the settings file's name cannot be read is reported with its reason and moved
    // aside whole, under a numbered name that replaces no earlier copy. Start-up then goes on as a first
    // run: the console alone with Close disabled and every entry listed, and neither the welcome nor the
    // new-profile notice. The first save writes a new settings file.
    void unusable_settings_file_starts_as_a_first_run_data() {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder with a file in it") << "folder"
                                                    << "it is a folder";
        QTest::newRow("a named pipe") << "pipe"
                                      << "not a regular file";
        QTest::newRow("a link to nothing") << "dangling link"
                                           << "symbolic link to nothing";
        QTest::newRow("no permission to read") << "unreadable"
                                               << "Permission denied";
        QTest::newRow("larger than any settings file") << "oversized"
                                                       << "more than the 1048576 bytes";
        QTest::newRow("larger, with an earlier copy kept") << "oversized again"
                                                           << "more than the 1048576 bytes";
    }
    void unusable_settings_file_starts_as_a_first_run() {
        QFETCH(QString, what);
        QFETCH(QString, reason);
        Rig r;
        r.ras->entries = QStringList{QStringLiteral("Home"), QStringLiteral("Office")};
        Program& p = r.prog();
        const QString path = r.t->dataPath(kSettings);
        QString keptAs = QStringLiteral("cc.txt.damaged");
        QByteArray fileBytes;
        if (what == QLatin1String("folder")) {
            QVERIFY(QDir(r.t->dir.path()).mkdir(kSettings));
            r.t->writeDataFile(kSettings + QStringLiteral("/notes"), {QStringLiteral("keep me")});
        } else if (what == QLatin1String("pipe")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (what == QLatin1String("dangling link")) {
            QVERIFY(QFile::link(r.t->dataPath(QStringLiteral("gone")), path));
        } else {
            if (what == QLatin1String("unreadable") && geteuid() == 0)
                QSKIP("root reads any file");
            QVERIFY(SettingsFile::write(p));
            fileBytes = r.t->readDataFile(kSettings);
            if (what == QLatin1String("unreadable"))
                QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
            else
                QVERIFY(QFile(path).resize(SettingsFile::kMaxBytes + 1));
        }
        if (what == QLatin1String("oversized again")) {
            r.t->writeDataFile(keptAs, {QStringLiteral("the earlier copy")});
            keptAs = QStringLiteral("cc.txt.damaged.1");
        }

        p.startUp();
        const QStringList texts = r.boxes().texts();
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts[0].contains(QStringLiteral("could not be read")) && texts[0].contains(reason) &&
                     texts[0].contains(QStringLiteral("moved aside as \"%1\"").arg(keptAs)),
                 qPrintable(texts[0]));
        QVERIFY(p.firstRunHidden());
        frmConfig& config = r.ui().frmConfig();
        QVERIFY(config.isVisible());
        QVERIFY(!ctl<QPushButton>(config, "cmdCloseConfigurationConsole")->isEnabled());
        QVERIFY(p.settings.gProfiles.hasProfile(QStringLiteral("Office")));
        QVERIFY(p.settings.gProfiles.password(QStringLiteral("Home")).isEmpty());

        // Kept whole under its new name.
        const QString kept = r.t->dataPath(keptAs);
        const QFileInfo keptInfo(kept);
        if (what == QLatin1String("folder")) {
            QCOMPARE(r.t->readDataFile(keptAs + QStringLiteral("/notes")), QByteArray("keep me\r\n"));
        } else if (what == QLatin1String("dangling link")) {
            QCOMPARE(keptInfo.symLinkTarget(), r.t->dataPath(QStringLiteral("gone")));
        } else if (what == QLatin1String("pipe")) {
            QVERIFY(keptInfo.exists() && !keptInfo.isFile());
        } else {
            QFile::setPermissions(kept, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QFile f(kept);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.read(fileBytes.size()), fileBytes);
            QCOMPARE(f.size(),
                     what == QLatin1String("unreadable") ? fileBytes.size() : SettingsFile::kMaxBytes + 1);
        }
        if (what == QLatin1String("oversized again"))
            QCOMPARE(r.t->readDataFile(QStringLiteral("cc.txt.damaged")), QByteArray("the earlier copy\r\n"));

        // The first save makes a new settings file, which the next start reads.
        r.boxes().shown.clear();
        ctl<QPushButton>(config, "cmdSave")->click();
        QCOMPARE(r.boxes().texts(), QStringList{QStringLiteral("Save Successful!")});
        QVERIFY(QFileInfo(path).isFile());
        TestProgram back;
        QVERIFY(QFile::copy(path, back.dataPath(kSettings)));
        QCOMPARE(SettingsFile::read(*back), 2);
        QVERIFY(back.boxes->shown.isEmpty());
    }

    // Each damaged settings file is kept, numbered: a later one never replaces an earlier copy.
    void damaged_settings_files_are_each_kept() {
        TestProgram t;
        const QStringList keptNames{QStringLiteral("cc.txt.damaged"), QStringLiteral("cc.txt.damaged.1"),
                                    QStringLiteral("cc.txt.damaged.2")};
        QList<QByteArray> versions;
        for (const QString& keptAs : keptNames) {
            t.writeDataFile(kSettings, {QStringLiteral("##Connection Profile##"), keptAs});
            versions << t.readDataFile(kSettings);
            t->settings = Settings();
            t.boxes->shown.clear();
            QCOMPARE(SettingsFile::read(*t), 1); // the profile whose lines were cut short
            QCOMPARE(t.boxes->texts().size(), 1);
            QVERIFY(t.boxes->texts()[0].contains(QStringLiteral("kept as \"%1\".").arg(keptAs)));
        }
        for (int i = 0; i < keptNames.size(); ++i)
            QCOMPARE(t.readDataFile(keptNames[i]), versions[i]);
    }

    // ---- what start-up finds in the data folder ----

    // Before the settings are read: what interrupted saves of the program's own files left (of this
    // writer and the earlier one) is removed and nothing else; a settings file others may read is
    // narrowed to its owner; a folder others may write to is told once.
    void start_up_tidies_the_data_folder_data() {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<bool>("warned");
        QTest::newRow("the user's own folder") << 0700 << false;
        QTest::newRow("anyone may write in it") << 0777 << true;
        QTest::newRow("anyone may write in it, sticky") << 01777 << true;
    }
    void start_up_tidies_the_data_folder() {
        QFETCH(int, folderMode);
        QFETCH(bool, warned);
        SavedRig r;
        r.saveAll(3);
        r.ras->entries = QStringList{QStringLiteral("Home"), QStringLiteral("Office")};
        const QStringList leftovers{
            QStringLiteral("cc.txt.saving-Ab3xYz"),     QStringLiteral("cc1.txt.saving-q1w2e3"),
            QStringLiteral("202612.txt.saving-000000"), QStringLiteral("cc.txt.qWmTzb"),
            QStringLiteral("20266.txt.XkQpRz"),         QStringLiteral("cc.txt.damaged.2.saving-AAAAAA")};
        const QStringList others{QStringLiteral("cc.txt.backup"),
                                 QStringLiteral("cc.txt.Backup"),
                                 QStringLiteral("cc.txt.BACKUP"),
                                 QStringLiteral("notes.txt.saving-Ab3xYz"),
                                 QStringLiteral("cc.txt.saving-Ab3xYz.old"),
                                 QStringLiteral("202613.txt.XkQpRz")};
        for (const QString& name : leftovers + others)
            r.t->writeDataFile(name, {QStringLiteral("##Connection Profile##")});
        const QStringList before = dataFiles(*r.t);
        QVERIFY(QFile::setPermissions(r.t->dataPath(kSettings),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ReadGroup | QFileDevice::ReadOther));
        const QByteArray folder = QFile::encodeName(r.t->dir.path());
        QCOMPARE(::chmod(folder.constData(), mode_t(folderMode)), 0);
        const auto restore = qScopeGuard([&folder] { ::chmod(folder.constData(), 0700); });

        r.prog().startUp();
        QStringList expected = before;
        for (const QString& name : leftovers)
            expected.removeOne(name);
        QCOMPARE(dataFiles(*r.t), expected);
        QCOMPARE(QFile::permissions(r.t->dataPath(kSettings)),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                     QFileDevice::WriteUser);
        QCOMPARE(r.prog().settings.gProfiles.password(QStringLiteral("Home")), QStringLiteral("Secret"));
        const QStringList texts = r.boxes().texts();
        QCOMPARE(texts.filter(QStringLiteral("Other users can add, replace or remove files")).size(),
                 warned ? 1 : 0);
        QCOMPARE(texts.size(), warned ? 1 : 0);
    }

    // ---- a remote-access control that fails at everything ----

    void control_that_fails_everything_data() {
        QTest::addColumn<QString>("connectionName");
        QTest::addColumn<QString>("whileDialing"); // reported only while the dials go on
        QTest::newRow("connections: no event at all") << QString() << QString();
        QTest::newRow("connections: an empty name") << QStringLiteral("") << QStringLiteral("");
        // (A name reported while idle is a connection made elsewhere and is taken up by design.)
        QTest::newRow("connections: nonsense while dialing") << QString() << QStringLiteral("\x01???");
    }
    void control_that_fails_everything() {
        QFETCH(QString, connectionName);
        QFETCH(QString, whileDialing);
        Seams seams;
        // A control that fails at everything: no entries, no (or nonsense) connections, and every dial
        // ends in the failure or nonsense the test sends.
        auto owned = std::make_unique<FakeRas>();
        FakeRas& ras = *owned;
        const auto reportConnection = [&ras](const QString& name) {
            ras.silentConnections = name.isNull();
            ras.activeConnection = name;
        };
        reportConnection(connectionName);
        seams.ras = std::move(owned);
        TestProgram t(std::move(seams));
        Program& p = *t;
        Windows& w = t.ui();
        p.settings.gProfiles.addProfile(QStringLiteral("Home"), QStringLiteral("alice"),
                                        QStringLiteral("Secret"), QStringLiteral("dom"));
        p.settings.gDefaultProfile = QStringLiteral("Home");
        p.settings.gConnectDefault = kTrue;
        p.settings.gPromptPassword = kFalse;
        p.settings.gRedialLimited = kTrue;
        p.settings.gRedialTillConnect = kFalse;
        p.settings.gRedialMax = 3;
        QVERIFY(SettingsFile::write(p));
        const QByteArray saved = t.readDataFile(kSettings);

        // Start-up with no entries: the profile is not in the control's list, so the user is asked
        // to remove it; closing that window keeps it.
        bool asked = false;
        QTimer::singleShot(0, &w.frmStart(), [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                asked = modal == static_cast<QWidget*>(&w.frmDeleteProfile());
                ctl<QPushButton>(w.frmDeleteProfile(), "cmdUpdateCancel")->click();
            }
        });
        p.startUp();
        QVERIFY(asked);
        QCOMPARE(p.settings.gProfiles.password(QStringLiteral("Home")), QStringLiteral("Secret"));
        t.boxes->shown.clear();

        // Every dial fails, with garbage in between; the redial limit ends the series with a box.
        reportConnection(whileDialing);
        frmStart& start = w.frmStart();
        ctl<QPushButton>(start, "cmdConnectDefault")->click();
        formRAS& form = p.formRAS();
        for (int round = 0; round < 10 && !ras.dials.isEmpty() &&
                            !t.boxes->texts().filter(QStringLiteral("Redial limit")).size();
             ++round) {
            for (const QString& g : garbageStatuses())
                ras.status(g);
            ras.status(QStringLiteral("Dial failed"), -1);
            for (int i = 0; i < 8 && form.timerredial.isActive(); ++i) {
                t.clock->advance(1000);
                form.timerredial_Timer();
                if (!p.timer.isActive())
                    break; // the limit stopped the session timer: Qt ticks it no more
                SessionTimer::timer_Timer(p);
            }
        }
        QCOMPARE(ras.dials.size(), 4); // the first dial and three redials
        QCOMPARE(t.boxes->texts().filter(QStringLiteral("Redial limit of 3 times reached")).size(), 1);
        QCOMPARE(p.dial.gConnected, false);
        QCOMPARE(p.dial.gDialing, false);
        QVERIFY(ctl<QPushButton>(start, "cmdConnectDefault")->isEnabled());

        // Garbage while idle, and a nonsense "Connected" after it all: no session is made up.
        reportConnection(connectionName);
        for (const QString& g : garbageStatuses())
            ras.status(g);
        ras.status(QStringLiteral("Connected"));
        t.clock->advance(1000);
        SessionTimer::timer_Timer(p);
        QCOMPARE(p.dial.gConnected, false);
        QVERIFY(!QFile::exists(t.dataPath(kMonth)));
        QCOMPARE(t.readDataFile(kSettings), saved);
    }

    // ---- a kill in the middle of a save ----

    void kill_during_save_data() {
        QTest::addColumn<QString>("what");
        QTest::newRow("settings") << QStringLiteral("settings");
        QTest::newRow("month record") << QStringLiteral("month");
    }
    void kill_during_save() {
        QFETCH(QString, what);
        const QByteArray a = loopSettingsBytes(QStringLiteral("A"));
        const QByteArray b = loopSettingsBytes(QStringLiteral("B"));
        QVERIFY(!a.isEmpty() && a != b);
        QTemporaryDir dir;
        QRandomGenerator rng(20261208);
        const int rounds = 12;
        int monthLines = 0;
        int oldKept = 0; // kills that stopped a save before its rename: the old file had to stand
        for (int round = 0; round < rounds; ++round) {
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("MT_SAVE_LOOP"), what);
            env.insert(QStringLiteral("MT_SAVE_DIR"), dir.path());
            // Killed as soon as it says it begins save number `target`: somewhere inside that save
            // (or just after it), at a moment the test does not choose.
            const int target = 1 + int(rng.bounded(12));
            env.insert(QStringLiteral("MT_SAVE_LAST"), QString::number(target));
            child.setProcessEnvironment(env);
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(child.waitForStarted());
            const QByteArray begin = "b" + QByteArray::number(target) + '\n';
            bool reached = false;
            while (!reached && child.state() == QProcess::Running) {
                if (!child.canReadLine() && !child.waitForReadyRead(30000))
                    break;
                while (!reached && child.canReadLine())
                    reached = child.readLine() == begin;
            }
            QVERIFY2(reached, "the save loop stopped on its own");
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(30000));

            if (what == QLatin1String("settings")) {
                QFile f(QDir(dir.path()).filePath(kSettings));
                QVERIFY(f.open(QIODevice::ReadOnly));
                const QByteArray now = f.readAll();
                const QByteArray newer = target % 2 ? b : a;
                const QByteArray older = target % 2 ? a : b;
                QVERIFY2(now == newer || now == older,
                         "the settings file is neither the old nor the new one");
                oldKept += now == older ? 1 : 0;
            } else {
                QStringList lines;
                QCOMPARE(MonthFile::read(QDir(dir.path()).filePath(kMonth), &lines, nullptr),
                         MonthFile::ReadResult::Read);
                // Saves 0..target-1 are complete; save `target` is the old record or the new one.
                const int before = monthLines + target;
                QVERIFY2(lines.size() == before || lines.size() == before + 1,
                         qPrintable(QStringLiteral("%1 lines after %2").arg(lines.size()).arg(before)));
                oldKept += lines.size() == before ? 1 : 0;
                for (int i = 0; i < lines.size(); ++i)
                    QCOMPARE(lines[i], MonthFile::newLine(i + 1));
                monthLines = int(lines.size());
            }
        }
        qInfo("%d of %d kills stopped a save before it was complete", oldKept, rounds);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("MT_SAVE_LOOP"))
        saveLoop(qEnvironmentVariable("MT_SAVE_LOOP"), qEnvironmentVariable("MT_SAVE_DIR"),
                 qEnvironmentVariableIntValue("MT_SAVE_LAST"));
    tst_faults test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faults.moc"

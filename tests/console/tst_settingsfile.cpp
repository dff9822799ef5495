#include "config/frmConfig.h"
#include "console/frmDeleteProfile.h"
#include "console/frmStart.h"
#include "core/SettingsFile.h"
#include "core/YesNo.h"
#include "monitor/frmSound.h"
#include "support/TestProgram.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

QString L(const char* s) {
    return QString::fromLatin1(s);
}

// A complete settings file: the profile block, then every marker and value line. Each value is
// distinct so that a line read into the wrong setting shows.
QStringList fileLines(const QStringList& profileBlock = {}) {
    QStringList l{L("##Connection Profile##")};
    l << profileBlock;
    l << L("##Default Profile##") << L("Office");
    l << L("##Connect Default##") << L("true") << L("true");
    l << L("##Window State##") << L("false") << L("true") << L("false");
    l << L("##AutoDial##") << L("true");
    l << L("##Launch Web Browser##") << L("true") << L("example.org/start");
    l << L("##Redial Number##") << L("false") << L("true") << L("7");
    l << L("##Activate Reminder##") << L("true") << L("15") << L("true") << L("false");
    l << L("##Display Timer##") << L("true");
    l << L("##Unlimited Connection##") << L("false");
    l << L("##Free Time Values##") << L("10") << L("30");
    l << L("##Warn Free Time##") << L("true");
    l << L("##Variable Cost##") << L("false") << L("true") << L("1") << L("50");
    l << L("##Connection Cost##") << L("true");
    l << L("##Warn time PC##") << L("true") << L("2") << L("45");
    l << L("##Warn time PM##") << L("true") << L("40") << L("5");
    l << L("##Warn cost PC##") << L("true") << L("3") << L("25");
    l << L("##Warn cost PM##") << L("true") << L("60") << L("75");
    l << L("##Simulate##") << L("true");
    l << L("##Play Sound##") << L("true");
    l << L("##Default/Custom Sound##") << L("false") << L("/home/me/ring.wav");
    return l;
}

QByteArray bytes(const QStringList& lines) {
    QByteArray b;
    for (const QString& l : lines)
        b += l.toLatin1() + "\r\n";
    return b;
}

QStringList profileBlock(int n) {
    QStringList b;
    for (int i = 0; i < n; ++i)
        b << QStringLiteral("Line %1").arg(i) << QStringLiteral("user%1").arg(i)
          << QStringLiteral("pw%1").arg(i) << (i % 3 == 0 ? QString() : QStringLiteral("dom%1").arg(i));
    return b;
}

int lineIndex(const QStringList& lines, const char* marker) {
    return int(lines.indexOf(L(marker)));
}

} // namespace

class tst_settingsfile : public QObject {
    Q_OBJECT
private slots:
    // The exact layout: a model set in memory is written line for line as laid out.
    void writes_the_layout_to_the_letter() {
        TestProgram t;
        Program& p = *t;
        Windows& w = t.ui();
        Settings& s = p.settings;
        s.gProfiles.addProfile(L("Caf\xe9 line"), L("me"), L("secret"), L("")); // a Latin-1 name
        s.gDefaultProfile = L("Office");
        s.gConnectDefault = kTrue;
        s.gPromptPassword = kTrue;
        s.gTrayOnConnect = kFalse;
        s.gMinimizeOnConnect = kTrue;
        s.gAutoDial = kTrue;
        s.gLaunchBrowser = kTrue;
        s.gStartURL = L("model.example"); // not written: the box's text is
        s.gRedialTillConnect = kFalse;
        s.gRedialLimited = kTrue;
        s.gRedialMax = 99; // not written: the box's text is
        s.gReminderOn = kTrue;
        s.gReminderInterval = 15;
        s.gReminderInMinutes = kTrue;
        s.gReminderInHours = kFalse;
        s.gDisplayTimer = kTrue;
        s.gFreeHours = L("10");
        s.gFreeMinutes = 30;
        s.gWarnFreeTime = kTrue;
        s.gCostPerMinute = kTrue;
        s.gCostDollars = L("1");
        s.gCostCents = L("50");
        s.gShowCost = kTrue;
        s.gWarnTimePC = kTrue;
        s.gWarnTimePCHours = L("2");
        s.gWarnTimePCMinutes = 45;
        s.gWarnTimePM = kTrue;
        s.gWarnTimePMHours = L("40");
        s.gWarnTimePMMinutes = 5;
        s.gWarnCostPC = kTrue;
        s.gWarnCostPCDollars = L("3");
        s.gWarnCostPCCents = 25;
        s.gWarnCostPM = kTrue;
        s.gWarnCostPMDollars = L("60");
        s.gWarnCostPMCents = 75;
        s.gKeepAlive = kTrue;
        s.gPlaySound = kTrue;
        s.gUseDefaultSound = kFalse;
        s.gCustomSoundFile = L("/home/me/ring.wav");
        s.gFirstRun = kTrue;
        ctl<QLineEdit>(w.frmConfig(), "textStartURL")->setText(L("example.org/start"));
        ctl<QLineEdit>(w.frmConfig(), "textRedialNumber")->setText(L("7"));
        // Building the console rewrites the connect-default flags from its options; set them after.
        s.gConnectDefault = kTrue;
        s.gPromptPassword = kTrue;
        s.gStartURL = L("model.example");

        QString error;
        QVERIFY(SettingsFile::write(p, &error));
        QVERIFY(error.isEmpty());
        QCOMPARE(s.gFirstRun, kFalse);
        const QStringList expected = fileLines({L("Caf\xe9 line"), L("me"), L("secret"), L("")});
        QCOMPARE(expected.size(), 63 + 4);
        QCOMPARE(t.readDataFile(QStringLiteral("cc.txt")), bytes(expected));
    }

    void round_trip_is_byte_for_byte_data() {
        QTest::addColumn<int>("profiles");
        QTest::newRow("no profiles") << 0;
        QTest::newRow("one profile") << 1;
        QTest::newRow("many profiles") << 60;
    }
    // Reading a file, showing it in the console and writing it again gives the same bytes, and a
    // second read gives the same model.
    void round_trip_is_byte_for_byte() {
        QFETCH(int, profiles);
        const QStringList lines = fileLines(profileBlock(profiles));
        QCOMPARE(lines.size(), 63 + 4 * profiles);

        TestProgram first;
        first.writeDataFile(QStringLiteral("cc.txt"), lines);
        QCOMPARE(SettingsFile::read(*first), profiles);
        SettingsFile::settleAfterRead(*first);
        QVERIFY(SettingsFile::write(*first));
        QCOMPARE(first.readDataFile(QStringLiteral("cc.txt")), bytes(lines));
        QVERIFY(first.boxes->shown.isEmpty());

        TestProgram second;
        second.writeDataFile(QStringLiteral("cc.txt"), lines);
        SettingsFile::read(*second);
        SettingsFile::settleAfterRead(*second);
        QCOMPARE(second->settings, first->settings);
        QCOMPARE(second->settings.gProfiles.size(), 4 * profiles);
    }

    // Every value lands in its own setting, numbers trimmed and converted, texts as read.
    void reading_rules() {
        TestProgram t;
        QStringList lines = fileLines({L("Home"), L("u"), L("p"), L("d"), L("Work"), L(""), L(""), L("")});
        lines[lineIndex(lines, "##Activate Reminder##") + 2] = L(" 5 ");
        lines[lineIndex(lines, "##Free Time Values##") + 1] = L(" 5 ");
        lines[lineIndex(lines, "##Launch Web Browser##") + 2] = L("  spaced.example ");
        t.writeDataFile(QStringLiteral("cc.txt"), lines);
        Program& p = *t;
        Windows& w = t.ui();
        QCOMPARE(SettingsFile::read(p), 2);
        const Settings& s = p.settings;
        QCOMPARE(s.gFirstRun, kFalse);
        QCOMPARE(s.gReminderInterval, qint16(5));
        QCOMPARE(s.gFreeHours, L("5"));
        QCOMPARE(s.gStartURL, L("  spaced.example ")); // stored as read
        QCOMPARE(s.gDefaultProfile, L("Office"));
        QCOMPARE(s.gConnectDefault, kTrue);
        QCOMPARE(s.gMinimizeOnConnect, kTrue);
        QCOMPARE(s.gRedialMax, qint16(7));
        QCOMPARE(s.gFreeMinutes, qint16(30));
        QCOMPARE(s.gCostCents, L("50"));
        QCOMPARE(s.gWarnTimePMMinutes, qint16(5));
        QCOMPARE(s.gWarnCostPMDollars, L("60"));
        QCOMPARE(s.gWarnCostPMCents, qint16(75));
        QCOMPARE(s.gCustomSoundFile, L("/home/me/ring.wav"));
        QCOMPARE(s.gProfiles.userName(L("home")), L("u"));
        QCOMPARE(s.gProfiles.items().at(4).key, L("Work"));

        // The delete-profiles checklist: one unchecked, checkable item per profile, in file order.
        QListWidget* list = ctl<QListWidget>(w.frmDeleteProfile(), "listUpdateProfiles");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), L("Work"));
        QCOMPARE(list->item(1)->checkState(), Qt::Unchecked);
        QVERIFY(list->item(1)->flags() & Qt::ItemIsUserCheckable);
        QVERIFY(t.boxes->shown.isEmpty());
    }

    void empty_profile_block_reads_the_rest() {
        TestProgram t;
        t.writeDataFile(QStringLiteral("cc.txt"), fileLines());
        QCOMPARE(SettingsFile::read(*t), 0);
        QCOMPARE(t->settings.gCustomSoundFile, L("/home/me/ring.wav"));
        QVERIFY(t.boxes->shown.isEmpty());
    }

    void duplicate_profile_is_read_once() {
        TestProgram t;
        t.writeDataFile(
            QStringLiteral("cc.txt"),
            fileLines({L("Home"), L("first"),   L("p1"),   L(""),  L("HOME"), L("second"),  L("p2"),
                       L(""),     L("Caf\xe9"), L("c"),    L(""),  L(""),     L("CAF\xc9"), L("C"),
                       L(""),     L(""),        L("Work"), L("w"), L(""),     L("")}));
        QCOMPARE(SettingsFile::read(*t), 3);
        QCOMPARE(t->settings.gProfiles.size(), 12);
        QCOMPARE(t->settings.gProfiles.userName(L("Home")), L("first"));
        QCOMPARE(t->settings.gProfiles.userName(L("caf\xe9")), L("c"));
        QCOMPARE(t->settings.gProfiles.userName(L("Work")), L("w"));
        QCOMPARE(ctl<QListWidget>(t.ui().frmDeleteProfile(), "listUpdateProfiles")->count(), 3);
        QCOMPARE(t->settings.gDefaultProfile, L("Office")); // the rest still in step
        QVERIFY(t.boxes->shown.isEmpty());
    }

    void redial_line_not_a_number_reads_as_no_limit_data() {
        QTest::addColumn<QString>("line");
        QTest::newRow("letters") << L("abc");
        QTest::newRow("empty") << QString();
        QTest::newRow("too large") << L("99999");
    }
    // Save writes the attempts box as shown, so this is not damage.
    void redial_line_not_a_number_reads_as_no_limit() {
        QFETCH(QString, line);
        TestProgram t;
        QStringList lines = fileLines();
        lines[lineIndex(lines, "##Redial Number##") + 3] = line;
        t.writeDataFile(QStringLiteral("cc.txt"), lines);
        t->settings.gRedialMax = 5;
        SettingsFile::read(*t);
        QCOMPARE(t->settings.gRedialMax, qint16(0));
        QCOMPARE(t->settings.gReminderInterval, qint16(15));
        QVERIFY(t.boxes->shown.isEmpty());
        QVERIFY(!QFile::exists(t.dataPath(QStringLiteral("cc.txt.damaged"))));
    }

    void damaged_file_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("profiles");
        QTest::addColumn<QString>("defaultProfile");  // gDefaultProfile afterwards
        QTest::addColumn<qint16>("reminderInterval"); // a 16-bit value in the middle of the file
        QTest::addColumn<QString>("soundFile");       // the last line

        const QStringList full = fileLines({L("Home"), L("u"), L("p"), L("d")});
        QTest::newRow("empty file") << QStringList() << 0 << L("None") << qint16(1) << L("none");
        QTest::newRow("not a settings file")
            << QStringList{L("hello"), L("world")} << 0 << L("None") << qint16(1) << L("none");
        QTest::newRow("ends inside the profile block")
            << QStringList{L("##Connection Profile##"), L("Home"), L("u"), L("p"), L("d"), L("Work"), L("w")}
            << 2 << L("None") << qint16(1) << L("none");
        QStringList cut = fileLines({L("Home"), L("u"), L("p"), L("d"), L("Work"), L("w")});
        QTest::newRow("profile block cut short")
            << cut << 2 << L("Office") << qint16(15) << L("/home/me/ring.wav");
        QTest::newRow("ends after the redial section")
            << full.mid(0, lineIndex(full, "##Activate Reminder##")) << 1 << L("Office") << qint16(1)
            << L("none");
        QStringList missing = full;
        missing.removeAt(lineIndex(full, "##Connect Default##") + 2); // gPromptPassword's line
        QTest::newRow("a value line missing")
            << missing << 1 << L("Office") << qint16(15) << L("/home/me/ring.wav");
        QStringList word = full;
        word[lineIndex(full, "##Activate Reminder##") + 2] = L("fifteen");
        QTest::newRow("a word in a 16-bit line")
            << word << 1 << L("Office") << qint16(1) << L("/home/me/ring.wav");
        QStringList extra = full;
        extra.insert(lineIndex(full, "##Display Timer##"), L("stray line"));
        QTest::newRow("an extra line") << extra << 1 << L("Office") << qint16(15) << L("/home/me/ring.wav");
    }
    // Nothing hangs or crashes; what was read stands, the rest keeps its defaults; the file is copied
    // aside and the user is told once.
    void damaged_file() {
        QFETCH(QStringList, lines);
        QFETCH(int, profiles);
        QFETCH(QString, defaultProfile);
        QFETCH(qint16, reminderInterval);
        QFETCH(QString, soundFile);
        TestProgram t;
        t.writeDataFile(QStringLiteral("cc.txt"), lines);
        const QByteArray original = t.readDataFile(QStringLiteral("cc.txt"));

        QCOMPARE(SettingsFile::read(*t), profiles);
        const Settings& s = t->settings;
        QCOMPARE(s.gDefaultProfile, defaultProfile);
        QCOMPARE(s.gReminderInterval, reminderInterval);
        QCOMPARE(s.gCustomSoundFile, soundFile);
        QCOMPARE(s.gProfiles.size(), 4 * profiles);

        QCOMPARE(t.boxes->shown.size(), 1);
        QVERIFY(t.boxes->shown.first().text.contains(QStringLiteral("damaged")));
        QVERIFY(t.boxes->shown.first().text.contains(QStringLiteral("cc.txt.damaged")));
        QCOMPARE(t.boxes->shown.first().icon, BoxIcon::Exclamation);
        QCOMPARE(t.readDataFile(QStringLiteral("cc.txt.damaged")), original);
        const auto perms = QFile::permissions(t.dataPath(QStringLiteral("cc.txt.damaged")));
        QVERIFY(!(perms & (QFileDevice::ReadGroup | QFileDevice::ReadOther)));
    }

    void cut_short_profile_keeps_what_was_read() {
        TestProgram t;
        t.writeDataFile(QStringLiteral("cc.txt"),
                        fileLines({L("Home"), L("u"), L("p"), L("d"), L("Work"), L("w")}));
        SettingsFile::read(*t);
        QCOMPARE(t->settings.gProfiles.userName(L("Work")), L("w"));
        QCOMPARE(t->settings.gProfiles.password(L("Work")), QString());
        QCOMPARE(t->settings.gPromptPassword, kTrue); // read after the block as usual
    }

    // Before the console was ever opened its boxes would show their initial texts; writing does not
    // create it (its creation would set the connect-default flags from its option buttons).
    void writing_before_the_console_exists() {
        TestProgram t;
        QVERIFY(SettingsFile::write(*t));
        QVERIFY(!t.ui().frmConfig_loaded());
        const QList<QByteArray> lines = t.readDataFile(QStringLiteral("cc.txt")).split('\n');
        QCOMPARE(lines.size() - 1, 63);
        QCOMPARE(lines.at(lines.indexOf("##Launch Web Browser##\r") + 2),
                 Settings::defaultStartUrl().toLatin1() + "\r");
        QCOMPARE(lines.at(lines.indexOf("##Redial Number##\r") + 3), QByteArray("3\r"));
        QCOMPARE(lines.at(lines.indexOf("##Connect Default##\r") + 1), QByteArray("\r")); // never chosen
    }

    void file_is_for_the_owner_only() {
        TestProgram t;
        t.writeDataFile(QStringLiteral("cc.txt"), fileLines());
        QFile::setPermissions(t.dataPath(QStringLiteral("cc.txt")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                  QFileDevice::ReadOther);
        QVERIFY(SettingsFile::write(*t));
        const auto perms = QFile::permissions(t.dataPath(QStringLiteral("cc.txt")));
        QVERIFY(perms & QFileDevice::ReadOwner);
        QVERIFY(perms & QFileDevice::WriteOwner);
        QVERIFY(!(perms & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther |
                           QFileDevice::WriteOther)));
    }

    void line_breaks_in_a_value_do_not_shift_the_layout() {
        TestProgram t;
        t->settings.gProfiles.addProfile(L("Home"), L("u"), L("two\r\nlines"), L(""));
        QVERIFY(SettingsFile::write(*t));
        TestProgram back;
        QFile::copy(t.dataPath(QStringLiteral("cc.txt")), back.dataPath(QStringLiteral("cc.txt")));
        QCOMPARE(SettingsFile::read(*back), 1);
        QVERIFY(back.boxes->shown.isEmpty());
        QCOMPARE(back->settings.gProfiles.password(L("Home")), L("two  lines"));

        // A CR inside a line of a hand-made file reads as the blank it would be saved as: a name
        // "Ho<CR>me" meets "Ho me" as the same profile at once, not after the next save.
        TestProgram hand;
        hand.writeDataFile(QStringLiteral("cc.txt"), fileLines({L("Ho\rme"), L("first"), L(""), L(""),
                                                                L("Ho me"), L("second"), L(""), L("")}));
        QCOMPARE(SettingsFile::read(*hand), 1);
        QCOMPARE(hand->settings.gProfiles.userName(L("Ho me")), L("first"));
        QVERIFY(SettingsFile::write(*hand));
        TestProgram again;
        QFile::copy(hand.dataPath(QStringLiteral("cc.txt")), again.dataPath(QStringLiteral("cc.txt")));
        QCOMPARE(SettingsFile::read(*again), 1);
        QCOMPARE(again->settings.gProfiles, hand->settings.gProfiles);
    }

    // Values that read as the file's markers (a password "##Default Profile##") would end their block
    // early; they are written escaped and read back as typed, the rest of the file unshifted.
    void values_that_look_like_markers_read_back_as_typed() {
        const QStringList values = {L("##Default Profile##"),
                                    L("##Connection Profile##"),
                                    L("\\##Simulate##"),
                                    L("\\\\##Play Sound##"),
                                    L("\\plain"),
                                    L("##Not a marker##")};
        TestProgram t;
        for (const QString& v : values)
            t->settings.gProfiles.addProfile(v, v, v, v);
        // A CR inside a value is blanked, and the blanked text is a marker: still escaped.
        t->settings.gCustomSoundFile = L("##Default\rProfile##");
        t->settings.gCostDollars = L("##Warn cost PM##");
        ctl<QLineEdit>(t.ui().frmConfig(), "textStartURL")->setText(L("##Redial Number##"));
        QVERIFY(SettingsFile::write(*t));
        QVERIFY(t.readDataFile(QStringLiteral("cc.txt")).contains("\r\n\\##Default Profile##\r\n"));

        TestProgram back;
        QFile::copy(t.dataPath(QStringLiteral("cc.txt")), back.dataPath(QStringLiteral("cc.txt")));
        QCOMPARE(SettingsFile::read(*back), int(values.size()));
        QVERIFY(back.boxes->shown.isEmpty());
        Settings expected = t->settings;
        expected.gCustomSoundFile = L("##Default Profile##");
        expected.gStartURL = L("##Redial Number##");
        expected.gRedialMax = SettingsFile::initialRedialLine().toShort(); // the attempts box as shown
        QCOMPARE(back->settings.gProfiles.password(L("##Default Profile##")), L("##Default Profile##"));
        QCOMPARE(back->settings.gProfiles.userName(L("\\##Simulate##")), L("\\##Simulate##"));
        QVERIFY(back->settings == expected);
    }

    void names_and_passwords_keep_every_character_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("passwordBytes");
        QTest::newRow("Latin-1 stays single-byte")
            << QStringLiteral("Caf\u00e9") << QStringLiteral("\u00fcber")
            << QByteArray("\xfc"
                          "ber");
        QTest::newRow("beyond Latin-1 is UTF-8")
            << QStringLiteral("\u0417\u0432\u043e\u043d\u043e\u043a") << QStringLiteral("p\u20ac\u00e9")
            << QByteArray("p\xe2\x82\xac\xc3\xa9");
        // Its Latin-1 bytes C3 A9 are the UTF-8 of one letter, so the file is written in UTF-8.
        QTest::newRow("Latin-1 that reads as UTF-8 is UTF-8")
            << QStringLiteral("Home") << QStringLiteral("\u00c3\u00a9") << QByteArray("\xc3\x83\xc2\xa9");
    }
    // A profile name or password beyond Latin-1 is written so that it reads back whole (not as "?"),
    // while a file whose characters all fit stays in the single-byte form it always had.
    void names_and_passwords_keep_every_character() {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QByteArray, passwordBytes);
        TestProgram t;
        t->settings.gProfiles.addProfile(name, L("u"), password, L(""));
        t->settings.gDefaultProfile = name;
        QVERIFY(SettingsFile::write(*t));
        const QByteArray written = t.readDataFile(QStringLiteral("cc.txt"));
        QVERIFY(written.contains("\r\n" + passwordBytes + "\r\n"));

        TestProgram back;
        QFile::copy(t.dataPath(QStringLiteral("cc.txt")), back.dataPath(QStringLiteral("cc.txt")));
        QCOMPARE(SettingsFile::read(*back), 1);
        QVERIFY(back.boxes->shown.isEmpty());
        QCOMPARE(back->settings.gProfiles.password(name), password);
        QCOMPARE(back->settings.gDefaultProfile, name);
    }

    // An existing single-byte file whose bytes are not valid UTF-8 reads as Latin-1, as always.
    void single_byte_file_reads_as_latin1() {
        TestProgram t;
        QByteArray data = bytes(fileLines({L("Home"), L("u"), QStringLiteral("\u00e9t\u00e9"), L("")}));
        QFile f(t.dataPath(QStringLiteral("cc.txt")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
        f.close();
        QCOMPARE(SettingsFile::read(*t), 1);
        QCOMPARE(t->settings.gProfiles.password(L("Home")), QStringLiteral("\u00e9t\u00e9"));
    }

    void write_fails_into_a_directory_named_like_the_file() {
        TestProgram t;
        QVERIFY(QDir(t.dir.path()).mkdir(QStringLiteral("cc.txt")));
        t.ui().frmConfig(); // the console exists whenever the user saves
        t->settings.gFirstRun = kTrue;
        const Settings before = t->settings;
        QString error;
        QVERIFY(!SettingsFile::write(*t, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(t->settings, before);
        QVERIFY(QFileInfo(t.dataPath(QStringLiteral("cc.txt"))).isDir());
    }

    // A full disk, simulated by a file-size limit: the old file stays whole and the model unchanged.
    void failed_write_leaves_the_old_file_whole() {
        TestProgram t;
        t.writeDataFile(QStringLiteral("cc.txt"), fileLines());
        const QByteArray old = t.readDataFile(QStringLiteral("cc.txt"));
        for (int i = 0; i < 100; ++i)
            t->settings.gProfiles.addProfile(QStringLiteral("Profile number %1").arg(i), L("user"), L("pw"),
                                             L(""));
        t.ui().frmConfig();
        t->settings.gFirstRun = kTrue;
        const Settings before = t->settings;

        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 1024;
        auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        QString error;
        const bool ok = SettingsFile::write(*t, &error);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!ok);
        QVERIFY(!error.isEmpty());
        QCOMPARE(t.readDataFile(QStringLiteral("cc.txt")), old);
        QCOMPARE(t->settings, before);
        QCOMPARE(QDir(t.dir.path()).entryList(QDir::Files), QStringList{L("cc.txt")}); // no leftovers
    }

    void write_fails_in_a_read_only_folder() {
        TestProgram t;
        t.writeDataFile(QStringLiteral("cc.txt"), fileLines());
        const QByteArray old = t.readDataFile(QStringLiteral("cc.txt"));
        QFile::setPermissions(t.dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QFile probe(t.dataPath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            QFile::setPermissions(t.dir.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("this user can write into read-only folders (root)");
        }
        QString error;
        const bool ok = SettingsFile::write(*t, &error);
        QFile::setPermissions(t.dir.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!ok);
        QVERIFY(!error.isEmpty());
        QCOMPARE(t.readDataFile(QStringLiteral("cc.txt")), old);
    }

    // ---- showing the settings in the console ----

    void connect_default_group_data() {
        QTest::addColumn<QString>("defaultProfile");
        QTest::addColumn<QString>("connectDefault");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("groupShown");
        QTest::addColumn<bool>("yesSelected");
        QTest::addColumn<bool>("promptShown");
        QTest::newRow("no default, dial default")
            << L("None") << L("true") << L("Connect") << false << false << false;
        QTest::newRow("default, dial it")
            << L("Office") << L("true") << L("Connect to Office") << true << true << true;
        // The group stays as created: the question and both options visible, "No", no prompt question.
        QTest::newRow("default, choose each time")
            << L("Office") << L("false") << L("Connect") << true << false << false;
    }
    void connect_default_group() {
        QFETCH(QString, defaultProfile);
        QFETCH(QString, connectDefault);
        QFETCH(QString, caption);
        QFETCH(bool, groupShown);
        QFETCH(bool, yesSelected);
        QFETCH(bool, promptShown);
        TestProgram t;
        QStringList lines = fileLines();
        lines[lineIndex(lines, "##Default Profile##") + 1] = defaultProfile;
        lines[lineIndex(lines, "##Connect Default##") + 1] = connectDefault;
        t.writeDataFile(QStringLiteral("cc.txt"), lines);
        Program& p = *t;
        Windows& w = t.ui();
        SettingsFile::read(p);
        SettingsFile::settleAfterRead(p);
        frmConfig& c = w.frmConfig();
        QCOMPARE(ctl<QLineEdit>(c, "textDefault")->text(), defaultProfile);
        QCOMPARE(ctl<QPushButton>(w.frmStart(), "cmdConnectDefault")->text(), caption);
        QCOMPARE(!ctl<QLabel>(c, "Label2")->isHidden(), groupShown);
        QCOMPARE(!ctl<QLabel>(c, "Label7")->isHidden(), groupShown);
        QCOMPARE(!ctl<QRadioButton>(c, "optionConnectDefaultYes")->isHidden(), groupShown);
        QCOMPARE(!ctl<QRadioButton>(c, "optionConnectDefaultNo")->isHidden(), groupShown);
        QCOMPARE(ctl<QRadioButton>(c, "optionConnectDefaultYes")->isChecked(), yesSelected);
        QCOMPARE(!ctl<QGroupBox>(c, "Frame2")->isHidden(), promptShown);
        QVERIFY(ctl<QRadioButton>(c, "optionYesPromptPassword")->isChecked()); // the file says "true"
        QCOMPARE(p.settings.gConnectDefault, connectDefault);
        QCOMPARE(p.settings.gPromptPassword, kTrue);
    }

    void console_and_sound_chooser_follow_the_model() {
        TestProgram t;
        t.writeDataFile(QStringLiteral("cc.txt"), fileLines());
        Program& p = *t;
        Windows& w = t.ui();
        SettingsFile::read(p);
        SettingsFile::settleAfterRead(p);
        frmConfig& c = w.frmConfig();
        frmSound& snd = w.frmSound();
        QVERIFY(ctl<QRadioButton>(snd, "optionPlayCustomSound")->isChecked());
        QVERIFY(!ctl<QRadioButton>(snd, "optionPlayDefaultSound")->isChecked());
        QCOMPARE(ctl<QLineEdit>(snd, "textSelectedSound")->text(), L("/home/me/ring.wav"));
        QVERIFY(ctl<QCheckBox>(c, "checkPlaySound")->isChecked());
        QVERIFY(ctl<QPushButton>(c, "cmdShowSound")->isEnabled());
        QVERIFY(ctl<QCheckBox>(c, "checkWarnFreeTime")->isChecked() &&
                ctl<QCheckBox>(c, "checkConnectionCost")->isChecked() &&
                ctl<QCheckBox>(c, "checkSimulate")->isChecked() &&
                ctl<QCheckBox>(c, "checkAutoDial")->isChecked() &&
                ctl<QCheckBox>(c, "checkDisplayTimer")->isChecked());
        QVERIFY(ctl<QCheckBox>(c, "checkWarnCostPM")->isChecked());
        QVERIFY(ctl<QLineEdit>(c, "textWarnCostPMd")->isEnabled());
        QCOMPARE(ctl<QLineEdit>(c, "textWarnTimePMm")->text(), L("5")); // plain decimal text, not "05"
        QCOMPARE(ctl<QLineEdit>(c, "textWarnCostPMc")->text(), L("75"));
        QVERIFY(ctl<QRadioButton>(c, "optionCPM")->isChecked());
        QCOMPARE(ctl<QLineEdit>(c, "textVarDollar")->text(), L("1"));
        QCOMPARE(ctl<QLineEdit>(c, "textFreeHour")->text(), L("10"));
        QCOMPARE(ctl<QLineEdit>(c, "textFreeMinute")->text(), L("30"));
        QVERIFY(!ctl<QGroupBox>(c, "Frame4")->isHidden());
        QVERIFY(ctl<QCheckBox>(c, "checkLaunchBrowser")->isChecked());
        QCOMPARE(ctl<QLineEdit>(c, "textStartURL")->text(), L("example.org/start"));
        QVERIFY(ctl<QRadioButton>(c, "optionRedialForXTimes")->isChecked());
        QVERIFY(ctl<QLineEdit>(c, "textRedialNumber")->isEnabled());
        QCOMPARE(ctl<QLineEdit>(c, "textRedialNumber")->text(), L("7"));
        QVERIFY(ctl<QCheckBox>(c, "checkActivateReminder")->isChecked());
        QCOMPARE(ctl<QLineEdit>(c, "textReminder")->text(), L("15"));
        QVERIFY(ctl<QRadioButton>(c, "optionReminderMinute")->isChecked());
        // The clicks run by the reader leave the model as read.
        QCOMPARE(p.settings.gRedialLimited, kTrue);
        QCOMPARE(p.settings.gRedialMax, qint16(7));
        QCOMPARE(p.settings.gReminderInHours, kFalse);
    }

    void console_shows_switched_off_settings() {
        TestProgram t;
        QStringList lines = fileLines();
        lines[lineIndex(lines, "##Launch Web Browser##") + 1] = L("false");
        lines[lineIndex(lines, "##Redial Number##") + 1] = L("true");
        lines[lineIndex(lines, "##Redial Number##") + 2] = L("false");
        lines[lineIndex(lines, "##Activate Reminder##") + 1] = L("false");
        lines[lineIndex(lines, "##Unlimited Connection##") + 1] = L("true");
        lines[lineIndex(lines, "##Warn time PC##") + 1] = L("false");
        lines[lineIndex(lines, "##Play Sound##") + 1] = L("false");
        lines[lineIndex(lines, "##Default/Custom Sound##") + 1] = L("true");
        t.writeDataFile(QStringLiteral("cc.txt"), lines);
        Program& p = *t;
        Windows& w = t.ui();
        SettingsFile::read(p);
        SettingsFile::settleAfterRead(p);
        frmConfig& c = w.frmConfig();
        QVERIFY(!ctl<QLineEdit>(c, "textStartURL")->isEnabled());
        QVERIFY(ctl<QRadioButton>(c, "optionRedialTillConnect")->isChecked());
        QVERIFY(!ctl<QLineEdit>(c, "textRedialNumber")->isEnabled());
        QCOMPARE(ctl<QLineEdit>(c, "textRedialNumber")->text(), L("7"));
        QVERIFY(!ctl<QCheckBox>(c, "checkActivateReminder")->isChecked());
        QVERIFY(!ctl<QLineEdit>(c, "textReminder")->isEnabled());
        QVERIFY(!ctl<QRadioButton>(c, "optionReminderMinute")->isEnabled() &&
                !ctl<QRadioButton>(c, "optionReminderHour")->isEnabled());
        QVERIFY(ctl<QRadioButton>(c, "optionReminderMinute")->isChecked());
        QVERIFY(ctl<QCheckBox>(c, "checkUnlimitedConnection")->isChecked());
        QVERIFY(ctl<QGroupBox>(c, "Frame4")->isHidden() && ctl<QGroupBox>(c, "Frame5")->isHidden());
        QVERIFY(!ctl<QLineEdit>(c, "textWarnTimePCh")->isEnabled() &&
                !ctl<QLineEdit>(c, "textWarnTimePCm")->isEnabled());
        QVERIFY(!ctl<QPushButton>(c, "cmdShowSound")->isEnabled());
        QVERIFY(ctl<QRadioButton>(w.frmSound(), "optionPlayDefaultSound")->isChecked());
        QVERIFY(ctl<QGroupBox>(w.frmSound(), "frameCustom")->isHidden());
        QCOMPARE(ctl<QLineEdit>(w.frmSound(), "textSelectedSound")->text(), L("none"));
    }
};

QTEST_MAIN(tst_settingsfile)
#include "tst_settingsfile.moc"

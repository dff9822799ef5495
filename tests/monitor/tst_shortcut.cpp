#include "monitor/DesktopShortcut.h"
#include "monitor/frmCreateShortcut.h"
#include "support/FakeShortcuts.h"
#include "support/TestProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

namespace {
const QString kForbiddenText = QStringLiteral("A filename cannot contain any of the following characters:\r\n"
                                              "               / \\ : * ? \" < > |");
const QString kFailedText = QStringLiteral("Unable to create shortcut for ModemTally.");

struct Fixture {
    QTemporaryDir home;
    QString desktop;
    std::unique_ptr<TestProgram> t;
    frmCreateShortcut* w = nullptr;

    explicit Fixture(const QString& desktopFolder = {}) {
        desktop = desktopFolder.isEmpty() ? home.path() + QStringLiteral("/Desktop") : desktopFolder;
        Seams s;
        s.shortcuts = std::make_unique<FakeShortcuts>(desktop);
        t = std::make_unique<TestProgram>(std::move(s));
        w = &t->ui().frmCreateShortcut();
    }
    QStringList launchers() const {
        return QDir(desktop).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
    QByteArray read(const QString& name) const {
        QFile f(desktop + QLatin1Char('/') + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void create(const QString& name) {
        ctl<QLineEdit>(*w, "txtShortcutName")->setText(name);
        ctl<QPushButton>(*w, "cmdCreateShortcut")->click();
    }
};
} // namespace

class tst_shortcut : public QObject {
    Q_OBJECT
private slots:
    void names_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("file");
        QTest::newRow("the proposed name") << "ModemTally"
                                           << "ModemTally.desktop";
        QTest::newRow(".LNK removed, any case") << "Dialer.LNK"
                                                << "Dialer.desktop";
        QTest::newRow(".pif removed") << "Old.Pif"
                                      << "Old.desktop";
        QTest::newRow("only the last suffix goes") << "a.lnk.lnk"
                                                   << "a.lnk.desktop";
        QTest::newRow("a longer suffix stays") << "Dialer.lnkx"
                                               << "Dialer.lnkx.desktop";
        QTest::newRow("blanks are fine") << "My Dialer"
                                         << "My Dialer.desktop";
    }
    void names() {
        QFETCH(QString, typed);
        QFETCH(QString, file);
        Fixture f;
        QCOMPARE(ctl<QLineEdit>(*f.w, "txtShortcutName")->text(), QStringLiteral("ModemTally"));
        f.create(typed);
        QVERIFY(f.t->boxes->shown.isEmpty());
        QCOMPARE(f.launchers(), QStringList{file});
        QVERIFY(f.t->ui().frmCreateShortcut_loaded());
    }

    // The launcher starts this program on the data folder of the run that made it, quoted as
    // desktops read it whatever the folder's path holds.
    void launcher_starts_this_program_on_its_data_folder_data() {
        QTest::addColumn<QString>("folder"); // under a temporary folder
        QTest::addColumn<QString>("quoted"); // as the Exec line gives it
        QTest::newRow("a plain name") << "data"
                                      << "data\"";
        QTest::newRow("blanks, quotes, $, `, \\ and %")
            << "my \"q\" $HOME `x` b\\s 100%"
            << "my \\\\\"q\\\\\" \\\\$HOME \\\\`x\\\\` b\\\\\\\\s 100%%\"";
    }
    void launcher_starts_this_program_on_its_data_folder() {
        QFETCH(QString, folder);
        QFETCH(QString, quoted);
        QTemporaryDir home;
        const QString desktop = home.filePath(QStringLiteral("Desktop"));
        QVERIFY(QDir(home.path()).mkdir(folder));
        Seams s;
        s.shortcuts = std::make_unique<FakeShortcuts>(desktop);
        s.boxes = std::make_unique<FakeMessageBoxes>();
        Program program(std::move(s), home.filePath(folder));
        frmCreateShortcut dialog(program);
        ctl<QLineEdit>(dialog, "txtShortcutName")->setText(QStringLiteral("Dialer.lnk"));
        ctl<QPushButton>(dialog, "cmdCreateShortcut")->click();

        const QString path = desktop + QStringLiteral("/Dialer.desktop");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
        QVERIFY(text.contains(QStringLiteral("\nType=Application\n")));
        QVERIFY(text.contains(QStringLiteral("\nName=Dialer\n")));
        const QString exec = QStringLiteral("\nExec=\"%1\" \"--data-dir\" \"%2/%3\n")
                                 .arg(QCoreApplication::applicationFilePath(), home.path(), quoted);
        QVERIFY2(text.contains(exec), qPrintable(text));
        const auto perms = QFile::permissions(path);
        QVERIFY(perms & QFile::ExeOwner);
        QVERIFY(perms & QFile::ExeOther);
        QVERIFY(!(perms & QFile::WriteOther));
    }

    void exec_line_quoting_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/modemtally"
                               << "Exec=\"/usr/bin/modemtally\"";
        QTest::newRow("blank") << "/opt/my apps/mt"
                               << "Exec=\"/opt/my apps/mt\"";
        QTest::newRow("dollar and quote escaped, backslash doubled") << "/opt/a$b\"c"
                                                                     << "Exec=\"/opt/a\\\\$b\\\\\"c\"";
        QTest::newRow("percent doubled") << "/opt/100%/mt"
                                         << "Exec=\"/opt/100%%/mt\"";
    }
    void exec_line_quoting() {
        QFETCH(QString, target);
        QFETCH(QString, exec);
        const QStringList lines =
            QString::fromUtf8(DesktopShortcut::launcherText(QStringLiteral("x"), target))
                .split(QLatin1Char('\n'));
        QVERIFY2(lines.contains(exec), qPrintable(lines.join(QLatin1Char('|'))));
    }

    void a_second_shortcut_never_overwrites_the_first() {
        Fixture f;
        QVERIFY(QDir().mkpath(f.desktop));
        QFile mine(f.desktop + QStringLiteral("/ModemTally.desktop"));
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.write("mine");
        mine.close();
        f.create(QStringLiteral("ModemTally"));
        f.create(QStringLiteral("ModemTally.lnk"));
        QVERIFY(f.t->boxes->shown.isEmpty());
        QCOMPARE(f.launchers(), (QStringList{QStringLiteral("ModemTally (2).desktop"),
                                             QStringLiteral("ModemTally (3).desktop"),
                                             QStringLiteral("ModemTally.desktop")}));
        QCOMPARE(f.read(QStringLiteral("ModemTally.desktop")), QByteArray("mine"));
        QVERIFY(f.read(QStringLiteral("ModemTally (2).desktop")).contains("\nName=ModemTally (2)\n"));
    }

    void failure_is_reported_data() {
        QTest::addColumn<bool>("folderIsAFile");
        QTest::addColumn<QString>("name");
        QTest::newRow("the desktop folder cannot be made") << true << "ModemTally";
        QTest::newRow("nothing but a suffix") << false << ".lnk";
        QTest::newRow("blank name") << false << "   ";
    }
    void failure_is_reported() {
        QFETCH(bool, folderIsAFile);
        QFETCH(QString, name);
        QTemporaryDir home;
        const QString blocker = home.path() + QStringLiteral("/file");
        QFile b(blocker);
        QVERIFY(b.open(QIODevice::WriteOnly));
        b.close();
        Fixture f(folderIsAFile ? blocker + QStringLiteral("/Desktop") : QString());
        f.create(name);
        QCOMPARE(f.t->boxes->shown.size(), 1);
        QCOMPARE(f.t->boxes->shown.first(),
                 (Box{kFailedText, QStringLiteral("ModemTally"), BoxIcon::Information, BoxButtons::Ok}));
        QVERIFY(f.launchers().isEmpty());
    }

    void a_read_only_desktop_is_reported() {
        if (geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        Fixture f;
        QVERIFY(QDir().mkpath(f.desktop));
        QVERIFY(QFile::setPermissions(f.desktop, QFile::ReadOwner | QFile::ExeOwner));
        f.create(QStringLiteral("ModemTally"));
        QFile::setPermissions(f.desktop, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(f.t->boxes->texts(), QStringList{kFailedText});
        QVERIFY(f.launchers().isEmpty());
    }

    void typed_forbidden_characters_are_refused_data() {
        QTest::addColumn<QString>("ch");
        for (const char* c : {"/", "\\", ":", "*", "?", "\"", "<", ">", "|"})
            QTest::newRow(c) << QString::fromLatin1(c);
    }
    void typed_forbidden_characters_are_refused() {
        QFETCH(QString, ch);
        Fixture f;
        ctl<QLineEdit>(*f.w, "txtShortcutName")->clear();
        QTest::keyClicks(ctl<QLineEdit>(*f.w, "txtShortcutName"),
                         QStringLiteral("ab") + ch + QStringLiteral("c"));
        QCOMPARE(ctl<QLineEdit>(*f.w, "txtShortcutName")->text(), QStringLiteral("abc"));
        QCOMPARE(f.t->boxes->shown.size(), 1);
        QCOMPARE(f.t->boxes->shown.first(),
                 (Box{kForbiddenText, QStringLiteral("ModemTally"), BoxIcon::Critical, BoxButtons::Ok}));
    }

    void letters_pass() {
        Fixture f;
        ctl<QLineEdit>(*f.w, "txtShortcutName")->clear();
        QTest::keyClicks(ctl<QLineEdit>(*f.w, "txtShortcutName"), QStringLiteral("Net-Dial 2.0 (home)"));
        QCOMPARE(ctl<QLineEdit>(*f.w, "txtShortcutName")->text(), QStringLiteral("Net-Dial 2.0 (home)"));
        QVERIFY(f.t->boxes->shown.isEmpty());
    }

    void a_pasted_path_is_refused_when_creating() {
        Fixture f;
        f.create(QStringLiteral("../outside"));
        QCOMPARE(f.t->boxes->texts(), QStringList{kForbiddenText});
        QVERIFY(f.launchers().isEmpty());
        QVERIFY(!QFileInfo::exists(f.home.path() + QStringLiteral("/outside.desktop")));
    }

    void cancel_unloads_and_the_folder_is_the_desktop() {
        Fixture f;
        QCOMPARE(ctl<QLineEdit>(*f.w, "txtShortcutDir")->text(), f.desktop);
        QVERIFY(ctl<QLineEdit>(*f.w, "txtShortcutDir")->isHidden());
        QCOMPARE(ctl<QPushButton>(*f.w, "cmdCreateShortcut")->accessibleName(),
                 QStringLiteral("Create shortcut to ModemTally now!"));
        ctl<QPushButton>(*f.w, "cmdCreateCancel")->click();
        QVERIFY(!f.t->ui().frmCreateShortcut_loaded());
    }
};

QTEST_MAIN(tst_shortcut)
#include "tst_shortcut.moc"

// The configuration console's "Start ModemTally when I log in": the box shows whether the desktop's
// autostart entry is there, and Save writes or removes it (in a scratch XDG_CONFIG_HOME).
#include "config/frmConfig.h"
#include "platform/Autostart.h"
#include "support/TestProgram.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
QCheckBox* box(TestProgram& t) {
    return ctl<QCheckBox>(t.ui().frmConfig(), "checkStartAtLogin");
}
void save(TestProgram& t) {
    ctl<QPushButton>(t.ui().frmConfig(), "cmdSave")->click();
}
} // namespace

class tst_startatlogin : public QObject {
    Q_OBJECT
    QTemporaryDir m_config;

private slots:
    void initTestCase() {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    }
    void cleanup() {
        QDir(m_config.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_config.path()));
    }

    void save_writes_and_removes_the_entry() {
        const QString entry = Autostart::entryPath();
        QVERIFY(entry.startsWith(m_config.path()));
        {
            TestProgram t;
            QVERIFY(!box(t)->isChecked());
            // Closing without saving leaves the desktop's start-up as it was.
            box(t)->setChecked(true);
            ctl<QPushButton>(t.ui().frmConfig(), "cmdCloseConfigurationConsole")->click();
            QVERIFY(!QFile::exists(entry));
            save(t);
            QVERIFY(Autostart::isEnabled());
            QCOMPARE(t.boxes->texts(), QStringList{QStringLiteral("Save Successful!")});
            // This data folder is not the user's own: the entry starts the program on it.
            QVERIFY(readAll(entry).contains("\"--data-dir\" \"" + t.dir.path().toUtf8() + '"'));
        }
        {
            // A new console shows the entry; an unchanged box leaves the entry alone on Save.
            QFile f(entry);
            QVERIFY(f.open(QIODevice::Append));
            f.write("X-Edited=true\n");
            f.close();
            const QByteArray edited = readAll(entry);
            TestProgram t;
            QVERIFY(box(t)->isChecked());
            save(t);
            QCOMPARE(readAll(entry), edited);
            box(t)->setChecked(false);
            save(t);
            QVERIFY(!QFile::exists(entry));
            QVERIFY(!box(t)->isChecked());
        }
    }

    void shown_again_after_the_desktop_changed_it() {
        TestProgram t;
        frmConfig& c = t.ui().frmConfig();
        c.show();
        QVERIFY(!box(t)->isChecked());
        c.hide();
        QCOMPARE(Autostart::enable(QStringLiteral("/usr/bin/modemtally")), QString());
        c.show();
        QVERIFY(box(t)->isChecked());
        // A change not saved yet is kept while the console is away.
        box(t)->setChecked(false);
        c.hide();
        c.show();
        QVERIFY(!box(t)->isChecked());
        QVERIFY(Autostart::isEnabled());
    }

    void a_failure_is_told_and_the_box_shows_the_truth() {
        // A file where the autostart folder should be: the entry cannot be written.
        QFile blocker(m_config.path() + QStringLiteral("/autostart"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        TestProgram t;
        box(t)->setChecked(true);
        save(t);
        QVERIFY(!box(t)->isChecked());
        const QStringList texts = t.boxes->texts();
        QCOMPARE(texts.size(), 2);
        QVERIFY2(texts.first().contains(QStringLiteral("could not add itself")), qPrintable(texts.first()));
        QCOMPARE(t.boxes->shown.first().icon, BoxIcon::Exclamation);
        // The configurations themselves were saved.
        QCOMPARE(texts.last(), QStringLiteral("Save Successful!"));
        QVERIFY(QFile::exists(t.dataPath(QStringLiteral("cc.txt"))));
    }
};

QTEST_MAIN(tst_startatlogin)
#include "tst_startatlogin.moc"

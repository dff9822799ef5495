// Starting at login: the XDG autostart entry written, recognised and removed, in a scratch
// XDG_CONFIG_HOME.
#include "platform/Autostart.h"
#include "platform/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void writeAll(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
        qFatal("cannot write %s", qPrintable(path));
}
} // namespace

class tst_autostart : public QObject {
    Q_OBJECT
    QTemporaryDir m_config;

private slots:
    void initTestCase() {
        QVERIFY(m_config.isValid());
        Folders::setProgramNames();
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
    }

    void enableAndDisable() {
        const QString path = m_config.path() + QStringLiteral("/autostart/org.modemtally.ModemTally.desktop");
        QCOMPARE(Autostart::entryPath(), path);
        QVERIFY(!Autostart::isEnabled());
        QCOMPARE(Autostart::disable(), QString()); // nothing there: nothing to do

        // A path and arguments that need the desktop entry's quoting.
        QCOMPARE(Autostart::enable(QStringLiteral("/opt/Modem Tally/bin/modemtally"),
                                   {QStringLiteral("--data-dir"), QStringLiteral("/data/100% \"$HOME\"")}),
                 QString());
        QVERIFY(Autostart::isEnabled());
        QCOMPARE(readAll(path), QByteArray("[Desktop Entry]\n"
                                           "Type=Application\n"
                                           "Version=1.0\n"
                                           "Name=ModemTally\n"
                                           "Comment=Dial, time and price dial-up and metered connections\n"
                                           "Icon=modemtally\n"
                                           "TryExec=/opt/Modem Tally/bin/modemtally\n"
                                           "Exec=\"/opt/Modem Tally/bin/modemtally\" \"--data-dir\" "
                                           "\"/data/100%% \\\\\"\\\\$HOME\\\\\"\"\n"
                                           "Terminal=false\n"
                                           "X-GNOME-Autostart-enabled=true\n"));
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (!validator.isEmpty()) {
            QProcess p;
            p.start(validator, {path});
            QVERIFY(p.waitForFinished(30000));
            QVERIFY2(p.exitCode() == 0, p.readAllStandardOutput().constData());
        } else {
            qInfo("desktop-file-validate is not installed: the entry's syntax is not validated");
        }

        // Without a program given: this very program, by its absolute path.
        QCOMPARE(Autostart::enable(), QString());
        QVERIFY(
            readAll(path).contains("\nExec=\"" + QCoreApplication::applicationFilePath().toUtf8() + "\"\n"));

        QCOMPARE(Autostart::disable(), QString());
        QVERIFY(!QFile::exists(path));
        QVERIFY(!Autostart::isEnabled());
    }

    // An entry the user edited, or switched off in the desktop's own start-up settings.
    void switchedOff_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<bool>("enabled");
        const QByteArray head = "[Desktop Entry]\nType=Application\nName=ModemTally\nExec=modemtally\n";
        QTest::newRow("as written") << head << true;
        QTest::newRow("Hidden=true") << head + "Hidden=true\n" << false;
        QTest::newRow("Hidden=false") << head + "Hidden=false\n" << true;
        QTest::newRow("switched off in GNOME") << head + "X-GNOME-Autostart-enabled=false\n" << false;
        QTest::newRow("a key of another group") << head + "[Desktop Action Quiet]\nHidden=true\n" << true;
        QTest::newRow("a comment") << head + "#Hidden=true\n" << true;
    }
    void switchedOff() {
        QFETCH(QByteArray, entry);
        QFETCH(bool, enabled);
        writeAll(Autostart::entryPath(), entry);
        QCOMPARE(Autostart::isEnabled(), enabled);
        // Ticking the option again writes a whole entry of the program's own, switched on.
        QCOMPARE(Autostart::enable(QStringLiteral("/usr/bin/modemtally")), QString());
        QVERIFY(Autostart::isEnabled());
        QCOMPARE(Autostart::disable(), QString());
    }
};

QTEST_GUILESS_MAIN(tst_autostart)
#include "tst_autostart.moc"

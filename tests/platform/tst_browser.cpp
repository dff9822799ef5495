#include "platform/XdgBrowser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
void writeFile(const QString& path, const QByteArray& content, bool executable = false) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    f.write(content);
    f.close();
    if (executable)
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
}

// A program that writes each argument it got on a line of its own, then the wrapper's variable.
QByteArray recorderScript() {
    return "#!/bin/sh\nout=\"$(dirname \"$0\")/args.txt\"\n: > \"$out.tmp\"\n"
           "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$out.tmp\"; done\n"
           "echo \"count=$# wrapped=$MT_WRAPPED\" >> \"$out.tmp\"\nmv \"$out.tmp\" \"$out\"\n";
}

QByteArray desktopEntry(const QByteArray& name, const QByteArray& exec, const QByteArray& types) {
    return "[Desktop Entry]\nType=Application\nName=" + name + "\nExec=" + exec + "\nMimeType=" + types +
           "\n";
}
} // namespace

// The real lookup and launch against a private XDG tree: the user's mimeapps.list names the default
// application for web documents, whose .desktop entry starts the recording program through a wrapper
// (as snap and Flatpak entries do), and GIO launches it for real. GIO reads the XDG variables once, so
// they are set before anything asks it.
class tst_browser : public QObject {
    Q_OBJECT
    QTemporaryDir m_root;
    QString m_out;

private slots:
    void initTestCase() {
        QVERIFY(m_root.isValid());
        const QString root = m_root.path();
        qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
        // The system's own associations must not answer for the test's.
        qputenv("XDG_DATA_DIRS", QFile::encodeName(root + QStringLiteral("/sysdata")));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root + QStringLiteral("/sysconfig")));
        qputenv("XDG_CURRENT_DESKTOP", "");
        // No desktop session: GIO launches without announcing it on a session bus.
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qunsetenv("DISPLAY");

        const QByteArray browser = QFile::encodeName(root + QStringLiteral("/bin/fake-browser"));
        m_out = root + QStringLiteral("/bin/args.txt");
        writeFile(QFile::decodeName(browser), recorderScript(), true);
        const QString apps = root + QStringLiteral("/data/applications/");
        writeFile(apps + QStringLiteral("fakebrowser.desktop"),
                  desktopEntry("Fake Browser", "env MT_WRAPPED=yes " + browser + " %u",
                               "text/html;x-scheme-handler/http;"));
        // text/html goes to an application whose program is not installed: the lookup then falls back
        // to the http handler rather than offering a program that cannot start.
        writeFile(apps + QStringLiteral("gone.desktop"),
                  desktopEntry("Gone", "/nonexistent/gone-browser %u", "text/html;"));
        writeFile(QFile::decodeName(browser + "-vanishing"), recorderScript(), true);
        writeFile(apps + QStringLiteral("vanishing.desktop"),
                  desktopEntry("Vanishing", browser + "-vanishing %u", "x-scheme-handler/https;"));
        writeFile(
            root + QStringLiteral("/config/mimeapps.list"),
            "[Default Applications]\ntext/html=gone.desktop\nx-scheme-handler/http=fakebrowser.desktop\n");
    }

    void finds_the_users_default_application() {
        XdgBrowser b;
        QCOMPARE(b.findProgramFor(m_root.filePath(QStringLiteral("doc.html"))),
                 QStringLiteral("fakebrowser.desktop"));
    }

    // The Exec line's wrapper runs and %u becomes the page, one argument, as the desktop does it.
    void launch_expands_the_entry_with_the_page_data() {
        QTest::addColumn<QUrl>("page");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("plain") << QUrl(QStringLiteral("http://www.wikipedia.org"))
                               << QByteArray("http://www.wikipedia.org\ncount=1 wrapped=yes\n");
        QTest::newRow("spaces and shell characters")
            << QUrl(QStringLiteral("http://x.org/a%20b?q=1&r=$HOME;'x'"))
            << QByteArray("http://x.org/a%20b?q=1&r=$HOME;'x'\ncount=1 wrapped=yes\n");
        QTest::newRow("no page starts it without one") << QUrl() << QByteArray("count=0 wrapped=yes\n");
    }
    void launch_expands_the_entry_with_the_page() {
        QFETCH(QUrl, page);
        QFETCH(QByteArray, expected);
        QFile::remove(m_out);
        XdgBrowser b;
        QVERIFY(b.startProgram(b.findProgramFor(QString()), page));
        // The program runs detached: wait for its output file to appear (it is renamed into place whole).
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_out), 10000);
        QFile f(m_out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), expected);
    }

    void a_launch_that_cannot_start_fails() {
        XdgBrowser b;
        const QUrl page(QStringLiteral("https://example.org"));
        QVERIFY(!b.startProgram(QString(), page));
        QVERIFY(!b.startProgram(QStringLiteral("no-such-entry.desktop"), page));
        // Its program was removed after the lookup.
        QVERIFY(QFile::remove(m_root.filePath(QStringLiteral("bin/fake-browser-vanishing"))));
        QVERIFY(!b.startProgram(QStringLiteral("vanishing.desktop"), page));
    }
};

QTEST_GUILESS_MAIN(tst_browser)
#include "tst_browser.moc"

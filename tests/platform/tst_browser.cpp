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
} // namespace

// The real lookup against a private XDG tree: the user's mimeapps.list names the default application
// for web documents, whose .desktop entry names the program. GIO reads the XDG variables once, so they
// are set before anything asks it.
class tst_browser : public QObject {
    Q_OBJECT
    QTemporaryDir m_root;
    QString m_browser;

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

        // The fake browser writes each argument it got on a line of its own.
        m_browser = root + QStringLiteral("/bin/fake-browser");
        writeFile(m_browser,
                  "#!/bin/sh\nout=\"$(dirname \"$0\")/args.txt\"\n: > \"$out.tmp\"\n"
                  "for a in \"$@\"; do printf '%s\\n' \"$a\" >> \"$out.tmp\"; done\n"
                  "echo \"count=$#\" >> \"$out.tmp\"\nmv \"$out.tmp\" \"$out\"\n",
                  true);
        writeFile(root + QStringLiteral("/data/applications/fakebrowser.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Fake Browser\nExec=" +
                      QFile::encodeName(m_browser) + " %u\nMimeType=text/html;x-scheme-handler/http;\n");
        // text/html goes to an application whose program is not installed: the lookup then falls back
        // to the http handler rather than offering a program that cannot start.
        writeFile(root + QStringLiteral("/data/applications/gone.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Gone\nExec=/nonexistent/gone-browser %u\n"
                  "MimeType=text/html;\n");
        writeFile(
            root + QStringLiteral("/config/mimeapps.list"),
            "[Default Applications]\ntext/html=gone.desktop\nx-scheme-handler/http=fakebrowser.desktop\n");
    }

    void finds_the_users_default_program() {
        XdgBrowser b;
        QCOMPARE(b.findProgramFor(m_root.filePath(QStringLiteral("doc.html"))), m_browser);
    }

    void start_passes_the_page_as_one_unchanged_argument_data() {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("plain") << "www.wikipedia.org" << QByteArray("www.wikipedia.org\ncount=1\n");
        QTest::newRow("spaces and shell characters")
            << "http://x.org/a b?q=1&r=$HOME;'x'"
            << QByteArray("http://x.org/a b?q=1&r=$HOME;'x'\ncount=1\n");
        QTest::newRow("empty starts without a page") << "" << QByteArray("count=0\n");
    }
    void start_passes_the_page_as_one_unchanged_argument() {
        QFETCH(QString, url);
        QFETCH(QByteArray, expected);
        const QString out = m_root.filePath(QStringLiteral("bin/args.txt"));
        QFile::remove(out);
        XdgBrowser b;
        QVERIFY(b.startProgram(m_browser, url));
        // The program runs detached: wait for its output file to appear (it is renamed into place whole).
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(out), 10000);
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), expected);
    }

    void a_program_that_cannot_start_fails() {
        XdgBrowser b;
        QVERIFY(!b.startProgram(m_root.filePath(QStringLiteral("bin/missing")), QStringLiteral("x")));
        QVERIFY(!b.startProgram(QString(), QStringLiteral("x")));
    }
};

QTEST_GUILESS_MAIN(tst_browser)
#include "tst_browser.moc"

#include "core/StartPage.h"

#include <QTest>

// The start page as the address the browser is started on: completed, encoded, and refused when it
// is no web or file address or would reach the browser as an option.
class tst_startpage : public QObject {
    Q_OBJECT
private slots:
    void url_to_open_data() {
        QTest::addColumn<QString>("startPage");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("url");
        // Completed with http:// as the Options tab shows beside the field.
        QTest::newRow("bare host") << "www.wikipedia.org" << true << "http://www.wikipedia.org";
        QTest::newRow("host and port") << "localhost:8080/x" << true << "http://localhost:8080/x";
        QTest::newRow("host and port alone") << "example.org:81" << true << "http://example.org:81";
        QTest::newRow("IPv6 host") << "[::1]:8080" << true << "http://[::1]:8080";
        QTest::newRow("blanks around") << "  example.org/a b  " << true << "http://example.org/a%20b";
        QTest::newRow("non-ASCII host and path")
            << "b\u00fccher.de/\u00e4" << true << "http://xn--bcher-kva.de/%C3%A4";
        // Kept as given, encoded.
        QTest::newRow("http") << "http://example.org/?q=a b&r=$x" << true
                              << "http://example.org/?q=a%20b&r=$x";
        QTest::newRow("https, scheme in capitals") << "HTTPS://Example.org" << true << "https://example.org";
        QTest::newRow("file") << "file:///home/u/start page.html" << true
                              << "file:///home/u/start%20page.html";
        QTest::newRow("empty: no page") << "" << true << "";
        QTest::newRow("blank: no page") << "   " << true << "";
        // Refused.
        QTest::newRow("an option") << "--new-instance" << false << "";
        QTest::newRow("an option after blanks") << "  -P default" << false << "";
        QTest::newRow("a single dash") << "-" << false << "";
        QTest::newRow("javascript") << "javascript:alert(1)" << false << "";
        QTest::newRow("data") << "data:text/html,<b>x</b>" << false << "";
        QTest::newRow("mailto") << "mailto:me@example.org" << false << "";
        QTest::newRow("another browser scheme") << "chrome://settings" << false << "";
        QTest::newRow("user and password without scheme") << "user:secret@example.org" << false << "";
        QTest::newRow("http without a host") << "http://" << false << "";
        QTest::newRow("http without slashes") << "http:example.org" << false << "";
        QTest::newRow("file without a path") << "file:" << false << "";
        QTest::newRow("a bad port") << "http://example.org:99999" << false << "";
    }
    void url_to_open() {
        QFETCH(QString, startPage);
        QFETCH(bool, opened);
        QFETCH(QString, url);
        const std::optional<QUrl> got = StartPage::urlToOpen(startPage);
        QCOMPARE(got.has_value(), opened);
        if (!got)
            return;
        QCOMPARE(got->toString(QUrl::FullyEncoded), url);
        // What is opened opens the same again.
        QCOMPARE(StartPage::urlToOpen(url), got);
    }
};

QTEST_GUILESS_MAIN(tst_startpage)
#include "tst_startpage.moc"

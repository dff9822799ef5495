#include "core/ConnectActions.h"
#include "core/Settings.h"
#include "core/YesNo.h"
#include "support/FakeBrowser.h"
#include "support/FakeIcmpEcho.h"
#include "support/FakeSound.h"
#include "support/TestProgram.h"

#include <QFileInfo>
#include <QTest>

namespace {
struct Rig {
    FakeSound* sound;
    FakeBrowser* browser;
    FakeIcmpEcho* icmp;
    TestProgram t;

    static Seams seams(FakeSound*& s, FakeBrowser*& b, FakeIcmpEcho*& i) {
        Seams seams;
        auto sp = std::make_unique<FakeSound>();
        auto bp = std::make_unique<FakeBrowser>();
        auto ip = std::make_unique<FakeIcmpEcho>();
        s = sp.get();
        b = bp.get();
        i = ip.get();
        seams.sound = std::move(sp);
        seams.browser = std::move(bp);
        seams.icmp = std::move(ip);
        return seams;
    }
    Rig() : t(seams(sound, browser, icmp)) {}
    Program& p() { return *t; }
};

const Box kNoBrowser{QStringLiteral("Could not find associated Browser"),
                     QStringLiteral("ModemTally : Browser Not Found"), BoxIcon::Exclamation, BoxButtons::Ok};
const Box kNotOpened{QStringLiteral("Web Page not Opened"), QStringLiteral("Invalid URL"),
                     BoxIcon::Exclamation, BoxButtons::Ok};
} // namespace

class tst_connectactions : public QObject {
    Q_OBJECT
private slots:
    void connection_sound_data() {
        QTest::addColumn<QString>("playSound");
        QTest::addColumn<QString>("useDefault");
        QTest::addColumn<QString>("custom");
        QTest::addColumn<QStringList>("played");
        QTest::newRow("off") << "false"
                             << "true"
                             << "none" << QStringList();
        QTest::newRow("neither true nor false is off") << ""
                                                       << "true"
                                                       << "none" << QStringList();
        QTest::newRow("standard") << "true"
                                  << "true"
                                  << "/snd/ding.wav" << QStringList{QStringLiteral("standard")};
        QTest::newRow("custom file as given")
            << "true"
            << "false"
            << "/snd/my ding.wav" << QStringList{QStringLiteral("/snd/my ding.wav")};
        QTest::newRow("custom none plays nothing") << "true"
                                                   << "false"
                                                   << "none" << QStringList();
    }
    void connection_sound() {
        QFETCH(QString, playSound);
        QFETCH(QString, useDefault);
        QFETCH(QString, custom);
        QFETCH(QStringList, played);
        Rig r;
        r.p().settings.gPlaySound = playSound;
        r.p().settings.gUseDefaultSound = useDefault;
        r.p().settings.gCustomSoundFile = custom;
        ConnectActions::PlayConnectSound(r.p());
        QCOMPARE(r.sound->played, played);
    }

    // The start page reaches the browser as a URL of its own: with http:// when it has no scheme,
    // encoded, and never as an option; one that cannot be opened safely gets the box of a launch that
    // failed, and nothing starts.
    void browser_started_on_the_start_page_as_a_url_data() {
        QTest::addColumn<QString>("startPage");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("url");
        QTest::newRow("the default") << Settings::defaultStartUrl() << true << "http://www.wikipedia.org";
        QTest::newRow("blanks, spaces and shell characters")
            << " http://example.org/a b?x=1&y=$HOME 'q' " << true
            << "http://example.org/a%20b?x=1&y=$HOME%20'q'";
        QTest::newRow("https kept") << "https://example.org/" << true << "https://example.org/";
        QTest::newRow("empty: no page") << "" << true << "";
        QTest::newRow("an option of the browser") << "--remote-debugging-port=9222" << false << "";
        QTest::newRow("another scheme") << "javascript:alert(1)" << false << "";
    }
    void browser_started_on_the_start_page_as_a_url() {
        QFETCH(QString, startPage);
        QFETCH(bool, opened);
        QFETCH(QString, url);
        Rig r;
        r.p().settings.gStartURL = startPage;
        ConnectActions::LaunchBrowser(r.p());
        if (!opened) {
            QCOMPARE(r.t.boxes->shown, QList<Box>{kNotOpened});
            QCOMPARE(r.browser->started.size(), 0);
            return;
        }
        QCOMPARE(r.t.boxes->shown.size(), 0);
        QCOMPARE(r.browser->started.size(), 1);
        QCOMPARE(r.browser->started[0].first, QStringLiteral("/usr/bin/fake-browser"));
        QCOMPARE(r.browser->started[0].second, url);
    }

    // The throw-away document: there with its one line while the lookup runs, private to this user,
    // of a fresh name each time, and gone afterwards whatever happened.
    void document_is_private_and_always_removed_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QList<Box>>("boxes");
        QTest::newRow("started") << "/usr/bin/fake-browser" << true << QList<Box>();
        QTest::newRow("no browser") << "" << true << QList<Box>{kNoBrowser};
        QTest::newRow("blank answer is no browser") << "   " << true << QList<Box>{kNoBrowser};
        QTest::newRow("cannot start") << "/usr/bin/fake-browser" << false << QList<Box>{kNotOpened};
    }
    void document_is_private_and_always_removed() {
        QFETCH(QString, program);
        QFETCH(bool, starts);
        QFETCH(QList<Box>, boxes);
        Rig r;
        r.browser->program = program;
        r.browser->starts = starts;
        ConnectActions::LaunchBrowser(r.p());
        ConnectActions::LaunchBrowser(r.p());

        QCOMPARE(r.t.boxes->shown, boxes + boxes);
        QCOMPARE(r.browser->started.size(), !program.trimmed().isEmpty() ? 2 : 0);
        QCOMPARE(r.browser->documents.size(), 2);
        QVERIFY(r.browser->documents[0] != r.browser->documents[1]);
        for (int i = 0; i < 2; ++i) {
            const QString doc = r.browser->documents[i];
            QVERIFY2(doc.endsWith(QLatin1String(".html")), qPrintable(doc));
            QCOMPARE(r.browser->contents[i], QByteArray("\"<HTML> <\\HTML>\"\r\n"));
            QCOMPARE(r.browser->permissions[i] & (QFileDevice::ReadGroup | QFileDevice::ReadOther |
                                                  QFileDevice::WriteGroup | QFileDevice::WriteOther),
                     QFileDevice::Permissions());
            QVERIFY2(!QFileInfo::exists(doc), qPrintable(doc));
        }
    }

    void keep_alive_goes_to_the_fixed_host_and_never_overlaps() {
        Rig r;
        const QString host = ConnectActions::keepAliveHost();
        QVERIFY(!host.isEmpty() && host.size() <= 64);
        QVERIFY(!host.startsWith(QLatin1String("127.")) && host != QLatin1String("localhost"));

        ConnectActions::KeepAliveBurst(r.p());
        QCOMPARE(r.icmp->bursts, QStringList{host});
        ConnectActions::KeepAliveBurst(r.p()); // the next minute arrives while the first still runs
        QCOMPARE(r.icmp->bursts.size(), 1);
        r.icmp->finish();
        ConnectActions::KeepAliveBurst(r.p());
        QCOMPARE(r.icmp->bursts.size(), 2);
    }
};

QTEST_MAIN(tst_connectactions)
#include "tst_connectactions.moc"

// The start-up sequence: first run, an ordinary start, automatic dialing and an outside connection.
#include "FakeRas.h"
#include "TestProgram.h"
#include "config/frmConfig.h"
#include "console/frmStart.h"
#include "core/SettingsFile.h"
#include "dialing/frmConnectNoDefault.h"
#include "dialing/frmPassword.h"

#include <QAction>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {
const QStringList kGreeting = {QStringLiteral("          Welcome to ModemTally!"),
                               QStringLiteral("The Best Dialup Networking Companion!")};

struct Fixture {
    FakeRas* ras = nullptr;
    std::unique_ptr<TestProgram> tp;

    explicit Fixture(const QStringList& entries = {QStringLiteral("Office"), QStringLiteral("Home"),
                                                   QStringLiteral("Mobile")}) {
        auto r = std::make_unique<FakeRas>();
        ras = r.get();
        ras->entries = entries;
        Seams s;
        s.ras = std::move(r);
        tp = std::make_unique<TestProgram>(std::move(s));
    }
    Program& p() { return **tp; }
    Windows& w() { return tp->ui(); }

    // Saves a settings file made by `change` from the defaults, as a previous run would have.
    void saveSettings(const std::function<void(Settings&)>& change) {
        Settings s;
        s.gProfiles.addProfile(QStringLiteral("Office"), QStringLiteral("alice"), QStringLiteral("s3cret"),
                               QStringLiteral("corp"));
        s.gProfiles.addProfile(QStringLiteral("Home"), QStringLiteral("bob"), QStringLiteral("pw"), {});
        s.gProfiles.addProfile(QStringLiteral("Mobile"));
        change(s);
        p().settings = s;
        QVERIFY(SettingsFile::write(p()));
        p().settings = Settings();
    }
};
} // namespace

class tst_startup : public QObject {
    Q_OBJECT
private slots:
    void first_run_welcomes_and_opens_the_console() {
        Fixture f;
        f.w().startUp();

        QCOMPARE(f.tp->boxes->shown.size(), 1);
        const Box& b = f.tp->boxes->shown.first();
        QCOMPARE(b.title, QStringLiteral("Welcome to ModemTally"));
        QCOMPARE(b.icon, BoxIcon::Information);
        QCOMPARE(b.buttons, BoxButtons::Ok);
        QCOMPARE(b.text, QStringLiteral(
                             "ModemTally has determined that this is your first time running this program. "
                             "You would want to configure the settings in ModemTally first. Click the OK "
                             "button to continue."));
        frmConfig& config = f.w().frmConfig();
        QVERIFY(config.isVisible());
        QVERIFY(!f.w().frmStart().isVisible());
        QCOMPARE(ctl<QTabWidget>(config, "SSTab1")->currentIndex(), 3);
        QVERIFY(!ctl<QPushButton>(config, "cmdCloseConfigurationConsole")->isEnabled());
        QCOMPARE(ctl<QListWidget>(config, "listProfiles")->count(), 3);
        // Every phone-book entry became a profile with empty credentials.
        QCOMPARE(f.p().settings.gProfiles.size(), 12);
        QCOMPARE(f.p().settings.gProfiles.userName(QStringLiteral("Home")), QString());
        QCOMPARE(f.w().frmStart().statusLines(), kGreeting);
        QVERIFY(f.ras->dials.isEmpty());
        QVERIFY(!ctl<QRadioButton>(config, "optionConnectDefaultYes")->isVisible());
    }

    void ordinary_start_reads_the_file_and_shows_the_main_console() {
        Fixture f;
        f.saveSettings([](Settings& s) {
            s.gDefaultProfile = QStringLiteral("Office");
            s.gConnectDefault = QStringLiteral("true");
        });
        f.w().startUp();

        QVERIFY(f.tp->boxes->shown.isEmpty());
        // Only the main console is built; the others wait until they are first opened.
        QVERIFY(!f.w().frmCreateShortcut_loaded());
        QVERIFY(!f.w().frmConfig_loaded());
        QVERIFY(f.w().frmStart().isVisible());
        QVERIFY(!f.w().frmConfig().isVisible());
        QCOMPARE(f.p().settings.gFirstRun, QStringLiteral("false"));
        QCOMPARE(f.p().settings.gProfiles.password(QStringLiteral("Office")), QStringLiteral("s3cret"));
        QCOMPARE(ctl<QPushButton>(f.w().frmStart(), "cmdConnectDefault")->text(),
                 QStringLiteral("Connect to Office"));
        QCOMPARE(f.w().frmStart().statusLines(), kGreeting);
        QCOMPARE(ctl<QListWidget>(f.w().frmConfig(), "listProfiles")->count(), 3);
        QCOMPARE(f.p().settings.gProfiles.size(), 12); // the enumeration adds nothing after a read
    }

    void the_status_list_box_shows_the_model_and_keeps_its_last_line_in_view() {
        Fixture f;
        f.saveSettings([](Settings& s) { s.gDefaultProfile = QStringLiteral("Office"); });
        f.w().startUp();
        frmStart& start = f.w().frmStart();
        auto* box = ctl<QListView>(start, "listConnectionStatus");
        QVERIFY(QTest::qWaitForWindowExposed(&start));

        // A long redial narrates more lines than the box holds: the newest stays in view.
        for (int i = 0; i < 200; ++i)
            f.p().status.add(QStringLiteral("Redialing till connected %1").arg(i));
        QCOMPARE(start.statusLines(), f.p().status.lines());
        QCOMPARE(start.statusLines().size(), 202);
        const QModelIndex lastLine = box->model()->index(201, 0);
        QTRY_VERIFY(box->viewport()->rect().contains(box->visualRect(lastLine)));
        QVERIFY(!box->viewport()->rect().intersects(box->visualRect(box->model()->index(0, 0))));

        f.p().status.clear();
        f.p().status.add(QStringLiteral("Hang up on Office"));
        QCOMPARE(start.statusLines(), QStringList{QStringLiteral("Hang up on Office")});
    }

    void auto_dial_data() {
        QTest::addColumn<QString>("connectDefault");
        QTest::addColumn<QString>("promptPassword");
        QTest::addColumn<QString>("expected"); // "chooser", "password" or "dial"
        QTest::newRow("no default connection: the chooser") << "false"
                                                            << "false"
                                                            << "chooser";
        QTest::newRow("default with password prompt") << "true"
                                                      << "true"
                                                      << "password";
        QTest::newRow("default dialed directly") << "true"
                                                 << "false"
                                                 << "dial";
        QTest::newRow("never chosen counts as yes") << ""
                                                    << "false"
                                                    << "dial";
    }
    void auto_dial() {
        QFETCH(QString, connectDefault);
        QFETCH(QString, promptPassword);
        QFETCH(QString, expected);
        Fixture f;
        f.saveSettings([&](Settings& s) {
            s.gAutoDial = QStringLiteral("true");
            s.gDefaultProfile = QStringLiteral("Office");
            s.gConnectDefault = connectDefault;
            s.gPromptPassword = promptPassword;
        });
        f.w().startUp();

        QCOMPARE(f.w().frmConnectNoDefault_loaded() && f.w().frmConnectNoDefault().isVisible(),
                 expected == QLatin1String("chooser"));
        QCOMPARE(f.w().frmPassword_loaded() && f.w().frmPassword().isVisible(),
                 expected == QLatin1String("password"));
        if (expected != QLatin1String("dial")) {
            QVERIFY(f.ras->dials.isEmpty());
            return;
        }
        QCOMPARE(f.ras->dials.size(), 1);
        QCOMPARE(f.ras->dials[0].entry, QStringLiteral("Office"));
        QCOMPARE(f.ras->dials[0].user, QStringLiteral("alice"));
        QCOMPARE(f.ras->dials[0].password, QStringLiteral("s3cret"));
        QCOMPARE(f.ras->dials[0].domain, QStringLiteral("corp"));
        frmStart& start = f.w().frmStart();
        QVERIFY(!ctl<QPushButton>(start, "cmdConnectDefault")->isEnabled());
        QVERIFY(ctl<QPushButton>(start, "cmdHangup")->isEnabled());
        QVERIFY(
            !ctl<QAction>(start, "mPopHangup")->isEnabled()); // the automatic dial enables only the button
        QVERIFY(f.p().timer.isActive());
        QCOMPARE(f.p().dial.gDialing, true);
        QVERIFY(start.statusLines().isEmpty());
    }

    void outside_connection_is_adopted_instead_of_auto_dialing() {
        Fixture f;
        f.ras->activeConnection = QStringLiteral("Home");
        f.saveSettings([](Settings& s) {
            s.gAutoDial = QStringLiteral("true");
            s.gDefaultProfile = QStringLiteral("Office");
            s.gConnectDefault = QStringLiteral("true");
        });
        f.w().startUp();

        QVERIFY(f.ras->dials.isEmpty());
        QCOMPARE(f.p().dial.gConnected, true);
        QCOMPARE(f.tp->boxes->texts(),
                 QStringList{
                     QStringLiteral("ModemTally has detected an active conection called Home. Time elapsed "
                                    "will not be accurate.")});
        QCOMPARE(f.w().frmStart().statusLines(), QStringList{QStringLiteral("Connected to Home")});
    }
};

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"

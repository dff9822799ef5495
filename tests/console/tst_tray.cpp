#include "console/TrayBehaviour.h"
#include "console/frmStart.h"
#include "core/YesNo.h"
#include "platform/desktop/QtTray.h"
#include "support/FakeTray.h"
#include "support/TestProgram.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

namespace {
// Runs what the behaviour left for the event loop.
void settle() {
    QCoreApplication::sendPostedEvents();
}

using M = Tray::Message;

struct Rig {
    FakeTray* tray;
    TestProgram t;

    static Seams seams(FakeTray*& tr, bool available) {
        Seams s;
        auto p = std::make_unique<FakeTray>();
        p->available = available;
        tr = p.get();
        s.tray = std::move(p);
        return s;
    }
    explicit Rig(bool available = true) : t(seams(tray, available)) { console().show(); }
    Program& p() { return *t; }
    frmStart& console() { return t.ui().frmStart(); }
    bool shownNormal() { return console().isVisible() && !console().isMinimized(); }
    bool minimizedOnTaskbar() { return console().isVisible() && console().isMinimized(); }
};
} // namespace

class tst_tray : public QObject {
    Q_OBJECT
private slots:
    void prepare_sets_the_tip_and_menu_without_showing_the_icon() {
        Rig r;
        QCOMPARE(r.p().flags.gTrayTip, QStringLiteral("ModemTally"));
        QCOMPARE(r.tray->menu, ctl<QMenu>(r.console(), "mPopupSys"));
        QVERIFY(r.tray->requests.isEmpty());
        // A click opens the menu once.
        int restores = 0;
        QObject::connect(ctl<QMenu>(r.console(), "mPopupSys"), &QMenu::aboutToShow,
                         ctl<QMenu>(r.console(), "mPopupSys"), [&] { ++restores; });
        r.tray->click(Tray::Click::Right);
        QCOMPARE(restores, 1);
        ctl<QMenu>(r.console(), "mPopupSys")->hide();
    }

    void command1_adds_the_icon_and_hides_the_console() {
        Rig r;
        ctl<QPushButton>(r.console(), "Command1")->click();
        QCOMPARE(r.tray->requests, (QList<QPair<M, QString>>{{M::Add, QStringLiteral("ModemTally")}}));
        QVERIFY(!r.console().isVisible());
        // Again while the icon is there: add is sent again, the console stays hidden.
        TrayBehaviour::putInTray(r.p(), r.console());
        QCOMPARE(r.tray->requests.size(), 2);
        QCOMPARE(r.tray->requests[1].first, M::Add);
    }

    // Where the desktop has no tray, nothing could bring a hidden console back.
    void without_a_tray_the_console_is_only_minimized_data() {
        QTest::addColumn<int>("action");
        QTest::newRow("tray button") << 0;
        QTest::newRow("connected with tray on connect") << 1;
        QTest::newRow("hide from the menu") << 2;
        QTest::newRow("user minimizes") << 3;
    }
    void without_a_tray_the_console_is_only_minimized() {
        QFETCH(int, action);
        Rig r(false);
        r.p().settings.gTrayOnConnect = kTrue;
        switch (action) {
        case 0:
            TrayBehaviour::putInTray(r.p(), r.console());
            break;
        case 1:
            TrayBehaviour::connected(r.p(), r.console());
            break;
        case 2:
            TrayBehaviour::hideConsole(r.p(), r.console());
            break;
        case 3:
            r.console().showMinimized();
            break;
        }
        settle();
        QVERIFY(r.minimizedOnTaskbar());
        TrayBehaviour::restore(r.console());
        QVERIFY(r.shownNormal());
    }

    void minimizing_hides_only_when_the_icon_can_bring_it_back() {
        Rig r;
        r.console().showMinimized(); // no icon yet
        settle();
        QVERIFY(r.minimizedOnTaskbar());
        TrayBehaviour::restore(r.console());
        ctl<QPushButton>(r.console(), "Command1")->click();
        TrayBehaviour::restore(r.console());
        QVERIFY(r.shownNormal());
        r.console().showMinimized();
        settle();
        QVERIFY(!r.console().isVisible());
        TrayBehaviour::unload(r.p());
        QCOMPARE(r.tray->requests.last().first, M::Delete);
        TrayBehaviour::restore(r.console());
        r.console().showMinimized(); // the icon is gone again
        settle();
        QVERIFY(r.minimizedOnTaskbar());
    }

    void clicks_data() {
        QTest::addColumn<Tray::Click>("click");
        QTest::addColumn<bool>("exiting");
        QTest::addColumn<bool>("restores");
        QTest::addColumn<bool>("menu");
        QTest::newRow("left restores") << Tray::Click::Left << false << true << false;
        QTest::newRow("double restores") << Tray::Click::Double << false << true << false;
        QTest::newRow("right opens the menu") << Tray::Click::Right << false << false << true;
        QTest::newRow("left while exiting") << Tray::Click::Left << true << false << false;
        QTest::newRow("right while exiting") << Tray::Click::Right << true << false << false;
    }
    void clicks() {
        QFETCH(Tray::Click, click);
        QFETCH(bool, exiting);
        QFETCH(bool, restores);
        QFETCH(bool, menu);
        Rig r;
        ctl<QPushButton>(r.console(), "Command1")->click();
        QVERIFY(!r.console().isVisible());
        r.p().flags.gExiting = exiting;
        r.tray->click(click);
        QCOMPARE(r.shownNormal(), restores);
        QCOMPARE(ctl<QMenu>(r.console(), "mPopupSys")->isVisible(), menu);
        ctl<QMenu>(r.console(), "mPopupSys")->hide();
        QCOMPARE(r.tray->requests.size(), 1); // the icon stays
    }

    void menu_restore_and_hide() {
        Rig r;
        ctl<QPushButton>(r.console(), "Command1")->click();
        ctl<QAction>(r.console(), "mPopRestore")->trigger();
        QVERIFY(r.shownNormal());
        ctl<QAction>(r.console(), "mMin")->trigger();
        QVERIFY(!r.console().isVisible());
    }

    void tip_is_cut_to_63_characters() {
        Rig r;
        r.p().setTrayTip(QStringLiteral("Elapsed Time - 1 : 2 : 3"));
        const QString longTip(80, QLatin1Char('x'));
        r.p().setTrayTip(longTip);
        QCOMPARE(r.tray->requests,
                 (QList<QPair<M, QString>>{{M::Modify, QStringLiteral("Elapsed Time - 1 : 2 : 3")},
                                           {M::Modify, longTip.left(63)}}));
        QCOMPARE(r.p().flags.gTrayTip, longTip.left(63));
    }

    void on_connection_data() {
        QTest::addColumn<QString>("trayOnConnect");
        QTest::addColumn<QString>("minimizeOnConnect");
        QTest::addColumn<bool>("iconBefore");
        QTest::addColumn<bool>("added");
        QTest::addColumn<int>("state"); // 0 shown, 1 minimized on the taskbar, 2 hidden
        QTest::newRow("to the tray") << "true"
                                     << "true" << false << true << 2;
        QTest::newRow("minimized") << "false"
                                   << "true" << false << false << 1;
        QTest::newRow("minimized with the icon there") << "false"
                                                       << "true" << true << false << 2;
        QTest::newRow("stays") << "false"
                               << "false" << false << false << 0;
    }
    void on_connection() {
        QFETCH(QString, trayOnConnect);
        QFETCH(QString, minimizeOnConnect);
        QFETCH(bool, iconBefore);
        QFETCH(bool, added);
        QFETCH(int, state);
        Rig r;
        if (iconBefore) {
            TrayBehaviour::putInTray(r.p(), r.console());
            TrayBehaviour::restore(r.console());
            r.tray->requests.clear();
        }
        r.p().settings.gTrayOnConnect = trayOnConnect;
        r.p().settings.gMinimizeOnConnect = minimizeOnConnect;
        TrayBehaviour::connected(r.p(), r.console());
        settle();
        QCOMPARE(!r.tray->requests.isEmpty() && r.tray->requests[0].first == M::Add, added);
        const int now = r.shownNormal() ? 0 : r.minimizedOnTaskbar() ? 1 : r.console().isVisible() ? -1 : 2;
        QCOMPARE(now, state);
    }

    void qt_tray_maps_activations_and_cuts_the_tip() {
        QtTray tray;
        auto* icon = tray.findChild<QSystemTrayIcon*>();
        QVERIFY(icon);
        QSignalSpy spy(&tray, &Tray::clicked);
        emit icon->activated(QSystemTrayIcon::Trigger);
        emit icon->activated(QSystemTrayIcon::DoubleClick);
        emit icon->activated(QSystemTrayIcon::Context);
        emit icon->activated(QSystemTrayIcon::MiddleClick);
        QCOMPARE(spy.size(), 3);
        QCOMPARE(spy[0][0].value<Tray::Click>(), Tray::Click::Left);
        QCOMPARE(spy[1][0].value<Tray::Click>(), Tray::Click::Double);
        QCOMPARE(spy[2][0].value<Tray::Click>(), Tray::Click::Right);

        tray.send(Tray::Message::Add, QString(70, QLatin1Char('y')));
        QCOMPARE(tray.toolTip(), QString(63, QLatin1Char('y')));
        tray.send(Tray::Message::Modify, QStringLiteral("ModemTally"));
        QCOMPARE(tray.toolTip(), QStringLiteral("ModemTally"));
        QMenu menu;
        tray.setMenu(&menu);
        QCOMPARE(icon->contextMenu(), &menu);
        tray.send(Tray::Message::Delete, QStringLiteral("ModemTally"));
        QVERIFY(!tray.isShown());
    }
};

QTEST_MAIN(tst_tray)
#include "tst_tray.moc"

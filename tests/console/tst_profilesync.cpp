#include "config/frmConfig.h"
#include "console/frmDeleteProfile.h"
#include "console/frmStart.h"
#include "core/ProfileSync.h"
#include "monitor/frmHelpDelete.h"
#include "support/TestProgram.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
QStringList L(std::initializer_list<const char*> names) {
    QStringList out;
    for (const char* n : names)
        out << QLatin1String(n);
    return out;
}

const QString kDeletedText = QStringLiteral(
    "ModemTally has detected that you have deleted away some connection profiles. You are required to update "
    "the config");
const QString kCreatedText = QStringLiteral(
    "ModemTally has detected that you have created new DUN profile. You need to provide ModemTally "
    "with the new name of your connection profiles.");

QStringList profileNames(Program& p) {
    QStringList names;
    const auto& items = p.settings.gProfiles.items();
    for (qsizetype i = 0; i < items.size(); i += 4)
        names << items[i].key;
    return names;
}

// The program after reading a settings file with these profiles and enumerating these entries.
void prepare(Program& p, const QStringList& profiles, const QStringList& entries) {
    for (const QString& name : profiles) {
        p.settings.gProfiles.addProfile(name, name + QStringLiteral("-user"), QStringLiteral("secret"),
                                        QStringLiteral("dom"));
        p.fileProfiles << name;
    }
    p.listedEntries << entries;
}

QListWidgetItem* itemNamed(QListWidget* list, const QString& name) {
    const auto found = list->findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

// Runs `inside` while the modal dialog is open (from its own event loop), then reconciles.
void reconcileWithDialog(TestProgram& t, int fileCount, std::function<void(frmDeleteProfile&)> inside) {
    Windows& w = t.ui();
    QTimer::singleShot(0, &w.frmDeleteProfile(), [&w, inside] {
        frmDeleteProfile& d = w.frmDeleteProfile();
        QVERIFY(d.isVisible());
        QCOMPARE(QApplication::activeModalWidget(), &d);
        inside(d);
        if (d.isVisible())
            d.reject(); // the test's own safety net: never leave the loop running
    });
    reconcileProfiles(*t, fileCount);
}
} // namespace

class tst_profilesync : public QObject {
    Q_OBJECT
private slots:
    void counts_data() {
        QTest::addColumn<QStringList>("profiles");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QStringList>("after");
        const QStringList none;
        QTest::newRow("same count, an entry renamed outside: nothing said, old name kept")
            << L({"Home", "Work"}) << L({"Home", "Office"}) << none << L({"Home", "Work"});
        QTest::newRow("one deleted and one created: counts equal, nothing said")
            << L({"Home", "Work"}) << L({"Work", "Travel"}) << none << L({"Home", "Work"});
        QTest::newRow("two profiles, four entries: the two new entries become profiles")
            << L({"Home", "Work"}) << L({"Home", "Work", "Travel", "Backup"}) << QStringList{kCreatedText}
            << L({"Home", "Work", "Travel", "Backup"});
        QTest::newRow("a new entry listed before the old ones still becomes a profile")
            << L({"Home", "Work"}) << L({"Aardvark", "Home", "Work"}) << QStringList{kCreatedText}
            << L({"Home", "Work", "Aardvark"});
        QTest::newRow("an entry that is a profile in another letter case is not added again")
            << L({"Home"}) << L({"HOME", "Work"}) << QStringList{kCreatedText} << L({"Home", "Work"});
        QTest::newRow("no profiles yet, entries listed")
            << QStringList{} << L({"Home"}) << QStringList{kCreatedText} << L({"Home"});
        QTest::newRow("nothing at all") << none << none << none << none;
    }
    void counts() {
        QFETCH(QStringList, profiles);
        QFETCH(QStringList, entries);
        QFETCH(QStringList, boxes);
        QFETCH(QStringList, after);
        TestProgram t;
        prepare(*t, profiles, entries);
        reconcileProfiles(*t, int(profiles.size()));
        QCOMPARE(t.boxes->texts(), boxes);
        for (const Box& b : t.boxes->shown) {
            QCOMPARE(b.title, QStringLiteral("Updating ModemTally"));
            QCOMPARE(b.icon, BoxIcon::Critical);
            QCOMPARE(b.buttons, BoxButtons::Ok);
        }
        QCOMPARE(profileNames(*t), after);
        const ProfileStore& s = t->settings.gProfiles;
        for (const QString& name : after) {
            const bool old = profiles.contains(name);
            QCOMPARE(s.userName(name), old ? name + QStringLiteral("-user") : QString());
            QCOMPARE(s.password(name), old ? QStringLiteral("secret") : QString());
            QCOMPARE(s.domain(name), old ? QStringLiteral("dom") : QString());
        }
        QVERIFY(!t.ui().frmDeleteProfile().isVisible());
    }

    void deleted_entries_open_the_dialog_and_delete_in_ticking_order() {
        TestProgram t;
        prepare(*t, {QStringLiteral("Home"), QStringLiteral("Work"), QStringLiteral("Travel")},
                {QStringLiteral("Work")});
        bool ran = false;
        reconcileWithDialog(t, 3, [&](frmDeleteProfile& d) {
            ran = true;
            QCOMPARE(t.boxes->texts(), QStringList{kDeletedText});
            QCOMPARE(ctl<QListWidget>(d, "listUpdateProfiles")->count(), 3);
            itemNamed(ctl<QListWidget>(d, "listUpdateProfiles"), QStringLiteral("Travel"))
                ->setCheckState(Qt::Checked);
            itemNamed(ctl<QListWidget>(d, "listUpdateProfiles"), QStringLiteral("Home"))
                ->setCheckState(Qt::Checked);
            ctl<QPushButton>(d, "cmdDeleteProfile")->click();
        });
        QVERIFY(ran);
        QCOMPARE(t.boxes->texts(), (QStringList{kDeletedText, QStringLiteral("Deleting profile : Travel"),
                                                QStringLiteral("Deleting profile : Home")}));
        const Box deleting = t.boxes->shown.at(1);
        QCOMPARE(deleting.icon, BoxIcon::None);
        QCOMPARE(deleting.title, QStringLiteral("ModemTally"));
        QCOMPARE(profileNames(*t), QStringList{QStringLiteral("Work")});
        QCOMPARE(t->settings.gProfiles.size(), 4); // no credentials of a deleted profile are left
        QVERIFY(!t.ui().frmDeleteProfile().isVisible());
        QVERIFY(t.ui().frmStart().isVisible());
    }

    void ticking_keeps_order_and_ignores_case_and_unticks() {
        TestProgram t;
        t->fileProfiles =
            QStringList{QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")};
        frmDeleteProfile& d = t.ui().frmDeleteProfile();
        // A reader that makes the items checkable itself works as well.
        auto* ready = new QListWidgetItem(QStringLiteral("Delta"));
        ready->setFlags(ready->flags() | Qt::ItemIsUserCheckable);
        ready->setCheckState(Qt::Unchecked);
        ctl<QListWidget>(d, "listUpdateProfiles")->addItem(ready);
        for (int i = 0; i < ctl<QListWidget>(d, "listUpdateProfiles")->count(); ++i)
            QVERIFY(ctl<QListWidget>(d, "listUpdateProfiles")->item(i)->flags() & Qt::ItemIsUserCheckable);

        auto tick = [&](const char* n, Qt::CheckState s) {
            itemNamed(ctl<QListWidget>(d, "listUpdateProfiles"), QLatin1String(n))->setCheckState(s);
        };
        tick("Gamma", Qt::Checked);
        tick("Alpha", Qt::Checked);
        tick("Beta", Qt::Checked);
        tick("Alpha", Qt::Unchecked);
        tick("Delta", Qt::Unchecked); // never ticked: nothing to remove
        QCOMPARE(d.checkedNames(), (QStringList{QStringLiteral("Gamma"), QStringLiteral("Beta")}));
        QVERIFY(d.checkedprofile.contains(QStringLiteral("GAMMA")));
        tick("Alpha", Qt::Checked);
        QCOMPARE(d.checkedNames(),
                 (QStringList{QStringLiteral("Gamma"), QStringLiteral("Beta"), QStringLiteral("Alpha")}));
    }

    void ticked_then_unticked_deletes_nothing() {
        TestProgram t;
        prepare(*t, {QStringLiteral("Home"), QStringLiteral("Work")}, {});
        frmDeleteProfile& d = t.ui().frmDeleteProfile();
        itemNamed(ctl<QListWidget>(d, "listUpdateProfiles"), QStringLiteral("Home"))
            ->setCheckState(Qt::Checked);
        itemNamed(ctl<QListWidget>(d, "listUpdateProfiles"), QStringLiteral("Home"))
            ->setCheckState(Qt::Unchecked);
        d.cmdDeleteProfile_Click();
        QVERIFY(t.boxes->shown.isEmpty());
        QCOMPARE(profileNames(*t), (QStringList{QStringLiteral("Home"), QStringLiteral("Work")}));
    }

    void ignore_and_the_frame_close_delete_nothing_and_return() {
        for (const bool byFrame : {false, true}) {
            TestProgram t;
            prepare(*t, {QStringLiteral("Home"), QStringLiteral("Work")}, {});
            reconcileWithDialog(t, 2, [byFrame](frmDeleteProfile& d) {
                itemNamed(ctl<QListWidget>(d, "listUpdateProfiles"), QStringLiteral("Home"))
                    ->setCheckState(Qt::Checked);
                if (byFrame)
                    d.close();
                else
                    ctl<QPushButton>(d, "cmdUpdateCancel")->click();
                QVERIFY(!d.isVisible());
            });
            QCOMPARE(t.boxes->texts(), QStringList{kDeletedText});
            QCOMPARE(profileNames(*t), (QStringList{QStringLiteral("Home"), QStringLiteral("Work")}));
        }
    }

    void help_shows_the_clean_up_help_modally() {
        TestProgram t;
        frmDeleteProfile& d = t.ui().frmDeleteProfile();
        bool shown = false;
        QTimer::singleShot(0, &d, [&] {
            QVERIFY(t.ui().frmHelpDelete_loaded());
            shown = QApplication::activeModalWidget() == &t.ui().frmHelpDelete();
            ctl<QPushButton>(t.ui().frmHelpDelete(), "Command1")->click();
        });
        ctl<QPushButton>(d, "cmdUpdateHelp")->click();
        QVERIFY(shown);
        QVERIFY(!t.ui().frmHelpDelete_loaded());
    }
};

QTEST_MAIN(tst_profilesync)
#include "tst_profilesync.moc"

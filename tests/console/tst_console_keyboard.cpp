// The main console's keyboard: once a save has made Connect the default button, Enter presses it.
#include "FakeRas.h"
#include "TestProgram.h"
#include "config/frmConfig.h"
#include "console/frmStart.h"
#include "core/SettingsFile.h"
#include "core/YesNo.h"
#include "dialing/frmConnectNoDefault.h"
#include "dialing/frmPassword.h"
#include "monitor/frmAbout.h"

#include <QApplication>

#include <QListView>
#include <QPushButton>
#include <QTest>

namespace {
struct Fixture {
    FakeRas* ras = nullptr;
    std::unique_ptr<TestProgram> tp;

    Fixture() {
        auto r = std::make_unique<FakeRas>();
        ras = r.get();
        ras->entries = {QStringLiteral("Office")};
        Seams s;
        s.ras = std::move(r);
        tp = std::make_unique<TestProgram>(std::move(s));
        Program& p = **tp;
        p.settings.gProfiles.addProfile(QStringLiteral("Office"), QStringLiteral("alice"),
                                        QStringLiteral("pw"), QString());
        p.settings.gDefaultProfile = QStringLiteral("Office");
        p.settings.gConnectDefault = kTrue;
        p.settings.gPromptPassword = kFalse;
        tp->ui().frmStart().show();
    }
    Program& p() { return **tp; }
    Windows& w() { return tp->ui(); }
};

enum class Before { Nothing, Save, SaveThenDial, SaveFocusAbout, SaveCtrlEnter };
} // namespace

Q_DECLARE_METATYPE(Before)

class tst_console_keyboard : public QObject {
    Q_OBJECT
private slots:
    void enter_presses_the_default_connect_button_data() {
        QTest::addColumn<Before>("before");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("dials");
        QTest::addColumn<bool>("aboutShown");
        QTest::newRow("no save yet: not the default") << Before::Nothing << int(Qt::Key_Return) << 0 << false;
        QTest::newRow("after a save, Return") << Before::Save << int(Qt::Key_Return) << 1 << false;
        QTest::newRow("after a save, keypad Enter") << Before::Save << int(Qt::Key_Enter) << 1 << false;
        QTest::newRow("dialing: Connect disabled")
            << Before::SaveThenDial << int(Qt::Key_Return) << 1 << false;
        QTest::newRow("another button has the focus")
            << Before::SaveFocusAbout << int(Qt::Key_Return) << 0 << true;
        QTest::newRow("Ctrl+Return is not Enter")
            << Before::SaveCtrlEnter << int(Qt::Key_Return) << 0 << false;
    }
    void enter_presses_the_default_connect_button() {
        QFETCH(Before, before);
        QFETCH(int, key);
        QFETCH(int, dials);
        QFETCH(bool, aboutShown);
        Fixture f;
        frmStart& start = f.w().frmStart();
        if (before != Before::Nothing) {
            ctl<QPushButton>(f.w().frmConfig(), "cmdSave")->click();
            QVERIFY(ctl<QPushButton>(start, "cmdConnectDefault")->isDefault());
            QCOMPARE(ctl<QPushButton>(start, "cmdConnectDefault")->text(),
                     QStringLiteral("Connect to Office"));
        }
        if (before == Before::SaveThenDial) {
            ctl<QPushButton>(start, "cmdConnectDefault")->click();
            QVERIFY(!ctl<QPushButton>(start, "cmdConnectDefault")->isEnabled());
        }
        QWidget* target = ctl<QListView>(start, "listConnectionStatus");
        if (before == Before::SaveFocusAbout)
            target = ctl<QPushButton>(start, "cmdAbout");
        target->setFocus();
        const Qt::KeyboardModifiers mods =
            before == Before::SaveCtrlEnter ? Qt::ControlModifier : Qt::NoModifier;
        QTest::keyClick(target, Qt::Key(key), mods);
        QCOMPARE(f.ras->dials.size(), dials);
        if (dials > 0)
            QCOMPARE(f.ras->dials.first().entry, QStringLiteral("Office"));
        QCOMPARE(f.w().frmAbout_loaded() && f.w().frmAbout().isVisible(), aboutShown);
    }

    // The automatic dial opens its window during start-up, before the console appears; it must end
    // up in front of the console, not behind it.
    void automatic_dial_window_stays_in_front_of_the_console_data() {
        QTest::addColumn<QString>("connectDefault");
        QTest::addColumn<QString>("promptPassword");
        QTest::newRow("picker") << QStringLiteral("false") << QStringLiteral("false");
        QTest::newRow("password prompt") << QStringLiteral("true") << QStringLiteral("true");
    }
    void automatic_dial_window_stays_in_front_of_the_console() {
        QFETCH(QString, connectDefault);
        QFETCH(QString, promptPassword);
        auto r = std::make_unique<FakeRas>();
        r->entries = {QStringLiteral("Office")};
        Seams s;
        s.ras = std::move(r);
        TestProgram tp(std::move(s));
        Program& p = *tp;
        Windows& w = tp.ui();
        p.settings.gProfiles.addProfile(QStringLiteral("Office"));
        p.settings.gDefaultProfile = QStringLiteral("Office");
        p.settings.gConnectDefault = connectDefault;
        p.settings.gPromptPassword = promptPassword;
        p.settings.gAutoDial = kTrue;
        QVERIFY(SettingsFile::write(p));
        p.settings = Settings();
        w.startUp();
        QWidget* expected = connectDefault == QLatin1String("false")
                                ? static_cast<QWidget*>(&w.frmConnectNoDefault())
                                : static_cast<QWidget*>(&w.frmPassword());
        QVERIFY(w.frmStart().isVisible());
        QVERIFY(expected->isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::activeWindow(), expected);
    }
};

QTEST_MAIN(tst_console_keyboard)
#include "tst_console_keyboard.moc"

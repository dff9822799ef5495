// What a screen reader finds: every window's controls have names that say what they are, the Connect
// button reads as its caption, the profile checklist ticks through the Toggle action, and every window
// and the tray show the program's icon.
#include "config/frmCloseConfig.h"
#include "config/frmConfig.h"
#include "config/frmEditProfile.h"
#include "config/frmWarnNewConnection.h"
#include "console/frmDeleteProfile.h"
#include "console/frmStart.h"
#include "dialing/frmConnectNoDefault.h"
#include "dialing/frmDialSelected.h"
#include "dialing/frmPassword.h"
#include "monitor/frmAbout.h"
#include "monitor/frmCost.h"
#include "monitor/frmCreateShortcut.h"
#include "monitor/frmHelpDelete.h"
#include "monitor/frmHelpEdit.h"
#include "monitor/frmHelpStart.h"
#include "monitor/frmReminder.h"
#include "monitor/frmSound.h"
#include "monitor/frmTimerConsole.h"
#include "monitor/frmWarn.h"
#include "platform/desktop/QtTray.h"
#include "resources/AppIcon.h"
#include "support/TestProgram.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTest>

#include <algorithm>

namespace {

QWidget* openWindow(Windows& w, const QString& name) {
#define MT_WINDOW(T)                                                                                         \
    if (name == QLatin1String(#T))                                                                           \
        return &w.T();
    MT_WINDOW(frmStart)
    MT_WINDOW(frmDeleteProfile)
    MT_WINDOW(frmPassword)
    MT_WINDOW(frmConnectNoDefault)
    MT_WINDOW(frmDialSelected)
    MT_WINDOW(frmWarn)
    MT_WINDOW(frmReminder)
    MT_WINDOW(frmTimerConsole)
    MT_WINDOW(frmCost)
    MT_WINDOW(frmSound)
    MT_WINDOW(frmCreateShortcut)
    MT_WINDOW(frmAbout)
    MT_WINDOW(frmHelpStart)
    MT_WINDOW(frmHelpEdit)
    MT_WINDOW(frmHelpDelete)
    MT_WINDOW(frmConfig)
    MT_WINDOW(frmEditProfile)
    MT_WINDOW(frmCloseConfig)
    MT_WINDOW(frmWarnNewConnection)
#undef MT_WINDOW
    if (name == QLatin1String("trayMenu"))
        return w.frmStart().trayMenu();
    if (name == QLatin1String("frmHistory")) {
        w.showHistory();
        return w.historyWindow();
    }
    return nullptr;
}

// A control as a screen reader meets it: where it is and what it reads.
struct Reached {
    QString where; // the object names on the way, for the failure message
    QAccessibleInterface* iface;
};

// Every control a user can reach (focusable) or press (a button of any kind), below `iface`.
void walk(QAccessibleInterface* iface, const QString& where, QList<Reached>& out) {
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* c = iface->child(i);
        // A control hidden by its window is not there for anyone.
        if (!c ||
            (c->object() && c->object()->isWidgetType() && static_cast<QWidget*>(c->object())->isHidden()))
            continue;
        const QString here =
            where + QLatin1Char('/') +
            (c->object() && !c->object()->objectName().isEmpty() ? c->object()->objectName()
                                                                 : QStringLiteral("#%1").arg(i));
        const QAccessible::Role r = c->role();
        if (c->state().focusable || r == QAccessible::Button || r == QAccessible::CheckBox ||
            r == QAccessible::RadioButton || r == QAccessible::MenuItem)
            out << Reached{here, c};
        // A combo box is one control: its popup list is Qt's own.
        if (r != QAccessible::ComboBox)
            walk(c, here, out);
    }
}

bool hasLetter(const QString& s) {
    return std::any_of(s.cbegin(), s.cend(), [](QChar c) { return c.isLetter(); });
}

} // namespace

class tst_accessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        qputenv("MODEMTALLY_MODULE_DIR", MT_MODULE_DIR);
        QApplication::setWindowIcon(appIcon()); // as the program does at start-up
    }

    void every_control_has_a_name_data() {
        QTest::addColumn<QString>("window");
        for (const char* w : {"frmStart",
                              "trayMenu",
                              "frmDeleteProfile",
                              "frmPassword",
                              "frmConnectNoDefault",
                              "frmDialSelected",
                              "frmWarn",
                              "frmReminder",
                              "frmTimerConsole",
                              "frmCost",
                              "frmSound",
                              "frmCreateShortcut",
                              "frmAbout",
                              "frmHelpStart",
                              "frmHelpEdit",
                              "frmHelpDelete",
                              "frmConfig",
                              "frmEditProfile",
                              "frmCloseConfig",
                              "frmWarnNewConnection",
                              "frmHistory"})
            QTest::newRow(w) << QString::fromLatin1(w);
    }
    void every_control_has_a_name() {
        QFETCH(QString, window);
        TestProgram t;
        t->fileProfiles << QStringLiteral("Office") << QStringLiteral("Home");
        t->listedEntries << QStringLiteral("Office") << QStringLiteral("Home");
        QWidget* w = openWindow(t.ui(), window);
        QVERIFY2(w, qPrintable(t.boxes->texts().join(QLatin1Char('\n'))));

        QList<Reached> reached;
        walk(QAccessible::queryAccessibleInterface(w), window, reached);
        QVERIFY(!reached.isEmpty());
        QStringList faults;
        QHash<QString, QString> byName; // a control's name -> where it is
        for (const Reached& r : std::as_const(reached)) {
            QString name = r.iface->text(QAccessible::Name);
            // On Linux a combo box reads as its choice; its name is the label it is labelled by.
            if (r.iface->role() == QAccessible::ComboBox) {
                const auto by = r.iface->relations(QAccessible::Label);
                if (!by.isEmpty())
                    name = by.constFirst().first->text(QAccessible::Name);
            }
            // A sign or a point ("$", " .") beside a field is no name; an item reads as what it holds
            // (a folder may be "/").
            if (r.iface->object() ? !hasLetter(name) : name.isEmpty())
                faults << r.where + QStringLiteral(" is named \"") + name + QLatin1Char('"');
            // Two fields in a group named after the group's title read the same: the user cannot
            // tell them apart. (Items of a list or a table may repeat.)
            if (r.iface->object()) {
                const QString other = byName.value(name);
                if (!other.isEmpty())
                    faults << r.where + QStringLiteral(" and ") + other + QStringLiteral(" are both \"") +
                                  name + QLatin1Char('"');
                byName.insert(name, r.where);
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        // The program's icon, as on every window: none has an icon of its own.
        QCOMPARE(w->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    }

    void cost_fields_say_what_they_hold_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("word");
        QTest::newRow("cost dollars") << QStringLiteral("textVarDollar") << QStringLiteral("Dollars");
        QTest::newRow("cost cents") << QStringLiteral("textVarCent") << QStringLiteral("Cents");
        QTest::newRow("free hours") << QStringLiteral("textFreeHour") << QStringLiteral("hours");
        QTest::newRow("free minutes") << QStringLiteral("textFreeMinute") << QStringLiteral("minutes");
    }
    void cost_fields_say_what_they_hold() {
        QFETCH(QString, field);
        QFETCH(QString, word);
        TestProgram t;
        auto* edit = ctl<QLineEdit>(t.ui().frmConfig(), qPrintable(field));
        const QString name = QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name);
        QVERIFY2(name.contains(word) && name.length() < 40, qPrintable(name));
    }

    void connect_reads_its_caption() {
        TestProgram t;
        auto* connect = ctl<QPushButton>(t.ui().frmStart(), "cmdConnectDefault");
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(connect);
        QCOMPARE(i->text(QAccessible::Name), QStringLiteral("Connect"));
        t->setConnectCaption(QStringLiteral("Connect to Office"));
        QCOMPARE(i->text(QAccessible::Name), QStringLiteral("Connect to Office"));
        QCOMPARE(i->text(QAccessible::Description), connect->toolTip());
    }

    void checklist_ticks_by_toggle() {
        TestProgram t;
        t->fileProfiles << QStringLiteral("Home") << QStringLiteral("Office") << QStringLiteral("Travel");
        frmDeleteProfile& d = t.ui().frmDeleteProfile();
        auto* list = ctl<QListWidget>(d, "listUpdateProfiles");
        QAccessibleInterface* li = QAccessible::queryAccessibleInterface(list);
        QCOMPARE(li->role(), QAccessible::List);
        QCOMPARE(li->childCount(), 3);
        QAccessibleInterface* office = li->child(1);
        QCOMPARE(office->text(QAccessible::Name), QStringLiteral("Office"));
        QCOMPARE(li->indexOfChild(office), 1);
        QVERIFY(office->state().checkable);
        QVERIFY(!office->state().checked);
        QVERIFY(
            office->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));

        // Toggle ticks and unticks the item, as its box does, and selects nothing.
        auto toggle = [&](int row) {
            li->child(row)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        };
        toggle(1);
        toggle(2);
        QVERIFY(office->state().checked);
        QCOMPARE(list->item(1)->checkState(), Qt::Checked);
        QVERIFY(list->selectedItems().isEmpty());
        toggle(1);
        QVERIFY(!office->state().checked);
        QCOMPARE(d.checkedNames(), QStringList{QStringLiteral("Travel")});

        // The keyboard still ticks the current item; SetFocus makes an item current.
        li->child(0)->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        QCOMPARE(list->currentRow(), 0);
        QTest::keyClick(list->viewport(), Qt::Key_Space);
        QVERIFY(li->child(0)->state().checked);
        QCOMPARE(d.checkedNames(), (QStringList{QStringLiteral("Travel"), QStringLiteral("Home")}));

        // A row that goes takes its item with it; the others keep theirs.
        QAccessibleInterface* home = li->child(0);
        delete list->takeItem(0);
        QVERIFY(!home->isValid());
        QCOMPARE(li->child(0), office);
        QCOMPARE(li->indexOfChild(office), 0);

        ctl<QPushButton>(d, "cmdDeleteProfile")->click();
        QCOMPARE(t.boxes->texts(), (QStringList{QStringLiteral("Deleting profile : Travel"),
                                                QStringLiteral("Deleting profile : Home")}));
    }

    void tray_shows_the_program() {
        TestProgram t;
        t.ui().frmStart();
        QtTray tray;
        tray.send(Tray::Message::Add, QStringLiteral("ModemTally"));
        auto* icon = tray.findChild<QSystemTrayIcon*>();
        QVERIFY(icon);
        QCOMPARE(icon->icon().pixmap(32).toImage(), appIcon().pixmap(32).toImage());
    }
};

QTEST_MAIN(tst_accessibility)
#include "tst_accessibility.moc"

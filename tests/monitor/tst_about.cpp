#include "monitor/frmAbout.h"
#include "monitor/frmHelpDelete.h"
#include "monitor/frmHelpEdit.h"
#include "monitor/frmHelpStart.h"
#include "platform/LinuxSysInfo.h"
#include "support/FakeSysInfo.h"
#include "support/TestProgram.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
void makeProgram(const QString& path, bool executable) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\nexit 0\n");
    f.close();
    QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        p |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    QVERIFY(f.setPermissions(p));
}
} // namespace

class tst_about : public QObject {
    Q_OBJECT
private slots:
    void about_box_shows_the_build() {
        TestProgram t;
        frmAbout& a = t.ui().frmAbout();
        QCOMPARE(a.windowTitle(), QStringLiteral("About ModemTally"));
        QCOMPARE(ctl<QLabel>(a, "lblTitle")->text(), QStringLiteral("ModemTally Deluxe " MT_VERSION));
        QCOMPARE(ctl<QLabel>(a, "lblVersion")->text(), QStringLiteral("Version : " MT_VERSION));
        QCOMPARE(ctl<QLabel>(a, "lblReleaseDate")->text(), QStringLiteral("Release Date : " MT_RELEASE_DATE));
        QCOMPARE(ctl<QPushButton>(a, "cmdSysInfo")->text(), QStringLiteral("&System Info"));
        ctl<QPushButton>(a, "cmdOK")->click();
        QVERIFY(!t.ui().frmAbout_loaded());
    }

    void system_info_data() {
        QTest::addColumn<bool>("available");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("a program is there: it starts, nothing said") << true << QStringList();
        QTest::newRow("none there: the box")
            << false << QStringList{QStringLiteral("System Information Is Unavailable At This Time")};
    }
    void system_info() {
        QFETCH(bool, available);
        QFETCH(QStringList, boxes);
        Seams s;
        auto info = std::make_unique<FakeSysInfo>(available);
        FakeSysInfo* counting = info.get();
        s.sysInfo = std::move(info);
        TestProgram t(std::move(s));
        ctl<QPushButton>(t.ui().frmAbout(), "cmdSysInfo")->click();
        QCOMPARE(counting->calls, 1);
        QCOMPARE(t.boxes->texts(), boxes);
        for (const Box& b : t.boxes->shown) {
            QCOMPARE(b.icon, BoxIcon::None);
            QCOMPARE(b.buttons, BoxButtons::Ok);
            QCOMPARE(b.title, QStringLiteral("ModemTally"));
        }
        QVERIFY(t.ui().frmAbout_loaded());
    }

    void system_info_program_is_looked_up_on_the_path() {
        QTemporaryDir bin;
        makeProgram(bin.filePath(QStringLiteral("kinfocenter")), true);
        makeProgram(bin.filePath(QStringLiteral("hardinfo")), true);
        makeProgram(bin.filePath(QStringLiteral("hardinfo2")), false); // there but not runnable
        const LinuxSysInfo info(LinuxSysInfo::knownPrograms(), {bin.path()});
        QCOMPARE(info.findPrograms(), (QStringList{bin.filePath(QStringLiteral("hardinfo")),
                                                   bin.filePath(QStringLiteral("kinfocenter"))}));
        QTemporaryDir empty;
        LinuxSysInfo none(LinuxSysInfo::knownPrograms(), {empty.path()});
        QVERIFY(none.findPrograms().isEmpty());
        QVERIFY(!none.start());
    }

    void help_windows_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<bool>("modal");
        QTest::addColumn<QString>("mustSay");
        QTest::newRow("main console help") << 0 << false << "The Scan Button";
        QTest::newRow("profile editor help") << 1 << true << "Modifying your connection profile";
        QTest::newRow("profile clean-up help") << 2 << true << "Follow the steps below :";
    }
    void help_windows() {
        QFETCH(int, which);
        QFETCH(bool, modal);
        QFETCH(QString, mustSay);
        TestProgram t;
        Windows& windows = t.ui();
        QDialog* w = which == 0   ? static_cast<QDialog*>(&windows.frmHelpStart())
                     : which == 1 ? static_cast<QDialog*>(&windows.frmHelpEdit())
                                  : static_cast<QDialog*>(&windows.frmHelpDelete());
        QCOMPARE(w->windowTitle(), QStringLiteral("ModemTally Help"));
        QCOMPARE(w->isModal(), modal);
        QString said;
        for (const QWidget* c : w->findChildren<QWidget*>()) {
            if (auto* l = qobject_cast<const QLabel*>(c))
                said += l->text();
            said += c->property("title").toString();
        }
        QVERIFY2(said.contains(mustSay), qPrintable(said));
        auto* close = w->findChild<QPushButton*>(QStringLiteral("Command1"));
        QVERIFY(close);
        QCOMPARE(close->toolTip(), QStringLiteral("Close"));
        QCOMPARE(close->accessibleName(), QStringLiteral("Close"));
        w->show();
        close->click();
        const bool loaded = which == 0   ? windows.frmHelpStart_loaded()
                            : which == 1 ? windows.frmHelpEdit_loaded()
                                         : windows.frmHelpDelete_loaded();
        QVERIFY(!loaded);
    }
};

QTEST_MAIN(tst_about)
#include "tst_about.moc"

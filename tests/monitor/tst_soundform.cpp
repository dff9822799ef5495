#include "monitor/SoundLists.h"
#include "monitor/frmSound.h"
#include "support/FakeSound.h"
#include "support/TestProgram.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {
const QString kNotSelected = QStringLiteral("You have chosen custom sound but have not selected any sound "
                                            "file to be played. Do you wish to continue?");

struct Fixture {
    QTemporaryDir drive; // stands for a mounted drive
    FakeSound* sound = nullptr;
    std::unique_ptr<TestProgram> t;
    frmSound* w = nullptr;

    Fixture() {
        for (const char* f : {"A/a1.wav", "A/a2.wav", "B/b1.wav", "B/deep/x.txt", "root.WAV"}) {
            const QString path = drive.path() + QLatin1Char('/') + QLatin1String(f);
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            (void)file.open(QIODevice::WriteOnly);
        }
        Seams s;
        auto rs = std::make_unique<FakeSound>();
        sound = rs.get();
        s.sound = std::move(rs);
        t = std::make_unique<TestProgram>(std::move(s));
        w = &t->ui().frmSound();
        const QString root = drive.path();
        w->driveRootOf = [root](const QString& p) { return p.startsWith(root) ? root : QStringLiteral("/"); };
        ctl<DirListBox>(*w, "dirList")->setPath(root + QStringLiteral("/B/deep"));
    }
    QString path(const char* rel) const { return drive.path() + QLatin1Char('/') + QLatin1String(rel); }
    QStringList found() const {
        QStringList out;
        for (int i = 0; i < ctl<QListWidget>(*w, "lstFoundFiles")->count(); ++i)
            out << ctl<QListWidget>(*w, "lstFoundFiles")->item(i)->text();
        return out;
    }
    void highlightFound(int row) {
        ctl<QListWidget>(*w, "lstFoundFiles")->setCurrentRow(row);
        ctl<QListWidget>(*w, "lstFoundFiles")->item(row)->setSelected(true);
    }
};
} // namespace

class tst_soundform : public QObject {
    Q_OBJECT
private slots:
    void options_set_the_setting_and_the_frame() {
        Fixture f;
        ctl<QRadioButton>(*f.w, "optionPlayCustomSound")->setChecked(true);
        QCOMPARE(f.t->program->settings.gUseDefaultSound, QStringLiteral("false"));
        QVERIFY(!ctl<QGroupBox>(*f.w, "frameCustom")->isHidden());
        ctl<QRadioButton>(*f.w, "optionPlayDefaultSound")->setChecked(true);
        QCOMPARE(f.t->program->settings.gUseDefaultSound, QStringLiteral("true"));
        QVERIFY(ctl<QGroupBox>(*f.w, "frameCustom")->isHidden());
    }

    void search_covers_the_whole_drive_from_a_deep_folder() {
        Fixture f;
        QVERIFY(!ctl<QPushButton>(*f.w, "cmdExit")->isEnabled());
        f.w->cmdSearch_Click();
        QVERIFY(f.w->searching());
        QVERIFY(ctl<QPushButton>(*f.w, "cmdExit")->isEnabled());
        QCOMPARE(ctl<QPushButton>(*f.w, "cmdExit")->text(), QStringLiteral("Cancel"));
        f.w->finishSearchNow();
        QCOMPARE(f.found(), (QStringList{f.path("B/b1.wav"), f.path("A/a1.wav"), f.path("A/a2.wav"),
                                         f.path("root.WAV")}));
        QCOMPARE(ctl<QLabel>(*f.w, "lblCount")->text(), QStringLiteral(" 4"));
        QCOMPARE(ctl<QPushButton>(*f.w, "cmdSearch")->text(), QStringLiteral("&Reset"));
        QVERIFY(!ctl<QPushButton>(*f.w, "cmdExit")->isEnabled());
        QCOMPARE(ctl<DirListBox>(*f.w, "dirList")->path(), f.drive.path());
        QCOMPARE(ctl<FileListBox>(*f.w, "filList")->pattern(), QStringLiteral("*.wav"));
        QCOMPARE(ctl<FileListBox>(*f.w, "filList")->count(), 1); // root.WAV
        // "&Reset" clears the list and the count.
        f.w->cmdSearch_Click();
        QCOMPARE(ctl<QListWidget>(*f.w, "lstFoundFiles")->count(), 0);
        QCOMPARE(ctl<QLabel>(*f.w, "lblCount")->text(), QStringLiteral("0"));
        QCOMPARE(ctl<QPushButton>(*f.w, "cmdSearch")->text(), QStringLiteral("&Search"));
        QCOMPARE(ctl<DirListBox>(*f.w, "dirList")->path(), QDir::currentPath());
    }

    void a_highlighted_folder_is_opened_first() {
        Fixture f;
        ctl<DirListBox>(*f.w, "dirList")->setPath(f.drive.path());
        // The item of the folder "A" (indented); the temporary folder's own name may end in "A" too.
        QList<QListWidgetItem*> items;
        for (QListWidgetItem* item :
             ctl<DirListBox>(*f.w, "dirList")->findItems(QStringLiteral("A"), Qt::MatchEndsWith)) {
            if (item->text().trimmed() == QLatin1String("A"))
                items.append(item);
        }
        QCOMPARE(items.size(), 1);
        ctl<DirListBox>(*f.w, "dirList")->setCurrentItem(items.first());
        f.w->cmdSearch_Click();
        QVERIFY(!f.w->searching());
        QCOMPARE(ctl<DirListBox>(*f.w, "dirList")->path(), f.path("A"));
        QCOMPARE(ctl<FileListBox>(*f.w, "filList")->count(), 2); // dirList drives the file list
        f.w->cmdSearch_Click();
        QVERIFY(f.w->searching());
    }

    void cancel_keeps_the_entries_found() {
        Fixture f;
        f.w->cmdSearch_Click();
        int guard = 0;
        while (ctl<QListWidget>(*f.w, "lstFoundFiles")->count() == 0 && ++guard < 100)
            f.w->searchSlice(1);
        ctl<QPushButton>(*f.w, "cmdExit")->click();
        f.w->searchSlice(1);
        QVERIFY(!f.w->searching());
        QCOMPARE(f.found(), QStringList{f.path("B/b1.wav")});
        QCOMPARE(ctl<QLabel>(*f.w, "lblCount")->text(), QStringLiteral(" 1"));
        QCOMPARE(ctl<QPushButton>(*f.w, "cmdSearch")->text(), QStringLiteral("&Reset"));
    }

    void a_full_list_abandons_the_search() {
        Fixture f;
        f.w->setFoundListLimit(3);
        f.w->cmdSearch_Click();
        f.w->finishSearchNow();
        QCOMPARE(f.t->boxes->texts(),
                 QStringList{QStringLiteral("You've filled the list box. Abandoning search...")});
        QCOMPARE(f.t->boxes->shown.first().title, QStringLiteral("ModemTally"));
        QCOMPARE(ctl<QListWidget>(*f.w, "lstFoundFiles")->count(), 3);
    }

    void select_sample_and_clear() {
        Fixture f;
        Settings& s = f.t->program->settings;
        ctl<QLineEdit>(*f.w, "textSelectedSound")->setText(QStringLiteral("none"));
        f.w->cmdPlayThisSound_Click(); // nothing highlighted: nothing changes
        f.w->cmdSampleSound_Click();
        QCOMPARE(ctl<QLineEdit>(*f.w, "textSelectedSound")->text(), QStringLiteral("none"));
        QCOMPARE(s.gCustomSoundFile, QStringLiteral("none"));
        QVERIFY(f.sound->played.isEmpty());

        f.w->cmdSearch_Click();
        f.w->finishSearchNow();
        f.highlightFound(2);
        ctl<QPushButton>(*f.w, "cmdSampleSound")->click();
        QCOMPARE(f.sound->played, QStringList{f.path("A/a2.wav")});
        ctl<QPushButton>(*f.w, "cmdPlayThisSound")->click();
        QCOMPARE(ctl<QLineEdit>(*f.w, "textSelectedSound")->text(), f.path("A/a2.wav"));
        QCOMPARE(s.gCustomSoundFile, f.path("A/a2.wav"));
        ctl<QPushButton>(*f.w, "cmdClearCustom")->click();
        QCOMPARE(ctl<QLineEdit>(*f.w, "textSelectedSound")->text(), QStringLiteral("none"));
        QCOMPARE(s.gCustomSoundFile, QStringLiteral("none"));
    }

    void ok_button_data() {
        QTest::addColumn<bool>("useDefault");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("answer"); // -1: no question expected
        QTest::addColumn<bool>("staysOpen");
        QTest::addColumn<QString>("customAfter");
        QTest::newRow("standard sound: closes") << true << "none" << -1 << false << "kept.wav";
        QTest::newRow("custom file chosen: closes") << false << "/x/y.wav" << -1 << false << "kept.wav";
        QTest::newRow("custom without a file, No: stays open")
            << false << "none" << int(BoxAnswer::No) << true << "kept.wav";
        QTest::newRow("custom without a file, Yes: closes, no file")
            << false << "none" << int(BoxAnswer::Yes) << false << "none";
    }
    void ok_button() {
        QFETCH(bool, useDefault);
        QFETCH(QString, selected);
        QFETCH(int, answer);
        QFETCH(bool, staysOpen);
        QFETCH(QString, customAfter);
        Fixture f;
        f.t->program->settings.gCustomSoundFile = QStringLiteral("kept.wav");
        (useDefault ? ctl<QRadioButton>(*f.w, "optionPlayDefaultSound")
                    : ctl<QRadioButton>(*f.w, "optionPlayCustomSound"))
            ->setChecked(true);
        ctl<QLineEdit>(*f.w, "textSelectedSound")->setText(selected);
        f.w->show();
        if (answer >= 0)
            f.t->boxes->answerNext(BoxAnswer(answer));
        ctl<QPushButton>(*f.w, "cmdSoundOK")->click();
        if (answer >= 0) {
            QCOMPARE(f.t->boxes->shown.size(), 1);
            const Box b = f.t->boxes->shown.first();
            QCOMPARE(b, (Box{kNotSelected, QStringLiteral("Custom Sound not Selected"), BoxIcon::Information,
                             BoxButtons::YesNo}));
        } else {
            QVERIFY(f.t->boxes->shown.isEmpty());
        }
        QCOMPARE(f.w->isVisible(), staysOpen);
        QCOMPARE(f.t->program->settings.gCustomSoundFile, customAfter);
    }

    void an_unreadable_drive_returns_to_the_previous_one() {
        Fixture f;
        const QString before = ctl<DirListBox>(*f.w, "dirList")->path();
        ctl<DriveListBox>(*f.w, "drvList")->setDrive(f.path("no-such-mount"));
        f.w->drvList_Change();
        QCOMPARE(ctl<DirListBox>(*f.w, "dirList")->path(), before);
        QCOMPARE(ctl<DriveListBox>(*f.w, "drvList")->drive(), f.drive.path());
        QVERIFY(f.t->boxes->shown.isEmpty());
    }

    // The window system hides the window when it is minimised or its virtual desktop is left: the
    // search goes on and finds the whole drive. Closing the window stops it.
    void only_closing_the_window_stops_the_search_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("found");
        QTest::newRow("minimised") << "minimised" << 4;
        QTest::newRow("minimised and restored") << "restored" << 4;
        QTest::newRow("closed") << "closed" << 0;
    }
    void only_closing_the_window_stops_the_search() {
        QFETCH(QString, how);
        QFETCH(int, found);
        Fixture f;
        f.w->show();
        f.w->findChild<QPushButton*>(QStringLiteral("cmdSearch"))->click();
        QVERIFY(f.w->searching());
        if (how == QLatin1String("closed")) {
            f.w->close();
        } else {
            f.w->showMinimized();
            QVERIFY(f.w->isMinimized());
            if (how == QLatin1String("restored"))
                f.w->showNormal();
        }
        f.w->finishSearchNow();
        QVERIFY(!f.w->searching());
        QCOMPARE(f.w->findChild<QListWidget*>(QStringLiteral("lstFoundFiles"))->count(), found);
    }

    void hiding_the_window_stops_the_search() {
        Fixture f;
        f.w->show();
        f.w->cmdSearch_Click();
        f.w->hide();
        f.w->searchSlice();
        QVERIFY(!f.w->searching());
        QCOMPARE(ctl<QListWidget>(*f.w, "lstFoundFiles")->count(), 0);
    }
};

QTEST_MAIN(tst_soundform)
#include "tst_soundform.moc"

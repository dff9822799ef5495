// The simulator's phone book file and its entry dialogs: reading, writing, the sample, and
// CreateEntry/EditEntry saving the file.
#include "platform/ras/sim/SimEntryDialog.h"
#include "platform/ras/sim/SimRasControl.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void writeAll(const QString& path, const QString& text) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(text.toUtf8());
}

// The repository's samples folder, found from this source file's path (relative paths are relative
// to the build folder, one level above the test executable).
QString samplePath() {
    QString src = QStringLiteral(__FILE__);
    if (QFileInfo(src).isRelative())
        src = QCoreApplication::applicationDirPath() + QStringLiteral("/../") + src;
    return QFileInfo(src).absolutePath() + QStringLiteral("/../../samples/phonebook.ini");
}

QStringList enumerated(SimRasControl& ras) {
    QSignalSpy spy(&ras, &RasControl::EnumEntry);
    ras.EnumEntries();
    QStringList names;
    for (const auto& args : spy)
        names << args.at(0).toString();
    return names;
}

const QString kUserFile = QStringLiteral("# my lines\r\n"
                                         "[Zeta]\r\n"
                                         "  number = 555 1 \r\n"
                                         "; a note inside\r\n"
                                         "OUTCOMES=Busy,No-Carrier , connected\r\n"
                                         "stepms=10,20\r\n"
                                         "\r\n"
                                         "[Alpha]\r\n"
                                         "DropAfter=never\r\n"
                                         "username=joe\r\n"
                                         "; the end\r\n");

} // namespace

class tst_simphonebook : public QObject {
    Q_OBJECT
private slots:
    void sample_file_is_the_built_in_phone_book() {
        const QString path = samplePath();
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QCOMPARE(readAll(path), SimPhoneBook::sampleText());
    }

    void writing_keeps_order_comments_and_the_canonical_form() {
        // The sample is written in the form the writer produces, so it survives a rewrite unchanged.
        QCOMPARE(SimPhoneBook::sample().toText(), SimPhoneBook::sampleText());

        SimPhoneBook book;
        QString error;
        QVERIFY2(SimPhoneBook::parse(kUserFile, QStringLiteral("test"), &book, &error), qPrintable(error));
        QCOMPARE(book.entries.size(), 2);
        const SimEntry& zeta = book.entries.at(0);
        QCOMPARE(zeta.name, QStringLiteral("Zeta"));
        QCOMPARE(zeta.number, QStringLiteral("555 1"));
        QCOMPARE(zeta.outcomes,
                 (QList<SimOutcome>{SimOutcome::Busy, SimOutcome::NoCarrier, SimOutcome::Connect}));
        QCOMPARE(zeta.stepMs, (QList<int>{10, 20}));
        const SimEntry& alpha = book.entries.at(1);
        QCOMPARE(alpha.dropAfterSeconds, 0);
        QCOMPARE(alpha.stepMs, QList<int>{SimEntry::kDefaultStepMs});
        QVERIFY(!alpha.acceptsCredentials(QStringLiteral("joe"), QStringLiteral("x")));
        QVERIFY(alpha.acceptsCredentials(QStringLiteral("joe"), QString()));
        QCOMPARE(book.toText(), QStringLiteral("# my lines\n"
                                               "; a note inside\n"
                                               "[Zeta]\n"
                                               "Number=555 1\n"
                                               "Outcomes=busy, no carrier, connect\n"
                                               "StepMs=10, 20\n"
                                               "\n"
                                               "[Alpha]\n"
                                               "Number=\n"
                                               "Outcomes=connect\n"
                                               "StepMs=500\n"
                                               "UserName=joe\n"
                                               "Password=\n"
                                               "\n"
                                               "; the end\n"));
        QVERIFY2(SimPhoneBook::parse(QChar(0xFEFF) + QStringLiteral("[A]\n"), QStringLiteral("bom"), &book,
                                     &error),
                 qPrintable(error)); // a byte-order mark in front is not part of the text
        QCOMPARE(book.entries.first().name, QStringLiteral("A"));
        QVERIFY(SimPhoneBook::parse(kUserFile, QStringLiteral("test"), &book, &error));

        SimPhoneBook again;
        QVERIFY(SimPhoneBook::parse(book.toText(), QStringLiteral("again"), &again, &error));
        QCOMPARE(again.toText(), book.toText());
    }

    void a_long_phone_book_keeps_only_its_own_comments_per_entry() {
        // Entries without comments, as a generated phone book has them: each one once kept a copy of
        // the reader's list of pending lines, whose room grew with every entry read (1,000 entries
        // held 15 MB).
        constexpr int kEntries = 2000;
        QString text;
        for (int i = 0; i < kEntries; ++i) {
            if (i % 500 == 0)
                text += QStringLiteral("; line %1\n").arg(i);
            text += QStringLiteral("[Line %1]\nNumber=%1\n\n").arg(i);
        }
        SimPhoneBook book;
        QString error;
        QVERIFY2(SimPhoneBook::parse(text, QStringLiteral("long"), &book, &error), qPrintable(error));
        QCOMPARE(book.entries.size(), kEntries);
        for (int i = 0; i < kEntries; ++i) {
            const QStringList& comments = book.entries.at(i).comments;
            QCOMPARE(comments,
                     i % 500 == 0 ? QStringList{QStringLiteral("; line %1").arg(i)} : QStringList());
            QVERIFY2(comments.capacity() <= 16,
                     qPrintable(
                         QStringLiteral("entry %1 keeps room for %2 lines").arg(i).arg(comments.capacity())));
        }
    }

    // Each entry is checked against the ones before it: a name given twice (letter case ignored, in
    // any script) is refused at the later entry's line, after the checks of the name itself.
    void duplicate_names_are_refused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error"); // empty: read
        QTest::newRow("different names") << "[Alpha]\n[Beta]\n"
                                         << "";
        QTest::newRow("same name") << "[Alpha]\n\n[Alpha]\n"
                                   << "t, line 3: There is already an entry called \"Alpha\".";
        QTest::newRow("another letter case") << "[Alpha]\n[Beta]\n[aLPHA]\n"
                                             << "t, line 3: There is already an entry called \"Alpha\".";
        QTest::newRow("letter case beyond ASCII")
            << "[\u00c4rger \u03a3]\n[\u00e4RGER \u03c3]\n"
            << "t, line 2: There is already an entry called \"\u00c4rger \u03a3\".";
        QTest::newRow("sharp s is no ss") << "[Stra\u00dfe]\n[STRASSE]\n"
                                          << "";
        QTest::newRow("a bad name is told first")
            << "[Alpha]\n[Alpha[]\n"
            << "t, line 2: An entry name cannot hold [, ] or line breaks.";
        QTest::newRow("the duplicate is told before the settings")
            << "[Alpha]\n[ALPHA]\nNumber=5\x01 5\n"
            << "t, line 2: There is already an entry called \"Alpha\".";
        QTest::newRow("then the settings")
            << "[Alpha]\n[Beta]\nNumber=5\x01 5\n"
            << "t, line 2: The phone number, user name and password cannot hold "
               "line breaks.";
    }
    void duplicate_names_are_refused() {
        QFETCH(QString, text);
        QFETCH(QString, error);
        SimPhoneBook book;
        QString got;
        QCOMPARE(SimPhoneBook::parse(text, QStringLiteral("t"), &book, &got), error.isEmpty());
        QCOMPARE(got, error);
        for (qsizetype i = 0; i < book.entries.size(); ++i)
            QCOMPARE(book.problemWith(book.entries.at(i), int(i)), QString());
    }

    void outcome_words_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<SimOutcome>>("outcomes");
        QTest::addColumn<bool>("valid");
        using O = SimOutcome;
        QTest::newRow("canonical")
            << QStringLiteral("connect, busy, no carrier, no dial tone, authentication failure")
            << QList<O>{O::Connect, O::Busy, O::NoCarrier, O::NoDialTone, O::AuthFailure} << true;
        QTest::newRow("loose spelling")
            << QStringLiteral(" BUSY ,no_carrier,NoDialTone,auth failure")
            << QList<O>{O::Busy, O::NoCarrier, O::NoDialTone, O::AuthFailure} << true;
        QTest::newRow("empty") << QString() << QList<O>{} << false;
        QTest::newRow("gap between commas") << QStringLiteral("busy,,connect") << QList<O>{} << false;
        QTest::newRow("unknown word") << QStringLiteral("busy, hang") << QList<O>{} << false;
    }
    void outcome_words() {
        QFETCH(QString, text);
        QFETCH(QList<SimOutcome>, outcomes);
        QFETCH(bool, valid);
        QList<SimOutcome> got;
        QString error;
        QCOMPARE(SimPhoneBook::parseOutcomes(text, &got, &error), valid);
        if (valid)
            QCOMPARE(got, outcomes);
        else
            QVERIFY(!error.isEmpty());
    }

    void create_entry_appends_it_last_and_saves_the_file() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("book.ini"));
        writeAll(path, kUserFile);
        QString error;
        auto made = makeSimRasControl(SimOptions{path, QString()}, &error);
        QVERIFY2(made, qPrintable(error));
        auto& ras = static_cast<SimRasControl&>(*made);
        ras.setDialogRunner([](SimEntryDialog& d) {
            d.textName->setText(QStringLiteral("Beta"));
            d.textNumber->setText(QStringLiteral("555-0200"));
            d.textOutcomes->setText(QStringLiteral("busy, connect"));
            d.textStepMs->setText(QStringLiteral("0"));
            d.spinDropAfter->setValue(30);
            return d.tryAccept() ? QDialog::Accepted : QDialog::Rejected;
        });
        ras.CreateEntry();
        QCOMPARE(enumerated(ras),
                 (QStringList{QStringLiteral("Zeta"), QStringLiteral("Alpha"), QStringLiteral("Beta")}));

        SimPhoneBook saved;
        QVERIFY2(SimPhoneBook::load(path, &saved, &error), qPrintable(error));
        QCOMPARE(saved.entries.size(), 3);
        QVERIFY(saved.entries.last().sameAs(ras.phoneBook().entries.last()));
        QCOMPARE(saved.entries.last().dropAfterSeconds, 30);
        QVERIFY(readAll(path).startsWith(QLatin1String("# my lines\n"))); // comments kept
        // It may hold passwords: the file the user gave, readable by others, is now theirs alone.
        QCOMPARE(QFile::permissions(path), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ReadUser | QFileDevice::WriteUser);

        // The new entry dials like any other.
        QStringList texts;
        connect(&ras, &RasControl::ConnectionStatus, this, [&](const QString& t, int) { texts << t; });
        ras.setEntryName(QStringLiteral("Beta"));
        ras.Dial();
        ras.advanceDial();
        QCOMPARE(texts.last(), QStringLiteral("Dial failed: the line is busy"));
    }

    void cancelled_dialogs_change_nothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("book.ini"));
        writeAll(path, kUserFile);
        QString error;
        auto made = makeSimRasControl(SimOptions{path, QString()}, &error);
        auto& ras = static_cast<SimRasControl&>(*made);
        ras.setDialogRunner([](SimEntryDialog& d) {
            d.textName->setText(QStringLiteral("Gamma"));
            return int(QDialog::Rejected);
        });
        ras.CreateEntry();
        ras.EditEntry(QStringLiteral("Zeta"));
        QCOMPARE(enumerated(ras), (QStringList{QStringLiteral("Zeta"), QStringLiteral("Alpha")}));
        QCOMPARE(readAll(path), kUserFile); // not even rewritten

        int runs = 0;
        ras.setDialogRunner([&](SimEntryDialog&) { return ++runs, int(QDialog::Accepted); });
        ras.EditEntry(QStringLiteral("Nobody"));
        QCOMPARE(runs, 0); // no dialog for an entry that is not there
    }

    void edit_entry_changes_the_entry_and_saves_the_file() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("book.ini"));
        writeAll(path, kUserFile);
        QString error;
        auto made = makeSimRasControl(SimOptions{path, QString()}, &error);
        auto& ras = static_cast<SimRasControl&>(*made);
        ras.setEntryName(QStringLiteral("Zeta"));
        ras.Dial();
        ras.advanceDial();
        QCOMPARE(ras.attempts(QStringLiteral("Zeta")), 1);

        QString shownName;
        ras.setDialogRunner([&](SimEntryDialog& d) {
            shownName = d.textName->text();
            d.textName->setText(QStringLiteral("Omega"));
            d.textOutcomes->setText(QStringLiteral("no dial tone"));
            d.textStepMs->setText(QStringLiteral("0"));
            return d.tryAccept() ? QDialog::Accepted : QDialog::Rejected;
        });
        ras.EditEntry(QStringLiteral("zeta"));
        QCOMPARE(shownName, QStringLiteral("Zeta"));
        QCOMPARE(enumerated(ras), (QStringList{QStringLiteral("Omega"), QStringLiteral("Alpha")}));
        QCOMPARE(ras.attempts(QStringLiteral("Omega")), 0); // the edited entry starts afresh

        SimPhoneBook saved;
        QVERIFY(SimPhoneBook::load(path, &saved, &error));
        QCOMPARE(saved.entries.first().name, QStringLiteral("Omega"));
        QCOMPARE(saved.entries.first().outcomes, QList<SimOutcome>{SimOutcome::NoDialTone});
        QCOMPARE(saved.entries.first().number, QStringLiteral("555 1")); // untouched fields kept
        QCOMPARE(saved.entries.first().comments,
                 (QStringList{QStringLiteral("# my lines"), QStringLiteral("; a note inside")}));
    }

    void the_dialog_refuses_an_invalid_entry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("outcomes");
        QTest::addColumn<QString>("stepMs");
        QTest::addColumn<QString>("message");
        QTest::newRow("name of another entry")
            << QStringLiteral("alpha") << QStringLiteral("connect") << QStringLiteral("0")
            << QStringLiteral("There is already an entry called \"Alpha\".");
        QTest::newRow("no name") << QStringLiteral("  ") << QStringLiteral("connect") << QStringLiteral("0")
                                 << QStringLiteral("The entry needs a name.");
        QTest::newRow("bracket in name")
            << QStringLiteral("A]B") << QStringLiteral("connect") << QStringLiteral("0")
            << QStringLiteral("An entry name cannot hold [, ] or line breaks.");
        QTest::newRow("bad outcome") << QStringLiteral("Zeta") << QStringLiteral("connect, maybe")
                                     << QStringLiteral("0")
                                     << QStringLiteral("Outcomes: unknown outcome \"maybe\"");
        QTest::newRow("bad step time")
            << QStringLiteral("Zeta") << QStringLiteral("connect") << QStringLiteral("fast")
            << QStringLiteral("Step time: step time \"fast\"");
    }
    void the_dialog_refuses_an_invalid_entry() {
        QFETCH(QString, name);
        QFETCH(QString, outcomes);
        QFETCH(QString, stepMs);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("book.ini"));
        writeAll(path, kUserFile);
        QString error;
        auto made = makeSimRasControl(SimOptions{path, QString()}, &error);
        auto& ras = static_cast<SimRasControl&>(*made);
        QString shown;
        ras.setDialogRunner([&](SimEntryDialog& d) {
            d.textName->setText(name);
            d.textOutcomes->setText(outcomes);
            d.textStepMs->setText(stepMs);
            const bool accepted = d.tryAccept();
            shown = d.errorText();
            return accepted ? int(QDialog::Accepted) : int(d.result()); // a user would cancel now
        });
        ras.EditEntry(QStringLiteral("Zeta"));
        QVERIFY2(shown.startsWith(message), qPrintable(shown));
        QCOMPARE(readAll(path), kUserFile);
        QCOMPARE(enumerated(ras), (QStringList{QStringLiteral("Zeta"), QStringLiteral("Alpha")}));
    }

    void the_built_in_phone_book_is_edited_in_memory_only() {
        QString error;
        auto made = makeSimRasControl(SimOptions{}, &error);
        auto& ras = static_cast<SimRasControl&>(*made);
        QStringList reported;
        ras.setErrorReporter([&](const QString& t) { reported << t; });
        ras.setDialogRunner([](SimEntryDialog& d) {
            d.textName->setText(QStringLiteral("Added"));
            return d.tryAccept() ? QDialog::Accepted : QDialog::Rejected;
        });
        ras.CreateEntry();
        QCOMPARE(enumerated(ras).last(), QStringLiteral("Added"));
        QVERIFY(reported.isEmpty());
        QVERIFY(ras.phoneBookFile().isEmpty());
    }

    void a_failed_save_is_reported_and_the_change_kept() {
        auto dir = std::make_unique<QTemporaryDir>();
        const QString path = dir->filePath(QStringLiteral("book.ini"));
        writeAll(path, kUserFile);
        QString error;
        auto made = makeSimRasControl(SimOptions{path, QString()}, &error);
        auto& ras = static_cast<SimRasControl&>(*made);
        dir.reset(); // the folder is gone: the file cannot be written
        QStringList reported;
        ras.setErrorReporter([&](const QString& t) { reported << t; });
        ras.setDialogRunner([](SimEntryDialog& d) {
            d.textName->setText(QStringLiteral("Added"));
            return d.tryAccept() ? QDialog::Accepted : QDialog::Rejected;
        });
        ras.CreateEntry();
        QCOMPARE(reported.size(), 1);
        QVERIFY2(reported.first().startsWith(QStringLiteral("Cannot save the phone book ") + path),
                 qPrintable(reported.first()));
        QCOMPARE(enumerated(ras).last(), QStringLiteral("Added"));
    }

    void the_dialog_shows_an_entry_as_it_is() {
        SimEntry e;
        e.name = QStringLiteral("Members Only");
        e.number = QStringLiteral("555-0155");
        e.outcomes = {SimOutcome::NoCarrier, SimOutcome::Connect};
        e.stepMs = {100, 3000};
        e.dropAfterSeconds = 90;
        e.userName = QStringLiteral("guest");
        e.password = QStringLiteral("modem");
        SimEntryDialog d;
        d.setEntry(e);
        QCOMPARE(d.textOutcomes->text(), QStringLiteral("no carrier, connect"));
        SimEntry back;
        QString error;
        QVERIFY(d.readEntry(&back, &error));
        QVERIFY(back.sameAs(e));
    }
};

QTEST_MAIN(tst_simphonebook)
#include "tst_simphonebook.moc"

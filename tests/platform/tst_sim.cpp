// The simulator backend as the program sees it: event timing, the status texts of every outcome,
// hang-up, dropping lines, the outside connection and the start-up options.
#include "platform/ras/sim/SimEntryDialog.h"
#include "platform/ras/sim/SimRasControl.h"

#include <QLineEdit>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

SimEntry entry(const QString& name, QList<SimOutcome> outcomes = {SimOutcome::Connect}) {
    SimEntry e;
    e.name = name;
    e.number = QStringLiteral("555-0100");
    e.outcomes = std::move(outcomes);
    e.stepMs = {0};
    return e;
}

SimPhoneBook book(const QList<SimEntry>& entries) {
    SimPhoneBook b;
    b.entries = entries;
    return b;
}

// Records the status texts as they arrive.
struct Statuses {
    QStringList texts;
    explicit Statuses(SimRasControl& ras) {
        QObject::connect(&ras, &RasControl::ConnectionStatus, &ras,
                         [this](const QString& text, int) { texts << text; });
    }
};

void dial(SimRasControl& ras, const QString& name, const QString& user = {}, const QString& pass = {}) {
    ras.setEntryName(name);
    ras.setUserName(user);
    ras.setPassword(pass);
    ras.setDomain(QString());
    ras.Dial();
}

QString activeConnection(SimRasControl& ras) {
    QSignalSpy spy(&ras, &RasControl::EnumConnection);
    ras.EnumConnections();
    return spy.size() == 1 ? spy.at(0).at(0).toString() : QStringLiteral("<%1 events>").arg(spy.size());
}

const QStringList kConnectTexts{QStringLiteral("Opening port..."),
                                QStringLiteral("Port opened."),
                                QStringLiteral("Dialing 555-0100..."),
                                QStringLiteral("Device connected."),
                                QStringLiteral("Validation attempt..."),
                                QStringLiteral("Authenticated."),
                                QStringLiteral("Connected")};

} // namespace

class tst_sim : public QObject {
    Q_OBJECT
private slots:
    void enumeration_happens_inside_the_call_in_file_order() {
        SimRasControl ras(book(
            {entry(QStringLiteral("Zeta")), entry(QStringLiteral("Alpha")), entry(QStringLiteral("Mid"))}));
        QSignalSpy entries(&ras, &RasControl::EnumEntry);
        ras.EnumEntries();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries.at(0).at(0).toString(), QStringLiteral("Zeta"));
        QCOMPARE(entries.at(1).at(0).toString(), QStringLiteral("Alpha"));
        QCOMPARE(entries.at(2).at(0).toString(), QStringLiteral("Mid"));

        QCOMPARE(activeConnection(ras), QString()); // exactly one event, empty
    }

    void no_status_inside_dial_and_the_event_loop_delivers_the_rest() {
        SimRasControl ras(book({entry(QStringLiteral("Office"))}));
        Statuses st(ras);
        dial(ras, QStringLiteral("Office"));
        QVERIFY(st.texts.isEmpty());
        dial(ras, QStringLiteral("Nowhere")); // refused, but also later
        QVERIFY(st.texts.isEmpty());
        // Zero-millisecond steps: the timers alone finish the dial.
        QTRY_COMPARE(st.texts.size(), kConnectTexts.size() + 1);
        QVERIFY(st.texts.removeOne(
            QStringLiteral("Dial failed: the phone book has no entry called \"Nowhere\"")));
        QCOMPARE(st.texts, kConnectTexts);
        QVERIFY(ras.IsConnected());
    }

    void outcome_texts_data() {
        QTest::addColumn<SimEntry>("e");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("pass");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<bool>("connected");
        const QStringList dialing = kConnectTexts.mid(0, 3);
        const QStringList validating = kConnectTexts.mid(0, 5);
        const QString authFailed = QStringLiteral("Authentication failed: user name or password refused");

        QTest::newRow("connect") << entry(QStringLiteral("A")) << QString() << QString() << kConnectTexts
                                 << true;
        QTest::newRow("busy") << entry(QStringLiteral("A"), {SimOutcome::Busy}) << QString() << QString()
                              << (dialing + QStringList{QStringLiteral("Dial failed: the line is busy")})
                              << false;
        QTest::newRow("no carrier") << entry(QStringLiteral("A"), {SimOutcome::NoCarrier}) << QString()
                                    << QString()
                                    << (dialing + QStringList{QStringLiteral("Dial failed: no carrier")})
                                    << false;
        QTest::newRow("no dial tone")
            << entry(QStringLiteral("A"), {SimOutcome::NoDialTone}) << QString() << QString()
            << (dialing + QStringList{QStringLiteral("Dial failed: no dial tone")}) << false;
        QTest::newRow("authentication failure")
            << entry(QStringLiteral("A"), {SimOutcome::AuthFailure}) << QString() << QString()
            << (validating + QStringList{authFailed}) << false;
        SimEntry guarded = entry(QStringLiteral("A"));
        guarded.userName = QStringLiteral("guest");
        guarded.password = QStringLiteral("modem");
        QTest::newRow("required credentials given")
            << guarded << QStringLiteral("guest") << QStringLiteral("modem") << kConnectTexts << true;
        QTest::newRow("wrong password") << guarded << QStringLiteral("guest") << QStringLiteral("Modem")
                                        << (validating + QStringList{authFailed}) << false;
        QTest::newRow("no credentials")
            << guarded << QString() << QString() << (validating + QStringList{authFailed}) << false;
        SimEntry unnumbered = entry(QStringLiteral("A"));
        unnumbered.number.clear();
        QTest::newRow("no number") << unnumbered << QString() << QString()
                                   << QStringList{kConnectTexts.at(0),          kConnectTexts.at(1),
                                                  QStringLiteral("Dialing..."), kConnectTexts.at(3),
                                                  kConnectTexts.at(4),          kConnectTexts.at(5),
                                                  kConnectTexts.at(6)}
                                   << true;
    }
    void outcome_texts() {
        QFETCH(SimEntry, e);
        QFETCH(QString, user);
        QFETCH(QString, pass);
        QFETCH(QStringList, texts);
        QFETCH(bool, connected);
        SimRasControl ras(book({e}));
        Statuses st(ras);
        dial(ras, e.name, user, pass);
        QCOMPARE(ras.advanceDial(), texts.size());
        QCOMPARE(st.texts, texts);
        QCOMPARE(ras.IsConnected(), connected);
        QCOMPARE(activeConnection(ras), connected ? e.name : QString());
        QCOMPARE(ras.lineEntry(), connected ? e.name : QString()); // a failure frees the modem

        // What the program tests in the texts: only the last is a failure or the connection.
        for (qsizetype i = 0; i < texts.size(); ++i) {
            const QString& t = texts.at(i);
            const bool last = i == texts.size() - 1;
            QCOMPARE(t.startsWith(QLatin1String("Connected"), Qt::CaseInsensitive), last && connected);
            QCOMPARE(t.indexOf(QLatin1String(" failed"), 1, Qt::CaseInsensitive) >= 1, last && !connected);
        }
    }

    void last_outcome_repeats_and_each_attempt_takes_the_next() {
        SimRasControl ras(
            book({entry(QStringLiteral("Busy Line"),
                        {SimOutcome::Busy, SimOutcome::NoCarrier, SimOutcome::Connect}),
                  entry(QStringLiteral("Then Busy"), {SimOutcome::Connect, SimOutcome::Busy})}));
        Statuses st(ras);
        const QStringList expected{QStringLiteral("Dial failed: the line is busy"),
                                   QStringLiteral("Dial failed: no carrier"), QStringLiteral("Connected"),
                                   QStringLiteral("Connected")};
        for (const QString& last : expected) {
            dial(ras, QStringLiteral("busy line"));
            ras.advanceDial();
            QCOMPARE(st.texts.last(), last);
            ras.HangUp(QStringLiteral("Busy Line"));
        }
        QCOMPARE(ras.attempts(QStringLiteral("Busy Line")), 4);
        for (const char* last :
             {"Connected", "Dial failed: the line is busy", "Dial failed: the line is busy"}) {
            dial(ras, QStringLiteral("Then Busy"));
            ras.advanceDial();
            QCOMPARE(st.texts.last(), QLatin1String(last));
            ras.HangUp(QStringLiteral("Then Busy"));
        }
    }

    void step_times_follow_the_entry() {
        SimEntry e = entry(QStringLiteral("A"));
        e.stepMs = {100, 2500};
        e.dropAfterSeconds = 90;
        SimRasControl ras(book({e}));
        dial(ras, QStringLiteral("A"));
        QCOMPARE(ras.pendingIntervalMs(), 100);
        ras.advance();
        QCOMPARE(ras.pendingIntervalMs(), 2500); // the second step, and every later one, take 2500 ms
        ras.advance();
        QCOMPARE(ras.pendingIntervalMs(), 2500);
        ras.advanceDial();
        QVERIFY(ras.IsConnected());
        QCOMPARE(ras.pendingIntervalMs(), 90000);
    }

    void hang_up_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("cancels");
        QTest::newRow("same name") << QStringLiteral("Office") << true;
        QTest::newRow("other letter case") << QStringLiteral("OFFICE") << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("another entry") << QStringLiteral("Home") << false;
    }
    void hang_up() {
        QFETCH(QString, name);
        QFETCH(bool, cancels);
        SimRasControl ras(book({entry(QStringLiteral("Office")), entry(QStringLiteral("Home"))}));
        Statuses st(ras);
        dial(ras, QStringLiteral("Office"));
        ras.advance();
        ras.advance();
        ras.HangUp(name);
        QCOMPARE(ras.dialPending(), !cancels);
        QCoreApplication::processEvents(); // nothing more arrives from the timers
        ras.advanceDial();
        QCOMPARE(st.texts.size(), cancels ? 2 : kConnectTexts.size());
        QCOMPARE(ras.IsConnected(), !cancels);

        // A connected line: the same names end it, the others leave it up.
        if (cancels) {
            dial(ras, QStringLiteral("Office"));
            ras.advanceDial();
        }
        QVERIFY(ras.IsConnected());
        ras.HangUp(name);
        QCOMPARE(ras.IsConnected(), !cancels);
        QCOMPARE(activeConnection(ras), cancels ? QString() : QStringLiteral("Office"));
        QVERIFY(!ras.dialPending());
    }

    void a_handler_that_hangs_up_stops_the_dial() {
        SimRasControl ras(book({entry(QStringLiteral("Office"))}));
        QStringList texts;
        connect(&ras, &RasControl::ConnectionStatus, this, [&](const QString& t, int) {
            texts << t;
            if (t == QLatin1String("Port opened."))
                ras.HangUp(QStringLiteral("Office"));
        });
        dial(ras, QStringLiteral("Office"));
        ras.advanceDial();
        QCOMPARE(texts, kConnectTexts.mid(0, 2));
        QVERIFY(!ras.dialPending());
    }

    void a_handler_that_redials_on_failure_starts_a_new_attempt() {
        SimRasControl ras(
            book({entry(QStringLiteral("Busy Line"), {SimOutcome::Busy, SimOutcome::Connect})}));
        QStringList texts;
        connect(&ras, &RasControl::ConnectionStatus, this, [&](const QString& t, int) {
            texts << t;
            if (t.contains(QLatin1String(" failed"))) {
                ras.HangUp(QStringLiteral("Busy Line")); // as the program does before a redial
                ras.Dial();
            }
        });
        dial(ras, QStringLiteral("Busy Line"));
        ras.advanceDial();
        QCOMPARE(texts.size(), 4 + kConnectTexts.size());
        QCOMPARE(texts.last(), QStringLiteral("Connected"));
        QVERIFY(ras.IsConnected());
    }

    void the_modem_carries_one_line() {
        SimRasControl ras(book({entry(QStringLiteral("Office")), entry(QStringLiteral("Home"))}));
        Statuses st(ras);
        dial(ras, QStringLiteral("Office"));
        ras.advanceDial();
        dial(ras, QStringLiteral("Home"));
        QCOMPARE(ras.advanceDial(), 1);
        QCOMPARE(st.texts.last(), QStringLiteral("Opening port failed: the modem is in use by Office"));
        QVERIFY(ras.IsConnected()); // the first line is untouched
        QCOMPARE(ras.attempts(QStringLiteral("Home")), 0);
    }

    void connected_line_drops_after_its_time() {
        SimEntry flaky = entry(QStringLiteral("Flaky ISP"));
        flaky.dropAfterSeconds = 90;
        SimRasControl ras(book({flaky, entry(QStringLiteral("Office"))}));
        Statuses st(ras);
        dial(ras, QStringLiteral("Flaky ISP"));
        ras.advanceDial();
        QVERIFY(ras.IsConnected());
        QVERIFY(ras.dropPending());
        QVERIFY(ras.advance()); // ninety seconds later
        QVERIFY(!ras.IsConnected());
        QCOMPARE(activeConnection(ras), QString());
        QCOMPARE(st.texts, kConnectTexts); // the drop itself reports no status
        QVERIFY(!ras.advance());

        dial(ras, QStringLiteral("Office")); // never drops
        ras.advanceDial();
        QVERIFY(!ras.dropPending());
        QVERIFY(ras.IsConnected());
    }

    void a_hang_up_cancels_the_drop() {
        SimEntry flaky = entry(QStringLiteral("Flaky ISP"));
        flaky.dropAfterSeconds = 1;
        SimRasControl ras(book({flaky}));
        dial(ras, QStringLiteral("Flaky ISP"));
        ras.advanceDial();
        ras.HangUp(QStringLiteral("Flaky ISP"));
        QVERIFY(!ras.dropPending());
        dial(ras, QStringLiteral("Flaky ISP"));
        ras.advanceDial();
        QVERIFY(ras.IsConnected()); // a stale drop does not end the new connection
        QCOMPARE(ras.pendingIntervalMs(), 1000);
    }

    void outside_connection() {
        QString error;
        auto made = makeSimRasControl(SimOptions{QString(), QStringLiteral("flaky isp")}, &error);
        QVERIFY2(made, qPrintable(error));
        auto& ras = static_cast<SimRasControl&>(*made);
        QCOMPARE(activeConnection(ras), QStringLiteral("Flaky ISP"));
        QVERIFY(!ras.IsConnected()); // not this control's own dial
        QVERIFY(ras.lineIsOutside());
        QVERIFY(ras.dropPending()); // the sample's Flaky ISP drops after 90 s, whoever dialed it

        Statuses st(ras);
        dial(ras, QStringLiteral("Office"));
        ras.advanceDial();
        QCOMPARE(st.texts,
                 QStringList{QStringLiteral("Opening port failed: the modem is in use by Flaky ISP")});

        ras.HangUp(QStringLiteral("Flaky ISP"));
        QCOMPARE(activeConnection(ras), QString());
        dial(ras, QStringLiteral("Office"));
        ras.advanceDial();
        QVERIFY(ras.IsConnected());
        QCOMPARE(activeConnection(ras), QStringLiteral("Office"));
    }

    void an_outside_line_that_drops_is_gone() {
        SimEntry flaky = entry(QStringLiteral("Flaky ISP"));
        flaky.dropAfterSeconds = 5;
        SimRasControl ras(book({flaky}));
        QVERIFY(ras.connectOutside(QStringLiteral("Flaky ISP")));
        QVERIFY(!ras.connectOutside(QStringLiteral("Flaky ISP"))); // the modem is in use
        ras.advance();
        QCOMPARE(activeConnection(ras), QString());
    }

    void a_running_line_keeps_the_name_it_was_dialed_with() {
        SimEntry e = entry(QStringLiteral("Office"));
        SimRasControl ras(book({e}));
        ras.setDialogRunner([](SimEntryDialog& d) {
            d.textName->setText(QStringLiteral("Head Office"));
            return d.tryAccept() ? QDialog::Accepted : QDialog::Rejected;
        });
        dial(ras, QStringLiteral("Office"));
        ras.advanceDial();
        ras.EditEntry(QStringLiteral("Office"));
        QCOMPARE(ras.phoneBook().entries.first().name, QStringLiteral("Head Office"));
        QCOMPARE(activeConnection(ras), QStringLiteral("Office"));
        ras.HangUp(QStringLiteral("Office")); // the name the program dialed still hangs it up
        QVERIFY(!ras.IsConnected());
    }

    void bad_options_data() {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("outside");
        QTest::addColumn<QString>("message");
        const QString ok = QStringLiteral("[Office]\nNumber=1\n");
        QTest::newRow("unknown outside entry")
            << ok << QStringLiteral("Home")
            << QStringLiteral("The entry \"Home\" given with --sim-outside "
                              "is not in the phone book (its entries: "
                              "Office).");
        QTest::newRow("unknown outcome") << QStringLiteral("[Office]\nOutcomes=connect, bussy\n") << QString()
                                         << QStringLiteral("line 2: unknown outcome \"bussy\"");
        QTest::newRow("unknown key") << QStringLiteral("[Office]\nNumbr=1\n") << QString()
                                     << QStringLiteral("line 2: unknown key \"Numbr\"");
        QTest::newRow("negative step") << QStringLiteral("[Office]\nStepMs=10, -1\n") << QString()
                                       << QStringLiteral("line 2: step time \"-1\"");
        QTest::newRow("setting before any entry") << QStringLiteral("; hi\nNumber=1\n[Office]\n") << QString()
                                                  << QStringLiteral("line 2: a setting before the first");
        QTest::newRow("stray text") << QStringLiteral("[Office]\nhello\n") << QString()
                                    << QStringLiteral("line 2: expected [entry name]");
        QTest::newRow("same entry twice") << QStringLiteral("[Office]\n\n[office]\n") << QString()
                                          << QStringLiteral("line 3: There is already an entry called "
                                                            "\"Office\".");
        QTest::newRow("key twice") << QStringLiteral("[Office]\nNumber=1\nnumber=2\n") << QString()
                                   << QStringLiteral("line 3: number is given twice");
        QTest::newRow("empty name") << QStringLiteral("[ ]\n") << QString()
                                    << QStringLiteral("line 1: The entry needs a name.");
        QTest::newRow("bad drop time") << QStringLiteral("[Office]\nDropAfter=soon\n") << QString()
                                       << QStringLiteral("line 2: drop time \"soon\"");
        QTest::newRow("missing file") << QString() << QString() << QStringLiteral("does not exist");
    }
    void bad_options() {
        QFETCH(QString, ini);
        QFETCH(QString, outside);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("book.ini"));
        if (!ini.isNull()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(ini.toUtf8());
        }
        QString error;
        QVERIFY(!makeSimRasControl(SimOptions{path, outside}, &error));
        QVERIFY2(error.contains(message), qPrintable(error));
        if (outside.isEmpty())
            QVERIFY2(error.contains(path), qPrintable(error)); // names the file it could not use
    }

    // The counters of a line: read from the phone book's rates, nothing while dialing, growing at
    // those rates from the moment the line is up (an outside line too), nothing once it is gone.
    void counters_grow_at_the_entry_rates() {
        SimPhoneBook b;
        QString error;
        QVERIFY(SimPhoneBook::parse(QStringLiteral("[Sat]\nStepMs=0\nDownloadRate=250000\nUploadRate=12500\n"
                                                   "[Idle]\nStepMs=0\n"),
                                    QStringLiteral("t"), &b, &error));
        QVERIFY(b.toText().contains(QStringLiteral("DownloadRate=250000\nUploadRate=12500\n")));
        QVERIFY(
            !SimPhoneBook::parse(QStringLiteral("[X]\nUploadRate=-1\n"), QStringLiteral("t"), &b, &error));
        QCOMPARE(error,
                 QStringLiteral("t, line 2: rate \"-1\" is not a whole number of bytes per second from 0 "
                                "to 1000000000"));
        QVERIFY(SimPhoneBook::parse(QStringLiteral("[Sat]\nStepMs=0\nDownloadRate=250000\nUploadRate=12500\n"
                                                   "[Idle]\nStepMs=0\n"),
                                    QStringLiteral("t"), &b, &error));
        SimRasControl ras(b);
        qint64 ms = 5000;
        ras.setMonotonicClock([&ms] { return ms; });
        dial(ras, QStringLiteral("Sat"));
        QVERIFY(!ras.byteCounts());
        ras.advanceDial();
        QCOMPARE(ras.byteCounts(), (ByteCounts{0, 0}));
        ms += 2500;
        QCOMPARE(ras.byteCounts(), (ByteCounts{625000, 31250}));
        ras.HangUp(QStringLiteral("Sat"));
        QVERIFY(!ras.byteCounts());
        QVERIFY(ras.connectOutside(QStringLiteral("Idle")));
        ms += 1000;
        QCOMPARE(ras.byteCounts(), (ByteCounts{0, 0}));
        ras.HangUp(QStringLiteral("Idle"));
        QVERIFY(ras.connectOutside(QStringLiteral("Sat")));
        ms += 1000;
        QCOMPARE(ras.byteCounts(), (ByteCounts{250000, 12500}));
    }

    void built_in_phone_book_has_every_behaviour() {
        QString error;
        auto made = makeSimRasControl(SimOptions{}, &error);
        QVERIFY(made);
        auto& ras = static_cast<SimRasControl&>(*made);
        QCOMPARE(activeConnection(ras), QString());
        QStringList finals;
        for (const SimEntry& e : ras.phoneBook().entries) {
            Statuses st(ras);
            dial(ras, e.name);
            // The step times are real ones; run the steps at once.
            ras.advanceDial();
            finals << e.name + QLatin1String(": ") + st.texts.last();
            ras.HangUp(e.name);
            disconnect(&ras, &RasControl::ConnectionStatus, &ras, nullptr);
        }
        QCOMPARE(finals, (QStringList{QStringLiteral("Office: Connected"),
                                      QStringLiteral("Busy Line: Dial failed: the line is busy"),
                                      QStringLiteral("Always Busy: Dial failed: the line is busy"),
                                      QStringLiteral("No Carrier: Dial failed: no carrier"),
                                      QStringLiteral("No Dial Tone: Dial failed: no dial tone"),
                                      QStringLiteral("Wrong Password: Authentication failed: user name or "
                                                     "password refused"),
                                      QStringLiteral("Members Only: Authentication failed: user name or "
                                                     "password refused"),
                                      QStringLiteral("Flaky ISP: Connected"),
                                      QStringLiteral("Slow Line: Connected")}));
    }
};

QTEST_MAIN(tst_sim)
#include "tst_sim.moc"

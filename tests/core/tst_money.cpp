#include "core/Money.h"
#include "core/ProfileStore.h"

#include <QTest>

#include <cmath>
#include <limits>

class tst_money : public QObject {
    Q_OBJECT
private slots:
    void text_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<qint64>("units");
        QTest::newRow("tariff with leading zero cents") << "1.05" << qint64(10500);
        QTest::newRow("tariff with one-digit cents") << "1.5" << qint64(15000);
        QTest::newRow("blanks") << " 2.5 " << qint64(25000);
        QTest::newRow("fifth decimal rounds half to even, down") << "0.00005" << qint64(0);
        QTest::newRow("fifth decimal rounds half to even, up") << "0.00015" << qint64(2);
        QTest::newRow("tail breaks the tie") << "0.000051" << qint64(1);
        QTest::newRow("negative") << "-3" << qint64(-30000);
        QTest::newRow("trailing point") << "1." << qint64(10000);
        QTest::newRow("exponent") << "1e2" << qint64(1000000);
        QTest::newRow("not a number") << "abc" << qint64(0);
        QTest::newRow("too large for 64 bits reads as 0") << "4077288778777280" << qint64(0);
        QTest::newRow("largest whole amount kept") << "90000000000000" << qint64(900000000000000000);
        // The extremes toText() prints read back; one unit beyond reads as no amount.
        QTest::newRow("largest amount") << "922337203685477.5807" << std::numeric_limits<qint64>::max();
        QTest::newRow("most negative amount")
            << "-922337203685477.5808" << std::numeric_limits<qint64>::min();
        QTest::newRow("one beyond the largest") << "922337203685477.5808" << qint64(0);
        QTest::newRow("rounding up past the largest") << "922337203685477.58075" << qint64(0);
    }
    // A tariff of absurd dollars and a cents text in the locale's form gives an amount whose text
    // reads back as the same amount (the printed text once read as no amount past 900 trillion).
    void tariff_text_reads_back() {
        const QLocale comma(QLocale::German, QLocale::Germany);
        const Money m = Money::fromDollarsCents(QStringLiteral("316000000000002"),
                                                QStringLiteral("60040000024000002."), comma);
        QVERIFY(m.units() > 9000000000000000000);
        QCOMPARE(Money::fromText(m.toText()).units(), m.units());
        for (const qint64 u :
             {std::numeric_limits<qint64>::max(), std::numeric_limits<qint64>::min(), qint64(-1)})
            QCOMPARE(Money::fromText(Money::fromUnits(u).toText()).units(), u);
    }
    void text() {
        QFETCH(QString, input);
        QFETCH(qint64, units);
        QCOMPARE(Money::fromText(input).units(), units);
    }

    void division_rounds_ties_to_even() {
        QCOMPARE(Money::fromText(QStringLiteral("1.50")).dividedBy(3600).units(), 4); // 0.0004
        QCOMPARE(Money::fromText(QStringLiteral("0.05")).dividedBy(60).units(), 8);   // 0.0008
        QCOMPARE(divideTiesToEven(5, 2), 2);
        QCOMPARE(divideTiesToEven(7, 2), 4);
        QCOMPARE(divideTiesToEven(-5, 2), -2);
        QCOMPARE(divideTiesToEven(-7, 2), -4);
    }

    // The rounding every amount, count and settings number goes through agrees with the maths
    // library's, bit for bit (a zero's sign included): at ties, next to them, and where every double
    // is whole.
    void rounding_matches_nearbyint() {
        const double two52 = 4503599627370496.0, inf = std::numeric_limits<double>::infinity();
        QList<double> cases = {0.49999999999999994, two52 - 0.5, two52 - 1.5, -two52 + 0.5,
                               9.0e15 + 0.5,        inf,         -inf};
        for (double x = -3.0; x <= 3.0; x += 0.125)
            cases.append(x);
        for (const double x : cases) {
            const double got = roundTiesToEven(x), want = std::nearbyint(x);
            QVERIFY2(got == want && std::signbit(got) == std::signbit(want),
                     qPrintable(QString::number(x, 'g', 17)));
        }
        QVERIFY(std::isnan(roundTiesToEven(std::nan(""))));
    }

    void output_text() {
        QCOMPARE(Money::fromUnits(15000).toText(), QStringLiteral("1.5"));
        QCOMPARE(Money::fromUnits(521).toText(), QStringLiteral("0.0521"));
        QCOMPARE(Money::fromUnits(20000).toText(), QStringLiteral("2"));
        QCOMPARE(Money::fromUnits(0).toText(), QStringLiteral("0"));
        QCOMPARE(Money::fromUnits(-5).toText(), QStringLiteral("-0.0005"));
    }

    void warning_and_final_cost_differ_on_purpose() {
        const Money tariff = Money::fromDollarsCents(QStringLiteral("1"), QStringLiteral("50"));
        QCOMPARE(tariff.dividedBy(3600).times(3600).toText(), QStringLiteral("1.44"));
        QCOMPARE(Money::fromDouble(3600 * (1.5 / 3600.0)).toText(), QStringLiteral("1.5"));
    }

    void profile_keys_ignore_case_and_stay_unique() {
        ProfileStore s;
        QVERIFY(s.addProfile(QStringLiteral("Office"), QStringLiteral("u"), QStringLiteral("p"),
                             QStringLiteral("d")));
        QVERIFY(!s.addProfile(QStringLiteral("OFFICE")));
        QCOMPARE(s.size(), 4);
        QCOMPARE(s.password(QStringLiteral("office")), QStringLiteral("p"));
        s.addProfile(QStringLiteral("Home"));
        s.replaceProfile(QStringLiteral("Office"), QStringLiteral("u2"), {}, {});
        QCOMPARE(s.items().first().key, QStringLiteral("Home"));
        QCOMPARE(s.items().at(4).key, QStringLiteral("Office"));
        QCOMPARE(s.userName(QStringLiteral("Office")), QStringLiteral("u2"));
        QCOMPARE(s.value(QStringLiteral("MissingUsername")), QString());
    }
};

QTEST_GUILESS_MAIN(tst_money)
#include "tst_money.moc"

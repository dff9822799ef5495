#include "core/NumericField.h"

#include <QTest>

// The numeric-field rule as one table: what reads as a number in the user's locale and what is stored.
class tst_numericfield : public QObject {
    Q_OBJECT
private slots:
    void rule_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("value");      // stored in a 16-bit setting
        QTest::addColumn<QString>("stored"); // stored in a text setting

        const QString en = QStringLiteral("en_US");
        const QString de = QStringLiteral("de_DE");
        auto row = [](const char* name, const QString& loc, const char* text, bool ok, int value,
                      const char* stored) {
            QTest::newRow(name) << loc << QString::fromLatin1(text) << ok << value
                                << QString::fromLatin1(stored);
        };
        row("plain", en, "42", true, 42, "42");
        row("blanks around", en, "  7 ", true, 7, "7");
        row("leading zero", en, "00", true, 0, "00");
        row("plus sign", en, "+5", true, 5, "+5");
        row("minus sign", en, "-3", true, -3, "-3");
        row("half rounds to even, down", en, "2.5", true, 2, "2.5");
        row("half rounds to even, up", en, "3.5", true, 4, "3.5");
        row("negative half to even", en, "-2.5", true, -2, "-2.5");
        row("fraction rounds to nearest", en, "2.6", true, 3, "2.6");
        row("exponent", en, "1e2", true, 100, "1e2");
        row("grouping", en, "1,000", true, 1000, "1,000");
        row("largest 16-bit", en, "32767", true, 32767, "32767");
        row("smallest 16-bit", en, "-32768", true, -32768, "-32768");
        row("rounds into range", en, "-32768.5", true, -32768, "-32768.5");
        row("too large", en, "32768", false, 0, "");
        row("too small", en, "-32769", false, 0, "");
        row("rounds out of range", en, "32767.5", false, 0, "");
        row("empty", en, "", false, 0, "");
        row("only blanks", en, "   ", false, 0, "");
        row("letters", en, "abc", false, 0, "");
        row("digits then letters", en, "12ab", false, 0, "");
        row("two points", en, "1.2.3", false, 0, "");
        row("infinity", en, "inf", false, 0, "");
        row("locale decimal comma", de, "2,5", true, 2, "2,5");
        row("locale grouping point", de, "1.000", true, 1000, "1.000");
    }
    void rule() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(int, value);
        QFETCH(QString, stored);
        const QLocale loc(locale);
        const NumericField::Result number = NumericField::check(text, NumericField::Kind::Int16, loc);
        QCOMPARE(number.accepted, accepted);
        if (accepted)
            QCOMPARE(int(number.value), value);
        // Text settings take any number, trimmed; the 16-bit range does not bind them.
        const NumericField::Result asText = NumericField::check(text, NumericField::Kind::Text, loc);
        QCOMPARE(asText.accepted, NumericField::readNumber(text, loc).has_value());
        if (accepted)
            QCOMPARE(asText.text, stored);
    }

    void text_settings_are_not_bound_by_the_16_bit_range() {
        const auto r =
            NumericField::check(QStringLiteral(" 100000 "), NumericField::Kind::Text, QLocale::c());
        QVERIFY(r.accepted);
        QCOMPARE(r.text, QStringLiteral("100000"));
    }
};

QTEST_GUILESS_MAIN(tst_numericfield)
#include "tst_numericfield.moc"

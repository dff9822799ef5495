// The program's texts in the desktop's language: a window, a boxed message from the model and a
// box's standard buttons follow the translation chosen for a locale, and an English or C locale
// keeps every text as written.
#include "TestProgram.h"
#include "config/frmConfig.h"
#include "console/frmStart.h"
#include "platform/Translation.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

class tst_translation : public QObject {
    Q_OBJECT
private slots:
    void texts_follow_the_locale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("boxStart");
        QTest::addColumn<QString>("costTab");
        QTest::addColumn<QString>("yes");

        const QString english = QStringLiteral("ModemTally has determined that this is your first time");
        QTest::newRow("C") << QLocale::c() << false << QStringLiteral("Welcome to ModemTally Deluxe!")
                           << english << QStringLiteral("Cost") << QStringLiteral("&Yes");
        QTest::newRow("en_US") << QLocale(QStringLiteral("en_US")) << false
                               << QStringLiteral("Welcome to ModemTally Deluxe!") << english
                               << QStringLiteral("Cost") << QStringLiteral("&Yes");
        // A language without a translation is English too.
        QTest::newRow("fr_FR") << QLocale(QStringLiteral("fr_FR")) << false
                               << QStringLiteral("Welcome to ModemTally Deluxe!") << english
                               << QStringLiteral("Cost") << QStringLiteral("&Yes");
        QTest::newRow("de_DE") << QLocale(QStringLiteral("de_DE")) << true
                               << QStringLiteral("Willkommen bei ModemTally Deluxe!")
                               << QStringLiteral("ModemTally hat festgestellt, dass Sie dieses Programm")
                               << QStringLiteral("Kosten") << QStringLiteral("&Ja");
        // A country with no translation of its own takes its language's.
        QTest::newRow("de_AT") << QLocale(QStringLiteral("de_AT")) << true
                               << QStringLiteral("Willkommen bei ModemTally Deluxe!")
                               << QStringLiteral("ModemTally hat festgestellt, dass Sie dieses Programm")
                               << QStringLiteral("Kosten") << QStringLiteral("&Ja");
        QTest::newRow("es_ES") << QLocale(QStringLiteral("es_ES")) << true
                               << QStringLiteral("¡Bienvenido a ModemTally Deluxe!")
                               << QStringLiteral("ModemTally ha detectado que es la primera vez")
                               << QStringLiteral("Coste") << QStringLiteral("&Sí");
    }

    void texts_follow_the_locale() {
        QFETCH(QLocale, locale);
        QFETCH(bool, translated);
        QFETCH(QString, title);
        QFETCH(QString, boxStart);
        QFETCH(QString, costTab);
        QFETCH(QString, yes);

        const auto translation = Translation::load(locale);
        QCOMPARE(bool(translation), translated);
        if (translation)
            QVERIFY(QCoreApplication::installTranslator(translation.get()));

        // The first start: the model's welcome box, then the configuration console.
        TestProgram t;
        t.ui().startUp();
        QCOMPARE(t.boxes->shown.size(), 1);
        QVERIFY2(t.boxes->shown.first().text.startsWith(boxStart), qPrintable(t.boxes->shown.first().text));
        QCOMPARE(ctl<QTabWidget>(t.ui().frmConfig(), "SSTab1")->tabText(1), costTab);
        QCOMPARE(t.ui().frmStart().windowTitle(), title);

        // A real box's standard buttons, captioned through Qt's own contexts.
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);

        if (translation)
            QCoreApplication::removeTranslator(translation.get());
    }
};

QTEST_MAIN(tst_translation)
#include "tst_translation.moc"

#include "platform/CanberraSound.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The connection sound through libcanberra, played to ALSA's null device (a private HOME whose
// .asoundrc sends the default device nowhere), so each request's result can be checked here.
class tst_connectactions_sound : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;

    QString writeFile(const QString& name, const QByteArray& content) {
        const QString path = m_home.filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(content);
        return path;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_home.isValid());
        writeFile(QStringLiteral(".asoundrc"), "pcm.!default { type null }\n");
        qputenv("HOME", QFile::encodeName(m_home.path()));
        CanberraSound probe;
        probe.playStandard();
        if (probe.waitForRequests() != 0)
            QSKIP("libcanberra cannot play the theme's network-connectivity-established sound here (no "
                  "ALSA backend or no freedesktop sound theme installed).");
    }

    // A file that cannot be played, missing or not a sound at all, gives the theme's sound instead.
    void unplayable_files_fall_back_to_the_theme_sound_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("missing") << m_home.filePath(QStringLiteral("no-such.wav"));
        QTest::newRow("not a sound") << writeFile(QStringLiteral("text.wav"), "this is not a wave file\n");
        QTest::newRow("a folder") << m_home.path();
    }
    void unplayable_files_fall_back_to_the_theme_sound() {
        QFETCH(QString, file);
        CanberraSound sound;
        sound.playFile(file);
        QCOMPARE(sound.waitForRequests(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_connectactions_sound)
#include "tst_connectactions_sound.moc"

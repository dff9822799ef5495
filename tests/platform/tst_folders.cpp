// The program's folders: the data folder (the user's XDG data folder, or --data-dir) made owner-only
// on first use, and the INI file of the program's own settings in the XDG configuration folder.
#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr QFile::Permissions kOwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions kOpen =
    kOwnerOnly | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

QFile::Permissions ownerGroupOther(const QString& path) {
    // Qt reports the owner's rights twice (as owner and as user): compare the three classes only.
    return QFileInfo(path).permissions() & (kOpen | QFile::WriteGroup | QFile::WriteOther);
}
} // namespace

class tst_folders : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;

private slots:
    void initTestCase() {
        QVERIFY(m_tmp.isValid());
        Folders::setProgramNames();
    }

    void dataFolder_data() {
        QTest::addColumn<QString>("chosen");   // the --data-dir value, "" for none
        QTest::addColumn<QString>("existing"); // a folder there before, "" for none
        QTest::addColumn<QString>("expected"); // relative to the scratch folder
        QTest::addColumn<QStringList>("made"); // folders that must be new and owner-only
        QTest::newRow("the XDG data folder, made with its parents")
            << ""
            << ""
            << "home/.local/share/modemtally"
            << QStringList{QStringLiteral("home"), QStringLiteral("home/.local"),
                           QStringLiteral("home/.local/share"),
                           QStringLiteral("home/.local/share/modemtally")};
        QTest::newRow("the XDG data folder as it is") << ""
                                                      << "home/.local/share/modemtally"
                                                      << "home/.local/share/modemtally" << QStringList{};
        QTest::newRow("--data-dir, new")
            << "elsewhere/lines"
            << ""
            << "elsewhere/lines"
            << QStringList{QStringLiteral("elsewhere"), QStringLiteral("elsewhere/lines")};
        QTest::newRow("--data-dir, there, keeps its rights") << "shared"
                                                             << "shared"
                                                             << "shared" << QStringList{};
    }
    void dataFolder() {
        QFETCH(QString, chosen);
        QFETCH(QString, existing);
        QFETCH(QString, expected);
        QFETCH(QStringList, made);
        QTemporaryDir tmp(m_tmp.filePath(QStringLiteral("case-XXXXXX")));
        const QString root = tmp.path();
        qputenv("XDG_DATA_HOME", (root + QStringLiteral("/home/.local/share")).toLocal8Bit());
        if (!existing.isEmpty()) {
            QVERIFY(QDir(root).mkpath(existing));
            QVERIFY(QFile::setPermissions(root + QLatin1Char('/') + existing, kOpen));
        }
        // A --data-dir relative to the folder the program was started in.
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(root));
        QString error;
        const QString folder = Folders::dataFolder(chosen, &error);
        QDir::setCurrent(before);

        QCOMPARE(folder, root + QLatin1Char('/') + expected);
        QVERIFY(error.isEmpty());
        QVERIFY(QFileInfo(folder).isDir());
        for (const QString& m : std::as_const(made))
            QCOMPARE(ownerGroupOther(root + QLatin1Char('/') + m), kOwnerOnly);
        if (!existing.isEmpty())
            QCOMPARE(ownerGroupOther(folder), kOpen);
        // Used again: the same folder, nothing changed.
        QCOMPARE(Folders::dataFolder(folder), folder);
    }

    void unusableDataFolder() {
        QTemporaryDir tmp(m_tmp.filePath(QStringLiteral("case-XXXXXX")));
        QFile file(tmp.filePath(QStringLiteral("taken")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QString error;
        QCOMPARE(Folders::dataFolder(tmp.filePath(QStringLiteral("taken/data")), &error), QString());
        QCOMPARE(
            error,
            QStringLiteral("cannot use the data folder %1").arg(tmp.filePath(QStringLiteral("taken/data"))));
        QCOMPARE(Folders::dataFolder(file.fileName(), &error), QString());
    }

    void settingsFile() {
        const QString config = m_tmp.filePath(QStringLiteral("config"));
        qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
        QCOMPARE(Folders::settingsFilePath(), config + QStringLiteral("/modemtally/modemtally.conf"));
        {
            const auto settings = Folders::openSettings();
            settings->setValue(QStringLiteral("Plans/Current"), QStringLiteral("Night rate"));
        }
        QFile f(config + QStringLiteral("/modemtally/modemtally.conf"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("[Plans]\nCurrent=Night rate\n"));
        QCOMPARE(Folders::openSettings()->value(QStringLiteral("Plans/Current")).toString(),
                 QStringLiteral("Night rate"));
    }
};

QTEST_GUILESS_MAIN(tst_folders)
#include "tst_folders.moc"

#include "monitor/SoundSearch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {
QStringList L(std::initializer_list<const char*> names) {
    QStringList out;
    for (const char* n : names)
        out << QLatin1String(n);
    return out;
}

// Builds a tree: "dir/" makes a folder, anything else an (empty) file.
void makeTree(const QString& root, const QStringList& entries) {
    for (const QString& e : entries) {
        const QString path = root + QLatin1Char('/') + e;
        if (e.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
    }
}

QStringList relative(const QString& root, const QStringList& paths) {
    QStringList out;
    for (const QString& p : paths) {
        if (!p.startsWith(root + QLatin1Char('/')))
            return {QStringLiteral("outside the tree: ") + p};
        out << p.mid(root.size() + 1);
    }
    return out;
}

QStringList searchAll(const QString& start, SoundSearch::Outcome expected = SoundSearch::Outcome::Finished) {
    SoundSearch s(start);
    const auto outcome = s.runToEnd();
    if (outcome != expected)
        return {QStringLiteral("unexpected outcome")};
    return s.takeFound();
}
} // namespace

class tst_soundsearch : public QObject {
    Q_OBJECT
private slots:
    void order_data() {
        QTest::addColumn<QStringList>("tree");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("A and B with wave files, one in the root: B's, then A's, then the root's")
            << L({"A/a1.wav", "A/a2.wav", "B/b1.wav", "B/b2.wav", "root.wav"})
            << L({"B/b1.wav", "B/b2.wav", "A/a1.wav", "A/a2.wav", "root.wav"});
        QTest::newRow("deeper folders first, last name first, own files after the subfolders")
            << L({"A/x.wav", "A/A1/y.wav", "A/A2/z.wav", "A/A2/deep/d.wav", "B.wav", "C/"})
            << L({"A/A2/deep/d.wav", "A/A2/z.wav", "A/A1/y.wav", "A/x.wav", "B.wav"});
        QTest::newRow("letter case ignored in the pattern")
            << L({"r.WAV", "s.Wav", "t.wave", "u.wav.bak", "wav", "v.mp3", "w.wav"})
            << L({"r.WAV", "s.Wav", "w.wav"});
        QTest::newRow("letter case ignored in the name order")
            << L({"a/1.wav", "B/2.wav", "c/3.wav", "b.wav", "A.wav"})
            << L({"c/3.wav", "B/2.wav", "a/1.wav", "A.wav", "b.wav"});
        QTest::newRow("a folder named like a wave file is searched, not listed")
            << L({"folder.wav/in.wav", "z.wav"}) << L({"folder.wav/in.wav", "z.wav"});
        QTest::newRow("nothing to find") << L({"A/", "B/readme.txt"}) << QStringList();
    }
    void order() {
        QFETCH(QStringList, tree);
        QFETCH(QStringList, found);
        QTemporaryDir dir;
        makeTree(dir.path(), tree);
        QCOMPARE(relative(dir.path(), searchAll(dir.path())), found);
        // Started with a trailing separator, the paths are the same (no doubled "/").
        QCOMPARE(relative(dir.path(), searchAll(dir.path() + QLatin1Char('/'))), found);
    }

    void cancel_keeps_what_was_found() {
        QTemporaryDir dir;
        makeTree(dir.path(), L({"A/a.wav", "B/b.wav", "C/c.wav", "root.wav"}));
        SoundSearch s(dir.path());
        int guard = 0;
        while (s.foundCount() == 0 && ++guard < 100)
            QCOMPARE(s.step(1), SoundSearch::Outcome::Running);
        s.cancel();
        QCOMPARE(s.step(), SoundSearch::Outcome::Cancelled);
        QCOMPARE(relative(dir.path(), s.takeFound()), L({"C/c.wav"}));
        QCOMPARE(s.step(), SoundSearch::Outcome::Cancelled);
        QCOMPARE(s.foundCount(), 1);
    }

    void full_list_abandons_the_search() {
        QTemporaryDir dir;
        makeTree(dir.path(), L({"A/a.wav", "B/b1.wav", "B/b2.wav", "root.wav"}));
        SoundSearch s(dir.path(), 2);
        QCOMPARE(s.runToEnd(), SoundSearch::Outcome::ListFull);
        QCOMPARE(relative(dir.path(), s.takeFound()), L({"B/b1.wav", "B/b2.wav"}));
        // Exactly as many files as the list takes is not "full".
        SoundSearch exact(dir.path(), 4);
        QCOMPARE(exact.runToEnd(), SoundSearch::Outcome::Finished);
    }

    void a_folder_removed_during_the_search_is_skipped() {
        QTemporaryDir dir;
        makeTree(dir.path(), L({"A/a.wav", "B/b.wav", "root.wav"}));
        SoundSearch s(dir.path());
        QCOMPARE(s.step(1), SoundSearch::Outcome::Running); // the root is read, B and A are ahead
        QVERIFY(QDir(dir.path() + QStringLiteral("/B")).removeRecursively());
        QCOMPARE(s.runToEnd(), SoundSearch::Outcome::Finished);
        QCOMPARE(relative(dir.path(), s.takeFound()), L({"A/a.wav", "root.wav"}));
        QCOMPARE(s.directoriesSkipped(), 1);
    }

    void an_unreadable_folder_is_skipped() {
        if (geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        QTemporaryDir dir;
        makeTree(dir.path(), L({"A/a.wav", "B/b.wav", "root.wav"}));
        const QString b = dir.path() + QStringLiteral("/B");
        QVERIFY(QFile::setPermissions(b, QFileDevice::Permissions()));
        const QStringList found = searchAll(dir.path());
        QFile::setPermissions(b, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(relative(dir.path(), found), L({"A/a.wav", "root.wav"}));
    }

    void links_to_folders_are_not_followed() {
        QTemporaryDir dir;
        makeTree(dir.path(), L({"A/a.wav", "B/b.wav", "root.wav"}));
        const QString a = dir.path() + QStringLiteral("/A/");
        QVERIFY(QFile::link(QStringLiteral(".."), a + QStringLiteral("up")));
        QVERIFY(QFile::link(QStringLiteral("."), a + QStringLiteral("self")));
        QVERIFY(QFile::link(dir.path() + QStringLiteral("/B"), a + QStringLiteral("toB")));
        QVERIFY(QFile::link(QStringLiteral("nowhere"), a + QStringLiteral("dangling.wav")));
        SoundSearch s(dir.path());
        QCOMPARE(s.runToEnd(), SoundSearch::Outcome::Finished);
        QCOMPARE(relative(dir.path(), s.takeFound()), L({"B/b.wav", "A/a.wav", "root.wav"}));
        QCOMPARE(s.directoriesEntered(), 3);
    }

    void listing_for_the_windows() {
        QTemporaryDir dir;
        makeTree(dir.path(), L({"b/", "A/", "x.WAV", "note.txt", "a.wav"}));
        QVERIFY(QFile::link(QStringLiteral("A"), dir.path() + QStringLiteral("/linkdir")));
        const DirListing all = SoundSearch::list(dir.path(), false);
        QVERIFY(all.ok);
        QCOMPARE(all.subdirectories, L({"A", "b"}));
        QCOMPARE(all.files, L({"a.wav", "note.txt", "x.WAV"}));
        QCOMPARE(SoundSearch::list(dir.path(), true).files, L({"a.wav", "x.WAV"}));
        QVERIFY(!SoundSearch::list(dir.path() + QStringLiteral("/missing"), false).ok);
    }
};

QTEST_GUILESS_MAIN(tst_soundsearch)
#include "tst_soundsearch.moc"

// A second Fluvano saving the settings file is noticed; our own saves are not.
#include "core/SettingsFile.h"
#include "core/SettingsWatcher.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace
{

SettingsRecord recordWithLimit(float rMax)
{
    SettingsRecord record {};
    record.applyStandardValues(false);
    record.rMax = rMax;
    return record;
}

// Another process's save: the same atomic save, or a plain overwrite in place.
void saveAsAnotherInstance(const SettingsRecord& record, bool atomic)
{
    const QString path = SettingsFile::path();
    if (atomic) {
        QVERIFY(SettingsFile::write(record, path));
        return;
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QCOMPARE(file.write(reinterpret_cast<const char*>(&record), sizeof record), qint64(sizeof record));
}

// Waits long enough for a check to have run; true when nothing was signalled.
bool staysQuiet(QSignalSpy& spy)
{
    return !spy.wait(300);
}

} // namespace

class TestSettingsWatcher : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

private Q_SLOTS:
    void cleanup() { SettingsFile::setDirectory({}); }

    void anotherInstanceSaves_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("folderExists");
        QTest::addColumn<bool>("atomic");
        QTest::newRow("atomic saves replace the file") << "a" << true << true;
        QTest::newRow("overwritten in place") << "b" << true << false;
        QTest::newRow("folders created by the first save") << "c/config/fluvano" << false << true;
    }
    void anotherInstanceSaves()
    {
        QFETCH(QString, folder);
        QFETCH(bool, folderExists);
        QFETCH(bool, atomic);
        const QString where = dir.path() + u'/' + folder;
        SettingsFile::setDirectory(where);
        if (folderExists) {
            QVERIFY(QDir().mkpath(where));
            QVERIFY(SettingsFile::write(recordWithLimit(100)));
        }
        SettingsWatcher watcher;
        QSignalSpy spy(&watcher, &SettingsWatcher::changedOnDisk);
        if (!folderExists) QVERIFY(QDir().mkpath(where));

        // Each save is noticed, the second one too (the watch follows the new file).
        saveAsAnotherInstance(recordWithLimit(150), atomic || !folderExists);
        QVERIFY(spy.wait());
        saveAsAnotherInstance(recordWithLimit(250), atomic);
        QVERIFY(spy.wait());
        QCOMPARE(spy.count(), 2);

        // Then this instance takes it over and saves its own: no echo.
        SettingsRecord taken {};
        QCOMPARE(SettingsFile::read(taken), SettingsFile::ReadResult::Ok);
        QCOMPARE(taken.rMax, 250.0f);
        taken.rMax = 300;
        QVERIFY(SettingsFile::write(taken));
        QVERIFY(staysQuiet(spy));
        QCOMPARE(spy.count(), 2);
    }

    void burstOfSavesGivesOneSignal()
    {
        SettingsFile::setDirectory(dir.path() + QStringLiteral("/burst"));
        QVERIFY(QDir().mkpath(SettingsFile::directory()));
        QVERIFY(SettingsFile::write(recordWithLimit(100)));
        SettingsWatcher watcher;
        QSignalSpy spy(&watcher, &SettingsWatcher::changedOnDisk);
        // Saves in quick succession, each seen by the event loop on its own.
        for (int n = 1; n <= 10; ++n) {
            saveAsAnotherInstance(recordWithLimit(100 + n), true);
            QCoreApplication::processEvents();
        }
        QVERIFY(spy.wait());
        QVERIFY(staysQuiet(spy));
        QCOMPARE(spy.count(), 1);
    }

    // Events that bring no new whole record (our own save: see above).
    void nothingNewStaysQuiet_data()
    {
        QTest::addColumn<QString>("event");
        QTest::newRow("the other saves the record we hold") << "same";
        QTest::newRow("a truncated file") << "short";
        QTest::newRow("the file removed") << "removed";
    }
    void nothingNewStaysQuiet()
    {
        QFETCH(QString, event);
        SettingsFile::setDirectory(dir.path() + u'/' + event);
        QVERIFY(QDir().mkpath(SettingsFile::directory()));
        QVERIFY(SettingsFile::write(recordWithLimit(100)));
        SettingsWatcher watcher;
        QSignalSpy spy(&watcher, &SettingsWatcher::changedOnDisk);
        if (event == QStringLiteral("same")) {
            saveAsAnotherInstance(recordWithLimit(100), true);
        } else if (event == QStringLiteral("short")) {
            QFile file(SettingsFile::path());
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write("short"), 5);
        } else {
            QVERIFY(QFile::remove(SettingsFile::path()));
        }
        QVERIFY(staysQuiet(spy));
    }
};

QTEST_GUILESS_MAIN(TestSettingsWatcher)
#include "tst_settingswatcher.moc"

// Saving the settings file is atomic: a process killed at any moment while it
// saves over and over leaves a complete record, one of those it wrote.
#include "TestSupport.h"

#include "core/SettingsFile.h"

#include <QDir>
#include <QFile>

#include <random>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#endif

#ifdef Q_OS_UNIX
namespace
{

QByteArray image(const SettingsRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

SettingsRecord recordWithLimit(float rMax)
{
    SettingsRecord record {};
    record.applyStandardValues(false);
    record.rMax = rMax;
    return record;
}

void sleepMicroseconds(long microseconds)
{
    timespec pause { microseconds / 1000000, (microseconds % 1000000) * 1000 };
    while (nanosleep(&pause, &pause) != 0 && errno == EINTR) { }
}

} // namespace
#endif

class TestRobustnessSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedSavesLeaveAWholeRecord()
    {
#ifndef Q_OS_UNIX
        QSKIP("kills a forked copy of this process while it saves: needs fork(); the Windows save "
              "(QSaveFile, replacing the file in one step) is checked failing in tst_settingsfile");
#else
        TestEnvironment env;
        const SettingsRecord first = recordWithLimit(100);
        const SettingsRecord saved[] = { recordWithLimit(150), recordWithLimit(250) };
        const QList<QByteArray> images { image(first), image(saved[0]), image(saved[1]) };
        QVERIFY(SettingsFile::write(first));

        std::mt19937 random(50);
        QSet<int> seen;
        for (int kill = 0; kill < 50; ++kill) {
            const pid_t child = fork();
            QVERIFY(child >= 0);
            if (child == 0) {
                for (unsigned n = 0;; ++n)
                    SettingsFile::write(saved[n % 2]);
            }
            sleepMicroseconds(long(random() % 4000));
            QCOMPARE(::kill(child, SIGKILL), 0);
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

            QFile file(env.settingsPath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray contents = file.readAll();
            QCOMPARE(contents.size(), qsizetype(sizeof(SettingsRecord)));
            const int which = int(images.indexOf(contents));
            QVERIFY2(which >= 0, qPrintable(QStringLiteral("kill %1: a record nobody wrote").arg(kill)));
            seen.insert(which);
        }
        // The children did save in the time they had.
        QVERIFY(seen.contains(1) || seen.contains(2));
#endif
    }
};

FLUVANO_TEST_MAIN(TestRobustnessSave)
#include "tst_robustness_save.moc"

// Every file Fluvano writes is saved through SaveFile: the whole new file
// or the previous one, and a failure with the reason the save itself gives.
#include "core/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#endif

namespace
{

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

const QByteArray Previous = "the previous file\n";
const QByteArray Next = QByteArray(4096, 'x');

} // namespace

class TestSaveFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void outcomes_data()
    {
        QTest::addColumn<QString>("relative"); // where to save, in a fresh folder
        QTest::addColumn<bool>("createFolder");
        QTest::addColumn<bool>("saved");
        QTest::newRow("replaces a file") << "Fluvano.qel" << false << true;
        QTest::newRow("folder missing") << "neu/Fluvano.qel" << false << false;
        QTest::newRow("folder created") << "neu/fluvano/Fluvano.qel" << true << true;
        QTest::newRow("a folder in the file's place") << "Ordner" << false << false;
        QTest::newRow("a file in the folder's place") << "Fluvano.qel/x.csv" << true << false;
    }
    void outcomes()
    {
        QFETCH(QString, relative);
        QFETCH(bool, createFolder);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        writeBytes(dir.filePath(QStringLiteral("Fluvano.qel")), Previous);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Ordner")));
        const QString path = dir.filePath(relative);

        const SaveFile::Result result = SaveFile::write(path, Next, createFolder);
        QCOMPARE(bool(result), saved);
        QCOMPARE(result.path, path);
        QCOMPARE(result.reason.isEmpty(), saved);
        if (saved) QCOMPARE(readBytes(path), Next);
        // Whatever happened, nothing else changed.
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("Fluvano.qel"))),
            saved && relative == u"Fluvano.qel" ? Next : Previous);
        QVERIFY(QDir(dir.filePath(QStringLiteral("Ordner"))).isEmpty());
    }

    // A save that fails half-way leaves the previous file and says why.
    void failedWriteLeavesThePreviousFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Fluvano.qel"));
        writeBytes(path, Previous);
#ifdef Q_OS_WIN
        // Another program holds the file open (a second program reading it, a
        // virus scanner): the new file cannot replace it.
        QFile holder(path);
        QVERIFY(holder.open(QIODevice::ReadOnly));
        const SaveFile::Result written = SaveFile::write(path, Next);
        holder.close();
        QVERIFY(!written);
        QVERIFY(!written.reason.isEmpty());
#elif defined(Q_OS_LINUX)
        // Let the disk "fill up" after 100 bytes: the write fails half-way.
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        rlimit small = previous;
        small.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const SaveFile::Result written = SaveFile::write(path, Next);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &previous), 0);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!written);
        QCOMPARE(written.reason, qt_error_string(EFBIG)); // the system's own words
#else
        QSKIP("needs a file size limit (Linux) or a file held open (Windows)");
#endif
        QCOMPARE(readBytes(path), Previous);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("Fluvano.qel") });
    }
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_savefile.moc"

#include "core/AppState.h"
#include "core/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <limits>
#ifdef Q_OS_LINUX
#include <sys/fsuid.h>
#include <unistd.h>
#endif

namespace
{

QByteArray image(const SettingsRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

float floatAt(const QByteArray& bytes, int offset)
{
    float value;
    std::memcpy(&value, bytes.constData() + offset, sizeof value);
    return value;
}

// A record whose every byte differs, reserved byte and gap included.
QByteArray patternedImage()
{
    QByteArray bytes(164, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7 + 3);
    return bytes;
}

// Root may create files in any folder; while one of these lives, file access
// is checked as for the ordinary user "nobody" (this thread only).
struct AsOrdinaryUser {
#ifdef Q_OS_LINUX
    const bool root = geteuid() == 0;
    static void checkFilesAs(unsigned id)
    {
        setfsgid(id);
        setfsuid(id);
    }
    AsOrdinaryUser()
    {
        if (root) checkFilesAs(65534);
    }
    ~AsOrdinaryUser()
    {
        if (root) checkFilesAs(0);
    }
#else
    AsOrdinaryUser() { }
#endif
};

// The per-user folder under the configuration folder.
#ifdef Q_OS_WIN
const QString userFolder = QStringLiteral("Fluvano");
#else
const QString userFolder = QStringLiteral("fluvano");
#endif

void setMode(const QString& path, QFile::Permissions permissions)
{
    QVERIFY(QFile::setPermissions(path, permissions));
}

constexpr QFile::Permissions readWrite = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
    | QFile::ReadOther | QFile::WriteOther;
constexpr QFile::Permissions openFolder = readWrite | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
constexpr QFile::Permissions closedFolder
    = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    QString path() const { return SettingsFile::path(); }

private Q_SLOTS:
    void init()
    {
        SettingsFile::setDirectory(dir.path());
        QFile::remove(path());
    }

    void pathIsDirectoryWithSeparatorAndFileName()
    {
        QCOMPARE(SettingsFile::directory(), dir.path() + u'/');
        QCOMPARE(SettingsFile::path(), dir.path() + QStringLiteral("/Fluvano.qel"));
        SettingsFile::setDirectory({});
        QCOMPARE(SettingsFile::directory(),
            QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator());
    }

    void layoutOfTheFileImage()
    {
        SettingsRecord record {};
        record.densityAt(1) = 1.0f;
        record.heatCapacityAt(8) = 2.0f;
        record.viscosityAt(3) = 3.0f;
        record.densityInUse = 4.0f;
        record.heatCapacityInUse = 5.0f;
        record.viscosityInUse = 6.0f;
        record.temperatureIndex = 7;
        record.materialIndex = 8;
        record.manualOverride = 9;
        record.hideStartWindow = 10;
        record.hideEndWindow = 11;
        record.reserved = 12;
        record.gap[0] = 13;
        record.gap[1] = 14;
        record.rMax = 15.0f;
        record.wMax = 16.0f;
        record.roughnessAt(10) = 17.0f;
        QVERIFY(SettingsFile::write(record));
        const QByteArray bytes = readBytes(path());
        QCOMPARE(bytes.size(), 164);
        QCOMPARE(floatAt(bytes, 0), 1.0f);
        QCOMPARE(floatAt(bytes, 32 + 4 * 7), 2.0f);
        QCOMPARE(floatAt(bytes, 64 + 4 * 2), 3.0f);
        QCOMPARE(floatAt(bytes, 96), 4.0f);
        QCOMPARE(floatAt(bytes, 100), 5.0f);
        QCOMPARE(floatAt(bytes, 104), 6.0f);
        for (int offset = 108; offset <= 115; ++offset)
            QCOMPARE(int(bytes[offset]), offset - 101);
        QCOMPARE(floatAt(bytes, 116), 15.0f);
        QCOMPARE(floatAt(bytes, 120), 16.0f);
        QCOMPARE(floatAt(bytes, 124 + 4 * 9), 17.0f);
    }

    void roundTripIsBitForBit()
    {
        const QByteArray original = patternedImage();
        writeBytes(path(), original);
        SettingsRecord record {};
        QCOMPARE(SettingsFile::read(record), SettingsFile::ReadResult::Ok);
        QCOMPARE(image(record), original);
        QFile::remove(path());
        QVERIFY(SettingsFile::write(record));
        QCOMPARE(readBytes(path()), original);
    }

    void readOutcomes_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<SettingsFile::ReadResult>("result");
        QTest::newRow("empty file") << 0 << SettingsFile::ReadResult::Failed;
        QTest::newRow("one byte short") << 163 << SettingsFile::ReadResult::Failed;
        QTest::newRow("exactly one record") << 164 << SettingsFile::ReadResult::Ok;
        QTest::newRow("longer than a record") << 400 << SettingsFile::ReadResult::Ok;
    }
    void readOutcomes()
    {
        QFETCH(int, length);
        QFETCH(SettingsFile::ReadResult, result);
        QByteArray bytes = patternedImage();
        bytes = bytes.repeated(3).left(length);
        writeBytes(path(), bytes);
        SettingsRecord record {};
        const QByteArray before = image(record);
        QCOMPARE(SettingsFile::read(record), result);
        // Only a complete record replaces what was there.
        QCOMPARE(image(record), result == SettingsFile::ReadResult::Ok ? patternedImage() : before);
    }

    // A file of the earlier version holds 0 in roughness 8..10; an unusable
    // slot of the new materials reads as its standard value, while 1..6 keep
    // what the file says (a zero there still stops the calculation).
    void unusableRoughnessOfNewMaterials_data()
    {
        QTest::addColumn<float>("stored");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("earlier version, zero") << 0.0f << true;
        QTest::newRow("negative") << -0.5f << true;
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << true;
        QTest::newRow("a value of the user's") << 0.02f << false;
    }
    void unusableRoughnessOfNewMaterials()
    {
        QFETCH(float, stored);
        QFETCH(bool, replaced);
        SettingsRecord old {};
        old.applyStandardValues(false);
        old.roughnessAt(5) = 0.0f;
        for (int m = 7; m <= 10; ++m)
            old.roughnessAt(m) = m == 7 ? 0.007f : stored;
        writeBytes(path(), image(old));
        SettingsRecord record {};
        QCOMPARE(SettingsFile::read(record), SettingsFile::ReadResult::Ok);
        const float standard[] = { 0.007f, 0.0015f, 0.025f, 0.007f };
        for (int m = 8; m <= 10; ++m)
            QCOMPARE(record.roughnessAt(m), replaced ? standard[m - 7] : stored);
        QCOMPARE(record.roughnessAt(5), 0.0f);
    }

    void missingFile()
    {
        SettingsRecord record {};
        QCOMPARE(SettingsFile::read(record), SettingsFile::ReadResult::Missing);
    }

    void directoryInPlaceOfTheFile()
    {
        QVERIFY(QDir(dir.path()).mkdir(SettingsFile::fileName()));
        SettingsRecord record {};
        QCOMPARE(SettingsFile::read(record), SettingsFile::ReadResult::Failed);
        QVERIFY(!SettingsFile::write(record));
        QVERIFY(QDir(dir.path()).rmdir(SettingsFile::fileName()));
    }

    void writeIntoMissingDirectoryFails()
    {
        SettingsFile::setDirectory(dir.path() + QStringLiteral("/does-not-exist"));
        SettingsRecord record {};
        QVERIFY(!SettingsFile::write(record));
        QVERIFY(!QFile::exists(SettingsFile::path()));
    }

    void standardValues_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<float>("density");
        QTest::addColumn<float>("heatCapacity");
        QTest::addColumn<float>("viscosity");
        QTest::newRow("0 °C") << 1 << 999.0f << 4217.0f << 1.79f;
        QTest::newRow("10 °C") << 2 << 999.7f << 4199.0f << 1.31f;
        QTest::newRow("20 °C") << 3 << 998.3f << 4182.0f << 1.01f;
        QTest::newRow("30 °C") << 4 << 995.7f << 4180.0f << 0.81f;
        QTest::newRow("40 °C") << 5 << 992.3f << 4179.0f << 0.66f;
        QTest::newRow("60 °C") << 6 << 983.2f << 4185.0f << 0.48f;
        QTest::newRow("80 °C") << 7 << 977.7f << 4197.0f << 0.37f;
    }
    void standardValues()
    {
        QFETCH(int, index);
        QFETCH(float, density);
        QFETCH(float, heatCapacity);
        QFETCH(float, viscosity);
        SettingsRecord record {};
        record.applyStandardValues(false);
        QCOMPARE(record.densityAt(index), density);
        QCOMPARE(record.heatCapacityAt(index), heatCapacity);
        QCOMPARE(record.viscosityAt(index), viscosity);
    }

    void standardValuesInUseAndLimits()
    {
        SettingsRecord record {};
        record.applyStandardValues(false);
        QCOMPARE(record.temperatureIndex, 6);
        QCOMPARE(record.densityInUse, 983.2f);
        QCOMPARE(record.heatCapacityInUse, 4185.0f);
        QCOMPARE(record.viscosityInUse, 0.48f);
        QCOMPARE(record.rMax, 100.0f);
        QCOMPARE(record.wMax, 2.0f);
        QCOMPARE(record.materialIndex, 1);
        const float roughness[] = { 0.045f, 0.045f, 0.045f, 0.045f, 0.002f, 0.0015f, 0.007f, 0.0015f, 0.025f, 0.007f };
        for (int m = 1; m <= 10; ++m)
            QCOMPARE(record.roughnessAt(m), roughness[m - 1]);
    }

    void standardValuesKeepWhatTheyDoNotSet()
    {
        QByteArray bytes(164, '\x5a');
        SettingsRecord record;
        std::memcpy(&record, bytes.constData(), sizeof record);
        const SettingsRecord before = record;
        record.applyStandardValues(true);
        QCOMPARE(record.densityAt(8), before.densityAt(8));
        QCOMPARE(record.heatCapacityAt(8), before.heatCapacityAt(8));
        QCOMPARE(record.viscosityAt(8), before.viscosityAt(8));
        QCOMPARE(record.hideStartWindow, before.hideStartWindow);
        QCOMPARE(record.hideEndWindow, before.hideEndWindow);
        QCOMPARE(record.reserved, before.reserved);
        QCOMPARE(record.gap[0], before.gap[0]);
        QCOMPARE(record.gap[1], before.gap[1]);
        QCOMPARE(record.manualOverride, before.manualOverride);
        record.applyStandardValues(false);
        QCOMPARE(record.manualOverride, 0);
    }

    // Portable when a file can be created beside the executable and no
    // installation marker is there, else the user's own file, falling back to
    // the installation's defaults for reading.
    void location_data()
    {
        QTest::addColumn<bool>("marker"); // Fluvano.installed beside the executable
        QTest::addColumn<bool>("programWritable");
        QTest::addColumn<bool>("defaults"); // a file beside the executable
        QTest::addColumn<bool>("userFile"); // <config>/fluvano/Fluvano.qel
        QTest::addColumn<QString>("folder"); // where saves go and the read-error message points
        QTest::addColumn<QString>("readFrom");
        QTest::newRow("portable, a user file is ignored") << false << true << true << true << "program"
                                                          << "program";
        QTest::newRow("portable, first start") << false << true << false << false << "program"
                                               << "program";
        // The file beside the executable is writable, its folder is not: the atomic save needs the folder.
        QTest::newRow("read-only copy, first start reads the defaults") << false << false << true << false << "user"
                                                                        << "program";
        QTest::newRow("read-only copy, the user has saved") << false << false << true << true << "user"
                                                            << "user";
        QTest::newRow("read-only copy, no file anywhere") << false << false << false << false << "user"
                                                          << "user";
        // An installation is never written, even where its folder is writable (root, an Administrator).
        QTest::newRow("installed, first start reads the defaults") << true << true << true << false << "user"
                                                                   << "program";
        QTest::newRow("installed, the user has saved") << true << true << true << true << "user"
                                                       << "user";
        QTest::newRow("installed, no file anywhere") << true << true << false << false << "user"
                                                     << "user";
    }
    void location()
    {
        QFETCH(bool, marker);
        QFETCH(bool, programWritable);
        QFETCH(bool, defaults);
        QFETCH(bool, userFile);
        QFETCH(QString, folder);
        QFETCH(QString, readFrom);
#ifndef Q_OS_UNIX
        if (!programWritable) QSKIP("permission bits do not close a folder here");
#endif
        QTemporaryDir root;
        setMode(root.path(), openFolder);
        const QString program = QDir::toNativeSeparators(root.path() + QStringLiteral("/lib/fluvano/"));
        const QString config = root.path() + QStringLiteral("/config");
        const QString user = QDir::toNativeSeparators(config + u'/' + userFolder + u'/');
        QVERIFY(QDir().mkpath(program) && QDir().mkpath(user));
        if (marker) writeBytes(program + SettingsFile::installationMarkerName(), "installed\n");
        if (defaults) {
            writeBytes(program + SettingsFile::fileName(), patternedImage());
            setMode(program + SettingsFile::fileName(), readWrite);
        }
        if (userFile) writeBytes(user + SettingsFile::fileName(), patternedImage());
        setMode(program, programWritable ? openFolder : closedFolder);

        SettingsFile::setDirectory(program, config);
        SettingsFile::Location where;
        {
            AsOrdinaryUser nobody;
            where = SettingsFile::location();
        }
        const QString expected = folder == QStringLiteral("program") ? program : user;
        QCOMPARE(where.directory, expected);
        QCOMPARE(SettingsFile::directory(), expected);
        QCOMPARE(SettingsFile::path(), expected + SettingsFile::fileName());
        QCOMPARE(SettingsFile::readPath(),
            (readFrom == QStringLiteral("program") ? program : user) + SettingsFile::fileName());
        // The probe leaves nothing behind.
        QStringList programFiles;
        if (defaults) programFiles << SettingsFile::fileName();
        if (marker) programFiles << SettingsFile::installationMarkerName();
        programFiles.sort();
        QCOMPARE(
            QDir(program).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name), programFiles);
        setMode(program, openFolder);
    }

    // Installed: the first save creates the user's folder; the installation's
    // file stays as it was, and the next read takes the user's record.
    void installedSaveGoesToTheUser()
    {
        QTemporaryDir program;
        writeBytes(program.path() + u'/' + SettingsFile::fileName(), patternedImage());
        writeBytes(program.path() + u'/' + SettingsFile::installationMarkerName(), "installed\n");
        const QString user = QDir::toNativeSeparators(dir.path() + u'/' + userFolder + QStringLiteral("/Fluvano.qel"));
        SettingsFile::setDirectory(program.path(), dir.path());
        QVERIFY(SettingsFile::location().perUser);
        SettingsRecord record {};
        QCOMPARE(SettingsFile::read(record), SettingsFile::ReadResult::Ok);
        QCOMPARE(image(record), patternedImage());
        record.rMax = 123.0f;
        const SettingsFile::WriteResult written = SettingsFile::write(record);
        QVERIFY(written);
        QCOMPARE(written.path, user);
        QCOMPARE(readBytes(user), image(record));
        QCOMPARE(SettingsFile::lastImage(), image(record));
        QCOMPARE(readBytes(program.path() + u'/' + SettingsFile::fileName()), patternedImage());
        SettingsRecord back {};
        QCOMPARE(SettingsFile::read(back), SettingsFile::ReadResult::Ok);
        QCOMPARE(back.rMax, 123.0f);
        QVERIFY(QFile::remove(user));
    }

    // A failed save names the file and the system's reason.
    void failedSaveTellsPathAndReason()
    {
        const QString missing = dir.path() + QStringLiteral("/does-not-exist/") + SettingsFile::fileName();
        const SettingsFile::WriteResult written = SettingsFile::write(SettingsRecord {}, missing);
        QVERIFY(!written);
        QCOMPARE(written.path, missing);
        QVERIFY(!written.reason.isEmpty());
        QCOMPARE(SettingsFile::writeErrorMessage(written.path, written.reason),
            QStringLiteral("Fehler bei Datenträgerzugriff.\r") + missing + u'\r' + written.reason);
    }

    // The shared data tells what changed, and whether the record in memory
    // holds changes the file does not (another Fluvano's save is taken over
    // only when it does not).
    void sharedDataSaysWhatChanged_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("signalled"); // AppState::Parts, 0: no signal
        QTest::addColumn<bool>("unsaved");
        const int settings = int(AppState::Part::Settings);
        QTest::newRow("record edited") << "edit" << settings << true;
        QTest::newRow("file read") << "read" << settings << false;
        QTest::newRow("missing file read") << "read missing" << 0 << true;
        QTest::newRow("record saved") << "write" << 0 << false;
        QTest::newRow("record saved after a read error") << "write after error" << settings << false;
        QTest::newRow("failed save") << "write fails" << 0 << true;
        QTest::newRow("pipe series") << "catalogue" << int(AppState::Part::Catalogue) << true;
        QTest::newRow("error flag as it was") << "no error" << 0 << true;
    }
    void sharedDataSaysWhatChanged()
    {
        QFETCH(QString, step);
        QFETCH(int, signalled);
        QFETCH(bool, unsaved);
        AppState state;
        SettingsRecord record {};
        record.applyStandardValues(false);
        if (step != u"read missing" && step != u"write fails") QVERIFY(SettingsFile::write(record));
        if (step == u"write fails") QVERIFY(QDir(dir.path()).mkdir(SettingsFile::fileName()));
        record.rMax = 77;
        state.setSettings(record); // unsaved from here
        if (step == u"write after error") state.setSettingsFileError(true);
        QSignalSpy changed(&state, &AppState::changed);

        if (step == u"edit") state.setSettings(record);
        if (step.startsWith(u"read")) state.readSettings();
        if (step.startsWith(u"write")) QCOMPARE(bool(state.writeSettings()), step != u"write fails");
        if (step == u"catalogue") state.setCatalogue(PipeCatalogue {});
        if (step == u"no error") state.setSettingsFileError(false);

        QCOMPARE(changed.size(), signalled ? 1 : 0);
        if (signalled) QCOMPARE(int(changed[0][0].value<AppState::Parts>()), signalled);
        QCOMPARE(state.settingsUnsaved(), unsaved);
        QVERIFY(!state.settingsFileError());
        QCOMPARE(state.settings().rMax, step == u"read" ? 100.0f : 77.0f); // the file holds the standard values
        if (step == u"write fails") QDir(dir.path()).rmdir(SettingsFile::fileName());
    }

    void messages()
    {
        QCOMPARE(SettingsFile::readErrorMessage(QStringLiteral("/opt/fluvano/")),
            QStringLiteral(
                "FEHLER! Datei Fluvano.qel (Einstellungen/Vorgaben) im Verzeichnis \r/opt/fluvano/ fehlt oder "
                "ist beschädigt. \r\rBitte umgehend bei den Konstanten Standardwerte setzten und "
                "Speichern.\r"));
        QVERIFY(!SettingsFile::readErrorMessage(QStringLiteral("/x/")).contains(u'\n'));
        QCOMPARE(SettingsFile::writeErrorMessage(), QStringLiteral("Fehler bei Datenträgerzugriff."));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"

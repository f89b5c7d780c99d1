// The settings reader and the main window against generated settings files:
// every length from 0 to 400 bytes, random bytes, and records whose numbers
// are not-a-number, infinite, denormal, negative or zero and whose indices and
// flags are out of range.
#include "DisplayChecks.h"
#include "TestSupport.h"

#include "core/AppState.h"
#include "core/Calculation.h"
#include "core/SettingsFile.h"
#include "forms/constants/Settings.h"
#include "forms/constants/TForm2.h"
#include "forms/main/TForm1.h"

#include <QFile>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

namespace
{

constexpr int RecordSize = int(sizeof(SettingsRecord));
constexpr int MaxLength = 400;

QByteArray image(const SettingsRecord& record)
{
    return QByteArray(reinterpret_cast<const char*>(&record), RecordSize);
}

SettingsRecord standardRecord()
{
    SettingsRecord record {};
    record.applyStandardValues(false);
    record.hideStartWindow = 1;
    record.hideEndWindow = 1;
    return record;
}

QByteArray randomBytes(std::mt19937& random, int length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(random() & 0xff);
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

// Floats that a damaged or hand-edited file may hold.
const float Nasty[] = {
    0.0f,
    -0.0f,
    std::numeric_limits<float>::quiet_NaN(),
    -std::numeric_limits<float>::quiet_NaN(),
    std::bit_cast<float>(0x7f800001u), // signalling NaN
    std::bit_cast<float>(0x7fc12345u), // NaN with a payload
    std::numeric_limits<float>::infinity(),
    -std::numeric_limits<float>::infinity(),
    std::numeric_limits<float>::denorm_min(),
    std::bit_cast<float>(0x007fffffu), // largest denormal
    -std::numeric_limits<float>::denorm_min(),
    FLT_MIN,
    FLT_MAX,
    -FLT_MAX,
    -1.0f,
    -983.2f,
    1e-30f,
    1e30f,
};

const std::uint8_t NastyBytes[] = { 0, 7, 8, 10, 11, 100, 128, 255 };

// The float fields the calculation and the display read, with their names.
struct FloatField {
    const char* name;
    float SettingsRecord::*member;
};
const FloatField CalculationFields[] = {
    { "densityInUse", &SettingsRecord::densityInUse },
    { "heatCapacityInUse", &SettingsRecord::heatCapacityInUse },
    { "viscosityInUse", &SettingsRecord::viscosityInUse },
    { "rMax", &SettingsRecord::rMax },
    { "wMax", &SettingsRecord::wMax },
};

struct GeneratedRecord {
    QString name;
    QByteArray bytes; // at least one record long
};

// Standard records with one field or byte broken, standard records with many
// fields replaced at random, and records of random bytes.
QList<GeneratedRecord> generatedRecords()
{
    QList<GeneratedRecord> records;
    std::mt19937 random(20240611);

    for (const FloatField& field : CalculationFields) {
        for (float value : Nasty) {
            SettingsRecord record = standardRecord();
            record.*field.member = value;
            records.append(
                { QStringLiteral("%1=%2").arg(QLatin1StringView(field.name)).arg(double(value)), image(record) });
        }
    }
    for (int m = 1; m <= 6; ++m) {
        for (float value : Nasty) {
            SettingsRecord record = standardRecord();
            record.roughnessAt(m) = value;
            records.append({ QStringLiteral("roughness%1=%2").arg(m).arg(double(value)), image(record) });
        }
    }
    for (int offset = offsetof(SettingsRecord, temperatureIndex); offset <= int(offsetof(SettingsRecord, gap)) + 1;
         ++offset) {
        for (std::uint8_t value : NastyBytes) {
            QByteArray bytes = image(standardRecord());
            bytes[offset] = char(value);
            records.append({ QStringLiteral("byte%1=%2").arg(offset).arg(value), bytes });
        }
    }
    for (int n = 0; n < 120; ++n) {
        SettingsRecord record = standardRecord();
        auto* floats = reinterpret_cast<std::uint32_t*>(&record);
        for (int slot = 0; slot < RecordSize / 4; ++slot) {
            if (slot == int(offsetof(SettingsRecord, temperatureIndex)) / 4
                || slot == int(offsetof(SettingsRecord, hideEndWindow)) / 4)
                continue; // the byte fields
            if (random() % 3 == 0) floats[slot] = std::bit_cast<std::uint32_t>(Nasty[random() % std::size(Nasty)]);
        }
        record.temperatureIndex = std::uint8_t(random());
        record.materialIndex = std::uint8_t(random() % 12);
        record.manualOverride = std::uint8_t(random() % 3);
        record.hideStartWindow = std::uint8_t(random());
        record.hideEndWindow = std::uint8_t(random());
        records.append({ QStringLiteral("damaged#%1").arg(n), image(record) });
    }
    for (int n = 0; n < 60; ++n)
        records.append({ QStringLiteral("random#%1").arg(n), randomBytes(random, RecordSize + int(random() % 60)) });
    return records;
}

const QStringList& faultMessages()
{
    static const QStringList messages { arithmeticFaultMessage(ArithmeticFault::DivisionByZero),
        arithmeticFaultMessage(ArithmeticFault::InvalidOperation), arithmeticFaultMessage(ArithmeticFault::Overflow) };
    return messages;
}

} // namespace

class TestRobustnessSettings : public QObject
{
    Q_OBJECT

private:
    // Runs one step on the window and checks what it shows: a well-formed
    // result column (a value that slipped through as not-a-number would leave
    // its panel alone empty) and no message but the calculation's fault
    // message.
    void step(TestEnvironment& env, TForm1& form, const QString& record, const char* what,
        const std::function<void()>& action)
    {
        const qsizetype before = env.messages.size();
        action();
        const QString problem = DisplayChecks::problem(form);
        QVERIFY2(
            problem.isEmpty(), qPrintable(QStringLiteral("%1, %2: %3").arg(record, QLatin1StringView(what), problem)));
        for (qsizetype i = before; i < env.messages.size(); ++i) {
            const QString& text = env.messages.at(i).text;
            QVERIFY2(faultMessages().contains(text),
                qPrintable(QStringLiteral("%1, %2: message \"%3\"").arg(record, QLatin1StringView(what), text)));
        }
    }

    static void type(QLineEdit* edit, const QString& keys)
    {
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }

    // The main window started on the given file, driven through a heat output,
    // the materials, a temperature difference, manual mode, and a save of the
    // constants dialog.
    void driveMainWindow(const GeneratedRecord& generated)
    {
        TestEnvironment env;
        writeFile(env.settingsPath(), generated.bytes);
        auto form = env.createMainWindow();
        QVERIFY2(!appState().settingsFileError(), qPrintable(generated.name));
        QVERIFY2(env.messages.isEmpty(), qPrintable(generated.name));
        TForm1& w = *form;
        const QString& name = generated.name;

        step(env, w, name, "start", [] {});
        step(env, w, name, "10 kW", [&] { type(w.Edit1, QStringLiteral("10")); });
        step(env, w, name, "100000 kW", [&] { type(w.Edit1, QStringLiteral("100000")); });
        step(env, w, name, "2,5 kW", [&] { type(w.Edit1, QStringLiteral("2.5")); });
        for (QRadioButton* material :
            { w.RadioButton12, w.RadioButton13, w.RadioButton14, w.RadioButton15, w.RadioButton16, w.RadioButton11 })
            step(env, w, name, "material", [&] { material->click(); });
        step(env, w, name, "5 K", [&] { w.RadioButton1->click(); });
        step(env, w, name, "manual", [&] { w.CheckBox1->click(); });
        step(env, w, name, "step up", [&] { w.UpDown1->stepUp(); });
        step(env, w, name, "step up", [&] { w.UpDown1->stepUp(); });
        step(env, w, name, "automatic", [&] { w.CheckBox1->click(); });

        // The constants dialog shows the file's values and saves them back;
        // not-finite fields show empty and refuse the save with its warning.
        w.Optionen_Aufruf();
        TForm2* dialog = TForm2::current();
        QVERIFY(dialog);
        for (QLineEdit* field : dialog->findChildren<QLineEdit*>())
            QVERIFY2(!DisplayChecks::showsNotANumber(field->text()),
                qPrintable(QStringLiteral("%1: dialog %2 \"%3\"").arg(name, field->objectName(), field->text())));
        const qsizetype before = env.messages.size();
        dialog->BitBtn1->click();
        for (qsizetype i = before; i < env.messages.size(); ++i) {
            const QString& text = env.messages.at(i).text;
            if (!faultMessages().contains(text))
                QCOMPARE(text, QStringLiteral("Fehlerhafte Eingabe in einem Eingabefeld !\rBitte überprüfen."));
        }
        const QString problem = DisplayChecks::problem(w);
        QVERIFY2(problem.isEmpty(), qPrintable(name + QStringLiteral(", after saving: ") + problem));
    }

private Q_SLOTS:
    void initTestCase() { muteOffscreenRaiseWarnings(); }
    void cleanupTestCase() { unmuteOffscreenRaiseWarnings(); }

    // Every length from 0 to 400 bytes, each as zeros, as random bytes and as
    // a standard record followed by random bytes: a short file is refused
    // and leaves the record as it was; a long enough one gives its first
    // 164 bytes.
    void readerTakesOnlyWholeRecords()
    {
        TestEnvironment env;
        std::mt19937 random(164);
        const QByteArray standard = image(standardRecord());
        for (int length = 0; length <= MaxLength; ++length) {
            const QByteArray contents[] = {
                QByteArray(length, '\0'),
                randomBytes(random, length),
                (standard + randomBytes(random, MaxLength)).left(length),
            };
            for (const QByteArray& bytes : contents) {
                writeFile(env.settingsPath(), bytes);
                SettingsRecord record;
                std::memset(&record, 0xa5, sizeof record);
                const QByteArray untouched = image(record);
                const SettingsFile::ReadResult result = SettingsFile::read(record);
                if (length < RecordSize) {
                    QVERIFY2(result == SettingsFile::ReadResult::Failed, qPrintable(QString::number(length)));
                    QCOMPARE(image(record), untouched);
                } else {
                    QVERIFY2(result == SettingsFile::ReadResult::Ok, qPrintable(QString::number(length)));
                    // Roughness 7..10 that no calculation could use reads as standard.
                    SettingsRecord expected;
                    std::memcpy(&expected, bytes.constData(), sizeof expected);
                    expected.useStandardRoughnessWhereUnusable();
                    QCOMPARE(image(record), image(expected));
                }
            }
        }
    }

    // The program's own read of a short file: the read-error message naming
    // the directory, and the error flag.
    void shortFilesReportTheReadError()
    {
        std::mt19937 random(163);
        for (int length = 0; length < RecordSize; ++length) {
            TestEnvironment env;
            writeFile(env.settingsPath(), randomBytes(random, length));
            QVERIFY(!Settings::Vorgaben_einlesen(nullptr));
            QVERIFY2(appState().settingsFileError(), qPrintable(QString::number(length)));
            QCOMPARE(env.messageTexts(), QStringList { SettingsFile::readErrorMessage(env.directory()) });
        }
    }

    // While the file is in error, typing computes nothing and shows nothing.
    void shortFileShowsNoResults()
    {
        for (int length : { 0, 1, 4, 100, RecordSize - 1 }) {
            TestEnvironment env;
            writeFile(env.settingsPath(), image(standardRecord()).left(length));
            auto form = env.createMainWindow();
            mainTimer(*form, "Timer5")->stop(); // the constants dialog would open 200 ms later
            QVERIFY(appState().settingsFileError());
            type(form->Edit1, QStringLiteral("10"));
            for (int n = 1; n <= 6; ++n)
                QVERIFY2(DisplayChecks::panel(*form, n)->text().isEmpty(), qPrintable(QString::number(length)));
            QCOMPARE(env.messages.size(), 1);
        }
    }

    // A file of random bytes of every readable length, and records with
    // not-a-number, infinite, denormal, negative and zero constants and
    // out-of-range indices and flags.
    void mainWindowWithGeneratedFiles()
    {
        std::mt19937 random(400);
        QList<GeneratedRecord> records = generatedRecords();
        for (int length = RecordSize; length <= MaxLength; length += 3)
            records.append({ QStringLiteral("length%1").arg(length), randomBytes(random, length) });
        for (const GeneratedRecord& record : records) {
            driveMainWindow(record);
            if (QTest::currentTestFailed()) return;
        }
    }

    // Constants that stop the calculation: its fault message, once per
    // calculation, and the result column left as it was.
    void faultyConstantsShowTheFaultMessage_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("message");
        const QString divisionByZero = arithmeticFaultMessage(ArithmeticFault::DivisionByZero);
        const auto at = [](auto member) { return int(member); };
        QTest::newRow("density 0") << at(offsetof(SettingsRecord, densityInUse)) << 0.0f << divisionByZero;
        QTest::newRow("heat capacity 0") << at(offsetof(SettingsRecord, heatCapacityInUse)) << 0.0f << divisionByZero;
        QTest::newRow("viscosity 0") << at(offsetof(SettingsRecord, viscosityInUse)) << 0.0f << divisionByZero;
        QTest::newRow("roughness 0") << at(offsetof(SettingsRecord, roughness)) << 0.0f << divisionByZero;
        QTest::newRow("density NaN") << at(offsetof(SettingsRecord, densityInUse))
                                     << std::numeric_limits<float>::quiet_NaN() << QString();
        QTest::newRow("viscosity -inf") << at(offsetof(SettingsRecord, viscosityInUse))
                                        << -std::numeric_limits<float>::infinity() << QString();
        QTest::newRow("density denormal")
            << at(offsetof(SettingsRecord, densityInUse)) << std::numeric_limits<float>::denorm_min() << QString();
        QTest::newRow("roughness negative") << at(offsetof(SettingsRecord, roughness)) << -0.045f << QString();
    }
    void faultyConstantsShowTheFaultMessage()
    {
        QFETCH(int, offset);
        QFETCH(float, value);
        QFETCH(QString, message); // empty: any of the fault messages
        TestEnvironment env;
        QByteArray bytes = image(standardRecord());
        std::memcpy(bytes.data() + offset, &value, sizeof value);
        writeFile(env.settingsPath(), bytes);
        auto form = env.createMainWindow();
        form->Edit1->setText(QStringLiteral("10"));
        QCOMPARE(env.messages.size(), 1);
        if (message.isEmpty())
            QVERIFY2(faultMessages().contains(env.messages.front().text), qPrintable(env.messages.front().text));
        else
            QCOMPARE(env.messages.front().text, message);
        QCOMPARE(env.messages.front().icon, QMessageBox::Critical);
        for (int n = 1; n <= 6; ++n)
            QVERIFY(DisplayChecks::panel(*form, n)->text().isEmpty());
    }
};

FLUVANO_TEST_MAIN(TestRobustnessSettings)
#include "tst_robustness_settings.moc"

#pragma once

#include "core/SettingsRecord.h"
#include "widgets/MessageBoxes.h"

#include <QList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

class TForm1;

// Points the program's outside world at test doubles for its lifetime:
// message boxes are recorded instead of shown, URLs are recorded and "opened"
// with the result urlOpens, the settings file lives in a fresh temporary
// directory, the clipboard is empty, and the shared state starts as at
// program start. A watchdog
// fails the test if a real modal window ever appears.
class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    QString directory() const; // with trailing separator
    QString settingsPath() const;

    // Writes a standard-values settings file (optionally adjusted first).
    void writeStandardSettings(bool hideStart = true, bool hideEnd = true);

    // A main window created with the timers stopped, so that no start window
    // or banner runs unless the test asks for it.
    std::unique_ptr<TForm1> createMainWindow();
    // Such a window, shown and, once the window system says so, active.
    std::unique_ptr<TForm1> showMainWindow();

    QList<MessageBoxes::Request> messages;
    QList<QUrl> openedUrls;
    // Questions asked (MessageBoxes::ask) and the answer every one gets.
    QList<MessageBoxes::Request> questions;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    bool urlOpens = true;

    QStringList messageTexts() const;

private:
    QTemporaryDir dir_;
    QTimer watchdog_;
};

// Changes the shared settings record in memory, as a window would.
void editSettings(const std::function<void(SettingsRecord&)>& edit);

// One of the main window's timers, found by its object name ("Timer1" …).
QTimer* mainTimer(const TForm1& window, const char* name);

// The offscreen platform warns on every window it raises; hundreds of those
// would bury a real failure. Call in initTestCase, undo in cleanupTestCase.
void muteOffscreenRaiseWarnings();
void unmuteOffscreenRaiseWarnings();

// Qt's offscreen platform on Windows reads the font files of one folder
// (QT_QPA_FONTDIR, else the system's fonts); where Arial and Courier New are
// missing there (under Wine), their metric twins stand in.
void useOffscreenFonts();

// Main for a widget test: offscreen unless a platform is set, German texts.
#define FLUVANO_TEST_MAIN(TestClass)                                                                                   \
    int main(int argc, char* argv[])                                                                                   \
    {                                                                                                                  \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");                   \
        useOffscreenFonts();                                                                                           \
        QApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        TestClass test;                                                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }

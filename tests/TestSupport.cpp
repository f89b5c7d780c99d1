#include "TestSupport.h"

#include "core/AppState.h"
#include "core/SettingsFile.h"
#include "forms/constants/TForm2.h"
#include "forms/main/TForm1.h"
#include "widgets/Links.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFont>
#include <QWidget>

TestEnvironment::TestEnvironment()
{
    resetAppState();
    TForm2::shared() = {};
    QGuiApplication::clipboard()->clear(); // cut and paste work in the number fields
    SettingsFile::setDirectory(dir_.path());
    MessageBoxes::setHandler([this](QWidget*, const MessageBoxes::Request& request) { messages.append(request); });
    MessageBoxes::setQuestionHandler(
        [this](QWidget*, const MessageBoxes::Request& request, QMessageBox::StandardButtons) {
            questions.append(request);
            return answer;
        });
    Links::setUrlOpener([this](const QUrl& url, QWidget*) {
        openedUrls.append(url);
        return urlOpens;
    });
    watchdog_.setInterval(100);
    QObject::connect(&watchdog_, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
            QFAIL("a modal window appeared");
        }
    });
    watchdog_.start();
}

TestEnvironment::~TestEnvironment()
{
    MessageBoxes::setHandler({});
    MessageBoxes::setQuestionHandler({});
    Links::setUrlOpener({});
    SettingsFile::setDirectory({});
    resetAppState();
    TForm2::shared() = {};
}

void editSettings(const std::function<void(SettingsRecord&)>& edit)
{
    SettingsRecord record = appState().settings();
    edit(record);
    appState().setSettings(record);
}

QString TestEnvironment::directory() const
{
    return SettingsFile::directory();
}

QString TestEnvironment::settingsPath() const
{
    return SettingsFile::path();
}

void TestEnvironment::writeStandardSettings(bool hideStart, bool hideEnd)
{
    SettingsRecord record {};
    record.applyStandardValues(false);
    record.hideStartWindow = hideStart ? 1 : 0;
    record.hideEndWindow = hideEnd ? 1 : 0;
    QVERIFY(SettingsFile::write(record));
}

std::unique_ptr<TForm1> TestEnvironment::createMainWindow()
{
    auto window = std::make_unique<TForm1>();
    for (QTimer* timer : { mainTimer(*window, "Timer1"), mainTimer(*window, "Timer4") })
        timer->stop();
    return window;
}

std::unique_ptr<TForm1> TestEnvironment::showMainWindow()
{
    auto window = createMainWindow();
    window->show();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("the main window did not become active");
    return window;
}

QTimer* mainTimer(const TForm1& window, const char* name)
{
    auto* timer = window.findChild<QTimer*>(QLatin1StringView(name), Qt::FindDirectChildrenOnly);
    if (!timer) qFatal("no timer %s", name);
    return timer;
}

QStringList TestEnvironment::messageTexts() const
{
    QStringList texts;
    for (const auto& message : messages)
        texts.append(message.text);
    return texts;
}

namespace
{
QtMessageHandler previousHandler = nullptr;

void withoutRaiseWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message == QStringLiteral("This plugin does not support raise()")) return;
    previousHandler(type, context, message);
}
} // namespace

void muteOffscreenRaiseWarnings()
{
    previousHandler = qInstallMessageHandler(withoutRaiseWarnings);
}

void unmuteOffscreenRaiseWarnings()
{
    qInstallMessageHandler(previousHandler);
}

void useOffscreenFonts()
{
#ifdef Q_OS_WIN
    const QString windows = qEnvironmentVariable("WINDIR");
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR") && !windows.isEmpty())
        qputenv("QT_QPA_FONTDIR", QDir::toNativeSeparators(windows + QStringLiteral("/Fonts")).toLocal8Bit());
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
#endif
}

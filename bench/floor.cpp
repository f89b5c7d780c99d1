// The floors for start-up time and memory: the least a Qt Widgets program
// does to show a window (no argument), and the same window showing one line
// of text in Fluvano's own font, which adds the font set-up that any window
// with text pays ("--text").
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const bool withText = QApplication::arguments().contains(QStringLiteral("--text"));
    if (withText) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(13);
        QApplication::setFont(font);
    }
    QWidget window;
    if (withText) new QLabel(QStringLiteral("Heizleistung"), &window);
    window.show();
    return QApplication::exec();
}

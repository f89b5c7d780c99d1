#include "widgets/MessageBoxes.h"

#include <QApplication>
#include <QPointer>

namespace MessageBoxes
{

namespace
{
    Handler& currentHandler()
    {
        static Handler handler;
        return handler;
    }
    QuestionHandler& currentQuestionHandler()
    {
        static QuestionHandler handler;
        return handler;
    }
} // namespace

void setHandler(Handler handler)
{
    currentHandler() = std::move(handler);
}

void show(QWidget* parent, const Request& request)
{
    if (currentHandler()) {
        currentHandler()(parent, request);
        return;
    }
    QString text = request.text;
    text.replace(u'\r', u'\n');
    QMessageBox box(request.icon, request.caption, text, QMessageBox::Ok, parent);
    // The keyboard goes back to the window the box came over; a window
    // manager may hand it elsewhere (openbox passes over tool windows).
    const QPointer<QWidget> active = QApplication::activeWindow();
    box.exec();
    if (active && active->isVisible()) active->activateWindow();
}

void plain(QWidget* parent, const QString& text)
{
    show(parent, { QMessageBox::NoIcon, QStringLiteral("Fluvano"), text });
}

void error(QWidget* parent, const QString& text)
{
    show(parent, { QMessageBox::Critical, QStringLiteral("Fehler"), text });
}

void warning(QWidget* parent, const QString& caption, const QString& text)
{
    show(parent, { QMessageBox::Warning, caption, text });
}

void setQuestionHandler(QuestionHandler handler)
{
    currentQuestionHandler() = std::move(handler);
}

QMessageBox::StandardButton ask(QWidget* parent, const Request& request, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton)
{
    if (currentQuestionHandler()) return currentQuestionHandler()(parent, request, buttons);
    QString text = request.text;
    text.replace(u'\r', u'\n');
    QMessageBox box(request.icon, request.caption, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    if (buttons.testFlag(QMessageBox::Cancel)) box.setEscapeButton(QMessageBox::Cancel);
    const QPointer<QWidget> active = QApplication::activeWindow();
    const int chosen = box.exec();
    if (active && active->isVisible()) active->activateWindow();
    return buttons.testFlag(QMessageBox::StandardButton(chosen)) ? QMessageBox::StandardButton(chosen)
                                                                 : QMessageBox::Cancel;
}

} // namespace MessageBoxes

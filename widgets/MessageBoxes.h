#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

// Every message box of the program goes through here, so that tests can
// record the exact text instead of blocking on a modal box.
namespace MessageBoxes
{

struct Request {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption;
    QString text; // line breaks are single carriage returns
};

using Handler = std::function<void(QWidget* parent, const Request& request)>;

// Replaces the modal box; an empty handler brings the real box back.
void setHandler(Handler handler);

// A modal box with one OK button.
void show(QWidget* parent, const Request& request);

// The plain box: the text, no icon, the application title "Fluvano" as caption.
void plain(QWidget* parent, const QString& text);
// An error box (error icon) with the caption "Fehler".
void error(QWidget* parent, const QString& text);
// A warning box (exclamation icon) with its own caption.
void warning(QWidget* parent, const QString& caption, const QString& text);

// A question with several buttons; returns the one chosen (Cancel when the
// box is closed otherwise). Tests answer it through their own handler.
using QuestionHandler = std::function<QMessageBox::StandardButton(
    QWidget* parent, const Request& request, QMessageBox::StandardButtons buttons)>;
void setQuestionHandler(QuestionHandler handler);
QMessageBox::StandardButton ask(QWidget* parent, const Request& request, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton);

} // namespace MessageBoxes

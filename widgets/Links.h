#pragma once

#include <QString>

#include <functional>

class QLabel;
class QUrl;
class QWidget;

// The maker's links and the one-character rotation of scrolling captions.
namespace Links
{

QString webAddress(); // complete URL of the maker's home page
QString webAddressShort(); // host name, as link captions show it
QString mailAddress(); // the maker's general mail address
QString bannerText(); // the main window's banner, 255 characters
QString linkErrorMessage();

// Opens a URL through the desktop; false when that failed. Tests replace it.
using UrlOpener = std::function<bool(const QUrl& url, QWidget* window)>;
void setUrlOpener(UrlOpener opener); // empty: the desktop's service

// Opens the maker's web site; a failure shows the link error message.
void Internetseite_Aufrufen(QWidget* window);

// "mailto:" + address + "?Subject=" + subject + "&body=" + body, joined as they are.
QString mailLink(const QString& address, const QString& subject, const QString& body);
// Hands the mail link to the desktop; a failure shows nothing.
void Email_Schreiben(QWidget* window, const QString& address, const QString& subject, const QString& body);

// The caption rotated left by one character.
QString rotatedLeft(const QString& text);
void Lauftext_Schritt(QLabel* label);

} // namespace Links

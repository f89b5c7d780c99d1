#pragma once

#include "forms/main/TForm1.h"
#include "widgets/FormLook.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringList>

// The main window as a user reads it, for tests that drive it with generated
// input: what a well-formed display is, and a snapshot to compare runs.
namespace DisplayChecks
{

inline QLabel* panel(const TForm1& form, int n)
{
    return form.findChild<QLabel*>(QStringLiteral("Panel%1").arg(n));
}

inline bool showsNotANumber(const QString& text)
{
    return text.contains(QStringLiteral("nan"), Qt::CaseInsensitive)
        || text.contains(QStringLiteral("inf"), Qt::CaseInsensitive);
}

// A number in one of the grouped formats ("1.234,56").
inline bool isGroupedNumber(const QString& text)
{
    static const QRegularExpression grouped(QStringLiteral(R"(^-?\d{1,3}(\.\d{3})*(,\d+)?$)"));
    return grouped.match(text).hasMatch();
}

// What is wrong with the result column, or an empty string. Panel1 holds a
// designation (free text); Panel2..Panel6 hold values, all shown or all
// cleared together (a value that is not a number formats as empty, so a lone
// empty panel betrays one).
inline QString problem(const TForm1& form)
{
    const QLabel* designation = panel(form, 1);
    if (!designation) return QStringLiteral("Panel1 missing");
    if (showsNotANumber(designation->text())) return QStringLiteral("Panel1 shows \"%1\"").arg(designation->text());
    int empty = 0;
    for (int n = 2; n <= 6; ++n) {
        const QLabel* value = panel(form, n);
        if (!value) return QStringLiteral("Panel%1 missing").arg(n);
        if (value->text().isEmpty())
            ++empty;
        else if (!isGroupedNumber(value->text()))
            return QStringLiteral("Panel%1 shows \"%2\"").arg(n).arg(value->text());
    }
    if (empty != 0 && empty != 5) {
        QStringList texts;
        for (int n = 2; n <= 6; ++n)
            texts << panel(form, n)->text();
        return QStringLiteral("some values missing: ") + texts.join(u'|');
    }
    if (showsNotANumber(form.Label5->text())) return QStringLiteral("Label5 shows \"%1\"").arg(form.Label5->text());
    return {};
}

// Everything a user sees of the inputs and results, as one text.
inline QString snapshot(const TForm1& form)
{
    QStringList parts;
    for (int n = 1; n <= 6; ++n)
        parts << panel(form, n)->text();
    parts << form.Label4->text() << form.Label5->text() << FormLook::textColor(form.Label5).name()
          << FormLook::panelColor(form.Panel2).name() << FormLook::panelColor(form.Panel5).name();
    for (const QLineEdit* edit : { form.Edit1, form.Edit2, form.Edit4, form.Edit5 })
        parts << edit->text() + (edit->isEnabled() ? u'+' : u'-') + (edit->isHidden() ? u'h' : u'v');
    QString buttons;
    for (const QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
        if (button->window() == &form && button->isCheckable())
            buttons += button->objectName() + (button->isChecked() ? u'x' : u'o') + (button->isEnabled() ? u' ' : u'_');
    }
    parts << buttons;
    return parts.join(u'|');
}

} // namespace DisplayChecks

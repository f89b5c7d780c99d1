#include "widgets/NumericKeys.h"

#include "core/NumberText.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QValidator>

namespace NumericKeys
{

namespace
{

    constexpr QKeySequence::StandardKey EditingKeys[] = {
        QKeySequence::Undo,
        QKeySequence::Redo,
        QKeySequence::Cut,
        QKeySequence::Copy,
        QKeySequence::SelectAll,
        QKeySequence::Deselect,
        QKeySequence::Delete,
        QKeySequence::DeleteStartOfWord,
        QKeySequence::DeleteEndOfWord,
        QKeySequence::DeleteEndOfLine,
        QKeySequence::DeleteCompleteLine,
    };

    // Replaces the selection, as typing does; nothing typeable changes nothing.
    void paste(QLineEdit* edit, QClipboard::Mode mode)
    {
        if (edit->isReadOnly()) return;
        const QString text = typeableText(QGuiApplication::clipboard()->text(mode));
        if (!text.isEmpty()) edit->insert(text);
    }

    bool keyPress(QLineEdit* edit, const QKeyEvent* key)
    {
        if (key->matches(QKeySequence::Paste)) {
            paste(edit, QClipboard::Clipboard);
            return true;
        }
        for (const QKeySequence::StandardKey editing : EditingKeys) {
            if (key->matches(editing)) return false;
        }
        switch (key->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Delete:
            return false;
        default:
            break;
        }
        const QString text = key->text();
        if (text.isEmpty()) return false;
        if (text.size() != 1) return true;
        const auto passed = NumberText::filterKey(text.front());
        if (!passed) return true;
        if (*passed != text.front()) {
            edit->insert(QString(*passed));
            return true;
        }
        return false;
    }

    // The edit's own menu, whose "Einfügen" pastes by the rules.
    bool contextMenu(QLineEdit* edit, const QContextMenuEvent* event)
    {
        QMenu* menu = edit->createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        // The paste item is the one connected to the edit's paste(), by name
        // or by pointer depending on the Qt version.
        const auto actions = menu->actions();
        for (QAction* action : actions) {
            const bool pastes = QObject::disconnect(action, SIGNAL(triggered()), edit, SLOT(paste()))
                | QObject::disconnect(action, &QAction::triggered, edit, &QLineEdit::paste);
            if (pastes)
                QObject::connect(action, &QAction::triggered, edit, [edit] { paste(edit, QClipboard::Clipboard); });
        }
        // Commands the window gave the edit follow its own.
        if (!edit->actions().isEmpty()) {
            menu->addSeparator();
            menu->addActions(edit->actions());
        }
        menu->popup(event->globalPos());
        return true;
    }

    // The X11 selection, pasted by the middle button.
    bool mouseRelease(QLineEdit* edit, const QMouseEvent* event)
    {
        if (event->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection()) return false;
        paste(edit, QClipboard::Selection);
        return true;
    }

    // A drop of text that is typeable as it is (a move within the edit, for
    // one) is the edit's own affair; other text goes in as typeable text at
    // the drop point.
    bool drop(QLineEdit* edit, QDropEvent* event)
    {
        const QString text = event->mimeData()->text();
        const QString typeable = typeableText(text);
        if (typeable == text || edit->isReadOnly()) return false;
        edit->setCursorPosition(edit->cursorPositionAt(event->position().toPoint()));
        if (!typeable.isEmpty()) edit->insert(typeable);
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return true;
    }

    class TypeableValidator : public QValidator
    {
    public:
        using QValidator::QValidator;
        State validate(QString& input, int&) const override
        {
            return typeableText(input) == input ? Acceptable : Invalid;
        }
    };

} // namespace

bool filter(QLineEdit* edit, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(edit, static_cast<const QKeyEvent*>(event));
    case QEvent::ContextMenu:
        return contextMenu(edit, static_cast<const QContextMenuEvent*>(event));
    case QEvent::MouseButtonRelease:
        return mouseRelease(edit, static_cast<const QMouseEvent*>(event));
    case QEvent::Drop:
        return drop(edit, static_cast<QDropEvent*>(event));
    default:
        return false;
    }
}

QString typeableText(const QString& text)
{
    QString typeable;
    for (const QChar c : text) {
        const auto passed = NumberText::filterKey(c);
        if (passed && *passed != u'\b') typeable += *passed;
    }
    return typeable;
}

void guard(QLineEdit* edit)
{
    edit->setValidator(new TypeableValidator(edit));
}

} // namespace NumericKeys

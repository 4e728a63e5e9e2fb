#include "app/TextBoxKeys.h"

#include "core/TextEditing.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace lx {

namespace {

class TextBoxFilter : public QObject {
public:
    TextBoxFilter(QLineEdit* box, const TextBoxRules& rules)
        : QObject(box)
        , box_(box)
        , rules_(rules)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != box_)
            return false;
        if (event->type() == QEvent::FocusIn && rules_.selectAllOnFocus) {
            // After the click that gave the focus has placed the caret.
            QTimer::singleShot(0, box_, [box = box_] { box->selectAll(); });
            return false;
        }
        // Ctrl+E exports the PDF from a box too: on a Linux desktop the box
        // took it for End, as Emacs does, and the export never came.
        if (event->type() == QEvent::ShortcutOverride)
            return static_cast<QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_E);
        if (event->type() != QEvent::KeyPress)
            return false;
        return Key(static_cast<QKeyEvent*>(event));
    }

private:
    bool Key(QKeyEvent* key)
    {
        const bool ctrl = key->modifiers() & Qt::ControlModifier;
        if (key->key() == Qt::Key_Backspace && ctrl && rules_.deletesWords) {
            DeleteWord();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && rules_.enterGoesTo) {
            // Not as Tab does, which selects the whole text: the next key
            // typed replaced the instruction. A box that selects its text
            // when it takes the focus (a code, a bound) still does.
            rules_.enterGoesTo->setFocus(Qt::OtherFocusReason);
            return true;
        }
        const QString text = key->text();
        if (ctrl || text.isEmpty() || !text[0].isPrint())
            return false;
        for (QChar ch : text) {
            if (rules_.refused.contains(ch) || (rules_.digitsOnly && !ch.isDigit()))
                return true;
        }
        if (rules_.upperCase && text != text.toUpper()) {
            box_->insert(text.toUpper());
            return true;
        }
        return false;
    }

    void DeleteWord()
    {
        TextEdit e;
        e.text = box_->text();
        e.caret = box_->cursorPosition();
        if (box_->hasSelectedText()) {
            e.selectionStart = box_->selectionStart();
            e.selectionLength = int(box_->selectedText().size());
        }
        const TextEdit after = DeletePreviousWord(e);
        if (after.text == e.text)
            return;
        // Through the box's own editing, so that Undo and the change signals work.
        box_->setSelection(0, int(e.text.size()));
        box_->insert(after.text);
        box_->setCursorPosition(after.caret);
    }

    QLineEdit* box_;
    TextBoxRules rules_;
};

} // namespace

void InstallTextBoxRules(QLineEdit* box, const TextBoxRules& rules)
{
    box->installEventFilter(new TextBoxFilter(box, rules));
}

} // namespace lx

#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;

namespace lx {

// The editing keys of the window's text boxes, installed as an event filter:
// Ctrl+Backspace deletes the previous word, Enter moves on to another box
// instead of being typed, some characters are refused, typed letters may be
// turned to capitals, and a box may select its whole text when it gets the
// focus.
struct TextBoxRules {
    QWidget* enterGoesTo = nullptr; // Enter moves the focus there (nullptr: Enter is left to the box)
    bool deletesWords = true;       // Ctrl+Backspace deletes the previous word
    QString refused;                // characters that cannot be typed
    bool digitsOnly = false;        // only digits can be typed (Backspace still works)
    bool upperCase = false;         // typed characters become capitals
    bool selectAllOnFocus = false;
};

// Installs the rules on the box; the filter belongs to the box.
void InstallTextBoxRules(QLineEdit* box, const TextBoxRules& rules);

} // namespace lx

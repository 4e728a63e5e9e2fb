#pragma once

#include <QString>
#include <QStringList>

namespace lx {

// A text box's content and its caret (or selection), as the editing keys see it.
struct TextEdit {
    QString text;
    int caret = 0;          // characters before the caret
    int selectionStart = 0; // the selection, when selectionLength > 0
    int selectionLength = 0;
};

// Ctrl+Backspace: deletes the selection, else the word before the caret with
// the spaces that follow it. Words end at spaces, punctuation and line breaks
// (the characters 0x20 to 0x2F, 0x3A to 0x40, 0x5B to 0x60, 0x7B to 0x7D,
// "°", CR and LF; "~" belongs to a word). A delimiter just before the caret
// is deleted alone (a line break with its CR). The caret ends where the
// deleted text began.
TextEdit DeletePreviousWord(const TextEdit& edit);

// A name in French quotation marks, as messages show it: « chat ».
QString Quoted(const QString& text);
// Items as a French sentence lists them: "a", "a et b", "a, b et c".
QString FrenchEnumeration(QStringList items);
// A name fit for a file on any system the documents travel to: the characters
// that cannot stand in one become spaces, and runs of spaces one.
QString FileNameSafe(const QString& name);
// A message as the window shows it: its lines never break inside French
// quotes or before a high sign ("« fiche.lxg »", "… mots !"); the spaces
// there become no-break spaces.
QString WithoutBreaksInside(QString text);

} // namespace lx

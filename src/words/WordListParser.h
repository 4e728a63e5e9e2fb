#pragma once

#include "core/TextFile.h"
#include "core/FileMenu.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// External word lists: a teacher's own text file of words, or the clipboard.
// Everything here is pure: reading a file, decoding its bytes, cutting the
// text into entries and building the lists menu. The document applies the
// result (Document::ParseWordListText and the import commands).
namespace lx {

// At most this many bytes of a list file are read: a teacher's list holds a
// few thousand words at the very most (well under 100 KB), and a file of tens
// of megabytes must not make the window wait. The rest of the file is left
// out and the teacher is told.
inline constexpr qsizetype kMaxWordListBytes = 1024 * 1024;
// A word processor's or a spreadsheet's document may hold pictures: it is
// read whole up to this size, and its text is then capped as a list file's.
inline constexpr qsizetype kMaxOfficeDocumentBytes = 64 * 1024 * 1024;
// A stream of a Word 97 or Excel 97 file is read up to this size.
inline constexpr qsizetype kMaxOfficeStreamBytes = 32 * 1024 * 1024;
// The same cap for a text that does not come from a file (the clipboard).
inline constexpr qsizetype kMaxWordListChars = 1024 * 1024;
// At most this many distinct words are imported from one list.
inline constexpr int kMaxWordListEntries = 5000;
// The lists menu has this many file items.
inline constexpr int kWordListMenuItems = 50;

// The endings of list files: text, what WordPad saves, and the documents of
// word processors and spreadsheets.
const QStringList& WordListExtensions();
// True for a file named as a list file.
bool IsWordListFileName(const QString& name);

// Reads a list file (at most kMaxWordListBytes of text): a text, or the text
// of an RTF document, a word processor's or a spreadsheet's, whose titles,
// left out, go to `titles`.
DecodedText ReadWordListFile(const QString& path, QStringList* titles = nullptr);

// True when the character can stand in a word: printable and part of the
// Windows-1252 code page (so that the document can save it).
bool IsWordCharacter(QChar c);

// The entries of a word list text, before they are added to the word
// selection list.
struct WordListEntries {
    bool noPiece = false;       // the text is empty: nothing to cut
    QStringList entries;        // in text order, without comments; the same word may come twice
    int largestLetterCount = 0; // 0 when there is no valid entry
    QStringList tooLong;        // entries set aside: longer than any grid takes
    QStringList unprintable;    // entries set aside: control characters or characters the code page lacks
    int noLetter = 0;           // entries set aside: nothing but separators and digits ("...", "--", a table's numbers)
    bool truncated = false;     // the size or entry cap left the end of the list out
    QStringList titles;         // the titles left out: a document's, then a first line's ("Les mots de la semaine")
    QStringList definitions;    // the definitions beside words, left out ("chat : animal qui miaule")

    bool HasValidEntry() const { return largestLetterCount > 0; }
};

// Cuts a list text into entries:
// - the text is cut into lines (CR LF, or a lone LF or CR as other systems
//   write them), and at every comma, semicolon and tab ("chat, chien, lapin",
//   the columns of a spreadsheet);
//   when it holds a single line of words without them (blank lines and
//   comments aside), that line is cut at every space ("chat chien lapin"
//   gives three words);
// - each piece is trimmed; an empty piece is skipped;
// - a leading bullet ("-", "–", "—", "•", "*") is dropped and the rest
//   trimmed again;
// - a piece that begins with "/" is a comment;
// - a list number or letter ("1.", "12)", "3/", "4 -", "a)", "b.", "IV.")
//   and final full stops are dropped;
// - a piece that no grid can take (more than 30 characters), that holds a
//   character no worksheet can print, or that has no letter at all (";",
//   "2024") is set aside and counted.
// At most kMaxWordListChars characters and
// kMaxWordListEntries distinct words (ignoring case) are taken.
WordListEntries CutWordListText(const QString& text);

// The clipboard text as the parser gets it: cut into lines, each line trimmed,
// joined again with CR LF after each line (so it always ends with CR LF).
QString NormaliseClipboardText(const QString& text);

// The messages of the word lists (message box texts; "\n" breaks the lines).
// Without a valid entry: why, when entries were set aside (too long, characters
// a document cannot keep, titles), else the rules of a list.
QString NoValidTextMessage(const WordListEntries& entries);                         // "Aucun texte valide dans le presse-papiers !..."
QString NoValidFileMessage(const QString& fileName, const WordListEntries& entries); // "Aucun mot dans le fichier « ... » !..."
QString ClipboardUnusableMessage();   // "Impossible de coller les données du presse-papiers !..."
QString UnreadableListMessage(const QString& fileName);
QString NotTextListMessage(const QString& fileName);
// Informations about entries left out of an otherwise valid list (empty when
// nothing was left out).
QStringList WordListNotices(const WordListEntries& entries, int wordsKept);

// The name of a list file as the theme box, the header and the document show
// it: without its folder and without everything from its first dot on, as a
// pupil reads it ("C:\Listes\ma_liste-semaine3.v2.txt" gives "Ma liste
// semaine3").
QString ReadableListName(const QString& path);

// The lists menu ("0 liste disponible", "2 listes disponibles"): the ".txt"
// files of the folders in turn (the teacher's, then the program's), leaving
// out the level files ("DB " first), "Lisez_moi.txt" and the pictures'
// table "images.txt"; at most
// kWordListMenuItems items.
FileMenu BuildWordListMenu(const QStringList& folders);

// The file of the folder whose name equals fileName without regard to case
// (the exact name first); empty when there is none.
QString FindFileIgnoringCase(const QString& folder, const QString& fileName);

} // namespace lx

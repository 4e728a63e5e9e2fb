#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lx {

// Every file the program reads or writes is Windows-1252 text: accented French
// letters are single bytes. In memory all text is QString.

// Decodes Windows-1252 bytes. Every byte gives a character, whatever the input
// (binary data included): the five bytes that the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same value.
QString DecodeWindows1252(const QByteArray& bytes);

// Encodes to Windows-1252; a character the code page cannot hold becomes "?".
QByteArray EncodeWindows1252(const QString& text);

// True when every character of the text has a Windows-1252 code.
bool FitsWindows1252(const QString& text);
// True for the characters the code page defines (its five undefined bytes
// decode to control characters that no text holds).
bool IsWindows1252(QChar c);

// A letter the code page lacks that is another form of letters it holds
// takes that form: the ligatures "ﬁ" and "ﬂ" that text copied from a PDF
// keeps, full-width letters, the bold or italic letters that styled text on
// the web uses. Other characters stay as they are.
QString CompatibleLetters(const QString& text);
// A text as a document can keep it: accents written apart join their letters,
// letters in another form take theirs (CompatibleLetters), the narrow and
// thin no-break spaces and the figure space become the no-break space, the
// non-breaking hyphen a hyphen, and the emoji presentation selectors go, so
// that what a teacher typed or pasted stays as it looked.
QString AdaptToWindows1252(const QString& text);
// The characters of the adapted text that the code page cannot hold, each
// once, in the order met (a character beyond the 16-bit range is one).
QStringList UnfitCharacters(const QString& text);
// "« ✏ » (U+270F)", "« ő » (U+0151) et « ✏ » (U+270F)": the characters named
// for a French message.
QString NameCharacters(const QStringList& characters);

} // namespace lx

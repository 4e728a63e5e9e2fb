#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reading the text files the program meets: documents, level files and word
// lists. Windows-1252 is the rule; a text saved by a modern editor (UTF-8 or
// UTF-16) is recognised too.
namespace lx {

// How a file's bytes turned out.
enum class TextFileStatus {
    Text,       // a text (possibly cut at the size cap)
    Unreadable, // the file could not be opened or read
    NotText,    // binary data (an image, a word-processor document...)
};

struct DecodedText {
    TextFileStatus status = TextFileStatus::Text;
    QString text;
    bool truncated = false; // the size cap left the end of the text out
};

// Decodes the bytes of a text file: a UTF-8 or UTF-16 byte order mark, or
// valid UTF-8 holding accented letters, is recognised; anything else reads as
// Windows-1252. Bytes that are no text at all (NUL bytes, mostly control
// characters) give NotText unless keepBinary is set. Bytes beyond maxBytes
// (-1: no cap) are dropped, the text then ending at its last complete line
// (or, for a text of one line, its last complete word). With mixedLines, a
// text that is not valid UTF-8 throughout is read line by line, each line
// valid in UTF-8 so (a list pasted together from two editors' files).
DecodedText DecodeTextBytes(const QByteArray& bytes, qsizetype maxBytes = -1, bool keepBinary = false, bool mixedLines = false);
// Reads at most maxBytes of the file (plus one, to know whether more follow).
DecodedText ReadTextFile(const QString& path, qsizetype maxBytes, bool keepBinary = false, bool mixedLines = false);

// CR or LF.
bool IsLineEnd(QChar c);
// A control character other than tab, CR, LF and form feed: text holds few.
bool IsControlCharacter(QChar c);
// The lines of a text, cut at CR LF, LF or CR.
QStringList SplitLines(const QString& text);
// Cuts the text after its last line end; a text of one line keeps its
// complete words (what is left once a cap has cut it anywhere).
void DropIncompleteLine(QString& text);

} // namespace lx

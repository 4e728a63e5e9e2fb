#pragma once

#include "document/DocumentData.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The document file: one "[LXGDocument]" section of keys, Windows-1252 text
// with CR LF line ends. The reader and the writer are pure functions between
// the file's bytes and DocumentData.
namespace lx {

inline constexpr const char* kDocumentSection = "LXGDocument";
// Larger files are not documents: they are refused without being read.
inline constexpr qint64 kLargestDocument = 16 * 1024 * 1024;
// More words than a document's list ever holds (the five classes', or an
// imported list's), to bound the reading of a damaged file.
inline constexpr int kMaxListedWords = 10000;

// The text of a document file, every line ended by CR LF (without the extra
// line break that ends the file).
QString DocumentText(const DocumentData& data);
// The bytes written to disk: the text in Windows-1252 and one more CR LF.
QByteArray DocumentFileBytes(const DocumentData& data);

struct DocumentReadResult {
    DocumentData data;
    // Keys present in the file whose value could not be read (they keep the
    // values of a new document).
    QStringList unreadKeys;
    // The file has the document section: without it, it is no document.
    bool isDocument = true;
    // Characters of a file saved as UTF-8 that Windows-1252 lacks: each is
    // read as "?", as the next save would write it.
    QStringList unfitCharacters;
    // What a file cut short lacks (MissingParts).
    QStringList missingParts;
};

// What a teacher is told about the keys of a file that could not be read:
// the settings that took their new-document values, in French.
QString UnreadSettingsMessage(const QString& fileName, const QStringList& unreadKeys);
// The same for the characters read as "?"; empty when there are none.
QString UnfitCharactersMessage(const QString& fileName, const QStringList& characters);

// Reads a document file's bytes. Whatever the bytes, the result is a usable
// document: what the file lacks or holds in an unreadable form takes the
// new-document value. Fonts are matched against fontNames. A document saved
// as UTF-8 by a modern editor is recognised.
DocumentReadResult ReadDocumentBytes(const QByteArray& bytes, const QStringList& fontNames);

} // namespace lx

#pragma once

#include <QByteArray>
#include <QString>

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

// Line ends as the program writes them: every LF, CR or CR LF becomes CR LF.
QString WithCrLf(const QString& text);

} // namespace lx

#include "core/TextFile.h"

#include "core/Text1252.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace lx {

bool IsLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

namespace {

// A control character: no text file holds many of them.
bool IsControl(char16_t c)
{
    if (c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f')
        return false;
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// The text without its last incomplete line: what is left once a cap has cut
// it anywhere. A text of one line keeps its complete words.
void DropIncompleteEnd(QString& text)
{
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (IsLineEnd(text[i])) {
            text.truncate(i + 1);
            return;
        }
    }
    const qsizetype space = text.lastIndexOf(QLatin1Char(' '));
    if (space >= 0)
        text.truncate(space + 1);
}

// The same on bytes of an 8-bit or UTF-8 text, before decoding: line ends and
// spaces are single bytes there, so a UTF-8 sequence is never cut in two.
void DropIncompleteEnd(QByteArray& bytes)
{
    for (qsizetype i = bytes.size() - 1; i >= 0; --i) {
        if (bytes[i] == '\r' || bytes[i] == '\n') {
            bytes.truncate(i + 1);
            return;
        }
    }
    const qsizetype space = bytes.lastIndexOf(' ');
    if (space >= 0)
        bytes.truncate(space + 1);
}

bool IsAscii(const QByteArray& bytes)
{
    for (char c : bytes) {
        if (uchar(c) >= 0x80)
            return false;
    }
    return true;
}

// A text of Windows-1252 lines, or pasted together from a modern editor's and
// an old one's: each line that is valid UTF-8 is read so, the others as
// Windows-1252 (hardly a French word in that code page reads as UTF-8).
QString DecodeLineByLine(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        const QByteArray line = bytes.mid(start, end - start);
        start = end;
        if (!IsAscii(line)) {
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString decoded = utf8(line);
            if (!utf8.hasError()) {
                out += decoded;
                continue;
            }
        }
        out += DecodeWindows1252(line);
    }
    return out;
}

} // namespace

bool IsControlCharacter(QChar c)
{
    return IsControl(c.unicode());
}

QStringList SplitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (!IsLineEnd(c))
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines << text.mid(start);
    return lines;
}

void DropIncompleteLine(QString& text)
{
    DropIncompleteEnd(text);
}

DecodedText DecodeTextBytes(const QByteArray& input, qsizetype maxBytes, bool keepBinary, bool mixedLines)
{
    DecodedText out;
    QByteArray bytes = input;
    if (maxBytes >= 0 && bytes.size() > maxBytes) {
        bytes.truncate(maxBytes);
        out.truncated = true;
    }

    // A byte order mark says how the text is written.
    enum class Encoding { Windows1252, Utf8, Utf16LE, Utf16BE } encoding = Encoding::Windows1252;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        encoding = Encoding::Utf8;
        bytes.remove(0, 3);
    } else if (bytes.startsWith("\xFF\xFE")) {
        encoding = Encoding::Utf16LE;
        bytes.remove(0, 2);
    } else if (bytes.startsWith("\xFE\xFF")) {
        encoding = Encoding::Utf16BE;
        bytes.remove(0, 2);
    }

    if (encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE) {
        if (bytes.size() % 2 != 0)
            bytes.chop(1);
        QStringDecoder decoder(encoding == Encoding::Utf16LE ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::Stateless);
        out.text = decoder(bytes);
        if (out.truncated)
            DropIncompleteEnd(out.text);
    } else {
        if (!keepBinary && bytes.contains('\0')) {
            out.status = TextFileStatus::NotText;
            return out;
        }
        if (out.truncated)
            DropIncompleteEnd(bytes);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        if (encoding == Encoding::Utf8) {
            out.text = utf8(bytes);
        } else if (IsAscii(bytes)) {
            out.text = DecodeWindows1252(bytes);
        } else {
            // Valid UTF-8 holding accented letters comes from a modern editor.
            out.text = utf8(bytes);
            if (utf8.hasError())
                out.text = mixedLines ? DecodeLineByLine(bytes) : DecodeWindows1252(bytes);
        }
    }

    // Old editors end a text with Ctrl+Z.
    if (out.text.endsWith(QChar(0x1A)))
        out.text.chop(1);

    if (!keepBinary) {
        // Text holds few control characters; binary data holds many.
        qsizetype controls = 0;
        for (QChar c : std::as_const(out.text))
            controls += IsControl(c.unicode()) ? 1 : 0;
        if (out.text.contains(QChar(0)) || controls * 20 > out.text.size()) {
            out.status = TextFileStatus::NotText;
            out.text.clear();
        }
    }
    return out;
}

DecodedText ReadTextFile(const QString& path, qsizetype maxBytes, bool keepBinary, bool mixedLines)
{
    DecodedText out;
    out.status = TextFileStatus::Unreadable;
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return out;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return out;
    // One byte over the cap tells whether the file goes on.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        return out;
    return DecodeTextBytes(bytes, maxBytes, keepBinary, mixedLines);
}

} // namespace lx

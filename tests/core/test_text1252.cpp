#include "core/Text1252.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

#include <ostream>

// Readable failure messages: the text and its UTF-16 units.
static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << "\" (";
    for (QChar c : s)
        *os << " U+" << std::hex << int(c.unicode()) << std::dec;
    *os << " )";
}

namespace lx {
namespace {

QByteArray AllBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

bool IsUndefinedByte(int b)
{
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

TEST(Text1252, EveryByteDecodesToItsOwnCharacterAndEncodesBack)
{
    const QByteArray bytes = AllBytes();
    const QString text = DecodeWindows1252(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_TRUE(FitsWindows1252(text));
    EXPECT_EQ(EncodeWindows1252(text), bytes);
    for (int b = 0; b < 256; ++b) {
        // Distinct bytes give distinct characters: nothing is merged.
        EXPECT_EQ(text.indexOf(text[b]), b) << "byte 0x" << std::hex << b;
        // ASCII, the Latin half and the five undefined bytes keep their value.
        if (b < 0x80 || b >= 0xA0 || IsUndefinedByte(b)) {
            EXPECT_EQ(text[b].unicode(), b) << "byte 0x" << std::hex << b;
        }
    }
    EXPECT_EQ(DecodeWindows1252(QByteArray()), QString());
}

TEST(Text1252, BytesOfTheHighControlsHoldPunctuationAndLetters)
{
    const struct {
        unsigned char byte;
        char16_t character;
    } cases[] = {
        { 0x80, u'€' }, { 0x9C, u'œ' }, { 0x8C, u'Œ' },      { 0x9F, u'Ÿ' },      { 0x92, u'’' },
        { 0x96, u'–' }, { 0x97, u'—' }, { 0x85, u'\u2026' }, { 0x91, u'\u2018' }, { 0x93, u'\u201C' },
        { 0x94, u'\u201D' }, { 0x8A, u'Š' }, { 0x9E, u'ž' }, { 0x99, u'\u2122' }, { 0x83, u'ƒ' },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.byte));
        const QByteArray byte(1, char(c.byte));
        EXPECT_EQ(DecodeWindows1252(byte), QString(QChar(c.character)));
        EXPECT_EQ(EncodeWindows1252(QString(QChar(c.character))), byte);
    }

    // An independent check of the whole row, where the system has the code page.
    QStringDecoder system("windows-1252");
    if (!system.isValid())
        return;
    const QString ours = DecodeWindows1252(AllBytes());
    for (int b = 0x80; b <= 0x9F; ++b) {
        if (IsUndefinedByte(b))
            continue;
        system.resetState();
        EXPECT_EQ(QString(ours[b]), system.decode(QByteArray(1, char(b)))) << "byte 0x" << std::hex << b;
    }
}

TEST(Text1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach)
{
    // U+0080 and U+009F are C1 controls whose bytes hold other characters.
    const QString outside = QString::fromUtf8("ĉ→日") + QChar(0x0080) + QChar(0x009F) + QChar(0x0100);
    for (QChar c : outside) {
        SCOPED_TRACE(int(c.unicode()));
        EXPECT_FALSE(FitsWindows1252(QString(c)));
        EXPECT_EQ(EncodeWindows1252(QStringLiteral("a") + c + QStringLiteral("b")), QByteArray("a?b"));
    }
    // A character beyond 16 bits is one "?", and so is a lone half of a pair.
    const QString emoji = QString::fromUtf8("a\U0001F600b");
    EXPECT_FALSE(FitsWindows1252(emoji));
    EXPECT_EQ(EncodeWindows1252(emoji), QByteArray("a?b"));
    const QString lone = QStringLiteral("x") + QChar(0xD83D) + QStringLiteral("y") + QChar(0xDE00);
    EXPECT_EQ(EncodeWindows1252(lone), QByteArray("x?y?"));
}

TEST(Text1252, EveryLineEndBecomesCrLf)
{
    EXPECT_EQ(WithCrLf(QStringLiteral("a\nb\r\nc\rd")), QStringLiteral("a\r\nb\r\nc\r\nd"));
    // Blank lines of each kind stay separate lines; LF CR is two line ends.
    EXPECT_EQ(WithCrLf(QStringLiteral("\r\r\n\n\n\r")), QStringLiteral("\r\n\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(WithCrLf(QStringLiteral("x\r")), QStringLiteral("x\r\n"));
    EXPECT_EQ(WithCrLf(QStringLiteral("x\n")), QStringLiteral("x\r\n"));
    // Text already in CR LF is left as it is.
    const QString crlf = QStringLiteral("a\r\nb\r\n\r\nc");
    EXPECT_EQ(WithCrLf(crlf), crlf);
}

} // namespace
} // namespace lx

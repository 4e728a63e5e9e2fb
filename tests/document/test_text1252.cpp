#include "document/Text1252.h"

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

// --- Decoding --------------------------------------------------------------

TEST(Text1252Decode, EveryByteGivesOneCharacterAndEncodesBack)
{
    const QByteArray bytes = AllBytes();
    const QString text = DecodeWindows1252(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_TRUE(FitsWindows1252(text));
    EXPECT_EQ(EncodeWindows1252(text), bytes);
    // Distinct bytes give distinct characters: nothing is merged.
    for (int a = 0; a < 256; ++a)
        EXPECT_EQ(text.indexOf(text[a]), a) << "byte 0x" << std::hex << a;
}

TEST(Text1252Decode, AsciiAndLatinHalfKeepTheirValue)
{
    const QString text = DecodeWindows1252(AllBytes());
    for (int b = 0; b < 256; ++b) {
        if (b < 0x80 || b >= 0xA0) {
            EXPECT_EQ(text[b].unicode(), b) << "byte 0x" << std::hex << b;
        }
    }
}

TEST(Text1252Decode, PunctuationAndLettersOfTheHighControls)
{
    struct Case {
        unsigned char byte;
        char16_t character;
    };
    const Case cases[] = {
        { 0x80, u'€' }, { 0x9C, u'œ' }, { 0x8C, u'Œ' },      { 0x9F, u'Ÿ' },      { 0x92, u'’' },
        { 0x96, u'–' }, { 0x97, u'—' }, { 0x85, u'\u2026' }, { 0x91, u'\u2018' }, { 0x93, u'\u201C' },
        { 0x94, u'\u201D' }, { 0x8A, u'Š' }, { 0x9E, u'ž' }, { 0x99, u'\u2122' }, { 0x83, u'ƒ' },
    };
    for (const Case& c : cases) {
        const QString text = DecodeWindows1252(QByteArray(1, char(c.byte)));
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(text[0].unicode(), c.character) << "byte 0x" << std::hex << int(c.byte);
        EXPECT_EQ(EncodeWindows1252(text), QByteArray(1, char(c.byte))) << "byte 0x" << std::hex << int(c.byte);
    }
}

TEST(Text1252Decode, UndefinedBytesBecomeTheControlOfTheSameValue)
{
    for (int b : { 0x81, 0x8D, 0x8F, 0x90, 0x9D }) {
        const QByteArray byte(1, char(b));
        const QString text = DecodeWindows1252(byte);
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(text[0].unicode(), b) << "byte 0x" << std::hex << b;
        EXPECT_TRUE(FitsWindows1252(text));
        EXPECT_EQ(EncodeWindows1252(text), byte) << "byte 0x" << std::hex << b;
    }
}

TEST(Text1252Decode, AgreesWithTheSystemCodecOnEveryDefinedByte)
{
    // An independent check of the whole table, where the system has the code page.
    QStringDecoder system("windows-1252");
    if (!system.isValid())
        GTEST_SKIP() << "no windows-1252 codec on this system";
    const QString ours = DecodeWindows1252(AllBytes());
    for (int b = 0x80; b <= 0x9F; ++b) {
        if (IsUndefinedByte(b))
            continue;
        system.resetState();
        const QString theirs = system.decode(QByteArray(1, char(b)));
        EXPECT_EQ(QString(ours[b]), theirs) << "byte 0x" << std::hex << b;
    }
}

TEST(Text1252Decode, BinaryDataAndEmptyInput)
{
    EXPECT_EQ(DecodeWindows1252(QByteArray()), QString());
    const QByteArray binary("\0\xFF\x00\x81", 4);
    const QString text = DecodeWindows1252(binary);
    ASSERT_EQ(text.size(), 4);
    EXPECT_EQ(text[0].unicode(), 0);
    EXPECT_EQ(text[1].unicode(), 0xFF);
    EXPECT_EQ(text[3].unicode(), 0x81);
    EXPECT_EQ(EncodeWindows1252(text), binary);
}

// --- Encoding --------------------------------------------------------------

TEST(Text1252Encode, FrenchText)
{
    const QString text = QString::fromUtf8("L’été, Œdipe a mangé 5 € de bœuf – Ÿ");
    EXPECT_TRUE(FitsWindows1252(text));
    EXPECT_EQ(EncodeWindows1252(text), QByteArray("L\x92" "\xE9t\xE9, \x8C" "dipe a mang\xE9 5 \x80 de b\x9C" "uf \x96 \x9F"));
    EXPECT_EQ(DecodeWindows1252(EncodeWindows1252(text)), text);
}

TEST(Text1252Encode, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    // U+0080 and U+009F are C1 controls whose bytes hold other characters.
    const QString outside = QString::fromUtf8("ĉ→日") + QChar(0x0080) + QChar(0x009F) + QChar(0x0100);
    for (QChar c : outside) {
        EXPECT_FALSE(FitsWindows1252(QString(c))) << "U+" << std::hex << int(c.unicode());
        EXPECT_EQ(EncodeWindows1252(QStringLiteral("a") + c + QStringLiteral("b")), QByteArray("a?b"))
            << "U+" << std::hex << int(c.unicode());
    }
}

TEST(Text1252Encode, OneQuestionMarkPerCharacterBeyondSixteenBits)
{
    const QString emoji = QString::fromUtf8("a\U0001F600b");
    ASSERT_EQ(emoji.size(), 4);
    EXPECT_EQ(EncodeWindows1252(emoji), QByteArray("a?b"));
    EXPECT_FALSE(FitsWindows1252(emoji));

    // A lone half of a pair is one unknown character too.
    const QString lone = QStringLiteral("x") + QChar(0xD83D) + QStringLiteral("y") + QChar(0xDE00);
    EXPECT_EQ(EncodeWindows1252(lone), QByteArray("x?y?"));
}

TEST(Text1252Encode, FitsOnEmptyAndPlainText)
{
    EXPECT_TRUE(FitsWindows1252(QString()));
    EXPECT_TRUE(FitsWindows1252(QStringLiteral("Les animaux\r\n")));
    EXPECT_EQ(EncodeWindows1252(QString()), QByteArray());
    EXPECT_FALSE(FitsWindows1252(QString::fromUtf8("Noël ✓")));
}

// --- Line ends -------------------------------------------------------------

TEST(Text1252LineEnds, EveryKindOfLineEndBecomesCrLf)
{
    EXPECT_EQ(WithCrLf(QStringLiteral("a\nb\r\nc\rd")), QStringLiteral("a\r\nb\r\nc\r\nd"));
    // Blank lines of each kind stay separate lines; LF CR is two line ends.
    EXPECT_EQ(WithCrLf(QStringLiteral("\r\r\n\n\n\r")), QStringLiteral("\r\n\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(WithCrLf(QStringLiteral("x\r")), QStringLiteral("x\r\n"));
    EXPECT_EQ(WithCrLf(QStringLiteral("x\n")), QStringLiteral("x\r\n"));
}

TEST(Text1252LineEnds, TextWithoutLineEndsOrAlreadyCrLfIsUnchanged)
{
    EXPECT_EQ(WithCrLf(QString()), QString());
    const QString plain = QString::fromUtf8("Thèmes=animaux");
    EXPECT_EQ(WithCrLf(plain), plain);
    const QString crlf = QStringLiteral("a\r\nb\r\n\r\nc");
    EXPECT_EQ(WithCrLf(crlf), crlf);
    EXPECT_EQ(WithCrLf(WithCrLf(QStringLiteral("a\nb\rc"))), QStringLiteral("a\r\nb\r\nc"));
}

} // namespace
} // namespace lx

// The code page, line ends and word deletion of the text boxes.
#include "core/Text1252.h"
#include "core/TextEditing.h"
#include "support/TextSupport.h"

#include <QStringDecoder>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

#include <gtest/gtest.h>

namespace lx::test {
namespace {

TEST(Text1252, EveryByteHasTheCodePagesCharacterAndEncodesBack)
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    const QString text = DecodeWindows1252(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_TRUE(FitsWindows1252(text));
    EXPECT_EQ(EncodeWindows1252(text), bytes) << "no two bytes share a character";
    // The system's own code page is the independent reference of 0x80..0x9F: Windows' (its Qt has no ICU), or ICU's.
#ifdef Q_OS_WIN
    const auto reference = [](char byte) {
        wchar_t c = 0;
        MultiByteToWideChar(1252, 0, &byte, 1, &c, 1);
        return QString(QChar(char16_t(c)));
    };
#else
    QStringDecoder system("windows-1252");
    ASSERT_TRUE(system.isValid()) << "QtCore without ICU cannot check the code page";
    // A fresh decoder per byte: after resetState(), Qt 6.4's ICU decoder may throw std::bad_alloc (seen at -O0).
    const auto reference = [](char byte) { return QString(QStringDecoder("windows-1252").decode(QByteArray(1, byte))); };
#endif
    for (int b = 0; b < 256; ++b) {
        const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        const QString expected = b < 0x80 || b >= 0xA0 || undefined ? QString(QChar(b)) : reference(char(b));
        EXPECT_EQ(QString(text[b]), expected) << "byte 0x" << std::hex << b;
    }
    // The French letters and signs of that row, in case the reference moves.
    EXPECT_EQ(EncodeWindows1252(u("€’œŒŸ…–—")), QByteArray("\x80\x92\x9C\x8C\x9F\x85\x96\x97"));
}

TEST(Text1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach)
{
    // U+0080 and U+009F are C1 controls whose bytes hold other characters; a character beyond 16 bits is one "?" too.
    for (const QString& c : { QString(QChar(0x80)), QString(QChar(0x9F)), QString(QChar(0x100)), u("\U0001F600") }) {
        EXPECT_FALSE(FitsWindows1252(c)) << "U+" << std::hex << c.toUcs4().first();
        EXPECT_EQ(EncodeWindows1252(u("a") + c + u("b")), QByteArray("a?b")) << "U+" << std::hex << c.toUcs4().first();
    }
    // So is a lone half of a pair.
    EXPECT_EQ(EncodeWindows1252(QStringLiteral("x") + QChar(0xD83D) + QStringLiteral("y") + QChar(0xDE00)), QByteArray("x?y?"));
}

TEST(DeletePreviousWord, WordsSpacesDelimitersAndSelection)
{
    struct Case { const char* text; int caret, selectionStart, selectionLength; const char* after; int caretAfter; };
    const Case cases[] = {
        { "le petit ", 9, 0, 0, "le ", 3 },           // the spaces, then the word
        { "chat", 4, 0, 0, "", 0 },                   // no delimiter: back to the start
        { "a, ", 3, 0, 0, "a", 1 },                   // the space, then the comma alone
        { "un\r\ndeux", 4, 0, 0, "undeux", 2 },        // a line break with its CR
        { "a~b", 3, 0, 0, "", 0 },                    // "~" belongs to the word
        { "20°C", 4, 0, 0, "20°", 3 }, { "", 0, 0, 0, "", 0 }, { "   ", 3, 0, 0, "", 0 },
        { "le chat noir", 7, 0, 0, "le  noir", 3 },   // only what lies before the caret
        { "le chat", 7, 3, 4, "le ", 3 },             // a selection is deleted instead
    };
    for (const Case& c : cases) {
        const TextEdit after = DeletePreviousWord({ QString::fromUtf8(c.text), c.caret, c.selectionStart, c.selectionLength });
        EXPECT_EQ(after.text, QString::fromUtf8(c.after)) << c.text;
        EXPECT_EQ(after.caret, c.caretAfter) << c.text;
    }
}

} // namespace
} // namespace lx::test

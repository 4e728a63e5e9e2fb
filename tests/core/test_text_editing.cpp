#include "core/TextEditing.h"

#include <gtest/gtest.h>

namespace lx {
namespace {

TEST(DeletePreviousWord, WordsSpacesDelimitersAndSelection)
{
    struct Case {
        const char* text;
        int caret;
        int selectionStart, selectionLength;
        const char* after;
        int caretAfter;
    };
    const Case cases[] = {
        { "le petit chat", 13, 0, 0, "le petit ", 9 },
        { "le petit ", 9, 0, 0, "le ", 3 },           // the spaces, then the word
        { "chat", 4, 0, 0, "", 0 },                   // no delimiter: back to the start
        { "oui,", 4, 0, 0, "oui", 3 },                // a delimiter just before the caret goes alone
        { "a, ", 3, 0, 0, "a", 1 },                   // the space, then the comma
        { "un\r\ndeux", 4, 0, 0, "undeux", 2 },        // a line break with its CR
        { "a~b", 3, 0, 0, "", 0 },                    // "~" belongs to the word
        { "20°C", 4, 0, 0, "20°", 3 },
        { "le chat noir", 7, 0, 0, "le  noir", 3 },   // only what lies before the caret
        { "le chat", 7, 3, 4, "le ", 3 },             // a selection is deleted instead
        { "", 0, 0, 0, "", 0 },
        { "   ", 3, 0, 0, "", 0 },
    };
    for (const Case& c : cases) {
        const TextEdit after = DeletePreviousWord({ QString::fromUtf8(c.text), c.caret, c.selectionStart, c.selectionLength });
        EXPECT_EQ(after.text, QString::fromUtf8(c.after)) << c.text;
        EXPECT_EQ(after.caret, c.caretAfter) << c.text;
    }
}

} // namespace
} // namespace lx

// The pictures' table: its lines, how words are matched, the teacher's file read after the program's.
#include "support/DocumentSupport.h"
#include "words/PictureTable.h"

namespace lx::test {
namespace {

QString Code(char32_t c) { return QString::fromUcs4(&c, 1); }

TEST(PictureTable, LinesCommentsAndWhatIsLeftOut)
{
    PictureTable table;
    const int added = table.AddText(u("\xEF\xBB\xBF# Les images\r\nchat   U+1F431\r\n\r\n  pomme de terre\tU+1F954  \n# loup U+1F43A\n"
                                      "lion U+1F981 en trop\ntigre U+1F4\nours u+1f43b\nnuage U+D800\nvide U+110000\nU+1F436\n"
                                      "Cheval U+1F40E\rl'âne U+1F434\nchat U+1F408\ne\u0301le\u0301phant U+1F418\n"));
    EXPECT_EQ(added, 7) << "chat twice, pomme de terre, ours, Cheval, l'âne, éléphant";
    EXPECT_EQ(table.Count(), 6);
    const struct { const char* word; QString picture; } cases[] = {
        { "chat", Code(0x1F408) }, { "CHAT", Code(0x1F408) }, // the last line of a word wins
        { "pomme de terre", Code(0x1F954) }, { "pomme  de terre", Code(0x1F954) }, { "ours", Code(0x1F43B) },
        { "cheval", Code(0x1F40E) }, { "L’ÂNE", Code(0x1F434) }, { "loup", {} }, { "lion", {} }, { "tigre", {} },
        { "nuage", {} }, { "vide", {} }, { "pomme", {} }, { "", {} },
        { "éléphant", Code(0x1F418) }, // its accents written apart, as a Mac's editor saves them
    };
    for (const auto& c : cases)
        EXPECT_EQ(table.Picture(u(c.word)), c.picture) << c.word;
    EXPECT_EQ(table.CodePoints(), (QList<char32_t> { 0x1F408, 0x1F40E, 0x1F418, 0x1F434, 0x1F43B, 0x1F954 }));
}

TEST(PictureTable, TheTeachersFileAddsToTheProgramsAndMayChangeAPicture)
{
    QTemporaryDir program, teacher, none;
    WriteBytes(QDir(program.path()).filePath(u("images.txt")), "chat U+1F431\r\nchien U+1F436\r\n");
    // Saved by an old editor in Windows-1252: "éléphant".
    WriteBytes(QDir(teacher.path()).filePath(u("images.txt")), "chien U+1F415\r\n\xE9l\xE9phant U+1F418\r\n");
    const PictureTable both = PictureTable::Load(program.path(), teacher.path());
    EXPECT_EQ(both.Picture(u("chat")), Code(0x1F431));
    EXPECT_EQ(both.Picture(u("chien")), Code(0x1F415));
    EXPECT_EQ(both.Picture(u("éléphant")), Code(0x1F418));
    const PictureTable alone = PictureTable::Load(program.path(), none.path());
    EXPECT_EQ(alone.Picture(u("chien")), Code(0x1F436));
    EXPECT_FALSE(alone.Has(u("éléphant")));
    EXPECT_EQ(PictureTable::Load(QString(), QString()).Count(), 0);
}

} // namespace
} // namespace lx::test

// Raw DEFLATE data, the zip archives that word processors and spreadsheets save, and Word 97's compound files.
#include "core/CompoundFile.h"
#include "core/Inflate.h"
#include "core/ZipArchive.h"
#include "support/TextSupport.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace lx::test {
namespace {

// zlib's own DEFLATE data, without qCompress's size and zlib's header and checksum.
QByteArray Deflated(const QByteArray& bytes, int level)
{
    const QByteArray z = qCompress(bytes, level);
    return z.mid(4 + 2, z.size() - 4 - 2 - 4);
}

TEST(Inflate, GivesBackWhatZlibCompressedAndRefusesEveryCut)
{
    QByteArray noise(70000, 0);
    QRandomGenerator random(7);
    for (char& b : noise)
        b = char(random.bounded(256));
    const QByteArray text = u("Le chat, le chien, l’âne et l’écureuil.\r\n").toUtf8().repeated(3000);
    // Level 0: stored blocks (70,000 bytes take two); 1 and 9: fixed and dynamic codes, long
    // distances and lengths; noise compressed stays stored.
    const struct { QByteArray bytes; int level; } cases[] = {
        { "a", 9 }, { "abc", 0 }, { QByteArray(100000, 'a'), 9 }, { text, 1 }, { text, 9 }, { text, 0 },
        { noise, 9 }, { noise, 0 }, { noise.left(300) + text.left(5000) + noise.left(300), 6 },
    };
    for (const auto& c : cases) {
        const QByteArray deflated = Deflated(c.bytes, c.level);
        EXPECT_EQ(Inflate(deflated, c.bytes.size()), c.bytes) << c.level << " " << c.bytes.size();
        // One byte over the size allowed: nothing.
        EXPECT_EQ(Inflate(deflated, c.bytes.size() - 1), std::nullopt) << c.level << " " << c.bytes.size();
        // Data that ends early: nothing, whatever its length.
        for (qsizetype cut = 0; cut < deflated.size(); cut += 1 + deflated.size() / 300)
            ASSERT_EQ(Inflate(deflated.left(cut), c.bytes.size()), std::nullopt) << c.level << " " << cut;
    }
    EXPECT_EQ(Inflate(QByteArray("\x03\0", 2), 0), QByteArray()) << "an empty block of fixed codes";
    // A block of the reserved type 3; a stored block whose length and complement disagree.
    EXPECT_EQ(Inflate(QByteArray("\x07\0", 2), 10), std::nullopt);
    EXPECT_EQ(Inflate(QByteArray("\x01\x01\0\xFF\xFF" "a", 6), 10), std::nullopt);
    // Fixed codes: "a", a copy of 3 bytes from 1 back, the end; the same from 2 back, before the start.
    EXPECT_EQ(Inflate(QByteArray("\x4B\x04\x02\0", 4), 10), QByteArray("aaaa"));
    EXPECT_EQ(Inflate(QByteArray("\x4B\x04\x42\0", 4), 10), std::nullopt);
}

TEST(ZipFile, FindsCheckedFilesAndNothingInADamagedArchive)
{
    const QByteArray archive = ReadAll(QStringLiteral(LEXIGRILLE_WORD_FILES "/liste.docx"));
    ASSERT_TRUE(IsZip(archive));
    const QByteArray document = ZipFile(archive, u("word/document.xml"), 1 << 20).value_or(QByteArray()); // empty if absent
    EXPECT_EQ(document.size(), 4069);
    EXPECT_TRUE(document.startsWith("<?xml") && document.endsWith("</w:document>")) << document.right(40).constData();
    EXPECT_EQ(ZipFile(archive, u("[Content_Types].xml"), 1 << 20)->size(), 1640) << "the last file of the archive";
    EXPECT_EQ(ZipFile(archive, u("word/document.xml"), 4068), std::nullopt) << "larger than allowed";
    EXPECT_EQ(ZipFile(archive, u("WORD/DOCUMENT.XML"), 1 << 20), std::nullopt) << "names are exact";
    // Any byte of the document's 934 bytes of data changed: the checksum or the codes tell. Cut
    // anywhere: the end record is gone, or what it points to.
    const qsizetype data = archive.indexOf("word/document.xml") + 17;
    for (qsizetype at = data; at < data + 934; at += 37) {
        QByteArray damaged = archive;
        damaged[at] = char(damaged[at] ^ 0x10);
        EXPECT_EQ(ZipFile(damaged, u("word/document.xml"), 1 << 20), std::nullopt) << at;
    }
    for (qsizetype cut = 0; cut < archive.size(); cut += 97)
        EXPECT_EQ(ZipFile(archive.left(cut), u("word/document.xml"), 1 << 20), std::nullopt) << cut;
    EXPECT_FALSE(IsZip("PK\x03"));
    EXPECT_FALSE(IsZip("{\\rtf1"));
}

// word97.doc: WordDocument (5,120 bytes) in the file's sectors, 0Table (64 bytes) in the small streams' own.
TEST(CompoundFile, FindsStreamsOfBothSizesAndNothingInADamagedFile)
{
    const auto stream = [](QByteArrayView bytes, const QString& name, qsizetype maxSize) {
        const std::optional<CompoundFile> opened = CompoundFile::Open(bytes);
        return opened ? opened->Stream(name, maxSize) : std::nullopt;
    };
    const QByteArray file = ReadAll(QStringLiteral(LEXIGRILLE_WORD_FILES "/word97.doc"));
    ASSERT_TRUE(IsCompoundFile(file));
    const QByteArray document = stream(file, u("worddocument"), 1 << 20).value_or(QByteArray()); // empty if absent
    EXPECT_EQ(document.size(), 5120);
    EXPECT_TRUE(document.startsWith("\xEC\xA5\xC1\0")) << "Word's mark and version";
    const QByteArray table = stream(file, u("0Table"), 1 << 20).value_or(QByteArray());
    EXPECT_EQ(table.size(), 64);
    EXPECT_TRUE(table.contains(QByteArray("\0\x10\0\x40", 4))) << "the piece of text at 0x800, one byte a character";
    EXPECT_EQ(stream(file, u("WordDocument"), 5119), std::nullopt) << "larger than allowed";
    EXPECT_EQ(stream(file, u("1Table"), 1 << 20), std::nullopt);
    EXPECT_EQ(stream(file, u("Root Entry"), 1 << 20), std::nullopt) << "the root is no stream";
    for (qsizetype cut = 0; cut < file.size(); cut += 97)
        EXPECT_EQ(stream(file.left(cut), u("WordDocument"), 1 << 20), std::nullopt) << cut;
    // A chain of sectors that loops (WordDocument's fifth sector pointing back to its first) ends.
    QByteArray looping = file;
    looping.replace(512 + 4 * 8, 4, QByteArray("\x04\0\0\0", 4)); // sector 8's entry in the table of sectors
    EXPECT_EQ(stream(looping, u("WordDocument"), 1 << 20), std::nullopt);
    EXPECT_FALSE(IsCompoundFile(QByteArray("\xD0\xCF\x11\xE0", 4)));
}

} // namespace
} // namespace lx::test

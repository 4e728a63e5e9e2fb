#include "core/Text1252.h"
#include "document/IniReader.h"
#include "support/TextSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lx {
namespace {

using test::u;

// A reader of the text, written as a file is: Windows-1252 bytes.
IniReader Read(const char* utf8)
{
    return IniReader::FromBytes(EncodeWindows1252(u(utf8)));
}

QString V(const IniReader& reader, const char* section, const char* key)
{
    return reader.Value(u(section), u(key));
}

TEST(IniReader, NamesIgnoreCaseAndBlanksTheFirstKeyWinsSectionsMerge)
{
    const IniReader reader = Read("A=avant\n[LXGDocument] ; remarque ]\nTitre=Les animaux\nThèmes=ferme\nVide=\n"
                                  "juste du texte\n=sans nom\nTITRE=second\nF = b=c\n"
                                  "  \t[ PARAMÈTRES\t]  \n \t Clé \t=L’été €\n[lxgdocument]\nTitre=troisième\nB=3\n");
    EXPECT_EQ(V(reader, "lxgDOCUMENT", "titre"), u("Les animaux")) << "the first key wins, over a repeated section too";
    EXPECT_EQ(V(reader, "LXGDocument", "THÈMES"), u("ferme"));
    EXPECT_EQ(V(reader, "LXGDocument", "Themes"), QString()) << "accents are not folded away";
    EXPECT_EQ(V(reader, "paramètres", "CLÉ"), u("L’été €"));
    EXPECT_EQ(V(reader, "LXGDocument", "B"), u("3")) << "sections merge";
    EXPECT_EQ(V(reader, "LXGDocument", "F"), u("b=c")) << "a key name ends at the first \"=\"";
    // Keys before any section and lines without a key count for nothing.
    EXPECT_EQ(V(reader, "", "A"), QString());
    EXPECT_EQ(V(reader, "LXGDocument", "juste du texte"), QString());
    EXPECT_EQ(V(reader, "LXGDocument", ""), QString());
    // An empty value is there; a missing key or section is not.
    EXPECT_TRUE(reader.HasKey(u("lxgdocument"), u("VIDE")));
    EXPECT_FALSE(reader.HasKey(u("LXGDocument"), u("Absent")));
    EXPECT_FALSE(reader.HasKey(u("Paramètres"), u("Vide")));
    EXPECT_FALSE(reader.HasSection(u("Autre")));
}

TEST(IniReader, ValuesAreTrimmedAndLoseOnePairOfQuotes)
{
    const char* const cases[][2] = { // as written, as read
        { "  Les   animaux \t ", "Les   animaux" }, { "\t\t", "" },
        { "\u00A0x\u00A0", "\u00A0x\u00A0" }, // a no-break space is no blank
        { "\"Les animaux\"", "Les animaux" }, { "'x'", "x" }, { "\"\"", "" },
        { "\"a\"\"", "a\"" },                 // the outer pair only
        { "\"'x'\"", "'x'" },                 // never a second pair
        { "\"  espaces  \"", "  espaces  " }, // blanks inside the quotes are the value's
        { "  \"x\"  ", "x" },                 // blanks outside them are not
        { "\"", "\"" }, { "\"x'", "\"x'" }, { "x\"", "x\"" }, { "l'école", "l'école" }, // quotes that do not pair
    };
    for (const auto& c : cases)
        EXPECT_EQ(V(Read((std::string("[S]\r\nK=") + c[0] + "\r\n").c_str()), "S", "K"), u(c[1])) << "written: " << c[0];
}

TEST(IniReader, CrLfLfCrAndMixedLineEndsReadAlike)
{
    for (const char* text : { "[S]\r\nA=1\r\n\r\nB=2\r\n[T]\r\nC=3", "[S]\nA=1\n\nB=2\n[T]\nC=3",
                              "[S]\rA=1\r\rB=2\r[T]\rC=3", "[S]\rA=1\r\nB=2\n[T]\n\rC=3" }) {
        const IniReader reader = Read(text);
        const QStringList values { V(reader, "S", "A"), V(reader, "S", "B"), V(reader, "T", "C"), V(reader, "S", "C") };
        EXPECT_EQ(values, (QStringList { u("1"), u("2"), u("3"), QString() })) << QByteArray(text).toPercentEncoding().constData();
    }
}

TEST(IniReader, ValuesAreNeverCutAndNoByteStopsTheReader)
{
    QString value;
    for (int i = 0; i < 300; ++i)
        value.append(QChar(u"aé€z"[i % 4]));
    QByteArray bytes = "[S]\r\nLong=" + EncodeWindows1252(value) + "\r\n";
    for (int i = 0; i < 4096; ++i)
        bytes.append(char((i * 37 + 11) % 256));
    static const char tail[] = "\0\0=\0\0\r\n\r\n[Doc]\r\nTitre=Les animaux\r\nNul=a\0b\r\n";
    bytes += QByteArray(tail, sizeof tail - 1);
    const IniReader reader = IniReader::FromBytes(bytes);
    EXPECT_EQ(V(reader, "S", "Long"), value);
    EXPECT_EQ(V(reader, "doc", "titre"), u("Les animaux"));
    EXPECT_EQ(V(reader, "Doc", "Nul"), QString::fromLatin1("a\0b", 3)) << "a NUL byte is a character like any other";

    const int huge = 8 * 1024 * 1024;
    EXPECT_EQ(V(IniReader::FromBytes(QByteArray("[S]\nA=") + QByteArray(huge, 'x')), "S", "A").size(), huge);
    EXPECT_FALSE(IniReader::FromBytes(QByteArray(huge, '[')).HasSection(u("S")));
}

TEST(IniReader, ReadsFilesAndMissingThingsReadEmpty)
{
    QTemporaryDir dir;
    const QString path = test::WriteBytes(dir.filePath(u("modèle.lxg")), "[LXGDocument]\r\nTh\xE8mes=\"animaux\"\r\n");
    EXPECT_EQ(ReadIniValue(path, u("lxgdocument"), u("THÈMES")), u("animaux"));
    EXPECT_EQ(ReadIniValue(path, u("Autre"), u("Thèmes")), QString());
    // No file, a folder, or a device that never ends: nothing, and at once.
    for (const QString& other : { dir.filePath(u("absent.lxg")), QString(), dir.path(), u("/dev/zero") })
        EXPECT_FALSE(IniReader::FromFile(other).HasSection(u("LXGDocument"))) << other.toStdString();
}

} // namespace
} // namespace lx

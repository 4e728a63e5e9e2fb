#include "document/IniReader.h"
#include "core/Text1252.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace lx {
namespace {

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// A reader of the text, written as a file is: Windows-1252 bytes.
IniReader Read(const QString& text)
{
    return IniReader::FromBytes(EncodeWindows1252(text));
}

IniReader Read(const char* utf8)
{
    return Read(U(utf8));
}

// The value of a key, section and key named in UTF-8.
QString V(const IniReader& reader, const char* section, const char* key)
{
    return reader.Value(U(section), U(key));
}

TEST(IniReader, NamesIgnoreCaseAndSurroundingBlanks)
{
    const IniReader reader = IniReader::FromBytes("[LXGDocument]\r\nTitre=Les animaux\r\nTh\xE8mes=ferme\r\n"
                                                  "  \t[ PARAM\xC8TRES\t]  \r\n \t Cl\xE9 \t=L\x92\xE9t\xE9 \x80\r\n");
    EXPECT_TRUE(reader.HasSection(U("lxgdocument")));
    EXPECT_EQ(V(reader, "lxgDOCUMENT", "TITRE"), U("Les animaux"));
    EXPECT_EQ(V(reader, "LXGDocument", "THÈMES"), U("ferme"));
    EXPECT_EQ(V(reader, "lxgdocument", "thèmes"), U("ferme"));
    // Accents are not folded away: "Themes" is another key.
    EXPECT_EQ(V(reader, "LXGDocument", "Themes"), QString());
    EXPECT_TRUE(reader.HasSection(U("Paramètres")));
    EXPECT_EQ(V(reader, "paramètres", "CLÉ"), U("L’été €"));
}

TEST(IniReader, ValuesAreTrimmedAndLoseOnePairOfQuotes)
{
    const char* const cases[][2] = { // as written, as read
        { "  Les   animaux \t ", "Les   animaux" }, { "\t\t", "" }, { "", "" },
        { "\u00A0x\u00A0", "\u00A0x\u00A0" }, // a no-break space is no blank
        { "\"Les animaux\"", "Les animaux" }, { "'x'", "x" }, { "\"\"", "" },
        { "\"a\"\"", "a\"" },                 // the outer pair only
        { "\"'x'\"", "'x'" },                 // never a second pair
        { "\"  espaces  \"", "  espaces  " }, // blanks inside the quotes are the value's
        { "  \"x\"  ", "x" },                 // blanks outside them are not
        { "\"", "\"" },                       // a lone quote stays, so do quotes that do not pair
        { "\"x'", "\"x'" }, { "x\"", "x\"" }, { "l'école", "l'école" },
    };
    for (const auto& c : cases) {
        const IniReader reader = Read(U("[S]\r\nK=") + U(c[0]) + QStringLiteral("\r\n"));
        EXPECT_EQ(V(reader, "S", "K"), U(c[1])) << "written: " << c[0];
    }
}

TEST(IniReader, ValuesAreNeverCut)
{
    QString value;
    for (int i = 0; i < 300; ++i)
        value.append(QChar(u"aé€z"[i % 4]));
    const IniReader reader = Read(QStringLiteral("[S]\r\nLong=") + value + QStringLiteral("\r\nApres=1\r\n"));
    EXPECT_EQ(V(reader, "S", "Long"), value);
    EXPECT_EQ(V(reader, "S", "Apres"), U("1"));
    const int huge = 8 * 1024 * 1024;
    EXPECT_EQ(V(IniReader::FromBytes(QByteArray("[S]\nA=") + QByteArray(huge, 'x')), "S", "A").size(), huge);
    EXPECT_FALSE(IniReader::FromBytes(QByteArray(huge, '[')).HasSection(U("S")));
}

TEST(IniReader, LineLayoutAndRepeats)
{
    const IniReader reader = Read("A=avant\n[S] ; remarque ]\nA=premier\njuste du texte\n=sans nom\nA=second\n"
                                  "a = troisième\nF = b=c\n[T]\nA=t\n[s]\nA=2\nB=3\n");
    // The first key wins, also over a repeated section; sections merge.
    EXPECT_EQ(V(reader, "S", "A"), U("premier"));
    EXPECT_EQ(V(reader, "S", "B"), U("3"));
    EXPECT_EQ(V(reader, "T", "A"), U("t"));
    EXPECT_EQ(V(reader, "T", "B"), QString());
    // A section name ends at the first "]", a key name at the first "=".
    EXPECT_EQ(V(reader, "S", "F"), U("b=c"));
    // Keys before any section and lines without a key count for nothing.
    EXPECT_EQ(V(reader, "", "A"), QString());
    EXPECT_EQ(V(reader, "S", "juste du texte"), QString());
    EXPECT_EQ(V(reader, "S", ""), QString());
}

TEST(IniReader, CrLfLfCrAndMixedLineEndsReadAlike)
{
    for (const char* text : { "[S]\r\nA=1\r\n\r\nB=2\r\n[T]\r\nC=3", "[S]\nA=1\n\nB=2\n[T]\nC=3",
                              "[S]\rA=1\r\rB=2\r[T]\rC=3", "[S]\rA=1\r\nB=2\n[T]\n\rC=3" }) {
        SCOPED_TRACE(QByteArray(text).toPercentEncoding().constData());
        const IniReader reader = Read(text);
        EXPECT_EQ(V(reader, "S", "A"), U("1"));
        EXPECT_EQ(V(reader, "S", "B"), U("2"));
        EXPECT_EQ(V(reader, "T", "C"), U("3"));
        EXPECT_EQ(V(reader, "S", "C"), QString());
    }
}

TEST(IniReader, HasKeyTellsAnEmptyValueFromAMissingKey)
{
    const IniReader reader = Read("[S]\nVide=\nGuillemets=\"\"\nThème=x\n[T]\n");
    for (const char* key : { "Vide", "GUILLEMETS", "THÈME" })
        EXPECT_TRUE(reader.HasKey(U("s"), U(key))) << key;
    EXPECT_FALSE(reader.HasKey(U("S"), U("Absent")));
    EXPECT_FALSE(reader.HasKey(U("T"), U("Vide")));
    EXPECT_FALSE(reader.HasKey(U("U"), U("Vide")));
    EXPECT_TRUE(reader.HasSection(U("T")));
}

TEST(IniReader, ReadsFilesAndMissingThingsReadEmpty)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(U("modèle.lxg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("[LXGDocument]\r\nTh\xE8mes=\"animaux\"\r\n") > 0);
    file.close();
    EXPECT_EQ(ReadIniValue(path, U("lxgdocument"), U("THÈMES")), U("animaux"));
    EXPECT_EQ(ReadIniValue(path, U("LXGDocument"), U("Titre")), QString());
    EXPECT_EQ(ReadIniValue(path, U("Autre"), U("Thèmes")), QString());

    // No file, a folder, or a device that never ends: nothing, and at once.
    for (const QString& other : { dir.filePath(U("absent.lxg")), QString(), dir.path(), U("/dev/zero") })
        EXPECT_FALSE(IniReader::FromFile(other).HasSection(U("LXGDocument"))) << other.toStdString();
}

TEST(IniReader, BinaryAndNulBytesDoNotStopTheReader)
{
    QByteArray bytes("[S]\r\n");
    for (int i = 0; i < 4096; ++i)
        bytes.append(char((i * 37 + 11) % 256));
    bytes.append(QByteArray("\0\0=\0\0\r\n", 7));
    bytes.append("\r\n[Doc]\r\nTitre=Les animaux\r\n");
    bytes.append(QByteArray("Nul=a\0b\r\n", 9));
    const IniReader reader = IniReader::FromBytes(bytes);
    EXPECT_EQ(V(reader, "doc", "titre"), U("Les animaux"));
    // A NUL byte is a character like any other, not the end of the value.
    EXPECT_EQ(V(reader, "Doc", "Nul"), QString::fromLatin1("a\0b", 3));
}

} // namespace
} // namespace lx

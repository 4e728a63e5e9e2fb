#include "document/IniReader.h"
#include "document/Text1252.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

static void PrintTo(const QString& s, std::ostream* os)
{
    if (s.size() > 200)
        *os << '"' << s.left(200).toStdString() << "\"... (" << s.size() << " characters)";
    else
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

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// --- Names -----------------------------------------------------------------

TEST(IniReaderNames, SectionAndKeyNamesIgnoreCase)
{
    const IniReader reader = Read(U("[LXGDocument]\r\nTitre=Les animaux\r\nThèmes=ferme\r\nMotsSélectionnés=1;2\r\n"));
    EXPECT_TRUE(reader.HasSection(QStringLiteral("LXGDocument")));
    EXPECT_TRUE(reader.HasSection(QStringLiteral("lxgdocument")));
    EXPECT_TRUE(reader.HasSection(QStringLiteral("LXGDOCUMENT")));
    EXPECT_EQ(reader.Value(QStringLiteral("lxgDOCUMENT"), QStringLiteral("TITRE")), QStringLiteral("Les animaux"));
    EXPECT_EQ(reader.Value(QStringLiteral("LXGDocument"), U("THÈMES")), QStringLiteral("ferme"));
    EXPECT_EQ(reader.Value(QStringLiteral("LXGDocument"), U("thèmes")), QStringLiteral("ferme"));
    EXPECT_EQ(reader.Value(QStringLiteral("LXGDocument"), U("motssélectionnés")), QStringLiteral("1;2"));
    // Accents are not folded away: "Themes" is another key.
    EXPECT_EQ(reader.Value(QStringLiteral("LXGDocument"), QStringLiteral("Themes")), QString());
}

TEST(IniReaderNames, AccentedSectionNameIgnoresCase)
{
    const IniReader reader = Read(U("[PARAMÈTRES]\nClé=1\n"));
    EXPECT_TRUE(reader.HasSection(U("Paramètres")));
    EXPECT_EQ(reader.Value(U("paramètres"), U("CLÉ")), QStringLiteral("1"));
}

TEST(IniReaderNames, NamesAreTrimmed)
{
    const IniReader reader = Read(QStringLiteral("  \t[ Doc\t]  \r\n \t Titre \t=x\r\n"));
    EXPECT_TRUE(reader.HasSection(QStringLiteral("Doc")));
    EXPECT_EQ(reader.Value(QStringLiteral("doc"), QStringLiteral("titre")), QStringLiteral("x"));
}

TEST(IniReaderNames, SectionNameEndsAtTheFirstClosingBracket)
{
    const IniReader reader = Read(QStringLiteral("[Doc] ; remarque ]\r\nA=1\r\n[Sans fin\r\nB=2\r\n"));
    EXPECT_TRUE(reader.HasSection(QStringLiteral("Doc")));
    EXPECT_EQ(reader.Value(QStringLiteral("Doc"), QStringLiteral("A")), QStringLiteral("1"));
    // A header without "]" takes the rest of its line as its name.
    EXPECT_EQ(reader.Value(QStringLiteral("Sans fin"), QStringLiteral("B")), QStringLiteral("2"));
    EXPECT_EQ(reader.Value(QStringLiteral("Doc"), QStringLiteral("B")), QString());
}

TEST(IniReaderNames, KeyNameIsTheTextBeforeTheFirstEquals)
{
    const IniReader reader = Read(QStringLiteral("[S]\nA=b=c\nFormule = x == y\n"));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("A")), QStringLiteral("b=c"));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("Formule")), QStringLiteral("x == y"));
}

// --- Values ----------------------------------------------------------------

TEST(IniReaderValues, SurroundingBlanksAreTrimmedInnerOnesKept)
{
    const IniReader reader = Read(QStringLiteral("[S]\nA=  Les   animaux \t \nB=\t\t\nC=\n"));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("A")), QStringLiteral("Les   animaux"));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("B")), QString());
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("C")), QString());
}

TEST(IniReaderValues, NoBreakSpaceIsNotABlank)
{
    // 0xA0 is a letter-like character of the value, not a blank to trim.
    const IniReader reader = IniReader::FromBytes(QByteArray("[S]\nA=\xA0x\xA0\n"));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("A")), QString(QChar(0xA0)) + u'x' + QChar(0xA0));
}

TEST(IniReaderValues, OneEnclosingPairOfQuotesIsRemoved)
{
    struct Case {
        const char* written;
        const char* read;
    };
    const Case cases[] = {
        { "\"Les animaux\"", "Les animaux" },
        { "'x'", "x" },
        { "\"\"", "" },
        { "''", "" },
        { "\"a\"\"", "a\"" },         // the outer pair only
        { "\"'x'\"", "'x'" },         // never a second pair
        { "\"  espaces  \"", "  espaces  " }, // blanks inside the quotes are the value's
        { "  \"x\"  ", "x" },         // blanks outside them are not
        { "\"", "\"" },               // a lone quote stays
        { "'", "'" },
        { "\"x'", "\"x'" },           // quotes that do not match stay
        { "\"x", "\"x" },
        { "x\"", "x\"" },
        { "l'école", "l'école" },
        { "a \"b\" c", "a \"b\" c" },
    };
    for (const Case& c : cases) {
        const IniReader reader = Read(U("[S]\r\nK=") + U(c.written) + QStringLiteral("\r\n"));
        EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("K")), U(c.read)) << "written: " << c.written;
    }
}

TEST(IniReaderValues, LongValuesAreNeverCut)
{
    for (int length : { 255, 256, 300, 4096, 100000 }) {
        QString value;
        for (int i = 0; i < length; ++i)
            value.append(QChar(u"aé€z"[i % 4]));
        const IniReader reader = Read(QStringLiteral("[S]\r\nLong=") + value + QStringLiteral("\r\nApres=1\r\n"));
        EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("Long")), value) << length << " characters";
        EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("Apres")), QStringLiteral("1"));
    }
}

TEST(IniReaderValues, Windows1252BytesAreDecoded)
{
    const QByteArray bytes("[Param\xE8tres]\r\nTitre=L\x92\xE9t\xE9 \x80\r\nCl\xE9=\x9C" "uf\r\n");
    const IniReader reader = IniReader::FromBytes(bytes);
    EXPECT_EQ(reader.Value(U("Paramètres"), QStringLiteral("Titre")), U("L’été €"));
    EXPECT_EQ(reader.Value(U("PARAMÈTRES"), U("clé")), U("œuf"));
}

// --- Missing things --------------------------------------------------------

TEST(IniReaderMissing, MissingKeySectionOrFileReadsEmpty)
{
    const IniReader reader = Read(QStringLiteral("[S]\nA=1\n"));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("B")), QString());
    EXPECT_EQ(reader.Value(QStringLiteral("T"), QStringLiteral("A")), QString());
    EXPECT_FALSE(reader.HasSection(QStringLiteral("T")));

    const IniReader empty;
    EXPECT_FALSE(empty.HasSection(QStringLiteral("S")));
    EXPECT_EQ(empty.Value(QStringLiteral("S"), QStringLiteral("A")), QString());
    EXPECT_FALSE(IniReader::FromBytes(QByteArray()).HasSection(QString()));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("absent.lxg"));
    EXPECT_FALSE(IniReader::FromFile(missing).HasSection(QStringLiteral("S")));
    EXPECT_EQ(ReadIniValue(missing, QStringLiteral("S"), QStringLiteral("A")), QString());
    EXPECT_EQ(ReadIniValue(QString(), QStringLiteral("S"), QStringLiteral("A")), QString());
}

TEST(IniReaderMissing, HasKeyTellsAnEmptyValueFromAMissingKey)
{
    const IniReader reader = Read(U("[S]\nVide=\nGuillemets=\"\"\nThème=x\n[T]\n"));
    EXPECT_TRUE(reader.HasKey(QStringLiteral("S"), QStringLiteral("Vide")));
    EXPECT_TRUE(reader.HasKey(QStringLiteral("s"), QStringLiteral("GUILLEMETS")));
    EXPECT_TRUE(reader.HasKey(QStringLiteral("S"), U("THÈME")));
    EXPECT_FALSE(reader.HasKey(QStringLiteral("S"), QStringLiteral("Absent")));
    EXPECT_FALSE(reader.HasKey(QStringLiteral("T"), QStringLiteral("Vide")));
    EXPECT_FALSE(reader.HasKey(QStringLiteral("U"), QStringLiteral("Vide")));
    EXPECT_TRUE(reader.HasSection(QStringLiteral("T")));
}

TEST(IniReaderMissing, FolderOrDeviceInsteadOfAFileReadsEmpty)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("dossier.lxg"));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_FALSE(IniReader::FromFile(folder).HasSection(QString()));
    EXPECT_FALSE(IniReader::FromFile(dir.path()).HasSection(QString()));
#ifdef Q_OS_UNIX
    // A device that never ends must not keep the reader busy.
    if (QFile::exists(QStringLiteral("/dev/zero"))) {
        EXPECT_FALSE(IniReader::FromFile(QStringLiteral("/dev/zero")).HasSection(QString()));
    }
#endif
}

TEST(IniReaderMissing, KeysBeforeAnySectionAndLinesWithoutEqualsAreIgnored)
{
    const IniReader reader = Read(QStringLiteral("A=avant\r\njuste du texte\r\n[S]\r\nbruit\r\n=sans nom\r\nA=1\r\n"));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("A")), QStringLiteral("1"));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("juste du texte")), QString());
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QString()), QString());
    EXPECT_EQ(reader.Value(QString(), QStringLiteral("A")), QString());
}

// --- Repeats ---------------------------------------------------------------

TEST(IniReaderRepeats, FirstKeyWins)
{
    const IniReader reader = Read(QStringLiteral("[S]\nA=premier\nA=second\na = troisième\n"));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("A")), QStringLiteral("premier"));
}

TEST(IniReaderRepeats, RepeatedSectionsMergeAndFirstKeyStillWins)
{
    const IniReader reader = Read(QStringLiteral("[S]\nA=1\n[T]\nA=t\n[s]\nA=2\nB=3\n"));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("A")), QStringLiteral("1"));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("B")), QStringLiteral("3"));
    EXPECT_EQ(reader.Value(QStringLiteral("T"), QStringLiteral("A")), QStringLiteral("t"));
    EXPECT_EQ(reader.Value(QStringLiteral("T"), QStringLiteral("B")), QString());
}

// --- Line ends -------------------------------------------------------------

TEST(IniReaderLineEnds, CrLfLfAndCrOnlyFilesReadAlike)
{
    for (const char* end : { "\r\n", "\n", "\r" }) {
        const QString eol = QString::fromLatin1(end);
        const IniReader reader =
            Read(QStringLiteral("[S]") + eol + QStringLiteral("A=1") + eol + eol + QStringLiteral("B=2") + eol
                 + QStringLiteral("[T]") + eol + QStringLiteral("C=3"));
        const QByteArray name = QByteArray(end).toHex();
        EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("A")), QStringLiteral("1")) << name.constData();
        EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("B")), QStringLiteral("2")) << name.constData();
        EXPECT_EQ(reader.Value(QStringLiteral("T"), QStringLiteral("C")), QStringLiteral("3")) << name.constData();
        EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("C")), QString()) << name.constData();
    }
}

TEST(IniReaderLineEnds, MixedLineEndsInOneFile)
{
    const IniReader reader = Read(QStringLiteral("[S]\rA=1\r\nB=2\nC=3\n\rD=4"));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("A")), QStringLiteral("1"));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("B")), QStringLiteral("2"));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("C")), QStringLiteral("3"));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("D")), QStringLiteral("4"));
}

// --- Files and hostile input -----------------------------------------------

TEST(IniReaderFiles, ReadsAFileAndOneKeyOfIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(U("modèle.lxg"));
    ASSERT_TRUE(WriteBytes(path, QByteArray("[LXGDocument]\r\nTh\xE8mes=\"animaux\"\r\n")));
    EXPECT_TRUE(IniReader::FromFile(path).HasSection(QStringLiteral("LXGDocument")));
    EXPECT_EQ(ReadIniValue(path, QStringLiteral("lxgdocument"), U("THÈMES")), QStringLiteral("animaux"));
}

TEST(IniReaderFiles, BinaryGarbageAndNulBytesDoNotStopTheReader)
{
    QByteArray bytes("[S]\r\n");
    for (int i = 0; i < 4096; ++i)
        bytes.append(char((i * 37 + 11) % 256));
    bytes.append(QByteArray("\0\0=\0\0\r\n", 7));
    bytes.append("\r\n[Doc]\r\nTitre=Les animaux\r\n");
    bytes.append(QByteArray("Nul=a\0b\r\n", 9));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("bruit.lxg"));
    ASSERT_TRUE(WriteBytes(path, bytes));
    const IniReader reader = IniReader::FromFile(path);
    EXPECT_EQ(reader.Value(QStringLiteral("doc"), QStringLiteral("titre")), QStringLiteral("Les animaux"));
    // A NUL byte is a character like any other, not the end of the value.
    EXPECT_EQ(reader.Value(QStringLiteral("Doc"), QStringLiteral("Nul")), QString::fromLatin1("a\0b", 3));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QString::fromLatin1("\0\0", 2)), QString());
}

TEST(IniReaderFiles, EveryPrefixOfAFileParses)
{
    // Cut anywhere (a half-written file), the reader neither fails nor invents keys.
    const QByteArray bytes("[S]\r\nA=\"1\"\r\n[T\r\nB='x\n\r=\r[");
    for (qsizetype n = 0; n <= bytes.size(); ++n) {
        const IniReader reader = IniReader::FromBytes(bytes.left(n));
        const QString a = reader.Value(QStringLiteral("S"), QStringLiteral("A"));
        EXPECT_TRUE(a.isEmpty() || a == QStringLiteral("\"") || a == QStringLiteral("\"1") || a == QStringLiteral("1"))
            << "cut at " << n;
        EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("B")), QString()) << "cut at " << n;
    }
}

TEST(IniReaderFiles, OneHugeLineIsReadWhole)
{
    QByteArray bytes("[S]\nA=");
    bytes.append(QByteArray(8 * 1024 * 1024, 'x'));
    const IniReader reader = IniReader::FromBytes(bytes);
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("A")).size(), 8 * 1024 * 1024);

    // The same without any "=" or line end at all.
    EXPECT_FALSE(IniReader::FromBytes(QByteArray(8 * 1024 * 1024, '[')).HasSection(QStringLiteral("S")));
}

TEST(IniReaderFiles, LargeFileParsesWhole)
{
    // About 50 MB of many short lines (its speed is measured in bench/).
    QByteArray bytes;
    bytes.reserve(52 * 1024 * 1024);
    bytes.append("[S]\r\n");
    int lines = 0;
    while (bytes.size() < 50 * 1024 * 1024) {
        bytes.append("Cle");
        bytes.append(QByteArray::number(lines % 50000));
        bytes.append("= une valeur assez longue pour remplir la ligne \r\n");
        ++lines;
    }
    bytes.append("Fin=oui\r\n");
    const IniReader reader = IniReader::FromBytes(bytes);
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("Fin")), QStringLiteral("oui"));
    EXPECT_EQ(reader.Value(QStringLiteral("S"), QStringLiteral("Cle49999")),
              QStringLiteral("une valeur assez longue pour remplir la ligne"));
}

} // namespace
} // namespace lx

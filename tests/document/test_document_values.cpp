// Under the document file: the INI reader of its bytes (line ends: the cli's broken_lines document), numbers and
// paths, and the safe write that replaces a file whole or leaves it as it was, with no file left behind.
#include "document/DocumentValues.h"
#include "document/IniReader.h"
#include "document/SafeFile.h"
#include "support/DocumentSupport.h"

#ifndef Q_OS_WIN
#include <csignal>
#include <sys/resource.h>
#endif

namespace lx::test {
namespace {

// A reader of the text, written as a file is: Windows-1252 bytes.
IniReader Read(const char* utf8) { return IniReader::FromBytes(EncodeWindows1252(u(utf8))); }
QString V(const IniReader& reader, const char* section, const char* key) { return reader.Value(u(section), u(key)); }

TEST(IniReader, NamesIgnoreCaseAndBlanksTheFirstKeyWinsSectionsMerge)
{
    const IniReader reader = Read("A=avant\n[LXGDocument] ; remarque ]\nTitre=Les animaux\nVide=\nTITRE=second\nF = b=c\n"
                                  "  \t[ PARAMÈTRES\t]  \n \t Clé \t=L’été €\n[lxgdocument]\nTitre=troisième\nB=3\n");
    EXPECT_EQ(V(reader, "lxgDOCUMENT", "titre"), u("Les animaux")) << "the first key wins, over a repeated section too";
    EXPECT_EQ(V(reader, "paramètres", "CLÉ"), u("L’été €"));
    EXPECT_EQ(V(reader, "Parametres", "Cle"), QString()) << "accents are not folded away";
    EXPECT_EQ(V(reader, "LXGDocument", "B"), u("3")) << "sections merge";
    EXPECT_EQ(V(reader, "LXGDocument", "F"), u("b=c")) << "a key name ends at the first \"=\"";
    EXPECT_EQ(V(reader, "", "A"), QString()) << "no key before the first section";
    // An empty value is there; a missing key or section is not.
    EXPECT_TRUE(reader.HasKey(u("lxgdocument"), u("VIDE")));
    EXPECT_FALSE(reader.HasKey(u("Paramètres"), u("Vide")));
    EXPECT_FALSE(reader.HasSection(u("Autre")));
}

TEST(IniReader, ValuesAreTrimmedAndLoseOnePairOfQuotes)
{
    const char* const cases[][2] = { // as written, as read
        { "  Les   animaux \t ", "Les   animaux" }, { "\t\t", "" }, { "'x'", "x" }, { "\"\"", "" },
        { "\u00A0x\u00A0", "\u00A0x\u00A0" }, // a no-break space is no blank
        { "\"a\"\"", "a\"" },                 // the outer pair only
        { "\"'x'\"", "'x'" },                 // never a second pair
        { "\"  espaces  \"", "  espaces  " }, // blanks inside the quotes are the value's
        { "  \"x\"  ", "x" },                 // blanks outside them are not
        { "\"", "\"" }, { "\"x'", "\"x'" }, { "x\"", "x\"" }, // quotes that do not pair
    };
    for (const auto& c : cases)
        EXPECT_EQ(V(Read((std::string("[S]\r\nK=") + c[0] + "\r\n").c_str()), "S", "K"), u(c[1])) << "written: " << c[0];
}

TEST(IniReader, ValuesAreNeverCutAndNoByteStopsTheReader)
{
    const QString value = u("aé€z").repeated(75);
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

TEST(ParseIntInRange, NumbersRoundedThenBounded)
{
    constexpr int S = kRangeSentinel;
    const struct { const char* text; int low, high, fallback, expected; } cases[] = {
        { "7", 7, 20, 12, 7 }, { "20", 7, 20, 12, 20 }, { "+9", 7, 20, 12, 9 }, { "007", 0, 10, 3, 7 }, // both bounds in
        // Out of range: the fallback, or with the sentinel the nearer bound; no number: the fallback, or the sentinel's low.
        { "25", 7, 20, 12, 12 }, { "6", 7, 20, 12, 12 }, { "25", 5, 18, S, 18 }, { "-3", 5, 18, S, 5 },
        { "", 3, 15, S, 3 }, { "   ", 3, 15, 9, 9 },
        { "\t-7\t", -30, 30, 0, -7 }, { "7.", 0, 30, 0, 7 }, { ".9", 0, 30, 5, 1 }, { "-.9", -30, 30, 5, -1 }, // blanks around, decimal forms
        // Halves to even, other fractions to the nearest; exact where a binary floating-point reading would land on a half.
        { " 7.5 ", 0, 30, S, 8 }, { "0.5", -30, 30, 99, 0 }, { "-0.5", -30, 30, 99, 0 }, { "-3.5", -30, 30, 99, -4 },
        { "2.50000", -30, 30, 99, 2 }, { "2.50000000000000000001", -30, 30, 99, 3 }, { "2.49999999999999999999", -30, 30, 99, 2 },
        { "18.5", 5, 18, S, 18 }, { "17.5", 5, 17, 0, 0 }, { "4.5", 5, 18, 0, 0 }, { "4.51", 5, 18, 0, 5 }, // the rounded number decides
        // The 16-bit limits; big numbers never wrap round into the range.
        { "32767", -32767, 32767, 0, 32767 }, { "-32768", -32768, 32767, 0, -32768 }, { "32768", -32767, 32767, 0, 0 },
        { "32767.5", -32767, 32767, S, 32767 }, { "65536", 0, 10, 3, 3 }, { "18446744073709551616", -32767, 32767, S, 32767 },
        { "9223372036854775807.9", -32767, 32767, S, 32767 }, { "-9223372036854775808", -32767, 32767, S, -32767 },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseIntInRange(u(c.text), c.low, c.high, c.fallback), c.expected)
            << '"' << c.text << "\" in " << c.low << ".." << c.high << ", fallback " << c.fallback;
    }
    EXPECT_EQ(ParseIntInRange(u("0.") + QString(100000, u'9'), 0, 100, S), 1);
    // What is not a number gives the fallback.
    for (const char* text : { "1e3", "1,5", "1 2", "abc12", "-", ".", "--1", "1..2", "0x10", "½", "١٢", "nan", "inf", "- 1" })
        EXPECT_EQ(ParseIntInRange(u(text), -100, 100, 42), 42) << text;
}

TEST(DocumentPaths, ExtensionInAnyCaseAndTheNameAfterTheLastSlash)
{
    const char* const extensions[][2] = {
        { "a", "a.lxg" }, { "a.lXg", "a.lXg" }, { "a.lxgx", "a.lxgx.lxg" }, { "alxg", "alxg.lxg" }, { "/d.lxg/a", "/d.lxg/a.lxg" },
    };
    for (const auto& c : extensions)
        EXPECT_EQ(EnsureDocumentExtension(u(c[0])), u(c[1])) << c[0];

    // The file name the window title shows.
    const char* const names[][2] = {
        { "/x/y/Mon doc.lxg", "Mon doc.lxg" }, { "C:\\x\\modèle.lxg", "modèle.lxg" }, { "C:/x\\y/z\\fiche.lxg", "fiche.lxg" },
        { "/x/a.b.lxg", "a.b.lxg" }, { "/x.y/fiche", "fiche" }, { "C:\\v1.2\\fiche", "fiche" }, { "", "" }, { "/x/y/", "" }, { "/x/.lxg", ".lxg" },
    };
    for (const auto& c : names)
        EXPECT_EQ(DocumentFileName(u(c[0])), u(c[1])) << c[0];
}

const QByteArray kOldContent("[LXGDocument]\r\nTitre=Ancien\r\n");

// Everything in the folder, hidden files included: a temporary file left behind shows here.
QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

void ExpectFailure(const WriteResult& result, const char* text)
{
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.errorNumber, 0);
    EXPECT_EQ(result.errorText, u(text));
}

TEST(SafeFile, WritesTheExactBytesAndReplacesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u("Mon modèle.lxg"));
    // Each write shorter than the one before: no tail of an old file may remain.
    for (const QByteArray& bytes : { QByteArray(10000, 'o'), QByteArray("[LXG]\r\nTh\xE8mes=x\r\n\0\xFF\n\r", 21), QByteArray() }) {
        const WriteResult result = WriteFileSafely(path, bytes);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(result.errorNumber, 0);
        EXPECT_EQ(ReadAll(path), bytes);
        EXPECT_EQ(Entries(dir.path()), QStringList { u("Mon modèle.lxg") });
    }
}

TEST(SafeFile, APathThatCannotBeWrittenFailsAndChangesNothing)
{
    QTemporaryDir dir;
    WriteBytes(dir.filePath(u("fichier")), kOldContent);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u("dossier.lxg")));
    const struct { QString path; const char* text; } cases[] = {
        { dir.filePath(u("absent/fiche.lxg")), "Dossier introuvable" },
        { dir.filePath(u("fichier/fiche.lxg")), "Dossier introuvable" },
        { dir.filePath(u("dossier.lxg")), "Le nom désigne un dossier et non un fichier" },
        { QString(), "Aucun nom de fichier" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        ExpectFailure(WriteFileSafely(c.path, QByteArray("nouveau")), c.text);
        EXPECT_EQ(ReadAll(dir.filePath(u("fichier"))), kOldContent);
        EXPECT_EQ(Entries(dir.path()), (QStringList { u("dossier.lxg"), u("fichier") }));
        EXPECT_TRUE(Entries(dir.filePath(u("dossier.lxg"))).isEmpty());
    }
}

// What to do after a failed save: another place only where the teacher chose it (not the template's), the Documents'
// « Lexigrille » folder only when the file was not already there.
TEST(SafeFile, TheAdviceFitsThePlace)
{
    QTemporaryDir dir;
    const QString own = dir.filePath(u("Lexigrille")), elsewhere = dir.filePath(u("clé"));
    qputenv("LEXIGRILLE_USER_DIR", own.toLocal8Bit());
    const WriteResult denied { false, EACCES, u("Accès refusé") }, full { false, ENOSPC, u("Disque plein") };
    const QString check = u("Vérifiez que vous pouvez écrire dans le dossier « %1 »").arg(QDir::toNativeSeparators(own));
    const std::tuple<QString, WriteResult, bool, QString> cases[] {
        { elsewhere, denied, true, u("Choisissez un autre emplacement, par exemple le dossier « Lexigrille » de vos Documents.") },
        { own, denied, true, check + u(", ou choisissez un autre emplacement.") },
        { own, denied, false, check + u(", puis recommencez.") },
        { own, full, true, u("Libérez de la place, ou choisissez un autre emplacement.") },
        { own, full, false, u("Libérez de la place, puis recommencez.") },
    };
    for (const auto& [folder, result, chosen, advice] : cases)
        EXPECT_TRUE(SaveErrorMessage(folder + u("/modèle.lxg"), result, chosen).endsWith(u("\n") + advice)) << advice.toStdString();
    qunsetenv("LEXIGRILLE_USER_DIR");
}

#ifndef Q_OS_WIN // Windows has no file size limit to make a write fail part way
TEST(SafeFile, FailureWhileWritingKeepsTheOldFile)
{
    // A file size limit makes the write fail part way, as a full disk would; it holds for root too. A document of a
    // few kilobytes failed only when its buffer was written out, unseen: the old file was replaced by an empty one.
    for (const int size : { 256 * 1024, 6000 }) {
        QTemporaryDir dir;
        const QString path = WriteBytes(dir.filePath(u("fiche.lxg")), kOldContent);
        const QByteArray bytes(size, 'n');
        rlimit saved {};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit limited = saved;
        limited.rlim_cur = 4096;
        auto* const previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const WriteResult result = WriteFileSafely(path, bytes);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        ExpectFailure(result, "Disque plein ou erreur d'écriture");
        EXPECT_TRUE(SaveErrorMessage(path, result).endsWith(u("\nLibérez de la place, ou choisissez un autre emplacement.")));
        EXPECT_EQ(ReadAll(path), kOldContent) << size;
        EXPECT_EQ(Entries(dir.path()), QStringList { u("fiche.lxg") });
        EXPECT_TRUE(WriteFileSafely(path, bytes).ok) << "once the cause is gone, the same write succeeds";
        EXPECT_EQ(ReadAll(path), bytes);
    }
}
#endif

} // namespace
} // namespace lx::test

// Saving replaces the old file whole or leaves it as it was, with no file left behind.
#include "document/SafeFile.h"
#include "support/TextSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace lx {
namespace {

using test::ReadAll;
using test::u;

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
    for (const QByteArray& bytes : { QByteArray(10000, 'o'), QByteArray("[LXG]\r\nTh\xE8mes=x\r\n\0\xFF\n\r", 21),
                                     QByteArray("court"), QByteArray() }) {
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
    test::WriteBytes(dir.filePath(u("fichier")), kOldContent);
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

TEST(SafeFile, FailureWhileWritingKeepsTheOldFile)
{
    // A file size limit makes the write of the new data fail part way, as a
    // full disk would; it holds for every user, root included.
    QTemporaryDir dir;
    const QString path = test::WriteBytes(dir.filePath(u("fiche.lxg")), kOldContent);
    const QByteArray big(256 * 1024, 'n');
    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    auto* const previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const WriteResult result = WriteFileSafely(path, big);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ExpectFailure(result, "Disque plein ou erreur d'écriture");
    EXPECT_EQ(ReadAll(path), kOldContent);
    EXPECT_EQ(Entries(dir.path()), QStringList { u("fiche.lxg") });
    EXPECT_TRUE(WriteFileSafely(path, big).ok) << "once the cause is gone, the same write succeeds";
    EXPECT_EQ(ReadAll(path), big);
}

} // namespace
} // namespace lx

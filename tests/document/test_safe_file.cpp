#include "document/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

// File contents: their size and first bytes, not one line per byte.
static void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    *os << bytes.size() << " bytes: " << bytes.left(64).toPercentEncoding().constData()
        << (bytes.size() > 64 ? "..." : "");
}

namespace lx {
namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Everything in the folder, hidden files included: a temporary file left behind shows here.
QStringList FolderEntries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

void ExpectFailure(const WriteResult& result)
{
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.errorNumber, 0);
    EXPECT_FALSE(result.errorText.isEmpty());
}

const QByteArray kOldContent("[LXGDocument]\r\nTitre=Ancien\r\n");

// --- Successful writes -----------------------------------------------------

TEST(SafeFileWrite, WritesTheExactBytesAndLeavesNothingElse)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QString::fromUtf8("Mon modèle.lxg"));
    const QByteArray bytes("[LXGDocument]\r\nTh\xE8mes=animaux\r\n\0\xFF\n\r", 35);
    const WriteResult result = WriteFileSafely(path, bytes);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.errorNumber, 0);
    EXPECT_EQ(result.errorText, QString());
    EXPECT_EQ(ReadAll(path), bytes);
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{ QString::fromUtf8("Mon modèle.lxg") });
}

TEST(SafeFileWrite, ReplacesAnExistingFileWhole)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("fiche.lxg"));
    ASSERT_TRUE(WriteBytes(path, QByteArray(10000, 'o')));
    // Shorter than before: no tail of the old file may remain.
    EXPECT_TRUE(WriteFileSafely(path, QByteArray("court")).ok);
    EXPECT_EQ(ReadAll(path), QByteArray("court"));
    EXPECT_TRUE(WriteFileSafely(path, QByteArray()).ok);
    EXPECT_EQ(ReadAll(path), QByteArray());
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{ QStringLiteral("fiche.lxg") });
}

// --- Failures that leave everything as it was --------------------------------

TEST(SafeFileFailure, MissingFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("absent/fiche.lxg"));
    ExpectFailure(WriteFileSafely(path, kOldContent));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(FolderEntries(dir.path()).isEmpty());
}

TEST(SafeFileFailure, FolderOfThePathIsAFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString notAFolder = dir.filePath(QStringLiteral("fichier"));
    ASSERT_TRUE(WriteBytes(notAFolder, kOldContent));
    ExpectFailure(WriteFileSafely(notAFolder + QStringLiteral("/fiche.lxg"), QByteArray("nouveau")));
    EXPECT_EQ(ReadAll(notAFolder), kOldContent);
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{ QStringLiteral("fichier") });
}

TEST(SafeFileFailure, TargetIsAFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("fiche.lxg"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(WriteBytes(folder + QStringLiteral("/dedans.txt"), kOldContent));
    ExpectFailure(WriteFileSafely(folder, QByteArray("nouveau")));
    EXPECT_EQ(ReadAll(folder + QStringLiteral("/dedans.txt")), kOldContent);
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{ QStringLiteral("fiche.lxg") });
}

TEST(SafeFileFailure, EmptyPath)
{
    ExpectFailure(WriteFileSafely(QString(), QByteArray("x")));
}

#ifdef Q_OS_UNIX
TEST(SafeFileFailure, ReadOnlyFolderKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root, which writes into read-only folders anyway; "
                        "FailureWhileWritingKeepsTheOldFile covers the old file's safety";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("lecture seule"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/fiche.lxg");
    ASSERT_TRUE(WriteBytes(path, kOldContent));
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));

    const WriteResult result = WriteFileSafely(path, QByteArray("nouveau contenu"));
    const QStringList entries = FolderEntries(folder);
    const QByteArray after = ReadAll(path);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    ExpectFailure(result);
    EXPECT_EQ(result.errorText, QString::fromUtf8("Accès refusé"));
    EXPECT_EQ(after, kOldContent);
    EXPECT_EQ(entries, QStringList{ QStringLiteral("fiche.lxg") });
}

TEST(SafeFileFailure, FailureWhileWritingKeepsTheOldFile)
{
    // A file size limit makes the write of the new data fail part way, as a
    // full disk would; it holds for every user, root included.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("fiche.lxg"));
    ASSERT_TRUE(WriteBytes(path, kOldContent));
    const QByteArray big(256 * 1024, 'n');

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    auto* const previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const WriteResult result = WriteFileSafely(path, big);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ExpectFailure(result);
    EXPECT_EQ(result.errorText, QString::fromUtf8("Disque plein ou erreur d'écriture"));
    EXPECT_EQ(ReadAll(path), kOldContent);
    EXPECT_EQ(FolderEntries(dir.path()), QStringList{ QStringLiteral("fiche.lxg") });
    // Once the cause is gone, the same write succeeds.
    EXPECT_TRUE(WriteFileSafely(path, big).ok);
    EXPECT_EQ(ReadAll(path), big);
}
#endif

} // namespace
} // namespace lx

#include "document/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
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

const QByteArray kOldContent("[LXGDocument]\r\nTitre=Ancien\r\n");

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Everything in the folder, hidden files included: a temporary file left behind shows here.
QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

void ExpectFailure(const WriteResult& result, const char* text)
{
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.errorNumber, 0);
    EXPECT_EQ(result.errorText, QString::fromUtf8(text));
}

class SafeFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString Path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir_;
};

TEST_F(SafeFile, WritesTheExactBytesAndReplacesTheOldFileWhole)
{
    const QString path = Path("Mon modèle.lxg");
    // Each write shorter than the one before: no tail of an old file may remain.
    for (const QByteArray& bytes : { QByteArray(10000, 'o'), QByteArray("[LXG]\r\nTh\xE8mes=x\r\n\0\xFF\n\r", 21),
                                     QByteArray("court"), QByteArray() }) {
        const WriteResult result = WriteFileSafely(path, bytes);
        EXPECT_TRUE(result.ok);
        EXPECT_EQ(result.errorNumber, 0);
        EXPECT_EQ(result.errorText, QString());
        EXPECT_EQ(ReadAll(path), bytes);
        EXPECT_EQ(Entries(dir_.path()), QStringList{ QString::fromUtf8("Mon modèle.lxg") });
    }
}

TEST_F(SafeFile, APathThatCannotBeWrittenFailsAndChangesNothing)
{
    ASSERT_TRUE(WriteBytes(Path("fichier"), kOldContent));
    ASSERT_TRUE(QDir().mkpath(Path("dossier.lxg")));
    const struct {
        QString path;
        const char* text;
    } cases[] = {
        { Path("absent/fiche.lxg"), "Dossier introuvable" },
        { Path("fichier/fiche.lxg"), "Dossier introuvable" },
        { Path("dossier.lxg"), "Le nom désigne un dossier et non un fichier" },
        { QString(), "Aucun nom de fichier" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        ExpectFailure(WriteFileSafely(c.path, QByteArray("nouveau")), c.text);
        EXPECT_EQ(ReadAll(Path("fichier")), kOldContent);
        EXPECT_EQ(Entries(dir_.path()), (QStringList{ QStringLiteral("dossier.lxg"), QStringLiteral("fichier") }));
        EXPECT_TRUE(Entries(Path("dossier.lxg")).isEmpty());
    }
}

#ifdef Q_OS_UNIX
TEST_F(SafeFile, FailureWhileWritingKeepsTheOldFile)
{
    // A file size limit makes the write of the new data fail part way, as a
    // full disk would; it holds for every user, root included.
    const QString path = Path("fiche.lxg");
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

    ExpectFailure(result, "Disque plein ou erreur d'écriture");
    EXPECT_EQ(ReadAll(path), kOldContent);
    EXPECT_EQ(Entries(dir_.path()), QStringList{ QStringLiteral("fiche.lxg") });
    // Once the cause is gone, the same write succeeds.
    EXPECT_TRUE(WriteFileSafely(path, big).ok);
    EXPECT_EQ(ReadAll(path), big);
}
#endif

} // namespace
} // namespace lx

// "new" and "make": a worksheet from a few choices on the command line,
// without writing a document by hand.
#include "cli/Cli.h"

#include "core/Plural.h"
#include "core/ProgramInfo.h"
#include "core/Text1252.h"
#include "document/Document.h"
#include "document/DocumentActions.h"
#include "document/GridAdvice.h"
#include "document/WorksheetRecipe.h"
#include "words/ThemeDatabase.h"
#include "words/Themes.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace lx::cli {

namespace {

// The document of the options, or the exit code of what went wrong; *seed
// receives the recipe's seed.
std::unique_ptr<Document> Build(Options& o, int& code, std::uint64_t* seed = nullptr)
{
    AdviseOptions();
    code = kInputError;
    const std::optional<WorksheetRecipe> recipe = ReadRecipe(o);
    if (!recipe) {
        err() << o.error << "\n";
        return nullptr;
    }
    static ThemeDatabase database;
    static const LevelLoadReport levels = database.Load(ProgramFolder());
    if (!recipe->levels.isEmpty() && !levels.missingFiles.isEmpty()) {
        // Said first: the words of those classes are missing from what follows.
        err() << "Attention : " << PluralLabel(int(levels.missingFiles.size()), QStringLiteral("fichier¤ absent¤"), false)
              << " du dossier " << QDir::toNativeSeparators(ProgramFolder()) << " : "
              << levels.missingFiles.join(QStringLiteral(", ")) << "\n";
    }
    std::unique_ptr<Document> doc = MakeDocument();
    doc->SetThemeDatabase(&database);
    // "Nouvelle fiche"'s template: the teacher's when they have one, else the program's.
    static DefaultPrompter quiet;
    const QString user = UserFolderPath();
    DocumentActions actions(*doc, quiet, { QFileInfo(user).isDir() ? user : QString(), ProgramFolder() });
    QStringList notices;
    const QString problem = ApplyRecipe(actions, *recipe, &notices);
    if (!problem.isEmpty()) {
        err() << InToolTerms(problem) << "\n";
        return nullptr;
    }
    for (const QString& notice : std::as_const(notices))
        Warn(notice);
    code = kOk;
    if (seed)
        *seed = recipe->seed;
    return doc;
}

// The options of a game the sheet is not: make says so, as they change
// nothing on it (new keeps them in the document, for another game).
void WarnUnusedOptions(const Options& o, GameType type)
{
    using enum GameType;
    static const struct {
        const char* option;
        std::initializer_list<GameType> games;
    } usedBy[] = {
        { "--size", { WordSearch } }, { "--directions", { WordSearch } }, { "--message", { WordSearch } },
        { "--shuffle-message", { WordSearch } }, { "--visible-cells", { WordSearch } }, { "--reveal", { FillIn } },
        { "--codes", { CodedWords } }, { "--revealed", { CodedWords } }, { "--pictures", { WordSearch, FillIn } },
        { "--list-font", { WordSearch, FillIn } }, { "--no-column-rules", { WordSearch, FillIn } },
    };
    QStringList unused;
    for (const auto& [option, games] : usedBy) {
        if (o.Has(QString::fromLatin1(option)) && std::find(games.begin(), games.end(), type) == games.end())
            unused << QString::fromLatin1(option);
    }
    if (unused.isEmpty())
        return;
    static const char* const names[] = { "à Lexigrille", "aux mots casés", "aux mots codés" };
    err() << "Attention : " << (unused.size() == 1 ? "cette option ne sert pas " : "ces options ne servent pas ")
          << names[int(type)] << " : " << unused.join(QStringLiteral(", ")) << ".\n";
}

} // namespace

int NewCommand(Options& o)
{
    int code = kOk;
    std::unique_ptr<Document> doc = Build(o, code);
    return doc ? Save(*doc, o.Value(QStringLiteral("--output"))) : code;
}

int MakeCommand(Options& o)
{
    const QString output = o.Value(QStringLiteral("--output"));
    if (!IsPageFile(output))
        return kInputError;
    int dpi = kDefaultDpi;
    if (!DpiOption(o, dpi)) {
        err() << o.error << "\n";
        return kInputError;
    }
    int code = kOk;
    std::uint64_t seed = 0;
    std::unique_ptr<Document> doc = Build(o, code, &seed);
    if (!doc)
        return code;
    WarnUnusedOptions(o, doc->settings().puzzle.gameType);
    code = Generate(*doc, seed);
    if (code != kOk)
        return code;
    out() << "Graine : " << seed << "\n";
    return Render(*doc, output, dpi, true);
}

} // namespace lx::cli

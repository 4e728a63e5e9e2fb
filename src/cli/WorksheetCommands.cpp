// "new" and "make": a worksheet from a few choices on the command line,
// without writing a document by hand.
#include "cli/Cli.h"

#include "core/ProgramInfo.h"
#include "core/Text1252.h"
#include "document/Document.h"
#include "document/DocumentActions.h"
#include "document/WorksheetRecipe.h"
#include "words/ThemeDatabase.h"
#include "words/Themes.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>


namespace lx::cli {

namespace {

QString ValidThemes()
{
    QStringList names;
    for (int i = 0; i < kThemeCount; ++i)
        names << QStringLiteral("« ") + ThemeName(i) + QStringLiteral(" »");
    return names.join(QStringLiteral(", "));
}

// A text option as a document keeps it; nullopt, with the error set, when it
// holds a character the document file cannot.
std::optional<QString> TextOption(Options& o, const QString& name)
{
    const QString text = AdaptToWindows1252(o.Value(name));
    if (const QStringList unfit = UnfitCharacters(text); !unfit.isEmpty()) {
        if (o.error.isEmpty()) {
            o.error = QStringLiteral("L'option %1 contient %2 %3, qu'un document Lexigrille ne peut pas enregistrer.")
                          .arg(name, unfit.size() == 1 ? QStringLiteral("le caractère") : QStringLiteral("les caractères"),
                               NameCharacters(unfit));
        }
        return std::nullopt;
    }
    return text;
}

// The recipe the options describe; nullopt, with the error set, when they do not read.
std::optional<WorksheetRecipe> ReadRecipe(Options& o)
{
    WorksheetRecipe r;
    auto fail = [&o](const QString& message) -> std::optional<WorksheetRecipe> {
        if (o.error.isEmpty())
            o.error = message;
        return std::nullopt;
    };
    if (o.Has(QStringLiteral("--type"))) {
        const QStringList types { QStringLiteral("lexigrille"), QStringLiteral("mots-cases"), QStringLiteral("mots-codes") };
        const int type = int(types.indexOf(o.Value(QStringLiteral("--type")).toLower()));
        if (type < 0)
            return fail(QStringLiteral("Type de jeu inconnu : « %1 ». Types possibles : lexigrille, mots-cases, mots-codes.")
                            .arg(o.Value(QStringLiteral("--type"))));
        r.type = GameType(type);
    }
    for (const QString& name : o.All(QStringLiteral("--level"))) {
        const int level = LevelIndexOf(name);
        if (level < 0)
            return fail(QStringLiteral("Classe inconnue : « %1 ». Classes possibles : CP, CE1, CE2, CM1, CM2.").arg(name));
        r.levels << level;
    }
    if (o.Has(QStringLiteral("--theme")) && !TextOption(o, QStringLiteral("--theme")))
        return std::nullopt;
    for (const QString& name : o.All(QStringLiteral("--theme"))) {
        const int theme = ThemeIndexOfName(name);
        if (theme < 0)
            return fail(QStringLiteral("Thème inconnu : « %1 ». Thèmes possibles : %2.").arg(name, ValidThemes()));
        r.themes << theme;
    }
    r.wordListPath = o.Value(QStringLiteral("--words"));
    if (!r.wordListPath.isEmpty() && (!r.levels.isEmpty() || !r.themes.isEmpty()))
        return fail(QStringLiteral("Choisissez les mots d'une liste (--words) ou de la base (--level, --theme), pas des deux."));
    if (r.wordListPath.isEmpty() && r.levels.isEmpty())
        return fail(QStringLiteral("Choisissez les mots : --words LISTE.txt, ou au moins une classe avec --level (et des thèmes avec --theme)."));
    if (!r.wordListPath.isEmpty() && !QFileInfo(r.wordListPath).isFile())
        return fail(QStringLiteral("La liste « %1 » est introuvable.").arg(r.wordListPath));
    if (o.Has(QStringLiteral("--count"))) {
        const auto count = NumberOption(o, QStringLiteral("--count"), 1, 5000);
        if (!count)
            return std::nullopt;
        r.count = int(*count);
    }
    if (o.Has(QStringLiteral("--size"))) {
        const auto size = NumberOption(o, QStringLiteral("--size"), DocumentSettings::kMinGridSize, DocumentSettings::kMaxGridSize);
        if (!size)
            return std::nullopt;
        r.gridSize = int(*size);
    }
    std::optional<std::uint64_t> seed;
    if (!SeedOption(o, seed))
        return std::nullopt;
    // Without a seed, one from the clock; make tells it so that the run can be repeated.
    r.seed = seed ? *seed : std::uint64_t(QDateTime::currentMSecsSinceEpoch());
    if (o.Has(QStringLiteral("--lower"))) {
        const QStringList halves { QStringLiteral("vide"), QStringLiteral("solution"), QStringLiteral("copie") };
        const int half = int(halves.indexOf(o.Value(QStringLiteral("--lower")).toLower()));
        if (half < 0)
            return fail(QStringLiteral("Moitié inférieure inconnue : « %1 ». Choix possibles : vide, solution, copie.")
                            .arg(o.Value(QStringLiteral("--lower"))));
        r.lowerHalf = half;
    }
    r.nameLine = !o.Has(QStringLiteral("--no-name-line"));
    r.fitToPage = !o.Has(QStringLiteral("--no-fit"));
    for (const auto& [name, field] : { std::pair { QStringLiteral("--title"), &r.title },
                                       std::pair { QStringLiteral("--instruction"), &r.instruction } }) {
        if (!o.Has(name))
            continue;
        *field = TextOption(o, name);
        if (!*field)
            return std::nullopt;
    }
    return r;
}

// The document of the options, or the exit code of what went wrong; *seed
// receives the recipe's seed.
std::unique_ptr<Document> Build(Options& o, int& code, std::uint64_t* seed = nullptr)
{
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
        err() << "Attention : fichiers absents du dossier " << QDir::toNativeSeparators(ProgramFolder()) << " : "
              << levels.missingFiles.join(QStringLiteral(", ")) << "\n";
    }
    std::unique_ptr<Document> doc = MakeDocument();
    doc->SetThemeDatabase(&database);
    // "Nouvelle fiche"'s template: the teacher's when they have one, else the program's.
    static DefaultPrompter quiet;
    const QString user = UserFolderPath();
    DocumentActions actions(*doc, quiet, { QFileInfo(user).isDir() ? user : QString(), ProgramFolder() });
    const QString problem = ApplyRecipe(actions, *recipe);
    if (!problem.isEmpty()) {
        err() << problem << "\n";
        return nullptr;
    }
    code = kOk;
    if (seed)
        *seed = recipe->seed;
    return doc;
}

} // namespace

QStringList WorksheetOptionNames()
{
    return { QStringLiteral("--output"), QStringLiteral("--type"), QStringLiteral("--words"), QStringLiteral("--level"),
             QStringLiteral("--theme"), QStringLiteral("--count"), QStringLiteral("--title"),
             QStringLiteral("--instruction"), QStringLiteral("--lower"), QStringLiteral("--size"), QStringLiteral("--seed"),
             QStringLiteral("--no-name-line"), QStringLiteral("--no-fit") };
}

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
    code = Generate(*doc, seed);
    if (code != kOk)
        return code;
    out() << "Graine : " << seed << "\n";
    return Render(*doc, output, dpi);
}

} // namespace lx::cli

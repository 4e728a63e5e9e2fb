// The choices of "new" and "make" read from the command line: everything the
// window sets, each refused with a French message naming what it takes.
#include "cli/Cli.h"

#include "core/ProgramInfo.h"
#include "core/Text1252.h"
#include "document/DocumentSettings.h"
#include "document/FontNames.h"
#include "puzzle/CodeBounds.h"
#include "render/FontCatalog.h"
#include "words/ThemeDatabase.h"
#include "words/Themes.h"
#include "words/WordListParser.h"

#include "words/WordForms.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace lx::cli {

namespace {

QString Quote(const QString& text)
{
    return QStringLiteral("« ") + text + QStringLiteral(" »");
}

// The themes a name may mean: the one it names, else those it starts
// (without regard to accents or case).
QList<int> ThemesMeant(const QString& name)
{
    const int exact = ThemeIndexOfName(name);
    if (exact >= 0)
        return { exact };
    return ThemesStartingWith(name);
}

// A word list of the teacher's or of the program's folder that the name
// starts, as "noel" does "Noël.txt" (without regard to accents or case).
QString ListNamed(const QString& name)
{
    const QString wanted = LettersOnly(name);
    for (const FileMenuItem& list : BuildWordListMenu({ UserFolderPath(), ProgramFolder() }).items)
        if (!wanted.isEmpty() && LettersOnly(list.caption).startsWith(wanted))
            return list.path;
    return {};
}

QString ThemeNames(const QList<int>& themes)
{
    QStringList names;
    for (int t : themes)
        names << Quote(ThemeName(t));
    return names.join(QStringLiteral(", "));
}

class RecipeReader {
public:
    explicit RecipeReader(Options& o)
        : o_(o)
    {
    }

    std::optional<WorksheetRecipe> Read()
    {
        if (!ReadWords() || !ReadPage() || !ReadGame() || !ReadTexts() || !ReadFonts())
            return std::nullopt;
        return r_;
    }

private:
    bool Fail(const QString& message)
    {
        if (o_.error.isEmpty())
            o_.error = message;
        return false;
    }
    bool Has(const char* name) const { return o_.Has(QString::fromLatin1(name)); }
    QString Value(const char* name) const { return o_.Value(QString::fromLatin1(name)); }
    // One of the choices, by its name; -1 with the error set otherwise.
    // unknown: "Type de jeu inconnu", "Moitié inférieure inconnue"...
    int Choice(const char* option, const char* unknown, const QStringList& choices)
    {
        const int i = int(choices.indexOf(Value(option).toLower()));
        if (i < 0)
            Fail(QStringLiteral("%1 : %2. Choix possibles : %3.")
                     .arg(QString::fromUtf8(unknown), Quote(Value(option)), choices.join(QStringLiteral(", "))));
        return i;
    }
    // A text as a document keeps it: a character the file cannot hold is refused.
    std::optional<QString> Text(const QString& name, const QString& value)
    {
        const QString text = AdaptToWindows1252(value);
        if (const QStringList unfit = UnfitCharacters(text); !unfit.isEmpty()) {
            Fail(QStringLiteral("L'option %1 contient %2 %3, qu'un document Lexigrille ne peut pas enregistrer.")
                     .arg(name, unfit.size() == 1 ? QStringLiteral("le caractère") : QStringLiteral("les caractères"),
                          NameCharacters(unfit)));
            return std::nullopt;
        }
        return text;
    }

    bool ReadWords()
    {
        if (Has("--type")) {
            const int type = Choice("--type", "Type de jeu inconnu", { QStringLiteral("lexigrille"), QStringLiteral("mots-cases"),
                                                              QStringLiteral("mots-codes") });
            if (type < 0)
                return false;
            r_.type = GameType(type);
        }
        for (const QString& name : o_.All(QStringLiteral("--level"))) {
            const int level = LevelIndexOf(name);
            if (level < 0)
                return Fail(QStringLiteral("Classe inconnue : %1. Classes possibles : CP, CE1, CE2, CM1, CM2.").arg(Quote(name)));
            r_.levels << level;
        }
        for (const QString& name : o_.All(QStringLiteral("--theme"))) {
            if (!Text(QStringLiteral("--theme"), name))
                return false;
            const QList<int> meant = ThemesMeant(name);
            if (meant.isEmpty()) {
                QList<int> all;
                for (int t = 0; t < kThemeCount; ++t)
                    all << t;
                QString problem = QStringLiteral("Thème inconnu : %1. Thèmes possibles : %2.").arg(Quote(name), ThemeNames(all));
                if (const QString list = ListNamed(name); !list.isEmpty())
                    problem += QStringLiteral(" La liste de mots %1 se choisit avec --words \"%2\".")
                                   .arg(Quote(QFileInfo(list).completeBaseName()), QDir::toNativeSeparators(list));
                return Fail(problem);
            }
            if (meant.size() > 1)
                return Fail(QStringLiteral("Thème ambigu : %1 peut désigner %2. Précisez.").arg(Quote(name), ThemeNames(meant)));
            r_.themes << meant.first();
        }
        r_.wordListPath = Value("--words");
        if (!r_.wordListPath.isEmpty() && (!r_.levels.isEmpty() || !r_.themes.isEmpty()))
            return Fail(QStringLiteral("Choisissez les mots d'une liste (--words) ou de la base (--level, --theme), pas des deux."));
        if (r_.wordListPath.isEmpty() && r_.levels.isEmpty())
            return Fail(QStringLiteral("Choisissez les mots : --words LISTE.txt, ou au moins une classe avec --level (et des thèmes avec --theme)."));
        if (!r_.wordListPath.isEmpty() && QFileInfo(r_.wordListPath).isDir())
            return Fail(QStringLiteral("%1 est un dossier : donnez le fichier de la liste, dans ce dossier ou ailleurs.").arg(Quote(r_.wordListPath)));
        if (!r_.wordListPath.isEmpty() && !QFileInfo(r_.wordListPath).isFile())
            return Fail(QStringLiteral("La liste %1 est introuvable.").arg(Quote(r_.wordListPath)));
        if (Has("--count")) {
            const auto count = NumberOption(o_, QStringLiteral("--count"), 1, 5000);
            if (!count)
                return false;
            r_.count = int(*count);
        }
        std::optional<std::uint64_t> seed;
        if (!SeedOption(o_, seed))
            return false;
        // Without a seed, one from the clock; make tells it so that the run can be repeated.
        r_.seed = seed ? *seed : std::uint64_t(QDateTime::currentMSecsSinceEpoch());
        return true;
    }

    bool ReadPage()
    {
        if (Has("--size")) {
            const auto size = NumberOption(o_, QStringLiteral("--size"), DocumentSettings::kMinGridSize, DocumentSettings::kMaxGridSize);
            if (!size)
                return false;
            r_.gridSize = int(*size);
        }
        if (Has("--lower")) {
            const int half = Choice("--lower", "Moitié inférieure inconnue", { QStringLiteral("vide"), QStringLiteral("solution"), QStringLiteral("copie") });
            if (half < 0)
                return false;
            r_.lowerHalf = half;
        }
        if (Has("--pictures")) {
            const int pictures = Choice("--pictures", "Choix d'images inconnu", { QStringLiteral("beside"), QStringLiteral("instead") });
            if (pictures < 0)
                return false;
            r_.pictures = pictures + 1;
        }
        r_.nameLine = !Has("--no-name-line");
        r_.fitToPage = !Has("--no-fit");
        r_.lowercase = Has("--lowercase");
        r_.visibleCells = Has("--visible-cells");
        r_.columnRules = !Has("--no-column-rules");
        return true;
    }

    bool ReadGame()
    {
        if (Has("--directions")) {
            static const QStringList names { QStringLiteral("droite"), QStringLiteral("gauche"), QStringLiteral("bas"),
                                             QStringLiteral("haut"), QStringLiteral("diagonale"), QStringLiteral("diagonale-inverse") };
            static const QString possible = QStringList { QStringLiteral("droite"), QStringLiteral("bas"), QStringLiteral("diagonale"),
                                                          QStringLiteral("gauche"), QStringLiteral("haut"), QStringLiteral("diagonale-inverse") }
                                                .join(QStringLiteral(", "));
            std::array<bool, 6> boxes { true, false, false, false, false, false }; // left to right is always allowed
            QStringList asked; // the names given, blanks between commas left out
            for (const QString& part : Value("--directions").toLower().split(QLatin1Char(','))) {
                if (const QString name = part.trimmed(); !name.isEmpty())
                    asked << name;
            }
            if (asked.isEmpty())
                return Fail(QStringLiteral("L'option --directions attend au moins un sens : %1, ou tous.").arg(possible));
            for (const QString& name : std::as_const(asked)) {
                if (name == QStringLiteral("tous") || name == QStringLiteral("toutes")) { // « les sens », or « les directions »
                    boxes.fill(true);
                    continue;
                }
                const int box = int(names.indexOf(name));
                if (box < 0)
                    return Fail(QStringLiteral("Sens inconnu : %1. Sens possibles : %2, ou tous.").arg(Quote(name), possible));
                boxes[box] = true;
            }
            r_.directions = boxes;
        }
        if (Has("--message")) {
            r_.message = Text(QStringLiteral("--message"), Value("--message"));
            if (!r_.message)
                return false;
            if (LettersOnly(*r_.message).isEmpty())
                return Fail(QStringLiteral("Le message secret de --message ne contient aucune lettre."));
        }
        r_.shuffleMessage = Has("--shuffle-message");
        if (r_.shuffleMessage && !r_.message)
            return Fail(QStringLiteral("L'option --shuffle-message mélange le message de --message : donnez-le aussi."));
        if (Has("--codes")) {
            const QString codes = Value("--codes").toLower();
            static const QRegularExpression range(QStringLiteral("^range:(\\d+)-(\\d+)$"));
            const QRegularExpressionMatch m = range.match(codes);
            if (codes == QStringLiteral("numbers")) {
                r_.valueMode = 0;
            } else if (codes == QStringLiteral("symbols")) {
                r_.valueMode = 2;
            } else if (m.hasMatch()) {
                // In order, as the window puts its two boxes ("range:99-10" is 10 to 99).
                QString low = m.captured(1), high = m.captured(2);
                if (low.toULongLong() > high.toULongLong())
                    std::swap(low, high);
                const QString problem = CodeBoundsProblem(low, high, [](int from, int to) {
                    return QStringLiteral("range:%1-%2").arg(from).arg(to);
                });
                if (!problem.isEmpty())
                    return Fail(problem);
                r_.valueMode = 1;
                r_.lowerBound = low;
                r_.upperBound = high;
            } else {
                return Fail(QStringLiteral("Codes inconnus : %1. Choix possibles : numbers, range:A-B (range:10-99 par exemple), symbols.")
                                .arg(Quote(Value("--codes"))));
            }
        }
        if (Has("--reveal")) {
            const QString letter = ToGridForm(Value("--reveal").trimmed()); // « é » is the grid's E
            if (letter.size() != 1 || letter[0] < u'A' || letter[0] > u'Z')
                return Fail(QStringLiteral("L'option --reveal attend une lettre de A à Z : %1.").arg(Quote(Value("--reveal"))));
            r_.revealChoice = letter;
        }
        if (Has("--revealed")) {
            const auto n = NumberOption(o_, QStringLiteral("--revealed"), 0, 26);
            if (!n)
                return false;
            r_.revealedLetters = int(*n);
        }
        return true;
    }

    bool ReadTexts()
    {
        for (const auto& [name, field] : { std::pair { QStringLiteral("--title"), &r_.title },
                                           std::pair { QStringLiteral("--instruction"), &r_.instruction } }) {
            if (!o_.Has(name))
                continue;
            *field = Text(name, o_.Value(name));
            if (!*field)
                return false;
        }
        return true;
    }

    // "NAME,SIZE": a font of the installed list and a size of 7 to 20 points.
    bool ReadFont(const char* option, std::optional<std::pair<QString, int>>& field)
    {
        if (!Has(option))
            return true;
        const QString value = Value(option);
        const qsizetype comma = value.lastIndexOf(QLatin1Char(','));
        const QString name = value.left(comma).trimmed();
        bool ok = comma > 0;
        const int size = ok ? value.mid(comma + 1).trimmed().toInt(&ok) : 0;
        if (!ok || size < DocumentSettings::kMinFontSize || size > DocumentSettings::kMaxFontSize)
            return Fail(QStringLiteral("L'option %1 attend « POLICE,TAILLE », la taille de %2 à %3 : %4.")
                            .arg(QString::fromLatin1(option)).arg(DocumentSettings::kMinFontSize).arg(DocumentSettings::kMaxFontSize)
                            .arg(Quote(value)));
        const QStringList& fonts = FontCatalog::Installed().Names();
        const int at = SelectFontByName(fonts, name, QString());
        if (at < 0) {
            QStringList rows = FontListRows(fonts);
            rows = rows.mid(0, rows.indexOf(QString::fromLatin1(kFontListSeparator)));
            return Fail(QStringLiteral("Police inconnue : %1. Polices possibles : %2…").arg(Quote(name), rows.join(QStringLiteral(", "))));
        }
        field = std::pair { fonts[at], size };
        return true;
    }

    bool ReadFonts() { return ReadFont("--grid-font", r_.gridFont) && ReadFont("--list-font", r_.listFont); }

    Options& o_;
    WorksheetRecipe r_;
};

} // namespace

std::optional<WorksheetRecipe> ReadRecipe(Options& o)
{
    return RecipeReader(o).Read();
}

QStringList WorksheetOptionNames()
{
    QStringList names;
    for (const char* name : { "--output", "--type", "--words", "--level", "--theme", "--count", "--title", "--instruction",
                              "--lower", "--size", "--seed", "--no-name-line", "--no-fit", "--directions", "--message",
                              "--shuffle-message", "--lowercase", "--visible-cells", "--no-column-rules", "--codes",
                              "--reveal", "--revealed", "--grid-font", "--list-font", "--pictures" })
        names << QString::fromLatin1(name);
    return names;
}

} // namespace lx::cli

#include "cli/Cli.h"

#include "core/Plural.h"
#include "core/ProgramInfo.h"
#include "document/Document.h"
#include "document/GridAdvice.h"
#include "document/DocumentActions.h"
#include "render/FontCatalog.h"
#include "render/DocumentRenderer.h"
#include "render/PageExport.h"
#include "render/SheetPlan.h"
#include "document/Versions.h"
#include "puzzle/UnfitWords.h"

#include <QDateTime>

#include "document/DocumentValues.h"

#include <QFileInfo>

#include <limits>
#include <memory>

namespace lx::cli {

namespace {

class CliPrompter : public Prompter {
public:
    Answer Ask(MessageKind kind, const QString& text) override
    {
        switch (kind) {
        case MessageKind::Error:
        case MessageKind::SaveError:
        case MessageKind::MissingFiles:
            err() << text << "\n";
            return Answer::Ok;
        case MessageKind::Information:
        case MessageKind::Warning:
            return Answer::Ok;
        default:
            return Answer::Yes;
        }
    }
    QString OpenFileName(const FileDialogRequest&) override { return {}; }
    QString SaveFileName(const FileDialogRequest&) override { return {}; }
};

CliPrompter& Prompt()
{
    static CliPrompter prompter;
    return prompter;
}

// The tool writes nothing in the teacher's folder.
DocumentActions ActionsOn(Document& doc)
{
    return DocumentActions(doc, Prompt(), { QString(), ProgramFolder() });
}

bool optionAdvice = false;

} // namespace

void AdviseOptions()
{
    optionAdvice = true;
}

QString InToolTerms(const QString& text)
{
    if (!optionAdvice)
        return text;
    static const std::pair<const char*, const char*> terms[] = {
        { "Cochez d'autres thèmes ou classes, ou importez une liste plus longue",
          "Choisissez d'autres thèmes (--theme) ou classes (--level), ou une liste plus longue (--words)" },
        { "Cochez au moins cinq mots", "Choisissez au moins cinq mots" }, { "mots cochés", "mots choisis" },
        { "mot coché", "mot choisi" }, { "Cochez un thème", "Choisissez un thème (--theme)" },
        { "cochez un thème", "choisissez un thème (--theme)" }, { "cochez d'autres sens", "choisissez d'autres sens (--directions)" },
        { "Créez la grille à nouveau", "Créez la grille avec une autre graine (--seed)" },
    };
    QString said = text;
    for (const auto& [window, tool] : terms)
        said.replace(QString::fromUtf8(window), QString::fromUtf8(tool));
    return said;
}

void Warn(const QString& text, const QString& where)
{
    QString sentence = InToolTerms(text); // « La liste… » becomes « la liste… »; a name (« Lexigrille », « CP ») keeps its capital
    const bool word = sentence.size() > 1 && (sentence[1].isLower() || sentence[1] == u'\''); // « La… », « L'entrée… », not « CP »
    if (word && sentence[0].isUpper() && !sentence.startsWith(QStringLiteral("Lexigrille")))
        sentence[0] = sentence[0].toLower();
    out().flush();
    err() << "Attention" << where << " : " << sentence << "\n";
}

bool Report(const CommandResult& result)
{
    if (result.kind == MessageKind::Warning && !result.message.isEmpty()) {
        Warn(result.message);
    } else if (!result.message.isEmpty()) {
        out().flush();
        err() << InToolTerms(result.message) << "\n";
    }
    return result.done();
}

QTextStream& out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

QStringList Options::All(const QString& name) const
{
    QStringList all = values.values(name);
    std::reverse(all.begin(), all.end()); // QMultiMap keeps the latest first
    return all;
}

bool IsFlag(const QString& option)
{
    static const QStringList flags { QStringLiteral("--no-name-line"), QStringLiteral("--no-fit"),
                                     QStringLiteral("--shuffle-message"), QStringLiteral("--lowercase"),
                                     QStringLiteral("--visible-cells"), QStringLiteral("--no-column-rules") };
    return flags.contains(option);
}

Options ParseOptions(const QStringList& args, const QStringList& known)
{
    Options o;
    for (int i = 0; i < args.size(); ++i) {
        QString arg = args[i];
        if (arg == QStringLiteral("-o"))
            arg = QStringLiteral("--output");
        if (!arg.startsWith(QStringLiteral("--"))) {
            if (o.command.isEmpty())
                o.command = arg;
            else
                o.positional << arg;
            continue;
        }
        if (!known.contains(arg)) {
            o.error = QStringLiteral("L'option ") + arg + QStringLiteral(" est inconnue.");
            return o;
        }
        // A flag stands alone.
        if (IsFlag(arg)) {
            o.values.insert(arg, QString());
            continue;
        }
        if (++i >= args.size()) {
            o.error = QStringLiteral("Il manque la valeur de l'option ") + arg + QStringLiteral(".");
            return o;
        }
        o.values.insert(arg, args[i]);
    }
    return o;
}

std::optional<std::int64_t> NumberOption(Options& o, const QString& name, std::int64_t low, std::int64_t high)
{
    bool ok = false;
    const qlonglong n = o.Value(name).toLongLong(&ok);
    if (!ok || n < low || n > high) {
        if (o.error.isEmpty()) {
            o.error = QStringLiteral("L'option %1 attend un nombre entier de %2 à %3 : « %4 ».")
                          .arg(name).arg(low).arg(high).arg(o.Value(name));
        }
        return std::nullopt;
    }
    return n;
}

bool DpiOption(Options& o, int& dpi)
{
    dpi = kDefaultDpi;
    if (!o.Has(QStringLiteral("--dpi")))
        return true;
    const auto n = NumberOption(o, QStringLiteral("--dpi"), kMinDpi, kMaxDpi);
    dpi = n ? int(*n) : kDefaultDpi;
    return n.has_value();
}

bool SeedOption(Options& o, std::optional<std::uint64_t>& seed)
{
    seed.reset();
    if (!o.Has(QStringLiteral("--seed")))
        return true;
    const auto n = NumberOption(o, QStringLiteral("--seed"), 0, std::numeric_limits<std::int64_t>::max());
    if (n)
        seed = std::uint64_t(*n);
    return n.has_value();
}

std::unique_ptr<Document> MakeDocument()
{
    auto doc = std::make_unique<Document>(FontCatalog::Installed().Names());
    // The filter of unfit words: the program folder's, and the words a teacher
    // added in their own folder, as in the window.
    const QString user = UserFolderPath();
    DocumentActions(*doc, Prompt(), { QFileInfo(user).isDir() ? user : QString(), ProgramFolder() }).LoadWordFilter();
    return doc;
}

bool Open(Document& doc, const QString& input)
{
    return Report(ActionsOn(doc).Load(QFileInfo(input).absoluteFilePath()));
}

int Save(Document& doc, const QString& output)
{
    const QString path = EnsureDocumentExtension(QFileInfo(output).absoluteFilePath());
    const CommandResult r = ActionsOn(doc).SaveTo(path);
    if (!r.done()) {
        Report(r.message.isEmpty() ? CommandResult::Error(QStringLiteral("Impossible d'enregistrer ") + output) : r);
        return kInputError;
    }
    out() << "Document enregistré : " << path << "\n";
    return kOk;
}

namespace {

// The questions of a generation are answered Yes, and said on stderr: a
// hidden message too short is generated all the same, a grid that ran out of
// time grows while a larger one may hold the words.
class GenerationAnswers : public Prompter {
public:
    Answer Ask(MessageKind, const QString& text) override
    {
        Warn(text + QStringLiteral(" Oui."));
        return Answer::Yes;
    }
    QString OpenFileName(const FileDialogRequest&) override { return {}; }
    QString SaveFileName(const FileDialogRequest&) override { return {}; }
};

} // namespace

int Generate(Document& doc, std::optional<std::uint64_t> seed)
{
    doc.SetFixedSeed(seed);
    if (const QString hidden = ContainedWordsWarning(doc); !hidden.isEmpty())
        Warn(hidden);
    GenerationAnswers answers;
    doc.SetGenerationHooks({ nullptr, [&answers](const QString& question) {
                                return answers.Ask(MessageKind::Proposal, QString(question).replace(QLatin1Char('\n'), QLatin1Char(' ')))
                                    == Answer::Yes;
                            } });
    const GenerationResult r = GenerateAsking(doc, answers);
    Report(GenerationReport(r));
    switch (r.outcome) {
    case GenerationOutcome::Generated:
        return kOk;
    case GenerationOutcome::TimedOut:
        if (!r.message.isEmpty())
            return kTimedOut;
        err() << "Le temps de calcul est dépassé : la grille n'a pas pu être créée avec ces mots. "
                 "Essayez une grille plus grande, d'autres sens ou moins de mots.\n";
        return kTimedOut;
    default:
        return kRefused;
    }
}

bool IsPageFile(const QString& output)
{
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix == QStringLiteral("pdf") || suffix == QStringLiteral("png"))
        return true;
    err() << "Le fichier de sortie doit se terminer par .pdf ou .png : " << output << "\n";
    return false;
}

int Render(Document& doc, const QString& outputIn, int dpi, bool justGenerated)
{
    // A message too short is told by the generation's question, once.
    const bool emptyCellsTold = justGenerated && CellsLeftEmpty(doc) > 0;
    const QString output = QFileInfo(outputIn).absoluteFilePath();
    QString error;
    PageLayout layout;
    const bool pdf = QFileInfo(output).suffix().toLower() == QStringLiteral("pdf");
    PrintPlan plan;
    bool written = false;
    if (pdf) {
        written = WritePagePdf(doc.data(), output, &error, &layout, &plan);
    } else {
        written = WritePagePng(doc.data(), output, dpi, &error, &layout);
        plan = PlanForPaper({ doc.data() });
    }
    if (!written) {
        err() << error << "\n";
        return kInputError;
    }
    out() << (plan.sheets.size() > 1 && pdf ? "Pages enregistrées : " : "Page enregistrée : ") << output << "\n";
    // The page is written all the same; the teacher learns what passes its place,
    // and what the window asks about before it prints: a grid cut or unfinished,
    // a hidden message whose letters do not fill the free cells.
    if (layout.Overflow)
        Warn(layout.OverflowText);
    if (const QString grid = doc.GridWarningText(); !grid.isEmpty())
        Warn(grid);
    if (const QStringList unfit = doc.UnfitWordsShown(); !unfit.isEmpty() && !justGenerated)
        Warn(UnfitWordsWarning(unfit));
    if (const QString message = MessageBalanceWarning(doc.data()); !message.isEmpty() && !(emptyCellsTold && doc.puzzle().LetterBalance > 0))
        Warn(message);
    if (const QString notice = PlanNotice(plan); !notice.isEmpty()) {
        out().flush();
        err() << notice << (plan.keyOnSecondPage && !pdf ? " L'image ne montre que la première page." : "") << "\n";
    }
    // The words the list writes for want of a picture, as the window names them.
    if (const QString missing = doc.MissingPicturesText(); !missing.isEmpty()) {
        out().flush();
        err() << missing << "\n";
    }
    return kOk;
}

int RenderVersions(Document& doc, const QString& outputIn, int count, std::optional<std::uint64_t> seed)
{
    const QString output = QFileInfo(outputIn).absoluteFilePath();
    if (QFileInfo(output).suffix().toLower() != QStringLiteral("pdf")) {
        err() << "Les versions s'écrivent dans un PDF : " << outputIn << "\n";
        return kInputError;
    }
    const std::uint64_t first = seed.value_or(std::uint64_t(QDateTime::currentMSecsSinceEpoch()));
    const Versions versions = MakeVersions(doc, count, first);
    if (!versions.error.isEmpty()) {
        err() << versions.error << "\n";
        return versions.outcome == GenerationOutcome::TimedOut ? kTimedOut : kRefused;
    }
    QString error;
    QList<PageLayout> layouts;
    PrintPlan plan;
    if (!WritePagesPdf(versions.pages, output, &error, &layouts, &plan)) {
        err() << error << "\n";
        return kInputError;
    }
    out() << "Graine : " << first << "\n" << PluralLabel(count, QStringLiteral("version¤ enregistrée¤"), true) << " sur "
          << PluralLabel(int(plan.sheets.size()), QStringLiteral("feuille"), true) << " : " << output << "\n";
    for (int k = 0; k < layouts.size(); ++k) {
        if (layouts[k].Overflow)
            Warn(layouts[k].OverflowText, QStringLiteral(" (feuille %1)").arg(k + 1));
    }
    // Each version answered alone what the window asks of one grid: a hidden
    // message that leaves cells empty, or does not fit.
    for (int k = 0; k < versions.pages.size(); ++k) {
        if (const QString message = MessageBalanceWarning(versions.pages[k]); !message.isEmpty())
            Warn(message, QStringLiteral(" (version %1)").arg(k + 1));
    }
    return kOk;
}

} // namespace lx::cli

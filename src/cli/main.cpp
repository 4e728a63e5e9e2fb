// lexigrille-cli: the worksheet engine from the command line, for batch work
// and for checks without a display.
#include "core/ProgramInfo.h"
#include "document/Document.h"
#include "document/DocumentValues.h"
#include "document/FontCatalog.h"
#include "render/DocumentRenderer.h"
#include "render/PageExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <optional>

#include <unistd.h>

namespace {

enum ExitCode {
    kOk = 0,
    kInputError = 1, // usage error, missing or unreadable input, failed write
    kRefused = 2,    // the generate command refused the document
    kTimedOut = 3,   // the time limit ended the generation
};

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

void printHelp(QTextStream& s)
{
    s << "Utilisation :\n"
         "  lexigrille-cli generate ENTREE.lxg -o SORTIE.lxg [--seed N]\n"
         "      ouvre le document, crée la grille et l'enregistre sous SORTIE\n"
         "  lexigrille-cli save ENTREE.lxg -o SORTIE.lxg\n"
         "      ouvre le document et l'enregistre à nouveau sous SORTIE\n"
         "  lexigrille-cli render ENTREE.lxg -o SORTIE.pdf|SORTIE.png [--dpi N]\n"
         "      dessine la fiche telle qu'elle s'imprime (A4 portrait) en PDF ou en image PNG\n"
         "      de N points par pouce (150 par défaut, de 36 à 600)\n"
         "  lexigrille-cli --help | --version\n"
         "\n"
         "Codes de retour : 0 réussite ; 1 fichier absent ou illisible, ou commande incorrecte ;\n"
         "2 création refusée (le message l'explique) ; 3 temps de calcul dépassé.\n";
    s.flush();
}

struct Arguments {
    QString command;
    QString input;
    QString output;
    std::optional<std::uint64_t> seed;
    std::optional<int> dpi;
};

constexpr int kDefaultDpi = 150;
constexpr int kMinDpi = 36;
constexpr int kMaxDpi = 600;

std::optional<Arguments> parse(const QStringList& args)
{
    Arguments a;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QStringLiteral("-o") || arg == QStringLiteral("--output")) {
            if (++i >= args.size())
                return std::nullopt;
            a.output = args[i];
        } else if (arg == QStringLiteral("--seed")) {
            if (++i >= args.size())
                return std::nullopt;
            bool ok = false;
            a.seed = args[i].toULongLong(&ok);
            if (!ok)
                return std::nullopt;
        } else if (arg == QStringLiteral("--dpi")) {
            if (++i >= args.size())
                return std::nullopt;
            bool ok = false;
            a.dpi = args[i].toInt(&ok);
            if (!ok || *a.dpi < kMinDpi || *a.dpi > kMaxDpi)
                return std::nullopt;
        } else if (a.command.isEmpty()) {
            a.command = arg;
        } else if (a.input.isEmpty()) {
            a.input = arg;
        } else {
            return std::nullopt;
        }
    }
    if (a.command.isEmpty() || a.input.isEmpty() || a.output.isEmpty())
        return std::nullopt;
    if (a.dpi && a.command != QStringLiteral("render"))
        return std::nullopt;
    return a;
}

// Answers as a teacher who wants the file: Yes to every question (the grid
// is enlarged for a long word, the template is written). Errors go to stderr.
class CliPrompter : public lx::Prompter {
public:
    lx::Answer Ask(lx::MessageKind kind, const QString& text) override
    {
        switch (kind) {
        case lx::MessageKind::Error:
        case lx::MessageKind::SaveError:
        case lx::MessageKind::MissingFiles:
            err() << text << "\n";
            return lx::Answer::Ok;
        case lx::MessageKind::Information:
            return lx::Answer::Ok;
        default:
            return lx::Answer::Yes;
        }
    }
    QString OpenFileName(const lx::FileDialogRequest&) override { return {}; }
    QString SaveFileName(const lx::FileDialogRequest&) override { return {}; }
};

CliPrompter& prompter()
{
    static CliPrompter p;
    return p;
}

// Opens the input as the window would; a missing or unreadable file is an error here.
bool open(lx::Document& doc, const QString& input)
{
    doc.SetPrompter(&prompter());
    const lx::LoadResult r = doc.LoadDocument(QFileInfo(input).absoluteFilePath());
    if (!r.loaded)
        err() << r.errorMessage << "\n";
    return r.loaded;
}

int save(lx::Document& doc, const QString& output)
{
    const lx::SaveResult r = doc.SaveDocument(QFileInfo(output).absoluteFilePath());
    if (!r.saved) {
        err() << (r.errorMessage.isEmpty() ? QStringLiteral("Impossible d'enregistrer ") + output : r.errorMessage) << "\n";
        return kInputError;
    }
    out() << "Document enregistré : " << r.path << "\n";
    return kOk;
}

int generate(const Arguments& a)
{
    lx::Document doc(lx::FontCatalog::Installed().Names());
    if (!open(doc, a.input))
        return kInputError;
    doc.engine.SetFixedSeed(a.seed);
    // Refusals are reported by the prompter.
    const lx::GenerationResult r = doc.Generate();
    switch (r.outcome) {
    case lx::GenerationOutcome::Generated:
        break;
    case lx::GenerationOutcome::TooFewWords:
        err() << "Cochez au moins cinq mots pour créer la grille.\n";
        return kRefused;
    case lx::GenerationOutcome::TimedOut:
        err() << "Le temps de calcul est dépassé : la grille n'a pas pu être créée avec ces mots. "
                 "Essayez une grille plus grande, d'autres sens ou moins de mots.\n";
        return kTimedOut;
    default:
        return kRefused;
    }
    const int code = save(doc, a.output);
    if (code == kOk)
        out() << "Graine : " << doc.engine.LastSeed() << "\n";
    return code;
}

int resave(const Arguments& a)
{
    lx::Document doc(lx::FontCatalog::Installed().Names());
    if (!open(doc, a.input))
        return kInputError;
    return save(doc, a.output);
}

// The page as it prints, as a PDF or a PNG image, chosen by the output's extension.
int render(const Arguments& a)
{
    const QString suffix = QFileInfo(a.output).suffix().toLower();
    if (suffix != QStringLiteral("pdf") && suffix != QStringLiteral("png")) {
        err() << "Le fichier de sortie doit se terminer par .pdf ou .png : " << a.output << "\n";
        return kInputError;
    }
    lx::Document doc(lx::FontCatalog::Installed().Names());
    if (!open(doc, a.input))
        return kInputError;
    const QString output = QFileInfo(a.output).absoluteFilePath();
    QString error;
    lx::PageLayout layout;
    const bool written = suffix == QStringLiteral("pdf")
        ? lx::WritePagePdf(doc.data, output, &error, &layout)
        : lx::WritePagePng(doc.data, output, a.dpi.value_or(kDefaultDpi), &error, &layout);
    if (!written) {
        err() << error << "\n";
        return kInputError;
    }
    out() << "Page enregistrée : " << output << "\n";
    // The page is written all the same; the teacher learns what passes its place.
    if (layout.Overflow) {
        out().flush();
        err() << "Attention : " << layout.OverflowText << "\n";
    }
    return kOk;
}

} // namespace

int main(int argc, char** argv)
{
    // Fonts are matched against the installed list even without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Batch runs (cron, CI) often have no runtime folder; give Qt a private one
    // rather than a warning on every run.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(getuid());
        if (QDir().mkpath(QString::fromLocal8Bit(dir))) {
            QFile::setPermissions(QString::fromLocal8Bit(dir), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            qputenv("XDG_RUNTIME_DIR", dir);
        }
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(lx::ProductName());
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        printHelp(out());
        return kOk;
    }
    if (args.contains(QStringLiteral("--version"))) {
        out() << lx::ProductName() << ' ' << lx::ProgramVersion() << "\nDossier du programme : " << lx::ProgramFolder() << "\n";
        return kOk;
    }
    const auto parsed = parse(args);
    if (!parsed) {
        err() << "Commande incorrecte.\n\n";
        printHelp(err());
        return kInputError;
    }
    if (parsed->command == QStringLiteral("generate"))
        return generate(*parsed);
    if (parsed->command == QStringLiteral("save"))
        return resave(*parsed);
    if (parsed->command == QStringLiteral("render"))
        return render(*parsed);
    err() << "Commande inconnue : " << parsed->command << "\n\n";
    printHelp(err());
    return kInputError;
}

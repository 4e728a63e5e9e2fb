// lexigrille-cli: the worksheet engine from the command line, for batch work
// and for checks without a display.
#include "cli/Cli.h"
#include "core/ProgramInfo.h"
#include "document/Document.h"
#include "document/Versions.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <unistd.h>
#endif

using namespace lx::cli;

namespace {

void PrintHelp(QTextStream& s)
{
    s << "Utilisation :\n"
         "  lexigrille-cli new -o FICHE.lxg [CHOIX...]\n"
         "      crée un document à partir des choix ci-dessous, sans créer la grille\n"
         "  lexigrille-cli make -o FICHE.pdf|FICHE.png [CHOIX...] [--dpi N]\n"
         "      crée le document, la grille et la page en une fois\n"
         "  lexigrille-cli generate ENTRÉE.lxg -o SORTIE.lxg [--seed N]\n"
         "      ouvre le document, crée la grille et l'enregistre sous SORTIE\n"
         "  lexigrille-cli save ENTRÉE.lxg -o SORTIE.lxg\n"
         "      ouvre le document et l'enregistre à nouveau sous SORTIE\n"
         "  lexigrille-cli render ENTRÉE.lxg -o SORTIE.pdf|SORTIE.png [--dpi N]\n"
         "      dessine la fiche telle qu'elle s'imprime (A4 portrait) en PDF ou en image PNG\n"
         "      de N points par pouce (150 par défaut, de 36 à 600)\n"
         "  lexigrille-cli render ENTRÉE.lxg -o SORTIE.pdf --versions N [--seed S]\n"
         "      N versions différentes de la fiche (jusqu'à 40), une par page, numérotées ;\n"
         "      la page k est créée avec la graine S + k - 1 (puis S + k - 1 + 1000, + 2000…\n"
         "      quand le temps de calcul est dépassé, cinq essais en tout)\n"
         "  lexigrille-cli --help | --version\n"
         "\n"
         "Choix de new et make (sans eux, ceux du modèle de « Nouvelle fiche ») :\n"
         "  --type lexigrille|mots-cases|mots-codes   le type de jeu (lexigrille par défaut)\n"
         "  --words LISTE.txt        les mots d'une liste (un mot par ligne ; .txt, .rtf, .csv,\n"
         "                           .docx, .doc, .odt, .xlsx, .xls ou .ods)\n"
         "  --level CLASSE           les mots d'une classe (CP, CE1, CE2, CM1, CM2), à répéter\n"
         "  --theme THÈME            seulement les mots de ce thème, à répéter ; le début du nom\n"
         "                           ou d'un de ses mots suffit, sans accents ni majuscules\n"
         "                           (\"nature\", \"ecole\", \"metiers\")\n"
         "  --count N                N mots tirés au hasard parmi les mots choisis (avec\n"
         "                           --pictures, ceux qui ont une image d'abord)\n"
         "  --title TEXTE            le titre (par défaut les thèmes, la liste ou les classes)\n"
         "  --instruction TEXTE      la consigne\n"
         "  --lower vide|solution|copie   la moitié inférieure (solution par défaut)\n"
         "  --size N                 la taille de la grille de Lexigrille (5 à 18 ; par défaut celle\n"
         "                           que les mots demandent)\n"
         "  --directions SENS        les sens des mots, séparés par des virgules : droite, bas,\n"
         "                           diagonale, gauche, haut, diagonale-inverse, ou tous\n"
         "  --message TEXTE          un message secret dans les lettres restantes\n"
         "  --shuffle-message        les lettres du message mélangées\n"
         "  --codes numbers|range:A-B|symbols   les codes des mots codés : de 1 à 26, de A à B\n"
         "                           (26 valeurs au moins) ou des dessins\n"
         "  --reveal LETTRE          la lettre révélée des mots casés\n"
         "  --revealed N             le nombre de lettres données des mots codés (0 à 26)\n"
         "  --grid-font \"POLICE,TAILLE\"   la police et la taille des lettres de la grille\n"
         "  --list-font \"POLICE,TAILLE\"   la police et la taille de la liste de mots\n"
         "  --pictures beside|instead   des images à côté des mots, ou à leur place\n"
         "  --lowercase              les lettres en minuscules\n"
         "  --visible-cells          les cases de la grille de Lexigrille tracées\n"
         "  --no-column-rules        sans trait entre les colonnes de la liste\n"
         "  --no-name-line           sans la ligne « Prénom : … Date : … » du modèle\n"
         "  --no-fit                 sans « Adapter à la page » : les tailles de lettres choisies\n"
         "  --seed N                 la graine du hasard : la même graine redonne la même fiche\n"
         "\n"
         "Codes de retour : 0 réussite ; 1 fichier absent ou illisible, ou commande incorrecte ;\n"
         "2 création refusée (le message l'explique) ; 3 temps de calcul dépassé, même dans les\n"
         "grilles plus grandes essayées après un premier dépassement.\n";
    s.flush();
}

// generate, save and render: one document in, one file out.
int DocumentCommand(Options& o)
{
    if (o.positional.size() != 1 || o.Value(QStringLiteral("--output")).isEmpty()) {
        o.error = QStringLiteral("Indiquez un document et un fichier de sortie (-o).");
        return kInputError;
    }
    const QString output = o.Value(QStringLiteral("--output"));
    // A wrong value is said alone: the whole usage after it buried it.
    const auto refused = [&o] {
        err() << o.error << "\n";
        o.error.clear();
        return kInputError;
    };
    std::optional<std::uint64_t> seed;
    int dpi = kDefaultDpi;
    if (!SeedOption(o, seed) || !DpiOption(o, dpi))
        return refused();
    if (o.command == QStringLiteral("render") && !IsPageFile(output))
        return kInputError;
    std::unique_ptr<lx::Document> doc = MakeDocument();
    if (!Open(*doc, o.positional[0]))
        return kInputError;
    if (o.command == QStringLiteral("render") && o.Has(QStringLiteral("--versions"))) {
        const auto n = NumberOption(o, QStringLiteral("--versions"), 1, lx::kMaxVersions);
        if (!n)
            return refused();
        return RenderVersions(*doc, output, int(*n), seed);
    }
    if (o.command == QStringLiteral("render"))
        return Render(*doc, output, dpi);
    if (o.command == QStringLiteral("generate")) {
        const int code = Generate(*doc, seed);
        if (code != kOk)
            return code;
        const int saved = Save(*doc, output);
        if (saved == kOk)
            out() << "Graine : " << doc->LastSeed() << "\n";
        return saved;
    }
    return Save(*doc, output);
}

} // namespace

int main(int argc, char** argv)
{
#ifdef Q_OS_WIN
    // The console shows the French messages as they are written: UTF-8. The
    // Windows platform needs no display and sees the system's fonts.
    SetConsoleOutputCP(CP_UTF8);
#else
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
#endif
#ifdef Q_OS_WIN
    // Qt reads the command line as Windows gives it, in UTF-16, and takes
    // none of the tool's options for itself there.
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
#else
    // On X11 Qt takes « --title » for itself (a window's title): it sees only
    // the program's name, and the options are the tool's alone.
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
#endif
    QGuiApplication::setApplicationName(lx::ProductName());
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        PrintHelp(out());
        return kOk;
    }
    if (args.contains(QStringLiteral("--version"))) {
        out() << lx::ProductName() << ' ' << lx::ProgramVersion() << "\nDossier du programme : " << lx::ProgramFolder() << "\n";
        return kOk;
    }
    const QString command = args.value(0);
    QStringList known { QStringLiteral("--output") };
    if (command == QStringLiteral("generate"))
        known << QStringLiteral("--seed");
    else if (command == QStringLiteral("render"))
        known << QStringLiteral("--dpi") << QStringLiteral("--versions") << QStringLiteral("--seed");
    else if (command == QStringLiteral("new"))
        known = WorksheetOptionNames();
    else if (command == QStringLiteral("make"))
        known = WorksheetOptionNames() << QStringLiteral("--dpi");
    else if (command != QStringLiteral("save")) {
        err() << (command.isEmpty() ? QStringLiteral("Commande manquante.") : QStringLiteral("Commande inconnue : « %1 ».").arg(command))
              << "\n\n";
        PrintHelp(err());
        return kInputError;
    }
    Options o = ParseOptions(args, known);
    int code = kInputError;
    if (o.error.isEmpty()) {
        if (command == QStringLiteral("new") || command == QStringLiteral("make")) {
            if (o.Value(QStringLiteral("--output")).isEmpty() || !o.positional.isEmpty())
                o.error = QStringLiteral("Indiquez le fichier à créer (-o), sans autre argument.");
            else
                return command == QStringLiteral("new") ? NewCommand(o) : MakeCommand(o);
        } else {
            code = DocumentCommand(o);
        }
    }
    if (!o.error.isEmpty()) {
        // After the colon, the sentence goes on in lower case, as French writes it.
        QString error = o.error;
        error[0] = error[0].toLower();
        err() << "Commande incorrecte : " << error << "\n\n";
        PrintHelp(err());
    }
    return code;
}

#pragma once

#include "document/WorksheetRecipe.h"

#include <QMultiMap>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstdint>
#include <memory>
#include <optional>

namespace lx {
class Document;
struct CommandResult;
}

// The pieces that the commands of lexigrille-cli share.
namespace lx::cli {

enum ExitCode {
    kOk = 0,
    kInputError = 1, // usage error, missing or unreadable input, failed write
    kRefused = 2,    // the generation was refused (the message says why)
    kTimedOut = 3,   // the time limit ended the generation
};

QTextStream& out();
QTextStream& err();
// A warning on stderr, after "Attention : " (or "Attention (feuille 2) : "), its first word in lower case as French
// writes it after a colon.
void Warn(const QString& text, const QString& where = {});
// The advice of the core names the window's boxes (« cochez un thème »); after AdviseOptions(), which new and make
// call, what the tool says names their options instead (« choisissez un thème (--theme) »).
void AdviseOptions();
QString InToolTerms(const QString& text);
// What a command reports, on stderr ("Attention : " before a warning);
// returns whether the command was carried out.
bool Report(const CommandResult& result);

// The command line: the command, its positional arguments and its options
// ("-o" stands for "--output"); every option takes one value, but the flags.
struct Options {
    QString command;
    QStringList positional;
    QMultiMap<QString, QString> values;
    QString error; // French; empty when the line reads well

    bool Has(const QString& name) const { return values.contains(name); }
    QString Value(const QString& name) const { return values.value(name); }
    QStringList All(const QString& name) const; // in the order given
};
Options ParseOptions(const QStringList& args, const QStringList& known);
// Options that take no value ("--no-fit").
bool IsFlag(const QString& option);
// A whole number of the option within low..high; nullopt (and the error set) otherwise.
std::optional<std::int64_t> NumberOption(Options& o, const QString& name, std::int64_t low, std::int64_t high);
// --dpi (kMinDpi to kMaxDpi, kDefaultDpi when absent) and --seed (none when
// absent); false, with the error set, when the option is given wrong.
bool DpiOption(Options& o, int& dpi);
bool SeedOption(Options& o, std::optional<std::uint64_t>& seed);

// A new document that answers every question as a teacher wanting the file
// would (Yes), and tells errors on stderr.
std::unique_ptr<Document> MakeDocument();
// Opens the input as the window would; a missing or unreadable file is an error.
bool Open(Document& doc, const QString& input);
int Save(Document& doc, const QString& output);
// "Créer la grille" with the seed (from the clock without one).
int Generate(Document& doc, std::optional<std::uint64_t> seed);
// The page as it prints, as a PDF or a PNG image, chosen by the output's extension; what the window asks
// before printing is said, but what the generation just told (justGenerated): a message too short, unfit words.
int Render(Document& doc, const QString& output, int dpi, bool justGenerated = false);
// Versions of the document, one a page of a PDF; version k from the seed + k - 1
// (the seed from the clock when none is given, and told).
int RenderVersions(Document& doc, const QString& output, int count, std::optional<std::uint64_t> seed);
// The output must end with .pdf or .png.
bool IsPageFile(const QString& output);

inline constexpr int kDefaultDpi = 150;
inline constexpr int kMinDpi = 36;
inline constexpr int kMaxDpi = 600;

// "new" and "make": a worksheet from a few choices (WorksheetCommands.cpp).
// The recipe the choices describe; nullopt, with the error set, when they do not read.
std::optional<WorksheetRecipe> ReadRecipe(Options& o);
int NewCommand(Options& o);
int MakeCommand(Options& o);
QStringList WorksheetOptionNames();

} // namespace lx::cli

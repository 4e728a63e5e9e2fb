// The commands that replace or store the open document, and the lists menu.
// Questions and dialogs go through the prompter; results are returned.
#include "document/DocumentActions.h"

#include "core/ProgramInfo.h"
#include "core/TextEditing.h"
#include "document/Document.h"
#include "document/DocumentFile.h"
#include "document/DocumentValues.h"
#include "document/MissingParts.h"
#include "document/SafeFile.h"
#include "puzzle/UnfitWords.h"
#include "core/FileMenu.h"
#include "words/WordListParser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace lx {

namespace {

QString DocumentFilter()
{
    return QStringLiteral("Documents Lexigrille (*.lxg);;Tous les fichiers (*)");
}

QString NotADocument(const QString& path)
{
    return QStringLiteral("« ") + QFileInfo(path).fileName() + QStringLiteral(" » n'est pas un document Lexigrille.");
}

// Whether the file lies in the folder itself (links and ".." resolved).
bool InFolder(const QFileInfo& file, const QString& folder)
{
    return !folder.isEmpty() && file.canonicalPath() == QFileInfo(folder).canonicalFilePath();
}

} // namespace

DocumentFolders DocumentFolders::Default()
{
    return { UserFolder(), ProgramFolder(), WorkCopyFolder() };
}

QString StripQuotes(const QString& path)
{
    QString out = path;
    if (out.startsWith(QLatin1Char('"')))
        out.remove(0, 1);
    if (out.endsWith(QLatin1Char('"')))
        out.chop(1);
    return out;
}

QString DocumentToOpen(const QStringList& arguments)
{
    // Any file given is tried: a document saved without its extension opens,
    // and what is none is said to be none.
    const QString path = StripQuotes(arguments.value(0));
    return path.endsWith(QStringLiteral(".lxg"), Qt::CaseInsensitive) || QFileInfo(path).isFile() ? path : QString();
}

DocumentActions::DocumentActions(Document& doc, Prompter& prompter, DocumentFolders folders)
    : doc_(doc)
    , prompter_(prompter)
    , folders_(std::move(folders))
    , workCopy_(folders_.workCopy)
{
}

void DocumentActions::LoadWordFilter()
{
    QStringList words;
    for (const QString& folder : { folders_.program, folders_.user }) {
        if (!folder.isEmpty())
            words += LoadUnfitWords(QDir(folder).filePath(QString::fromUtf8(kUnfitWordsFile)));
    }
    doc_.SetUnfitWords(words);
}

QStringList DocumentActions::TemplatePaths() const
{
    QStringList paths;
    for (const QString& folder : { folders_.user, folders_.program }) {
        if (folder.isEmpty())
            continue;
        const QString path = QDir(folder).filePath(QString::fromUtf16(kTemplateFileName));
        if (QFileInfo(path).isFile())
            paths << path;
    }
    return paths;
}

QString DocumentActions::DialogFolder(Files files) const
{
    if (files == Files::WordLists && !listFolder_.isEmpty() && QFileInfo(listFolder_).isDir())
        return listFolder_;
    if (!lastFolder_.isEmpty() && QFileInfo(lastFolder_).isDir())
        return lastFolder_;
    // Without a folder of her own (it could not be made), her Documents: an
    // empty folder opened the dialog wherever the program was started.
    return !folders_.user.isEmpty() ? folders_.user : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void DocumentActions::Remember(const QString& chosenPath, Files files)
{
    if (!chosenPath.isEmpty())
        Last(files) = QFileInfo(chosenPath).absolutePath();
}

bool DocumentActions::AskToSave()
{
    if (!doc_.Modified())
        return true;
    switch (prompter_.Ask(MessageKind::SaveQuestion, QStringLiteral("Voulez-vous enregistrer les modifications ?"))) {
    case Answer::No:
        return true;
    case Answer::Yes:
        // A cancelled or failed save keeps the document open: the command
        // that asked stops, and nothing is lost.
        return SaveAs().done();
    default:
        return false;
    }
}

CommandResult DocumentActions::New()
{
    if (!AskToSave())
        return CommandResult::Cancel();
    // The teacher's template, else the program's. One that cannot serve is
    // named, and the next one does; what a template could not set is told.
    QString refused;
    const auto told = [&refused](const QString& start) {
        return CommandResult::Notice(refused + start + QStringLiteral(" Pour refaire le vôtre, réglez une fiche puis "
                                                                      "choisissez « Enregistrer comme modèle par défaut »."),
                                     MessageKind::Warning);
    };
    for (const QString& path : TemplatePaths()) {
        const CommandResult r = Load(path);
        if (r.done() && refused.isEmpty())
            return r;
        if (r.done())
            return told(QStringLiteral(" La fiche part du modèle du programme."));
        refused = (InFolder(QFileInfo(path), folders_.user) ? QStringLiteral("Votre modèle des nouvelles fiches") : QStringLiteral("Le modèle des nouvelles fiches du programme"))
            + QStringLiteral(" n'a pas pu servir : ") + r.message;
    }
    doc_.Reset();
    return refused.isEmpty() ? CommandResult::Ok() : told(QStringLiteral(" La fiche part des réglages de départ."));
}

CommandResult DocumentActions::Load(const QString& pathIn)
{
    // The file as named when there is one: « fiche.lxg.txt », chosen in the
    // dialog, was looked for as « fiche.lxg.txt.lxg » and said not to exist.
    const QString path = QFileInfo(pathIn).isFile() ? pathIn : EnsureDocumentExtension(pathIn);
    const QFileInfo info(path);
    if (!info.isFile())
        return CommandResult::Error(QStringLiteral("Le fichier ") + Quoted(path) + QStringLiteral(" est introuvable."));
    if (info.size() > kLargestDocument)
        return CommandResult::Error(NotADocument(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CommandResult::Error(QStringLiteral("Impossible de lire le fichier ") + Quoted(path) + QStringLiteral("."));
    DocumentReadResult read = ReadDocumentBytes(file.read(kLargestDocument), doc_.fontNames());
    if (!read.isDocument)
        return CommandResult::Error(NotADocument(path));
    // A file cut short is said first: what it lacks matters more than what was unreadable.
    const QString warning = QStringList { MissingPartsMessage(info.fileName(), read.missingParts),
                                          UnreadSettingsMessage(info.fileName(), read.unreadKeys),
                                          UnfitCharactersMessage(info.fileName(), read.unfitCharacters) }
                                .join(QLatin1Char('\n'))
                                .trimmed();
    doc_.Replace(std::move(read), path);
    return warning.isEmpty() ? CommandResult::Ok() : CommandResult::Notice(warning, MessageKind::Warning);
}

CommandResult DocumentActions::Open(const QString& path)
{
    if (!AskToSave())
        return CommandResult::Cancel();
    return Load(path);
}

CommandResult DocumentActions::OpenOther()
{
    if (!AskToSave())
        return CommandResult::Cancel();
    const QString path = prompter_.OpenFileName(
        { QStringLiteral("Ouvrir un document Lexigrille"), DocumentFilter(), DialogFolder(), QString(), QString() });
    if (path.isEmpty())
        return CommandResult::Cancel();
    Remember(path);
    return Load(path);
}

CommandResult DocumentActions::OpenFirst(const QStringList& arguments, const std::function<void()>& opened)
{
    // The copy is read first, and stays as it is on disk until the teacher
    // answers: a crash while the question waits loses nothing either.
    std::optional<WorkCopy::Found> found = workCopy_.Find(doc_.fontNames());
    offeringCopy_ = found.has_value();
    const QString path = DocumentToOpen(arguments);
    const CommandResult result = path.isEmpty() ? New() : Load(path);
    if (!path.isEmpty() && !result.done())
        New();
    if (opened)
        opened();
    if (!found)
        return result;
    // Asked over the document the launch opened. Work never saved is named by
    // the title the teacher gave it, which is how they know it.
    QString name = found->read.data.settings.title.trimmed();
    if (!found->documentPath.isEmpty())
        name = QFileInfo(found->documentPath).fileName();
    else if (name.isEmpty())
        name = QStringLiteral("Sans titre");
    // The copy is some seconds old: what came after it is not promised. Non
    // gives it up for good, which the teacher must know before answering.
    const QString question = QStringLiteral("Lexigrille s'est fermé sans que la fiche « %1 » soit enregistrée.\n"
                                            "Voulez-vous la retrouver ? Les modifications des %2 dernières secondes "
                                            "peuvent manquer. Si vous répondez Non, elle sera perdue.").arg(name).arg(kWorkCopySeconds);
    const Answer answer = prompter_.Ask(MessageKind::Recovery, question);
    offeringCopy_ = false;
    if (answer != Answer::Yes) {
        workCopy_.Discard();
        return result;
    }
    doc_.Replace(std::move(found->read), found->documentPath, true);
    doc_.SetModified(true, true);
    workCopy_.Keep(doc_.data(), doc_.DocumentPath()); // until it is saved
    return CommandResult::Ok();
}

void DocumentActions::KeepWorkCopy()
{
    if (offeringCopy_)
        return;
    if (doc_.Modified())
        workCopy_.Keep(doc_.data(), doc_.DocumentPath());
    else
        workCopy_.Discard();
}

CommandResult DocumentActions::SaveTo(const QString& pathIn)
{
    if (pathIn.isEmpty())
        return CommandResult::Cancel();
    const QString path = EnsureDocumentExtension(pathIn);
    const bool asTemplate = IsTemplateFileName(path);
    QByteArray bytes;
    if (asTemplate) {
        QString question;
        if (QFileInfo::exists(path))
            question = QStringLiteral("Attention : le modèle existant sera remplacé !\n");
        question += QStringLiteral("Voulez-vous vraiment définir ce document comme modèle par défaut ?");
        if (prompter_.Ask(MessageKind::Question, question) != Answer::Yes)
            return CommandResult::Cancel();
        // The template gets the settings without this worksheet's words and
        // puzzle; the open worksheet itself stays as it is.
        DocumentData cleared = doc_.data();
        ClearForTemplate(cleared, doc_.fontNames());
        bytes = DocumentFileBytes(cleared);
    } else {
        bytes = DocumentFileBytes(doc_.data());
    }
    const WriteResult written = WriteFileSafely(path, bytes);
    if (!written.ok)
        return CommandResult::Error(SaveErrorMessage(path, written, !asTemplate));
    if (!asTemplate)
        doc_.MarkSaved(path);
    return CommandResult::Ok();
}

CommandResult DocumentActions::SaveAs()
{
    QString failed; // the path a save could not write
    for (;;) {
        // A document saved before proposes its own file, which saving again
        // replaces once the dialog has asked; a new one, or one of the program
        // folder (read-only once installed), a name from its game and theme in
        // the teacher's folder. After a failure, the teacher's folder, with
        // the name chosen: the same folder would fail again.
        const QFileInfo current(doc_.DocumentPath());
        const bool own = failed.isEmpty() && current.isFile() && !InFolder(current, folders_.program);
        const bool retry = !failed.isEmpty() && !folders_.user.isEmpty();
        const QString folder = retry ? folders_.user : own ? current.absolutePath() : DialogFolder();
        const QString name = retry ? QFileInfo(failed).fileName() : own ? current.fileName() : doc_.ProposedFileName();
        const QString path = AskSavePath(prompter_, { QStringLiteral("Enregistrer le document sous..."), DocumentFilter(),
                                                      folder, name, QStringLiteral("lxg") });
        if (path.isEmpty())
            return CommandResult::Cancel();
        Remember(path);
        const CommandResult r = SaveTo(path);
        if (r.status != CommandResult::Status::Failed)
            return r;
        failed = path;
        // Retry comes back to the dialog; Cancel gives up.
        if (prompter_.Ask(MessageKind::SaveError, r.message) != Answer::Retry)
            return CommandResult::Cancel();
    }
}

CommandResult DocumentActions::SaveAsTemplate()
{
    if (folders_.user.isEmpty())
        folders_.user = UserFolder();
    if (folders_.user.isEmpty()) {
        return CommandResult::Error(QStringLiteral("Impossible de créer votre dossier ")
                                    + Quoted(QDir::toNativeSeparators(UserFolderPath()))
                                    + QStringLiteral(" : le modèle n'a pas été enregistré.\n"
                                                     "Vérifiez que votre dossier Documents existe et que vous pouvez y écrire."));
    }
    return SaveTo(QDir(folders_.user).filePath(QString::fromUtf16(kTemplateFileName)));
}

FileMenu DocumentActions::AvailableDocuments() const
{
    return BuildFileMenu({ folders_.user, folders_.program }, { QStringLiteral(".lxg") }, kDocumentMenuItems,
                         QStringLiteral("document¤ disponible¤"));
}

FileMenu DocumentActions::AvailableWordLists() const
{
    return BuildWordListMenu(QStringList { folders_.user, folders_.program });
}

CommandResult DocumentActions::ImportList(const QString& path)
{
    if (!AskToSave())
        return CommandResult::Cancel();
    return doc_.ImportWordListFile(path).Result();
}

CommandResult DocumentActions::ImportOtherList()
{
    if (!AskToSave())
        return CommandResult::Cancel();
    const QString filter = QStringLiteral("Listes de mots (*") + WordListExtensions().join(QStringLiteral(" *"))
        + QStringLiteral(");;Tous les fichiers (*)");
    const QString path = prompter_.OpenFileName(
        { QStringLiteral("Importer une liste de mots"), filter, DialogFolder(Files::WordLists), QString(), QString() });
    if (path.isEmpty())
        return CommandResult::Cancel();
    Remember(path, Files::WordLists);
    return doc_.ImportWordListFile(path).Result();
}

CommandResult DocumentActions::PasteList(const QString& clipboardText, const QString& html)
{
    return doc_.PasteWordList(clipboardText, html).Result();
}

} // namespace lx

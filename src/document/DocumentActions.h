#pragma once

#include "document/CommandResult.h"
#include "document/Prompter.h"
#include "document/WorkCopy.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace lx {

class Document;
struct FileMenu;

// Where documents live: the teacher's own folder (documents, the template)
// and the program folder (what the program ships). Both are looked at, the
// teacher's first.
struct DocumentFolders {
    QString user;
    QString program;
    QString workCopy {}; // the copy of unsaved work (WorkCopy.h); empty: none kept
    static DocumentFolders Default(); // UserFolder(), ProgramFolder() and WorkCopyFolder()
};

// The menu of available documents: at most kDocumentMenuItems, each name once.
inline constexpr int kDocumentMenuItems = 50;

// The commands that replace or store the open document, and those that fill
// its words from a list: each may ask the teacher (the question about unsaved
// changes, a file dialog, the template question) through the prompter, and
// returns what happened without showing it. The window and the command line
// each show results their own way.
class DocumentActions {
public:
    DocumentActions(Document& doc, Prompter& prompter, DocumentFolders folders);

    Document& document() const { return doc_; }
    Prompter& prompter() const { return prompter_; }
    const DocumentFolders& folders() const { return folders_; }
    void SetFolders(DocumentFolders folders)
    {
        folders_ = std::move(folders);
        workCopy_ = WorkCopy(folders_.workCopy);
    }
    // Where the file dialogs open. Documents (and PDF files): the folder of
    // the last one chosen in a dialog, else the teacher's folder. Word lists:
    // the folder of the last list imported, else the documents' one, so that
    // saving after an import does not put the sheet among the lists.
    enum class Files { Documents, WordLists };
    QString DialogFolder(Files files = Files::Documents) const;
    void SetLastFolder(const QString& folder, Files files = Files::Documents) { Last(files) = folder; }
    QString LastFolder(Files files = Files::Documents) const { return files == Files::Documents ? lastFolder_ : listFolder_; }
    // A file chosen in a dialog: its folder is the next dialog's of its kind.
    void Remember(const QString& chosenPath, Files files = Files::Documents);

    // The question about unsaved changes: true when the work may be replaced
    // (nothing to save, No, or a save that went through); false when the
    // teacher cancels, or a save they asked for is cancelled or fails.
    bool AskToSave();

    // "Nouvelle fiche": the teacher's template "modèle.lxg", else the
    // program's, else an empty document.
    CommandResult New();
    // Opens a document, after the question about unsaved changes.
    CommandResult Open(const QString& path);
    // The open dialog, after the question about unsaved changes.
    CommandResult OpenOther();
    // Opens a file without asking: a file that is no document, missing or
    // unreadable, leaves the open document as it was; a document some of
    // whose settings could not be read opens, with a warning naming them.
    CommandResult Load(const QString& path);
    // The document a launch opens: the work a launch that ended without saving
    // it left (when the teacher takes it back), else the path of the command
    // line when it names a document, else a new one; a named document that
    // cannot be read is reported and a new document opens instead.
    // `opened` runs once that document is open, on every path, before the
    // question about the work left (the window shows the page it is asked over).
    CommandResult OpenFirst(const QStringList& arguments, const std::function<void()>& opened = {});
    // While the teacher works: the copy of unsaved work follows the document,
    // and goes when nothing is left unsaved.
    void KeepWorkCopy();
    // The window closes with the teacher's consent: no copy is left.
    void DiscardWorkCopy() { workCopy_.Discard(); }

    // "Enregistrer comme document": the save dialog, again after a failed write
    // when the teacher asks to retry.
    CommandResult SaveAs();
    // "Enregistrer comme modèle par défaut", in the teacher's folder.
    CommandResult SaveAsTemplate();
    // Writes the document to path (".lxg" added when missing). Writing the
    // template "modèle.lxg" asks the template question first and writes the
    // settings without the worksheet's words and puzzle, leaving the open
    // document as it is.
    CommandResult SaveTo(const QString& path);

    // The lists menu: a file (after the question about unsaved changes), the
    // open dialog, the clipboard.
    CommandResult ImportList(const QString& path);
    CommandResult ImportOtherList();
    CommandResult PasteList(const QString& clipboardText, const QString& html = {});

    FileMenu AvailableDocuments() const;
    FileMenu AvailableWordLists() const;
    // The templates "Nouvelle fiche" may start from, those that exist: the teacher's, then the program's.
    QStringList TemplatePaths() const;
    // The words no word-search grid may show by chance: the program folder's
    // filter file, and the teacher's own one in their folder.
    void LoadWordFilter();

private:
    Document& doc_;
    Prompter& prompter_;
    DocumentFolders folders_;
    QString lastFolder_;
    QString listFolder_;
    QString& Last(Files files) { return files == Files::Documents ? lastFolder_ : listFolder_; }
    WorkCopy workCopy_;
    bool offeringCopy_ = false; // a launch asks whether to take back the copy it found
};

// The document a command line names: its first argument without quotes when
// it ends with ".lxg" (whatever the case) or names a file, else empty.
QString DocumentToOpen(const QStringList& arguments);
// The path without one pair of double quotes around it.
QString StripQuotes(const QString& path);

} // namespace lx

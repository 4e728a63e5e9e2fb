#pragma once

#include <QString>

namespace lx {

// The kinds of message box the program shows, every one titled "Lexigrille".
enum class MessageKind {
    Error,          // critical icon, OK
    Question,       // exclamation icon, Yes and No, No the default
    Proposal,       // exclamation icon, Yes and No, Yes the default (a remedy: a larger grid)
    SaveQuestion,   // exclamation icon, Yes, No and Cancel, No the default
    Information,    // information icon, OK
    Warning,        // exclamation icon, OK (something was done, but not all of it)
    Offer,          // information icon, Yes and No (a newer version exists)
    SaveError,      // critical icon, Retry and Cancel
    MissingFiles,   // critical icon, OK and Cancel, Cancel the default
    Recovery,       // information icon, Yes and No, Yes the default (unsaved work found)
};

enum class Answer { Ok, Cancel, Yes, No, Retry };

// What a file dialog asks for.
struct FileDialogRequest {
    QString title;
    QString filter;        // "Documents Lexigrille (*.lxg);;Tous les fichiers (*)"
    QString folder;        // where the dialog opens
    QString proposedName;  // save dialogs: the file name proposed
    QString defaultSuffix; // save dialogs: added when the name has none ("lxg")
};

// How the document asks the teacher: message boxes and file dialogs. The
// window implements it with real dialogs; tests answer from a script, and
// the command-line tool answers without asking.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer Ask(MessageKind kind, const QString& text) = 0;
    // The chosen path, or empty when the teacher cancels.
    virtual QString OpenFileName(const FileDialogRequest& request) = 0;
    virtual QString SaveFileName(const FileDialogRequest& request) = 0;
};

// Shows nothing: every question gets its default button, every file dialog
// is cancelled.
class DefaultPrompter : public Prompter {
public:
    Answer Ask(MessageKind kind, const QString& text) override;
    QString OpenFileName(const FileDialogRequest&) override { return {}; }
    QString SaveFileName(const FileDialogRequest&) override { return {}; }
};

// The default button of each kind of message box.
Answer DefaultAnswer(MessageKind kind);

// The path a save dialog gives, ending with the request's suffix: a dialog
// adds it only to a name without one, and « Séance 3.2 » has one (« 2 »).
// The file the suffix names may exist, which the dialog did not ask about:
// the teacher is asked before it is replaced. Empty when cancelled.
QString AskSavePath(Prompter& prompter, const FileDialogRequest& request);

} // namespace lx

#pragma once

#include "document/Prompter.h"

#include <QString>

namespace lx {

// What a command of the document reports, the same way for every command:
// whether it was carried out, and a French message for the teacher with the
// kind of box it is shown in (an error, a warning, a notice), or nothing to
// say. A command never shows its own result: each front end has one function
// that does (the window's ShowResult, the command line's Report).
struct CommandResult {
    enum class Status {
        Done,      // carried out
        Cancelled, // the teacher gave up (a dialog or a question): nothing to say
        Failed,    // not carried out: the message says why
    };
    Status status = Status::Done;
    MessageKind kind = MessageKind::Information;
    QString message;

    bool done() const { return status == Status::Done; }

    static CommandResult Ok() { return {}; }
    // Carried out, with something the teacher should know (a notice, or a
    // warning: settings that a file could not give).
    static CommandResult Notice(QString text, MessageKind kind = MessageKind::Information)
    {
        return { Status::Done, kind, std::move(text) };
    }
    static CommandResult Cancel() { return { Status::Cancelled, MessageKind::Information, {} }; }
    static CommandResult Error(QString text) { return { Status::Failed, MessageKind::Error, std::move(text) }; }
};

// The window's way: the message, if any, in a message box of its kind.
void ShowResult(Prompter& prompter, const CommandResult& result);

} // namespace lx

#include "document/Prompter.h"

#include "document/CommandResult.h"

namespace lx {

Answer DefaultAnswer(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error:
    case MessageKind::Information:
    case MessageKind::Warning:
        return Answer::Ok;
    case MessageKind::Question:
    case MessageKind::SaveQuestion:
    case MessageKind::Offer:
        return Answer::No;
    case MessageKind::SaveError:
    case MessageKind::MissingFiles:
        return Answer::Cancel;
    case MessageKind::Proposal:
    case MessageKind::Recovery:
        return Answer::Yes;
    }
    return Answer::Cancel;
}

void ShowResult(Prompter& prompter, const CommandResult& result)
{
    if (!result.message.isEmpty())
        prompter.Ask(result.kind, result.message);
}

Answer DefaultPrompter::Ask(MessageKind kind, const QString&)
{
    return DefaultAnswer(kind);
}

} // namespace lx

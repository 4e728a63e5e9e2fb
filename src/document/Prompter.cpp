#include "document/Prompter.h"

namespace lx {

Answer DefaultAnswer(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Error:
    case MessageKind::Information:
        return Answer::Ok;
    case MessageKind::Question:
    case MessageKind::SaveQuestion:
    case MessageKind::Offer:
        return Answer::No;
    case MessageKind::SaveError:
    case MessageKind::MissingFiles:
        return Answer::Cancel;
    }
    return Answer::Cancel;
}

Answer DefaultPrompter::Ask(MessageKind kind, const QString&)
{
    return DefaultAnswer(kind);
}

} // namespace lx

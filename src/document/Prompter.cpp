#include "document/Prompter.h"

#include "document/CommandResult.h"

#include "core/TextEditing.h"

#include <QFileInfo>

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

QString AskSavePath(Prompter& prompter, const FileDialogRequest& request)
{
    QString path = prompter.SaveFileName(request);
    const QString suffix = QLatin1Char('.') + request.defaultSuffix;
    if (path.isEmpty() || request.defaultSuffix.isEmpty() || path.endsWith(suffix, Qt::CaseInsensitive))
        return path;
    path += suffix;
    if (QFileInfo::exists(path)
        && prompter.Ask(MessageKind::Question, Quoted(QFileInfo(path).fileName()) + QStringLiteral(" existe déjà.\nVoulez-vous le remplacer ?"))
            != Answer::Yes)
        return {};
    return path;
}

} // namespace lx

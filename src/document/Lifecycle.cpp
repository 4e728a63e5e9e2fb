#include "document/Lifecycle.h"

#include "core/ProgramInfo.h"

namespace lx {

void Lifecycle::SetModified(bool value, bool force)
{
    if (force || !modified)
        modified = value;
}

QString Lifecycle::WindowTitle() const
{
    QString title = FullName() + QStringLiteral(" - ");
    title += documentName.isEmpty() ? QStringLiteral("Sans titre") : documentName;
    if (modified)
        title += QLatin1Char('*');
    return title;
}

QString SaveChangesQuestion()
{
    return QStringLiteral("Voulez-vous enregistrer les modifications ?");
}

AskToSaveAction DecideAskToSave(bool modified, SaveAnswer answer)
{
    if (!modified)
        return AskToSaveAction::Proceed;
    switch (answer) {
    case SaveAnswer::Yes:
        return AskToSaveAction::SaveThenProceed;
    case SaveAnswer::No:
        return AskToSaveAction::Proceed;
    case SaveAnswer::Cancel:
        break;
    }
    return AskToSaveAction::Stop;
}

} // namespace lx

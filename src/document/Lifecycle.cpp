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

} // namespace lx

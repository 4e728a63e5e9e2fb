#include "app/StartUp.h"

#include "document/Document.h"

namespace lx {

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
    const QString path = StripQuotes(arguments.value(0));
    return path.endsWith(QStringLiteral(".lxg"), Qt::CaseInsensitive) ? path : QString();
}

void OpenFirstDocument(Document& doc, const QStringList& arguments)
{
    const QString path = DocumentToOpen(arguments);
    if (!path.isEmpty()) {
        const LoadResult r = doc.LoadDocument(path);
        if (r.loaded)
            return;
        doc.prompter().Ask(MessageKind::Error, r.errorMessage);
    }
    doc.NewDocument();
}

} // namespace lx

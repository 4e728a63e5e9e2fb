#pragma once

#include <QString>
#include <QStringList>

namespace lx {

class Document;

// The document a launch opens: the path named on the command line (quotes
// around it removed) when its name ends with ".lxg", whatever the case;
// otherwise a new document from the template. A named document that cannot
// be read is reported and a new document opens instead.
void OpenFirstDocument(Document& doc, const QStringList& arguments);

// The document a command line names: its first argument without quotes when
// it ends with ".lxg" (whatever the case), else empty.
QString DocumentToOpen(const QStringList& arguments);

// The path without one pair of double quotes around it.
QString StripQuotes(const QString& path);

} // namespace lx

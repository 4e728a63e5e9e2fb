#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QStringList>

#include "document/FontNames.h"

namespace lx {

// The installed font list that the font lists of the window show and that
// documents are matched against.
//
// It holds Qt's font families plus each font name that worksheets commonly ask
// for ("Arial", "Arial Narrow", "Times New Roman", "Courier New", "Tahoma"...)
// wherever an installed font stands in for it with the same metrics (Liberation
// Sans for Arial, Liberation Sans Narrow for Arial Narrow, Liberation Serif for
// Times New Roman, Liberation Mono for Courier New) or is that font (the Tahoma
// of Debian's fonts-wine, which fontconfig does not register: the catalog
// registers it itself). Names are kept as written, so a document made with
// "Arial" reopens and saves with "Arial"; drawing goes through Resolve().
class FontCatalog {
public:
    // The catalog of this machine, built once (needs a QGuiApplication).
    static const FontCatalog& Installed();

    // The names, sorted without regard to case, each once.
    const QStringList& Names() const { return names_; }
    // Exact, case-insensitive whole-name search; -1 when absent.
    int IndexOf(const QString& name) const;
    bool Contains(const QString& name) const { return IndexOf(name) >= 0; }

    // The installed family that draws a listed name ("Arial" -> "Liberation
    // Sans"); the name itself for a real family; empty when not listed.
    QString Resolve(const QString& name) const;
    // A QFont for a listed name, drawn by its metric twin, never by a silent
    // fontconfig substitute.
    QFont MakeFont(const QString& name, double pointSize, bool bold = false, bool italic = false) const;

private:
    FontCatalog() = default;
    // Lists a name drawn by a family, unless the name (in any case) is listed
    // already: the first spelling met wins.
    void Add(const QString& name, const QString& family);
    // Sorts the names without regard to case, once all are added.
    void SortNames();

    QStringList names_;
    QHash<QString, QString> resolve_; // lower-cased name -> installed family
};

} // namespace lx

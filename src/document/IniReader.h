#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace lx {

// Reads the keys of an INI-layout file (Windows-1252 text):
//   [Section]
//   Key=Value
// Section and key names match whatever their case; a value is trimmed of
// surrounding blanks and loses one enclosing pair of double or single quotes;
// a missing file, section or key reads as the empty text. When a key appears
// twice in a section, the first one counts. Values are never cut, whatever
// their length. The whole file is parsed once, so reading many keys is cheap.
class IniReader {
public:
    IniReader() = default;
    static IniReader FromBytes(const QByteArray& bytes);

    bool HasSection(const QString& section) const;
    // True when the section has the key, even with an empty value.
    bool HasKey(const QString& section, const QString& key) const;
    QString Value(const QString& section, const QString& key) const;

private:
    // Lower-cased section name -> lower-cased key name -> value.
    QHash<QString, QHash<QString, QString>> sections_;
};

} // namespace lx

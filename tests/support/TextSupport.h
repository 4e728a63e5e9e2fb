#pragma once

// Test helpers: readable Qt strings in failure messages, UTF-8 literals, file bytes.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
// File contents: their size and first bytes, not one line per byte.
inline void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    *os << bytes.size() << " bytes: " << bytes.left(64).toPercentEncoding().constData() << (bytes.size() > 64 ? "..." : "");
}
QT_END_NAMESPACE

namespace lx::test {

inline QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// The whole file, or "<unreadable>" (which no test expects).
inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Writes the bytes and returns the path, so that a table can name its files inline.
inline QString WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QStringLiteral("<cannot write ") + path + QStringLiteral(">");
    return path;
}

} // namespace lx::test

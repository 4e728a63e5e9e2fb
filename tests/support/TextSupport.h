#pragma once

// Test helpers: readable Qt strings in failure messages, UTF-8 literals, word lists, file bytes.
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
// File contents: their size and first bytes, not one line per byte.
inline void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    *os << bytes.size() << " bytes: " << bytes.left(64).toPercentEncoding().constData() << (bytes.size() > 64 ? "..." : "");
}
QT_END_NAMESPACE

namespace lx::test {

inline QString u(const char* utf8) { return QString::fromUtf8(utf8); }
// The words of a text separated by single spaces.
inline QStringList Words(const char* spaced) { return u(spaced).split(QLatin1Char(' ')); }

// n made-up words of `length` letters, all different: "aaaa", "bbba"... then "aaab"...
inline QStringList MadeUpWords(int n, int length)
{
    QStringList words;
    for (int i = 0; i < n; ++i)
        words << QString(length - 1, QChar(u'a' + i % 26)) + QChar(u'a' + i / 26);
    return words;
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

// What a poppler tool (poppler-utils) prints about a PDF; empty where poppler is not installed.
inline QString Poppler(const char* tool, const QStringList& args)
{
    QProcess p;
    p.start(u(tool), args);
    return p.waitForFinished() ? QString::fromUtf8(p.readAllStandardOutput()) : QString();
}
inline bool HavePoppler() { return !QStandardPaths::findExecutable(u("pdftotext")).isEmpty(); }
// The text of a PDF, its pages apart by form feeds.
inline QString PdfText(const QString& pdf) { return Poppler("pdftotext", { u("-enc"), u("UTF-8"), pdf, u("-") }); }

} // namespace lx::test

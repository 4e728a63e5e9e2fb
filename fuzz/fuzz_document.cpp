// Fuzz target of the document reader.
//
// Any bytes must open as a usable document, and a document must survive a
// save and a reopen: the text written from the bytes, read back, gives the
// same text again. A difference aborts and shows the lines that differ.
//
// LEXIGRILLE_FUZZ_IGNORE (environment) lists keys whose lines the comparison
// skips, separated by commas: "Mot#" stands for Mot0, Mot1..., "Liste*" for
// every key starting with "Liste". It lets a long run go on past a difference
// already known.
#include "document/Document.h"
#include "document/DocumentFile.h"
#include "core/Text1252.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

const QStringList& FontNames()
{
    static const QStringList names { QStringLiteral("Arial"), QStringLiteral("Arial Narrow"),
                                     QStringLiteral("Courier New"), QStringLiteral("Tahoma"),
                                     QStringLiteral("Times New Roman") };
    return names;
}

const QString& FileName()
{
    static const QString name = QStringLiteral("fuzz.lxg");
    return name;
}

// The keys LEXIGRILLE_FUZZ_IGNORE names.
const QStringList& IgnoredKeys()
{
    static const QStringList keys = [] {
        QStringList list;
        const QString setting = qEnvironmentVariable("LEXIGRILLE_FUZZ_IGNORE");
        for (const QString& key : setting.split(QLatin1Char(','), Qt::SkipEmptyParts))
            list << key.trimmed();
        return list;
    }();
    return keys;
}

bool IsIgnored(const QString& line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return false;
    const QString key = line.left(equals);
    for (const QString& ignored : IgnoredKeys()) {
        if (ignored.endsWith(QLatin1Char('*')) && key.startsWith(ignored.chopped(1)))
            return true;
        if (ignored.endsWith(QLatin1Char('#')) && key.startsWith(ignored.chopped(1))) {
            const QString number = key.mid(ignored.size() - 1);
            if (!number.isEmpty() && std::all_of(number.begin(), number.end(), [](QChar c) { return c.isDigit(); }))
                return true;
        }
        if (key == ignored)
            return true;
    }
    return false;
}

// The lines of a document text that the comparison looks at.
QStringList Lines(const QString& text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!IgnoredKeys().isEmpty())
        lines.removeIf(IsIgnored);
    return lines;
}

// Qt's warnings would flood the fuzzer's output; a fatal message (a failed
// Q_ASSERT) is shown, and Qt aborts after it.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::fflush(stderr);
    }
}

// A line as the report shows it: control characters and backslashes as \xNN.
QByteArray Printable(const QString& line)
{
    QString shown;
    for (QChar c : line) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F) || c == u'\\')
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown.toUtf8();
}

// The value of each key of a document text, in the order of the text.
QList<std::pair<QString, QString>> Keys(const QStringList& lines)
{
    QList<std::pair<QString, QString>> keys;
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals >= 0)
            keys.append({ line.left(equals), line.mid(equals + 1) });
        else if (!line.isEmpty())
            keys.append({ line, QString() });
    }
    return keys;
}

// Shows the keys whose lines differ, key by key: a missing key does not shift
// the others.
void ReportDifference(const QString& first, const QString& second)
{
    const auto a = Keys(Lines(first));
    const auto b = Keys(Lines(second));
    auto find = [](const QList<std::pair<QString, QString>>& keys, const QString& key) -> const QString* {
        for (const auto& k : keys) {
            if (k.first == key)
                return &k.second;
        }
        return nullptr;
    };
    QStringList order;
    for (const auto& k : a)
        order << k.first;
    for (const auto& k : b) {
        if (!order.contains(k.first))
            order << k.first;
    }
    std::fprintf(stderr, "\n==== The document text changes when it is saved and opened again ====\n");
    for (const QString& key : std::as_const(order)) {
        const QString* va = find(a, key);
        const QString* vb = find(b, key);
        if (va && vb && *va == *vb)
            continue;
        std::fprintf(stderr, "%s\n  first : %s\n  second: %s\n", Printable(key).constData(),
                     va ? Printable(*va).constData() : "<no key>", vb ? Printable(*vb).constData() : "<no key>");
    }
    std::fflush(stderr);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Nothing of the document code draws or lists fonts (the font list is
    // given), so no QGuiApplication; a core application gives the program
    // folder its usual meaning.
    static QCoreApplication app(*argc, *argv);
    qInstallMessageHandler(QuietMessages);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    lx::Document doc(FontNames());
    doc.Replace(lx::ReadDocumentBytes(bytes, FontNames()), FileName());
    const QString text = lx::DocumentText(doc.data());

    // Saved as a save writes it, then opened again.
    lx::Document reopened(FontNames());
    reopened.Replace(lx::ReadDocumentBytes(lx::EncodeWindows1252(text + QStringLiteral("\r\n")), FontNames()), FileName());
    const QString again = lx::DocumentText(reopened.data());
    if (again != text && Lines(again) != Lines(text)) {
        ReportDifference(text, again);
        std::abort();
    }
    return 0;
}

#include "core/TextEditing.h"

#include <QRegularExpression>

#include <algorithm>

namespace lx {

namespace {

bool IsWordDelimiter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x20 && u <= 0x2F) || (u >= 0x3A && u <= 0x40) || (u >= 0x5B && u <= 0x60) || (u >= 0x7B && u <= 0x7D)
        || u == 0xB0 || u == u'\r' || u == u'\n';
}

TextEdit Removed(TextEdit e, int from, int count)
{
    e.text.remove(from, count);
    e.caret = from;
    e.selectionStart = from;
    e.selectionLength = 0;
    return e;
}

} // namespace

TextEdit DeletePreviousWord(const TextEdit& edit)
{
    TextEdit e = edit;
    if (e.text.isEmpty())
        return e;
    if (e.selectionLength > 0)
        return Removed(e, e.selectionStart, e.selectionLength);
    int p = std::clamp(e.caret, 0, int(e.text.size()));
    if (p < 1)
        return e;
    // The spaces just before the caret go first.
    int spaces = 0;
    while (spaces < p && e.text[p - 1 - spaces] == u' ')
        ++spaces;
    if (spaces > 0) {
        e = Removed(e, p - spaces, spaces);
        p -= spaces;
    }
    // The last delimiter before the caret (0-based; -1 when there is none).
    int q = p - 1;
    while (q >= 0 && !IsWordDelimiter(e.text[q]))
        --q;
    if (q < p - 1)
        return Removed(e, q + 1, p - 1 - q);
    if (q < 0)
        return e;
    // The character just before the caret is itself a delimiter.
    const bool lineBreak = e.text[q] == u'\r' || e.text[q] == u'\n';
    const int count = lineBreak && q >= 1 ? 2 : 1;
    return Removed(e, q + 1 - count, count);
}

QString Quoted(const QString& text)
{
    return QStringLiteral("« ") + text + QStringLiteral(" »");
}

QString FrenchEnumeration(QStringList items)
{
    if (items.size() < 2)
        return items.value(0);
    const QString last = items.takeLast();
    return items.join(QStringLiteral(", ")) + QStringLiteral(" et ") + last;
}

QString WithoutBreaksInside(QString text)
{
    static const QRegularExpression spaces(QStringLiteral("(?<=\u00AB) | (?=\u00BB)| (?=[!?:;](\\s|$|\u00BB))"));
    return text.replace(spaces, QStringLiteral("\u00A0"));
}

QString FileNameSafe(const QString& name)
{
    QString out;
    out.reserve(name.size());
    for (QChar c : name) {
        const bool unfit = c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("/\\:*?\"<>|").contains(c);
        out += unfit ? QChar(u' ') : c;
    }
    return out.simplified();
}

} // namespace lx

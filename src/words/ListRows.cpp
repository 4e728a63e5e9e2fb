// The rows of a list: the cells of a line, and the definitions a vocabulary
// table puts beside its words.
#include "words/ListRows.h"

#include <QSet>

#include <algorithm>

namespace lx {

namespace {

QString u(const char* text)
{
    return QString::fromUtf8(text);
}

bool HasAnyOf(const QStringList& tokens, const QSet<QString>& words)
{
    return std::any_of(tokens.cbegin(), tokens.cend(), [&words](const QString& t) { return words.contains(t); });
}

// What no name of a thing holds, however long ("pomme de terre", "chou à la
// crème"), and a sentence does: a subject or relative pronoun, "est", "sont".
const QSet<QString>& SentenceWords()
{
    static const QSet<QString> words { u("il"), u("elle"), u("ils"), u("elles"), u("on"), u("je"), u("j'"), u("tu"), u("nous"),
                                       u("vous"), u("qui"), u("que"), u("qu'"), u("c'"), u("est"), u("sont") };
    return words;
}

bool IsCellSeparator(QChar c)
{
    return c == u',' || c == u';' || c == u'\t';
}

// Column titles above a vocabulary table: "Mot ; Définition".
bool IsDefinitionHeading(const QString& second)
{
    static const QSet<QString> headings { u("définition"), u("definition"), u("définitions"), u("definitions"), u("sens"),
                                          u("explication"), u("explications"), u("signification"), u("significations") };
    QString text = second.trimmed().toLower();
    while (text.endsWith(u':') || text.endsWith(u'.') || text.endsWith(u' '))
        text.chop(1);
    return headings.contains(text);
}

} // namespace

QStringList Tokens(const QString& text)
{
    static const QRegularExpression cut(QStringLiteral("\\s+|(?<=['\u2019])"));
    return text.toLower().replace(u'\u2019', u'\'').split(cut, Qt::SkipEmptyParts);
}

bool IsName(const QString& text)
{
    const QStringList w = Tokens(text);
    return !w.isEmpty() && w.size() <= 3 && !HasAnyOf(w, SentenceWords());
}

bool IsDefinition(const QString& text)
{
    // What binds the words of a phrase, and a row of words ("chat chien lapin
    // loup ours") has none: an article, a preposition, a conjunction.
    static const QSet<QString> links { u("le"), u("la"), u("les"), u("l'"), u("un"), u("une"), u("des"), u("du"), u("de"),
                                       u("d'"), u("à"), u("au"), u("aux"), u("en"), u("et"), u("ou"), u("pour"), u("avec"),
                                       u("dans"), u("sur"), u("par"), u("sans"), u("sous") };
    const QStringList d = Tokens(text);
    return (d.size() >= 5 && HasAnyOf(d, links)) || (d.size() >= 3 && HasAnyOf(d, SentenceWords()));
}

QStringList SplitCells(const QString& line, const QRegularExpression& separators)
{
    if (!line.contains(u'"'))
        return line.split(separators);
    QStringList cells;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i <= n) {
        qsizetype start = i;
        while (start < n && line[start] == u' ')
            ++start;
        if (start < n && line[start] == u'"') {
            // A quoted cell ends at a lone quote followed by a separator or the line's end; "" is a quote.
            QString cell;
            qsizetype j = start + 1;
            for (; j < n; ++j) {
                if (line[j] != u'"') {
                    cell += line[j];
                } else if (j + 1 < n && line[j + 1] == u'"') {
                    cell += u'"';
                    ++j;
                } else {
                    break;
                }
            }
            qsizetype after = j + 1;
            while (after < n && line[after] == u' ')
                ++after;
            if (j < n && (after == n || IsCellSeparator(line[after]))) {
                cells << cell;
                i = after + 1;
                continue;
            }
        }
        // Up to the next separator of a spreadsheet's cells, parted there by any separator.
        qsizetype end = i;
        while (end < n && !IsCellSeparator(line[end]))
            ++end;
        cells << line.mid(i, end - i).split(separators);
        i = end + 1;
    }
    return cells;
}

QList<PairRole> PairRoles(const QList<LinePair>& pairs)
{
    QList<PairRole> roles(pairs.size(), PairRole::Words);
    qsizetype present = 0, defined = 0;
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        if (!pairs[i])
            continue;
        ++present;
        if (IsName(pairs[i]->first) && IsDefinition(pairs[i]->second)) {
            roles[i] = PairRole::Definition;
            ++defined;
        }
    }
    if (defined >= 2 && defined * 3 >= present) {
        for (qsizetype i = 0; i < pairs.size(); ++i) {
            if (!pairs[i])
                continue;
            if (IsDefinitionHeading(pairs[i]->second))
                roles[i] = PairRole::Headings;
            else if (IsName(pairs[i]->first))
                roles[i] = PairRole::Definition;
        }
    }
    return roles;
}

} // namespace lx

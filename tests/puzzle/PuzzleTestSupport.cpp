#include "PuzzleTestSupport.h"

#include "puzzle/UnfitWords.h"
#include "words/WordForms.h"

#include <QDir>
#include <QFileInfo>

namespace lx::test {

QSet<int> CellsOf(const WordEntry& e)
{
    QSet<int> cells;
    const DirectionStep st = kDirectionSteps[e.direction];
    for (int k = 0; k < e.gridText.size(); ++k)
        cells.insert((e.y + k * st.dy) * 31 + e.x + k * st.dx);
    return cells;
}

QString ReadEntry(const PuzzleState& s, const WordEntry& e, int length)
{
    QString out;
    const DirectionStep step = kDirectionSteps[e.direction];
    for (int k = 0; k < length; ++k) {
        const int x = e.x + k * step.dx;
        const int y = e.y + k * step.dy;
        if (!Grid<QString>::inside(x, y))
            return out + QStringLiteral("<outside>");
        out += s.LetterGrid.at(x, y).toUpper();
    }
    return out;
}

const QStringList& ShippedUnfitWords()
{
    static const QStringList words = [] {
        // This file's path as the compiler got it: absolute, or relative to
        // the build folder, which is the working folder or one above it.
        const QString self = QStringLiteral(__FILE__);
        for (const QString& base : { QDir::currentPath(), QDir::currentPath() + QStringLiteral("/.."),
                                     QDir::currentPath() + QStringLiteral("/../..") }) {
            const QFileInfo file(QDir(base).filePath(self));
            if (file.exists())
                return LoadUnfitWords(file.dir().filePath(QStringLiteral("../../data/") + QLatin1String(kUnfitWordsFile)));
        }
        return QStringList();
    }();
    return words;
}

QStringList UnwantedReadings(const PuzzleState& s, const QStringList& unfitForms)
{
    QList<QSet<int>> placed;
    QStringList words = unfitForms;
    for (const WordEntry& e : s.WordEntries) {
        placed.append(CellsOf(e));
        if (e.gridText.size() >= 2)
            words.append(e.gridText);
    }
    // The grid in upper case, with a border: a reading stops at the edge.
    const int side = s.GridSize;
    QList<QChar> upper;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            upper.append(s.LetterGrid.at(x, y).isEmpty() ? QChar() : s.LetterGrid.at(x, y).toUpper()[0]);
    auto at = [&](int x, int y) { return x < 0 || y < 0 || x >= side || y >= side ? QChar() : upper[y * side + x]; };
    QStringList out;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            for (int d = 0; d < 8; ++d) {
                const DirectionStep st = kDirectionSteps[d];
                for (const QString& w : std::as_const(words)) {
                    int k = 0;
                    while (k < w.size() && at(x + k * st.dx, y + k * st.dy) == w[k])
                        ++k;
                    if (k < w.size())
                        continue;
                    QSet<int> cells;
                    for (k = 0; k < w.size(); ++k)
                        cells.insert((y + k * st.dy) * 31 + x + k * st.dx);
                    if (std::none_of(placed.begin(), placed.end(), [&](const QSet<int>& p) { return p.contains(cells); }))
                        out.append(QStringLiteral("%1 at %2,%3 direction %4").arg(w).arg(x).arg(y).arg(d));
                }
            }
        }
    }
    out.removeDuplicates();
    return out;
}

QSet<QChar> LettersOf(const QStringList& words)
{
    QSet<QChar> set;
    for (const QString& w : words) {
        for (QChar c : ToGridForm(w))
            set.insert(c);
    }
    return set;
}

QStringList Texts(const TaggedList& items)
{
    QStringList out;
    for (const TaggedItem& i : items)
        out << i.text;
    return out;
}

QStringList Animals12()
{
    return { QStringLiteral("chat"), QStringLiteral("chien"), QStringLiteral("lapin"), QStringLiteral("cheval"),
             QStringLiteral("vache"), QStringLiteral("mouton"), QStringLiteral("poule"), QStringLiteral("canard"),
             QStringLiteral("âne"), QStringLiteral("souris"), QStringLiteral("renard"), QStringLiteral("éléphant") };
}

QStringList School20()
{
    return { QStringLiteral("cartable"), QStringLiteral("crayon"), QStringLiteral("cahier"), QStringLiteral("règle"),
             QStringLiteral("gomme"), QStringLiteral("trousse"), QStringLiteral("tableau"), QStringLiteral("maîtresse"),
             QStringLiteral("récréation"), QStringLiteral("ciseaux"), QStringLiteral("classeur"), QStringLiteral("feutre"),
             QStringLiteral("compas"), QStringLiteral("équerre"), QStringLiteral("pupitre"), QStringLiteral("cantine"),
             QStringLiteral("dictée"), QStringLiteral("lecture"), QStringLiteral("écriture"), QStringLiteral("calcul") };
}

QStringList FillInWords(int n)
{
    static const QStringList pool {
        QStringLiteral("papillon"), QStringLiteral("maison"), QStringLiteral("jardin"), QStringLiteral("soleil"),
        QStringLiteral("bateau"), QStringLiteral("lapin"), QStringLiteral("pomme"), QStringLiteral("tomate"),
        QStringLiteral("orange"), QStringLiteral("cerise"), QStringLiteral("banane"), QStringLiteral("citron"),
        QStringLiteral("salade"), QStringLiteral("carotte"), QStringLiteral("melon"), QStringLiteral("poire"),
        QStringLiteral("raisin"), QStringLiteral("fraise"), QStringLiteral("abricot"), QStringLiteral("prune"),
        QStringLiteral("radis"), QStringLiteral("navet"), QStringLiteral("olive"), QStringLiteral("amande"),
        QStringLiteral("noisette"), QStringLiteral("marron"), QStringLiteral("ananas"), QStringLiteral("kiwi"),
        QStringLiteral("figue"), QStringLiteral("datte"),
    };
    return pool.mid(0, n);
}

QStringList FruitsAndVegetables()
{
    QStringList out;
    for (const char* w : { "pomme", "poire", "banane", "orange", "citron", "fraise", "cerise", "abricot", "pêche",
                           "prune", "raisin", "melon", "ananas", "mangue", "framboise", "mandarine", "clémentine",
                           "pamplemousse", "pastèque", "carotte", "tomate", "salade", "radis", "poireau", "courgette",
                           "aubergine", "haricot", "concombre", "citrouille", "champignon" })
        out << QString::fromUtf8(w);
    return out;
}

} // namespace lx::test

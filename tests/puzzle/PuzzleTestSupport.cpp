#include "PuzzleTestSupport.h"

#include "words/WordForms.h"

namespace lx::test {

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

} // namespace lx::test

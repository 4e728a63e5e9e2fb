#include "document/Versions.h"

#include "document/Document.h"
#include "document/GridAdvice.h"

namespace lx {

QString VersionLabel(int version, int count)
{
    return QStringLiteral("Version %1/%2").arg(version).arg(count);
}

std::uint64_t VersionsSeed(const DocumentData& data)
{
    // FNV-1a over the grid's cells and the words checked: the same on every
    // computer and with every version of Qt.
    std::uint64_t hash = 14695981039346656037ULL;
    const auto add = [&hash](const QString& text) {
        for (const QChar c : text + QChar(u'\n'))
            hash = (hash ^ c.unicode()) * 1099511628211ULL;
    };
    add(QString::number(int(data.settings.puzzle.gameType)));
    for (int y = 0; y < PuzzleState::kSide; ++y)
        for (int x = 0; x < PuzzleState::kSide; ++x)
            add(data.puzzle.LetterGrid.at(x, y));
    for (int i = 0; i < data.words.Count(); ++i) {
        if (data.words.IsChecked(i))
            add(data.words.Word(i));
    }
    return hash;
}

Versions MakeVersions(const Document& doc, int count, std::uint64_t seed, const std::function<void()>& yield,
                      const std::function<bool(int made)>& madeOne,
                      const std::function<GenerationResult(Document& copy)>& generate, bool firstAsShown)
{
    Versions out;
    Document copy(doc.fontNames());
    // A version is made without a window: a longer word enlarges the grid,
    // as Yes would.
    copy.SetGenerationHooks({ yield, {} });
    copy.SetUnfitWords(doc.UnfitWords());
    for (int k = 1; k <= std::clamp(count, 1, kMaxVersions); ++k) {
        if (k == 1 && firstAsShown && doc.GridWhole() && doc.UnfitWordsShown().isEmpty()) {
            out.pages.append(doc.data());
            if (madeOne && !madeOne(k))
                return Versions {};
            continue;
        }
        // A generation that runs out of time may well succeed from another seed
        // (a fill-in of long words does one time in two): one version must not
        // fail the whole class set.
        GenerationResult r;
        for (int attempt = 0; attempt < kVersionAttempts; ++attempt) {
            copy.CopyFrom(doc);
            copy.SetFixedSeed(seed + std::uint64_t(k - 1) + std::uint64_t(attempt) * kVersionRetrySeedStep);
            r = generate ? generate(copy) : copy.Generate();
            // A grid that lets an unfit word be read is made again too; the last try is kept.
            if (r.outcome != GenerationOutcome::TimedOut && (!r.succeeded() || r.message.isEmpty()))
                break;
        }
        if (!r.succeeded()) {
            out.outcome = r.outcome;
            out.error = QStringLiteral("La version %1 n'a pas pu être créée").arg(k);
            if (r.outcome == GenerationOutcome::TimedOut)
                out.error += QStringLiteral(" : le temps de calcul est dépassé à chacun des %1 essais. ").arg(kVersionAttempts)
                    + AdviceAfterEveryTry(copy);
            else
                out.error += r.message.isEmpty() ? QStringLiteral(".") : QStringLiteral(" : ") + r.message;
            out.pages.clear();
            return out;
        }
        out.pages.append(copy.data());
        if (madeOne && !madeOne(k)) {
            out.pages.clear();
            return out;
        }
    }
    return out;
}

} // namespace lx

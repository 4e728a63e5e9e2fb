#include "document/Versions.h"

#include "document/Document.h"

namespace lx {

namespace {

// A version is made without a window: a longer word enlarges the grid, as Yes
// would; a refusal is kept for the message.
class VersionPrompter : public Prompter {
public:
    QString refusal;
    Answer Ask(MessageKind kind, const QString& text) override
    {
        if (kind == MessageKind::Error) {
            refusal = text;
            return Answer::Ok;
        }
        return Answer::Yes;
    }
    QString OpenFileName(const FileDialogRequest&) override { return {}; }
    QString SaveFileName(const FileDialogRequest&) override { return {}; }
};

} // namespace

QString VersionLabel(int version, int count)
{
    return QStringLiteral("Version %1/%2").arg(version).arg(count);
}

Versions MakeVersions(const Document& doc, int count, std::uint64_t seed, const std::function<void()>& yield,
                      const std::function<bool(int made)>& madeOne)
{
    Versions out;
    VersionPrompter prompter;
    Document copy(doc.fontNames());
    copy.SetPrompter(&prompter);
    copy.engine.Clock().SetYieldHook(yield);
    copy.engine.SetUnfitWords(doc.engine.UnfitWords());
    for (int k = 1; k <= std::clamp(count, 1, kMaxVersions); ++k) {
        copy.data = doc.data;
        copy.engine.SetFixedSeed(seed + std::uint64_t(k - 1));
        const GenerationResult r = copy.Generate();
        if (!r.succeeded()) {
            out.outcome = r.outcome;
            out.error = QStringLiteral("La version %1 n'a pas pu être créée").arg(k);
            if (r.outcome == GenerationOutcome::TimedOut)
                out.error += QStringLiteral(" : le temps de calcul est dépassé.");
            else
                out.error += prompter.refusal.isEmpty() ? QStringLiteral(".") : QStringLiteral(" : ") + prompter.refusal;
            out.pages.clear();
            return out;
        }
        out.pages.append(copy.data);
        if (madeOne && !madeOne(k)) {
            out.pages.clear();
            return out;
        }
    }
    return out;
}

} // namespace lx

#include "app/UpdateCheck.h"

#include "core/ProgramInfo.h"
#include "core/Text1252.h"
#include "document/DocumentActions.h"

#include <QDesktopServices>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#ifndef LEXIGRILLE_UPDATE_URL
#define LEXIGRILLE_UPDATE_URL ""
#endif

namespace lx {

namespace {
// The whole check, from the request to the last byte.
constexpr int kDefaultTimeoutMs = 3000;
// A version file is one short line; anything much longer is not one.
constexpr qsizetype kMaxVersionFileBytes = 4096;
} // namespace

double VersionNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        ++i;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'.' && !point)
            point = true;
        else if (c < u'0' || c > u'9')
            break;
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok ? value : 0.0;
}

UpdateChecker::UpdateChecker(DocumentActions& actions, QObject* parent)
    : QObject(parent)
    , openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); })
    , actions_(actions)
    , url_(ConfiguredUrl())
    , runningVersion_(VersionText())
{
    timer_.setSingleShot(true);
    timer_.setInterval(kDefaultTimeoutMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (reply_)
            reply_->abort(); // reported as a failed download
    });
}

UpdateChecker::~UpdateChecker()
{
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
    }
}

QUrl UpdateChecker::ConfiguredUrl()
{
    const QString address = qEnvironmentVariableIsSet("LEXIGRILLE_UPDATE_URL")
        ? qEnvironmentVariable("LEXIGRILLE_UPDATE_URL")
        : QString::fromUtf8(LEXIGRILLE_UPDATE_URL);
    return QUrl(address.trimmed(), QUrl::StrictMode);
}

bool UpdateChecker::Running() const
{
    return !reply_.isNull();
}

void UpdateChecker::Start(bool displayOk)
{
    if (!Configured())
        return;
    if (reply_) {
        displayOk_ = displayOk_ || displayOk;
        return;
    }
    if (!network_)
        network_ = new QNetworkAccessManager(this);
    displayOk_ = displayOk;
    tooLong_ = false;
    received_.clear();
    QNetworkRequest request(url_);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setHeader(QNetworkRequest::UserAgentHeader, FullName());
    reply_ = network_->get(request);
    connect(reply_, &QNetworkReply::readyRead, this, &UpdateChecker::OnReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &UpdateChecker::OnFinished);
    timer_.start();
}

void UpdateChecker::OnReadyRead()
{
    received_ += reply_->readAll();
    if (received_.size() > kMaxVersionFileBytes) {
        tooLong_ = true;
        reply_->abort();
    }
}

void UpdateChecker::OnFinished()
{
    timer_.stop();
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    if (!reply)
        return;
    if (!tooLong_ && reply->error() == QNetworkReply::NoError)
        received_ += reply->readAll();
    const bool downloaded = !tooLong_ && reply->error() == QNetworkReply::NoError;
    reply->disconnect(this);
    reply->deleteLater();
    // The questions below wait for the teacher: a new check may start meanwhile.
    const QString remoteText = DecodeWindows1252(received_);
    const bool displayOk = displayOk_;
    // The report waits for the work in progress, if any (a generation, a print).
    const auto report = [this, downloaded, remoteText, displayOk] {
        Report(downloaded, remoteText, displayOk);
        Q_EMIT finished();
    };
    if (whenIdle)
        whenIdle(report);
    else
        report();
}

void UpdateChecker::Report(bool downloaded, const QString& remoteText, bool displayOk)
{
    Prompter& prompter = actions_.prompter();
    if (!downloaded) {
        prompter.Ask(MessageKind::Error, QStringLiteral("Erreur lors de la recherche d'une mise à jour !"));
        return;
    }
    if (VersionNumber(runningVersion_) < VersionNumber(remoteText)) {
        const QString offer = QStringLiteral("Vous utilisez la version ") + runningVersion_ + QStringLiteral(" de ")
            + ProductName() + QStringLiteral(".\r\nUne nouvelle version (") + remoteText
            + QStringLiteral(") est disponible.\r\nVoulez-vous fermer l'application et visiter la page de téléchargement ?");
        // Leaving for the download page must not lose the teacher's work:
        // the save question comes first, and its Cancel keeps the program.
        if (prompter.Ask(MessageKind::Offer, offer) == Answer::Yes && actions_.AskToSave()) {
            openUrl(MakerWebPage());
            Q_EMIT quitRequested();
        }
        return;
    }
    if (displayOk)
        prompter.Ask(MessageKind::Information,
                     QStringLiteral("Vous utilisez la version la plus récente de ") + ProductName() + QStringLiteral(" !"));
}

} // namespace lx

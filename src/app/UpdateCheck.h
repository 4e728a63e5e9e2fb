#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace lx {

class DocumentActions;

// The number a version text starts with, read as a decimal number with "."
// as its point; reading stops at the first character that does not fit, and a
// text that starts with none gives 0. So "1.10" is 1.1, below "1.9".
double VersionNumber(const QString& text);

// Asks the maker's server for the latest version: a one-line text file at the
// update address, compared with the running version.
//
// The address comes from the build (the CMake cache variable
// LEXIGRILLE_UPDATE_URL) unless the environment variable of the same name is
// set, which wins, even empty. Without an address nothing is ever asked.
//
// The check runs in the background: the window keeps answering, and a server
// that has not answered in full within the time limit counts as a failed
// download.
class UpdateChecker : public QObject {
    Q_OBJECT
public:
    explicit UpdateChecker(DocumentActions& actions, QObject* parent = nullptr);
    ~UpdateChecker() override;

    static QUrl ConfiguredUrl();
    bool Configured() const { return !url_.isEmpty(); }
    bool Running() const;

    void SetUrl(const QUrl& url) { url_ = url; }
    void SetTimeoutMs(int ms) { timer_.setInterval(ms); }
    void SetRunningVersion(const QString& versionText) { runningVersion_ = versionText; }
    // Opens the download page (the desktop's browser unless a test sets its own).
    std::function<void(const QUrl&)> openUrl;
    // Runs the report when the window is free to ask (at once when not set).
    std::function<void(std::function<void()>)> whenIdle;

    // Starts a check and returns at once. A failure is always reported; when a
    // newer version exists, the teacher is offered to leave for its download
    // page; displayOk also reports that the running version is the latest.
    // A check asked for while one runs joins it (displayOk adds up).
    void Start(bool displayOk);

Q_SIGNALS:
    // The check is over, whatever its outcome.
    void finished();
    // The teacher chose to download the new version, and the document is
    // saved or given up: the program should end now, without asking again.
    void quitRequested();

private:
    void OnReadyRead();
    void OnFinished();
    void Report(bool downloaded, const QString& remoteText, bool displayOk);

    DocumentActions& actions_;
    QUrl url_;
    QString runningVersion_;
    QNetworkAccessManager* network_ = nullptr;
    QPointer<QNetworkReply> reply_;
    QTimer timer_;
    QByteArray received_;
    bool displayOk_ = false;
    bool tooLong_ = false;
};

} // namespace lx

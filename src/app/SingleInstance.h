#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QLocalServer;

namespace lx {

// One Lexigrille per user. The first launch holds a lock file in the user's
// runtime folder and listens on a local socket; a later launch finds the lock
// taken, hands its command line to the running program through the socket
// and ends. A lock left behind by a program that crashed does not count: its
// process is gone.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // folder: where the lock and the socket live (the user's runtime folder
    // by default); key: their name ("lexigrille-" and the user's name).
    explicit SingleInstance(QString folder = DefaultFolder(), QString key = DefaultKey(), QObject* parent = nullptr);
    ~SingleInstance() override;

    static QString DefaultFolder();
    static QString DefaultKey();

    // True when no other instance runs: this one now holds the lock and
    // listens for later launches. False when another one holds it.
    bool Claim();
    // A later launch: hands the arguments to the running instance.
    enum class Handover {
        Handed,     // the running instance has them
        Unanswered, // it listens but did not take them within the time
        NoInstance, // nothing listens: the lock's owner is no Lexigrille of ours
    };
    Handover Forward(const QStringList& arguments, int timeoutMs = 3000);
    // After NoInstance: the lock names a process that runs but does not
    // listen (a restarted Windows gives a new program the number of the one
    // that was killed, this one's even). This launch takes its place.
    bool TakeOver();

Q_SIGNALS:
    // A later launch handed its arguments over (document paths made absolute).
    void launched(const QStringList& arguments);

private:
    QString ServerName() const;
    void Accept();

    QString folder_;
    QString key_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

} // namespace lx

#include "app/SingleInstance.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace lx {

SingleInstance::SingleInstance(QString folder, QString key, QObject* parent)
    : QObject(parent)
    , folder_(std::move(folder))
    , key_(std::move(key))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultFolder()
{
#ifdef Q_OS_WIN
    // Windows has no runtime folder (Qt names the home folder): the user's
    // own temporary folder, out of sight.
    QString folder = QDir::tempPath();
#else
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

QString SingleInstance::DefaultKey()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    if (user.isEmpty())
        user = QDir::home().dirName();
    // Only characters that every file system and pipe name takes.
    QString safe;
    for (const QChar c : user)
        safe += c.isLetterOrNumber() && c.unicode() < 128 ? c : QLatin1Char('_');
    return QStringLiteral("lexigrille-") + safe;
}

QString SingleInstance::ServerName() const
{
#ifdef Q_OS_WIN
    // A pipe name, per user.
    return key_;
#else
    // A socket file beside the lock: the runtime folder is the user's own.
    return QDir(folder_).filePath(key_ + QStringLiteral(".socket"));
#endif
}

bool SingleInstance::Claim()
{
    QDir().mkpath(folder_);
    lock_ = std::make_unique<QLockFile>(QDir(folder_).filePath(key_ + QStringLiteral(".lock")));
    // The lock is held as long as the program runs: only a dead owner makes
    // it stale, never its age.
    lock_->setStaleLockTime(0);
    if (!lock_->tryLock(0)) {
        // A lock that cannot be written at all (a read-only folder) must not
        // keep the program from starting.
        if (lock_->error() != QLockFile::LockFailedError) {
            lock_.reset();
            return true;
        }
        lock_.reset();
        return false;
    }
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a crash: we hold the lock, so nobody listens on it.
    QLocalServer::removeServer(ServerName());
    if (server_->listen(ServerName()))
        connect(server_, &QLocalServer::newConnection, this, &SingleInstance::Accept);
    return true;
}

void SingleInstance::Accept()
{
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.startTransaction();
            QStringList arguments;
            in >> arguments;
            if (!in.commitTransaction())
                return; // the rest is still on its way
            socket->disconnectFromServer();
            Q_EMIT launched(arguments);
        });
    }
}

SingleInstance::Handover SingleInstance::Forward(const QStringList& arguments, int timeoutMs)
{
    // The running instance may be starting too: it takes the lock before it
    // listens. Try again until the time is up.
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(ServerName());
        if (socket.waitForConnected(int(std::max<qint64>(1, deadline.remainingTime()))))
            break;
        if (deadline.hasExpired())
            return Handover::NoInstance;
        QThread::msleep(50);
    }
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << arguments;
    socket.write(message);
    // The running instance hangs up once it has read the whole message: that,
    // not the end of the write (which a Windows pipe may report as failed
    // once its reader is gone), says the arguments were handed over.
    if (!socket.waitForDisconnected(int(std::max<qint64>(1, deadline.remainingTime())))
        && socket.state() == QLocalSocket::ConnectedState)
        return Handover::Unanswered;
    return Handover::Handed;
}

bool SingleInstance::TakeOver()
{
    QLockFile(QDir(folder_).filePath(key_ + QStringLiteral(".lock"))).removeStaleLockFile();
    return Claim();
}

} // namespace lx

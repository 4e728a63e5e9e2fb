// The program's shell around the worksheet: the About box, the update check
// against a small HTTP server of the test's own on the loopback interface,
// and one Lexigrille per user.
#include "app/AboutBox.h"
#include "app/WindowFixture.h"
#include "app/SingleInstance.h"
#include "app/StartUp.h"
#include "app/UpdateCheck.h"
#include "core/ProgramInfo.h"
#include "document/Document.h"
#include "document/FontCatalog.h"
#include "support/ScriptedPrompter.h"
#include "words/ThemeDatabase.h"

#include <QtTest>
#include <QLabel>
#include <QLockFile>
#include <QNetworkProxy>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUrlQuery>

using namespace lx;

namespace {

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

// Answers one HTTP request with the given response, or never answers when it
// is empty.
class OneRequestServer {
public:
    explicit OneRequestServer(QByteArray response)
        : response_(std::move(response))
    {
        QVERIFY(server_.listen(QHostAddress::LocalHost));
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            QTcpSocket* socket = server_.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                request += socket->readAll();
                if (request.contains("\r\n\r\n") && !response_.isEmpty()) {
                    socket->write(response_);
                    socket->disconnectFromHost();
                }
            });
        });
    }
    QUrl Url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/lexigrille?version").arg(server_.serverPort())); }
    QByteArray request;

private:
    QTcpServer server_;
    QByteArray response_;
};

QByteArray Http(const QByteArray& status, const QByteArray& body)
{
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size())
        + "\r\nConnection: close\r\n\r\n" + body;
}

QString Offer(const char* running, const char* remote)
{
    return U("Vous utilisez la version %1 de Lexigrille.\r\nUne nouvelle version (%2) est disponible.\r\n"
             "Voulez-vous fermer l'application et visiter la page de téléchargement ?")
        .arg(U(running), U(remote));
}

const QString kError = U("Erreur lors de la recherche d'une mise à jour !");
const QString kLatest = U("Vous utilisez la version la plus récente de Lexigrille !");
const QString kSave = U("Voulez-vous enregistrer les modifications ?");

} // namespace

class AppShellTest : public QObject {
    Q_OBJECT

    test::WindowFixture f;
    std::unique_ptr<Document>& doc = f.doc;
    test::ScriptedPrompter& prompter = f.prompter;
    std::unique_ptr<MainWindow>& window = f.window;
    QTemporaryDir& folder = f.folder;

private Q_SLOTS:
    void initTestCase()
    {
        // The test's server is on this machine: no proxy in between.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        qunsetenv("LEXIGRILLE_UPDATE_URL");
    }

    void init() { f.Open(); }
    void cleanup() { f.Close(); }

    // Every outcome of a check, from what the server does and what the
    // teacher answers.
    void updateCheck()
    {
        struct Case {
            const char* name;
            QByteArray response; // empty: the server never answers
            const char* running;
            bool displayOk;
            bool modified;
            QList<Answer> answers;
            QList<test::ScriptedPrompter::Asked> expected;
            bool leaves; // the download page opened and the program asked to end
        };
        const QByteArray ok = "200 OK";
        const QList<Case> cases = {
            { "newer, declined", Http(ok, "0.2\r\n"), "0.1", false, false, { Answer::No },
              { { MessageKind::Offer, Offer("0.1", "0.2\r\n") } }, false },
            { "newer, work given up", Http(ok, "2"), "0.1", false, true, { Answer::Yes, Answer::No },
              { { MessageKind::Offer, Offer("0.1", "2") }, { MessageKind::SaveQuestion, kSave } }, true },
            { "newer, save cancelled", Http(ok, "2"), "0.1", false, true, { Answer::Yes, Answer::Cancel },
              { { MessageKind::Offer, Offer("0.1", "2") }, { MessageKind::SaveQuestion, kSave } }, false },
            { "1.9 is newer than 1.10", Http(ok, "1.9"), "1.10", false, false, { Answer::No },
              { { MessageKind::Offer, Offer("1.10", "1.9") } }, false },
            { "1.10 is older than 1.9", Http(ok, "1.10"), "1.9", true, false, {},
              { { MessageKind::Information, kLatest } }, false },
            { "equal at start-up", Http(ok, "0.1"), "0.1", false, false, {}, {}, false },
            { "missing file", Http("404 Not Found", "introuvable"), "0.1", false, false, {},
              { { MessageKind::Error, kError } }, false },
            { "no answer", {}, "0.1", false, false, {}, { { MessageKind::Error, kError } }, false },
        };
        for (const Case& c : cases) {
            prompter = {};
            prompter.answers = c.answers;
            doc->SetModified(c.modified, true);
            UpdateChecker check(*doc);
            OneRequestServer server(c.response);
            check.SetUrl(server.Url());
            check.SetRunningVersion(QString::fromLatin1(c.running));
            check.SetTimeoutMs(300);
            QList<QUrl> opened;
            check.openUrl = [&](const QUrl& u) { opened.append(u); };
            QSignalSpy finished(&check, &UpdateChecker::finished);
            QSignalSpy quit(&check, &UpdateChecker::quitRequested);

            check.Start(c.displayOk);
            QVERIFY2(check.Running(), c.name);
            QVERIFY2(finished.wait(5000), c.name);
            QCOMPARE(prompter.asked.size(), c.expected.size());
            for (int i = 0; i < c.expected.size(); ++i) {
                QVERIFY2(prompter.asked[i].kind == c.expected[i].kind, c.name);
                QCOMPARE(prompter.asked[i].text, c.expected[i].text);
            }
            QVERIFY2(quit.size() == (c.leaves ? 1 : 0), c.name);
            QCOMPARE(opened, c.leaves ? QList<QUrl> { QUrl(QString::fromLatin1(kMakerWebPage)) } : QList<QUrl> {});
            if (!c.response.isEmpty())
                QVERIFY2(server.request.startsWith("GET /lexigrille?version HTTP/1.1\r\n"), server.request.constData());
        }

        // The address: the environment wins over the build, and an empty one
        // means no check at all, not a request that fails.
        qputenv("LEXIGRILLE_UPDATE_URL", "http://127.0.0.1:9/lexigrille?version");
        QCOMPARE(UpdateChecker::ConfiguredUrl(), QUrl(U("http://127.0.0.1:9/lexigrille?version")));
        qputenv("LEXIGRILLE_UPDATE_URL", "");
        prompter = {};
        UpdateChecker none(*doc);
        QVERIFY(!none.Configured());
        none.Start(true);
        QVERIFY(!none.Running());
        QTest::qWait(50);
        QVERIFY(prompter.asked.isEmpty());
        qunsetenv("LEXIGRILLE_UPDATE_URL");
    }

    // F1 and the button open the About box over the window; its links and keys.
    void aboutBox()
    {
        for (const bool byKey : { true, false }) {
            QList<QUrl> opened;
            bool seen = false;
            // A box that a failed check left open must not hang the test.
            QTimer::singleShot(5000, this, [] {
                if (QWidget* w = QApplication::activeModalWidget())
                    w->close();
            });
            QTimer::singleShot(0, this, [&] {
                auto* about = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
                QVERIFY(about);
                seen = true;
                QCOMPARE(about->objectName(), U("frmAbout"));
                QCOMPARE(about->windowTitle(), FullName());
                QCOMPARE(about->findChild<QLabel*>(U("lblTitle"))->text(), ProductName());
                QCOMPARE(about->findChild<QLabel*>(U("lblVersion"))->text(), VersionText());
                QVERIFY(!about->findChild<QLabel*>(U("lblDescription"))->text().isEmpty());
                QCOMPARE(about->findChild<QPushButton*>(U("cmdUpdate"))->text(), U("Vérifier les mises à jour"));
                about->openUrl = [&](const QUrl& u) { opened.append(u); };
                for (const char* link : { "lblWebsite", "lblEmail", "pctDonate" })
                    QTest::mouseClick(about->findChild<QLabel*>(U(link)), Qt::LeftButton);
                if (byKey)
                    QTest::keyClick(about, Qt::Key_Escape);
                else
                    about->findChild<QPushButton*>(U("cmdOK"))->click();
            });
            if (byKey)
                QTest::keyClick(window.get(), Qt::Key_F1);
            else
                window->findChild<QPushButton*>(U("cmdAbout"))->click();
            QVERIFY(seen);
            QVERIFY(!QApplication::activeModalWidget());
            const QUrl page(QString::fromLatin1(kMakerWebPage));
            QCOMPARE(opened.size(), 3);
            QCOMPARE(opened[0], page);
            QCOMPARE(opened[2], page);
            QCOMPARE(opened[1].scheme(), U("mailto"));
            QCOMPARE(opened[1].path(), QString::fromLatin1(kMakerEmail));
            QCOMPARE(QUrlQuery(opened[1]).queryItemValue(U("subject"), QUrl::FullyDecoded), U("[Lexigrille 0.1] "));
        }
    }

    // A second launch finds the first one and hands it its document, which
    // the window opens; the first one's end, or its crash, frees the place.
    void singleInstance()
    {
        QTemporaryDir runtime;
        const QString key = U("lexigrille-essai");
        auto first = std::make_unique<SingleInstance>(runtime.path(), key);
        QVERIFY(first->Claim());
        connect(first.get(), &SingleInstance::launched, window.get(), &MainWindow::OpenFromOtherLaunch);

        const QString path = QDir(folder.path()).filePath(U("Mes fiches.lxg"));
        QVERIFY(doc->SaveDocument(path).saved);
        doc->NewDocument();
        QVERIFY(doc->life.documentName.isEmpty());
        // However long the first one has run.
        QFile held(QDir(runtime.path()).filePath(key + U(".lock")));
        QVERIFY(held.open(QIODevice::ReadOnly));
        QVERIFY(held.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
        held.close();
        SingleInstance second(runtime.path(), key);
        QVERIFY(!second.Claim());
        QSignalSpy launched(first.get(), &SingleInstance::launched);
        QVERIFY(second.Forward({ path }));
        QVERIFY(launched.wait(5000));
        QCOMPARE(launched.at(0).at(0).toStringList(), QStringList { path });
        QTRY_COMPARE(doc->life.documentName, U("Mes fiches.lxg"));
        QCOMPARE(doc->life.documentPath, path);
        QVERIFY(prompter.asked.isEmpty());

        first.reset();
        QVERIFY(SingleInstance(runtime.path(), key).Claim());

        // The lock of a program that crashed: its process is gone.
        QProcess gone;
        gone.start(U("true"));
        QVERIFY(gone.waitForStarted());
        const qint64 deadPid = gone.processId();
        QVERIFY(gone.waitForFinished());
        const QString probePath = QDir(runtime.path()).filePath(U("probe.lock"));
        {
            QLockFile probe(probePath);
            QVERIFY(probe.tryLock());
            QFile file(probePath);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QList<QByteArray> lines = file.readAll().split('\n');
            lines[0] = QByteArray::number(deadPid);
            QFile stale(QDir(runtime.path()).filePath(key + U(".lock")));
            QVERIFY(stale.open(QIODevice::WriteOnly));
            stale.write(lines.join('\n'));
        }
        SingleInstance afterCrash(runtime.path(), key);
        QVERIFY(afterCrash.Claim());
        QVERIFY(!SingleInstance(runtime.path(), key).Claim());
    }
};

QTEST_MAIN(AppShellTest)
#include "test_app_shell.moc"

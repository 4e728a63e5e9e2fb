// The shell around the worksheet: the About box, the update check against a loopback HTTP server of the test's own,
// and one Lexigrille per user.
#include "app/AboutBox.h"
#include "app/BusyState.h"
#include "app/SingleInstance.h"
#include "app/UpdateCheck.h"
#include "app/WindowFixture.h"
#include "core/ProgramInfo.h"

#include <QLockFile>
#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>

#include <future>

using namespace lx;
using test::u;

namespace {

// Answers one HTTP request with the given response, or never when it is empty.
class OneRequestServer {
public:
    explicit OneRequestServer(QByteArray response) : response_(std::move(response))
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
    return u("Vous utilisez la version %1 de Lexigrille.\r\nUne nouvelle version (%2) est disponible.\r\n"
             "Voulez-vous fermer l'application et visiter la page de téléchargement ?")
        .arg(u(running), u(remote));
}

const QString kError = u("Erreur lors de la recherche d'une mise à jour !");
const QString kLatest = u("Vous utilisez la version la plus récente de Lexigrille !");
const QString kSave = u("Voulez-vous enregistrer les modifications ?");

} // namespace

class AppShellTest : public test::WindowTest {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The test's server is on this machine: no proxy in between.
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        qunsetenv("LEXIGRILLE_UPDATE_URL");
    }

    void init() { Open(); }
    void cleanup() { Close(); }

    // Every outcome of a check, from what the server does and the teacher answers.
    void updateCheck()
    {
        // response empty: the server never answers; leaves: the download page opened, the program asked to end.
        struct Case { const char* name; QByteArray response; const char* running; bool displayOk, modified;
                      QList<Answer> answers; QList<test::ScriptedPrompter::Asked> expected; bool leaves; };
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
            UpdateChecker check(window->actions());
            OneRequestServer server(c.response);
            check.SetUrl(server.Url());
            check.SetRunningVersion(QString::fromLatin1(c.running));
            check.SetTimeoutMs(300);
            QList<QUrl> opened;
            check.openUrl = [&](const QUrl& url) { opened.append(url); };
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
        // The environment's address wins over the build's; an empty one means no check at all.
        qputenv("LEXIGRILLE_UPDATE_URL", "http://127.0.0.1:9/lexigrille?version");
        QCOMPARE(UpdateChecker::ConfiguredUrl(), QUrl(u("http://127.0.0.1:9/lexigrille?version")));
        qputenv("LEXIGRILLE_UPDATE_URL", "");
        prompter = {};
        UpdateChecker none(window->actions());
        QVERIFY(!none.Configured());
        none.Start(true);
        QVERIFY(!none.Running());
        QTest::qWait(50);
        QVERIFY(prompter.asked.isEmpty());
        qunsetenv("LEXIGRILLE_UPDATE_URL");
    }

    // The window shows whole above the taskbar, title bar and frame too, the first time and on a screen smaller than
    // the one it was left on: as large as the preview needs, or maximised on a screen too small for that.
    void theWindowStartsWholeOnTheScreen()
    {
        const QRect school(0, 0, 1366, 728); // 1366×768 and the taskbar
        QVERIFY(!FitsOnScreen(school, school) && FitsOnScreen(school.adjusted(8, 32, -8, -8), school));
        QVERIFY(FitsOnScreen(QRect(160, 32, 1600, 1000), QRect(0, 0, 1920, 1040)));
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        const bool small = room.width() < 1616 || room.height() < 1040;
        for (const QRect left : { QRect(), room.adjusted(0, 0, 200, 200) }) {
            QSettings().remove(u("fenetre/geometrie"));
            if (left.isValid()) {
                window->setGeometry(left);
                QSettings().setValue(u("fenetre/geometrie"), window->saveGeometry());
            }
            const MainWindow again(*doc, DocumentFolders { folder.path(), folder.path() }, &prompter);
            QCOMPARE(bool(again.windowState() & Qt::WindowMaximized), small);
            QVERIFY(FitsOnScreen(again.normalGeometry(), room) || small);
        }
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
                QCOMPARE(about->objectName(), u("frmAbout"));
                QCOMPARE(about->windowTitle(), FullName());
                QCOMPARE(about->findChild<QLabel*>(u("lblTitle"))->text(), ProductName());
                QCOMPARE(about->findChild<QLabel*>(u("lblVersion"))->text(), VersionText());
                QVERIFY(about->findChild<QLabel*>(u("lblDescription"))->text().contains(u("du CP au CM2\u00A0: mots")));
                QCOMPARE(about->findChild<QPushButton*>(u("cmdUpdate"))->text(), u("Vérifier les mises à jour"));
                about->openUrl = [&](const QUrl& url) { opened.append(url); };
                for (const char* link : { "lblWebsite", "lblEmail", "pctDonate" })
                    QTest::mouseClick(about->findChild<QLabel*>(u(link)), Qt::LeftButton);
                if (byKey)
                    QTest::keyClick(about, Qt::Key_Escape);
                else
                    about->findChild<QPushButton*>(u("cmdOK"))->click();
            });
            if (byKey)
                QTest::keyClick(window.get(), Qt::Key_F1);
            else
                window->findChild<QPushButton*>(u("cmdAbout"))->click();
            QVERIFY(seen);
            QVERIFY(!QApplication::activeModalWidget());
            const QUrl page(QString::fromLatin1(kMakerWebPage));
            QCOMPARE(opened.size(), 3);
            QCOMPARE(opened[0], page);
            QCOMPARE(opened[2], page);
            QCOMPARE(opened[1].scheme(), u("mailto"));
            QCOMPARE(opened[1].path(), QString::fromLatin1(kMakerEmail));
            QCOMPARE(QUrlQuery(opened[1]).queryItemValue(u("subject"), QUrl::FullyDecoded), u("[Lexigrille 0.1] "));
        }
    }

    // A report that arrives while a grid is being made waits for it: no question (nor a save question) in its middle.
    void theUpdateReportWaitsForTheGeneration()
    {
        OneRequestServer server(Http("200 OK", "9.9"));
        UpdateChecker& check = window->updates();
        check.SetUrl(server.Url());
        check.SetTimeoutMs(3000);
        bool askedWhileBusy = false;
        prompter.whileAsking = [&] { askedWhileBusy = askedWhileBusy || window->busy().Busy(); };
        prompter.answers = { Answer::Ok, Answer::No };
        PrepareEndlessFillIn(800);
        QSignalSpy finished(&check, &UpdateChecker::finished);
        bool replied = false;
        QTimer::singleShot(20, this, [&] { check.Start(false); });
        QTimer::singleShot(600, this, [&] { replied = !check.Running(); });
        window->findChild<QPushButton*>(u("cmdGenerer"))->click();
        QVERIFY(replied);
        // Only the generation's own explanation, once it has ended.
        QCOMPARE(prompter.asked.size(), 1);
        QCOMPARE(prompter.asked[0].kind, MessageKind::Warning);
        QVERIFY(finished.wait(3000));
        QVERIFY(!askedWhileBusy);
        QCOMPARE(prompter.asked.size(), 2);
        QCOMPARE(prompter.asked[1].kind, MessageKind::Offer);
    }

    // A second launch hands its document to the first; the first one's end, or crash, frees the place.
    void singleInstance()
    {
        QTemporaryDir runtime;
        const QString key = u("lexigrille-essai");
        auto first = std::make_unique<SingleInstance>(runtime.path(), key);
        QVERIFY(first->Claim());
        connect(first.get(), &SingleInstance::launched, window.get(), &MainWindow::OpenFromOtherLaunch);

        const QString path = folder.filePath(u("Mes fiches.lxg"));
        QVERIFY(window->actions().SaveTo(path).done());
        window->actions().New();
        QVERIFY(doc->DocumentName().isEmpty());
        // However long the first one has run.
        QFile held(runtime.filePath(key + u(".lock")));
        QVERIFY(held.open(QIODevice::ReadOnly));
        QVERIFY(held.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
        held.close();
        SingleInstance second(runtime.path(), key);
        QVERIFY(!second.Claim());
        QSignalSpy launched(first.get(), &SingleInstance::launched);
        // The second launch is another program: it hands over while this one's event loop runs (a Windows pipe's write waits for its reader).
        auto forwarded = std::async(std::launch::async, [&] { return second.Forward({ path }); });
        QVERIFY(launched.wait(5000));
        QCOMPARE(forwarded.get(), SingleInstance::Handover::Handed);
        QCOMPARE(launched.at(0).at(0).toStringList(), QStringList { path });
        QTRY_COMPARE(doc->DocumentName(), u("Mes fiches.lxg"));
        QCOMPARE(doc->DocumentPath(), path);
        QVERIFY(prompter.asked.isEmpty());
        first.reset();
        QVERIFY(SingleInstance(runtime.path(), key).Claim());
        // The lock of a program that crashed: no process has its number (above any pid_max).
        const QString probePath = runtime.filePath(u("probe.lock"));
        {
            QLockFile probe(probePath);
            QVERIFY(probe.tryLock());
            QList<QByteArray> lines = test::ReadAll(probePath).split('\n');
            lines[0] = "2147483647";
            const QString stale = runtime.filePath(key + u(".lock"));
            QCOMPARE(test::WriteBytes(stale, lines.join('\n')), stale);
        }
        SingleInstance afterCrash(runtime.path(), key);
        QVERIFY(afterCrash.Claim());
        QVERIFY(!SingleInstance(runtime.path(), key).Claim());
        // A lock that names a running program which does not listen (a restarted Windows gives the new launch the
        // number of the one killed): the launch finds nobody to hand over to, and takes the place.
        const QString orphan = u("lexigrille-orphelin");
        QCOMPARE(test::WriteBytes(runtime.filePath(orphan + u(".lock")), test::ReadAll(runtime.filePath(key + u(".lock")))),
                 runtime.filePath(orphan + u(".lock")));
        SingleInstance restarted(runtime.path(), orphan);
        QVERIFY(!restarted.Claim());
        QCOMPARE(restarted.Forward({}, 200), SingleInstance::Handover::NoInstance);
        QVERIFY(restarted.TakeOver());
        QVERIFY(!SingleInstance(runtime.path(), orphan).Claim());
    }
};

QTEST_MAIN(AppShellTest)
#include "test_app_shell.moc"

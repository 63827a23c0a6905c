#include "MainFixture.h"
#include "texts/DfcfPage.h"
#include "texts/DfcfWindow.h"
#include "texts/TextsMenu.h"

#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTextBrowser>

namespace {

// Nothing listens on the discard port of this machine: the connection is refused at once, as
// good as no network, without waiting for a name look-up to time out.
const QUrl kUnreachable(QStringLiteral("http://127.0.0.1:9/WEB/listdept.htm"));

QString unreachable(const QUrl& address, const char* cause)
{
    return "La liste DFCF n'a pas pu être atteinte.\nAdresse : " + address.toString() + "\nCause : " + cause
        + ".\nVérifiez la connexion à Internet, puis fermez cette fenêtre et rouvrez-la pour réessayer.";
}

// A web server of one kind: every request gets the page registered for its path, or a 404.
using Pages = QMap<QByteArray, QPair<QByteArray, QByteArray>>; // path -> (content type, body)
void serve(QTcpServer& server, const Pages& pages)
{
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server, pages] {
        while (QTcpSocket* socket = server.nextPendingConnection())
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, pages] {
                const auto [type, body] = pages.value(socket->readAll().split(' ').value(1));
                socket->write(type.isEmpty()
                        ? QByteArray("HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n")
                        : "HTTP/1.0 200 OK\r\nContent-Type: " + type
                            + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
                socket->disconnectFromHost();
            });
    });
}

struct DfcfFixture : MainFixture
{
    DfcfFixture()
    {
        setStation("F6ABC", "45000");
        start();
    }
    DfcfWindow* open(const QUrl& address)
    {
        main->findChild<TextsMenu*>()->setDfcfAddress(address);
        QTest::mouseClick(button("Liste_DFCF"), Qt::LeftButton);
        return main->findChild<DfcfWindow*>(QStringLiteral("Liste_DFCF1"));
    }
};

QString shown(const DfcfWindow* window)
{
    return window->findChild<QTextBrowser*>(QStringLiteral("WebBrowser1"))->toPlainText();
}

} // namespace

class TestDfcf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A charset named in the header or in the page is met by the page test below.
    void decodePage_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QString>("text");

        QTest::newRow("quoted charset in the header")
            << QByteArray("Ch\xC3\xA2teaux") << QByteArray("text/html; charset=\"utf-8\"") << "Châteaux";
        QTest::newRow("nothing named: Windows-1252")
            << QByteArray("l\222Eure \340 \200") << QByteArray("text/html") << "l’Eure à €";
        QTest::newRow("unknown charset: Windows-1252")
            << QByteArray("Ch\xE2teaux") << QByteArray("text/html; charset=x-unheard-of") << "Châteaux";
    }

    void decodePage()
    {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, contentType);
        QTEST(::decodePage(body, contentType), "text");
    }

    // Without network the window opens, says so in French and closes; the next opening tries again.
    void withoutNetwork()
    {
        DfcfFixture f;
        QPointer<DfcfWindow> window = f.open(kUnreachable);
        QVERIFY(window && window->isVisible() && window->isWindow());
        QCOMPARE(window->windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(shown(window),
            QString("Chargement de la liste DFCF depuis http://127.0.0.1:9/WEB/listdept.htm…"));
        const QString refused = unreachable(kUnreachable, "connexion refusée par le serveur");
        QTRY_COMPARE_WITH_TIMEOUT(shown(window), refused, 10000);
        QVERIFY(f.fake.messages.shown.isEmpty());

        window->close();
        QTRY_VERIFY(!window);
        window = f.open(kUnreachable);
        QVERIFY(window && shown(window).startsWith(QString("Chargement")));
        QTRY_COMPARE_WITH_TIMEOUT(shown(window), refused, 10000);

        if (window->logicalDpiY() != 96)
            QSKIP("sizes below are worked out for 96 dots per inch");
        // 14100 by 5415 twips; 1500 twips (100 pixels) below the centre of the 1600 by 1200 screen.
        QCOMPARE(window->size(), QSize(940, 361));
        QCOMPARE(window->pos(), QPoint((1600 - 940) / 2, (1200 - 361 + 200) / 2));
    }

    // Links of the page are followed in the same window, relative to the page's address.
    void pageAndLinks()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        serve(server,
            {{"/WEB/listdept.htm",
                 {"text/html",
                     "<meta charset=\"utf-8\"><h1>R\303\251f\303\251rences DFCF</h1>"
                     "<a href=\"dept45.htm\">Loiret</a>"}},
                {"/WEB/dept45.htm", {"text/html; charset=utf-8", "<p>Ch\xC3\xA2teau de Sully : 45050</p>"}}});

        DfcfFixture f;
        const QString site = QString("http://127.0.0.1:%1/WEB/").arg(server.serverPort());
        DfcfWindow* window = f.open(QUrl(site + "listdept.htm"));
        QTRY_COMPARE_WITH_TIMEOUT(shown(window), QString("Références DFCF\nLoiret"), 10000);
        auto* browser = window->findChild<QTextBrowser*>("WebBrowser1");
        Q_EMIT browser->anchorClicked(QUrl("dept45.htm"));
        QTRY_COMPARE_WITH_TIMEOUT(shown(window), QString("Château de Sully : 45050"), 10000);
        QCOMPARE(window->address(), QUrl(site + "dept45.htm"));

        Q_EMIT browser->anchorClicked(QUrl("dept99.htm"));
        QTRY_COMPARE_WITH_TIMEOUT(shown(window),
            unreachable(QUrl(site + "dept99.htm"), "la page n'existe pas sur le serveur (erreur 404)"),
            10000);
    }
};

QTEST_MAIN(TestDfcf)
#include "tst_dfcf.moc"

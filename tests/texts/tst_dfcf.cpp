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
const QString kUnreachableSite = QStringLiteral("http://127.0.0.1:9");
const QUrl kUnreachable(QStringLiteral("http://127.0.0.1:9/WEB/listdept.htm"));

QString unreachable(const QUrl& address, const char* cause)
{
    return "La liste DFCF n'a pas pu être atteinte.\nAdresse : " + address.toString() + "\nCause : " + cause
        + ".\nVérifiez la connexion à Internet, puis fermez cette fenêtre et rouvrez-la pour réessayer. "
          "Si le site de la liste a changé d'adresse, écrivez la nouvelle dans le réglage « Adresse DFCF » "
          "(voir le mode d'emploi).";
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
    // Opens the list from a site, as the user sets it in the settings.
    DfcfWindow* open(const QString& site)
    {
        fake.settings.write("Setup ", "Adresse DFCF", site);
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

        const auto row = [](const char* name, const QByteArray& body, const char* type, const QString& text) {
            QTest::newRow(name) << body << QByteArray(type) << text;
        };
        row("quoted charset in the header", "Ch\xC3\xA2teaux", "text/html; charset=\"utf-8\"", "Châteaux");
        row("nothing named: Windows-1252", "l\222Eure \340 \200", "text/html", "l’Eure à €");
        row("unknown charset: Windows-1252", "Ch\xE2teaux", "text/html; charset=x-unheard-of", "Châteaux");
        // Read with the program's own table, as browsers read Latin-1 pages.
        row("windows-1252 in the header", "l\222Eure \200 \201", "text/html; charset=windows-1252",
            "l’Eure € \u0081");
        row("ISO-8859-1 in the header read as Windows-1252", "l\222Eure \340 \200",
            "text/html; charset=ISO-8859-1", "l’Eure à €");
        row("Latin-1 in the page read as Windows-1252", "<meta charset='iso-8859-1'>l\222Eure", "text/html",
            "<meta charset='iso-8859-1'>l’Eure");
        const char* const httpEquiv
            = "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
        row("Windows-1252 in an http-equiv tag", httpEquiv + QByteArray("\200"), "text/html",
            QString(httpEquiv) + "€");
    }

    void decodePage()
    {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, contentType);
        QTEST(::decodePage(body, contentType), "text");
    }

    // The site is a setting, written with the award manager's site at the first start; the page
    // keeps its path whatever the user writes.
    void addressIsASetting_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("address");
        QTest::newRow("as written at the first start") << "http://www.diplomes-quelvar.fr"
                                                       << "http://www.diplomes-quelvar.fr/WEB/listdept.htm";
        QTest::newRow("another site, a port, a slash") << " https://dfcf.example.org:8080/ "
                                                       << "https://dfcf.example.org:8080/WEB/listdept.htm";
        QTest::newRow("no scheme") << "dfcf.example.org"
                                   << "http://dfcf.example.org/WEB/listdept.htm";
        QTest::newRow("emptied: the award manager's site")
            << ""
            << "http://www.diplomes-quelvar.fr/WEB/listdept.htm";
    }

    void addressIsASetting()
    {
        QFETCH(QString, site);
        QTEST(dfcfListUrl(site).toString(), "address");
    }

    // The start writes the address only when the settings have none (the main window's start-up
    // test sees it written): the user's own address stays.
    void startKeepsTheUsersAddress()
    {
        MainFixture f;
        f.setStation("F6ABC", "45000");
        f.fake.settings.write("Setup ", "Adresse DFCF", "dfcf.example.org");
        f.fake.settings.writes.clear();
        f.start();
        QCOMPARE(f.fake.settings.value("Setup ", "Adresse DFCF"), QStringLiteral("dfcf.example.org"));
        QVERIFY(f.fake.settings.writes.filter("Adresse").isEmpty());
    }

    // Without network the window opens, says so in French with the address tried, and closes; the
    // next opening tries again.
    void withoutNetwork()
    {
        DfcfFixture f;
        QPointer<DfcfWindow> window = f.open(kUnreachableSite);
        QVERIFY(window && window->isVisible() && window->isWindow());
        QCOMPARE(shown(window),
            QString("Chargement de la liste DFCF depuis http://127.0.0.1:9/WEB/listdept.htm…"));
        const QString refused = unreachable(kUnreachable, "connexion refusée par le serveur");
        QTRY_COMPARE_WITH_TIMEOUT(shown(window), refused, 10000);
        QVERIFY(f.fake.messages.shown.isEmpty());

        window->close();
        QTRY_VERIFY(!window);
        window = f.open(kUnreachableSite);
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
        DfcfWindow* window = f.open(QString("127.0.0.1:%1").arg(server.serverPort()));
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

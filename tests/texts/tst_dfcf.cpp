#include "MainFixture.h"
#include "texts/DfcfPage.h"
#include "texts/DfcfWindow.h"
#include "texts/TextsMenu.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTextBrowser>

namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// Nothing listens on the discard port of this machine: the connection is refused at once, as
// good as no network, without waiting for a name look-up to time out.
const QUrl kUnreachable(QStringLiteral("http://127.0.0.1:9/WEB/listdept.htm"));

// A web server of one kind: every request gets the page registered for its path, or a 404.
class TinyWebServer : public QTcpServer
{
public:
    TinyWebServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray request = socket->readAll();
                    const QByteArray path = request.split(' ').value(1);
                    const auto page = pages.constFind(path);
                    socket->write(page == pages.cend()
                            ? QByteArray("HTTP/1.0 404 Not Found\r\nContent-Length: 0\r\n\r\n")
                            : "HTTP/1.0 200 OK\r\nContent-Type: " + page->first + "\r\nContent-Length: "
                                + QByteArray::number(page->second.size()) + "\r\n\r\n" + page->second);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QUrl url(const char* path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(QLatin1String(path)));
    }
    // path -> (content type, body)
    QMap<QByteArray, QPair<QByteArray, QByteArray>> pages;
};

struct DfcfFixture : MainFixture
{
    DfcfFixture() { setStation("F6ABC", "45000"); }
    DfcfWindow* open(const QUrl& address)
    {
        main->findChild<TextsMenu*>()->setDfcfAddress(address);
        QTest::mouseClick(button("Liste_DFCF"), Qt::LeftButton);
        return main->findChild<DfcfWindow*>(QStringLiteral("Liste_DFCF1"));
    }
    static QString shown(const DfcfWindow* window)
    {
        return window->findChild<QTextBrowser*>(QStringLiteral("WebBrowser1"))->toPlainText();
    }
};

} // namespace

class TestDfcf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodePage_data();
    void decodePage();
    void withoutNetwork();
    void placement();
    void pageAndLinks();
    void pageNotFound();
};

void TestDfcf::decodePage_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QString>("text");

    QTest::newRow("charset in the header")
        << QByteArray("Ch\xE2teaux") << QByteArray("text/html; charset=ISO-8859-1") << u("Châteaux");
    QTest::newRow("quoted charset in the header")
        << QByteArray("Ch\xC3\xA2teaux") << QByteArray("text/html; charset=\"utf-8\"") << u("Châteaux");
    QTest::newRow("charset in the page") << QByteArray("<meta charset=\"utf-8\">Ch\xC3\xA2teaux")
                                         << QByteArray("text/html") << u("<meta charset=\"utf-8\">Châteaux");
    QTest::newRow("nothing named: Windows-1252") << QByteArray("l\x92"
                                                               "Eure \xE0 \x80")
                                                 << QByteArray("text/html") << u("l’Eure à €");
    QTest::newRow("unknown charset: Windows-1252")
        << QByteArray("Ch\xE2teaux") << QByteArray("text/html; charset=x-unheard-of") << u("Châteaux");
}

void TestDfcf::decodePage()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, contentType);
    QTEST(::decodePage(body, contentType), "text");
}

void TestDfcf::withoutNetwork()
{
    DfcfFixture f;
    f.start();
    QVERIFY(f.button("Liste_DFCF")->isEnabled());
    QPointer<DfcfWindow> window = f.open(kUnreachable);
    QVERIFY(window && window->isVisible() && window->isWindow());
    QCOMPARE(window->windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(DfcfFixture::shown(window),
        u("Chargement de la liste DFCF depuis http://127.0.0.1:9/WEB/listdept.htm…"));

    const QString unreachable
        = u("La liste DFCF n'a pas pu être atteinte.\n"
            "Adresse : http://127.0.0.1:9/WEB/listdept.htm\n"
            "Cause : connexion refusée par le serveur.\n"
            "Vérifiez la connexion à Internet, puis fermez cette fenêtre et rouvrez-la pour "
            "réessayer.");
    QTRY_COMPARE_WITH_TIMEOUT(DfcfFixture::shown(window), unreachable, 10000);
    QVERIFY(f.fake.messages.shown.isEmpty());

    window->close();
    QTRY_VERIFY(!window);

    // The next opening builds the window afresh and tries again.
    window = f.open(kUnreachable);
    QVERIFY(window);
    QVERIFY(DfcfFixture::shown(window).startsWith(u("Chargement")));
    QTRY_COMPARE_WITH_TIMEOUT(DfcfFixture::shown(window), unreachable, 10000);
}

void TestDfcf::placement()
{
    DfcfFixture f;
    f.start();
    DfcfWindow* window = f.open(kUnreachable);
    if (window->logicalDpiY() != 96)
        QSKIP("sizes below are worked out for 96 dots per inch");
    // 14100 by 5415 twips; 1500 twips (100 pixels) below the centre of the 1600 by 1200 screen.
    QCOMPARE(window->size(), QSize(940, 361));
    QCOMPARE(window->pos(), QPoint((1600 - 940) / 2, (1200 - 361 + 200) / 2));
}

void TestDfcf::pageAndLinks()
{
    TinyWebServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    server.pages.insert("/WEB/listdept.htm",
        {"text/html",
            "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
            "</head><body><h1>R\xE9"
            "f\xE9rences DFCF</h1><a href=\"dept45.htm\">Loiret</a></body></html>"});
    server.pages.insert(
        "/WEB/dept45.htm", {"text/html; charset=utf-8", "<p>Ch\xC3\xA2teau de Sully : 45050</p>"});

    DfcfFixture f;
    f.start();
    DfcfWindow* window = f.open(server.url("/WEB/listdept.htm"));
    QTRY_COMPARE_WITH_TIMEOUT(DfcfFixture::shown(window), u("Références DFCF\nLoiret"), 10000);

    // A link of the page is followed in the same window, relative to the page's address.
    auto* browser = window->findChild<QTextBrowser*>("WebBrowser1");
    Q_EMIT browser->anchorClicked(QUrl("dept45.htm"));
    QTRY_COMPARE_WITH_TIMEOUT(DfcfFixture::shown(window), u("Château de Sully : 45050"), 10000);
    QCOMPARE(window->address(), server.url("/WEB/dept45.htm"));
}

void TestDfcf::pageNotFound()
{
    TinyWebServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    DfcfFixture f;
    f.start();
    DfcfWindow* window = f.open(server.url("/WEB/listdept.htm"));
    QSignalSpy settled(window, &DfcfWindow::settled);
    QVERIFY(settled.wait(10000));
    QVERIFY2(
        DfcfFixture::shown(window).contains(u("Cause : la page n'existe pas sur le serveur (erreur 404).")),
        qPrintable(DfcfFixture::shown(window)));
}

QTEST_MAIN(TestDfcf)
#include "tst_dfcf.moc"

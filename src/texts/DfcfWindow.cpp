#include "texts/DfcfWindow.h"

#include "widgets/SecondaryWindows.h"
#include "texts/DfcfPage.h"
#include "ui_DfcfWindow.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {
// The window keeps the size it has always had, 14100 by 5415 twips, all of it for the page.
constexpr int kWidthTwips = 14100;
constexpr int kHeightTwips = 5415;
// It sits 1500 twips below the centred position.
constexpr int kLowerTwips = 3000;
// A server that accepts the connection and then says nothing must not keep the page waiting.
constexpr int kTransferTimeoutMs = 30000;
} // namespace

QString networkFailureReason(const QNetworkReply& reply)
{
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("connexion refusée par le serveur");
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("connexion fermée par le serveur");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("serveur introuvable, l'ordinateur n'est peut-être pas relié à Internet");
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        return QStringLiteral("le serveur ne répond pas");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("connexion sécurisée impossible");
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::BackgroundRequestNotAllowedError:
        return QStringLiteral("réseau indisponible");
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return QStringLiteral("le serveur mandataire (proxy) ne répond pas");
    case QNetworkReply::ContentNotFoundError:
        return QStringLiteral("la page n'existe pas sur le serveur (erreur 404)");
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
        return QStringLiteral("le serveur renvoie vers une adresse refusée");
    default:
        break;
    }
    if (status >= 400)
        return QStringLiteral("le serveur a répondu par l'erreur %1").arg(status);
    return QStringLiteral("erreur de réseau");
}

DfcfWindow::DfcfWindow(const QUrl& address, const Screen& screen, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_ui(std::make_unique<Ui::Liste_DFCF1>())
    , m_network(new QNetworkAccessManager(this))
{
    m_ui->setupUi(this);
    connect(m_ui->WebBrowser1, &QTextBrowser::anchorClicked, this, &DfcfWindow::followLink);
    resize(twipsToPixels(*this, kWidthTwips), twipsToPixels(*this, kHeightTwips));
    placeCentred(*this, screen, kLowerTwips);
    load(address);
}

// The transfer manager is a child of the window: destroying it aborts whatever is still running.
DfcfWindow::~DfcfWindow() = default;

void DfcfWindow::load(const QUrl& address)
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    m_address = address;
    m_ui->WebBrowser1->setHtml(dfcfLoadingHtml(address));

    QNetworkRequest request(address);
    request.setTransferTimeout(kTransferTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(QNetworkRequest::UserAgentHeader,
        QStringLiteral("Kerlanic/%1").arg(QCoreApplication::applicationVersion()));
    QNetworkReply* reply = m_network->get(request);
    m_reply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { pageArrived(reply); });
}

void DfcfWindow::pageArrived(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply != m_reply)
        return;
    m_reply = nullptr;
    QTextBrowser& browser = *m_ui->WebBrowser1;
    if (reply->error() != QNetworkReply::NoError) {
        browser.setHtml(dfcfUnreachableHtml(m_address, networkFailureReason(*reply)));
    } else {
        m_address = reply->url();
        const QByteArray contentType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
        const QString page = decodePage(reply->readAll(), contentType);
        // Links and pictures of the page are named relative to its own address.
        browser.document()->setBaseUrl(m_address);
        if (contentType.toLower().startsWith("text/plain"))
            browser.setPlainText(page);
        else
            browser.setHtml(page);
    }
    Q_EMIT settled();
}

void DfcfWindow::followLink(const QUrl& link)
{
    const QUrl target = m_address.resolved(link);
    const bool samePage = target.adjusted(QUrl::RemoveFragment) == m_address.adjusted(QUrl::RemoveFragment);
    if (samePage && target.hasFragment()) {
        m_ui->WebBrowser1->scrollToAnchor(target.fragment());
        return;
    }
    if (target.scheme() == QLatin1String("http") || target.scheme() == QLatin1String("https"))
        load(target);
}

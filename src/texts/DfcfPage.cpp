#include "texts/DfcfPage.h"

#include "log/Cp1252.h"

#include <QStringDecoder>

namespace {

// The charset named by a Content-Type header ("text/html; charset=ISO-8859-1"), or empty.
QByteArray headerCharset(const QByteArray& contentType)
{
    for (const QByteArray& part : contentType.split(';')) {
        const QByteArray item = part.trimmed();
        if (item.toLower().startsWith("charset=")) {
            QByteArray name = item.mid(8).trimmed();
            if (name.size() >= 2 && (name.startsWith('"') || name.startsWith('\'')))
                name = name.mid(1, name.size() - 2);
            return name;
        }
    }
    return {};
}

bool hasByteOrderMark(const QByteArray& body)
{
    return body.startsWith("\xEF\xBB\xBF") || body.startsWith("\xFF\xFE") || body.startsWith("\xFE\xFF");
}

bool namesCharsetInMeta(const QByteArray& body)
{
    return body.left(2048).toLower().contains("charset");
}

} // namespace

QString decodePage(const QByteArray& body, const QByteArray& contentType)
{
    const QByteArray named = headerCharset(contentType);
    if (!named.isEmpty()) {
        QStringDecoder decoder(named.constData());
        if (decoder.isValid())
            return decoder.decode(body);
    }
    if (hasByteOrderMark(body) || namesCharsetInMeta(body)) {
        QStringDecoder decoder = QStringDecoder::decoderForHtml(body);
        if (decoder.isValid())
            return decoder.decode(body);
    }
    return Cp1252::decode(body);
}

QString dfcfLoadingHtml(const QUrl& url)
{
    return QStringLiteral("<p>Chargement de la liste DFCF depuis %1…</p>")
        .arg(url.toDisplayString().toHtmlEscaped());
}

QString dfcfUnreachableHtml(const QUrl& url, const QString& reason)
{
    return QStringLiteral("<h3>La liste DFCF n'a pas pu être atteinte.</h3>"
                          "<p>Adresse : %1<br>Cause : %2.</p>"
                          "<p>Vérifiez la connexion à Internet, puis fermez cette fenêtre et rouvrez-la "
                          "pour réessayer.</p>")
        .arg(url.toDisplayString().toHtmlEscaped(), reason.toHtmlEscaped());
}

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

// The charset a page names in its <meta> tag (charset="windows-1252", or the content of an
// http-equiv tag), or empty.
QByteArray metaCharset(const QByteArray& body)
{
    const QByteArray head = body.left(2048).toLower();
    const qsizetype at = head.indexOf("charset");
    if (at < 0)
        return {};
    qsizetype i = at + 7;
    while (i < head.size() && (head[i] == ' ' || head[i] == '=' || head[i] == '"' || head[i] == '\''))
        ++i;
    const qsizetype start = i;
    while (i < head.size()
        && (QChar::isLetterOrNumber(uchar(head[i])) || QByteArrayView("-_.:").contains(head[i])))
        ++i;
    return head.mid(start, i - start);
}

// The names under which pages announce Windows-1252. Browsers read Latin-1 and ASCII pages as
// Windows-1252 too, as their authors meant: the quotes and the euro sign at 0x80-0x9F. They are
// read with the program's own table, which every build of Qt has.
bool namesWindows1252(const QByteArray& charset)
{
    static const char* const names[]
        = {"windows-1252", "cp1252", "x-cp1252", "iso-8859-1", "iso8859-1", "iso_8859-1", "iso_8859-1:1987",
            "iso88591", "latin1", "l1", "cp819", "ibm819", "iso-ir-100", "csisolatin1", "us-ascii", "ascii"};
    const QByteArray name = charset.trimmed().toLower();
    for (const char* known : names) {
        if (name == known)
            return true;
    }
    return false;
}

} // namespace

QString decodePage(const QByteArray& body, const QByteArray& contentType)
{
    const QByteArray named = headerCharset(contentType);
    if (namesWindows1252(named))
        return Cp1252::decode(body);
    if (!named.isEmpty()) {
        QStringDecoder decoder(named.constData());
        if (decoder.isValid())
            return decoder.decode(body);
    }
    if (!hasByteOrderMark(body) && namesWindows1252(metaCharset(body)))
        return Cp1252::decode(body);
    if (hasByteOrderMark(body) || namesCharsetInMeta(body)) {
        QStringDecoder decoder = QStringDecoder::decoderForHtml(body);
        if (decoder.isValid())
            return decoder.decode(body);
    }
    return Cp1252::decode(body);
}

QUrl dfcfListUrl(const QString& host)
{
    QString site = host.trimmed();
    if (site.isEmpty())
        site = kDfcfHost;
    if (!site.contains(QLatin1String("://")))
        site.prepend(QLatin1String("http://"));
    while (site.endsWith(u'/'))
        site.chop(1);
    return QUrl(site + kDfcfListPath);
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
                          "pour réessayer. Si le site de la liste a changé d'adresse, écrivez la nouvelle "
                          "dans le réglage « Adresse DFCF » (voir le mode d'emploi).</p>")
        .arg(url.toDisplayString().toHtmlEscaped(), reason.toHtmlEscaped());
}

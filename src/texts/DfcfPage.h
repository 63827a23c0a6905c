#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// The DFCF reference list, by département, on the award manager's web site. The site is the
// user's to set ("Adresse DFCF" in the settings), the page keeps its path.
inline const QString kDfcfHost = QStringLiteral("http://www.diplomes-quelvar.fr");
inline const QString kDfcfListPath = QStringLiteral("/WEB/listdept.htm");

// The list's address on a site written as a user would write it: "http://site.fr",
// "site.fr/", "https://site.fr:8080". An empty setting gives the award manager's site.
QUrl dfcfListUrl(const QString& host = kDfcfHost);

// The text of a fetched page. The charset comes from the Content-Type header, else from a byte
// order mark or the page's own <meta> tag; a page that names none is taken as Windows-1252, the
// usual form of older French pages (it reads plain Latin-1 correctly too). Windows-1252 and its
// Latin-1 aliases are read with the program's own table, the same on every build of Qt.
QString decodePage(const QByteArray& body, const QByteArray& contentType);

// What the window shows while the page loads, and when it could not be reached (reason is a
// short French cause, "connexion refusée par le serveur").
QString dfcfLoadingHtml(const QUrl& url);
QString dfcfUnreachableHtml(const QUrl& url, const QString& reason);

#pragma once

#include <QString>
#include <QStringList>

// The choices offered in the band and mode lists of the entry row, in list-index order: the
// settings store the index of the last one used.
inline const QStringList kBands {
    QStringLiteral("1.8 Mhz"),
    QStringLiteral("3.5 Mhz"),
    QStringLiteral("7.0 Mhz"),
    QStringLiteral("10 Mhz"),
    QStringLiteral("14 Mhz"),
    QStringLiteral("18 Mhz"),
    QStringLiteral("21 Mhz"),
    QStringLiteral("24 Mhz"),
    QStringLiteral("28 Mhz"),
    QStringLiteral("50 Mhz"),
    QStringLiteral("144 Mhz"),
    QStringLiteral("432 Mhz"),
    QStringLiteral("1.3 Ghz"),
    QStringLiteral("2.3 Ghz"),
    QStringLiteral("5.7 Ghz"),
    QStringLiteral("10 Ghz"),
    QStringLiteral("24 Ghz"),
};
inline const QStringList kModes {
    QStringLiteral("SSB"), QStringLiteral("CW"), QStringLiteral("FM"), QStringLiteral("PSK31")};

// Shown at start-up, and on every key of the postal-code field, while no station is set up.
inline QString firstInstallationMessage()
{
    return QStringLiteral(
        "\r\n  Premiere installation, vous devez entrer votre Indicatif et votre N° de Code Postal"
        "\r\n\r\n    Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.");
}

#include "app/Revision.h"

QString versionHistory()
{
    static const char* const lines[] = {
        "V1.0.0   le 19/12/2005 creation",
        "V1.0.1   le 23/12/2005 Ajout saisie DFCF pour le challenge 10 millions",
        "V1.0.2   le 27/12/2005 Ajout calcul des points pour le challenge 10 millions",
        "V1.0.3   le 27/12/2005 Suppression selection par le mode",
        "V1.0.4   le 01/01/2006 Ajout gestion des dpt 2a et 2b",
        "V1.0.5   le 15/01/2006 Gestion automatique de l'imprimante",
        "V1.0.6   le 15/01/2006 Ajout fichier help",
        "V1.0.7   le 23/01/2006 Correction total points si >25 CP par dpt",
        "V1.0.8   le 26/01/2006 Ajout programme de recherche CP ou commune de Vandrel",
        "V1.0.9   le 30/01/2006 Ajout gestion du diplome des Villes de France",
        "V1.1.0   le 07/05/2008 Ajout acces liste DFCF ",
    };
    QString text;
    for (const char* line : lines)
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

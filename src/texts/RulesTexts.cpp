#include "texts/RulesTexts.h"

namespace {

QStringList fromUtf8(std::initializer_list<const char*> lines)
{
    QStringList list;
    list.reserve(qsizetype(lines.size()));
    for (const char* line : lines)
        list << QString::fromUtf8(line);
    return list;
}

} // namespace

QStringList reglement10Millions()
{
    return fromUtf8({
        "                          DIPLOME 10 MILLIONS",
        "",
        "Le but est de totaliser 10 millions de points avec les codes postaux des stations françaises",
        "pour le diplôme de base, 50 millions pour le trophée.",
        "",
        "Ceux ci sont indiqués sur les cartes QSL qui doivent être en votre possession.",
        "Les QSL e-mail et e-qsl sont également acceptés.",
        "",
        "Un bonus de 10% est accordé pour les références DFCF . Ce bonus est cumulable a celui du code",
        "postal lorsqu'il est indiqué sur la QSL de l'activité.",
        "Ce peut être le code postal personnel de l'adresse de l'activeur. (Il ne sera compté qu'une seule "
        "fois).",
        "Par ex F5XXX/P DFCF 45050, ayant comme code postal perso 45000 comptera:",
        "CP = 45000 DFCF 45050 = Bonus 4505 Total 49505 points.",
        "",
        "Le nombre de code postaux différents et références DFCF est limité à 25 par département.",
        "Les codes postaux des QSL SWL sont également valides.",
        "Date de départ le 01/01/1990 pour les stations françaises",
        "",
        "Toute demande sous forme de liste certifiée sera à faire parvenir accompagnée de 10 euros ",
        "au 10 Millions Manager.( 32 euros pour le Trophée 50 Millions).",
        "En cas de doute une ou plusieurs QSL pourront être demandées.",
        "",
        "10 Millions Manager, Quelvar",
        "12 rue des Goélands",
        "29900 Concarneau",
        "Email:  manager@diplomes-quelvar.fr",
    });
}

QStringList reglementDvf()
{
    return fromUtf8({
        "                          DIPLOME DES VILLES FRANCAISES",
        "",
        "Le DVF, Diplôme des Villes Françaises à été créé en 1986 dans le but d'encourager",
        "le trafic avec des stations radioamateurs des principales villes Françaises.",
        "Pour chaque département, la ville au plus grand nombre de licenciés a été sélectionnée.",
        "",
        "Pour être valide, une station doit avoir son QTH dans une ville de la liste DVF.",
        "Les cartes QSL des stations SWL dont le QTH est une des villes de la liste sont également valables.",
        "",
        "Le diplôme est attribué pour 5 classes.",
        "Classe III: Confirmations de 10 villes différentes.",
        "Classe II: Confirmations de 30 Villes différentes.",
        "Classe I: Confirmations de 50 Villes différentes.",
        "Classe Excellence: Confirmations de 70 Villes différentes.",
        "Classe Honneur: Confirmations de 90 Villes différentes.",
        "",
        "Tous contacts réalisés aprés le 1er janvier 1968 comptent pour le diplôme. ",
        "Une liste des QSL reçues certifiée par 2 OM ou un président de RC sera a faire parvenir ",
        "accompagnée de 10 Euros au Diplôme Manager Quelvar.",
    });
}

#include "entry/FieldChecks.h"

#include "log/Cp1252.h"

#include <QStringView>

#include <algorithm>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Characters as the user counts them: a character outside the basic plane (an emoji) is one.
qsizetype length(const QString& text)
{
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()))
            ++n;
    }
    return n;
}

// The rules of each box, in the order they are tried.
QString breakRule(EntryField field, const QString& text)
{
    const qsizetype n = length(text);
    switch (field) {
    case EntryField::C_Postal_A:
        if (n == 0)
            return QStringLiteral("Entrez un numéro de Code Postal");
        if (n != 5)
            return QStringLiteral("Format du Code Postal 5 chiffres");
        break;
    case EntryField::Ville_A:
        if (n == 0)
            return QStringLiteral("Entrez un nom de Commune");
        if (n > 30)
            return QStringLiteral("Non de la Commune 30 chiffres maximum");
        break;
    case EntryField::DFCF_A:
        if (n != 0 && n != 5)
            return QStringLiteral("5 chiffres pour le N° du Chateau");
        break;
    case EntryField::Date_A:
        if (n == 0)
            return QStringLiteral("Entrez une date");
        if (n != 8)
            return QStringLiteral("Format de la date JJ/MM/AA");
        if (Verifie_Date(text) != 0)
            return QStringLiteral("Le format date doit etre JJ/MM/AA");
        break;
    case EntryField::Ind_A:
        if (n == 0)
            return QStringLiteral("Entrez un indicatif");
        if (n > 12)
            return QStringLiteral("12 caracteres maxi pour l'indicatif");
        break;
    case EntryField::Mode_A:
        if (n == 0)
            return QStringLiteral("Entrez un Mode");
        if (n > 6)
            return QStringLiteral("6 caracteres maxi pour l'indicatif");
        break;
    case EntryField::Bande_A:
        if (n == 0)
            return QStringLiteral("Entrez une Bande");
        if (n > 7)
            return QStringLiteral("7 caracteres maxi pour la Bande");
        break;
    case EntryField::QSLE_A:
        if (n == 0)
            return QStringLiteral("Entrez un X pour valider");
        if (n > 1)
            return QStringLiteral("1 caracteres maximum");
        if (text != QLatin1String("X"))
            return QStringLiteral("Caractere X seuleument");
        break;
    case EntryField::QSLR_A:
        if (n > 1)
            return QStringLiteral("1 caracteres maximum");
        if (n == 1 && text != QLatin1String("X"))
            return QStringLiteral("Caractere X seuleument");
        break;
    }
    return {};
}

} // namespace

int Verifie_Date(const QString& text)
{
    int result = 0;
    for (qsizetype i : {0, 1, 3, 4, 6, 7}) {
        if (i >= text.size() || !isDigit(text[i]))
            result = 1;
    }
    for (qsizetype i : {2, 5}) {
        if (i >= text.size() || text[i] != u'/')
            result = 1;
    }
    return result;
}

QString unstorableCharacterMessage(EntryField field, const QString& text)
{
    if (Cp1252::canEncode(text) && std::none_of(text.cbegin(), text.cend(), [](QChar c) {
            return c.unicode() < 0x20 || c.unicode() == 0x7f;
        }))
        return {};
    const QString correct
        = QStringLiteral("\r\nCorrigez le champ « ") + entryFieldHead(field) + QStringLiteral(" ».");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QStringLiteral("Un caractère invisible ne peut pas être enregistré dans le carnet.")
                + correct;
        const qsizetype width = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView character = QStringView(text).mid(i, width);
        if (!Cp1252::canEncode(character))
            return QStringLiteral("Le caractère « ") + character
                + QStringLiteral(" » ne peut pas être enregistré dans le carnet.") + correct;
        i += width - 1;
    }
    return {};
}

QString checkField(EntryField field, const QString& text)
{
    QString message = breakRule(field, text);
    if (message.isEmpty())
        message = unstorableCharacterMessage(field, text);
    return message;
}

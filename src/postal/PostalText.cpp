#include "postal/PostalText.h"

#include <QRegularExpression>

namespace PostalText {

namespace {

// Appends the comparison form of one character: its base letter without accent, in small
// letters; the ligatures as their two letters.
void appendFolded(QChar c, std::string& word)
{
    switch (c.unicode()) {
    case u'Œ':
    case u'œ':
        word += "oe";
        return;
    case u'Æ':
    case u'æ':
        word += "ae";
        return;
    case u'ß':
        word += "ss";
        return;
    default:
        break;
    }
    QChar base = c;
    if (c.decompositionTag() == QChar::Canonical) {
        const QString parts = c.decomposition();
        if (!parts.isEmpty())
            base = parts.front();
    }
    const char16_t lower = base.toLower().unicode();
    if (lower < 0x80) {
        word += char(lower);
    } else {
        // A letter without a plain Latin base: kept, so that it still only matches itself.
        word += QString(QChar(lower)).toStdString();
    }
}

} // namespace

std::vector<std::string> searchWords(QStringView text)
{
    std::vector<std::string> words;
    std::string word;
    for (const QChar c : text) {
        if (c.isLetterOrNumber()) {
            appendFolded(c, word);
        } else if (!word.empty()) {
            words.push_back(std::move(word));
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(std::move(word));
    return words;
}

std::string squeezed(const std::vector<std::string>& words, std::vector<int>* starts)
{
    std::string joined;
    for (const std::string& word : words) {
        if (starts)
            starts->push_back(int(joined.size()));
        joined += word;
    }
    return joined;
}

QString townCapitals(QStringView name)
{
    return name.toString().toUpper();
}

QString townEntryName(QStringView name)
{
    QString town = townCapitals(name);
    if (town.size() <= kMaxTownLength)
        return town;
    static const QRegularExpression saint(QStringLiteral("(^|[- '])SAINT(E?)(?=$|[- '])"));
    town.replace(saint, QStringLiteral("\\1ST\\2"));
    // "BORS (CANTON DE TUDE-ET-LAVALETTE)": the canton only tells apart two communes of one
    // name, which their postal codes already do.
    const qsizetype bracket = town.indexOf(QStringLiteral(" ("));
    if (town.size() > kMaxTownLength && bracket > 0)
        town.truncate(bracket);
    if (town.size() > kMaxTownLength) {
        town.truncate(kMaxTownLength);
        while (!town.isEmpty() && !town.back().isLetterOrNumber())
            town.chop(1);
    }
    return town;
}

} // namespace PostalText

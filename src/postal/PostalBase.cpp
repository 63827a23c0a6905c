#include "postal/PostalBase.h"

#include "postal/PostalText.h"

#include <QFile>

#include <algorithm>
#include <numeric>

namespace {

bool isPostalCode(QStringView code)
{
    return code.size() == 5 && std::all_of(code.begin(), code.end(), [](QChar c) { return c.isDigit(); });
}

bool allDigits(const std::string& word)
{
    return std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The log writes Corsican postal codes with their département in front: 2A000 is Ajaccio's
// 20000, 2B200 Bastia's 20200. Gives the postal code as La Poste writes it and the département
// the log's form names ("2A", "2B"), or an empty département for any other code.
std::pair<QString, QString> fromLogForm(QStringView code)
{
    if (code.size() >= 2 && code[0] == u'2' && (code[1].toUpper() == u'A' || code[1].toUpper() == u'B'))
        return {QStringLiteral("20") + code.mid(2), QStringLiteral("2") + code[1].toUpper()};
    return {code.toString(), QString()};
}

// The search words with Saint and Sainte for "st" and "ste", joined without breaks. While the
// last word is still being typed, "st" may also be the beginning of a name (Stenay), so it
// stands for both.
std::vector<std::string> searchForms(const std::vector<std::string>& words)
{
    std::vector<std::string> forms {std::string()};
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool last = i + 1 == words.size();
        std::vector<std::string> spellings;
        if (words[i] == "st" || words[i] == "ste") {
            spellings.push_back(words[i] == "st" ? "saint" : "sainte");
            if (last)
                spellings.push_back(words[i]);
        } else {
            spellings.push_back(words[i]);
        }
        std::vector<std::string> next;
        for (const std::string& form : forms) {
            for (const std::string& spelling : spellings) {
                if (next.size() < 16)
                    next.push_back(form + spelling);
            }
        }
        forms = std::move(next);
    }
    return forms;
}

} // namespace

const PostalBase& PostalBase::shipped()
{
    static const PostalBase base = [] {
        QFile file(QStringLiteral(":/postal/CodesPostaux.txt"));
        return file.open(QIODevice::ReadOnly) ? parse(file.readAll()) : PostalBase();
    }();
    return base;
}

PostalBase PostalBase::parse(QByteArrayView text)
{
    PostalBase base;
    const QString all = QString::fromUtf8(text);
    for (QStringView line : QStringView(all).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QList<QStringView> fields = line.split(u'\t');
        if (fields.size() == 3 && fields[0] == u"D" && !fields[1].isEmpty()) {
            base.m_departements.push_back({fields[1].toString(), fields[2].toString()});
            continue;
        }
        const QList<QStringView> codes = fields.size() == 2 ? fields[1].split(u' ') : QList<QStringView>();
        const bool readable = !base.m_departements.empty() && fields.size() == 2
            && !fields[0].trimmed().isEmpty() && !codes.isEmpty()
            && std::all_of(codes.begin(), codes.end(), isPostalCode);
        if (!readable) {
            ++base.m_rejectedLines;
            continue;
        }
        const int commune = int(base.m_communes.size());
        base.m_communes.push_back({fields[0].trimmed().toString(), int(base.m_departements.size()) - 1});
        for (const QStringView code : codes)
            base.m_entries.push_back({code.toString(), commune});
    }
    base.index();
    return base;
}

void PostalBase::index()
{
    m_keys.clear();
    m_communesByLetters.clear();
    m_keys.reserve(m_communes.size());
    // Alphabetical order of the names word by word, so that Saint-Denis-d'Aclon comes before
    // Saint-Deniscourt; the same name in several départements in département order.
    std::vector<std::string> sortKeys;
    sortKeys.reserve(m_communes.size());
    for (const Commune& c : m_communes) {
        const std::vector<std::string> words = PostalText::searchWords(c.name);
        SearchKey key;
        key.letters = PostalText::squeezed(words, &key.starts);
        m_communesByLetters[key.letters].push_back(int(m_keys.size()));
        m_keys.push_back(std::move(key));
        std::string sortKey;
        for (const std::string& word : words)
            sortKey += word + ' ';
        sortKeys.push_back(std::move(sortKey));
    }
    m_communesByName.resize(m_communes.size());
    std::iota(m_communesByName.begin(), m_communesByName.end(), 0);
    std::stable_sort(m_communesByName.begin(), m_communesByName.end(),
        [&](int a, int b) { return sortKeys[std::size_t(a)] < sortKeys[std::size_t(b)]; });
    std::vector<int> nameRank(m_communes.size());
    for (std::size_t i = 0; i < m_communesByName.size(); ++i)
        nameRank[std::size_t(m_communesByName[i])] = int(i);

    std::stable_sort(m_entries.begin(), m_entries.end(), [&](const Entry& a, const Entry& b) {
        if (a.postalCode != b.postalCode)
            return a.postalCode < b.postalCode;
        return nameRank[std::size_t(a.commune)] < nameRank[std::size_t(b.commune)];
    });
    m_entriesOfCommune.assign(m_communes.size(), {});
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        m_entriesOfCommune[std::size_t(m_entries[i].commune)].push_back(int(i));
}

qsizetype PostalBase::postalCodeCount() const
{
    qsizetype count = 0;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (i == 0 || m_entries[i].postalCode != m_entries[i - 1].postalCode)
            ++count;
    }
    return count;
}

std::pair<int, int> PostalBase::postalCodeRange(const QString& prefix) const
{
    const auto first = std::lower_bound(m_entries.begin(), m_entries.end(), prefix,
        [](const Entry& e, const QString& p) { return e.postalCode < p; });
    const auto last = std::partition_point(
        first, m_entries.end(), [&](const Entry& e) { return e.postalCode.startsWith(prefix); });
    return {int(first - m_entries.begin()), int(last - m_entries.begin())};
}

QStringList PostalBase::communesOf(QStringView postalCode) const
{
    const auto [code, corsica] = fromLogForm(postalCode.trimmed());
    QStringList names;
    if (!isPostalCode(code))
        return names;
    const auto [first, last] = postalCodeRange(code);
    for (int i = first; i < last; ++i) {
        const Entry& e = m_entries[std::size_t(i)];
        if (e.postalCode != code || (!corsica.isEmpty() && departementOf(e).code != corsica))
            continue;
        const QString& name = commune(e.commune).name;
        if (!names.contains(name))
            names << name;
    }
    return names;
}

QStringList PostalBase::townNamesOf(QStringView postalCode) const
{
    QStringList towns;
    for (const QString& name : communesOf(postalCode)) {
        const QString town = PostalText::townEntryName(name);
        if (!towns.contains(town))
            towns << town;
    }
    return towns;
}

std::vector<int> PostalBase::search(QStringView text) const
{
    QString digits;
    QString corsica;
    std::vector<std::string> words;
    for (const std::string& word : PostalText::searchWords(text)) {
        const QString w = QString::fromStdString(word);
        if (allDigits(word)) {
            digits += w;
        } else if (digits.isEmpty() && word.size() >= 2 && word[0] == '2'
            && (word[1] == 'a' || word[1] == 'b') && allDigits(word.substr(2))) {
            std::tie(digits, corsica) = fromLogForm(w);
        } else {
            words.push_back(word);
        }
    }

    const auto wanted = [&](const Entry& e) {
        return e.postalCode.startsWith(digits) && (corsica.isEmpty() || departementOf(e).code == corsica);
    };
    std::vector<int> found;
    if (words.empty()) {
        if (digits.isEmpty())
            return found;
        const auto [first, last] = postalCodeRange(digits);
        for (int i = first; i < last; ++i) {
            if (wanted(m_entries[std::size_t(i)]))
                found.push_back(i);
        }
        return found;
    }

    const std::vector<std::string> forms = searchForms(words);
    // Names that begin with the words typed as whole words come first ("sainte": Sainte-Adresse
    // before Saint-Edmond), then the names that begin with them, then those where they begin a
    // later part of the name.
    std::vector<int> partWord;
    std::vector<int> inside;
    const auto addEntries = [&](int c) {
        for (const int i : m_entriesOfCommune[std::size_t(c)]) {
            if (wanted(m_entries[std::size_t(i)]))
                found.push_back(i);
        }
    };
    for (const int c : m_communesByName) {
        const SearchKey& key = m_keys[std::size_t(c)];
        int best = -1;
        bool wholeWords = false;
        for (const std::string& form : forms) {
            for (const int start : key.starts) {
                if (key.letters.size() - std::size_t(start) >= form.size()
                    && key.letters.compare(std::size_t(start), form.size(), form) == 0) {
                    if (best < 0 || start < best)
                        best = start;
                    const int end = int(form.size());
                    wholeWords = wholeWords
                        || (start == 0
                            && (std::size_t(end) == key.letters.size()
                                || std::find(key.starts.begin(), key.starts.end(), end) != key.starts.end()));
                    break;
                }
            }
            if (wholeWords)
                break;
        }
        if (best == 0 && wholeWords)
            addEntries(c);
        else if (best == 0)
            partWord.push_back(c);
        else if (best > 0)
            inside.push_back(c);
    }
    for (const int c : partWord)
        addEntries(c);
    for (const int c : inside)
        addEntries(c);
    return found;
}

std::vector<int> PostalBase::communesNamed(QStringView text) const
{
    std::vector<int> found;
    const std::vector<std::string> words = PostalText::searchWords(text);
    if (words.empty())
        return found;
    for (const std::string& form : searchForms(words)) {
        const auto named = m_communesByLetters.find(form);
        if (named == m_communesByLetters.end())
            continue;
        for (const int c : named->second) {
            if (std::find(found.begin(), found.end(), c) == found.end())
                found.push_back(c);
        }
    }
    return found;
}

QString PostalBase::logPostalCode(const Entry& e) const
{
    const QString& departement = departementOf(e).code;
    if (departement == u"2A" || departement == u"2B")
        return departement + QStringView(e.postalCode).mid(2);
    return e.postalCode;
}

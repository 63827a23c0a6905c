#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <string>
#include <unordered_map>
#include <vector>

// The French postal codes and their communes, from the official administrative base compiled
// into the program. Read once, at first use; then every look-up and search works in memory.
class PostalBase
{
public:
    struct Departement
    {
        QString code; // "45", "2A", "971"
        QString name; // "Loiret"
    };
    struct Commune
    {
        QString name; // as the official base spells it: "Orléans", "Saint-Jean-de-Braye"
        int departement;
    };
    // One (postal code, commune) pair: what a search lists, one line each.
    struct Entry
    {
        QString postalCode;
        int commune;
    };

    // The base compiled into the program, read at the first call.
    static const PostalBase& shipped();

    // Reads the text of a base (UTF-8; tools/data writes it). Lines that cannot be read are
    // skipped and counted in rejectedLines().
    static PostalBase parse(QByteArrayView text);

    qsizetype entryCount() const { return qsizetype(m_entries.size()); }
    qsizetype communeCount() const { return qsizetype(m_communes.size()); }
    qsizetype postalCodeCount() const;
    int rejectedLines() const { return m_rejectedLines; }

    const Entry& entry(qsizetype index) const { return m_entries[std::size_t(index)]; }
    const Commune& commune(int index) const { return m_communes[std::size_t(index)]; }
    const Departement& departement(int index) const { return m_departements[std::size_t(index)]; }
    const Departement& departementOf(const Entry& e) const
    {
        return departement(commune(e.commune).departement);
    }

    // The communes of one postal code, in alphabetical order, as the base spells them. The
    // code may be written the way the log writes Corsica: 2A000 is Ajaccio's 20000, in
    // Corse-du-Sud only.
    QStringList communesOf(QStringView postalCode) const;

    // The same communes as a town can be typed in the log: capitals with their accents, within
    // the 30 characters of the entry row ("ORLÉANS", "SAINT-JEAN-DE-BRAYE").
    QStringList townNamesOf(QStringView postalCode) const;

    // Every entry that a search text finds, as indexes for entry(), in the order to show them.
    // Digits find the postal codes that begin with them (2A0 and 2B2 too, as the log writes
    // Corsica). Words find the communes whose name, or a part of it after a hyphen, blank or
    // apostrophe, begins with them, whatever the case, accents, hyphens and apostrophes: names
    // that begin with the words come first, in alphabetical order. "st" and "ste" also stand for
    // Saint and Sainte. Digits and words together find both at once ("45 saint").
    std::vector<int> search(QStringView text) const;

    // The communes whose whole name is the text, compared as search() compares (case, accents,
    // hyphens, apostrophes; "st" and "ste" for Saint and Sainte), as indexes for commune(). A town
    // written by another logger names its commune in full: a word that only begins a name is not
    // that commune.
    std::vector<int> communesNamed(QStringView text) const;
    // The entries of one commune, as indexes for entry().
    const std::vector<int>& entriesOf(int commune) const { return m_entriesOfCommune[std::size_t(commune)]; }
    // An entry's postal code as the log writes it: Corsica with its département in front (2A004).
    QString logPostalCode(const Entry& e) const;

private:
    struct SearchKey
    {
        std::string letters; // the name's words without breaks
        std::vector<int> starts; // where each word begins in letters
    };

    std::pair<int, int> postalCodeRange(const QString& prefix) const;
    void index();

    std::vector<Departement> m_departements;
    std::vector<Commune> m_communes;
    std::vector<Entry> m_entries; // in postal-code order, then commune name
    std::vector<SearchKey> m_keys; // one per commune
    std::vector<int> m_communesByName;
    std::unordered_map<std::string, std::vector<int>> m_communesByLetters;
    std::vector<std::vector<int>> m_entriesOfCommune;
    int m_rejectedLines = 0;
};

#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <string>
#include <vector>

// How town names are compared and written. A search must find "Orléans" from "orleans", and
// "Saint-Denis" from "st denis": hams type names the way they say them, not the way the official
// base spells them.
namespace PostalText {

// The words of a text for comparison: small letters and digits without accents, every other
// character a word break ("L'Haÿ-les-Roses" gives l, hay, les, roses; "Œuilly" gives oeuilly).
std::vector<std::string> searchWords(QStringView text);

// The words joined without breaks, so that "st-denis", "st denis" and "stdenis" compare alike;
// starts receives where each word begins in the result.
std::string squeezed(const std::vector<std::string>& words, std::vector<int>* starts = nullptr);

// A commune name in capitals with accented capitals, as the log holds typed names: "ORLÉANS",
// "SAINT-JEAN-DE-BRAYE", "L'HAŸ-LES-ROSES".
QString townCapitals(QStringView name);

// The longest town name the entry row accepts.
inline constexpr qsizetype kMaxTownLength = 30;

// A commune name as the entry row can take it: in capitals, and within 30 characters. A longer
// name first writes Saint and Sainte as ST and STE, the way hams shorten them, then drops a
// canton in brackets; what is still too long is cut.
QString townEntryName(QStringView name);

} // namespace PostalText

#pragma once

#include <QString>

#include <array>
#include <optional>

// The nine boxes of the entry row, in the order Enter walks through them.
enum class EntryField { C_Postal_A, Ville_A, DFCF_A, Date_A, Ind_A, Mode_A, Bande_A, QSLE_A, QSLR_A };

inline constexpr std::size_t kEntryFieldCount = 9;

inline constexpr std::array<EntryField, kEntryFieldCount> kEntryChain {EntryField::C_Postal_A,
    EntryField::Ville_A, EntryField::DFCF_A, EntryField::Date_A, EntryField::Ind_A, EntryField::Mode_A,
    EntryField::Bande_A, EntryField::QSLE_A, EntryField::QSLR_A};

// One value per box of the row.
template <typename T> struct PerEntryField
{
    std::array<T, kEntryFieldCount> values {};

    T& operator[](EntryField field) { return values[static_cast<std::size_t>(field)]; }
    const T& operator[](EntryField field) const { return values[static_cast<std::size_t>(field)]; }
};

// The texts of the row as they stand in the boxes.
using EntryTexts = PerEntryField<QString>;
// The texts some operation puts in the boxes; a box without a value keeps its own.
using EntryChanges = PerEntryField<std::optional<QString>>;

// The box's design name ("C_Postal_A"), which is also its objectName.
QString entryFieldName(EntryField field);
// The head shown above the box ("Nom de la Commune"), for messages about it.
QString entryFieldHead(EntryField field);

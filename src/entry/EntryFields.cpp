#include "entry/EntryFields.h"

namespace {

struct FieldNames
{
    const char* name;
    const char* head;
};

// In chain order, as the enumeration.
constexpr std::array<FieldNames, kEntryFieldCount> kNames {{
    {"C_Postal_A", "N° du C.P."},
    {"Ville_A", "Nom de la Commune"},
    {"DFCF_A", "N° DFCF"},
    {"Date_A", "Date"},
    {"Ind_A", "Indicatif"},
    {"Mode_A", "Mode"},
    {"Bande_A", "QRG"},
    {"QSLE_A", "Cont"},
    {"QSLR_A", "Conf"},
}};

} // namespace

QString entryFieldName(EntryField field)
{
    return QString::fromUtf8(kNames[static_cast<std::size_t>(field)].name);
}

QString entryFieldHead(EntryField field)
{
    return QString::fromUtf8(kNames[static_cast<std::size_t>(field)].head);
}

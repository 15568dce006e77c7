#include "store/drop_down_lists.h"

namespace zaf::store {

const QString DropDownLists::Location = QStringLiteral("Location");
const QString DropDownLists::DiveLogComputer = QStringLiteral("DiveLog.Computer");
const QString DropDownLists::EquipmentType = QStringLiteral("Equipment.Type");
const QString DropDownLists::EquipmentMake = QStringLiteral("Equipment.Make");

const QStringList& DropDownLists::shownLists()
{
    static const QStringList lists = {Location, DiveLogComputer, EquipmentType, EquipmentMake};
    return lists;
}

const QVector<QPair<QString, QStringList>>& DropDownLists::defaultEntries()
{
    static const QVector<QPair<QString, QStringList>> entries = {
        {DiveLogComputer,
         {QStringLiteral("None"), QStringLiteral("Suunto Spyder"), QStringLiteral("Suunto Stinger"),
          QStringLiteral("Suunto Vyper"), QStringLiteral("Suunto Cobra"), QStringLiteral("Dive Tables"),
          QStringLiteral("Uwatec Aladin"), QStringLiteral("US Divers Matrix"),
          QStringLiteral("US Divers Matrix Master")}},
        {EquipmentType,
         {QStringLiteral("1st Stage"), QStringLiteral("2nd Stage"), QStringLiteral("BCD"), QStringLiteral("Camera"),
          QStringLiteral("Camera Housing"), QStringLiteral("Dive Computer"), QStringLiteral("Dive Watch"),
          QStringLiteral("Fins"), QStringLiteral("Gage"), QStringLiteral("Mask"), QStringLiteral("Octopus"),
          QStringLiteral("Regulator"), QStringLiteral("Snorkel"), QStringLiteral("Tank"),
          QStringLiteral("Video Camera"), QStringLiteral("Wetsuit")}},
        {EquipmentMake,
         {QStringLiteral("Aeris"), QStringLiteral("Amphibico"), QStringLiteral("Aqualung"), QStringLiteral("Atomic"),
          QStringLiteral("Canon"), QStringLiteral("Cochran"), QStringLiteral("Dacor"), QStringLiteral("Dive Rite"),
          QStringLiteral("Force Fin"), QStringLiteral("Mares"), QStringLiteral("Nikonos"), QStringLiteral("Oceanic"),
          QStringLiteral("Poseidon"), QStringLiteral("ScubaPro"), QStringLiteral("SeaQuest"),
          QStringLiteral("Sherwood"), QStringLiteral("Sony"), QStringLiteral("Suunto"), QStringLiteral("Tusa"),
          QStringLiteral("U.S. Divers"), QStringLiteral("Underwater Kinetics")}},
    };
    return entries;
}

void DropDownLists::add(const QString& list, const QString& entry)
{
    if (shownLists().contains(list))
        m_lists[list].append(entry);
}

} // namespace zaf::store

#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace zaf::store {

/// The drop-down lists the record pages offer while typing, as read from `MenuItems` at the
/// last reload: list name ("Location", "DiveLog.Computer", "Equipment.Type",
/// "Equipment.Make") to its entries in key order. Entries appended by a post show up at the
/// next reload; the window shows the "Location" list in all three location pick lists.
class DropDownLists {
public:
    static const QString Location;
    static const QString DiveLogComputer;
    static const QString EquipmentType;
    static const QString EquipmentMake;

    /// The four lists that are shown somewhere; other `Menu` values are kept in the table only.
    static const QStringList& shownLists();
    /// The entries every reload puts back: list name and its entries.
    static const QVector<QPair<QString, QStringList>>& defaultEntries();

    /// The entries of a list, in the order they were read; empty for a list shown nowhere.
    QStringList entries(const QString& list) const { return m_lists.value(list); }
    /// Empties every list.
    void clear() { m_lists.clear(); }
    /// Adds an entry read from the table; entries of lists shown nowhere are dropped.
    void add(const QString& list, const QString& entry);

    /// Told after every reload, so the window can refill its pick lists.
    std::function<void()> onReloaded;

private:
    QHash<QString, QStringList> m_lists;
};

} // namespace zaf::store

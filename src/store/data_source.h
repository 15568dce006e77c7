#pragma once

#include <functional>

namespace zaf::store {

class Field;
class Table;

/// What a window binds its fields to: one per table. It is told of every move of the cursor
/// and every field change (the field is null for a move), unless the table's display is off,
/// and carries the automatic-edit switch that the ownership rules set per record.
class DataSource {
public:
    explicit DataSource(Table* table = nullptr);
    ~DataSource();
    DataSource(const DataSource&) = delete;
    DataSource& operator=(const DataSource&) = delete;

    void setTable(Table* table);
    Table* table() const { return m_table; }

    bool autoEdit = true; ///< typing into a bound field puts the record into edit state
    bool enabled = true;
    std::function<void(Field* changed)> onDataChange;

private:
    Table* m_table = nullptr;
};

} // namespace zaf::store

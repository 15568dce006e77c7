#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <memory>

namespace zaf::store {
class Table;
}

namespace zaf::gui {

/// Where a link or location field finds names while the diver types: a cursor of its own
/// on a table's file (so the page's cursor and its rules stay untouched), in primary key
/// order. The name is the key field after the fixed leading values, if any: divers by
/// `DiverName`, dive sites by `DiveSite`, dive resources by `CompanyName`, locations by
/// `Item` after the `Menu` value "Location".
class NameLookup {
public:
    NameLookup(const store::Table& table, QVariantList fixedKeys = {});
    ~NameLookup();

    /// The first name at or after `text` in key order; empty when there is none (or the
    /// table cannot be read).
    QString nearest(const QString& text);
    /// Every name, in key order (what the field's drop-down offers).
    QStringList names();

private:
    bool ensureOpen();

    const store::Table& m_of;
    QVariantList m_fixed;
    std::unique_ptr<store::Table> m_cursor;
};

} // namespace zaf::gui

#include "ui/name_lookup.h"

#include "store/errors.h"
#include "store/table.h"

namespace zaf::gui {

NameLookup::NameLookup(const store::Table& table, QVariantList fixedKeys) : m_of(table), m_fixed(std::move(fixedKeys))
{
}

NameLookup::~NameLookup() = default;

bool NameLookup::ensureOpen()
{
    // The page's table decides: while the store is closed nothing is looked up, and once it
    // is open again (perhaps at another home) the cursor follows it.
    if (!m_of.isOpen()) {
        m_cursor.reset();
        return false;
    }
    if (m_cursor && m_cursor->isOpen() && m_cursor->path() == m_of.path())
        return true;
    try {
        auto cursor = std::make_unique<store::Table>(m_of.objectName() + QStringLiteral("_Lookup"));
        store::openSecondCursor(*cursor, m_of);
        if (cursor->layout().primaryKey.size() <= m_fixed.size())
            return false; // no name after the fixed keys: nothing to look up
        m_cursor = std::move(cursor);
        return true;
    } catch (const store::DatabaseError&) {
        m_cursor.reset();
        return false;
    }
}

namespace {

/// Whether the cursor's record still carries the fixed leading key values.
bool matchesFixed(store::Table& cursor, const QVariantList& fixed)
{
    const QStringList& key = cursor.layout().primaryKey;
    for (int i = 0; i < fixed.size(); ++i)
        if (cursor.field(key[i]).asString().compare(fixed[i].toString(), Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

} // namespace

QString NameLookup::nearest(const QString& text)
{
    if (!ensureOpen())
        return {};
    try {
        store::Table& cursor = *m_cursor;
        cursor.findNearest(m_fixed + QVariantList{text});
        // At the end: every name lies before the text.
        if (cursor.eof() || cursor.isEmpty() || !matchesFixed(cursor, m_fixed))
            return {};
        return cursor.field(cursor.layout().primaryKey[m_fixed.size()]).asString();
    } catch (const store::DatabaseError&) {
        return {}; // completion never troubles the diver with messages
    }
}

QStringList NameLookup::names()
{
    QStringList all;
    if (!ensureOpen())
        return all;
    try {
        store::Table& cursor = *m_cursor;
        if (m_fixed.isEmpty())
            cursor.first();
        else
            cursor.findNearest(m_fixed);
        if (cursor.isEmpty())
            return all;
        const QString& nameField = cursor.layout().primaryKey[m_fixed.size()];
        while (matchesFixed(cursor, m_fixed)) {
            all.append(cursor.field(nameField).asString());
            cursor.next();
            if (cursor.eof())
                break;
        }
    } catch (const store::DatabaseError&) {
        // What was read so far is still worth offering.
    }
    return all;
}


} // namespace zaf::gui

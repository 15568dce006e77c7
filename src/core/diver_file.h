#pragma once

#include "core/text_helpers.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

namespace zaf {

/// One local diver account.
struct DiverSlot {
    QString name;     ///< at most 20 characters; empty or a single blank means free
    QString password; ///< at most 20 characters, as typed; empty means none
    QString email;    ///< at most 50 characters

    bool isFree() const { return isEmptyOrBlank(name); }
};

/// The diver accounts of this computer: 100 slots numbered 1 to 100, stored in `user.zaf`
/// as fixed 93-byte records (three length-prefixed Windows-1252 strings).
class DiverTable {
public:
    static constexpr int SlotCount = 100;
    static constexpr int RecordSize = 93;

    /// Slot k, 1 ≤ k ≤ 100.
    DiverSlot& slot(int k) { return m_slots.at(static_cast<size_t>(k - 1)); }
    const DiverSlot& slot(int k) const { return m_slots.at(static_cast<size_t>(k - 1)); }

    /// Clears every slot, then reads the records of `bytes` into slots 1, 2, 3, … The first
    /// record is read before the end is tested, so no bytes at all give one blank slot.
    /// Returns the names read, in slot order (the login list after "Add new Diver"). Reading
    /// stops at the 100th slot or when the cancel flag is set.
    QStringList decode(const QByteArray& bytes);
    /// Every slot whose name sorts after a single blank, in slot order, without gaps.
    QByteArray encode() const;

    /// Reads `<program directory>user.zaf`; a missing file clears every slot and gives no names.
    QStringList read();
    /// Rewrites `<program directory>user.zaf`.
    bool write() const;

    /// The first free slot from slot 1, or 0 when all 100 are taken.
    int firstFree() const;
    /// The slot holding that diver name, or 0.
    int find(const QString& name) const;

private:
    std::array<DiverSlot, SlotCount> m_slots;
};

/// True when a diver name or e-mail address can stand in a file or directory name: the
/// diver's configuration file and picture directory are named after them.
bool isPathSafeName(const QString& text);

/// The diver table of this run.
DiverTable& diverTable();

/// True exactly when (u, e) is a diver account on this computer other than the logged-in
/// diver (the configuration's user name and e-mail address).
bool chk_user_account(const QString& u, const QString& e);

} // namespace zaf

#include "core/diver_file.h"

#include "core/cancel_flag.h"
#include "core/config_record.h"
#include "core/cp1252.h"
#include "core/program_dir.h"
#include "core/text_helpers.h"
#include "core/trace.h"

#include <QFile>
#include <QSaveFile>

namespace zaf {

namespace {

constexpr int kNameAt = 0;
constexpr int kPasswordAt = 21;
constexpr int kEmailAt = 42;
constexpr int kNameMax = 20;
constexpr int kPasswordMax = 20;
constexpr int kEmailMax = 50;

QString userFilePath()
{
    return programDirectory() + QStringLiteral("user.zaf");
}

} // namespace

QStringList DiverTable::decode(const QByteArray& bytes)
{
    m_slots.fill(DiverSlot{});
    QStringList names;
    // A file shorter than one record still yields its first (blank) slot; a piece of a
    // record at the end of a longer file is ignored.
    QByteArray padded = bytes;
    int offset = 0;
    int k = 1;
    do {
        if (padded.size() < offset + RecordSize)
            padded.append(QByteArray(offset + RecordSize - padded.size(), '\0'));
        const char* record = padded.constData() + offset;
        DiverSlot& s = slot(k);
        s.name = readShortString(record + kNameAt, kNameMax);
        s.password = readShortString(record + kPasswordAt, kPasswordMax);
        s.email = readShortString(record + kEmailAt, kEmailMax);
        names.append(s.name);
        offset += RecordSize;
        ++k;
    } while (offset + RecordSize <= bytes.size() && k <= SlotCount && !cancelRequested());
    return names;
}

QByteArray DiverTable::encode() const
{
    QByteArray bytes;
    for (const DiverSlot& s : m_slots) {
        if (s.name <= QLatin1String(" "))
            continue;
        QByteArray record(RecordSize, '\0');
        writeShortString(record.data() + kNameAt, kNameMax, s.name);
        writeShortString(record.data() + kPasswordAt, kPasswordMax, s.password);
        writeShortString(record.data() + kEmailAt, kEmailMax, s.email);
        bytes.append(record);
    }
    return bytes;
}

QStringList DiverTable::read()
{
    QFile file(userFilePath());
    // No diver file at all is not the same as an empty one: the list then holds no entry.
    if (!file.open(QIODevice::ReadOnly)) {
        m_slots.fill(DiverSlot{});
        return {};
    }
    return decode(file.readAll());
}

bool DiverTable::write() const
{
    QSaveFile file(userFilePath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(encode());
    return file.commit();
}

int DiverTable::firstFree() const
{
    for (int k = 1; k <= SlotCount; ++k)
        if (slot(k).isFree())
            return k;
    return 0;
}

int DiverTable::find(const QString& name) const
{
    for (int k = 1; k <= SlotCount; ++k)
        if (!slot(k).isFree() && slot(k).name == name)
            return k;
    return 0;
}

bool isPathSafeName(const QString& text)
{
    return !text.contains(QLatin1Char('/')) && !text.contains(QLatin1Char('\\')) && text.trimmed() != QLatin1String("..")
        && text.trimmed() != QLatin1String(".");
}

DiverTable& diverTable()
{
    static DiverTable table;
    return table;
}

bool chk_user_account(const QString& u, const QString& e)
{
    const TraceScope trace(QStringLiteral("TMain.chk_user_account(u,e:string):boolean"));
    const ConfigRecord& cfg = config();
    if (isEmptyOrBlank(u) || isEmptyOrBlank(e) || isEmptyOrBlank(cfg.userName) || isEmptyOrBlank(cfg.userEmail))
        return false;
    if (u == cfg.userName || e == cfg.userEmail)
        return false;
    const DiverTable& table = diverTable();
    for (int k = 1; k <= DiverTable::SlotCount; ++k)
        if (table.slot(k).name == u && table.slot(k).email == e)
            return true;
    return false;
}

} // namespace zaf

#include "divecomputer/models.h"

#include <algorithm>

namespace zaf::divecomputer {

namespace {

const QString kReserved = QStringLiteral("Reserved");

} // namespace

const QStringList& modelNames()
{
    static const QStringList names = {
        QStringLiteral("Citizen HyperAqualand"),
        QStringLiteral("Suunto Cobra"),
        QStringLiteral("Suunto Vyper"),
        QStringLiteral("Suunto Spyder"),
        QStringLiteral("Aqua Lung Matrix Master"),
        QStringLiteral("Suunto Stinger"),
        kReserved,
        kReserved,
        kReserved,
        QStringLiteral("Uwatec Aladin Air Z O2"),
    };
    return names;
}

QStringList offeredModelNames()
{
    QStringList names;
    for (const QString& name : modelNames())
        if (name != kReserved)
            names.append(name);
    // The lists the diver picks from sort without regard to letter case.
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

QString modelName(int code)
{
    if (code < FirstModel || code > LastModel)
        return {};
    return modelNames().at(code - FirstModel);
}

int modelNumber(const QString& name)
{
    if (name == kReserved)
        return 0;
    const int index = int(modelNames().indexOf(name));
    return index < 0 ? 0 : index + FirstModel;
}

} // namespace zaf::divecomputer

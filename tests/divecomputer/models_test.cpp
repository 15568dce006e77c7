#include "divecomputer/models.h"

#include <gtest/gtest.h>

namespace zaf::divecomputer {
namespace {

TEST(Models, OfferedListLeavesOutReservedAndIsSorted)
{
    EXPECT_EQ(offeredModelNames(),
              (QStringList{QStringLiteral("Aqua Lung Matrix Master"), QStringLiteral("Citizen HyperAqualand"),
                           QStringLiteral("Suunto Cobra"), QStringLiteral("Suunto Spyder"),
                           QStringLiteral("Suunto Stinger"), QStringLiteral("Suunto Vyper"),
                           QStringLiteral("Uwatec Aladin Air Z O2")}));
}

TEST(Models, CodesAndNames)
{
    struct Case {
        int code;
        QString name;
    };
    const Case cases[] = {
        {1, QStringLiteral("Citizen HyperAqualand")}, {2, QStringLiteral("Suunto Cobra")},
        {4, QStringLiteral("Suunto Spyder")},          {5, QStringLiteral("Aqua Lung Matrix Master")},
        {6, QStringLiteral("Suunto Stinger")},         {10, QStringLiteral("Uwatec Aladin Air Z O2")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(modelName(c.code), c.name);
        EXPECT_EQ(modelNumber(c.name), c.code);
    }
    EXPECT_EQ(modelName(8), QStringLiteral("Reserved"));
    EXPECT_EQ(modelNumber(QStringLiteral("Reserved")), 0);
    EXPECT_EQ(modelNumber(QStringLiteral(" None")), 0);
    EXPECT_TRUE(modelName(0).isEmpty());
    EXPECT_TRUE(modelName(11).isEmpty());
}

} // namespace
} // namespace zaf::divecomputer

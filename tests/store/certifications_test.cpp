#include "store/certifications.h"

#include <gtest/gtest.h>

namespace zaf::store {
namespace {

struct SplitCase {
    const char* name;
    QString line;
    QStringList parts;
};

class CertificationSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(CertificationSplit, SplitsALineIntoSixTrimmedParts)
{
    EXPECT_EQ(certificationParts(GetParam().line), GetParam().parts);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CertificationSplit,
    ::testing::Values(
        SplitCase{"Regular", QStringLiteral("OW -- 1/15/00 -- 123 -- Kim -- 77 -- Reef Shop"),
                  {"OW", "1/15/00", "123", "Kim", "77", "Reef Shop"}},
        SplitCase{"OddSpacing", QStringLiteral("  Advanced--2/2/01 --  9--Lee  --  5 --Blue  Water  "),
                  {"Advanced", "2/2/01", "9", "Lee", "5", "Blue  Water"}},
        SplitCase{"FewerSeparators", QStringLiteral("Rescue -- 3/3/03"), {"Rescue", "3/3/03", "", "", "", ""}},
        SplitCase{"NoSeparator", QStringLiteral(" Nitrox "), {"Nitrox", "", "", "", "", ""}},
        SplitCase{"EmptyParts", QStringLiteral("Cave --  -- -- Ray -- -- "), {"Cave", "", "", "Ray", "", ""}},
        // Whatever follows the fifth separator stays together in the shop column.
        SplitCase{"MoreSeparators", QStringLiteral("A -- B -- C -- D -- E -- F -- G"), {"A", "B", "C", "D", "E", "F -- G"}},
        SplitCase{"SingleDashKept", QStringLiteral("PADI - OW -- 1/1/99"), {"PADI - OW", "1/1/99", "", "", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CertificationRows, HeadingsAndOneRowPerLineWithTwoSpare)
{
    const CertificationRows rows =
        certificationRows(QStringLiteral("OW -- 1/15/00 -- 1 -- Kim -- 7 -- Shop\r\nAdv -- 2/2/01 -- 2 -- Lee -- 8 -- Dock\r\n"));
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0], (QStringList{"", "Cert", "Date", "ID #", "Instructor", "Ins ID", "Shop"}));
    EXPECT_EQ(rows[1], (QStringList{"", "OW", "1/15/00", "1", "Kim", "7", "Shop"}));
    EXPECT_EQ(rows[2], (QStringList{"", "Adv", "2/2/01", "2", "Lee", "8", "Dock"}));
    EXPECT_EQ(rows[3], QStringList(kCertificationColumns));
}

TEST(CertificationRows, EmptyMemoGivesHeadingsAndOneBlankRow)
{
    const CertificationRows rows = certificationRows(QString());
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0][1], "Cert");
    EXPECT_EQ(rows[1], QStringList(kCertificationColumns));
    EXPECT_FALSE(certificationRowsStorable(rows));
}

TEST(CertificationRows, BlankLineLeavesItsRowEmpty)
{
    const CertificationRows rows = certificationRows(QStringLiteral("OW -- a\n   \nAdv -- b"));
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(rows[1][1], "OW");
    EXPECT_EQ(rows[2], QStringList(kCertificationColumns));
    EXPECT_EQ(rows[3][1], "Adv");
    // Storing stops at the first row without a certification, so the line after the gap goes.
    EXPECT_EQ(certificationMemo(rows), "OW -- a --  --  --  -- ");
}

TEST(CertificationRows, WithoutContentOnlyTheRowCountFollowsTheMemo)
{
    const CertificationRows rows = certificationRows(QStringLiteral("OW -- a\nAdv -- b\nRescue"), false);
    ASSERT_EQ(rows.size(), 5);
    for (const CertificationRow& row : rows)
        EXPECT_EQ(row, QStringList(kCertificationColumns));
}

TEST(CertificationMemo, StopsAtTheFirstRowWithoutACertification)
{
    CertificationRows rows = certificationRows(QString());
    rows.resize(5, QStringList(kCertificationColumns));
    rows[1] = QStringList{"", "OW", "1/15/00", "", "Kim", "", "Shop"};
    rows[2] = QStringList{"", " ", "ignored", "", "", "", ""};
    rows[3] = QStringList{"", "Adv", "", "", "", "", ""};
    EXPECT_TRUE(certificationRowsStorable(rows));
    EXPECT_EQ(certificationMemo(rows), "OW -- 1/15/00 --  -- Kim --  -- Shop");
}

TEST(CertificationMemo, RoundTripKeepsEveryLine)
{
    const QString memo = QStringLiteral("PADI : Open Water -- 1/15/00 -- 4411 -- Kim Ray -- 99 -- Reef Shop\n"
                                        "Nitrox -- 5/5/05 --  -- Lee --  -- Dock");
    EXPECT_EQ(certificationMemo(certificationRows(memo)), memo);
}

TEST(CertificationMemo, AddAndRemoveLines)
{
    const QString line = certificationLine({"Rescue", "3/3/03", "", "Lee", "", "Dock"});
    EXPECT_EQ(line, "Rescue -- 3/3/03 --  -- Lee --  -- Dock");
    EXPECT_EQ(withCertificationAdded(QString(), line), line);
    const QString two = withCertificationAdded(QStringLiteral("OW -- a\r\n"), line);
    EXPECT_EQ(memoLines(two), (QStringList{"OW -- a", line}));

    EXPECT_EQ(withCertificationRemoved(two, 0), line);
    EXPECT_EQ(withCertificationRemoved(two, 1), "OW -- a");
    EXPECT_EQ(withCertificationRemoved(two, 2), two);
    EXPECT_EQ(withCertificationRemoved(two, -1), two);
}

} // namespace
} // namespace zaf::store

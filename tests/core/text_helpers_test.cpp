#include "core/text_helpers.h"

#include "core/cancel_flag.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

/// Sets the cancel flag for one test and clears it again afterwards.
class CancelGuard {
public:
    explicit CancelGuard(bool value) : m_saved(zaf::cancelRequested()) { zaf::setCancel(value); }
    ~CancelGuard() { zaf::setCancel(m_saved); }
    CancelGuard(const CancelGuard&) = delete;
    CancelGuard& operator=(const CancelGuard&) = delete;

private:
    bool m_saved;
};

struct SlashCase {
    const char* backslashed;
    const char* forward;
};

// Each pair holds the same path written both ways.
const std::vector<SlashCase> kPaths = {
    {"C:\\dives\\2024\\log.txt", "C:/dives/2024/log.txt"},
    {"\\\\server\\share\\", "//server/share/"},
    {"pictures\\reef 1.jpg", "pictures/reef 1.jpg"},
    {"no separators", "no separators"},
    {"", ""},
};

TEST(Slashes, TurnedBothWays)
{
    CancelGuard notCancelled(false);
    for (const auto& c : kPaths) {
        EXPECT_EQ(zaf::bs_to_fs(QString::fromLatin1(c.backslashed)), QString::fromLatin1(c.forward));
        EXPECT_EQ(zaf::fs_to_bs(QString::fromLatin1(c.forward)), QString::fromLatin1(c.backslashed));
    }
}

TEST(Slashes, OnlyTheOneKindChanges)
{
    CancelGuard notCancelled(false);
    EXPECT_EQ(zaf::bs_to_fs(QStringLiteral("a/b\\c")), QStringLiteral("a/b/c"));
    EXPECT_EQ(zaf::fs_to_bs(QStringLiteral("a/b\\c")), QStringLiteral("a\\b\\c"));
}

TEST(Slashes, CancelLeavesTheTextAsItWas)
{
    CancelGuard cancelled(true);
    for (const auto& c : kPaths) {
        EXPECT_EQ(zaf::bs_to_fs(QString::fromLatin1(c.backslashed)), QString::fromLatin1(c.backslashed));
        EXPECT_EQ(zaf::fs_to_bs(QString::fromLatin1(c.forward)), QString::fromLatin1(c.forward));
    }
}

TEST(BoolText, TextToInt)
{
    struct Case {
        const char* text;
        int expected;
    };
    const std::vector<Case> cases = {
        {"TRUE", 1},   {"true", 1},    {"  True \t", 1}, {"FALSE", 0}, {"false", 0}, {" fAlSe", 0},
        {"", -1},      {"yes", -1},    {"1", -1},        {"0", -1},    {"TRUEX", -1}, {"T RUE", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(zaf::booltoint(QString::fromLatin1(c.text)), c.expected) << '"' << c.text << '"';
}

TEST(BoolText, OnlyOneIsTrue)
{
    struct Case {
        int n;
        bool expected;
    };
    const std::vector<Case> cases = {{1, true}, {0, false}, {-1, false}, {2, false}};
    for (const auto& c : cases)
        EXPECT_EQ(zaf::inttobool(c.n), c.expected) << c.n;
}

} // namespace

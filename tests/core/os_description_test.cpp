#include "core/os_description.h"

#include <gtest/gtest.h>

namespace zaf::test {
namespace {

TEST(OsDescription, DistributionThenKernel)
{
    const struct {
        const char* label;
        const char* osRelease;
        const char* kernelName;
        const char* kernelRelease;
        const char* expected;
    } cases[] = {
        {"pretty name wins",
         "PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nNAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\n"
         "VERSION=\"12 (bookworm)\"\nID=debian\n",
         "Linux", "6.1.0-18-amd64", "Debian GNU/Linux 12 (bookworm), Linux 6.1.0-18-amd64"},
        {"name and version without a pretty name", "NAME=Fedora\nVERSION='39 (Workstation Edition)'\n", "Linux",
         "6.5.6", "Fedora 39 (Workstation Edition), Linux 6.5.6"},
        {"comments, blanks and escapes", "# built by hand\n\n  PRETTY_NAME=\"Arch \\\"rolling\\\"\"  \r\n", "Linux",
         "6.6.1-arch1", "Arch \"rolling\", Linux 6.6.1-arch1"},
        {"no os-release", "", "Linux", "5.10.0", "Linux 5.10.0"},
        {"unreadable lines only", "garbage\n=novalue\n", "Linux", "5.10.0", "Linux 5.10.0"},
        {"no kernel information", "PRETTY_NAME=\"Alpine Linux v3.19\"", "", "", "Alpine Linux v3.19"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatOsDescription(QString::fromUtf8(c.osRelease), QLatin1String(c.kernelName),
                                      QLatin1String(c.kernelRelease)),
                  QString::fromUtf8(c.expected))
            << c.label;
}

} // namespace
} // namespace zaf::test

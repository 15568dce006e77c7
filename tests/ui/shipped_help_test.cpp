#include "core/program_dir.h"
#include "store/schema.h"
#include "store/shipped_help.h"
#include "store/table.h"
#include "ui/help_topics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zaf::test {
namespace {

const QString kShipped = QStringLiteral(ZAF_SHIPPED_HELP_DB);

TEST(ShippedHelp, HoldsATopicForEveryNumberTheProgramShows)
{
    ASSERT_TRUE(QFileInfo::exists(kShipped)) << kShipped.toStdString();
    store::Table help(QStringLiteral("ZAFHelp"));
    QString path = kShipped;
    path.chop(3);
    help.setPath(path);
    help.setDefinition(store::schema::zafHelp());
    help.open();
    for (int topic : gui::help_topic::All) {
        ASSERT_TRUE(help.findKey({topic})) << "no help topic " << topic;
        EXPECT_FALSE(help.field(QStringLiteral("Help_Caption")).asString().trimmed().isEmpty()) << topic;
        EXPECT_GT(help.field(QStringLiteral("Help_Text")).asString().size(), 40) << topic;
    }
}

TEST(ShippedHelp, CopiedIntoTheProgramDirectoryOnlyWhenMissing)
{
    QTemporaryDir home;
    setProgramDirectory(home.path());
    const QString target = helpDirectory() + QStringLiteral("ZAFHelp.DB");
    const QStringList sources{QFileInfo(kShipped).absolutePath()};

    ASSERT_TRUE(store::installShippedHelp(sources));
    EXPECT_EQ(QFileInfo(target).size(), QFileInfo(kShipped).size());
    EXPECT_TRUE(QFileInfo(target).isWritable());

    // A help table already there (for instance a newer one from an update) is kept.
    QFile::resize(target, 10);
    EXPECT_TRUE(store::installShippedHelp(sources));
    EXPECT_EQ(QFileInfo(target).size(), 10);

    QFile::remove(target);
    EXPECT_FALSE(store::installShippedHelp({home.path() + QStringLiteral("/nowhere")}));
}

} // namespace
} // namespace zaf::test

#include "core/cancel_flag.h"
#include "core/directory_ops.h"
#include "support/scripted_ui.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zaf {
namespace {

class DirectoryOpsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        source = dir.path() + QStringLiteral("/source");
        target = dir.path() + QStringLiteral("/target");
        setCancel(false);
        put(QStringLiteral("source/a.jpg"), "picture a");
        put(QStringLiteral("source/.hidden"), "h");
        put(QStringLiteral("source/An/An_a@x/b.jpg"), "picture b");
        put(QStringLiteral("source/z.jpg"), "picture z");
        QDir().mkpath(target);
    }
    void TearDown() override { setCancel(false); }

    void put(const QString& relative, const QByteArray& content)
    {
        const QString path = dir.path() + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QByteArray content(const QString& relative)
    {
        QFile f(dir.path() + QLatin1Char('/') + relative);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir;
    QString source, target;
    test::ScriptedUi ui;
};

TEST_F(DirectoryOpsTest, MirrorCopiesTheTreeWithTimesAndPermissions)
{
    QFile::setPermissions(source + QStringLiteral("/a.jpg"), QFile::ReadOwner | QFile::ReadUser);
    EXPECT_TRUE(copy_directory(source, target));
    EXPECT_EQ(content(QStringLiteral("target/a.jpg")), QByteArray("picture a"));
    EXPECT_EQ(content(QStringLiteral("target/.hidden")), QByteArray("h"));
    EXPECT_EQ(content(QStringLiteral("target/An/An_a@x/b.jpg")), QByteArray("picture b"));
    const QFileInfo a(target + QStringLiteral("/a.jpg"));
    EXPECT_EQ(a.lastModified().toSecsSinceEpoch(),
              QFileInfo(source + QStringLiteral("/a.jpg")).lastModified().toSecsSinceEpoch());
    EXPECT_FALSE(a.permissions() & QFile::WriteOwner);
    EXPECT_TRUE(ui.questions.isEmpty());
}

TEST_F(DirectoryOpsTest, MirrorOntoAnIdenticalCopyCopiesNothing)
{
    ASSERT_TRUE(copy_directory(source, target));
    // Same size and time but other bytes: only a copy would change them.
    QFile f(target + QStringLiteral("/a.jpg"));
    const QDateTime time = QFileInfo(f).lastModified();
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.write("PICTURE A");
    f.setFileTime(time, QFileDevice::FileModificationTime);
    f.close();
    EXPECT_TRUE(copy_directory(source, target));
    EXPECT_EQ(content(QStringLiteral("target/a.jpg")), QByteArray("PICTURE A"));

    // A changed source is copied again, over a write-protected target too.
    put(QStringLiteral("source/a.jpg"), "new picture");
    QFile::setPermissions(target + QStringLiteral("/a.jpg"), QFile::ReadOwner);
    EXPECT_TRUE(copy_directory(source, target));
    EXPECT_EQ(content(QStringLiteral("target/a.jpg")), QByteArray("new picture"));
}

TEST_F(DirectoryOpsTest, FailedCopyAsksAndCancelStopsTheMirror)
{
    // A directory where the file should go cannot be written over, not even by root.
    QDir().mkpath(target + QStringLiteral("/a.jpg"));
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(copy_directory(source, target));
    ASSERT_EQ(ui.questions.size(), 1);
    EXPECT_TRUE(ui.questions[0].startsWith(QStringLiteral("Copy ") + source + QStringLiteral("/a.jpg to ") + target +
                                           QStringLiteral("/a.jpg Failed because ")));
    EXPECT_TRUE(cancelRequested());
    EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral("/z.jpg")));
}

TEST_F(DirectoryOpsTest, FailedCopyAnsweredOkGoesOnButReportsIncomplete)
{
    QDir().mkpath(target + QStringLiteral("/a.jpg"));
    ui.answers = {Answer::Ok};
    EXPECT_FALSE(copy_directory(source, target));
    EXPECT_FALSE(cancelRequested());
    EXPECT_EQ(content(QStringLiteral("target/An/An_a@x/b.jpg")), QByteArray("picture b"));
}

TEST_F(DirectoryOpsTest, DeleteRemovesTheWholeTreeWithProtectedFiles)
{
    QFile::setPermissions(source + QStringLiteral("/An/An_a@x/b.jpg"), QFile::ReadOwner);
    QFile::setPermissions(source + QStringLiteral("/An/An_a@x"), QFile::ReadOwner | QFile::ExeOwner);
    Delete_directory(source);
    EXPECT_FALSE(QFileInfo::exists(source));
    Delete_directory(source); // already gone: nothing happens
}

} // namespace
} // namespace zaf

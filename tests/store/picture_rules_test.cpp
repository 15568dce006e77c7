#include "core/program_dir.h"
#include "store/picture_fit.h"
#include "store_rules_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zaf::test {
namespace {

TEST(PictureFit, ScalesDownNeverUpAndFramesTinyPicturesWithTheArea)
{
    const struct {
        QSize area, picture;
        double factor;
        QSize drawn, frame;
    } cases[] = {
        {{200, 100}, {100, 50}, 1.0, {100, 50}, {102, 52}},    // fits: kept as it is
        {{200, 100}, {400, 100}, 0.5, {200, 50}, {202, 52}},   // too wide
        {{200, 100}, {100, 400}, 0.25, {25, 100}, {27, 102}},  // too tall
        {{200, 100}, {800, 800}, 0.125, {100, 100}, {102, 102}}, // both: the tighter one wins
        {{200, 100}, {2, 50}, 1.0, {2, 50}, {200, 100}},       // framed under 5 pixels wide
        {{200, 100}, {0, 0}, 1.0, {0, 0}, {200, 100}},         // no picture at all
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.picture.width() << "x" << c.picture.height());
        const store::PictureFit fit = store::fitPicture(c.area, c.picture);
        EXPECT_DOUBLE_EQ(fit.factor, c.factor);
        EXPECT_EQ(fit.picture, c.drawn);
        EXPECT_EQ(fit.frame, c.frame);
    }
}

class PictureRulesTest : public StoreRulesTest {
protected:
    /// Writes a file below the pictures directory (backslash name as records store it).
    QString writePicture(const QString& storedName)
    {
        QString path = picturesDirectory() + storedName;
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("jpeg");
        return path;
    }
    void addPicture(const QString& storedName)
    {
        addRecord(data.Pictures_Table, {{QStringLiteral("FileName"), storedName},
                                        {QStringLiteral("OwnerName"), QStringLiteral("Jo")},
                                        {QStringLiteral("OwnerEmail"), QStringLiteral("jo@example.org")},
                                        {QStringLiteral("Title"), QStringLiteral("Reef")}});
    }
};

TEST_F(PictureRulesTest, DeletingAPictureRecordDeletesItsFileOrFindsItGone)
{
    const QString path = writePicture(QStringLiteral("Jo\\Jo_jo@example.org\\1.jpg"));
    addPicture(QStringLiteral("Jo\\Jo_jo@example.org\\1.jpg"));
    addPicture(QStringLiteral("Jo\\Jo_jo@example.org\\2.jpg")); // its file is already gone
    ASSERT_TRUE(data.Pictures_Table.findKey({QStringLiteral("Jo\\Jo_jo@example.org\\1.jpg")}));
    data.Pictures_Table.deleteRecord();
    EXPECT_FALSE(QFileInfo::exists(path));
    ASSERT_TRUE(data.Pictures_Table.findKey({QStringLiteral("Jo\\Jo_jo@example.org\\2.jpg")}));
    data.Pictures_Table.deleteRecord();
    EXPECT_EQ(data.Pictures_Table.recordCount(), 0);
}

TEST_F(PictureRulesTest, AFileNameOutsideThePicturesDirectoryDeletesNothing)
{
    // A record copied from elsewhere may name any path; only files below pictures go.
    const QString table = dataDirectory() + QStringLiteral("DiveLog.DB");
    ASSERT_TRUE(QFileInfo::exists(table));
    addPicture(QStringLiteral("..\\data\\DiveLog.DB"));
    data.Pictures_Table.deleteRecord();
    EXPECT_TRUE(QFileInfo::exists(table));
    EXPECT_EQ(data.Pictures_Table.recordCount(), 0);
}

TEST_F(PictureRulesTest, ABlankTitleTakesTheDiverToThePicturesPage)
{
    addPicture(QStringLiteral("a.jpg"));
    data.Pictures_Table.edit();
    data.Pictures_Table[QStringLiteral("Title")].setAsString(QStringLiteral("Turtle"));
    EXPECT_TRUE(view.shownPages.isEmpty());
    data.Pictures_Table[QStringLiteral("Title")].setAsString(QStringLiteral("  "));
    EXPECT_EQ(view.shownPages, QList<Page>{Page::Pictures});
}

TEST_F(PictureRulesTest, AnOwnDiversMissingPictureIsOfferedForDownloadOrForgotten)
{
    view.page = Page::Divers;
    QStringList downloads;
    data.downloadPictureHook = [&](const QString& name) { downloads.append(name); };
    const QString question = QStringLiteral(
        "This record indicates that there is a picture for \"Jo\", however it was not found.  Would you like to "
        "download it from the ZAF server?");

    ui.answers = {Answer::Yes};
    addRecord(data.Divers_Table, {{QStringLiteral("DiverName"), QStringLiteral("Jo")},
                                  {QStringLiteral("Picture"), QStringLiteral("Jo\\Jo_jo@example.org\\3.jpg")}});
    data.Divers_Table.first();
    EXPECT_EQ(ui.questions, QStringList{question});
    EXPECT_EQ(downloads, QStringList{QStringLiteral("Jo\\Jo_jo@example.org\\3.jpg")});
    EXPECT_EQ(view.pictureActions.value(Page::Divers), PictureAction::AddPicture);

    ui.answers = {Answer::No};
    data.Divers_Table.first();
    EXPECT_EQ(ui.questions.size(), 2);
    EXPECT_TRUE(data.Divers_Table[QStringLiteral("Picture")].isNull());
    data.Divers_Table.first();
    EXPECT_EQ(ui.questions.size(), 2) << "asked again after the picture was forgotten";

    // The file is there: it is shown, and nothing is asked.
    const QString path = writePicture(QStringLiteral("Jo\\Jo_jo@example.org\\3.jpg"));
    data.Divers_Table.edit();
    data.Divers_Table[QStringLiteral("Picture")].setAsString(QStringLiteral("Jo\\Jo_jo@example.org\\3.jpg"));
    data.Divers_Table.post();
    data.Divers_Table.first();
    EXPECT_EQ(view.pictures.value(Page::Divers), path);
    EXPECT_EQ(view.pictureActions.value(Page::Divers), PictureAction::None);
    EXPECT_EQ(ui.questions.size(), 2);
}

} // namespace
} // namespace zaf::test

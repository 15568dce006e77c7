#include "ui_fixture.h"

#include "store/certifications.h"
#include "store/errors.h"
#include "store/schema.h"
#include "store/login_steps.h"
#include "support/fake_view_state.h"
#include "ui/certification_grid.h"
#include "ui/divers_page.h"
#include "ui/table_grid.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zaf::test {
namespace {

/// Records the window title and the starting text of every input box as well.
class InputRecordingUi : public ScriptedUi {
public:
    bool inputBox(const QString& caption, const QString& prompt, QString& value, bool password) override
    {
        asked.append({caption, prompt, value});
        return ScriptedUi::inputBox(caption, prompt, value, password);
    }
    QList<QStringList> asked;
};

/// The Divers page in an active window over a real store, "Jo" logged in.
class DiversPageTest : public UiFixture {
protected:
    void SetUp() override
    {
        UiFixture::SetUp();
        setUi(&recording);
        start();
        logInJo();
        view = std::make_unique<FakeViewState>(); // after the window, so that it is the view in force
        view->page = Page::Divers;
        page = new gui::DiversPage(*data);
        host = hostWindow({600, 480}, {page}, sink);
    }

    void TearDown() override
    {
        host.reset();
        view.reset();
        UiFixture::TearDown();
    }

    store::Table& divers() { return data->Divers_Table; }

    /// Stores a diver record with that owner and memo and shows it on the page.
    void showDiver(const QString& name, const QString& owner, const QString& email, const QString& certifications)
    {
        if (!divers().locate({QStringLiteral("DiverName")}, {name})) {
            divers().append();
            divers()[QStringLiteral("DiverName")].setAsString(name);
        } else {
            divers().edit();
        }
        divers()[QStringLiteral("OwnerName")].setAsString(owner);
        divers()[QStringLiteral("OwnerEmail")].setAsString(email);
        divers()[QStringLiteral("Certifications")].setAsString(certifications);
        divers().post();
        ASSERT_TRUE(divers().locate({QStringLiteral("DiverName")}, {name}));
        page->enterPage();
    }
    void showOwnDiver(const QString& certifications)
    {
        showDiver(QStringLiteral("Jo"), QStringLiteral("Jo"), QStringLiteral("jo@example.org"), certifications);
    }

    /// The memo as stored on disk for the shown diver.
    QString storedMemo()
    {
        store::Table copy(QStringLiteral("copy"));
        copy.setDefinition(store::schema::divers());
        copy.setPath(divers().path());
        copy.open();
        EXPECT_TRUE(copy.locate({QStringLiteral("DiverName")}, {divers()[QStringLiteral("DiverName")].asString()}));
        return copy[QStringLiteral("Certifications")].asString();
    }

    gui::CertificationGrid* grid() { return widget<gui::CertificationGrid>(page, "CertificationGrid"); }

    static void focus(QWidget* w)
    {
        w->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        ASSERT_TRUE(w->hasFocus()) << w->objectName().toStdString();
    }

    InputRecordingUi recording;
    std::unique_ptr<FakeViewState> view;
    std::unique_ptr<QWidget> host;
    gui::DiversPage* page = nullptr;
    QLineEdit* sink = nullptr;
};

const QString kTwoLines = QStringLiteral("OW -- 1/15/00 -- 11 -- Kim -- 7 -- Reef Shop\nNitrox -- 5/5/05 --  -- Lee --  -- Dock");

TEST_F(DiversPageTest, GridShowsTheMemoUnderItsHeadings)
{
    showOwnDiver(kTwoLines);
    gui::CertificationGrid* g = grid();
    ASSERT_EQ(g->rowCount(), 4);
    ASSERT_EQ(g->columnCount(), 7);
    const QStringList headings{"", "Cert", "Date", "ID #", "Instructor", "Ins ID", "Shop"};
    const QStringList second{"", "Nitrox", "5/5/05", "", "Lee", "", "Dock"};
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(g->item(0, c)->text(), headings[c]);
        EXPECT_EQ(g->item(2, c)->text(), second[c]);
        EXPECT_EQ(g->item(3, c)->text(), "");
    }
    const int widths[] = {10, 140, 60, 60, 80, 60, 80};
    for (int c = 0; c < 7; ++c)
        EXPECT_EQ(g->columnWidth(c), widths[c]);
    EXPECT_NE(g->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(DiversPageTest, EditedCellIsStoredWhenAnotherCellIsChosenAndWhenTheGridIsLeft)
{
    showOwnDiver(kTwoLines);
    gui::CertificationGrid* g = grid();
    g->setCurrentCell(1, 4);
    g->item(1, 4)->setText(QStringLiteral("Kim Ray"));
    g->setCurrentCell(2, 1);
    EXPECT_EQ(storedMemo(), QStringLiteral("OW -- 1/15/00 -- 11 -- Kim Ray -- 7 -- Reef Shop\n"
                                           "Nitrox -- 5/5/05 --  -- Lee --  -- Dock"));
    EXPECT_FALSE(divers().isEditing());

    // A new certification typed into the spare row becomes a third line once the grid is left.
    focus(g);
    g->item(3, 1)->setText(QStringLiteral("Rescue"));
    focus(sink);
    EXPECT_EQ(store::memoLines(storedMemo()).value(2), QStringLiteral("Rescue --  --  --  --  -- "));
    EXPECT_EQ(g->rowCount(), 5) << "the grid is filled again after storing";
}

TEST_F(DiversPageTest, GridIsNotStoredAwayFromTheDiversPage)
{
    showOwnDiver(kTwoLines);
    gui::CertificationGrid* g = grid();
    view->page = Page::DiveLog;
    g->setCurrentCell(1, 1);
    g->item(1, 1)->setText(QStringLiteral("Changed"));
    g->setCurrentCell(2, 1);
    EXPECT_EQ(storedMemo(), kTwoLines);
}

TEST_F(DiversPageTest, AddAsksSixQuestionsAndAppendsTheAnswers)
{
    showOwnDiver(kTwoLines);
    auto* add = widget<QPushButton>(page, "AddCertButton");
    ASSERT_FALSE(add->isHidden());
    for (const char* answer : {"Rescue", "3/3/03", "", "Ann", "42", "Blue Water"})
        recording.inputs.push_back(QLatin1String(answer));
    add->click();

    const QList<QStringList> expected{
        {"Enter Certification Level", "Certification", "PADI : Open Water"},
        {"Enter Date Certified", "Certification Date", "1/15/00"},
        {"Enter Diver ID # (if applicable)", "Diver ID # (if applicable)", ""},
        {"Enter Instructor Name", "Instructor Name", ""},
        {"Enter Instructor #", "Instructor #", ""},
        {"Enter Dive Shop", "Dive Shop", ""},
    };
    EXPECT_EQ(recording.asked, expected);
    EXPECT_EQ(storedMemo(), kTwoLines + QStringLiteral("\nRescue -- 3/3/03 --  -- Ann -- 42 -- Blue Water"));
    EXPECT_EQ(grid()->rowCount(), 5);
    EXPECT_EQ(grid()->item(3, 6)->text(), "Blue Water");
}

TEST_F(DiversPageTest, CancellingAQuestionAddsNothing)
{
    showOwnDiver(kTwoLines);
    recording.inputs = {QStringLiteral("Rescue"), QStringLiteral("3/3/03")}; // the third is cancelled
    widget<QPushButton>(page, "AddCertButton")->click();
    EXPECT_EQ(recording.asked.size(), 3);
    EXPECT_EQ(storedMemo(), kTwoLines);
}

TEST_F(DiversPageTest, DeleteRemovesTheCurrentRowsLineOnlyOnYes)
{
    showOwnDiver(kTwoLines);
    grid()->setCurrentCell(1, 2);
    recording.answers.push_back(Answer::No);
    widget<QPushButton>(page, "DeleteCertButton")->click();
    EXPECT_EQ(storedMemo(), kTwoLines);

    grid()->setCurrentCell(1, 2);
    recording.answers.push_back(Answer::Yes);
    widget<QPushButton>(page, "DeleteCertButton")->click();
    EXPECT_EQ(recording.questions, QStringList(2, QStringLiteral("Delete Certification.  Are you sure?")));
    EXPECT_EQ(storedMemo(), QStringLiteral("Nitrox -- 5/5/05 --  -- Lee --  -- Dock"));
    EXPECT_EQ(grid()->rowCount(), 3);
}

TEST_F(DiversPageTest, AnotherDiversCertificationsAreReadOnly)
{
    const QString memo = QStringLiteral("Cave -- 1/1/01 --  -- Ray --  -- ");
    showDiver(QStringLiteral("Al"), QStringLiteral("Al"), QStringLiteral("al@example.org"), memo);
    gui::CertificationGrid* g = grid();
    EXPECT_EQ(g->item(1, 1)->text(), "Cave");
    EXPECT_EQ(g->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_TRUE(widget<QPushButton>(page, "AddCertButton")->isHidden());
    EXPECT_TRUE(widget<QPushButton>(page, "DeleteCertButton")->isHidden());

    g->setCurrentCell(1, 1);
    g->item(1, 1)->setText(QStringLiteral("Changed"));
    g->setCurrentCell(1, 2);
    EXPECT_EQ(storedMemo(), memo);
    EXPECT_FALSE(divers().isEditing());
}

TEST_F(DiversPageTest, AFailedPostReachesTheApplicationsErrorHandler)
{
    showOwnDiver(kTwoLines);
    divers().onBeforePost = [rule = divers().onBeforePost](store::Table& t) {
        if (rule)
            rule(t);
        throw store::DatabaseError(QStringLiteral("Disk full."));
    };
    grid()->setCurrentCell(1, 1);
    grid()->item(1, 1)->setText(QStringLiteral("Changed"));
    grid()->setCurrentCell(2, 1);
    ASSERT_FALSE(recording.messages.isEmpty());
    EXPECT_TRUE(recording.messages.last().startsWith(QStringLiteral("Disk full.\r"))) << recording.messages.last().toStdString();
}

TEST_F(DiversPageTest, DoubleClickOnADiveShowsItsLogPage)
{
    // Jo's own dive, and a dive of Al's that Al logged (so it lives among others' logs).
    store::Table raw(QStringLiteral("raw"));
    raw.setDefinition(store::schema::diveLog());
    raw.setPath(data->DiveLog_Table.path());
    raw.open();
    const std::tuple<const char*, const char*, const char*, int> seeded[] = {
        {"Jo", "Jo", "jo@example.org", 7}, {"Al", "Al", "al@example.org", 3}};
    for (const auto& [diver, owner, email, number] : seeded) {
        raw.append();
        raw[QStringLiteral("DiverName")].setAsString(QLatin1String(diver));
        raw[QStringLiteral("OwnerName")].setAsString(QLatin1String(owner));
        raw[QStringLiteral("OwnerEmail")].setAsString(QLatin1String(email));
        raw[QStringLiteral("DiveNumber")].setAsInteger(number);
        raw.post();
    }
    data->DiveLog_Table.first();
    data->OthersLog_Table.first();

    showOwnDiver(QString());
    auto* dives = widget<gui::TableGrid>(page, "DiverDivesGrid");
    EXPECT_EQ(data->divers_log_table.recordCount(), 1);
    Q_EMIT dives->rowDoubleClicked(1);
    EXPECT_EQ(view->shownPages, QList<Page>{Page::DiveLog});
    EXPECT_EQ(data->DiveLog_Table[QStringLiteral("DiveNumber")].asInteger(), 7);

    showDiver(QStringLiteral("Al"), QStringLiteral("Al"), QStringLiteral("al@example.org"), QString());
    EXPECT_EQ(data->divers_log_table[QStringLiteral("DiverName")].asString(), "Al");
    Q_EMIT dives->rowDoubleClicked(1);
    EXPECT_EQ(view->shownPages.value(1), Page::OthersLogs);
    EXPECT_EQ(data->OthersLog_Table[QStringLiteral("DiveNumber")].asInteger(), 3);
}

} // namespace
} // namespace zaf::test

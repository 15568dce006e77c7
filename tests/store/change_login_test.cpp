#include "login_fixture.h"

#include "store/change_login.h"
#include "store/errors.h"
#include "store/login_steps.h"

#include <QDir>
#include <QFile>

namespace zaf::test {
namespace {

using store::ChangeLoginResult;

const QString kAnn = QStringLiteral("Ann");
const QString kAnnMail = QStringLiteral("ann@example.org");
const QString kBob = QStringLiteral("Bob");
const QString kBobMail = QStringLiteral("bob@example.org");
const QString kNew = QStringLiteral("Anna Neu");
const QString kNewMail = QStringLiteral("anna@example.org");
const QString kUpdating = QStringLiteral("Your ZAF records will now be updated.  This may take a while.");

// Ann is logged in and owns a record in every table; Bob owns one beside hers in some.
class ChangeLoginTest : public LoginFixture {
protected:
    void SetUp() override
    {
        LoginFixture::SetUp();
        config().userName = kAnn;
        config().userEmail = kAnnMail;
        ASSERT_TRUE(writeConfig());
        const QString oldPictures = home.path() + QStringLiteral("/pictures/An/Ann_ann@example.org");
        QDir().mkpath(oldPictures);
        QFile picture(oldPictures + QStringLiteral("/1.jpg"));
        ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
        picture.write("jpeg");
        picture.close();

        // The divers come first: a dive of an unknown diver would make its own diver record.
        add(data.Divers_Table, {{"DiverName", kAnn}, {"Email", kAnnMail}, {"OwnerName", kAnn},
                                {"OwnerEmail", kAnnMail}, {"Picture", QStringLiteral("An\\Ann_ann@example.org\\2.jpg")}});
        add(data.Divers_Table, {{"DiverName", QStringLiteral("Buddy")}, {"Email", QStringLiteral("b@x.org")},
                                {"OwnerName", kAnn}, {"OwnerEmail", kAnnMail}});
        for (const auto& [name, mail] : {std::pair{kAnn, kAnnMail}, std::pair{kBob, kBobMail}}) {
            add(data.DiveSite_Table, {{"DiveSite", QStringLiteral("Reef")}, {"OwnerName", name}, {"OwnerEmail", mail}});
            add(data.DiveResources_Table,
                {{"CompanyName", QStringLiteral("Shop")}, {"OwnerName", name}, {"OwnerEmail", mail}});
            add(data.Travel_Table, {{"OwnerName", name}, {"OwnerEmail", mail}, {"TripNumber", QStringLiteral("1")}});
            add(data.Equipment_Table, {{"Type", QStringLiteral("Fins")}, {"Make", QStringLiteral("M")},
                                       {"OwnerName", name}, {"OwnerEmail", mail}});
            add(data.DiveLog_Table, {{"DiverName", name}, {"DiveNumber", QStringLiteral("1")}, {"OwnerName", name},
                                     {"OwnerEmail", mail}});
        }
        add(data.DiveComputer_Table,
            {{"DiveStamp", QStringLiteral("02ABC")}, {"OwnerName", kAnn}, {"OwnerEmail", kAnnMail}});
        add(data.Pictures_Table, {{"FileName", QStringLiteral("An\\Ann_ann@example.org\\1.jpg")}, {"OwnerName", kAnn},
                                  {"OwnerEmail", kAnnMail}, {"Title", QStringLiteral("Turtle")}});
        add(data.DiveLog_Table,
            {{"DiverName", QStringLiteral("Buddy")}, {"DiveNumber", QStringLiteral("7")}, {"OwnerName", kAnn},
             {"OwnerEmail", kAnnMail},
             {"Pictures", QStringLiteral("An\\Ann_ann@example.org\\1.jpg\r\nAn\\Ann_ann@example.org\\3.jpg")}});
    }

    /// "name/e-mail" of every record of a table, in its order.
    static QStringList owners(store::Table& table)
    {
        QStringList out;
        for (table.first(); !table.eof(); table.next())
            out.append(table[QStringLiteral("OwnerName")].asString() + QLatin1Char('/') +
                       table[QStringLiteral("OwnerEmail")].asString());
        out.sort();
        return out;
    }
};

TEST_F(ChangeLoginTest, NewNameAndAddressReownEverything)
{
    ui.inputs = {kNew, kNewMail, QStringLiteral("pw2")};
    EXPECT_EQ(store::changeLogin(data), ChangeLoginResult::Reowned);
    EXPECT_EQ(ui.messages, QStringList{kUpdating});
    EXPECT_FALSE(ui.busy);

    const QString ann = kNew + QLatin1Char('/') + kNewMail;
    const QString bob = kBob + QLatin1Char('/') + kBobMail;
    for (store::Table* t : {&data.DiveSite_Table, &data.DiveResources_Table, &data.Travel_Table, &data.Equipment_Table}) {
        SCOPED_TRACE(t->objectName().toStdString());
        EXPECT_EQ(owners(*t), (QStringList{ann, bob}));
        EXPECT_TRUE(t->filterText().isEmpty());
    }
    EXPECT_EQ(owners(data.DiveComputer_Table), QStringList{ann});
    EXPECT_EQ(owners(data.Pictures_Table), QStringList{ann});
    EXPECT_EQ(column(data.Pictures_Table, "FileName"), QStringList{QStringLiteral("An\\Anna Neu_anna@example.org\\1.jpg")});

    EXPECT_EQ(owners(data.Divers_Table), (QStringList{ann, ann}));
    EXPECT_EQ(column(data.Divers_Table, "DiverName"), (QStringList{kNew, QStringLiteral("Buddy")}));
    EXPECT_EQ(column(data.Divers_Table, "Email"), (QStringList{kNewMail, QStringLiteral("b@x.org")}));
    ASSERT_TRUE(data.Divers_Table.findKey({kNew}));
    EXPECT_EQ(data.Divers_Table[QStringLiteral("Picture")].asString(),
              QStringLiteral("An\\Anna Neu_anna@example.org\\2.jpg"));

    store::Table& log = data.DiveLog_Table;
    EXPECT_EQ(owners(log), (QStringList{ann, ann, bob}));
    EXPECT_EQ(column(log, "DiverName"), (QStringList{kNew, kBob, QStringLiteral("Buddy")}));
    ASSERT_TRUE(log.findKey({QStringLiteral("Buddy")}));
    EXPECT_EQ(log[QStringLiteral("Pictures")].asString(),
              QStringLiteral("An\\Anna Neu_anna@example.org\\1.jpg\r\nAn\\Anna Neu_anna@example.org\\3.jpg"));

    EXPECT_TRUE(exists(QStringLiteral("pictures/An/Anna Neu_anna@example.org/1.jpg")));
    EXPECT_FALSE(exists(QStringLiteral("pictures/An/Ann_ann@example.org")));
    EXPECT_FALSE(exists(QStringLiteral("Ann.zaf")));
    EXPECT_TRUE(exists(QStringLiteral("Anna Neu.zaf")));

    EXPECT_EQ(config().userName, kNew);
    EXPECT_EQ(config().userEmail, kNewMail);
    diverTable().read();
    EXPECT_EQ(diverTable().slot(1).name, kNew);
    EXPECT_EQ(diverTable().slot(1).email, kNewMail);
    EXPECT_EQ(diverTable().slot(1).password, QStringLiteral("pw2"));
}

TEST_F(ChangeLoginTest, SameNameAndAddressOnlyRewritesTheDiverFile)
{
    ui.inputs = {kAnn, kAnnMail}; // the password question is cancelled: no password
    const QStringList before = owners(data.DiveLog_Table);
    EXPECT_EQ(store::changeLogin(data), ChangeLoginResult::Rewritten);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.messages[0].startsWith(QStringLiteral("Your password has been cleared.")));
    EXPECT_EQ(owners(data.DiveLog_Table), before);
    EXPECT_TRUE(exists(QStringLiteral("Ann.zaf")));
    EXPECT_TRUE(exists(QStringLiteral("pictures/An/Ann_ann@example.org/1.jpg")));
    diverTable().read();
    EXPECT_EQ(diverTable().slot(1).password, QString());
}

TEST_F(ChangeLoginTest, InvalidDataChangesNothing)
{
    struct Case {
        const char* what;
        QString name, email;
    };
    const Case cases[] = {
        {"blank name", QStringLiteral("   "), kNewMail},
        {"blank address", kNew, QStringLiteral(" ")},
        {"path in the name", QStringLiteral("../x"), kNewMail},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.messages.clear();
        ui.inputs = {c.name, c.email, QStringLiteral("pw2")};
        EXPECT_EQ(store::changeLogin(data), ChangeLoginResult::Refused);
        EXPECT_EQ(ui.messages,
                  QStringList{QStringLiteral("You have entered invalid data.  Your login has not been changed.")});
        EXPECT_EQ(diverTable().slot(1).name, kAnn);
        EXPECT_EQ(diverTable().slot(1).password, QStringLiteral("pw"));
        EXPECT_EQ(config().userName, kAnn);
    }
}

TEST_F(ChangeLoginTest, DiversRecordThatCannotMoveIsLeftAndTheRestGoesOn)
{
    // Bob already keeps a Divers record with Ann's new name and address: hers cannot take that key.
    add(data.Divers_Table, {{"DiverName", kNew}, {"Email", kNewMail}, {"OwnerName", kBob}, {"OwnerEmail", kBobMail}});
    ui.inputs = {kNew, kNewMail, QStringLiteral("pw")};
    EXPECT_EQ(store::changeLogin(data), ChangeLoginResult::Reowned);
    EXPECT_EQ(column(data.Divers_Table, "OwnerName"), (QStringList{kAnn, kBob, kNew}));
    EXPECT_EQ(column(data.DiveLog_Table, "OwnerName").count(kNew), 2);
    EXPECT_FALSE(cancelRequested());
}

TEST_F(ChangeLoginTest, KeyViolationInAnotherTableEndsTheChangeForTheErrorReport)
{
    add(data.Equipment_Table, {{"Type", QStringLiteral("Fins")}, {"Make", QStringLiteral("M")}, {"OwnerName", kNew},
                               {"OwnerEmail", kNewMail}});
    ui.inputs = {kNew, kNewMail, QStringLiteral("pw")};
    try {
        store::changeLogin(data);
        ADD_FAILURE() << "no error";
    } catch (const store::DatabaseError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("Key violation"))) << e.message().toStdString();
    }
    EXPECT_FALSE(data.Equipment_Table.isEditing());
    EXPECT_TRUE(data.Equipment_Table.filterText().isEmpty());
    EXPECT_FALSE(ui.busy);
    EXPECT_TRUE(exists(QStringLiteral("pictures/An/Ann_ann@example.org/1.jpg")));
}

} // namespace
} // namespace zaf::test

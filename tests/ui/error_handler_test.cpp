#include "ui_fixture.h"

#include "core/trace.h"
#include "store/errors.h"
#include "ui/application.h"

#include <QEvent>

namespace zaf::test {
namespace {

struct ErrorCase {
    const char* what;
    // ctest lists a case by its name instead of its bytes.
    friend void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.what; }
    const char* message;
    bool watchdog;
    const char* shown; ///< the message the user sees, or nullptr
    bool repaired;
};

class ErrorBranches : public UiFixture, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ErrorBranches, ShowRepairOrStaySilentAndAlwaysTrace)
{
    const ErrorCase& c = GetParam();
    appState().debugMode = true;
    QStringList trace;
    setTraceWriter([&trace](const QString& procedure, const QString& message) { trace << procedure + ':' + message; });
    int repairs = 0;
    gui::ErrorHandler errors;
    errors.blobRepairHook = [&repairs] { ++repairs; };
    errors.watchdogRunning = [&c] { return c.watchdog; };

    errors.handle(QLatin1String(c.message));

    EXPECT_EQ(ui.messages, c.shown ? QStringList{QLatin1String(c.shown)} : QStringList{});
    EXPECT_EQ(repairs, c.repaired ? 1 : 0);
    EXPECT_EQ(trace, QStringList{QStringLiteral("Exception:") + QLatin1String(c.message)});
    setTraceWriter({});
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ErrorBranches,
    ::testing::Values(
        ErrorCase{"KeyViolationAnyCase", "key VIOLATION.", false, "This is a duplicate record.  It cannot be saved.",
                  false},
        ErrorCase{"Blob", "Blob has been modified", false, nullptr, true},
        ErrorCase{"Other", "Disk full", false,
                  "Disk full\rPlease report this error and what caused the error to ZAF Support.", false},
        ErrorCase{"OtherDuringShutdown", "Disk full", true, nullptr, false},
        ErrorCase{"ShortKeyText", "Key viol", false,
                  "Key viol\rPlease report this error and what caused the error to ZAF Support.", false}),
    [](const ::testing::TestParamInfo<ErrorCase>& param) { return std::string(param.param.what); });

using ErrorHandlerTest = UiFixture;

TEST_F(ErrorHandlerTest, DuplicateCancelsThePendingEditsOfEveryTable)
{
    start();
    data->DiveSite_Table.append();
    data->Equipment_Table.append();
    data->DiveComputer_Table.append();
    handler.handle(store::KeyViolation().message());
    for (store::Table* t : {&data->DiveSite_Table, &data->Equipment_Table, &data->DiveComputer_Table})
        EXPECT_FALSE(t->isEditing()) << t->objectName().toStdString();
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("This is a duplicate record.  It cannot be saved.")});
}

// An event handler that fails the way a post does.
class FailingObject : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            throw store::KeyViolation();
        return QObject::event(e);
    }
};

TEST_F(ErrorHandlerTest, ErrorEscapingAnEventHandlerReachesTheApplicationsHandler)
{
    auto* app = dynamic_cast<gui::ZafApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    FailingObject target;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&target, &event); // would end the program without the handler
    EXPECT_EQ(ui.messages, QStringList{QStringLiteral("This is a duplicate record.  It cannot be saved.")});
}

} // namespace
} // namespace zaf::test

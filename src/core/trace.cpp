#include "core/trace.h"

#include "core/app_state.h"

namespace zaf {
namespace {
TraceWriter& writer()
{
    static TraceWriter w;
    return w;
}
} // namespace

void write_debug_message(const QString& procedure, const QString& message)
{
    if (!appState().debugMode || !writer())
        return;
    writer()(procedure, message);
}

void setTraceWriter(TraceWriter w)
{
    writer() = std::move(w);
}

TraceScope::TraceScope(QString procedure) : m_procedure(std::move(procedure))
{
    write_debug_message(m_procedure, QStringLiteral("enter"));
}

TraceScope::~TraceScope()
{
    try {
        write_debug_message(m_procedure, QStringLiteral("exit"));
    } catch (...) {
        // A failing trace write must not turn an unwinding into a termination.
    }
}

} // namespace zaf

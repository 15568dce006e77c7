#pragma once

#include <QString>
#include <functional>

namespace zaf {

/// The trace log as the rest of the program sees it: `write_debug_message(procedure,
/// message)`. The data module installs the writer that appends to the trace table; until
/// then, and whenever debug mode is off, a trace write does nothing.
using TraceWriter = std::function<void(const QString& procedure, const QString& message)>;

void write_debug_message(const QString& procedure, const QString& message);
void setTraceWriter(TraceWriter writer);

/// Writes "enter" on construction and "exit" on destruction under one procedure name.
class TraceScope {
public:
    explicit TraceScope(QString procedure);
    ~TraceScope();
    TraceScope(const TraceScope&) = delete;
    TraceScope& operator=(const TraceScope&) = delete;

private:
    QString m_procedure;
};

} // namespace zaf

#pragma once

#include <QString>
#include <stdexcept>

namespace zaf::store {

/// Any failure of the table engine. Callers that "catch a database error" catch this.
class DatabaseError : public std::runtime_error {
public:
    explicit DatabaseError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

/// Two records equal in every key field; the message begins "Key violation".
class KeyViolation : public DatabaseError {
public:
    explicit KeyViolation(const QString& detail = {})
        : DatabaseError(detail.isEmpty() ? QStringLiteral("Key violation.")
                                         : QStringLiteral("Key violation. ") + detail) {}
};

/// A required field was empty at post: "Field '<name>' must have a value.".
class RequiredValue : public DatabaseError {
public:
    explicit RequiredValue(const QString& field)
        : DatabaseError(QStringLiteral("Field '%1' must have a value.").arg(field)) {}
};

/// A text that cannot be turned into the field's type ("'abc' is not a valid integer value").
class ConversionError : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

} // namespace zaf::store

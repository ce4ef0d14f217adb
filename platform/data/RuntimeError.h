#pragma once

#include <QString>
#include <exception>
#include <string>

namespace zav {

// A failure the way the run time reports it: a number and a description.
// Database failures carry the provider's number (0x80040E37, 0x80040E14, ...);
// run-time faults carry the small numbers users know (6 overflow, 13 type mismatch).
class RuntimeError : public std::exception {
public:
    RuntimeError(quint32 number, QString description, QString source = {});
    // One of the run time's own numbers (errors::Overflow, ...) with its description.
    explicit RuntimeError(quint32 number);

    quint32 number() const { return number_; }
    const QString& description() const { return description_; }
    const QString& source() const { return source_; }

    // "80040E37" for provider numbers, "6" for small ones: how the number is shown to the user.
    QString numberText() const;

    const char* what() const noexcept override { return what_.c_str(); }

private:
    quint32 number_;
    QString description_;
    QString source_;
    std::string what_;
};

namespace errors {
constexpr quint32 InvalidCall = 5;               // invalid procedure call or argument
constexpr quint32 Overflow = 6;
constexpr quint32 SubscriptOutOfRange = 9;       // e.g. a cell beyond a sheet's 65,536 rows x 256 columns
constexpr quint32 TypeMismatch = 13;
constexpr quint32 PermissionDenied = 70;
constexpr quint32 PathFileAccess = 75;
constexpr quint32 PathNotFound = 76;
constexpr quint32 ObjectNotFound = 0x80040E37;   // table or view does not exist
constexpr quint32 CommandError = 0x80040E14;     // syntax error, unknown column, ...
constexpr quint32 IntegrityViolation = 0x80040E2F;
constexpr quint32 Unspecified = 0x80004005;
constexpr quint32 QueryTimeout = 0x80040E31;     // the statement ran out of time
constexpr quint32 ItemNotFound = 0x800A0CC1;     // no field by that name or position
constexpr quint32 NoCurrentRecord = 0x800A0BCD;  // BOF or EOF is true
constexpr quint32 MultipleStepError = 0x80040E21; // value does not fit its field
constexpr quint32 OperationNotAllowed = 0x800A0E79; // recordset closed or not updatable
constexpr quint32 InvalidArgument = 0x800A0BB9;  // e.g. a filter or sort text it cannot read
constexpr quint32 NoTransaction = 0x8004D00E;    // commit or rollback with no transaction open

// How the run time describes its own numbers to the users, in Portuguese;
// "Erro não especificado" for any other.
QString description(quint32 number);
} // namespace errors

} // namespace zav

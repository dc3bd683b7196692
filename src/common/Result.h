// Error values that cross module boundaries instead of exceptions.
#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace tolva {

// Where an error's code comes from: the three number spaces overlap (EEXIST is 17, and so is
// SQLITE_SCHEMA), so a code is only ever compared together with its kind.
enum class ErrorKind {
    Engine,  // the engine's own codes (kCode…, negative) or none
    Sqlite,  // an sqlite3 result code, possibly extended
    System,  // an errno value
};

// A failure with a German description that can be shown to the user as it stands.
struct Error {
    QString description;
    int code = 0;
    ErrorKind kind = ErrorKind::Engine;
};

// The comparisons of a code, each with its kind. IsSqlite compares a primary result code with
// the primary part of an extended one.
inline bool IsEngine(const Error& e, int lCode) {
    return e.kind == ErrorKind::Engine && e.code == lCode;
}
inline bool IsSqlite(const Error& e, int rc) {
    return e.kind == ErrorKind::Sqlite && (rc > 0xff ? e.code == rc : (e.code & 0xff) == rc);
}
inline bool IsSystem(const Error& e, int errorNumber) {
    return e.kind == ErrorKind::System && e.code == errorNumber;
}

// Outcome of an operation without a value: either success or an Error.
class [[nodiscard]] Status {
  public:
    Status() = default;
    Status(Error error) : error_(std::move(error)) {}  // NOLINT: implicit on purpose

    static Status Ok() { return {}; }
    static Status Fail(QString description, int code = 0, ErrorKind kind = ErrorKind::Engine) {
        return Status(Error{std::move(description), code, kind});
    }

    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    // Precondition: !ok().
    const Error& error() const { return *error_; }
    QString description() const { return error_ ? error_->description : QString(); }

  private:
    std::optional<Error> error_;
};

// Outcome of an operation that yields a T on success.
template <typename T>
class [[nodiscard]] Result {
  public:
    Result(T value) : data_(std::move(value)) {}             // NOLINT: implicit on purpose
    Result(Error error) : data_(std::move(error)) {}         // NOLINT: implicit on purpose
    Result(const Status& status) : data_(status.error()) {}  // precondition: !status.ok()

    bool ok() const { return std::holds_alternative<T>(data_); }
    explicit operator bool() const { return ok(); }
    // Precondition: ok().
    const T& value() const& { return std::get<T>(data_); }
    T&& value() && { return std::get<T>(std::move(data_)); }
    // Precondition: !ok().
    const Error& error() const { return std::get<Error>(data_); }
    Status status() const { return ok() ? Status() : Status(error()); }

  private:
    std::variant<T, Error> data_;
};

}  // namespace tolva

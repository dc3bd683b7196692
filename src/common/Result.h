// Error values that cross module boundaries instead of exceptions.
#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace tolva {

// A failure with a German description that can be shown to the user as it stands.
struct Error {
    QString description;
    int code = 0;  // the engine's own code (an sqlite3 result code for database failures)
};

// Outcome of an operation without a value: either success or an Error.
class [[nodiscard]] Status {
  public:
    Status() = default;
    Status(Error error) : error_(std::move(error)) {}  // NOLINT: implicit on purpose

    static Status Ok() { return {}; }
    static Status Fail(QString description, int code = 0) {
        return Status(Error{std::move(description), code});
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

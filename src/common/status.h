// The outcome of an operation that can fail in a way the user must hear about.
// A failed Status carries a readable message, in Polish where it is shown to the user as is.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace dudedur {

class [[nodiscard]] Status {
public:
    static Status Ok() { return Status(); }
    static Status Error(std::string message) { return Status(std::move(message)); }

    bool ok() const { return !message_.has_value(); }
    // The failure's message; empty for a success.
    const std::string& message() const {
        static const std::string kNone;
        return message_ ? *message_ : kNone;
    }

private:
    Status() = default;
    explicit Status(std::string message) : message_(std::move(message)) {}

    std::optional<std::string> message_;
};

// A value, or the Status of the failure that prevented it.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)), status_(Status::Ok()) {}  // NOLINT: implicit by design
    Result(Status failure) : status_(std::move(failure)) {}              // NOLINT: implicit by design

    bool ok() const { return status_.ok(); }
    const Status& status() const { return status_; }
    const std::string& message() const { return status_.message(); }
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }

private:
    std::optional<T> value_;
    Status status_;
};

}  // namespace dudedur

#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace belltide {

// A value or a message saying, in one sentence, why there is none. Layers hand
// failures upward this way; only the window turns them into dialogs.
template <typename T> class Result {
public:
    static Result Ok(T value) { return Result(std::move(value), QString()); }
    static Result Fail(QString message) { return Result(std::nullopt, std::move(message)); }

    bool IsOk() const { return mValue.has_value(); }
    explicit operator bool() const { return IsOk(); }
    const T& Value() const& { return *mValue; }
    T& Value() & { return *mValue; }
    T TakeValue() { return std::move(*mValue); }
    const QString& Error() const { return mError; }

private:
    Result(std::optional<T> value, QString error)
        : mValue(std::move(value))
        , mError(std::move(error))
    {
    }

    std::optional<T> mValue;
    QString mError;
};

// For operations that give nothing back but may fail.
struct Done { };
using Status = Result<Done>;

} // namespace belltide

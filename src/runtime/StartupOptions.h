#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

namespace belltide {

// The option records of the container. The only kind there is asks for a
// start-up text, shown in a 640 x 480 presentation before the application runs.
class StartupOptions {
public:
    static constexpr int kPresentationWidth = 640;
    static constexpr int kPresentationHeight = 480;

    enum class Stop {
        AtEnd,
        Truncated, // a record runs past the end of the segment
        UnknownType, // a record of a type nobody knows; what follows cannot be read
    };

    struct Text {
        QByteArray Bytes;
        std::uint32_t Encoding = 0;
        QString Decoded() const;
    };

    std::optional<Text> StartupText;
    Stop StoppedBy = Stop::AtEnd;

    static void AppendStartupText(QByteArray& options, QByteArrayView text, std::uint32_t encoding);
    // A later start-up text replaces an earlier one.
    static StartupOptions Read(QByteArrayView segment);
};

} // namespace belltide

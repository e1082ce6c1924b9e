#pragma once

#include <QByteArray>
#include <QHash>

#include <cstdint>
#include <memory>
#include <optional>

namespace belltide {

// Operating-system libraries asked for by the container, each opened once and
// kept open for the life of the process: bound code keeps calling into them.
class SystemLibraries {
public:
    // Opening and symbol lookup, apart so that tests can count and fake them.
    class Opener {
    public:
        virtual ~Opener() = default;
        // Null when the library cannot be loaded.
        virtual void* Open(const QByteArray& library) = 0;
        virtual std::uintptr_t Symbol(void* library, const QByteArray& function) = 0;
    };

    // Through the dynamic linker.
    SystemLibraries();
    explicit SystemLibraries(std::unique_ptr<Opener> opener);

    // Nothing when the library or the function is missing.
    std::optional<std::uintptr_t> Resolve(const QByteArray& library, const QByteArray& function);

private:
    std::unique_ptr<Opener> mOpener;
    // A library that failed to open is remembered as null and not tried again.
    QHash<QByteArray, void*> mOpened;
};

} // namespace belltide

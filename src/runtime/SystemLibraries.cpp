#include "SystemLibraries.h"

#include <dlfcn.h>

namespace belltide {

namespace {

class DynamicLinker : public SystemLibraries::Opener {
public:
    // Libraries are never closed: bound code may call them until the process ends.
    void* Open(const QByteArray& library) override
    {
        void* handle = dlopen(library.constData(), RTLD_NOW | RTLD_LOCAL);
        if (!handle && !library.contains('/') && !library.contains(".so"))
            handle = dlopen(("lib" + library + ".so").constData(), RTLD_NOW | RTLD_LOCAL);
        return handle;
    }

    std::uintptr_t Symbol(void* library, const QByteArray& function) override
    {
        return reinterpret_cast<std::uintptr_t>(dlsym(library, function.constData()));
    }
};

// A name with a NUL inside would reach the linker cut short, naming something else.
bool IsCleanName(const QByteArray& name)
{
    return !name.isEmpty() && !name.contains('\0');
}

} // namespace

SystemLibraries::SystemLibraries()
    : SystemLibraries(std::make_unique<DynamicLinker>())
{
}

SystemLibraries::SystemLibraries(std::unique_ptr<Opener> opener)
    : mOpener(std::move(opener))
{
}

std::optional<std::uintptr_t> SystemLibraries::Resolve(const QByteArray& library, const QByteArray& function)
{
    if (!IsCleanName(library) || !IsCleanName(function))
        return std::nullopt;
    auto opened = mOpened.find(library);
    if (opened == mOpened.end())
        opened = mOpened.insert(library, mOpener->Open(library));
    if (!*opened)
        return std::nullopt;
    const std::uintptr_t address = mOpener->Symbol(*opened, function);
    if (address == 0)
        return std::nullopt;
    return address;
}

} // namespace belltide

#pragma once

#include "ResourceRegistry.h"
#include "SegmentMemory.h"
#include "StartupOptions.h"
#include "SymbolTable.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace belltide {

// The application code bound to the runtime, with its resources, symbols and
// options. Lives until the process ends: bound code refers into all of it.
class LoadedApplication {
public:
    // The runtime's application entry, which the container's entry routine
    // calls; it receives this object, so nothing needs to be global.
    using Entry = int (*)(LoadedApplication* application);

    LoadedApplication(const LoadedApplication&) = delete;
    LoadedApplication& operator=(const LoadedApplication&) = delete;

    const ResourceRegistry& Resources() const { return mResources; }
    const SymbolTable& Symbols() const { return mSymbols; }
    // Shown by runtime initialisation before the application's first window.
    const std::optional<StartupOptions::Text>& StartupText() const { return mStartupText; }

    // What the process was started with, handed on to the application entry;
    // the count is a reference because QApplication keeps one.
    int& ArgumentCount() { return mArgumentCount; }
    char** Arguments() const { return mArguments; }

    std::uint64_t CodeAddress() const { return mCode.Address(); }
    std::size_t CodeSize() const { return mCodeSize; }

    // The function that contains address, and how far into it the address lies.
    std::optional<SymbolTable::Hit> LookupSymbol(std::uint64_t address) const;

    // Calls the first byte of the code. A runtime without code (bare, and no
    // "code.dat" beside it) calls bareEntry itself.
    int Run(Entry bareEntry);

private:
    friend class Loader;
    LoadedApplication() = default;

    SegmentMemory mCode;
    std::size_t mCodeSize = 0;
    SegmentMemory mData;
    // Registry entries point into this; it is never changed after loading.
    QByteArray mResourceBytes;
    ResourceRegistry mResources;
    SymbolTable mSymbols;
    std::optional<StartupOptions::Text> mStartupText;
    int mArgumentCount = 0;
    char** mArguments = nullptr;
};

} // namespace belltide

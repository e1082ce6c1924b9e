// A small program packed the way the window program is: it starts through the
// loader, and its entry reports where it was called from and the pictures it
// finds in its own container.

#include "runtime/EntryPointTable.h"
#include "runtime/EntryRoutine.h"
#include "runtime/LoadedApplication.h"
#include "runtime/Loader.h"
#include "runtime/ResourceRegistry.h"
#include "runtime/StderrErrorPresenter.h"

#include <QCryptographicHash>

#include <cstdio>

using namespace belltide;

namespace {

void PrintPictures(const LoadedApplication& application)
{
    for (const auto& picture : application.Resources().FindAll(ResourceRegistry::TypeCode("BMP "))) {
        const QByteArray hash = QCryptographicHash::hash(picture.Content, QCryptographicHash::Sha256).toHex();
        std::printf("picture %u %lld %s\n", unsigned(picture.Id), static_cast<long long>(picture.Content.size()),
            hash.constData());
    }
}

// Never inlined: its return address is the proof of who called it.
[[gnu::noinline]] int RuntimeMain(LoadedApplication* application)
{
    const auto caller = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
    if (const auto symbol = application->LookupSymbol(caller))
        std::printf(
            "called from %s+%llu\n", symbol->Name.constData(), static_cast<unsigned long long>(symbol->Distance));
    std::printf("%d arguments, the last %s\n", application->ArgumentCount(),
        application->Arguments()[application->ArgumentCount() - 1]);
    PrintPictures(*application);
    return 0;
}

int BareMain(LoadedApplication* application)
{
    std::printf("bare runtime\n");
    PrintPictures(*application);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    EntryPointTable table;
    table.Add(EntryRoutine::kRuntimeEntry, &RuntimeMain);
    StderrErrorPresenter presenter;
    return Loader::LoadAndRun(argc, argv, table, presenter, &BareMain);
}

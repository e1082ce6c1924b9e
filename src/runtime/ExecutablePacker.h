#pragma once

#include "Container.h"
#include "FixupRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <vector>

namespace belltide {

// Appends an application container to an ELF executable and patches the
// executable's locator to point at it.
namespace ExecutablePacker {

struct Resource {
    std::uint32_t Type = 0;
    std::uint16_t Id = 0;
    QByteArray Content;
};

struct Outcome {
    QByteArray Executable;
    // Empty on success; otherwise one sentence saying what is wrong with the input.
    QString Error;
};

// The container of a program: its entry routine as the code, a symbol for it,
// the resources, and empty data and options.
Container BuildContainer(
    const QByteArray& entryCode, const FixupRecord& entryCall, const std::vector<Resource>& resources);

// An executable for a machine we have no entry routine for comes back as it
// was, a bare runtime.
Outcome Pack(QByteArrayView executable, const QByteArray& runtimeEntry, const std::vector<Resource>& resources);

} // namespace ExecutablePacker
} // namespace belltide

#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

#include <pugixml.hpp>

class QIODevice;

namespace belltide {

// Parses XML with expat into a pugixml tree. Failures come back as a reason
// ("not well-formed (invalid token) at line 3, column 7"); nothing is thrown.
class XmlTreeReader {
public:
    static Status Parse(QIODevice& input, pugi::xml_document& document);
    static Status Parse(const QByteArray& bytes, pugi::xml_document& document);
};

} // namespace belltide

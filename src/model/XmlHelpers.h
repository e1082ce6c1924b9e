#pragma once

#include <QString>

#include <pugixml.hpp>

#include <vector>

namespace belltide::XmlHelpers {

// An element holding one text child, or no child at all when the value is empty.
pugi::xml_node CreateSimpleNode(pugi::xml_node& parent, const char* name, const QString& value);

std::vector<pugi::xml_node> AllChildren(const pugi::xml_node& node);

// The value of the node's first child; empty when there is no node or no child.
QString TrueValue(const pugi::xml_node& node);

QString NameOf(const pugi::xml_node& node);
bool NameIs(const pugi::xml_node& node, const char* name);
QString Attribute(const pugi::xml_node& node, const char* name);

// Characters XML 1.0 cannot carry are dropped, so that whatever a user typed,
// the file we write can be read back.
QByteArray ToXmlText(const QString& text);

} // namespace belltide::XmlHelpers

#include "XmlHelpers.h"

#include <QList>

#include <cstring>

namespace belltide::XmlHelpers {

namespace {

bool IsXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
        || (c >= 0x10000 && c <= 0x10FFFF);
}

// ASCII-only folding is enough: every name we look for is plain ASCII.
bool EqualsIgnoringCase(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b) {
        char x = *a, y = *b;
        if (x >= 'A' && x <= 'Z')
            x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = char(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return *a == *b;
}

} // namespace

QByteArray ToXmlText(const QString& text)
{
    QString clean;
    clean.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        // A lone carriage return would come back as a line feed; keep it by
        // turning it into one now, so that save, open and save agree.
        if (c == 0xD)
            c = 0xA;
        if (IsXmlChar(c))
            clean.append(QString::fromUcs4(&c, 1));
    }
    return clean.toUtf8();
}

pugi::xml_node CreateSimpleNode(pugi::xml_node& parent, const char* name, const QString& value)
{
    pugi::xml_node element = parent.append_child(name);
    if (!value.isEmpty())
        element.append_child(pugi::node_pcdata).set_value(ToXmlText(value).constData());
    return element;
}

std::vector<pugi::xml_node> AllChildren(const pugi::xml_node& node)
{
    std::vector<pugi::xml_node> children;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
        children.push_back(child);
    return children;
}

QString TrueValue(const pugi::xml_node& node)
{
    if (!node || !node.first_child())
        return {};
    return QString::fromUtf8(node.first_child().value());
}

QString NameOf(const pugi::xml_node& node)
{
    return QString::fromUtf8(node.name());
}

bool NameIs(const pugi::xml_node& node, const char* name)
{
    return node.type() == pugi::node_element && EqualsIgnoringCase(node.name(), name);
}

QString Attribute(const pugi::xml_node& node, const char* name)
{
    for (pugi::xml_attribute attribute = node.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        if (EqualsIgnoringCase(attribute.name(), name))
            return QString::fromUtf8(attribute.value());
    }
    return {};
}

} // namespace belltide::XmlHelpers

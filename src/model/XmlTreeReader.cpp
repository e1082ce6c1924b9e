#include "XmlTreeReader.h"

#include <QBuffer>
#include <QIODevice>

#include <expat.h>

#include <memory>
#include <string>
#include <vector>

namespace belltide {

namespace {

// Builds the tree as expat reports it. Text is gathered until the next tag, so
// text split across buffers, entities and CDATA sections becomes one node.
class TreeBuilder {
public:
    explicit TreeBuilder(pugi::xml_document& document) { mOpen.push_back(document); }

    static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char** attributes)
    {
        static_cast<TreeBuilder*>(self)->Start(name, attributes);
    }
    static void XMLCALL OnEnd(void* self, const XML_Char*) { static_cast<TreeBuilder*>(self)->End(); }
    static void XMLCALL OnText(void* self, const XML_Char* text, int length)
    {
        static_cast<TreeBuilder*>(self)->mText.append(text, static_cast<std::size_t>(length));
    }

private:
    void Start(const XML_Char* name, const XML_Char** attributes)
    {
        Flush();
        pugi::xml_node element = mOpen.back().append_child(name);
        for (const XML_Char** a = attributes; a[0] && a[1]; a += 2)
            element.append_attribute(a[0]).set_value(a[1]);
        mOpen.push_back(element);
    }

    void End()
    {
        Flush();
        if (mOpen.size() > 1)
            mOpen.pop_back();
    }

    void Flush()
    {
        // Text outside the root element is only whitespace in a well-formed file.
        if (mText.empty() || mOpen.size() == 1) {
            mText.clear();
            return;
        }
        mOpen.back().append_child(pugi::node_pcdata).set_value(mText.c_str());
        mText.clear();
    }

    std::vector<pugi::xml_node> mOpen;
    std::string mText;
};

struct ParserDeleter {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

QString ExpatFailure(XML_Parser parser)
{
    return QStringLiteral("%1 at line %2, column %3")
        .arg(QString::fromUtf8(XML_ErrorString(XML_GetErrorCode(parser))))
        .arg(XML_GetCurrentLineNumber(parser))
        .arg(XML_GetCurrentColumnNumber(parser) + 1);
}

} // namespace

Status XmlTreeReader::Parse(QIODevice& input, pugi::xml_document& document)
{
    document.reset();
    std::unique_ptr<XML_ParserStruct, ParserDeleter> parser(XML_ParserCreate(nullptr));
    if (!parser)
        return Status::Fail(QStringLiteral("there is not enough memory to read it"));
    TreeBuilder builder(document);
    XML_SetUserData(parser.get(), &builder);
    XML_SetElementHandler(parser.get(), &TreeBuilder::OnStart, &TreeBuilder::OnEnd);
    XML_SetCharacterDataHandler(parser.get(), &TreeBuilder::OnText);

    constexpr qint64 chunkSize = qint64(64) * 1024;
    std::vector<char> chunk(chunkSize);
    for (;;) {
        const qint64 got = input.read(chunk.data(), chunkSize);
        if (got < 0)
            return Status::Fail(QStringLiteral("it could not be read (%1)").arg(input.errorString()));
        const bool last = got == 0;
        if (XML_Parse(parser.get(), chunk.data(), static_cast<int>(got), last) == XML_STATUS_ERROR)
            return Status::Fail(ExpatFailure(parser.get()));
        if (last)
            break;
    }
    if (!document.document_element())
        return Status::Fail(QStringLiteral("it holds no XML element"));
    return Status::Ok({});
}

Status XmlTreeReader::Parse(const QByteArray& bytes, pugi::xml_document& document)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return Parse(buffer, document);
}

} // namespace belltide

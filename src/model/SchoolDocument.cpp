#include "SchoolDocument.h"

#include "FileSaving.h"
#include "School.h"
#include "XmlTreeReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pugixml.hpp>

#include <sstream>

namespace belltide::SchoolDocument {

namespace {

QString Shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

Result<std::shared_ptr<School>> CannotOpen(const QString& path, const QString& reason)
{
    return Result<std::shared_ptr<School>>::Fail(
        QStringLiteral("Could not open \"%1\" because %2.").arg(Shown(path), reason));
}

Result<std::shared_ptr<School>> FromTree(const Status& parsed, const pugi::xml_document& tree, const QString& path)
{
    if (!parsed)
        return CannotOpen(path, QStringLiteral("it is not a valid schedule document: ") + parsed.Error());
    return Result<std::shared_ptr<School>>::Ok(std::make_shared<School>(tree.document_element()));
}

class ByteWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override
    {
        bytes.append(static_cast<const char*>(data), qsizetype(size));
    }
    QByteArray bytes;
};

} // namespace

Result<std::shared_ptr<School>> Read(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return CannotOpen(path, QStringLiteral("the file does not exist"));
    if (info.isDir())
        return CannotOpen(path, QStringLiteral("it is a folder, not a schedule document"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CannotOpen(path, QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
    if (info.isFile() && info.size() == 0)
        return CannotOpen(path, QStringLiteral("the file is empty"));
    pugi::xml_document tree;
    const Status parsed = XmlTreeReader::Parse(file, tree);
    return FromTree(parsed, tree, path);
}

Result<std::shared_ptr<School>> ReadBytes(const QByteArray& bytes, const QString& fileName)
{
    if (bytes.isEmpty())
        return CannotOpen(fileName, QStringLiteral("the file is empty"));
    pugi::xml_document tree;
    const Status parsed = XmlTreeReader::Parse(bytes, tree);
    return FromTree(parsed, tree, fileName);
}

QByteArray ToBytes(School& school)
{
    pugi::xml_document tree;
    pugi::xml_node declaration = tree.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    declaration.append_attribute("encoding").set_value("UTF-8");
    school.ToXML(tree);
    ByteWriter writer;
    tree.save(writer, "  ", pugi::format_indent, pugi::encoding_utf8);
    return writer.bytes;
}

Status Write(School& school, const QString& path)
{
    const Status written = FileSaving::WriteWhole(path, ToBytes(school));
    if (!written)
        return Status::Fail(FileSaving::FailureSentence(path, written.Error()));
    return written;
}

} // namespace belltide::SchoolDocument

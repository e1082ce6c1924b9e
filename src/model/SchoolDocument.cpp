#include "SchoolDocument.h"

#include "FileSaving.h"
#include "School.h"
#include "Timetable.h"
#include "TimetableXml.h"
#include "XmlHelpers.h"
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

Result<std::shared_ptr<School>> FromTree(
    const Status& parsed, const pugi::xml_document& tree, const QString& path, QString* warning)
{
    if (!parsed)
        return CannotOpen(path, QStringLiteral("it is not a valid schedule document: ") + parsed.Error());
    const pugi::xml_node root = tree.document_element();
    // Any other well-formed XML would open as an empty school, and a save
    // would then overwrite the file with one.
    if (!XmlHelpers::NameIs(root, "School"))
        return CannotOpen(path,
            QStringLiteral("it is not a Belltide schedule: its outermost element is <%1>, not <School>")
                .arg(XmlHelpers::NameOf(root)));
    auto school = std::make_shared<School>(root);
    pugi::xml_node saved;
    for (const pugi::xml_node& child : XmlHelpers::AllChildren(root)) {
        if (XmlHelpers::NameIs(child, "Schedule"))
            saved = child;
    }
    if (saved) {
        auto timetable = TimetableXml::Read(saved, *school);
        if (timetable)
            school->Timetable = timetable.TakeValue();
        else if (warning)
            *warning = timetable.Error();
    }
    return Result<std::shared_ptr<School>>::Ok(std::move(school));
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

Result<std::shared_ptr<School>> Read(const QString& path, QString* warning)
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
    return FromTree(parsed, tree, path, warning);
}

Result<std::shared_ptr<School>> ReadBytes(const QByteArray& bytes, const QString& fileName, QString* warning)
{
    if (bytes.isEmpty())
        return CannotOpen(fileName, QStringLiteral("the file is empty"));
    pugi::xml_document tree;
    const Status parsed = XmlTreeReader::Parse(bytes, tree);
    return FromTree(parsed, tree, fileName, warning);
}

QByteArray ToBytes(School& school)
{
    pugi::xml_document tree;
    pugi::xml_node declaration = tree.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    declaration.append_attribute("encoding").set_value("UTF-8");
    pugi::xml_node element = school.ToXML(tree);
    if (school.Timetable)
        TimetableXml::Write(element, school, *school.Timetable);
    ByteWriter writer;
    tree.save(writer, "  ", pugi::format_indent, pugi::encoding_utf8);
    return writer.bytes;
}

Status Write(School& school, const QString& path)
{
    Status written = FileSaving::WriteWhole(path, ToBytes(school));
    if (!written)
        return Status::Fail(FileSaving::FailureSentence(path, written.Error()));
    return written;
}

} // namespace belltide::SchoolDocument

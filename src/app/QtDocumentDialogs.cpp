#include "QtDocumentDialogs.h"

#include "model/SchoolDocument.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace belltide {

namespace {

QString ScheduleFilter()
{
    const QString extension = QString::fromLatin1(SchoolDocument::kExtension);
    return QStringLiteral("%1 (*%2)").arg(QString::fromLatin1(SchoolDocument::kTypeName), extension);
}

} // namespace

std::optional<QString> QtDocumentDialogs::ChooseOpenFile(QWidget* parent)
{
    if (mLastFolder.isEmpty())
        mLastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString file
        = QFileDialog::getOpenFileName(parent, QStringLiteral("Open Schedule"), mLastFolder, ScheduleFilter());
    if (file.isEmpty())
        return std::nullopt;
    mLastFolder = QFileInfo(file).absolutePath();
    return file;
}

std::optional<QString> QtDocumentDialogs::ChooseSaveFile(QWidget* parent, const QString& suggestedFile)
{
    if (mLastFolder.isEmpty())
        mLastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(parent, QStringLiteral("Save Schedule"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(ScheduleFilter());
    // A name typed without the extension still makes a schedule document.
    dialog.setDefaultSuffix(QString::fromLatin1(SchoolDocument::kExtension).mid(1));
    const QFileInfo suggested(suggestedFile);
    dialog.setDirectory(suggested.isAbsolute() ? suggested.absolutePath() : mLastFolder);
    dialog.selectFile(suggested.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString file = dialog.selectedFiles().constFirst();
    mLastFolder = QFileInfo(file).absolutePath();
    return file;
}

SaveChoice QtDocumentDialogs::AskSaveChanges(QWidget* parent)
{
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(QStringLiteral("Belltide"));
    box.setText(QStringLiteral("Do you want to save the changes you made to this schedule?"));
    box.setInformativeText(QStringLiteral("Your changes will be lost if you don't save them."));
    QPushButton* save = box.addButton(QStringLiteral("Save"), QMessageBox::AcceptRole);
    QPushButton* dontSave = box.addButton(QStringLiteral("&Don't Save"), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == save)
        return SaveChoice::Save;
    if (box.clickedButton() == dontSave)
        return SaveChoice::DontSave;
    return SaveChoice::Cancel;
}

void QtDocumentDialogs::ShowError(QWidget* parent, const QString& message)
{
    QMessageBox::warning(parent, QStringLiteral("Belltide"), message);
}

} // namespace belltide

#include "QtMessagePresenter.h"

#include <QMessageBox>
#include <QPushButton>

namespace belltide {

void QtMessagePresenter::ShowMessage(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Belltide"), message, QMessageBox::Ok, parent);
    box.exec();
}

bool QtMessagePresenter::ShowDialog(QWidget* parent, const MessageDialogText& text)
{
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Information);
    box.setWindowTitle(QStringLiteral("Belltide"));
    box.setText(text.Message);
    box.setInformativeText(text.Explanation);
    QPushButton* action = box.addButton(text.ActionButton, QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(text.CancelButton, QMessageBox::RejectRole);
    box.setDefaultButton(action);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == action;
}

} // namespace belltide

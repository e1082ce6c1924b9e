#include "TextChoiceBox.h"

#include "DocumentUndoKeys.h"

#include <QLineEdit>

namespace belltide {

TextChoiceBox::TextChoiceBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        emit TextTyped(text);
        FollowTypedText(text);
    });
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            emit Picked(itemText(index));
    });
}

void TextChoiceBox::ShowChoices(const QStringList& choices, const QString& text)
{
    clear();
    addItems(choices);
    setEnabled(true);
    setCurrentIndex(findText(text, Qt::MatchFixedString));
    setEditText(text);
}

void TextChoiceBox::Clear()
{
    clear();
    setEditText(QString());
}

bool TextChoiceBox::event(QEvent* event)
{
    // The box has the focus and hands keys on to its line edit.
    return LeaveUndoKeyToDocument(event) || QComboBox::event(event);
}

void TextChoiceBox::FollowTypedText(const QString& text)
{
    const int entry = findText(text, Qt::MatchFixedString);
    if (entry < 0 || entry == currentIndex())
        return;
    // Selecting the entry would replace what was typed with its spelling.
    QLineEdit* edit = lineEdit();
    const int cursor = edit->cursorPosition();
    setCurrentIndex(entry);
    setEditText(text);
    edit->setCursorPosition(cursor);
}

} // namespace belltide

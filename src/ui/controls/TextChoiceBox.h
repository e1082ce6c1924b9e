#pragma once

#include <QComboBox>

namespace belltide {

// A text typed freely, with a drop-down list of the texts already in use (the
// grades of the classes, the subjects of the specials). When what is typed
// matches an entry, ignoring case, that entry becomes the current one while
// the text keeps the spelling typed. Undo and redo keys go to the Edit menu.
class TextChoiceBox : public QComboBox {
    Q_OBJECT

public:
    explicit TextChoiceBox(QWidget* parent = nullptr);

    // Offers `choices` in their order and shows `text`; enables the box.
    void ShowChoices(const QStringList& choices, const QString& text);
    // No entries and no text.
    void Clear();

signals:
    // Each change the user types; not raised when the program sets the text.
    void TextTyped(const QString& text);
    // An entry chosen from the list.
    void Picked(const QString& text);

protected:
    bool event(QEvent* event) override;

private:
    void FollowTypedText(const QString& text);
};

} // namespace belltide

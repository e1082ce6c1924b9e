#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QListWidget;
class QTableWidget;

namespace belltide {

struct RosterPreview;

// What an import would add, before anything changes: a row per class or
// special, and one message per line left out. Import is offered only when
// there is something to add.
class ImportPreviewDialog : public QDialog {
    Q_OBJECT

public:
    explicit ImportPreviewDialog(const RosterPreview& preview, QWidget* parent = nullptr);

    QLabel* Summary = nullptr;
    QTableWidget* Rows = nullptr;
    QListWidget* Messages = nullptr;
    QDialogButtonBox* Buttons = nullptr;
};

} // namespace belltide

#include "themedialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace toolkit {

std::optional<QString> askTheme(QWidget* parent, const QStringList& themes, const QString& newName)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Guardar en un tema"));
    auto* list = new QListWidget(&dialog);
    list->addItems(themes);
    list->addItem(QStringLiteral("Tema nuevo…"));
    const int newRow = list->count() - 1;
    auto* name = new QLineEdit(newName, &dialog);
    name->setPlaceholderText(QStringLiteral("Nombre del tema nuevo"));
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("Guardar"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("¿En qué tema guardo la actividad?"), &dialog));
    layout->addWidget(list);
    layout->addWidget(name);
    layout->addWidget(buttons);

    // The name field belongs to "Tema nuevo…": typing in it chooses that
    // row, and choosing the row puts the cursor in it.
    QObject::connect(list, &QListWidget::currentRowChanged, name, [name, newRow](int row) {
        if (row == newRow)
            name->setFocus();
    });
    QObject::connect(name, &QLineEdit::textEdited, list,
                     [list, newRow] { list->setCurrentRow(newRow); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    list->setFocus();
    list->setCurrentRow(newName.isEmpty() && !themes.isEmpty() ? 0 : newRow);

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return list->currentRow() == newRow ? name->text() : list->currentItem()->text();
}

} // namespace toolkit

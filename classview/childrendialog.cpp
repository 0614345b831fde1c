#include "childrendialog.h"

#include "childpictures.h"
#include "childrensheet.h"
#include "csvfields.h"
#include "plaintext.h"
#include "platform.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace classview {

namespace {

enum Column { NameColumn, KeyColumn, GroupsColumn, AccountColumn };
constexpr int ListIconSide = 32;
constexpr int GridIconSide = 48;
// Problems of a list shown at once; the rest in the line's tooltip.
constexpr qsizetype ShownProblems = 3;

// As the teacher types them back: separated by semicolons, a group that
// holds a separator in quotes.
QString groupsText(const QStringList& groups)
{
    QStringList fields;
    for (const QString& group : groups)
        fields << QString::fromUtf8(toolkit::csvField(group));
    return fields.join(QStringLiteral("; "));
}

// The child of `list` other than `key` who has `picture` in one of
// `groups`: each picture is one child's in a group, so that a child finds
// theirs at a glance.
const toolkit::ClassList::Child* holder(const toolkit::ClassList& list, const QString& picture,
                                        const QStringList& groups, const QString& key)
{
    for (const auto& child : list.children())
        if (child.key != key && child.picture == picture &&
            std::any_of(groups.cbegin(), groups.cend(),
                        [&](const QString& group) { return child.groups.contains(group); }))
            return &child;
    return nullptr;
}

} // namespace

ChildrenDialog::ChildrenDialog(toolkit::Platform& platform, ClassBook book, QStringList accounts,
                               QWidget* parent)
    : QDialog(parent), platform_(platform), book_(std::move(book))
{
    setWindowTitle(tr("Niños de la clase"));
    setObjectName(QStringLiteral("childrenDialog"));
    buildControls();
    accounts.sort();
    accounts.removeDuplicates();
    accountBox->addItem(QString());
    accountBox->addItems(accounts);
    QStringList problems;
    readAgain(&problems);
    tell(problems);
}

ChildrenDialog::~ChildrenDialog() = default;

QPushButton* ChildrenDialog::button(const QString& text, const char* name,
                                    void (ChildrenDialog::*click)())
{
    auto* made = new QPushButton(text, this);
    made->setObjectName(QLatin1String(name));
    made->setAutoDefault(false);
    connect(made, &QPushButton::clicked, this, [this, click] { (this->*click)(); });
    return made;
}

void ChildrenDialog::buildControls()
{
    problemsLine = new QLabel(this);
    problemsLine->setObjectName(QStringLiteral("problemsLine"));
    problemsLine->setTextFormat(Qt::PlainText);
    problemsLine->setWordWrap(true);
    childList = new QTreeWidget(this);
    childList->setObjectName(QStringLiteral("childList"));
    childList->setRootIsDecorated(false);
    childList->setIconSize(QSize(ListIconSide, ListIconSide));
    childList->setHeaderLabels({tr("Nombre"), tr("Clave"), tr("Grupos"), tr("Cuenta propia")});
    childList->setSortingEnabled(true);
    childList->sortByColumn(NameColumn, Qt::AscendingOrder);
    connect(childList, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        chooseChild(item ? item->data(NameColumn, Qt::UserRole).toString() : QString());
    });

    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("nameEdit"));
    groupsEdit = new QLineEdit(this);
    groupsEdit->setObjectName(QStringLiteral("groupsEdit"));
    groupsEdit->setPlaceholderText(tr("P4 A; P5 B"));
    connect(groupsEdit, &QLineEdit::textEdited, this, [this] {
        if (chosen_.isEmpty())
            showPictures(); // what a child added now may have
    });
    accountBox = new QComboBox(this);
    accountBox->setObjectName(QStringLiteral("accountBox"));
    accountBox->setEditable(true);
    accountBox->setToolTip(tr("Si el niño tiene también su propia cuenta, sus dos registros "
                              "salen en una fila"));

    pictureGrid = new QListWidget(this);
    pictureGrid->setObjectName(QStringLiteral("pictureGrid"));
    pictureGrid->setViewMode(QListView::IconMode);
    pictureGrid->setMovement(QListView::Static);
    pictureGrid->setResizeMode(QListView::Adjust);
    pictureGrid->setUniformItemSizes(true);
    pictureGrid->setIconSize(QSize(GridIconSide, GridIconSide));
    pictureGrid->setGridSize(QSize(GridIconSide + 16, GridIconSide + 16));
    for (const QString& picture : toolkit::childpictures::names()) {
        auto* item = new QListWidgetItem(icon(picture), QString(), pictureGrid);
        item->setData(Qt::UserRole, picture);
    }
    connect(pictureGrid, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { givePicture(item->data(Qt::UserRole).toString()); });

    addButton = button(tr("Añadir"), "addButton", &ChildrenDialog::addChild);
    saveButton = button(tr("Guardar los cambios"), "saveButton", &ChildrenDialog::saveChosen);
    removeButton = button(tr("Quitar…"), "removeButton", &ChildrenDialog::removeChosen);
    importButton =
        button(tr("Importar una hoja de cálculo…"), "importButton", &ChildrenDialog::importSheet);
    importButton->setToolTip(tr("Un CSV con el nombre y el grupo de cada niño"));
    auto* closeButton = button(tr("Cerrar"), "closeButton", &ChildrenDialog::accept);

    auto* form = new QFormLayout;
    form->addRow(tr("Nombre:"), nameEdit);
    form->addRow(tr("Grupos:"), groupsEdit);
    form->addRow(tr("Cuenta propia:"), accountBox);
    auto* edits = new QHBoxLayout;
    edits->addWidget(addButton);
    edits->addWidget(saveButton);
    edits->addWidget(removeButton);
    auto* right = new QVBoxLayout;
    right->addLayout(form);
    right->addLayout(edits);
    right->addWidget(new QLabel(tr("Dibujo (en gris, los que ya tiene otro niño del grupo):")));
    right->addWidget(pictureGrid, 1);
    auto* columns = new QHBoxLayout;
    columns->addWidget(childList, 3);
    columns->addLayout(right, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(importButton);
    bottom->addStretch();
    bottom->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(problemsLine);
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);
    resize(1000, 640);
}

QIcon ChildrenDialog::icon(const QString& picture)
{
    auto found = icons_.find(picture);
    if (found == icons_.end())
        found = icons_.insert(
            picture,
            QIcon(QPixmap::fromImage(toolkit::childpictures::picture(picture, GridIconSide))));
    return *found;
}

QStringList ChildrenDialog::typedGroups() const
{
    return toolkit::csvFields(groupsEdit->text());
}

void ChildrenDialog::readAgain(QStringList* problems)
{
    const auto read = book_.children(problems);
    readable_ = read.has_value();
    list_ = read.value_or(toolkit::ClassList());
    showList();
}

void ChildrenDialog::tell(const QStringList& problems)
{
    QStringList shown = problems.mid(0, ShownProblems);
    if (problems.size() > ShownProblems)
        shown << tr("y %1 avisos más").arg(problems.size() - ShownProblems);
    problemsLine->setText(shown.join(QLatin1Char('\n')));
    problemsLine->setToolTip(plainToolTip(problems.join(QLatin1Char('\n'))));
    problemsLine->setVisible(!problems.isEmpty());
}

bool ChildrenDialog::edit(const ClassBook::ChildrenChange& change)
{
    if (!readable_)
        return false;
    std::optional<toolkit::ClassList> after;
    QString problem;
    const bool written = book_.editChildren(
        [&](toolkit::ClassList& list, QString* why) {
            if (!change(list, why))
                return false;
            after = list;
            return true;
        },
        &problem);
    if (written && after) {
        list_ = *after;
        showList();
        return true;
    }
    if (!problem.isEmpty())
        platform_.messageBox(problem, toolkit::vbOKOnly);
    // What the teacher typed stays, to be mended, while the child does.
    const QStringList typed{nameEdit->text(), groupsEdit->text(), accountBox->currentText()};
    const QString typedFor = chosen_;
    // A list no longer readable is told where its problems are.
    QStringList unreadable;
    readAgain(&unreadable);
    if (!readable_)
        tell(unreadable);
    if (chosen_ == typedFor) {
        nameEdit->setText(typed[0]);
        groupsEdit->setText(typed[1]);
        accountBox->setCurrentText(typed[2]);
    }
    return false;
}

void ChildrenDialog::showList()
{
    const QString chosen = chosen_;
    const QSignalBlocker quiet(childList);
    childList->clear();
    for (const auto& child : list_.children()) {
        auto* item = new QTreeWidgetItem(
            childList, {child.name, child.key, groupsText(child.groups), child.account});
        item->setIcon(NameColumn, icon(child.picture));
        item->setData(NameColumn, Qt::UserRole, child.key);
        if (child.key == chosen)
            childList->setCurrentItem(item);
    }
    for (int column = 0; column < childList->columnCount(); ++column)
        childList->resizeColumnToContents(column);
    chosen_ = list_.find(chosen) ? chosen : QString();
    showChosen();
}

void ChildrenDialog::chooseChild(const QString& key)
{
    chosen_ = list_.find(key) ? key : QString();
    const QSignalBlocker quiet(childList);
    const auto rows = childList->findItems(chosen_, Qt::MatchExactly, KeyColumn);
    childList->setCurrentItem(chosen_.isEmpty() || rows.isEmpty() ? nullptr : rows.first());
    showChosen();
}

void ChildrenDialog::showChosen()
{
    const auto* child = list_.find(chosen_);
    nameEdit->setText(child ? child->name : QString());
    groupsEdit->setText(child ? groupsText(child->groups) : QString());
    accountBox->setCurrentText(child ? child->account : QString());
    addButton->setEnabled(readable_);
    importButton->setEnabled(readable_);
    saveButton->setEnabled(readable_ && child);
    removeButton->setEnabled(readable_ && child);
    showPictures();
}

void ChildrenDialog::showPictures()
{
    const auto* child = list_.find(chosen_);
    const QStringList groups = child ? child->groups : typedGroups();
    for (int row = 0; row < pictureGrid->count(); ++row) {
        QListWidgetItem* item = pictureGrid->item(row);
        const QString picture = item->data(Qt::UserRole).toString();
        const auto* other = holder(list_, picture, groups, chosen_);
        // Grey is taken; a picture is given by a click once a child is chosen.
        item->setFlags(other || !readable_ ? Qt::NoItemFlags
                       : child             ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                                           : Qt::ItemIsEnabled);
        item->setToolTip(other ? tr("Es de %1").arg(other->name) : QString());
        // A selection in a grid of pictures alone is a thin line under one.
        item->setBackground(child && child->picture == picture ? palette().highlight() : QBrush());
    }
}

void ChildrenDialog::addChild()
{
    const QString name = nameEdit->text();
    const QStringList groups = typedGroups();
    std::optional<QString> key;
    // The picture is chosen in the list as the file holds it, another
    // teacher's children included.
    if (edit([&](toolkit::ClassList& list, QString* why) {
            key = list.add(name, toolkit::childpictures::firstFree(list, groups), groups, why);
            return key.has_value();
        }))
        chooseChild(*key);
}

void ChildrenDialog::saveChosen()
{
    const auto* shown = list_.find(chosen_);
    if (!shown)
        return;
    // Only what the teacher changed: another teacher may have changed the
    // rest since this window last read the list.
    const QString key = chosen_;
    const QString name = nameEdit->text().trimmed();
    const QStringList groups = typedGroups();
    const QString account = accountBox->currentText().trimmed();
    const bool renamed = name != shown->name, regrouped = groups != shown->groups,
               joined = account != shown->account;
    edit([&](toolkit::ClassList& list, QString* why) {
        return (!renamed || list.rename(key, name, why)) &&
               (!regrouped || list.setGroups(key, groups, why)) &&
               (!joined || list.setAccount(key, account, why));
    });
}

void ChildrenDialog::removeChosen()
{
    const auto* child = list_.find(chosen_);
    if (!child ||
        platform_.messageBox(tr("¿Quitar a %1 de la lista de la clase? Lo que ha jugado y sus "
                                "dibujos no se borran.")
                                 .arg(child->name),
                             toolkit::vbYesNo) != toolkit::vbYes)
        return;
    const QString key = chosen_;
    edit([&](toolkit::ClassList& list, QString*) {
        list.remove(key);
        return true;
    });
}

void ChildrenDialog::givePicture(const QString& picture)
{
    const QString key = chosen_;
    if (key.isEmpty())
        return;
    edit([&](toolkit::ClassList& list, QString* why) {
        const auto* child = list.find(key);
        const auto* other = child ? holder(list, picture, child->groups, key) : nullptr;
        if (other)
            *why = tr("%1 ya tiene ese dibujo en su grupo.").arg(other->name);
        return !other && list.setPicture(key, picture, why);
    });
}

void ChildrenDialog::importSheet()
{
    const QString path =
        platform_.openFileName(tr("Los niños de la clase"), tr("Hoja de cálculo (*.csv *.txt)"));
    if (path.isEmpty())
        return;
    QStringList problems;
    const auto rows = ChildrenSheet::read(path, &problems);
    QList<ChildrenSheet::Added> added;
    QStringList left; // of the try that is written
    if (rows && !edit([&](toolkit::ClassList& list, QString*) {
            left.clear();
            added = ChildrenSheet::addTo(list, *rows, &left);
            return true;
        }))
        return; // edit() told why
    if (rows)
        problems << tr("Niños añadidos: %1.").arg(added.size()) << left;
    platform_.messageBox(problems.join(QLatin1Char('\n')), toolkit::vbOKOnly);
}

} // namespace classview

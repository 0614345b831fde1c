#include "classwindow.h"

#include "classbook.h"
#include "classtablemodel.h"
#include "drawingshelf.h"
#include "folderlister.h"
#include "plaintext.h"

#include <QBoxLayout>
#include <QCollator>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>

namespace classview {

namespace {

// How often the class is read again, in ticks of a second: what a child
// finishes shows within this, and a listing per child every few seconds is
// nothing to a school's server.
constexpr int ReadEvery = 4;
// A reading that takes longer than this is told as a server that hangs.
constexpr std::chrono::milliseconds Patience(2000);
// The rows a column's width is measured on: a table of many themes would
// otherwise be measured cell by cell each time it changes.
constexpr int MeasuredRows = 12;

// The teachers' groups and those of the class list's children, each once,
// sorted as the book sorts its own.
QStringList groupsOf(const ClassBook& book, const QList<Child>& children)
{
    QStringList groups = book.groups();
    const qsizetype kept = groups.size();
    for (const Child& child : children)
        for (const QString& group : child.groups)
            if (!groups.contains(group))
                groups << group;
    if (groups.size() == kept)
        return groups;
    QCollator collator(QLocale().language() == QLocale::C ? QLocale(QLocale::Spanish) : QLocale());
    collator.setNumericMode(true);
    std::sort(groups.begin(), groups.end(), collator);
    return groups;
}

} // namespace

ClassWindow::ClassWindow(toolkit::Platform& platform, const Places& places,
                         toolkit::FolderLister& lister, QWidget* parent)
    : QWidget(parent), platform_(platform), lister_(lister),
      folders_(places.records, places.accounts),
      shelf_(std::make_unique<DrawingShelf>(places.drawings, places.accounts)),
      reading_(folders_, lister, places.themes)
{
    book_ = std::make_unique<ClassBook>(
        folders_.root().isEmpty() ? QString() : ClassBook::folderFor(folders_.root()), lister);
    setWindowTitle(tr("Lunipo · la clase"));
    setObjectName(QStringLiteral("classWindow"));
    buildControls();
    if (folders_.root().isEmpty()) {
        tell({tr("lunipo.conf no dice dónde están los registros de la clase "
                 "(progreso=/carpeta/%u); pregunta a quien administra el aula.")});
        return;
    }
    showGroups();
    reading_.start(*book_);
    ticker_ = platform_.startTicker(1000, [this] { lookAgain(); });
}

// A reading or a job under way uses the lister: given a moment to end, it
// never outlives it, unless the server hangs, and then the program is ending.
ClassWindow::~ClassWindow()
{
    job_.cancel();
    reading_.waitFor(Patience);
    drawingsErrand_.waitFor(Patience);
    job_.waitFor(Patience);
}

void ClassWindow::buildControls()
{
    groupFilter = new QComboBox;
    groupFilter->setObjectName(QStringLiteral("groupFilter"));
    periodFilter = new QComboBox;
    periodFilter->setObjectName(QStringLiteral("periodFilter"));
    for (const auto& [period, text] :
         {std::pair{Period::Today, tr("Hoy")}, std::pair{Period::Week, tr("Esta semana")},
          std::pair{Period::Term, tr("Este trimestre")}, std::pair{Period::All, tr("Todo")}})
        periodFilter->addItem(text, int(period));
    periodFilter->setCurrentIndex(periodFilter->findData(int(period_)));
    connect(groupFilter, &QComboBox::activated, this,
            [this](int index) { chooseGroup(groupFilter->itemData(index).toString()); });
    connect(periodFilter, &QComboBox::activated, this,
            [this](int index) { choosePeriod(Period(periodFilter->itemData(index).toInt())); });

    groupNameBox = new QComboBox;
    groupNameBox->setObjectName(QStringLiteral("groupNameBox"));
    groupNameBox->setEditable(true);
    groupNameBox->setMinimumContentsLength(12);
    groupNameBox->lineEdit()->setPlaceholderText(tr("Grupo (P4 A…)"));
    addToGroupButton = new QPushButton(tr("Poner en el grupo"));
    addToGroupButton->setObjectName(QStringLiteral("addToGroupButton"));
    connect(addToGroupButton, &QPushButton::clicked, this,
            [this] { addChosenToGroup(groupNameBox->currentText()); });
    removeFromGroupButton = new QPushButton(tr("Quitar del grupo"));
    removeFromGroupButton->setObjectName(QStringLiteral("removeFromGroupButton"));
    connect(removeFromGroupButton, &QPushButton::clicked, this,
            &ClassWindow::removeChosenFromGroup);
    namesButton = new QPushButton(tr("Nombres…"));
    namesButton->setObjectName(QStringLiteral("namesButton"));
    namesButton->setToolTip(tr("Los nombres de los niños, de un CSV de usuario y nombre"));
    connect(namesButton, &QPushButton::clicked, this, &ClassWindow::importNames);
    childrenButton = new QPushButton(tr("Niños de la clase…"));
    childrenButton->setObjectName(QStringLiteral("childrenButton"));
    childrenButton->setToolTip(tr("Los niños que dicen quiénes son con un dibujo"));
    connect(childrenButton, &QPushButton::clicked, this, &ClassWindow::editChildren);
    exportButton = new QPushButton(tr("Exportar la tabla…"));
    exportButton->setObjectName(QStringLiteral("exportButton"));
    connect(exportButton, &QPushButton::clicked, this, &ClassWindow::exportTable);
    pastYearsButton = new QToolButton;
    pastYearsButton->setObjectName(QStringLiteral("pastYearsButton"));
    pastYearsButton->setText(tr("Cursos pasados"));
    connect(pastYearsButton, &QToolButton::clicked, this, &ClassWindow::showPastYears);
    pastYearsMenu = new QMenu(this);
    pastYearsMenu->setObjectName(QStringLiteral("pastYearsMenu"));

    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(tr("Grupo:")));
    filters->addWidget(groupFilter);
    filters->addWidget(new QLabel(tr("Periodo:")));
    filters->addWidget(periodFilter);
    filters->addSpacing(24);
    filters->addWidget(groupNameBox);
    filters->addWidget(addToGroupButton);
    filters->addWidget(removeFromGroupButton);
    filters->addStretch();
    filters->addWidget(namesButton);
    filters->addWidget(childrenButton);
    filters->addWidget(exportButton);
    filters->addWidget(pastYearsButton);

    model_ = new ClassTableModel(this);
    sorted_ = new QSortFilterProxyModel(this);
    sorted_->setSourceModel(model_);
    sorted_->setSortRole(ClassTableModel::SortRole);
    sorted_->setSortLocaleAware(true);
    classTable = new QTableView;
    classTable->setObjectName(QStringLiteral("classTable"));
    classTable->setModel(sorted_);
    classTable->setSortingEnabled(true);
    classTable->sortByColumn(0, Qt::AscendingOrder);
    classTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    classTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    classTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    classTable->verticalHeader()->hide();
    // A cell is two lines of its own: rows of one height, never measured.
    classTable->setWordWrap(false);
    classTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    classTable->verticalHeader()->setDefaultSectionSize(
        2 * classTable->fontMetrics().lineSpacing() + classTable->fontMetrics().height() / 2);
    classTable->horizontalHeader()->setResizeContentsPrecision(MeasuredRows);
    connect(classTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    chooseChild(model_->table().child(sorted_->mapToSource(current).row()).id());
            });

    // The lines that show names and files a child may have chosen are never
    // read as markup.
    childTitle = new QLabel;
    childTitle->setObjectName(QStringLiteral("childTitle"));
    childTitle->setTextFormat(Qt::PlainText);
    QFont big = childTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    childTitle->setFont(big);
    activityList = new QTreeWidget;
    activityList->setObjectName(QStringLiteral("activityList"));
    activityList->setRootIsDecorated(false);
    activityList->setHeaderLabels({tr("Empezada"), tr("Tema"), tr("Actividad"), tr("Tiempo"),
                                   tr("Pistas"), tr("Puntos equivocados"), tr("Ajustes"),
                                   tr("Dibujo")});
    drawingList = new QListWidget;
    drawingList->setObjectName(QStringLiteral("drawingList"));
    drawingList->setViewMode(QListView::IconMode);
    drawingList->setIconSize(QSize(120, 90));
    drawingList->setResizeMode(QListView::Adjust);
    drawingList->setMovement(QListView::Static);
    connect(drawingList, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openDrawing(drawingList->row(item)); });
    printDrawingsButton = new QPushButton(tr("Imprimir los dibujos"));
    printDrawingsButton->setObjectName(QStringLiteral("printDrawingsButton"));
    connect(printDrawingsButton, &QPushButton::clicked, this, &ClassWindow::printDrawings);

    auto* childPanel = new QWidget;
    auto* childLayout = new QVBoxLayout(childPanel);
    childLayout->addWidget(childTitle);
    childLayout->addWidget(activityList, 3);
    childLayout->addWidget(new QLabel(tr("Dibujos guardados:")));
    childLayout->addWidget(drawingList, 2);
    childLayout->addWidget(printDrawingsButton, 0, Qt::AlignRight);

    auto* splitter = new QSplitter;
    splitter->addWidget(classTable);
    splitter->addWidget(childPanel);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    statusLine = new QLabel;
    statusLine->setObjectName(QStringLiteral("statusLine"));
    statusLine->setWordWrap(true);
    statusLine->setTextFormat(Qt::PlainText);

    busyLine = new QLabel;
    busyLine->setObjectName(QStringLiteral("busyLine"));
    busyLine->setTextFormat(Qt::PlainText);
    cancelJobButton = new QPushButton(tr("Cancelar"));
    cancelJobButton->setObjectName(QStringLiteral("cancelJobButton"));
    connect(cancelJobButton, &QPushButton::clicked, this, [this] {
        job_.cancel();
        showJob();
    });
    jobRow = new QWidget;
    auto* jobLayout = new QHBoxLayout(jobRow);
    jobLayout->setContentsMargins(0, 0, 0, 0);
    jobLayout->addWidget(busyLine, 1);
    jobLayout->addWidget(cancelJobButton);
    jobRow->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(splitter, 1);
    layout->addWidget(jobRow);
    layout->addWidget(statusLine);
    resize(1100, 700);
    showChild();
}

void ClassWindow::lookAgain()
{
    if (reading_.busy()) {
        if (auto snapshot = reading_.take()) {
            takeReading(*snapshot);
        } else if (reading_.age() > Patience && !toldHung_) {
            toldHung_ = true;
            tell({});
        }
    } else if (++ticksSinceReading_ >= ReadEvery) {
        reading_.start(*book_);
    }
    if (drawingsErrand_.busy()) {
        if (auto found = drawingsErrand_.take())
            takeDrawings(std::move(*found));
    } else if (drawingsDue_) {
        startDrawings();
    }
    // Last: what a job does at its end may open a window of its own.
    takeJob();
}

bool ClassWindow::settle()
{
    bool settled = true;
    for (int round = 0; round < 3; ++round) {
        if (reading_.busy())
            settled = reading_.waitFor(std::chrono::seconds(5)) && settled;
        if (auto snapshot = reading_.take())
            takeReading(*snapshot);
        if (drawingsDue_ && !drawingsErrand_.busy())
            startDrawings();
        if (drawingsErrand_.busy())
            settled = drawingsErrand_.waitFor(std::chrono::seconds(5)) && settled;
        if (auto found = drawingsErrand_.take())
            takeDrawings(std::move(*found));
        settled = job_.waitFor(std::chrono::seconds(5)) && settled;
        takeJob();
    }
    return settled;
}

void ClassWindow::takeReading(const ClassSnapshot& snapshot)
{
    ticksSinceReading_ = 0;
    if (toldHung_ && snapshot.answered)
        toldHung_ = false;
    problems_ = snapshot.problems;
    if (snapshot.book) {
        *book_ = *snapshot.book;
        showGroups();
    }
    if (!snapshot.answered) {
        tell({});
        return;
    }
    if (snapshot.changed) {
        children_ = snapshot.children;
        wholeClass_ = snapshot.table;
        showTable();
        drawingsDue_ = !chosenLogin_.isEmpty();
        showGroups();
    }
    readAt_ = platform_.now();
    tell({});
}

const ClassTable& ClassWindow::table() const
{
    return model_->table();
}

void ClassWindow::showTable()
{
    ClassTable table = wholeClass_;
    QSet<QString> members = group_.isEmpty() ? QSet<QString>() : book_->members(group_);
    for (const Child& child : children_)
        if (!group_.isEmpty() && child.groups.contains(group_))
            members.insert(child.id());
    // A group with nobody in it shows nobody, not the whole class.
    table.setFilter(group_.isEmpty() || !members.isEmpty() ? members : QSet<QString>{QString()},
                    periodStart(period_, platform_.now().date()));
    const QStringList chosen = chosenLogins();
    model_->show(table);
    classTable->resizeColumnsToContents();
    // The children chosen before stay chosen.
    for (int row = 0; row < table.rowCount(); ++row)
        if (chosen.contains(table.child(row).id())) {
            const QModelIndex index = sorted_->mapFromSource(model_->index(row, 0));
            classTable->selectionModel()->select(index, QItemSelectionModel::Select |
                                                            QItemSelectionModel::Rows);
            if (table.child(row).id() == chosenLogin_)
                classTable->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        }
    showChild();
}

void ClassWindow::showGroups()
{
    const QStringList groups = groupsOf(*book_, children_);
    if (groupFilter->count() > 0 && groups == shownGroups())
        return;
    groupFilter->clear();
    groupFilter->addItem(tr("Toda la clase"), QString());
    for (const QString& group : groups)
        groupFilter->addItem(group, group);
    const QString typed = groupNameBox->currentText();
    groupNameBox->clear();
    groupNameBox->addItems(groups);
    groupNameBox->setCurrentText(typed);
    if (!group_.isEmpty() && !groups.contains(group_)) {
        group_.clear();
        showTable();
    }
    groupFilter->setCurrentIndex(qMax(0, groupFilter->findData(group_)));
}

QStringList ClassWindow::shownGroups() const
{
    QStringList groups;
    for (int i = 1; i < groupFilter->count(); ++i)
        groups << groupFilter->itemData(i).toString();
    return groups;
}

void ClassWindow::chooseGroup(const QString& group)
{
    group_ = group;
    groupFilter->setCurrentIndex(qMax(0, groupFilter->findData(group_)));
    if (!group.isEmpty())
        groupNameBox->setCurrentText(group);
    showTable();
}

void ClassWindow::choosePeriod(Period period)
{
    period_ = period;
    periodFilter->setCurrentIndex(periodFilter->findData(int(period)));
    showTable();
    drawingsDue_ = !chosenLogin_.isEmpty();
    lookAgain();
}

QStringList ClassWindow::chosenLogins() const
{
    QStringList logins;
    const ClassTable& shown = model_->table();
    for (const QModelIndex& index : classTable->selectionModel()->selectedRows())
        logins << shown.child(sorted_->mapToSource(index).row()).id();
    return logins;
}

void ClassWindow::tell(const QStringList& problems)
{
    problems_ << problems;
    QStringList lines = problems_;
    if (toldHung_)
        lines.prepend(tr("El servidor de los registros no responde; se muestra lo leído antes."));
    lines.removeDuplicates();
    if (lines.isEmpty() && readAt_.isValid())
        lines << tr("Leído a las %1; se vuelve a leer cada pocos segundos.")
                     .arg(readAt_.time().toString(QStringLiteral("HH:mm:ss")));
    const qsizetype shown = qMin<qsizetype>(lines.size(), 3);
    QString text = QStringList(lines.mid(0, shown)).join(QLatin1Char('\n'));
    if (lines.size() > shown)
        text += QLatin1Char('\n') + tr("y %1 avisos más").arg(lines.size() - shown);
    statusLine->setText(text);
    statusLine->setToolTip(plainToolTip(lines.join(QLatin1Char('\n'))));
}

QString ClassWindow::status() const
{
    return statusLine->text();
}

bool ClassWindow::startJob(const QString& what, Job::Work work)
{
    if (!job_.start(what, std::move(work)))
        return false;
    showJob();
    return true;
}

void ClassWindow::takeJob()
{
    if (auto done = job_.take()) {
        showJob();
        (*done)();
    }
}

void ClassWindow::showJob()
{
    busyLine->setText(job_.what());
    jobRow->setVisible(job_.busy());
    enableActions();
}

// What would start another job waits for the one under way.
void ClassWindow::enableActions()
{
    const bool idle = !job_.busy();
    for (QWidget* action :
         std::initializer_list<QWidget*>{addToGroupButton, removeFromGroupButton, namesButton,
                                         childrenButton, exportButton, pastYearsButton})
        action->setEnabled(idle);
    printDrawingsButton->setEnabled(idle && !shown_.drawings.isEmpty());
}

} // namespace classview

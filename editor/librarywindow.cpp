// The library window's controls, its keys, and which buttons apply to what
// is chosen.

#include "librarywindow.h"

#include "activitylistmodel.h"
#include "platform.h"

#include <QBoxLayout>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>

namespace editor {

namespace {

constexpr QSize CardMargin{20, 28}; // room round a thumbnail for its number

QString readOnlyReason(const QString& folder)
{
    return LibraryWindow::tr("Este tema está en una carpeta que no se puede cambiar (%1). "
                             "Guarda en otro tema o haz uno nuevo.")
        .arg(QDir::toNativeSeparators(folder));
}

} // namespace

LibraryWindow::LibraryWindow(toolkit::Platform& platform, Work work, toolkit::Share share,
                             QWidget* parent)
    : QDialog(parent), work_(std::move(work)), library_(platform.appFolder(), share),
      platform_(platform), share_(std::move(share))
{
    setWindowTitle(tr("Guardar en un tema"));
    createControls();
    layOut();
    listThemes({});
    chooseOpenedFrom();
}

LibraryWindow::~LibraryWindow() = default;

void LibraryWindow::createControls()
{
    themeList = new QListWidget(this);
    themeList->setObjectName(QStringLiteral("themeList"));
    themeList->setEditTriggers(QAbstractItemView::EditKeyPressed);
    newThemeName = new QLineEdit(this);
    newThemeName->setObjectName(QStringLiteral("newThemeName"));
    newThemeName->setPlaceholderText(tr("Nombre del tema nuevo"));
    activities = new ActivityListModel(this);
    activities->setObjectName(QStringLiteral("activities"));
    activityView = new QListView(this);
    activityView->setObjectName(QStringLiteral("activityView"));
    activityView->setViewMode(QListView::IconMode);
    activityView->setMovement(QListView::Static);
    activityView->setResizeMode(QListView::Adjust);
    activityView->setUniformItemSizes(true); // lays out 150 cards without measuring each
    activityView->setIconSize(ActivityListModel::ThumbnailSize);
    activityView->setGridSize(ActivityListModel::ThumbnailSize + CardMargin);
    activityView->setSelectionMode(QAbstractItemView::SingleSelection);
    activityView->setModel(activities);
    activityView->installEventFilter(this);

    saveHereButton = button(tr("&Guardar aquí"), "saveHereButton", &LibraryWindow::saveHere);
    replaceButton = button(tr("&Reemplazar"), "replaceButton", &LibraryWindow::replaceChosen);
    openButton = button(tr("&Abrir"), "openButton", &LibraryWindow::openChosen);
    earlierButton = button(tr("Antes"), "earlierButton", &LibraryWindow::moveEarlier);
    laterButton = button(tr("Después"), "laterButton", &LibraryWindow::moveLater);
    removeButton = button(tr("Quitar"), "removeButton", &LibraryWindow::removeChosen);
    renameThemeButton =
        button(tr("Cambiar &nombre"), "renameThemeButton", &LibraryWindow::startRenamingTheme);
    removeThemeButton =
        button(tr("Quitar &tema"), "removeThemeButton", &LibraryWindow::removeChosenTheme);
    closeButton = button(tr("Cerrar"), "closeButton", &LibraryWindow::reject);
    earlierButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
    laterButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
    removeButton->setShortcut(QKeySequence::Delete);

    connect(themeList, &QListWidget::currentRowChanged, this, &LibraryWindow::chooseThemeRow);
    // An edited name is taken once the editor closed, not inside its signal.
    connect(themeList, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!listing_)
            QMetaObject::invokeMethod(
                this, [this, name = item->text()] { renameChosenTheme(name); },
                Qt::QueuedConnection);
    });
    connect(newThemeName, &QLineEdit::textEdited, this,
            [this] { themeList->setCurrentRow(themeList->count() - 1); });
    connect(activityView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &LibraryWindow::updateButtons);
    connect(activityView, &QListView::doubleClicked, this, &LibraryWindow::openChosen);
}

QPushButton* LibraryWindow::button(const QString& caption, const char* name,
                                   void (LibraryWindow::*click)())
{
    auto* made = new QPushButton(caption, this);
    made->setObjectName(QLatin1String(name));
    made->setAutoDefault(false);
    connect(made, &QPushButton::clicked, this, [this, click] { (this->*click)(); });
    return made;
}

void LibraryWindow::layOut()
{
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Temas"), this));
    left->addWidget(themeList);
    left->addWidget(newThemeName);
    left->addWidget(renameThemeButton);
    left->addWidget(removeThemeButton);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b :
         {saveHereButton, replaceButton, openButton, earlierButton, laterButton, removeButton})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(tr("Actividades"), this));
    right->addWidget(activityView);
    right->addLayout(buttons);
    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left, 1);
    whole->addLayout(right, 3);
    resize(760, 520); // fits an 800 x 600 screen
}

// Return on an activity opens it, rather than pressing the default button.
bool LibraryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == activityView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openChosen();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LibraryWindow::updateButtons()
{
    // A damaged entry (a link, a FIFO) is shown, never opened nor changed.
    const int activity = activities->damaged(chosenActivity() - 1) ? 0 : chosenActivity();
    const bool theme = themeChosen();
    const bool change = !theme || chosenCanChange_; // a new theme goes where it can
    const bool inTheme = theme && chosenCanChange_;
    saveHereButton->setEnabled(change);
    replaceButton->setEnabled(inTheme && activity > 0);
    openButton->setEnabled(activity > 0 && work_.open);
    earlierButton->setEnabled(inTheme && activity > 1);
    laterButton->setEnabled(inTheme && activity > 0 && activity < activities->rowCount());
    removeButton->setEnabled(inTheme && activity > 0);
    renameThemeButton->setEnabled(inTheme);
    removeThemeButton->setEnabled(inTheme);
    const QString why = change ? QString() : readOnlyReason(chosenFolder());
    for (QPushButton* b : {saveHereButton, replaceButton, earlierButton, laterButton, removeButton,
                           renameThemeButton, removeThemeButton})
        b->setToolTip(why);
    const bool fromHere = activity > 0 && activity == openedNumber();
    replaceButton->setDefault(fromHere && replaceButton->isEnabled());
    saveHereButton->setDefault(!replaceButton->isDefault());
}

void LibraryWindow::tell(const QString& text)
{
    platform_.messageBox(text, toolkit::vbOKOnly);
}

bool LibraryWindow::ask(const QString& text)
{
    return platform_.messageBox(text, toolkit::vbYesNo) == toolkit::vbYes;
}

} // namespace editor

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
    : QDialog(parent), work(std::move(work)), library(platform.appFolder(), share),
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
    ThemeList = new QListWidget(this);
    ThemeList->setEditTriggers(QAbstractItemView::EditKeyPressed);
    NewThemeName = new QLineEdit(this);
    NewThemeName->setPlaceholderText(tr("Nombre del tema nuevo"));
    Activities = new ActivityListModel(this);
    ActivityView = new QListView(this);
    ActivityView->setViewMode(QListView::IconMode);
    ActivityView->setMovement(QListView::Static);
    ActivityView->setResizeMode(QListView::Adjust);
    ActivityView->setUniformItemSizes(true); // lays out 150 cards without measuring each
    ActivityView->setIconSize(ActivityListModel::ThumbnailSize);
    ActivityView->setGridSize(ActivityListModel::ThumbnailSize + CardMargin);
    ActivityView->setSelectionMode(QAbstractItemView::SingleSelection);
    ActivityView->setModel(Activities);
    ActivityView->installEventFilter(this);

    SaveHereButton = button(tr("&Guardar aquí"), &LibraryWindow::SaveHereButton_Click);
    ReplaceButton = button(tr("&Reemplazar"), &LibraryWindow::ReplaceButton_Click);
    OpenButton = button(tr("&Abrir"), &LibraryWindow::OpenButton_Click);
    EarlierButton = button(tr("Antes"), &LibraryWindow::EarlierButton_Click);
    LaterButton = button(tr("Después"), &LibraryWindow::LaterButton_Click);
    RemoveButton = button(tr("Quitar"), &LibraryWindow::RemoveButton_Click);
    RenameThemeButton = button(tr("Cambiar &nombre"), &LibraryWindow::RenameThemeButton_Click);
    RemoveThemeButton = button(tr("Quitar &tema"), &LibraryWindow::RemoveThemeButton_Click);
    CloseButton = button(tr("Cerrar"), &LibraryWindow::reject);
    EarlierButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
    LaterButton->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
    RemoveButton->setShortcut(QKeySequence::Delete);

    connect(ThemeList, &QListWidget::currentRowChanged, this,
            &LibraryWindow::ThemeList_CurrentRowChanged);
    // An edited name is taken once the editor closed, not inside its signal.
    connect(ThemeList, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!listing_)
            QMetaObject::invokeMethod(
                this, [this, name = item->text()] { renameChosenTheme(name); },
                Qt::QueuedConnection);
    });
    connect(NewThemeName, &QLineEdit::textEdited, this,
            [this] { ThemeList->setCurrentRow(ThemeList->count() - 1); });
    connect(ActivityView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &LibraryWindow::updateButtons);
    connect(ActivityView, &QListView::doubleClicked, this, &LibraryWindow::OpenButton_Click);
}

QPushButton* LibraryWindow::button(const QString& caption, void (LibraryWindow::*click)())
{
    auto* made = new QPushButton(caption, this);
    made->setAutoDefault(false);
    connect(made, &QPushButton::clicked, this, [this, click] { (this->*click)(); });
    return made;
}

void LibraryWindow::layOut()
{
    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(tr("Temas"), this));
    left->addWidget(ThemeList);
    left->addWidget(NewThemeName);
    left->addWidget(RenameThemeButton);
    left->addWidget(RemoveThemeButton);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b :
         {SaveHereButton, ReplaceButton, OpenButton, EarlierButton, LaterButton, RemoveButton})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(tr("Actividades"), this));
    right->addWidget(ActivityView);
    right->addLayout(buttons);
    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left, 1);
    whole->addLayout(right, 3);
    resize(760, 520); // fits an 800 x 600 screen
}

// Return on an activity opens it, rather than pressing the default button.
bool LibraryWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ActivityView && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            OpenButton_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void LibraryWindow::updateButtons()
{
    // A damaged entry (a link, a FIFO) is shown, never opened nor changed.
    const int activity = Activities->damaged(chosenActivity() - 1) ? 0 : chosenActivity();
    const bool theme = themeChosen();
    const bool change = !theme || chosenCanChange; // a new theme goes where it can
    const bool inTheme = theme && chosenCanChange;
    SaveHereButton->setEnabled(change);
    ReplaceButton->setEnabled(inTheme && activity > 0);
    OpenButton->setEnabled(activity > 0 && work.open);
    EarlierButton->setEnabled(inTheme && activity > 1);
    LaterButton->setEnabled(inTheme && activity > 0 && activity < Activities->rowCount());
    RemoveButton->setEnabled(inTheme && activity > 0);
    RenameThemeButton->setEnabled(inTheme);
    RemoveThemeButton->setEnabled(inTheme);
    const QString why = change ? QString() : readOnlyReason(chosenFolder());
    for (QPushButton* b : {SaveHereButton, ReplaceButton, EarlierButton, LaterButton, RemoveButton,
                           RenameThemeButton, RemoveThemeButton})
        b->setToolTip(why);
    const bool fromHere = activity > 0 && activity == openedNumber();
    ReplaceButton->setDefault(fromHere && ReplaceButton->isEnabled());
    SaveHereButton->setDefault(!ReplaceButton->isDefault());
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

#include "editor/librarywindow.h"
#include "editorfixture.h"
#include "language.h"
#include "player/playerwindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTranslator>

namespace {

// A language in which every text that went through a translation comes
// back marked, so a text a person reads that did not is found unmarked.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QStringLiteral("⟦%1⟧").arg(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

// The caption of a control: what must fit it.
QString caption(const QWidget& widget)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text().remove('&');
    auto* label = qobject_cast<const QLabel*>(&widget);
    return label && !label->wordWrap() ? label->text() : QString();
}

// What a person reads on a window: captions, tooltips, titles, placeholders.
QStringList textsOf(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (const QWidget* widget : window.findChildren<const QWidget*>()) {
        texts << caption(*widget) << widget->toolTip();
        if (auto* line = qobject_cast<const QLineEdit*>(widget))
            texts << line->placeholderText();
    }
    texts.removeAll(QString());
    return texts;
}

// A caption that does not fit its control, with what it needs and has.
QString cutCaption(const QWidget& widget)
{
    const QString text = caption(widget);
    const int needed = widget.fontMetrics().horizontalAdvance(text);
    int room = widget.width() - (qobject_cast<const QAbstractButton*>(&widget) ? 4 : 0);
    if (auto* box = qobject_cast<const QCheckBox*>(&widget))
        room = widget.width() - (box->sizeHint().width() - needed);
    return !text.isEmpty() && widget.isVisibleTo(widget.window()) && needed > room
               ? QStringLiteral("%1 (%2 > %3)").arg(text).arg(needed).arg(room)
               : QString();
}

} // namespace

// Every text of the player's and the editor's windows, the library
// included, goes through a translation.
TEST_F(EditorTest, EveryTextAPersonReadsIsTranslatable)
{
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    QDir().mkpath(appDir.filePath("idioma"));
    QFile::copy(LUNIPO_TEST_DATA "/idioma/idioma.txt", appDir.filePath("idioma/idioma.txt"));
    startEditor().chooseTool(Tool::Dots); // the dot palette too
    editor::LibraryWindow library(platform, {}, toolkit::Share({}, *form->themeLister));
    player::PlayerWindow game(platform);
    game.startUp();
    QCoreApplication::removeTranslator(&marking);
    // Numbers, the dot tool's "B" and "O", and the program's name are no words.
    static const QRegularExpression words(QStringLiteral("^(?!⟦|[0-9 .,:x%/()-]*$|[BO]$|Lunipo$)"));
    for (const QWidget* window : std::initializer_list<const QWidget*>{form.get(), &library, &game})
        EXPECT_EQ(textsOf(*window).filter(words).join('\n').toStdString(), "");
}

// In every language, at the smallest and a large screen, each caption fits
// its control and the editor's controls stay on the screen.
TEST_F(EditorTest, EveryTextFitsInEveryLanguage)
{
    for (const QString& language : toolkit::languages()) {
        QTranslator translation;
        ASSERT_TRUE(language == "es" || translation.load("lunipo_" + language, ":/traducciones"));
        QCoreApplication::installTranslator(&translation);
        for (const QSize screen : {QSize(800, 600), QSize(1920, 1080)}) {
            SCOPED_TRACE(language.toStdString() + " at " + std::to_string(screen.width()));
            startEditor(screen.width(), screen.height());
            form->show(); // laid out as on the screen
            form->resize(screen);
            form->chooseTool(Tool::Dots);
            editor::LibraryWindow library(platform, {}, toolkit::Share({}, *form->themeLister));
            library.adjustSize();
            for (const QWidget* window :
                 std::initializer_list<const QWidget*>{form.get(), &library})
                for (const QWidget* widget : window->findChildren<const QWidget*>())
                    EXPECT_EQ(cutCaption(*widget).toStdString(), "");
            for (const QWidget* widget :
                 form->findChildren<const QWidget*>(Qt::FindDirectChildrenOnly))
                EXPECT_TRUE(!widget->isVisibleTo(form.get()) ||
                            QRect(QPoint(), screen).contains(widget->geometry()));
        }
        QCoreApplication::removeTranslator(&translation);
    }
}

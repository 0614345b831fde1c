#include "editor/form2.h"
#include "editorfixture.h"
#include "language.h"
#include "player/form1.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
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
        return QStringLiteral("⟦") + QString::fromUtf8(source) + QStringLiteral("⟧");
    }
    bool isEmpty() const override { return false; }
};

// What a person reads on a window and its controls, with where it is.
QStringList unmarkedTexts(const QWidget& window)
{
    QStringList found;
    // Numbers, the dot tool's "B" and "O", and the program's name are no words.
    static const QRegularExpression noWords(QStringLiteral("^[0-9 .,:x%/()-]*$|^[BO]$|^Lunipo$"));
    const auto check = [&](const QWidget& widget, const QString& what, const QString& text) {
        if (!text.isEmpty() && !text.contains(QStringLiteral("⟦")) &&
            !noWords.match(text).hasMatch())
            found << QStringLiteral("%1 %2: %3").arg(widget.metaObject()->className(), what, text);
    };
    QList<const QWidget*> widgets{&window};
    widgets += window.findChildren<const QWidget*>();
    for (const QWidget* widget : widgets) {
        check(*widget, "tooltip", widget->toolTip());
        check(*widget, "title", widget->isWindow() ? widget->windowTitle() : QString());
        if (auto* button = qobject_cast<const QAbstractButton*>(widget))
            check(*widget, "text", button->text());
        if (auto* label = qobject_cast<const QLabel*>(widget))
            check(*widget, "text", label->text());
        if (auto* line = qobject_cast<const QLineEdit*>(widget))
            check(*widget, "placeholder", line->placeholderText());
    }
    return found;
}

} // namespace

// Every text of the player's and the editor's windows, the library
// included, goes through a translation.
TEST_F(EditorTest, EveryTextAPersonReadsIsTranslatable)
{
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    QDir().mkpath(appDir.filePath("idioma"));
    QFile::copy(QStringLiteral(LUNIPO_TEST_DATA "/idioma/idioma.txt"),
                appDir.filePath("idioma/idioma.txt"));
    startEditor();
    form->Command1_Click(19); // the dot palette too
    editor::Form2 library(platform, {}, toolkit::Share({}, *form->themeLister));
    player::Form1 game(platform);
    game.Form_Load();
    QCoreApplication::removeTranslator(&marking);
    for (const QWidget* window :
         {static_cast<const QWidget*>(form.get()), static_cast<const QWidget*>(&library),
          static_cast<const QWidget*>(&game)})
        EXPECT_EQ(unmarkedTexts(*window).join('\n').toStdString(), "");
}

namespace {

// The text of a control that does not fit it, or nothing.
QString cutText(const QWidget& widget)
{
    QString text;
    int room = widget.width();
    if (auto* box = qobject_cast<const QCheckBox*>(&widget)) {
        text = box->text();
        room -= box->sizeHint().width() - box->fontMetrics().horizontalAdvance(text);
    } else if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        text = button->text().remove('&');
        room -= 4; // the frame
    } else if (auto* label = qobject_cast<const QLabel*>(&widget); label && !label->wordWrap()) {
        text = label->text();
    }
    const int needed = widget.fontMetrics().horizontalAdvance(text);
    return !text.isEmpty() && widget.isVisibleTo(widget.window()) && needed > room
               ? QStringLiteral("%1 (%2 > %3)").arg(text).arg(needed).arg(room)
               : QString();
}

} // namespace

// In every language, at the smallest and a large screen, each caption fits
// its control and the editor's controls stay on the screen.
TEST_F(EditorTest, EveryTextFitsInEveryLanguage)
{
    for (const QString& language : toolkit::languages()) {
        QTranslator translation;
        if (language != "es") {
            ASSERT_TRUE(translation.load("lunipo_" + language, ":/traducciones"));
        }
        QCoreApplication::installTranslator(&translation);
        for (const QSize screen : {QSize(800, 600), QSize(1920, 1080)}) {
            SCOPED_TRACE(QString("%1 at %2 x %3")
                             .arg(language)
                             .arg(screen.width())
                             .arg(screen.height())
                             .toStdString());
            startEditor(screen.width(), screen.height());
            form->show(); // laid out as on the screen
            form->resize(screen);
            form->Command1_Click(19);
            editor::Form2 library(platform, {}, toolkit::Share({}, *form->themeLister));
            library.adjustSize();
            for (const QWidget* window :
                 {static_cast<const QWidget*>(form.get()), static_cast<const QWidget*>(&library)}) {
                for (const QWidget* widget : window->findChildren<const QWidget*>())
                    EXPECT_EQ(cutText(*widget).toStdString(), "");
            }
            for (const QWidget* widget : form->findChildren<const QWidget*>()) {
                if (widget->isVisibleTo(form.get()) && widget->parent() == form.get()) {
                    EXPECT_TRUE(QRect(QPoint(), screen).contains(widget->geometry()))
                        << widget->metaObject()->className();
                }
            }
        }
        QCoreApplication::removeTranslator(&translation);
    }
}

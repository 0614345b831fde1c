#include "playerfixture.h"
#include "textfiles.h"
#include "worksheet.h"

#include <QShortcut>

// The paper worksheet of the activity shown, and its agreement with the
// player's own reader.
class PrintTest : public PlayerTest
{
protected:
    QShortcut* printKey() const
    {
        for (QShortcut* shortcut : form->findChildren<QShortcut*>()) {
            if (shortcut->key() == QKeySequence(QStringLiteral("Ctrl+P")))
                return shortcut;
        }
        return nullptr;
    }

    int printedPages() const
    {
        return static_cast<int>(platform.printedPdf.count("/Type /Page\n"));
    }
};

TEST_F(PrintTest, CtrlPPrintsTheActivityShownWhateverTheChildJoined)
{
    writeActivity("animales", 1,
                  {"1,3000,3000,0,0,0,", "2,6000,3000,0,0,0,", "3,6000,6000,0,0,0,"});
    startPlayer();
    form->chooseTheme();
    clickAt(3000, 3000);
    clickAt(6000, 3000); // the figure is complete

    ASSERT_NE(printKey(), nullptr);
    emit printKey()->activated();
    EXPECT_EQ(platform.printTitles, QStringList{"Imprimir ficha"});
    EXPECT_EQ(printedPages(), 1);
    EXPECT_TRUE(game().joined()); // the child's drawing is untouched

    platform.printedPdf.clear();
    platform.printAccepted = false;
    form->printActivity();
    EXPECT_EQ(platform.printTitles.size(), 2);
    EXPECT_EQ(printedPages(), 0);
}

TEST_F(PrintTest, NothingToPrintOpensNoDialog)
{
    startPlayer();
    form->printActivity(); // none shown yet
    form->openActivityFile(path("actividades/nada/1.txt"));
    form->printActivity();
    EXPECT_TRUE(platform.printTitles.isEmpty());
}

TEST_F(PrintTest, TheWorksheetReadsAFileAsThePlayerDoes)
{
    const QByteArray text = activityText({"", "1,100.9,200,255,0,0,", ",300,400,0,300,-4,", "",
                                          "2,5,", "junk", "3,-70,9e3,1,2,3,", "4,700,800,10,20,30"},
                                         "si", 200, "12,75");
    writeFile("actividad.txt", text);
    startPlayer();
    form->openActivityFile(path("actividad.txt"));

    const auto sheet = worksheet::readWorksheet(path("actividad.txt"));
    ASSERT_TRUE(sheet);
    EXPECT_TRUE(sheet->circles);
    EXPECT_EQ(sheet->dotSize, game().hitRadius());
    EXPECT_EQ(sheet->fontSize, game().labelFontSize());
    ASSERT_EQ(sheet->dots.size(), game().count());
    for (int i = 0; i < game().count(); ++i) {
        const auto at = static_cast<size_t>(i);
        const worksheet::WorksheetDot& dot = sheet->dots[i];
        EXPECT_EQ(dot.label, game().dot(at).label) << i;
        EXPECT_EQ(dot.x, game().dot(at).x) << i;
        EXPECT_EQ(dot.y, game().dot(at).y) << i;
        EXPECT_EQ(dot.colour, toolkit::RGB(int(game().dot(at).red), int(game().dot(at).green),
                                           int(game().dot(at).blue)))
            << i;
    }
}

#include "editorfixture.h"

#include <QShortcut>

// Ctrl+P prints the dots placed so far, closing records included, before any
// activity file exists.
TEST_F(EditorTest, CtrlPPrintsTheDotsPlacedSoFar)
{
    startEditor();
    form->chooseTool(Tool::Dots);
    click(600, 600);
    click(1800, 600);
    click(1200, 1800);
    form->pressCloseFigure();

    QShortcut* key = nullptr;
    for (QShortcut* shortcut : form->findChildren<QShortcut*>())
        if (shortcut->key() == QKeySequence(QStringLiteral("Ctrl+P")))
            key = shortcut;
    ASSERT_NE(key, nullptr);
    emit key->activated();

    EXPECT_EQ(platform.printTitles, QStringList{"Imprimir ficha"});
    EXPECT_EQ(platform.printedPdf.count("/Type /Page\n"), 1);
    EXPECT_EQ(dotCount(), 4); // printing leaves the list as it was
    EXPECT_TRUE(QDir(appDir.path()).entryList({"*.txt"}).isEmpty()) << "nothing written";
}

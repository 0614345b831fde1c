#include "playerfixture.h"

// What the child hears at each click, the files of one sequence without
// ".wav": after the praise, the name of the dot reached, from sonidos/voz.
// Clicks: a dot's record, "-1" a miss, "n" the numbers button.
TEST_F(PlayerTest, EachDotReachedIsNamedAfterThePraise)
{
    // "voz/.wav" and "acierto.wav" would be found were a label made a path;
    // the shipped "voz/1.ogg" gives way to a school's "voz/1.wav".
    for (const char* name : {"acierto", "voz/1", "voz/2", "voz/A", "voz/Ñ", "voz/"})
        writeFile("sonidos/" + QString::fromUtf8(name) + ".wav", "RIFF");
    writeFile("sonidos/voz/1.ogg", "OggS");
    QStringList dots; // 900 twips apart; "_" an empty label
    for (QString label : QString::fromUtf8("1 a 9 _ ñ ../acierto _ _ 2 x").split(' '))
        dots << label.remove('_') + QStringLiteral(",%1,0,0,0,0,").arg(dots.size() * 900);
    writeActivity("t", 1, dots);
    startPlayer().chooseTheme();
    const char* const heardAtEachClick[][2] = {
        {"-1", "error"},  {"0", "acierto voz/1"}, {"n", "numero voz/A"},     {"1", "acierto voz/A"},
        {"2", "acierto"}, {"n", "numero voz/Ñ"},  {"4", "acierto voz/Ñ"},    {"5", "acierto"},
        {"n", "numero"},  {"7", "acierto"},       {"8", "voz/2 aciertotodo"}};
    for (const auto& [click, heard] : heardAtEachClick) {
        *click == 'n' ? form->showNumbers() : clickAt(atoi(click) * 900, 0);
        QStringList files = platform.soundSequences.last().replaceInStrings(path("sonidos/"), "");
        EXPECT_EQ(files.join(' ').remove(".wav").toStdString(), heard) << click;
    }
}

// Another language speaks from its own folder; one without a voice there
// (Galician: espeak-ng has none) plays the praise alone.
TEST_F(PlayerTest, EachLanguageSpeaksFromItsOwnFolder)
{
    for (const char* name : {"acierto.wav", "voz/1.wav", "voz/ca/1.ogg"})
        writeFile("sonidos/" + QString::fromUtf8(name), "RIFF");
    writeActivity("t", 1, {"1,0,0,0,0,0,", "2,900,0,0,0,0,", "3,1800,0,0,0,0,"});
    for (const auto& [language, heard] :
         {std::pair{"es", "acierto voz/1"}, {"ca", "acierto voz/ca/1.ogg"}, {"gl", "acierto"}}) {
        form = std::make_unique<player::PlayerWindow>(platform);
        form->lab.language = language;
        form->startUp();
        form->chooseTheme();
        clickAt(0, 0);
        QStringList files = platform.soundSequences.last().replaceInStrings(path("sonidos/"), "");
        EXPECT_EQ(files.join(' ').remove(".wav").toStdString(), heard) << language;
    }
}

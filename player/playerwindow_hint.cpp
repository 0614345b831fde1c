// The hint: a child who has not found the next dot for a while, or has
// missed it three times in a row, is shown it with a pulsing ring and hears
// its number again. The ring lies over the canvas and never in its picture.

#include "playerwindow.h"

#include "colour.h"
#include "hintring.h"
#include "twips.h"

#include <algorithm>

namespace player {

namespace {

constexpr int WrongClicksBeforeHint = 3;
// A day: longer waits are as good as none, and would overflow the timer.
constexpr int MaxHintSeconds = 24 * 60 * 60;
// The ring clears the dot's label and its hit zone, within reason.
constexpr int MinRingRadius = 14;
constexpr int MaxRingRadius = 120;
constexpr int RingMargin = 6;

} // namespace

void PlayerWindow::showHint(const QStringList& before)
{
    const int record = game_.expectedRecord();
    if (record < 0 || game_.joined())
        return;
    hintWait_.reset();
    hintShown = true;
    if (record_)
        record_->hintShown();
    const DotGame::Dot& dot = game_.dot(record);
    const QPoint centre(toolkit::twipsToPixels(dot.x), toolkit::twipsToPixels(dot.y));
    const int label = toolkit::pointsToPixels(game_.labelFontSize());
    const int radius = std::max(toolkit::twipsToPixels(game_.hitRadius()), label) + RingMargin;
    hintRing->showAround(centre, std::clamp(radius, MinRingRadius, MaxRingRadius), hintColour());
    hintPulse_ = platform_.startTicker(HintRing::FrameMilliseconds, [this] { hintRing->pulse(); });
    playInTurn(before + QStringList{voiceOf(dot.label)});
}

void PlayerWindow::restartHint()
{
    hintWait_.reset();
    hintPulse_.reset();
    hintRing->hide();
    hintShown = false;
    game_.forgetMisses();
    if (lab.hintSeconds <= 0 || game_.joined() || game_.expectedRecord() < 0)
        return;
    const int seconds = std::min(lab.hintSeconds, MaxHintSeconds);
    hintWait_ = platform_.startTicker(seconds * 1000, [this] { showHint(); });
}

void PlayerWindow::missedDot()
{
    // A child upset by the buzz ("sin-fallos") hears nothing; the record
    // and the hint still count the miss.
    const QStringList buzz = lab.reach.silentMisses
                                 ? QStringList()
                                 : QStringList{soundPath(QStringLiteral("error.wav"))};
    if (record_)
        record_->wrongDot();
    if (game_.missesInARow() >= WrongClicksBeforeHint && !hintShown && lab.hintSeconds > 0 &&
        game_.expectedRecord() >= 0)
        showHint(buzz);
    else if (!buzz.isEmpty())
        platform_.playSounds(buzz);
}

QColor PlayerWindow::hintColour() const
{
    std::vector<QColor> avoid = {Qt::white, toolkit::toQColor(canvas->ForeColor),
                                 toolkit::toQColor(toolkit::vbGreen)};
    for (int i = 0; i < game_.count(); ++i)
        avoid.emplace_back(game_.dot(i).red, game_.dot(i).green, game_.dot(i).blue);
    return standOutColour(avoid);
}

} // namespace player

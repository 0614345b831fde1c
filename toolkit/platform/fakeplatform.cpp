#include "fakeplatform.h"

#include <QBuffer>
#include <QDialog>
#include <QFileInfo>
#include <QPdfWriter>
#include <algorithm>

namespace toolkit {

int FakePlatform::messageBox(const QString& text, int style)
{
    messages.append({text, style});
    if (!messageAnswers.empty()) {
        const int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    // Unscripted, a box is answered as Enter would.
    if ((style & ~vbDefaultYes) == vbYesNo)
        return style & vbDefaultYes ? vbYes : vbNo;
    return vbOK;
}

QString FakePlatform::nextFileName()
{
    if (fileNameAnswers.empty())
        return {};
    QString name = fileNameAnswers.front();
    fileNameAnswers.pop_front();
    return name;
}

int FakePlatform::execDialog(QDialog& dialog)
{
    modalWindows << dialog.windowTitle();
    return dialogScript ? dialogScript(dialog) : QDialog::Rejected;
}

bool FakePlatform::printPages(const QString& title,
                              const std::function<bool(QPagedPaintDevice&)>& paint)
{
    printTitles << title;
    if (!printAccepted)
        return false;
    QBuffer buffer(&printedPdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    return paint(writer);
}

class FakePlatform::FakeTicker : public Platform::Ticker
{
public:
    explicit FakeTicker(std::shared_ptr<TickerEntry> entry) : entry_(std::move(entry)) {}
    ~FakeTicker() override { entry_->stopped = true; }

private:
    std::shared_ptr<TickerEntry> entry_;
};

std::unique_ptr<Platform::Ticker> FakePlatform::startTicker(int milliseconds,
                                                            std::function<void()> tick)
{
    dropStopped();
    const int interval = std::max(1, milliseconds);
    tickers_.push_back(
        std::make_shared<TickerEntry>(TickerEntry{interval, elapsed_ + interval, std::move(tick)}));
    return std::make_unique<FakeTicker>(tickers_.back());
}

void FakePlatform::advance(int milliseconds)
{
    const qint64 until = elapsed_ + std::max(0, milliseconds);
    while (TickerEntry* entry = nextDue(until)) {
        clock = clock.addMSecs(entry->due - elapsed_);
        elapsed_ = entry->due;
        entry->due += entry->interval;
        // The tick may stop its own ticker or start others.
        const std::function<void()> tick = entry->tick;
        tick();
    }
    clock = clock.addMSecs(until - elapsed_);
    elapsed_ = until;
    dropStopped();
}

void FakePlatform::dropStopped()
{
    tickers_.erase(std::remove_if(tickers_.begin(), tickers_.end(),
                                  [](const auto& entry) { return entry->stopped; }),
                   tickers_.end());
}

FakePlatform::TickerEntry* FakePlatform::nextDue(qint64 until) const
{
    TickerEntry* next = nullptr;
    for (const auto& entry : tickers_)
        if (!entry->stopped && entry->due <= until && (!next || entry->due < next->due))
            next = entry.get();
    return next;
}

int FakePlatform::runningTickers() const
{
    return static_cast<int>(std::count_if(tickers_.begin(), tickers_.end(),
                                          [](const auto& entry) { return !entry->stopped; }));
}

QStringList FakePlatform::soundNames() const
{
    QStringList names;
    for (const QString& path : sounds)
        names << QFileInfo(path).fileName();
    return names;
}

} // namespace toolkit

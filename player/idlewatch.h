#pragma once

#include "platform.h"

#include <QDateTime>
#include <QObject>
#include <functional>
#include <memory>

class QWidget;

namespace player {

// Notices when nobody has played on a window for a while: no press, move,
// touch or key on it. Every event of the program passes by it, so it only
// reads the clock; a slow timer of the platform compares.
class IdleWatch : public QObject
{
public:
    // `idle` is called once `minutes` went by without play on `window`,
    // and the watch then stops until started again.
    IdleWatch(toolkit::Platform& platform, QWidget& window, int minutes,
              std::function<void()> idle);
    ~IdleWatch() override;

    // Starts counting from now; does nothing for 0 minutes.
    void start();
    void stop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void check();

    toolkit::Platform& platform_;
    QWidget& window_;
    int minutes_;
    std::function<void()> idle_;
    QDateTime lastPlay_;
    std::unique_ptr<toolkit::Platform::Ticker> ticker_;
};

} // namespace player

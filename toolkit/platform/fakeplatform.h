#pragma once

#include "platform.h"

#include <QList>
#include <deque>
#include <vector>

namespace toolkit {

// A Platform for tests: records every call and answers from scripted values.
class FakePlatform : public Platform
{
public:
    struct Message
    {
        QString text;
        int style;
    };
    struct Dialog
    {
        QString title;
        QString filter;
        QString folder;
    };
    struct Started
    {
        QString program;
        QStringList arguments;
    };

    // Scripted answers.
    int screenWidthPx = 800;
    int screenHeightPx = 600;
    int twipsPerPixel = 15;
    double pixelsPerMm = 4; // about 100 pixels an inch
    QString applicationFolder;
    QString systemFolderPath;
    QDateTime clock = QDateTime(QDate(2026, 12, 5), QTime(21, 8, 3));
    std::deque<int> messageAnswers; // consumed in order; then the default button
    std::deque<QString> fileNameAnswers;
    // Drives each window run modally, as a person would, and gives its
    // result; without it the window is closed at once (Rejected).
    std::function<int(QDialog&)> dialogScript;
    bool programStarts = true;

    // What happened. Every file played, in order; and the files of each call,
    // which play as one sequence.
    QStringList sounds;
    QList<QStringList> soundSequences;
    QList<Message> messages;
    QList<Dialog> dialogs;
    QStringList modalWindows; // the title of each window run modally
    QList<Started> startedPrograms;
    QStringList openedFolders;
    QImage clipboard;
    QString clipboardFilePath;
    int clipboardWrites = 0;
    bool ended = false;
    // Print dialogs opened, by title; the pages of the last accepted one are
    // painted into a PDF kept here.
    QStringList printTitles;
    QByteArray printedPdf;
    bool printAccepted = true;

    void playSounds(const QStringList& paths) override
    {
        sounds << paths;
        soundSequences << paths;
    }
    int messageBox(const QString& text, int style) override;
    QString openFileName(const QString& title, const QString& filter,
                         const QString& folder) override
    {
        dialogs.append({title, filter, folder});
        return nextFileName();
    }
    QString saveFileName(const QString& title, const QString& filter,
                         const QString& folder) override
    {
        dialogs.append({title, filter, folder});
        return nextFileName();
    }
    int execDialog(QDialog& dialog) override;
    void setClipboardImage(const QImage& image) override
    {
        clipboard = image;
        ++clipboardWrites;
    }
    QImage clipboardImage() override { return clipboard; }
    QString clipboardFile() override { return clipboardFilePath; }
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        startedPrograms.append({program, arguments});
        return programStarts;
    }
    bool openFolder(const QString& path) override
    {
        openedFolders << path;
        return true;
    }
    QDateTime now() override { return clock; }
    std::unique_ptr<Ticker> startTicker(int milliseconds, std::function<void()> tick) override;
    // Moves the clock on, firing every running ticker each time its interval
    // passes, earliest first, as the event loop would.
    void advance(int milliseconds);
    int runningTickers() const;
    int screenWidthTwips() override { return screenWidthPx * twipsPerPixel; }
    int screenHeightTwips() override { return screenHeightPx * twipsPerPixel; }
    int twipsPerPixelX() override { return twipsPerPixel; }
    int twipsPerPixelY() override { return twipsPerPixel; }
    double pixelsPerMillimetre() override { return pixelsPerMm; }
    QString appFolder() override { return applicationFolder; }
    QString systemFolder() override { return systemFolderPath; }
    void endProgram() override { ended = true; }
    bool printPages(const QString& title,
                    const std::function<bool(QPagedPaintDevice&)>& paint) override;

    // The file names of the sounds played, without their folders.
    QStringList soundNames() const;

private:
    struct TickerEntry
    {
        int interval;
        qint64 due; // on the clock of elapsed_
        std::function<void()> tick;
        bool stopped = false;
    };
    class FakeTicker;
    QString nextFileName();
    TickerEntry* nextDue(qint64 until) const;
    void dropStopped();

    std::vector<std::shared_ptr<TickerEntry>> tickers_;
    qint64 elapsed_ = 0; // milliseconds advanced so far
};

} // namespace toolkit

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace editor {

// An activity file as the player reads it, for the editor to open: the
// same limits and the same rules, with word of what the player would leave
// out or change.
struct ReadActivity
{
    Q_DECLARE_TR_FUNCTIONS(editor::ReadActivity)

public:
    struct Record
    {
        QString label; // empty: closes the figure
        double x = 0;  // twips for an 800 x 600 screen
        double y = 0;
        int red = 0, green = 0, blue = 0;
    };
    bool circles = false;
    int dotSize = 250;    // twips
    double fontSize = 18; // points
    QVector<Record> records;
    // What the player leaves out or changes, in Spanish, one sentence each.
    QStringList leftOut;
};

// One dot line read by the player's rules: missing fields are zero.
ReadActivity::Record dotRecord(const QString& line);

// Nothing when the file cannot be read or is shorter than its five header
// lines (the player shows no dot for it).
std::optional<ReadActivity> readActivityFile(const QString& path);

} // namespace editor

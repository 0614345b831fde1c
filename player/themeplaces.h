#pragma once

#include <QString>
#include <vector>

namespace player {

// Where the child is among the themes: the theme shown and the folder its
// activities come from, and for every listed theme the activity shown last
// there, so each theme goes on where it was left.
class ThemePlaces
{
public:
    // The theme shown, by its place in the list.
    int shown() const { return shown_; }
    const QString& folder() const { return folder_; }
    void show(int index, const QString& folder)
    {
        shown_ = index;
        folder_ = folder;
    }
    // The shown theme found at another place of a list made anew.
    void movedTo(int index) { shown_ = index; }

    // The activity shown last in theme `index`; 0 for none yet.
    int activity(int index) const { return activities_[static_cast<size_t>(index)]; }
    int& activity(int index) { return activities_[static_cast<size_t>(index)]; }
    int& shownActivity() { return activity(shown_); }
    // `themes` are listed: each one keeps a place of its own.
    void fit(int themes);

private:
    int shown_ = 0;
    QString folder_;
    // Never fewer than 51, as many as were ever listed.
    std::vector<int> activities_ = std::vector<int>(51, 0);
};

} // namespace player

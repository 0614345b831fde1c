#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace toolkit {

class FolderLister;

// The one way the programs reach into the lab's shared folders (the "temas"
// of the lab settings), where a server that is gone hangs every call on
// it: a folder inside one of them is first read on a worker through the
// lister, and used only when that answered within the lister's patience. A
// folder still stuck from before counts as not answering at once, so a
// second click costs nothing. Folders elsewhere (this computer's) are used
// at once.
class Share
{
    Q_DECLARE_TR_FUNCTIONS(toolkit::Share)

public:
    Share(QStringList sharedFolders, FolderLister& lister);
    // This run's lab settings and the programs' shared lister.
    static Share current();

    const QStringList& folders() const { return shared_; }
    FolderLister& lister() const { return *lister_; }

    // Whether `folder` can be used now. For a file, ask about its folder
    // (QFileInfo::path(), which touches no disk).
    bool answers(const QString& folder) const;
    // Those of `folders` that can be used now: the shared ones are asked all
    // at once, so hung ones cost one wait together.
    QStringList answering(const QStringList& folders) const;
    // Whether `path` lies inside one of the shared folders.
    bool isShared(const QString& path) const;

    // The one sentence that says so.
    static QString notAnswering(const QString& path);

private:
    QStringList shared_;
    FolderLister* lister_;
};

} // namespace toolkit

#pragma once

#include "accounts.h"
#include "classtable.h"
#include "picturefiles.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

namespace toolkit {
class FolderLister;
}

namespace classview {

// What one drawing may cost to read. A 24-bit bitmap of a 5K screen is
// 44 MB, so a larger file is no child's drawing; decoded, a drawing may take
// an 8K screen's memory, not a decompression bomb's.
inline constexpr toolkit::BitmapLimits DrawingLimits{64 * 1024 * 1024, 160};

// A drawing a child saved.
struct Drawing
{
    QString path;
    QString fileName;
    QDateTime saved; // the file's modification time
};

// Where each child's drawings are: the lab's "dibujos" as written, "%u"
// standing for the login ("/srv/lunipo/dibujos/%u").
class DrawingShelf
{
    Q_DECLARE_TR_FUNCTIONS(classview::DrawingShelf)

public:
    explicit DrawingShelf(QString pattern, Accounts accounts = Accounts());

    // The child's drawings folder; empty when the pattern has no "%u".
    QString folderOf(const QString& login) const;

    // The child's drawings saved on `from` or later (all of them when it is
    // invalid), the latest first. What lies in the folder is learnt through
    // `lister` (toolkit::FolderLister::shared() in the programs), so a
    // folder that does not answer within its patience gives none and says
    // so in `problems`. A folder in the child's name that is not the
    // child's own (Accounts::refusal()) gives none, and is told. Links, FIFOs, devices, files
    // larger than a drawing can be, unreadable files and files that are no picture are passed over
    // and told there too.
    QList<Drawing> drawings(toolkit::FolderLister& lister, const QString& login, const QDate& from,
                            QStringList* problems) const;

    // The drawings of `child`, as above: those of their own account, and
    // those in the folder named by their key in each account they played on
    // (Child::keptUnder), which must be that account's own too.
    QList<Drawing> drawings(toolkit::FolderLister& lister, const Child& child, const QDate& from,
                            QStringList* problems) const;

private:
    // The drawings in `folder`, once the folders `owned` are each the
    // login's own (an account's folder, then the key's in it).
    QList<Drawing> drawingsIn(toolkit::FolderLister& lister, const QString& login,
                              const QString& folder, const QStringList& owned, const QDate& from,
                              QStringList* problems) const;
    // The folder named by the login, the one a child makes: the pattern up
    // to "%u".
    QString loginFolderOf(const QString& login) const;

    QString pattern_;
    Accounts accounts_;
};

// The drawing at `path`, read as the bitmap its name says and nothing else
// (toolkit::readBitmapFile); a null image, and why in `problem`, when it is
// a link or no regular file, too large a file, no picture of that kind, or
// a picture whose size is beyond any screen's. Reads the file: on a share
// that may hang, call it off the window's thread.
QImage loadDrawing(const QString& path, QString* problem);

// `image` fitted into a square of `edge` pixels, its proportions kept.
QImage thumbnailOf(const QImage& image, int edge);

} // namespace classview

// The teachers' grupos.csv and nombres.csv as the class book reads them, on
// any bytes: the groups it reads, written back, read again the same; the
// names likewise, but for control characters; and writing what was read
// again gives the same bytes.

#include "classbook.h"

#include <cstdlib>

using classview::ClassBook;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // The book refuses such a file before parsing it.
    if (bytes.contains('\0'))
        return 0;

    QStringList unread;
    const ClassBook::Groups groups = ClassBook::parseGroups(bytes, &unread);
    if (unread.size() != groups.kept.size())
        std::abort();
    const QByteArray groupsText = ClassBook::formatGroups(groups);
    const ClassBook::Groups again = ClassBook::parseGroups(groupsText, nullptr);
    if (!(again == groups) || ClassBook::formatGroups(again) != groupsText)
        std::abort();

    const QHash<QString, QString> names = ClassBook::parseNames(bytes);
    const QByteArray namesText = ClassBook::formatNames(names);
    const QHash<QString, QString> namesAgain = ClassBook::parseNames(namesText);
    // A name may lose its control characters on the way, never a login.
    for (auto name = namesAgain.cbegin(); name != namesAgain.cend(); ++name)
        if (!names.contains(name.key()))
            std::abort();
    if (ClassBook::formatNames(namesAgain) != namesText)
        std::abort();
    return 0;
}

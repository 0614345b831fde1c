// The children's list (ninos.csv) as the player and the class view read it,
// on any bytes: every key, picture and account read is of its fixed form,
// no account is two children's, the list
// written and read again is the same list, lines passed over included, and
// writing it again gives the same bytes.

#include "classlist.h"

#include <QStringList>
#include <cstdlib>

using toolkit::ClassList;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // The reader refuses such a file before parsing it.
    if (bytes.contains('\0'))
        return 0;

    QStringList problems;
    const ClassList list = ClassList::parse(bytes, &problems);
    if (list.children().size() > ClassList::MostChildren || problems.size() > 22)
        std::abort();
    QStringList accounts;
    for (const ClassList::Child& child : list.children()) {
        if (!ClassList::isKey(child.key) ||
            (!child.picture.isEmpty() && !ClassList::isPictureName(child.picture)) ||
            (!child.account.isEmpty() &&
             (!ClassList::isAccountName(child.account) || accounts.contains(child.account))))
            std::abort();
        if (!child.account.isEmpty())
            accounts << child.account;
    }

    const QByteArray text = ClassList::format(list);
    const ClassList again = ClassList::parse(text, nullptr);
    if (!(again == list) || ClassList::format(again) != text)
        std::abort();
    return 0;
}

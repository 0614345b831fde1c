#include "classlist.h"

#include "csvfields.h"
#include "textfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace toolkit {

const QString ClassList::FileName = QStringLiteral("ninos.csv");

namespace {

// Enough for the adult to see what is wrong; a hostile list of thousands of
// bad lines would otherwise fill the screen.
constexpr qsizetype MostToldLines = 20;
constexpr qsizetype LongestKey = 16;
constexpr qsizetype LongestPicture = 40;
constexpr qsizetype LongestAccount = 32;

// Control characters, and the line breaks a spreadsheet may take as such,
// become spaces.
QString oneLine(const QString& text)
{
    QString line = withoutControlCharacters(text);
    std::replace_if(
        line.begin(), line.end(),
        [](QChar c) {
            return c.category() == QChar::Separator_Line ||
                   c.category() == QChar::Separator_Paragraph;
        },
        QLatin1Char(' '));
    return line.trimmed();
}

QStringList groupsOf(const QStringList& fields)
{
    QStringList groups;
    for (const QString& field : fields)
        if (const QString group = oneLine(field); !group.isEmpty() && !groups.contains(group))
            groups << group;
    return groups;
}

bool isHeading(const QStringList& fields)
{
    return fields.size() >= 2 &&
           fields[0].compare(QLatin1String("clave"), Qt::CaseInsensitive) == 0 &&
           fields[1].compare(QLatin1String("nombre"), Qt::CaseInsensitive) == 0;
}

// Tells at most MostToldLines problems, then how many more there were.
class Teller
{
public:
    explicit Teller(QStringList* problems) : problems_(problems) {}
    ~Teller()
    {
        if (problems_ && untold_ > 0)
            *problems_ << ClassList::tr("%1: más líneas con problemas, sin contar aquí: %2.")
                              .arg(ClassList::FileName)
                              .arg(untold_);
    }
    void tell(const QString& problem)
    {
        if (problems_ && told_++ < MostToldLines)
            *problems_ << problem;
        else
            ++untold_;
    }

private:
    QStringList* problems_;
    qsizetype told_ = 0;
    int untold_ = 0;
};

// Why a line with `key`, `picture` and `account` is passed over, or nothing
// when it is not; `lineOf` holds the keys and the accounts of the lines read
// before it.
QString problemWith(const QString& key, const QString& picture, const QString& account,
                    const QHash<QString, qsizetype>& lineOf)
{
    if (!ClassList::isKey(key))
        return ClassList::tr("«%1» no es una clave (de 1 a 16 letras minúsculas sin acentos y "
                             "cifras)")
            .arg(oneLine(key).left(LongestKey + 1));
    if (lineOf.contains(key))
        return ClassList::tr("la clave «%1» ya está en la línea %2")
            .arg(key, QString::number(lineOf[key]));
    if (!picture.isEmpty() && !ClassList::isPictureName(picture))
        return ClassList::tr("«%1» no es el nombre de un dibujo")
            .arg(oneLine(picture).left(LongestPicture + 1));
    if (!account.isEmpty() && !ClassList::isAccountName(account))
        return ClassList::tr("«%1» no es el nombre de una cuenta")
            .arg(oneLine(account).left(LongestAccount + 1));
    if (!account.isEmpty() && lineOf.contains(QLatin1Char('/') + account))
        return ClassList::tr("la cuenta «%1» ya es de la línea %2")
            .arg(account, QString::number(lineOf[QLatin1Char('/') + account]));
    return {};
}

} // namespace

const ClassList::Child* ClassList::find(const QString& key) const
{
    const auto found = std::find_if(children_.cbegin(), children_.cend(),
                                    [&](const Child& child) { return child.key == key; });
    return found == children_.cend() ? nullptr : &*found;
}

bool ClassList::isKey(const QString& key)
{
    static const QRegularExpression form(QStringLiteral("^[a-z0-9]{1,16}$"));
    return form.match(key).hasMatch();
}

bool ClassList::isAccountName(const QString& account)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]{0,31}$"));
    return form.match(account).hasMatch();
}

bool ClassList::isPictureName(const QString& picture)
{
    if (picture.isEmpty() || picture.size() > LongestPicture || picture.startsWith('-'))
        return false;
    return std::all_of(picture.cbegin(), picture.cend(), [](QChar c) {
        return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_');
    });
}

ClassList ClassList::parse(const QByteArray& text, QStringList* problems)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    const QStringList lines = decodeText(text).split(lineEnd);
    Teller teller(problems);
    ClassList list;
    // Keys, and accounts after a '/' no key has.
    QHash<QString, qsizetype> lineOf;
    qsizetype passedOver = 0; // past MostChildren
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        const QStringList fields = csvFields(lines[i]);
        if (i == 0 && isHeading(fields))
            continue;
        const QString key = fields[0];
        const QString picture = fields.value(2);
        const QString account = fields.value(3);
        const QString problem = problemWith(key, picture, account, lineOf);
        if (!problem.isEmpty())
            teller.tell(tr("%1, línea %2: %3; se pasa por alto.")
                            .arg(FileName, QString::number(i + 1), problem));
        else if (list.children_.size() == MostChildren)
            ++passedOver;
        if (!problem.isEmpty() || list.children_.size() == MostChildren) {
            list.kept_ << lines[i];
            continue;
        }
        lineOf.insert(key, i + 1);
        if (!account.isEmpty())
            lineOf.insert(QLatin1Char('/') + account, i + 1);
        list.children_ << Child{key, oneLine(fields.value(1)), picture, groupsOf(fields.mid(4)),
                                account};
    }
    if (passedOver > 0 && problems)
        *problems << tr("%1: pasa de %2 niños; los %3 que siguen se pasan por alto y se guardan "
                        "como están.")
                         .arg(FileName, QString::number(MostChildren), QString::number(passedOver));
    return list;
}

QByteArray ClassList::format(const ClassList& list)
{
    QByteArray text = "clave,nombre,dibujo,cuenta,grupos\r\n";
    for (const Child& child : list.children_) {
        text += csvField(child.key) + ',' + csvField(oneLine(child.name)) + ',' +
                csvField(child.picture) + ',' + csvField(child.account);
        for (const QString& group : child.groups)
            text += ',' + csvField(group);
        text += "\r\n";
    }
    for (const QString& line : list.kept_)
        text += line.toUtf8() + "\r\n";
    return text;
}

std::optional<ClassList> ClassList::read(const QString& classFolder, QStringList* problems)
{
    const QString path = QDir(classFolder).filePath(FileName);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return ClassList();
    // Without following a link and without waiting on a FIFO.
    const auto bytes = readRegularFile(path, LargestFile, Links::Refuse);
    if (bytes && !bytes->contains('\0'))
        return parse(*bytes, problems);
    if (problems)
        *problems << tr("%1 no se puede leer (es un enlace, no es un archivo normal, está "
                        "dañado o pasa de 1 MB): se deja de lado. Quítalo o arréglalo.")
                         .arg(QDir::toNativeSeparators(path));
    return std::nullopt;
}

ClassList::Child* ClassList::child(const QString& key, QString* problem)
{
    const auto found = std::find_if(children_.begin(), children_.end(),
                                    [&](const Child& child) { return child.key == key; });
    if (found != children_.end())
        return &*found;
    if (problem)
        *problem = tr("Ya no hay en la lista ningún niño con la clave «%1».").arg(key);
    return nullptr;
}

std::optional<QString> ClassList::add(const QString& name, const QString& picture,
                                      const QStringList& groups, QString* problem)
{
    const QString oneLineName = oneLine(name);
    QString why;
    if (oneLineName.isEmpty())
        why = tr("El niño necesita un nombre.");
    else if (children_.size() >= MostChildren)
        why = tr("La lista ya tiene %1 niños, los que caben.").arg(MostChildren);
    else if (!picture.isEmpty() && !isPictureName(picture))
        why = tr("«%1» no es el nombre de un dibujo.").arg(picture);
    if (!why.isEmpty()) {
        if (problem)
            *problem = why;
        return std::nullopt;
    }
    const QString key = newKey(oneLineName);
    children_ << Child{key, oneLineName, picture, groupsOf(groups), {}};
    return key;
}

bool ClassList::rename(const QString& key, const QString& name, QString* problem)
{
    const QString oneLineName = oneLine(name);
    if (oneLineName.isEmpty()) {
        if (problem)
            *problem = tr("El niño necesita un nombre.");
        return false;
    }
    Child* found = child(key, problem);
    if (found)
        found->name = oneLineName;
    return found;
}

void ClassList::remove(const QString& key)
{
    children_.removeIf([&](const Child& child) { return child.key == key; });
}

bool ClassList::setPicture(const QString& key, const QString& picture, QString* problem)
{
    if (!picture.isEmpty() && !isPictureName(picture)) {
        if (problem)
            *problem = tr("«%1» no es el nombre de un dibujo.").arg(picture);
        return false;
    }
    Child* found = child(key, problem);
    if (found)
        found->picture = picture;
    return found;
}

bool ClassList::setAccount(const QString& key, const QString& account, QString* problem)
{
    QString why;
    if (!account.isEmpty() && !isAccountName(account))
        why = tr("«%1» no es el nombre de una cuenta.").arg(oneLine(account));
    const auto other = std::find_if(children_.cbegin(), children_.cend(), [&](const Child& c) {
        return !account.isEmpty() && c.account == account && c.key != key;
    });
    if (why.isEmpty() && other != children_.cend())
        why = tr("La cuenta «%1» ya es de %2.").arg(account, other->name);
    if (!why.isEmpty()) {
        if (problem)
            *problem = why;
        return false;
    }
    Child* found = child(key, problem);
    if (found)
        found->account = account;
    return found;
}

bool ClassList::setGroups(const QString& key, const QStringList& groups, QString* problem)
{
    Child* found = child(key, problem);
    if (found)
        found->groups = groupsOf(groups);
    return found;
}

QString ClassList::newKey(const QString& name) const
{
    QString stem;
    for (const QChar c : name.normalized(QString::NormalizationForm_KD))
        if (c.unicode() < 128 && c.isLetterOrNumber())
            stem += c.toLower();
    // Room for a number that tells apart children of the same name.
    stem = stem.left(LongestKey - 4);
    if (stem.isEmpty())
        stem = QStringLiteral("nino");
    QString key = stem;
    for (int n = 2; find(key); ++n)
        key = stem + QString::number(n);
    return key;
}

} // namespace toolkit

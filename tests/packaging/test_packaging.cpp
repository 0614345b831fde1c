#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << text.toStdString();
}

namespace {

const QString AppDir = QStringLiteral(LUNIPO_INSTALL_APPDIR);

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Every file and link under a folder, relative to it, sorted.
QStringList filesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::System | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

// The keys of a menu entry's [Desktop Entry] group.
QMap<QString, QString> menuEntry(const QString& path)
{
    QMap<QString, QString> keys;
    for (const QByteArray& line : readAll(path).split('\n')) {
        const int equals = line.indexOf('=');
        if (equals > 0)
            keys.insert(QString::fromUtf8(line.left(equals)),
                        QString::fromUtf8(line.mid(equals + 1)));
    }
    return keys;
}

} // namespace

// A temporary home folder, and the install commands run as the README's do.
class PackagingTest : public ::testing::Test
{
protected:
    QTemporaryDir scratch;
    QString home;
    QString local; // ~/.local, the user install's prefix
    QString app;   // the user install's application folder

    void SetUp() override
    {
        ASSERT_TRUE(scratch.isValid());
        home = scratch.filePath("home");
        local = home + "/.local";
        app = local + "/" + AppDir;
        QDir().mkpath(home);
    }

    // Runs a command in the temporary home; returns its output, failing the
    // test when it does not end well.
    QString run(const QString& program, const QStringList& arguments,
                const QStringList& extraEnvironment = {}) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home);
        environment.remove("XDG_DATA_HOME");
        for (const QString& setting : extraEnvironment)
            environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        const bool finished = process.waitForFinished(60000);
        const QString output = QString::fromLocal8Bit(process.readAll());
        EXPECT_TRUE(finished && process.exitStatus() == QProcess::NormalExit &&
                    process.exitCode() == 0)
            << program.toStdString() << " " << arguments.join(' ').toStdString() << "\n"
            << output.toStdString();
        return output;
    }
    QString installForUser() const
    {
        return run("bash", {LUNIPO_SOURCE_DIR "/packaging/install-user.sh", LUNIPO_BINARY_DIR});
    }
    QString uninstallForUser() const
    {
        return run("bash", {LUNIPO_SOURCE_DIR "/packaging/uninstall.sh"});
    }

    // Makes the install list say that an earlier install put `content` at
    // `relative` (under the prefix), as an older version would have.
    void pretendInstalledEarlier(const QString& relative, const QByteArray& content) const
    {
        writeFile(local + "/" + relative, content);
        const QByteArray sum =
            QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
        QFile list(app + "/.lunipo-instalado");
        ASSERT_TRUE(list.open(QIODevice::Append));
        list.write(sum + "  " + relative.toUtf8() + "\n");
    }
};

TEST_F(PackagingTest, TheUserInstallLaysOutTheSuiteWithValidMenuEntries)
{
    installForUser();

    for (const QString program : {"lunipo", "lunipoeditor", "lunipoinstall", "lunipoclase"}) {
        SCOPED_TRACE(program.toStdString());
        EXPECT_TRUE(QFileInfo(app + "/" + program).isExecutable());
        const QFileInfo launcher(local + "/bin/" + program);
        EXPECT_TRUE(launcher.isSymLink());
        EXPECT_EQ(launcher.canonicalFilePath(), QFileInfo(app + "/" + program).canonicalFilePath());
        // Without a display, as an admin asks on a server.
        EXPECT_TRUE(run(launcher.filePath(), {"--version"}, {"QT_QPA_PLATFORM=xcb", "DISPLAY="})
                        .startsWith(program + " " LUNIPO_VERSION "\n"));
    }
    for (const QString data :
         {"actividades/animales/1.txt", "actividades/formas/5.txt", "actividades/transportes/6.txt",
          "idioma/idioma.txt", "sonidos/acierto.wav"}) {
        EXPECT_EQ(readAll(app + "/" + data), readAll(LUNIPO_SOURCE_DIR "/data/" + data))
            << data.toStdString();
        EXPECT_FALSE(readAll(app + "/" + data).isEmpty()) << data.toStdString();
    }
    EXPECT_TRUE(QFileInfo(app + "/dibujosrealizados").isDir());
    EXPECT_TRUE(QDir(app + "/dibujosrealizados").isEmpty());

    struct Entry
    {
        QString file;
        QString program;
        QString categories;
    };
    for (const Entry& e : {Entry{"lunipo", "lunipo", "Education;Game;"},
                           Entry{"lunipoeditor", "lunipoeditor", "Education;Graphics;"},
                           Entry{"lunipoclase", "lunipoclase", "Education;"}}) {
        SCOPED_TRACE(e.file.toStdString());
        const QString path = local + "/share/applications/" + e.file + ".desktop";
        const auto keys = menuEntry(path);
        EXPECT_EQ(keys["Categories"], e.categories);
        EXPECT_EQ(keys["Exec"], "\"" + app + "/" + e.program + "\"");
        EXPECT_FALSE(keys["Name"].isEmpty());
        EXPECT_FALSE(keys["Comment"].isEmpty());
        run("desktop-file-validate", {path});

        const QString icon = local + "/share/icons/hicolor/";
        EXPECT_EQ(QImage(icon + "256x256/apps/" + keys["Icon"] + ".png").size(), QSize(256, 256));
        EXPECT_TRUE(readAll(icon + "scalable/apps/" + keys["Icon"] + ".svg").contains("<svg"));
    }
    EXPECT_EQ(QDir(local + "/share/applications").entryList(QDir::Files).size(), 3)
        << "the installer program gets no menu entry";
    EXPECT_EQ(QDir(home).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{".local"});
}

TEST_F(PackagingTest, AReinstallUpdatesSamplesAndTheUninstallLeavesOnlyTheUsersFiles)
{
    installForUser();
    const QByteArray shippedActivity = readAll(app + "/actividades/formas/1.txt");
    // What an older version left: an outdated sample, and one since dropped.
    pretendInstalledEarlier(AppDir + "/actividades/formas/1.txt", "an older drawing");
    pretendInstalledEarlier(AppDir + "/actividades/formas/9.txt", "dropped since");
    // What the user made.
    const QStringList usersFiles = {"actividades/formas/3.txt", "actividades/mio/1.txt",
                                    "dibujosrealizados/5-12-2026-21-8-3.bmp", "idioma/idioma.txt"};
    for (const QString& file : usersFiles)
        writeFile(app + "/" + file, "made by the user: " + file.toUtf8());

    const QString output = installForUser();
    EXPECT_TRUE(output.contains("Kept")) << output.toStdString();
    EXPECT_EQ(readAll(app + "/actividades/formas/1.txt"), shippedActivity);
    EXPECT_FALSE(QFile::exists(app + "/actividades/formas/9.txt"));
    for (const QString& file : usersFiles)
        EXPECT_EQ(readAll(app + "/" + file), "made by the user: " + file.toUtf8())
            << file.toStdString();

    uninstallForUser();
    QStringList expected;
    for (const QString& file : usersFiles)
        expected << AppDir + "/" + file;
    expected.sort();
    EXPECT_EQ(filesUnder(local), expected);
    EXPECT_FALSE(QFile::exists(app + "/sonidos")) << "emptied folders go";
}

// Packagers' installs: a system prefix, with and without DESTDIR.
TEST_F(PackagingTest, ASystemInstallPutsNothingInTheHomeFolder)
{
    const QString prefix = scratch.filePath("usr");
    run("cmake", {"--install", LUNIPO_BINARY_DIR, "--prefix", prefix});
    EXPECT_TRUE(QFileInfo(prefix + "/" + AppDir + "/lunipo").isExecutable());
    EXPECT_EQ(menuEntry(prefix + "/share/applications/lunipo.desktop")["Exec"],
              "\"" + prefix + "/" + AppDir + "/lunipo\"");

    const QString stage = scratch.filePath("stage");
    run("cmake", {"--install", LUNIPO_BINARY_DIR, "--prefix", "/usr"}, {"DESTDIR=" + stage});
    EXPECT_TRUE(QFileInfo(stage + "/usr/" + AppDir + "/lunipo").isExecutable());
    EXPECT_EQ(menuEntry(stage + "/usr/share/applications/lunipoeditor.desktop")["Exec"],
              "\"/usr/" + AppDir + "/lunipoeditor\"");
    EXPECT_TRUE(readAll(stage + "/usr/" + AppDir + "/.lunipo-instalado")
                    .contains("  share/applications/lunipo.desktop\n"));

    EXPECT_TRUE(QDir(home).isEmpty());
}

#include "editorfixture.h"
#include "workingstate.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QThread>

using editor::WorkingState;
using editor::WorkingStateStore;

static bool waitFor(const std::function<bool()>& done, int seconds)
{
    const QDeadlineTimer deadline(seconds * 1000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
    return true;
}

// Kept and read back whole; then every way a file can be damaged, cut short,
// foreign or hostile (sizes and counts made by encode itself, hash intact)
// reads as damaged without a crash or a large allocation.
TEST(WorkingStateStore, ReadsBackWhatItKeptAndRefusesAnythingElse)
{
    QTemporaryDir dir;
    WorkingStateStore store(dir.path());
    QImage drawn(40, 30, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    drawn.setPixel(5, 7, qRgb(255, 0, 0));
    WorkingState state;
    state.pages = {drawn, toolkit::CompactImage(drawn)};
    state.canvasSize = drawn.size();
    state.dotEntries = QStringList{"1,600,300,255,0,0,", ",600,300,255,0,0,"};
    state.dotLooks = {{1, 150, 9.75, true}, {1, 150, 9.75, false}};
    WorkingState back;
    ASSERT_TRUE(store.write(editor::encode(state)));
    ASSERT_EQ(store.read(back), WorkingStateStore::Found::State);
    EXPECT_EQ(back.dotEntries, state.dotEntries);
    EXPECT_EQ(back.dotLooks[1].page + back.dotLooks[1].radius + back.dotLooks[1].fontSize, 160.75);
    EXPECT_EQ(editor::pageImage(back.pages[1]), drawn);

    const QByteArray good = editor::encode(state);
    auto with = [&](auto change) {
        WorkingState s = state;
        change(s);
        return editor::encode(s);
    };
    auto withPage = [&](QSize size, const char* bytes) {
        return with([&](WorkingState& s) {
            s.pages[0] = toolkit::CompactImage::fromBytes(size, QImage::Format_RGB32, bytes);
        });
    };
    const std::pair<const char*, QByteArray> damaged[] = {
        {"cut short", good.left(good.size() / 2)},
        {"one byte changed", QByteArray(good).replace(good.size() / 2, 1, "\x7f")},
        {"eleven pages", with([](WorkingState& s) { s.pages.resize(11, s.pages[0]); })},
        {"page beyond the list", with([](WorkingState& s) { s.currentPage = 2; })},
        {"too many dots", with([](WorkingState& s) { s.dotEntries = QStringList(10001, "1,"); })},
        {"a dot's look missing", with([](WorkingState& s) { s.dotLooks.pop_back(); })},
        {"a dot beyond the pages", with([](WorkingState& s) { s.dotLooks[0].page = 2; })},
        {"a huge dot", with([](WorkingState& s) { s.dotLooks[0].radius = 1 << 30; })},
        {"huge page", withPage(QSize(60000, 60000), "Z")},
        {"page that does not expand", withPage(QSize(40, 30), "Pshort")},
    };
    for (const auto& [name, bytes] : damaged) {
        ASSERT_TRUE(store.write(bytes));
        EXPECT_EQ(store.read(back), WorkingStateStore::Found::Damaged) << name;
    }
    store.discard();
    EXPECT_EQ(store.read(back), WorkingStateStore::Found::Nothing);
}

class WorkingStateTest : public EditorTest
{
protected:
    // The editor ends without a word (killed, or closed as any window) and
    // starts again answering `answers`.
    void restart(std::deque<int> answers, int width = 800, int height = 600)
    {
        if (form)
            form->keepWorkingStateNow();
        form.reset();
        platform.messages.clear();
        platform.messageAnswers = std::move(answers);
        startEditor(width, height);
    }
};

// On the same screen the work comes back exactly; on a larger one the pages
// are stretched to the canvas. Either way each dot comes back on its page at
// its size, and the next dot carries on the list.
TEST_F(WorkingStateTest, YesBringsBackThePagesAndTheDotList)
{
    auto looks = [&] {
        QStringList shown;
        for (const editor::Dot& dot : form->dotList())
            shown << QStringLiteral("%1 %2 %3").arg(dot.page).arg(dot.radius).arg(dot.starts);
        return shown;
    };
    for (const QSize screen : {QSize(800, 600), QSize(1024, 768)}) {
        startEditor();
        form->choosePage(3);
        drag(600, 600, 2400, 2400);
        form->chooseTool(Tool::Dots);
        click(1500, 1500);
        click(3000, 1500);
        form->choosePage(5);
        form->chooseDotSize(DotButton::Small);
        click(3000, 3000);
        form->choosePage(3);
        const QImage page = pageImage(3);
        const QStringList dots = records(), shown = looks();
        restart({toolkit::vbYes}, screen.width(), screen.height());
        EXPECT_EQ(platform.messages.value(0).text,
                  "Se ha encontrado el trabajo de la última vez. ¿Quieres recuperarlo?");
        EXPECT_EQ(platform.messages.value(0).style, toolkit::vbYesNo | toolkit::vbDefaultYes);
        EXPECT_EQ(form->currentPage(), 3);
        EXPECT_EQ(pageImage(3).size(), canvas()->size());
        EXPECT_TRUE(screen != QSize(800, 600) || pageImage(3) == page);
        EXPECT_EQ(records(), dots);
        EXPECT_EQ(looks(), shown);
        EXPECT_EQ(form->nextDot().number, 4); // the next dot carries on
        restart({toolkit::vbNo});
        EXPECT_EQ(platform.messages.size(), 1);
        EXPECT_EQ(dotCount(), 0);
    }
}

// Blank work, work written as an activity and work refused with No are not
// offered (again); a damaged file is ignored with a word.
TEST_F(WorkingStateTest, AsksOnlyAboutUnwrittenWork)
{
    const std::tuple<const char*, std::function<void()>, QString> cases[] = {
        {"nothing drawn", [] {}, ""},
        {"activity written", [&] { click(900, 900), form->chooseTool(Tool::SaveActivity); }, ""},
        {"refused before", [&] { click(900, 900), restart({toolkit::vbNo}); }, ""},
        {"damaged",
         [&] {
             form.reset();
             QFile file(WorkingStateStore().path());
             file.open(QIODevice::WriteOnly) && file.write("not a working state");
         },
         "El trabajo guardado"},
    };
    for (const auto& [name, work, told] : cases) {
        startEditor();
        work();
        restart({});
        EXPECT_EQ(platform.messages.size(), told.isEmpty() ? 0 : 1) << name;
        EXPECT_EQ(platform.messages.value(0).text.left(told.size()), told) << name;
        EXPECT_EQ(pageImage(0).pixel(60, 60), qRgb(255, 255, 255)) << name;
    }
}

TEST_F(WorkingStateTest, ASecondEditorIsToldAndKeepsNothing)
{
    startEditor();
    toolkit::FakePlatform otherPlatform;
    editor::EditorWindow other(otherPlatform);
    other.startUp();
    EXPECT_TRUE(otherPlatform.messages.value(0).text.startsWith("Ya hay otro editor"));
    other.keepWorkingStateNow();
    EXPECT_FALSE(QFile::exists(WorkingStateStore().path()));
}

// What the X server shows in `area`, or a null picture when it cannot be read.
static QImage screenArea(const QRect& area)
{
    QProcess grab;
    grab.start("import", {"-window", "root", "-crop",
                          QStringLiteral("%1x%2+%3+%4")
                              .arg(area.width())
                              .arg(area.height())
                              .arg(area.x())
                              .arg(area.y()),
                          "png:-"});
    if (!grab.waitForFinished(30000) || grab.exitCode() != 0)
        return {};
    return QImage::fromData(grab.readAllStandardOutput(), "PNG");
}

// The real program on a real X server: drawn on with the mouse, left time to
// keep its work, killed, and started again, it asks for the work back. On a
// busy machine each step waits for the one before to be seen: the window
// shown and done painting, then the stroke on the screen, then the file.
// Each wait gives up at once when the editor is gone, and says what it printed.
TEST(WorkingStateWindow, AKilledEditorAsksForItsWorkBack)
{
    const QString program = QStringLiteral(LUNIPO_APP_DIR "/lunipoeditor");
    if (QStandardPaths::findExecutable("Xvfb").isEmpty() ||
        QStandardPaths::findExecutable("xdotool").isEmpty() ||
        QStandardPaths::findExecutable("import").isEmpty() || !QFile::exists(program))
        GTEST_SKIP() << "needs Xvfb, xdotool, ImageMagick's import and the built editor";
    // The server picks a free display and names it once it listens, so a
    // socket left by a killed server is never taken for a ready one.
    QProcess xvfb;
    xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1024x768x24"});
    const auto stopServer = qScopeGuard([&] { xvfb.terminate(), xvfb.waitForFinished(); });
    ASSERT_TRUE(waitFor([&] { return xvfb.canReadLine() || xvfb.waitForReadyRead(100); }, 60));
    // For the programs started from here on; this process keeps its own screen.
    QTemporaryDir data;
    qputenv("DISPLAY", ":" + xvfb.readLine().trimmed());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QProcess editor;
    editor.setProcessChannelMode(QProcess::MergedChannels);
    auto running = [&] {
        return !editor.waitForFinished(0) && editor.state() == QProcess::Running;
    };
    auto whileRunning = [&](const std::function<bool()>& seen) {
        return waitFor([&] { return seen() || !running(); }, 60) && running();
    };
    auto printed = [&] {
        return QStringLiteral("\nThe editor (%1) printed:\n%2")
            .arg(running() ? QStringLiteral("running")
                           : QStringLiteral("ended, code %1").arg(editor.exitCode()))
            .arg(QString::fromLocal8Bit(editor.peek(1 << 16)))
            .toStdString();
    };
    editor.start(program);
    ASSERT_TRUE(whileRunning([] {
        return QProcess::execute("xdotool", {"search", "--onlyvisible", "--name", "Lunipo"}) == 0;
    })) << "the editor's window was never shown"
        << printed();
    const QRect stroke(480, 280, 240, 190);
    QImage before = screenArea(stroke);
    ASSERT_TRUE(whileRunning([&] {
        const QImage now = screenArea(stroke);
        const bool settled = !now.isNull() && now == before;
        before = now;
        return settled;
    })) << "the editor's window never stopped changing"
        << printed();
    // A press that comes before the window takes input is lost; it is made
    // again until the line is on the screen. The pointer then leaves the
    // area, so that its cross is not taken for the line.
    ASSERT_TRUE(whileRunning([&] {
        QProcess::execute("xdotool", {"mousemove", "500", "300", "mousedown", "1", "mousemove",
                                      "600", "380", "mousemove", "700", "450", "mouseup", "1"});
        return waitFor([&] { return screenArea(stroke) != before; }, 3);
    })) << "the stroke never reached the editor"
        << printed();
    ASSERT_TRUE(whileRunning([&] {
        return QFile::exists(data.path() + "/lunipo/trabajo-editor.dat");
    })) << "the work was never kept"
        << printed();
    editor.kill();
    editor.waitForFinished();
    editor.start(program);
    EXPECT_TRUE(whileRunning([&] {
        editor.waitForReadyRead(100);
        return editor.peek(1 << 16).contains("offering back");
    })) << printed();
    editor.kill();
    editor.waitForFinished();
}

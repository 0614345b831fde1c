#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace toolkit {

// How a school sets Lunipo up for a computer lab: the file lunipo/lunipo.conf
// (INI, section [Lunipo]) in each folder of $XDG_CONFIG_DIRS (the admin's,
// /etc/xdg by default) and then in $XDG_CONFIG_HOME (one account's,
// ~/.config by default), each key of a later file replacing the same key of
// an earlier one. Every key is optional; without any file the programs work
// as on a single computer.
struct LabSettings
{
    Q_DECLARE_TR_FUNCTIONS(toolkit::LabSettings)

public:
    // "temas": folders of themes, such as one on the school's file server,
    // in the order the file gives them (separated by ':'); each subfolder of
    // one is a theme. Absolute paths only. Nothing here is checked on disk: a
    // folder on a server that is gone must not hold up the start of a program.
    QStringList themeFolders;
    // "dibujos": where the child's drawings are saved, "%u" replaced by the
    // account's login name; an absolute path, empty when not set.
    QString drawingsFolder;
    // The same as written, "%u" and all: where the teacher finds the class's
    // drawings.
    QString drawingsPattern;
    // "progreso": the folder of each child's record of play, for the
    // teacher, "%u" replaced by the login name as in "dibujos"; empty when
    // not set, and nothing is recorded.
    QString progressFolder;
    // The same as written: where the teacher finds the class's records.
    QString progressPattern;
    // "sonido": "no" turns every sound off.
    bool sound = true;
    // "pista": seconds without a right dot before the next dot is shown;
    // 0 turns the hint off.
    int hintSeconds = 8;
    // "idioma": the language of the programs' texts and voices for the lab
    // (a code of toolkit::languages()), in place of the desktop session's;
    // empty when not set.
    QString language;
    // "niveles": the levels of the shipped library this lab's classes see
    // ("1,2"; 1 to 4, "letras"), a teacher's own themes always; all levels
    // when not set.
    QStringList levels;
    // "quien-juega": on a shared account or a whiteboard each child first
    // chooses their own picture from the class list, in this group of it or
    // in every group ("todos"); empty when not set: the account plays. A
    // name that holds a comma is written in quotes ("1º A, tarde").
    QString whoPlays;
    // "quien-juega-espera": minutes without play before the choice comes
    // back for the next child; 0: it never does by itself.
    int whoPlaysWaitMinutes = 3;

    // How the children of the lab reach the dots: on an interactive
    // whiteboard or a touch screen, with a shaking hand, a head mouse or
    // eye gaze. Everything is off unless set.
    struct Reach
    {
        // "pizarra": "sí" for a whiteboard or a touch screen: larger dots
        // and buttons, a hit circle round each dot, and nothing the child
        // needs in the top fifth of the screen, out of a small child's reach.
        bool whiteboard = false;
        // "diana": the diameter, in millimetres on the screen, of the circle
        // round each dot that a press hits; 0 when not set: the activity's
        // own square, or with "pizarra" the dot's circle, 9 mm at least.
        int targetMillimetres = 0;
        // "atraer": a press this many millimetres from the dot expected
        // counts as that dot, unless it is nearer another one; 0 when off.
        int snapMillimetres = 0;
        // "permanencia": milliseconds the pointer rests on the dot expected
        // before it is joined; 0 when off.
        int dwellMilliseconds = 0;
        // "un-clic": every mouse button is a click, on buttons too.
        bool anyButton = false;
        // "sin-fallos": a wrong dot makes no sound.
        bool silentMisses = false;

        // The keys that are on, as they are written ("pizarra atraer=4"),
        // for the teacher to see in the child's record; empty when none is.
        QString summary() const;
    } reach;

    // Reads the files as they are now. Each thing that could not be used (a
    // file that cannot be read, an unknown key, a bad value) adds one line
    // for the admin to `problems`; what could be used is kept.
    static LabSettings read(QStringList* problems = nullptr);

    // The settings of this run of the program, read the first time they are
    // asked for; what could not be used is written to standard error then.
    static const LabSettings& current();
};

} // namespace toolkit

#pragma once

#include "dotlabels.h"
#include "themelibrary.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace editor {

// A theme from a folder of pictures, without a window:
//   lunipoeditor --tema NOMBRE [--puntos N] [--paso N | --letras] [--con-contorno] IMAGEN...
// Each picture becomes an activity as "Puntos automáticos" makes it in the
// editor's window on a 1024 x 768 screen: fitted into the page, its figures'
// outlines given the dots, each figure closed, the outline taken away
// unless --con-contorno, and the drawing kept for the child. The dots are
// numbered from the step on (--paso 2: 2, 4, 6...), or lettered A, B, C...
// in the alphabet of the session's language with --letras, one dot for
// each letter unless --puntos asks for fewer.
struct PictureBatch
{
    Q_DECLARE_TR_FUNCTIONS(editor::PictureBatch)

public:
    // The screen the pictures are laid out for, and the editor's canvas on it.
    static constexpr QSize Screen{1024, 768};
    static constexpr QSize CanvasTwips{14130, 10640};
    // The canvas's page, in pixels.
    static QSize page();

    QString theme;
    int dots = 20;
    DotLabels labels;
    bool keepOutline = false;
    QStringList pictures;

    // The batch the command line asks for; nullopt when it asks for none
    // (no --tema), a problem for the adult when it is not well formed or
    // holds an option the batch does not know (Qt's own among them: a
    // picture whose name starts with "-" is given as "./-name").
    static std::optional<PictureBatch> fromArguments(const QStringList& arguments,
                                                     QString& problem);

    struct Activity
    {
        QByteArray text;
        QByteArray picture;         // a PNG
        QString problem;            // why the picture gives no activity; empty when it does
        std::optional<QRect> scene; // a scene's figure the dots went round, in pixels
    };
    Activity activityFrom(const QString& picture) const;

    // Makes and saves each activity in turn, each file written told on `out`
    // (and which figure of a scene was taken) and each picture that gives
    // none on `err`; the exit status, 0 only
    // when every picture made an activity.
    int run(const toolkit::ThemeLibrary& library, QTextStream& out, QTextStream& err) const;
};

} // namespace editor

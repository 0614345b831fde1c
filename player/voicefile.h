#pragma once

#include <QString>

namespace player {

// The recording that says `label` aloud: the file <label>.wav in `folder`,
// else <label>.ogg, its name matched ignoring case (so "a" finds "A.wav",
// "ñ" finds "Ñ.ogg"). An empty text when there is none, when the label is
// empty, or when it holds what no file name may (a slash, a backslash, "..",
// a control character): such a label never becomes a path.
QString voiceFile(const QString& folder, const QString& label);

} // namespace player

#pragma once

#include <QString>

namespace classview {

// Qt shows a tooltip as markup whenever its text looks like markup, images
// from any path included. What a child may have named (a drawing, a theme,
// a folder) is shown as the text it is.
inline QString plainToolTip(const QString& text)
{
    if (text.isEmpty())
        return text;
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}

} // namespace classview

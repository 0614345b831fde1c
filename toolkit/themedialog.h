#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace toolkit {

// The modal dialog behind Platform::chooseTheme, titled "Guardar en un tema".
std::optional<QString> askTheme(QWidget* parent, const QStringList& themes, const QString& newName);

} // namespace toolkit

#pragma once

// A window's controls found by their object names, as Qt's own tests find
// them; a row's members are named by the row and their place in it.

#include <QString>
#include <QWidget>
#include <stdexcept>

template <class Control> Control* findControl(const QWidget& window, const QString& name)
{
    auto* control = window.findChild<Control*>(name);
    if (!control)
        throw std::logic_error("no control named " + name.toStdString());
    return control;
}

template <class Control, class Key>
Control* findControl(const QWidget& window, const QString& row, Key place)
{
    return findControl<Control>(window, row + QString::number(static_cast<int>(place)));
}

#pragma once

#include <QString>
#include <QWidget>

#include "model/form1_layout.h"

namespace level::testing {

// A control of the window, found as any Qt tool finds a widget: by the
// object name the window gives it, the control's own.
template <typename Widget = QWidget>
Widget* FindControl(const QWidget& form, Control control)
{
    const std::string_view name = RowOf(control).name;
    return form.findChild<Widget*>(QString::fromUtf8(name.data(), static_cast<int>(name.size())),
                                   Qt::FindDirectChildrenOnly);
}

// The control a widget is, or none.
inline Control ControlOf(const QWidget* widget)
{
    for (const ControlRow& row : kForm1Controls) {
        if (widget != nullptr && widget->objectName().toStdString() == row.name) {
            return row.control;
        }
    }
    return Control::None;
}

}  // namespace level::testing

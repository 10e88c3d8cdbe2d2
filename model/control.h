#pragma once

namespace level {

// The fourteen controls of the converter window, by the window's own names.
// Each toolkit binding builds them from the one table in
// model/form1_layout.h, which says what each does.
enum class Control {
    None,
    Text1,
    Text2,
    Text3,
    Option1,
    Option2,
    Option3,
    Command1,
    Command2,
    Frame1,
    Label1,
    Label2,
    Label3,
    Label4,
    Shape1,
};

}  // namespace level

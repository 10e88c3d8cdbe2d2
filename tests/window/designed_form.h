#pragma once

#include <array>
#include <string_view>
#include <utility>

#include "model/control.h"

namespace level::testing {

// The converter window as designed, written out once for the tests of every
// binding, apart from the program's own tables: a typo there must fail here.

// Each control's place in twips from the top left of the client area, in
// tab order, its caption (none for the fields, the outline and the
// information line) and its font's size in points (none for the outline).
struct DesignedControl {
    Control control;
    int left;
    int top;
    int width;
    int height;
    std::string_view caption;
    int points;
};

inline constexpr std::array<DesignedControl, 14> kDesignedControls = {{
    {Control::Text1, 240, 1200, 2895, 615, {}, 24},
    {Control::Option1, 3840, 480, 1215, 495, "Децибеллы", 8},
    {Control::Option2, 2160, 480, 1335, 495, "Вольты", 8},
    {Control::Option3, 360, 480, 1095, 495, "Неперы", 8},
    {Control::Text2, 240, 1920, 2895, 615, {}, 24},
    {Control::Text3, 240, 2640, 2895, 615, {}, 24},
    {Control::Frame1, 240, 240, 5055, 855, "Вводимая величина", 8},
    {Control::Command1, 4200, 1200, 1095, 1455, "вычислить", 8},
    {Control::Command2, 4200, 2760, 1095, 495, "Очистить", 8},
    {Control::Label1, 120, 3480, 5175, 735, {}, 8},
    {Control::Label2, 3240, 1200, 855, 735, "дб", 24},
    {Control::Label3, 3240, 1920, 855, 615, "неп", 24},
    {Control::Label4, 3240, 2640, 615, 615, "В", 24},
    {Control::Shape1, 120, 120, 5295, 3255, {}, 0},
}};

inline constexpr std::string_view kDesignedWindowCaption =
    "Вычислитель соответствия(R=600 Ом)         V1.1";
inline constexpr int kDesignedClientWidth = 5520;
inline constexpr int kDesignedClientHeight = 4185;
inline constexpr int kClearedOuterHeight = 4180;
// The frame as designed: 345 twips above the client area, 60 below it.
inline constexpr int kDesignedFrame = 345 + 60;

// The most a field takes, in UTF-16 code units, in every window.
inline constexpr int kLongestFieldText = 32767;

// The information line at start: the reference explanation, then six blanks
// and the maker's notice.
inline constexpr std::string_view kDesignedReferenceExplanation =
    "За абсолютный нулевой уровень в проводной связи принята мощность 1 мвт. Нулевому уровню "
    "мощности при сопротивлении 600 Ом соответствует напряжение 0,775 В.      ";

// What a screen reader calls each field, then each of the other controls
// that take the focus.
inline constexpr std::array<std::pair<Control, std::string_view>, 8> kAccessibleNames = {{
    {Control::Text1, "Уровень в децибелах"},
    {Control::Text2, "Уровень в неперах"},
    {Control::Text3, "Напряжение в вольтах"},
    {Control::Option1, "Децибеллы"},
    {Control::Option2, "Вольты"},
    {Control::Option3, "Неперы"},
    {Control::Command1, "вычислить"},
    {Control::Command2, "Очистить"},
}};

}  // namespace level::testing

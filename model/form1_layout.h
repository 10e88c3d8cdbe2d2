#pragma once

#include <array>
#include <string_view>

namespace level {

// Where each control of the converter window stands, in twips from the top
// left of the client area, in tab order.
struct ControlPlacement {
    std::string_view name;
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int kClientWidth = 5520;
inline constexpr int kClientHeight = 4185;
// The frame as designed: 345 twips above the client area, 60 below it.
inline constexpr int kDesignedFrameHeight = 345 + 60;

// The client height an outer height leaves with the designed frame. Each
// binding applies the model's outer height so, whatever frame the window
// system draws, and the client area keeps the designed share of it.
[[nodiscard]] constexpr int DesignedClientHeight(int outerHeight)
{
    return outerHeight - kDesignedFrameHeight;
}

inline constexpr std::array<ControlPlacement, 14> kForm1Layout = {{
    {"Text1", 240, 1200, 2895, 615},
    {"Option1", 3840, 480, 1215, 495},
    {"Option2", 2160, 480, 1335, 495},
    {"Option3", 360, 480, 1095, 495},
    {"Text2", 240, 1920, 2895, 615},
    {"Text3", 240, 2640, 2895, 615},
    {"Frame1", 240, 240, 5055, 855},
    {"Command1", 4200, 1200, 1095, 1455},
    {"Command2", 4200, 2760, 1095, 495},
    {"Label1", 120, 3480, 5175, 735},
    {"Label2", 3240, 1200, 855, 735},
    {"Label3", 3240, 1920, 855, 615},
    {"Label4", 3240, 2640, 615, 615},
    {"Shape1", 120, 120, 5295, 3255},
}};

// The window's texts.
inline constexpr std::string_view kForm1Caption = "Вычислитель соответствия(R=600 Ом)         V1.1";
inline constexpr std::string_view kOption1Caption = "Децибеллы";
inline constexpr std::string_view kOption2Caption = "Вольты";
inline constexpr std::string_view kOption3Caption = "Неперы";
inline constexpr std::string_view kFrame1Caption = "Вводимая величина";
inline constexpr std::string_view kCommand1Caption = "вычислить";
inline constexpr std::string_view kCommand2Caption = "Очистить";
inline constexpr std::string_view kLabel2Caption = "дб";
inline constexpr std::string_view kLabel3Caption = "неп";
inline constexpr std::string_view kLabel4Caption = "В";

// What a screen reader calls each field: its quantity and unit. The other
// controls are known by their captions, the information line by its text.
inline constexpr std::string_view kText1AccessibleName = "Уровень в децибелах";
inline constexpr std::string_view kText2AccessibleName = "Уровень в неперах";
inline constexpr std::string_view kText3AccessibleName = "Напряжение в вольтах";

// The fields' one further design setting, their 3-D appearance, is off: each
// field is flat, with a single plain one-pixel border (the system's frame
// colour on Windows, the window-text colour in Qt), in every binding; while
// a field has the focus its border takes the highlight colour. A disabled
// field is drawn on the window's own colour, its text greyed yet readable
// at 4.5:1 or more (Windows' grey text on the button face).

// The window's fonts: one family, 8 points for the window's default font and
// 24 points for the fields and their unit captions.
inline constexpr std::string_view kDesignFontFamily = "MS Sans Serif";
inline constexpr int kDialogFontPoints = 8;
inline constexpr int kLargeFontPoints = 24;

}  // namespace level

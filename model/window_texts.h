#pragma once

#include <string_view>

#include "model/distributor.h"

// Every word the converter window shows, in one place; the core keeps the
// run-time descriptions of its errors.
namespace level {

inline constexpr std::string_view kForm1Caption = "Вычислитель соответствия(R=600 Ом)         V1.1";

// The controls' captions.
inline constexpr std::string_view kOption1Caption = "Децибеллы";
inline constexpr std::string_view kOption2Caption = "Вольты";
inline constexpr std::string_view kOption3Caption = "Неперы";
inline constexpr std::string_view kFrame1Caption = "Вводимая величина";
inline constexpr std::string_view kCommand1Caption = "вычислить";
inline constexpr std::string_view kCommand2Caption = "Очистить";
inline constexpr std::string_view kLabel2Caption = "дб";
inline constexpr std::string_view kLabel3Caption = "неп";
inline constexpr std::string_view kLabel4Caption = "В";

// The information line: the reference explanation at start, the prompt of
// a compute with no option, the contact line after a clear.
inline constexpr std::string_view kReferenceExplanation =
    "За абсолютный нулевой уровень в проводной связи принята мощность 1 мвт. "
    "Нулевому уровню мощности при сопротивлении 600 Ом соответствует напряжение 0,775 В."
    "      " LEVEL_MAKER_NOTICE;
inline constexpr std::string_view kChooseOptionPrompt =
    "  Выбери: неперы, вольты или децибелы ! ! !";
inline constexpr std::string_view kContactLine =
    "  Предложения и пожелания по адресу: " LEVEL_CONTACT_EMAIL;

// What a screen reader calls each field: its quantity and unit. The other
// controls are known by their captions, the information line by its text.
inline constexpr std::string_view kText1AccessibleName = "Уровень в децибелах";
inline constexpr std::string_view kText2AccessibleName = "Уровень в неперах";
inline constexpr std::string_view kText3AccessibleName = "Напряжение в вольтах";

// The units the three fields go by when copied as one line.
inline constexpr std::string_view kDecibelUnit = "дБ";
inline constexpr std::string_view kNeperUnit = "Нп";
inline constexpr std::string_view kVoltUnit = "В";

// The error report: its box's title and one button, its first line, and
// what the user can do about each number a conversion raises; "%1" stands
// for the user's decimal separator.
inline constexpr std::string_view kErrorReportTitle = "Вычислитель соответствия";
inline constexpr std::string_view kErrorReportButton = "ОК";
inline constexpr std::string_view kRunTimeErrorLead = "Ошибка выполнения";
inline constexpr std::string_view kTypeMismatchAdvice =
    "В поле нет числа. Введите число цифрами, например 10; дробную часть "
    "отделяйте десятичным разделителем «%1» из региональных настроек системы.";
inline constexpr std::string_view kOverflowAdvice =
    "Значение по модулю слишком велико: окно не может его показать. "
    "Введите число поменьше.";
inline constexpr std::string_view kVoltageAboveZeroAdvice =
    "Напряжение должно быть больше нуля. Введите положительное число вольт; "
    "число, слишком малое, чтобы отличить его от нуля (например 1E-400), читается как 0.";

// A field's menu, in the words and order of Qt's Russian one; "&" marks the
// mnemonic.
inline constexpr std::string_view kMenuUndo = "&Отменить действие";
inline constexpr std::string_view kMenuRedo = "&Повторить действие";
inline constexpr std::string_view kMenuCut = "&Вырезать";
inline constexpr std::string_view kMenuCopy = "&Копировать";
inline constexpr std::string_view kMenuPaste = "В&ставить";
inline constexpr std::string_view kMenuDelete = "Удалить";
inline constexpr std::string_view kMenuSelectAll = "Выделить всё";
inline constexpr std::string_view kMenuCopyResultLine = "Копировать &результат";

}  // namespace level

// The words a user reads after a failed compute, and the line a report takes.

#include <string>

#include <gtest/gtest.h>

#include "core/conversion_error.h"
#include "model/converter_model.h"
#include "model/error_report.h"
#include "model/field_tip.h"
#include "model/result_line.h"
#include "test_support.h"

namespace level {
namespace {

struct ReportCase {
    ErrorKind kind;
    int number;
    const char* description;
    RegionalSettings settings;
    const char* advice;
};

class ErrorReportText : public ::testing::TestWithParam<ReportCase> {};

// The number and the platform's description stay as they were; what to do
// follows after a blank line.
TEST_P(ErrorReportText, GivesTheNumberTheKindAndWhatToDo)
{
    const ReportCase& report = GetParam();
    EXPECT_EQ(FormatErrorReport(report.kind, report.settings),
              "Ошибка выполнения '" + std::to_string(report.number) + "':\n" + report.description +
                  "\n\n" + report.advice);
}

INSTANTIATE_TEST_SUITE_P(
    EveryNumberAConversionRaises, ErrorReportText,
    ::testing::Values(
        ReportCase{ErrorKind::TypeMismatch, 13, "Несоответствие типа", kRussianSettings,
                   "В поле нет числа. Введите число цифрами, например 10; дробную часть "
                   "отделяйте десятичным разделителем «,» из региональных настроек системы."},
        ReportCase{ErrorKind::TypeMismatch, 13, "Несоответствие типа", kPointSettings,
                   "В поле нет числа. Введите число цифрами, например 10; дробную часть "
                   "отделяйте десятичным разделителем «.» из региональных настроек системы."},
        ReportCase{ErrorKind::Overflow, 6, "Переполнение", kCommaSettings,
                   "Значение по модулю слишком велико: окно не может его показать. "
                   "Введите число поменьше."},
        ReportCase{ErrorKind::InvalidProcedureCall, 5, "Недопустимый вызов процедуры или аргумент",
                   kPointSettings,
                   "Напряжение должно быть больше нуля. Введите положительное число вольт; "
                   "число, слишком малое, чтобы отличить его от нуля (например 1E-400), "
                   "читается как 0."},
        ReportCase{ErrorKind::DivisionByZero, 11, "Деление на ноль", kCommaSettings,
                   "Напряжение должно быть больше нуля. Введите положительное число вольт; "
                   "число, слишком малое, чтобы отличить его от нуля (например 1E-400), "
                   "читается как 0."}));

// The line joins the shown texts with their units while they are one
// result, and there is none after typing, a failed compute or a clear.
TEST(ResultLine, JoinsTheShownTextsWithTheirUnitsWhileTheyAreOneResult)
{
    ConverterModel model(kCommaSettings);
    model.Form_Load();
    EXPECT_EQ(ResultLine(model), "0 дБ = 0 Нп = 0,775 В");
    model.Option1_Click();
    model.SetFieldText(Control::Text1, "10");
    EXPECT_EQ(ResultLine(model), std::nullopt);
    model.Command1_Click();
    EXPECT_EQ(ResultLine(model), "10 дБ = 1,1513 Нп = 2,4508 В");
    model.SetFieldText(Control::Text1, "310");
    EXPECT_THROW(model.Command1_Click(), ConversionError);
    EXPECT_EQ(ResultLine(model), std::nullopt);
    model.Command2_Click();
    EXPECT_EQ(ResultLine(model), std::nullopt);
}

struct TipCase {
    const char* name;
    std::string text;
    std::string tip;
};

class FieldTipOf : public ::testing::TestWithParam<TipCase> {};

TEST_P(FieldTipOf, IsTheWholeTextUpTo256Characters)
{
    EXPECT_EQ(FieldTip(GetParam().text), GetParam().tip);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FieldTipOf,
    ::testing::Values(TipCase{"Empty", "", ""},
                      TipCase{"LongResult", "775000000000000", "775000000000000"},
                      TipCase{"Exactly256", std::string(256, '7'), std::string(256, '7')},
                      TipCase{"OneMore", std::string(257, '7'), std::string(256, '7') + "…"},
                      // Cut between characters, never inside one.
                      TipCase{"Cyrillic", std::string(255, '7') + "бв",
                              std::string(255, '7') + "б…"}),
    [](const auto& tip) { return std::string(tip.param.name); });

}  // namespace
}  // namespace level

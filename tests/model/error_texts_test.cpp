// The words a user reads after a failed compute, and the line a report takes.

#include <string>

#include <gtest/gtest.h>

#include "model/converter_model.h"
#include "model/error_report.h"
#include "model/result_line.h"

namespace level {
namespace {

struct ReportCase {
    int number;
    const char* description;
    const char* advice;
};

class ErrorReportText : public ::testing::TestWithParam<ReportCase> {};

// The number and the platform's description stay as they were; what to do
// follows after a blank line.
TEST_P(ErrorReportText, GivesTheNumberTheKindAndWhatToDo)
{
    const ReportCase& report = GetParam();
    EXPECT_EQ(FormatErrorReport(report.number, report.description),
              "Ошибка выполнения '" + std::to_string(report.number) + "':\n" + report.description +
                  "\n\n" + report.advice);
}

INSTANTIATE_TEST_SUITE_P(
    EveryNumberAConversionRaises, ErrorReportText,
    ::testing::Values(
        ReportCase{13, "Несоответствие типа",
                   "В поле нет числа. Введите число цифрами, например 10; дробную часть "
                   "отделяйте десятичным разделителем из региональных настроек системы."},
        ReportCase{6, "Переполнение",
                   "Значение по модулю слишком велико: окно не может его показать. "
                   "Введите число поменьше."},
        ReportCase{5, "Недопустимый вызов процедуры или аргумент",
                   "Напряжение должно быть больше нуля. Введите положительное число вольт."},
        ReportCase{11, "Деление на ноль",
                   "Напряжение должно быть больше нуля. Введите положительное число вольт."}));

TEST(ErrorReportOfAnotherNumber, AddsNoAdvice)
{
    EXPECT_EQ(FormatErrorReport(7, "Недостаточно памяти"), "Ошибка выполнения '7':\nНедостаточно памяти");
}

TEST(ResultLine, JoinsTheShownTextsWithTheirUnits)
{
    ConverterModel model(RegionalSettings::Comma());
    model.Form_Load();
    model.Option1_Click();
    model.SetFieldText(Control::Text1, "10");
    model.Command1_Click();
    EXPECT_EQ(ResultLine(model), "10 дБ = 1,1513 Нп = 2,4508 В");
    model.Command2_Click();
    EXPECT_EQ(ResultLine(model), " дБ =  Нп =  В");
}

}  // namespace
}  // namespace level

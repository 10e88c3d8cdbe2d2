// The Qt window's error report: the real message box, as a user reads it.

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTimer>
#include <utility>

#include <gtest/gtest.h>

#include "qt/message_box_error_report.h"
#include "test_support.h"

namespace level::qt {
namespace {

// The real message box for each number a conversion raises: its words in
// Russian, and wide enough that a window manager's title bar shows the
// whole title beside its icon and buttons (about 100 px of them), even in
// a title font half as wide again as the box's.
TEST(MessageBoxErrorReportTest, ShowsTheNumberTheAdviceAndAWholeTitle)
{
    for (const auto& [kind, number] :
         {std::pair{ErrorKind::TypeMismatch, 13}, std::pair{ErrorKind::Overflow, 6},
          std::pair{ErrorKind::InvalidProcedureCall, 5}}) {
        QString title;
        QString text;
        QStringList buttons;
        int spare = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            text = box->text();
            for (const QAbstractButton* button : box->buttons()) {
                buttons << button->text();
            }
            spare = box->width() - QFontMetrics(box->font()).horizontalAdvance(title) * 3 / 2;
            box->accept();
        });
        MessageBoxErrorReport report;
        report.Report(kind, kPointSettings);
        EXPECT_EQ(title, QStringLiteral("Вычислитель соответствия")) << number;
        EXPECT_TRUE(text.startsWith(QStringLiteral("Ошибка выполнения '%1':\n").arg(number)))
            << number;
        EXPECT_EQ(text, QString::fromStdString(FormatErrorReport(kind, kPointSettings))) << number;
        EXPECT_EQ(buttons, QStringList{QStringLiteral("ОК")}) << number;
        EXPECT_GE(spare, 100) << number;
    }
}

}  // namespace
}  // namespace level::qt

#include "message_box_error_report.h"

#include <QMessageBox>

namespace level {

void MessageBoxErrorReport::Report(int number, std::string_view description)
{
    const QString title = QString::fromUtf8(kErrorReportTitle.data(),
                                            static_cast<qsizetype>(kErrorReportTitle.size()));
    const QString text = QString::fromStdString(FormatErrorReport(number, description));
    QMessageBox::critical(parent_, title, text);
}

}  // namespace level

#include "qt/message_box_error_report.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "qt/to_qstring.h"

namespace level::qt {

void MessageBoxErrorReport::Report(ErrorKind kind, const RegionalSettings& settings)
{
    QMessageBox box(QMessageBox::Critical, ToQString(kErrorReportTitle),
                    QString::fromStdString(FormatErrorReport(kind, settings)), QMessageBox::Ok,
                    parent_);
    box.button(QMessageBox::Ok)->setText(ToQString(kErrorReportButton));
    box.exec();
}

}  // namespace level::qt

#pragma once

#include <QPointer>
#include <QWidget>

#include "model/error_report.h"

namespace level::qt {

// Shows an untrapped run-time error in a critical message box over the
// window; the window goes on once the user closes it.
class MessageBoxErrorReport final : public ErrorReport {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    void Report(ErrorKind kind, const RegionalSettings& settings) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace level::qt

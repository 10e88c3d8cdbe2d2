#pragma once

#include <QWidget>

#include "core/regional_settings.h"
#include "model/control_handles.h"
#include "model/converter_model.h"
#include "model/form1_layout.h"
#include "model/window_keys.h"

class QButtonGroup;

namespace level {
class ErrorReport;
}

namespace level::qt {

class FlatField;

// The converter window: the fourteen controls of the window's table at
// their designed places, bound to a ConverterModel. Clicks run the model's
// handlers through the event dispatch, typing updates the model, and after
// every handler the widgets show the model's state again.
class Form1 final : public QWidget {
    Q_OBJECT

public:
    Form1(RegionalSettings settings, ErrorReport& report, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    [[nodiscard]] QWidget* Create(const ControlRow& row);
    static WindowKey WindowKeyOf(const QKeyEvent& key);
    bool ActOnKey(const KeyAnswer& answer);
    void ShowModel();
    void ShowLabel1();
    void ShowWindowHeight();
    void ShowFocus();
    [[nodiscard]] FlatField* Field(Control field) const;

    ConverterModel model_;
    ErrorReport& report_;
    // While maximised, the width the window gets back with its cleared
    // height when restored; 0 when no height waits.
    int normalWidth_ = 0;
    bool shownOnce_ = false;
    QButtonGroup* options_ = nullptr;
    ControlHandles<QWidget*> widgets_;
};

}  // namespace level::qt

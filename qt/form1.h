#pragma once

#include <QWidget>

#include "core/regional_settings.h"
#include "model/converter_model.h"

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace level {

class ErrorReport;
class FlatField;

// The converter window: fourteen controls at their designed places, bound to
// a ConverterModel. Clicks run the model's handlers through the event
// dispatch, typing updates the model, and after every handler the widgets
// show the model's state again.
class Form1 final : public QWidget {
    Q_OBJECT

public:
    Form1(RegionalSettings settings, ErrorReport& report, QWidget* parent = nullptr);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    [[nodiscard]] const ConverterModel& model() const { return model_; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void PlaceControls();
    void ConnectControls();
    void Run(void (ConverterModel::*handler)());
    void ShowModel();
    void ShowWindowHeight();
    void ShowFocus();
    void FollowFocus(QWidget* now);
    [[nodiscard]] FlatField* Field(Control field) const;
    [[nodiscard]] QWidget* Widget(Control control) const;
    [[nodiscard]] Control ControlOf(const QWidget* widget) const;

    ConverterModel model_;
    ErrorReport& report_;
    int shownHeightWrites_ = 0;
    // While maximised, the width the window gets back with its cleared
    // height when restored; 0 when no height waits.
    int normalWidth_ = 0;
    bool shownOnce_ = false;
    QMetaObject::Connection focusFollower_;

    QFrame* shape1_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    FlatField* text1_ = nullptr;
    FlatField* text2_ = nullptr;
    FlatField* text3_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QRadioButton* option3_ = nullptr;
    QButtonGroup* options_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
};

}  // namespace level

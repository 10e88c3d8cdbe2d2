#pragma once

#include <QLineEdit>
#include <QString>
#include <optional>
#include <string>

#include "model/field_menu.h"

class QMenu;

namespace level::qt {

// One of the window's three text fields, drawn flat without a style sheet:
// a plain one-pixel border in the window-text colour, in the highlight
// colour while the field has the focus, with its text kept clear of it.
// Greyed, it shows on the window's own colour in a grey that still reads
// at 4.5:1. Hovering shows its whole text.
class FlatField final : public QLineEdit {
    Q_OBJECT

public:
    explicit FlatField(QWidget* parent);

    // The field's menu (model/field_menu.h), given the window's result
    // line, where the fields are one result.
    [[nodiscard]] QMenu* CreateMenu(const std::optional<std::string>& resultLine);
    // What Ctrl+C does here: the menu's item marked with it.
    void Copy();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UseReadableGrey();
    [[nodiscard]] FieldState State(bool fieldsAreOneResult) const;
    void Run(EditCommand command, const std::optional<std::string>& resultLine);
};

}  // namespace level::qt

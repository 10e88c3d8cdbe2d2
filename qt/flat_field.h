#pragma once

#include <QLineEdit>
#include <QString>

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

    // The field's menu: the editing commands while it is enabled, only
    // «Копировать» while it is greyed. Either way, «Копировать» with
    // nothing selected copies the whole text.
    [[nodiscard]] QMenu* CreateMenu();

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ReadablyGreyed();
};

}  // namespace level::qt

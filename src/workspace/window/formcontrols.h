// The window's controls, by the names and indices of their roles: made,
// placed, coloured and named for screen readers, in their keyboard order.
// Who shows what, and what a click does, is wired by the window.
#pragma once

#include <QCoreApplication>
#include <QStyle>
#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QWidget;

namespace plane_figures::workspace {

class Canvas;
class CountFrame;
class ListBox;
class TextBox;

struct FormControls {
    Q_DECLARE_TR_FUNCTIONS(plane_figures::workspace::FormControls)

public:
    // The lists of List1, the buttons of Command1 and the boxes of Text1.
    // The N list is named List1_3 (the object names of the lists are kept as
    // they were when a hidden work list stood at index 2).
    enum List : std::size_t { kX = 0, kY = 1, kNumbers = 2 };
    enum Button : short { kDraw = 0, kClear = 1, kDelete = 2 };
    enum Text : std::size_t { kReport = 0, kQuotation = 1 };

    // Make every control on form.
    explicit FormControls(QWidget* form);
    ~FormControls();

    std::array<QLabel*, 5> Label1{};
    Canvas* Picture1 = nullptr;
    std::array<ListBox*, 3> List1{};
    CountFrame* Frame1 = nullptr;
    std::array<QPushButton*, 3> Command1{};
    std::array<TextBox*, 2> Text1{};

private:
    struct Texts;
    static Texts OwnTexts();
    void CreateLists(QWidget* form);
    void CreateButtons(QWidget* form, const std::array<QString, 3>& captions);
    void NameControls(const Texts& texts);
    void SetTabOrder();

    std::unique_ptr<QStyle> button_style_;
};

}  // namespace plane_figures::workspace

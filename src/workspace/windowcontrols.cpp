// The window's controls as the figure analysis sees them.
#include <QLineEdit>
#include <QLocale>

#include "listbox.h"
#include "mainform.h"
#include "textbox.h"

using plane_figures::FigureTable;
using plane_figures::ListId;

class WindowControls final : public plane_figures::FigureControls {
public:
    explicit WindowControls(MainForm& form) : form_(form) {}

    std::int32_t PointCount() const override { return form_.PointCount; }
    std::string ListItem(ListId list, int index) const override {
        return Of(list)->List(index).toStdString();
    }
    void ListClear(ListId list) override { Of(list)->Clear(); }
    void ListAddItem(ListId list, const std::string& text) override {
        Of(list)->AddItem(QString::fromStdString(text));
    }
    void SetReportText(const std::string& text) override {
        form_.Text1[0]->SetText(QString::fromStdString(text));
    }
    void SetCountText(int kind, const std::string& text) override {
        form_.Text3[static_cast<std::size_t>(kind)]->setText(QString::fromStdString(text));
    }
    char DecimalSeparator() const override {
        const QString point = QLocale().decimalPoint();
        return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode())
                                                              : '.';
    }
    void OutlineQuadrilateral(const FigureTable& figure, std::int16_t colour) override {
        form_.OutlineQuadrilateral(figure, colour);
    }
    void OutlineTriangle(std::int32_t kind_code) override { form_.OutlineTriangle(kind_code); }

private:
    ListBox* Of(ListId list) const {
        return list == ListId::Trace ? form_.List2 : form_.List1[static_cast<std::size_t>(list)];
    }

    MainForm& form_;
};

void MainForm::RunAnalysis() {
    WindowControls controls(*this);
    analysis_.RunAnalysis(controls);
}

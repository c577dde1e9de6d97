#pragma once

#include <QWidget>
#include <optional>

#include "ControlFactory.h"
#include "DigitRow.h"
#include "design/Presenter.h"

namespace trivelan::qt {

class ReaderNotice;

// The program's window: Qt widgets built from the design table, which carry
// out what the design's presenter asks and hand it their events.
class SequenceForm final : public QWidget, public design::WindowView {
    Q_OBJECT
  public:
    // The window, started with the row the user gave, if any.
    explicit SequenceForm(logic::ErrorReporter reporter, const design::RowReading& start = {},
                          QWidget* parent = nullptr);

    [[nodiscard]] int zoom() const { return presenter_.Zoom(); }
    [[nodiscard]] bool isFullScreen() const { return presenter_.IsFullScreen(); }

    [[nodiscard]] std::u16string ReportText() const override;
    void SetReportText(const std::u16string& text) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void setTabOrderFromDesign();
    [[nodiscard]] std::u16string CellCaption(std::size_t cell) const override;
    void SetCellCaption(std::size_t cell, const std::u16string& caption) override;
    void SetCellUnderline(std::size_t cell, bool underline) override;

    void Place(const design::Placement& placement) override;
    void MarkCell(int cell) override;
    void Focus(std::size_t position) override;
    void Beep() override;
    void SelectReport() override;
    void ShowHelp(const design::HelpBox& box) override;
    void Announce(const design::ReaderNews& news) override;
    void ReportWritten() override;
    [[nodiscard]] design::Screen ScreenNow() const override;
    [[nodiscard]] design::Point Position() const override;
    [[nodiscard]] std::optional<std::size_t> Focused() const override;

    design::Presenter presenter_;
    Controls controls_;
    DigitRow row_;
    ReaderNotice* notice_;
};

}  // namespace trivelan::qt

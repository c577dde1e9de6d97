#pragma once

#include <QPoint>
#include <QWidget>
#include <array>

#include "design/FormDesign.h"
#include "design/Twips.h"
#include "design/Zoom.h"
#include "logic/HandlerGuard.h"
#include "logic/SequenceForm.h"
#include "logic/SequenceView.h"

class QPlainTextEdit;
class QPushButton;

namespace trivelan::qt {

class DigitCell;
class DigitRow;

// The program's window. It builds its controls from the design table, carries
// out the view contract and forwards clicks to the form's logic; it decides
// nothing. For the classroom it also zooms (Ctrl+Plus, Ctrl+Minus, Ctrl+0),
// goes full screen (F11, Escape) and shows the help (F1).
class SequenceForm final : public QWidget, public logic::SequenceView {
    Q_OBJECT
  public:
    explicit SequenceForm(logic::ErrorReporter reporter, QWidget* parent = nullptr);

    [[nodiscard]] std::u16string Caption(std::int16_t cell) const override;
    void SetCaption(std::int16_t cell, const std::u16string& caption) override;
    void SetUnderline(std::int16_t cell, bool underline) override;
    [[nodiscard]] std::u16string ReportText() const override;
    void SetReportText(const std::u16string& text) override;

    [[nodiscard]] int zoom() const { return zoom_; }
    [[nodiscard]] bool isFullScreenShown() const { return fullScreen_; }
    void setZoom(int percent);
    void setFullScreenShown(bool fullScreen);
    void showHelp();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget* createControl(const design::ControlDesign& control, QWidget* container);
    void bindEvents();
    void bindKeys();
    void setTabOrderFromDesign();
    // Places every control and sets its font for the scale, the window's
    // controls offset by origin (where full screen centres the design).
    void layOut(design::Scale scale, QPoint origin);
    [[nodiscard]] DigitCell* cellAt(std::int16_t cell) const;

    logic::SequenceForm logic_{*this};
    logic::HandlerGuard handlers_;
    std::array<QWidget*, design::AllControls().size()> controls_{};  // in design table order
    std::array<DigitCell*, design::kDigitCellCount> cells_{};
    std::array<QPushButton*, 2> buttons_{};
    QPlainTextEdit* report_ = nullptr;
    DigitRow* row_ = nullptr;
    int zoom_ = design::kNoZoom;
    // Kept by the window: without a window manager the platform may not report it.
    bool fullScreen_ = false;
    QPoint positionBeforeFullScreen_;
};

}  // namespace trivelan::qt

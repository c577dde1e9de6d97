#pragma once

#include <cstdint>
#include <string_view>

#include "SequenceView.h"

namespace trivelan::logic {

inline constexpr std::int16_t kCheckButton = 0;
inline constexpr std::int16_t kClearButton = 1;

// Report texts; each verdict line ends with CR LF.
inline constexpr std::u16string_view kLineEnd = u"\r\n";
inline constexpr std::u16string_view kPalindromePrefix = u"Поредният номер: ";
inline constexpr std::u16string_view kPalindromeSuffix = u" е палиндром.";
inline constexpr std::u16string_view kDifferentPrefix = u"Номерата: ";
inline constexpr std::u16string_view kDifferentMiddle = u" и ";
inline constexpr std::u16string_view kDifferentSuffix = u" са различни.";
inline constexpr std::u16string_view kBalancedPrefix = u"Балансирана редица в позиция: ";
inline constexpr std::u16string_view kNotBalanced = u"Редицата не е балансирана! ";

// The form's procedures and event handlers. All state lives in the view: every
// handler reads the captions again, so nothing is kept between events.
class SequenceForm {
  public:
    explicit SequenceForm(SequenceView& view) : view_(view) {}

    void OnLoad();
    void OnDigitClick(std::int16_t cell);
    void OnButtonClick(std::int16_t button);

  private:
    void ResetDigits();
    void CheckPalindrome();
    void CheckBalance();
    void ClearAllUnderlines();

    SequenceView& view_;
};

}  // namespace trivelan::logic

#include "dialogs/alarm_text.h"

#include <cctype>

#include "platform/runtime.h"

namespace {

constexpr const char* kDayTexts[] = {"Daily", "Sun", "Mon", "Tue",      "Wed",
                                     "Thu",   "Fri", "Sat", "WeekDays", "WeekEnds"};

// A reader with the rules of formatted input: a word skips white space and
// takes a run of non-white characters; a number skips white space and takes
// an optionally signed decimal integer.
class Scanner {
  public:
    explicit Scanner(const std::string& text) : text_(text) {}

    bool Word(std::string& word) {
        SkipSpace();
        const std::size_t start = at_;
        while (at_ < text_.size() && !IsSpace(text_[at_])) {
            ++at_;
        }
        word = text_.substr(start, at_ - start);
        return at_ > start;
    }
    bool Number(int& value) {
        SkipSpace();
        std::size_t end = at_;
        if (end < text_.size() && (text_[end] == '+' || text_[end] == '-')) {
            ++end;
        }
        const std::size_t digits = end;
        while (end < text_.size() && std::isdigit(static_cast<unsigned char>(text_[end]))) {
            ++end;
        }
        if (end == digits || !platform::ScanInt(text_.substr(at_, end - at_), value)) {
            return false;
        }
        at_ = end;
        return true;
    }
    bool Literal(char c) {
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

  private:
    static bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
    void SkipSpace() {
        while (at_ < text_.size() && IsSpace(text_[at_])) {
            ++at_;
        }
    }
    const std::string& text_;
    std::size_t at_ = 0;
};

// Reads "H:MM MARKER" at the scanner's place into a minute of the day.
bool ReadTime(Scanner& scan, int& minuteOfDay) {
    int hour = 0, minute = 0;
    std::string marker;
    if (!scan.Number(hour) || !scan.Literal(':') || !scan.Number(minute) || !scan.Word(marker)) {
        return false;
    }
    if (hour == 12) {
        hour = 0;
    }
    minuteOfDay = hour * 60 + minute + (marker[0] != 'A' ? 720 : 0);
    return true;
}

}  // namespace

std::string DayCodeText(DayCode code) {
    return code <= 9 ? kDayTexts[code] : "";
}

std::string FormatAlarmChoice(const std::string& dayText, int hour, int minute, bool afterNoon) {
    const char* format = minute < 10 ? (afterNoon ? "%s %d:0%d P.M." : "%s %d:0%d A.M.")
                                     : (afterNoon ? "%s %d:%d P.M." : "%s %d:%d A.M.");
    return platform::Format(format, dayText.c_str(), hour, minute);
}

std::string FormatAlarmEntry(std::uint16_t minuteOfDay, DayCode code) {
    int hour = minuteOfDay / 60;
    const int minute = minuteOfDay % 60;
    const bool afterNoon = hour > 11;
    if (afterNoon) {
        hour -= 12;
    }
    return FormatAlarmChoice(DayCodeText(code), hour, minute, afterNoon);
}

int ParseAlarmMinute(const std::string& entryText) {
    int minuteOfDay = 0;
    std::string day;
    Scanner scan(entryText);
    if (scan.Word(day) && ReadTime(scan, minuteOfDay)) {
        return minuteOfDay;
    }
    // A text with no day word (one listed from a day code without a name)
    // starts with its time: read it from there, so the bell keeps its time.
    Scanner again(entryText);
    if (ReadTime(again, minuteOfDay)) {
        return minuteOfDay;
    }
    return kUnreadableMinute;
}

DayCode ParseAlarmDay(const std::string& entryText) {
    std::string word;
    Scanner(entryText).Word(word);
    for (DayCode code = 0; code <= 9; ++code) {
        if (word == kDayTexts[code]) {
            return code;
        }
    }
    return 0;
}

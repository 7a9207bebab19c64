#include "platform/controls.h"

#include <algorithm>

#include "platform/runtime.h"

namespace platform {

Control::Control(const ControlTemplate& layout) : layout_(layout) {
    if (layout.kind != ControlKind::Picture && layout.kind != ControlKind::ComboBox &&
        layout.kind != ControlKind::ListBox && layout.kind != ControlKind::Edit) {
        text_ = layout.text;
    }
}

void Control::SetText(std::string text) {
    if (text != text_) {
        text_ = std::move(text);
        Changed();
    }
}

void Control::Changed() {
    if (observer_) {
        observer_(*this);
    }
}

std::string ComboBoxModel::EntryText(int index) const {
    return index >= 0 && index < Count() ? entries_[static_cast<std::size_t>(index)]
                                         : std::string();
}

void ComboBoxModel::Clear() {
    entries_.clear();
    selection_ = -1;
    Changed();
}

int ComboBoxModel::Add(std::string text) {
    auto at = entries_.end();
    if (Sorted()) {
        // After any equal entries, as the insertion order would put it.
        at = std::upper_bound(
            entries_.begin(), entries_.end(), text,
            [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
    }
    const int position = static_cast<int>(at - entries_.begin());
    entries_.insert(at, std::move(text));
    if (selection_ >= position) {
        ++selection_;
    }
    Changed();
    return position;
}

void ComboBoxModel::Select(int index) {
    selection_ = index >= 0 && index < Count() ? index : -1;
    Changed();
}

int ComboBoxModel::SelectPrefix(std::string_view prefix) {
    const int count = Count();
    for (int step = 1; step <= count; ++step) {
        const int index = step % count;  // 1, 2, ..., count - 1, then 0
        if (StartsWithNoCase(entries_[static_cast<std::size_t>(index)], prefix)) {
            Select(index);
            return index;
        }
    }
    return -1;
}

std::string ListBoxModel::LineText(int index) const {
    return index >= 0 && index < Count() ? lines_[static_cast<std::size_t>(index)] : std::string();
}

void ListBoxModel::Clear() {
    lines_.clear();
    selection_ = -1;
    Changed();
}

int ListBoxModel::Add(std::string text) {
    lines_.push_back(std::move(text));
    Changed();
    return Count() - 1;
}

void ListBoxModel::Delete(int index) {
    if (index < 0 || index >= Count()) {
        return;
    }
    lines_.erase(lines_.begin() + index);
    selection_ = -1;
    Changed();
}

void ListBoxModel::Select(int index) {
    selection_ = index >= 0 && index < Count() ? index : -1;
    Changed();
}

void CheckBoxModel::SetCheck(int check) {
    check_ = check >= 0 && check <= 2 ? check : 0;
    Changed();
}

void CheckBoxModel::Toggle() {
    SetCheck(check_ == 1 ? 0 : 1);
}

}  // namespace platform

// Control models. A dialog owns one model per control of its template while
// its window exists; front ends mirror the models into real widgets. Changes
// made through these operations are the program's own: they tell an attached
// view, but raise no notification to the program.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/layout.h"

namespace platform {

class Control {
  public:
    using Observer = std::function<void(const Control&)>;

    explicit Control(const ControlTemplate& layout);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int Id() const { return layout_.id; }
    ControlKind Kind() const { return layout_.kind; }
    const ControlTemplate& Layout() const { return layout_; }

    // Caption of a button, label or check box; text of an edit box or of the
    // field of an editable combo box.
    const std::string& Text() const { return text_; }
    void SetText(std::string text);

    // One view at a time; it hears about every change.
    void SetObserver(Observer observer) { observer_ = std::move(observer); }

  protected:
    void Changed();

  private:
    const ControlTemplate& layout_;
    std::string text_;
    Observer observer_;
};

// Drop-down list: entries, kept in the order added or sorted ignoring case,
// and at most one selected entry.
class ComboBoxModel : public Control {
  public:
    using Control::Control;

    bool Sorted() const { return (Layout().style & kSorted) != 0; }
    int Count() const { return static_cast<int>(entries_.size()); }
    const std::vector<std::string>& Entries() const { return entries_; }
    std::string EntryText(int index) const;  // empty for an index out of range
    int Selection() const { return selection_; }

    void Clear();               // drops the entries and the selection
    int Add(std::string text);  // returns the position the entry went to
    // An index of -1, or one past the entries, leaves no selection.
    void Select(int index);
    // Searches entries 1, 2, ... to the last, then entry 0, for the first
    // whose text begins with `prefix`, ignoring case, and selects it. Returns
    // its position, or -1 (selection unchanged) when none does.
    int SelectPrefix(std::string_view prefix);

  private:
    std::vector<std::string> entries_;
    int selection_ = -1;
};

// List box of lines, unsorted, one selected line at most.
class ListBoxModel : public Control {
  public:
    using Control::Control;

    int Count() const { return static_cast<int>(lines_.size()); }
    const std::vector<std::string>& Lines() const { return lines_; }
    std::string LineText(int index) const;
    int Selection() const { return selection_; }

    void Clear();
    int Add(std::string text);
    void Delete(int index);  // later lines move up; no line stays selected
    void Select(int index);

  private:
    std::vector<std::string> lines_;
    int selection_ = -1;
};

class CheckBoxModel : public Control {
  public:
    using Control::Control;

    int Check() const { return check_; }
    void SetCheck(int check);  // 0, 1 or 2; anything else counts as 0
    void Toggle();             // what a click does

  private:
    int check_ = 0;
};

// Handles that dialog members use for controls bound by data exchange.
// A handle is empty until the exchange attaches it and again after the window
// is destroyed.
template <class Model>
class ControlHandle {
  public:
    bool Attached() const { return model_ != nullptr; }
    void Attach(Model* model) { model_ = model; }
    Model& operator*() const { return *model_; }
    Model* operator->() const { return model_; }

  private:
    Model* model_ = nullptr;
};

using ComboBox = ControlHandle<ComboBoxModel>;
using ListBox = ControlHandle<ListBoxModel>;
using Button = ControlHandle<Control>;

}  // namespace platform

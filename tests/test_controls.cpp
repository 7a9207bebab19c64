#include <gtest/gtest.h>

#include "platform/controls.h"

namespace {

using platform::ComboBoxModel;
using platform::ControlKind;
using platform::ControlTemplate;

const ControlTemplate kSortedCombo{1,  ControlKind::ComboBox, "", 0, 0, 10,
                                   10, platform::kSorted,     0};
const ControlTemplate kPlainCombo{2, ControlKind::ComboBox, "", 0, 0, 10, 10, 0, 0};

TEST(ComboBoxModel, SortedListsInsertInCaseInsensitiveOrder) {
    ComboBoxModel list(kSortedCombo);
    for (const char* name :
         {"zen.wav", "Internal Chime", "om.wav", "Random Soundfile", "bell.wav"}) {
        list.Add(name);
    }
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"bell.wav", "Internal Chime", "om.wav",
                                                        "Random Soundfile", "zen.wav"}));
}

TEST(ComboBoxModel, SortedInsertKeepsTheSelectedEntry) {
    ComboBoxModel list(kSortedCombo);
    list.Add("m");
    list.Select(0);
    list.Add("a");
    EXPECT_EQ(list.Selection(), 1);
    EXPECT_EQ(list.EntryText(list.Selection()), "m");
}

TEST(ComboBoxModel, UnsortedListsKeepTheOrderAdded) {
    ComboBoxModel list(kPlainCombo);
    for (const char* entry : {"5", "10", "Random", "3"}) {
        list.Add(entry);
    }
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"5", "10", "Random", "3"}));
}

TEST(ComboBoxModel, SelectByIndexOutsideTheListLeavesNoSelection) {
    ComboBoxModel list(kPlainCombo);
    list.Add("a");
    list.Add("b");
    for (int index : {-1, 2, 100}) {
        list.Select(1);
        list.Select(index);
        EXPECT_EQ(list.Selection(), -1) << index;
    }
    list.Select(1);
    list.Clear();
    EXPECT_EQ(list.Selection(), -1);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ComboBoxModel, SelectByPrefixSearchesFromTheSecondEntryAndWrapsToTheFirst) {
    ComboBoxModel list(kSortedCombo);
    list.Add("Internal Chime");
    list.Add("Internal Chime 2.wav");
    list.Add("Random Soundfile");
    EXPECT_EQ(list.SelectPrefix("Internal Chime"), 1);  // the file, not the chime

    ComboBoxModel only(kSortedCombo);
    only.Add("Internal Chime");
    only.Add("Random Soundfile");
    EXPECT_EQ(only.SelectPrefix("internal chime"), 0);  // wraps to entry 0, ignoring case

    only.Select(1);
    EXPECT_EQ(only.SelectPrefix("gone.wav"), -1);
    EXPECT_EQ(only.Selection(), 1);  // nothing found leaves the selection

    ComboBoxModel empty(kSortedCombo);
    EXPECT_EQ(empty.SelectPrefix("x"), -1);
}

TEST(ComboBoxModel, TellsItsViewAboutChanges) {
    ComboBoxModel list(kPlainCombo);
    int changes = 0;
    list.SetObserver([&](const platform::Control&) { ++changes; });
    list.Add("a");
    list.Select(0);
    list.Clear();
    EXPECT_EQ(changes, 3);
}

TEST(ListBoxModel, DeleteMovesLaterLinesUpAndClearsTheSelection) {
    const ControlTemplate layout{3, ControlKind::ListBox, "", 0, 0, 10, 10, 0, 0};
    platform::ListBoxModel list(layout);
    list.Add("a");
    list.Add("b");
    list.Add("c");
    list.Select(2);
    list.Delete(0);
    EXPECT_EQ(list.Lines(), (std::vector<std::string>{"b", "c"}));
    EXPECT_EQ(list.Selection(), -1);
    list.Delete(5);  // nothing there
    EXPECT_EQ(list.Count(), 2);
}

TEST(CheckBoxModel, HoldsZeroToTwoAndTogglesLikeAClick) {
    const ControlTemplate layout{4, ControlKind::CheckBox, "Use", 0, 0, 10, 10, 0, 0};
    platform::CheckBoxModel box(layout);
    for (auto [in, held] : {std::pair{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}, {256, 0}}) {
        box.SetCheck(in);
        EXPECT_EQ(box.Check(), held) << in;
    }
    box.SetCheck(0);
    box.Toggle();
    EXPECT_EQ(box.Check(), 1);
    box.Toggle();
    EXPECT_EQ(box.Check(), 0);
    EXPECT_EQ(box.Text(), "Use");
}

}  // namespace

// The Qt front end driven through real widgets on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "../test_support.h"
#include "app/timer_dlg.h"
#include "dialogs/add_alarm_dlg.h"
#include "dialogs/options_dlg.h"
#include "hosts/qt/dialog_view.h"
#include "hosts/qt/qt_host.h"
#include "res/resource.h"
#include "res/templates.h"

namespace {

using platform::ControlKind;

// Runs `body` once the dialog's window is up; the dialog must end in it.
void WithView(qthost::QtHost& host, std::function<void(qthost::DialogView&)> body) {
    host.onViewShown = [body](qthost::DialogView& view) {
        QTimer::singleShot(0, &view, [&view, body] { body(view); });
    };
}

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::GroupBox:
            return "QGroupBox";
        case ControlKind::Label:
            return "QLabel";
        case ControlKind::Picture:
            return "QLabel";
        case ControlKind::PushButton:
            return "QPushButton";
        case ControlKind::CheckBox:
            return "QCheckBox";
        case ControlKind::Edit:
            return "QLineEdit";
        case ControlKind::ComboBox:
            return "QComboBox";
        case ControlKind::ListBox:
            return "QListWidget";
    }
    return "";
}

QString TextOf(QWidget* w) {
    if (auto* g = qobject_cast<QGroupBox*>(w))
        return g->title();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return b->text();
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text();
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    return {};
}

class QtFrontEnd : public ::testing::Test {
  protected:
    void SetUp() override { platform::SetCurrentHost(&host); }
    void TearDown() override { platform::SetCurrentHost(nullptr); }
    testing_support::TempCurrentDirectory dir;
    qthost::QtHost host;
};

TEST_F(QtFrontEnd, BuildsTheMainWindowFromItsTemplate) {
    const platform::DialogTemplate& t = res::MainTemplate();
    std::vector<int> focusChain;
    std::vector<int> expectedChain;
    WithView(host, [&](qthost::DialogView& view) {
        EXPECT_EQ(view.windowTitle(), "Selvantora Meditation Timer");
        ASSERT_EQ(view.Widgets().size(), t.controls.size());
        for (std::size_t i = 0; i < t.controls.size(); ++i) {
            const auto& c = t.controls[i];
            QWidget* w = view.Widgets()[i];
            EXPECT_STREQ(w->metaObject()->className(), KindName(c.kind)) << i;
            EXPECT_EQ(w->property("controlId").toInt(), c.id) << i;
            if (c.kind != ControlKind::Picture && c.kind != ControlKind::ComboBox &&
                c.kind != ControlKind::Edit) {
                EXPECT_EQ(TextOf(w).toStdString(), c.text) << i;
            }
            EXPECT_TRUE(w->isVisible() && w->isEnabled()) << i;
            const QRect r = view.MapDialogRect(c.x, c.y, c.width, c.height);
            EXPECT_EQ(w->pos(), r.topLeft()) << i;
            if (c.style & platform::kTabStop) {
                expectedChain.push_back(c.id);
            }
        }
        // Tab order: follow the focus chain from the first tab stop.
        QWidget* first = view.Widget(IDC_REM_MINUTES);
        EXPECT_TRUE(first->hasFocus() || QApplication::focusWidget() == nullptr);
        QWidget* w = first;
        do {
            if (w->focusPolicy() & Qt::TabFocus) {
                focusChain.push_back(w->property("controlId").toInt());
            }
            w = w->nextInFocusChain();
        } while (w != first && focusChain.size() < 100);
        // The interval lists show the first-start choices.
        EXPECT_EQ(qobject_cast<QComboBox*>(view.Widget(IDC_MED_MINUTES))->currentText(), "30");
        EXPECT_EQ(qobject_cast<QComboBox*>(view.Widget(IDC_DELAY_SECS))->currentText(), "5");
        EXPECT_EQ(qobject_cast<QComboBox*>(view.Widget(IDC_REM_MINUTES))->currentText(), "20");
        EXPECT_EQ(qobject_cast<QComboBox*>(view.Widget(IDC_MED_MINUTES))->itemText(13), "25");
        EXPECT_EQ(qobject_cast<QComboBox*>(view.Widget(IDC_REM_MINUTES))->itemText(13), "3");
        view.Model().UserEscape();
    });
    CTimerDlg dlg;
    EXPECT_EQ(dlg.DoModal(), platform::kIdCancel);
    EXPECT_EQ(focusChain, expectedChain);
}

TEST_F(QtFrontEnd, AUsersChoiceReachesTheModelAndTheProgramsDoesNotEcho) {
    std::string chosen;
    int clockBells = -1;
    WithView(host, [&](qthost::DialogView& view) {
        auto* combo = qobject_cast<QComboBox*>(view.Widget(IDC_MED_MINUTES));
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);  // "30" -> "40", as a user would
        auto& model =
            dynamic_cast<platform::ComboBoxModel&>(*view.Model().FindControl(IDC_MED_MINUTES));
        chosen = model.EntryText(model.Selection());
        // A selection made by the program shows, and reports nothing back.
        model.Select(0);
        EXPECT_EQ(combo->currentText(), "5");
        QTest::mouseClick(view.Widget(IDC_CLOCK_BELLS), Qt::LeftButton);
        clockBells = static_cast<CTimerDlg&>(view.Model()).m_bClockBells;
        EXPECT_TRUE(qobject_cast<QCheckBox*>(view.Widget(IDC_CLOCK_BELLS))->isChecked());
        view.close();  // the close box
    });
    CTimerDlg dlg;
    EXPECT_EQ(dlg.DoModal(), platform::kIdCancel);
    EXPECT_EQ(chosen, "40");
    EXPECT_EQ(clockBells, 1);
    EXPECT_FALSE(dlg.IsOpen());
}

// A dialog that counts its timer and records its destroy message.
platform::DialogTemplate ProbeTemplate() {
    platform::DialogTemplate t;
    t.id = 901;
    t.caption = "Probe";
    t.width = 100;
    t.height = 40;
    t.style = platform::kSystemMenu | platform::kModalFrame;
    t.controls = {{1, ControlKind::PushButton, "OK", 10, 10, 50, 14,
                   platform::kTabStop | platform::kDefaultButton, 0}};
    return t;
}

class Probe : public platform::Dialog {
  public:
    Probe() : platform::Dialog(layout_) {
        OnTimerEvent(&Probe::OnTimer);
        OnEvent(Event::Destroy, platform::kNoId, &Probe::OnDestroy);
    }
    void OnTimer(unsigned) { ++ticks; }
    void OnDestroy() { destroyed = true; }
    int ticks = 0;
    bool destroyed = false;

  private:
    static inline const platform::DialogTemplate layout_ = ProbeTemplate();
};

TEST_F(QtFrontEnd, EnterClicksAFocusedButtonAndOtherwiseIsTheOkCommand) {
    bool openAfterEnter = false;
    WithView(host, [&](qthost::DialogView& view) {
        // In the main window Enter on a list is the OK command, which does nothing.
        QTest::keyClick(view.Widget(IDC_MED_MINUTES), Qt::Key_Return);
        openAfterEnter = !view.Model().HasEnded();
        QTest::keyClick(view.Widget(IDC_MED_MINUTES), Qt::Key_Escape);
    });
    CTimerDlg dlg;
    EXPECT_EQ(dlg.DoModal(), platform::kIdCancel);
    EXPECT_TRUE(openAfterEnter);

    Probe probe;
    WithView(host, [&](qthost::DialogView& view) {
        view.Widget(1)->setFocus();
        QTest::keyClick(view.Widget(1), Qt::Key_Enter);  // clicks the focused OK button
    });
    EXPECT_EQ(probe.DoModal(), platform::kIdOk);
}

TEST_F(QtFrontEnd, TimersKeepFiringInsideAModalDialogsLoop) {
    Probe main;
    Probe child;
    int ticksBeforeChild = 0;
    WithView(host, [&](qthost::DialogView& view) {
        if (&view.Model() == &main) {
            main.SetTimer(5, 50);
            QTimer::singleShot(120, &view, [&] {
                ticksBeforeChild = main.ticks;
                child.DoModal();  // nested loop for 500 ms
                main.UserEscape();
            });
        } else {
            QTimer::singleShot(500, &view, [&view] { view.Model().UserClick(1); });
        }
    });
    main.DoModal();
    EXPECT_EQ(child.Result(), platform::kIdOk);
    EXPECT_GE(main.ticks - ticksBeforeChild, 6);  // about 10 ticks of 50 ms in 500 ms
    EXPECT_TRUE(main.destroyed && child.destroyed);
}

TEST_F(QtFrontEnd, ATimerDueDuringASleepFiresOnceLate) {
    Probe main;
    WithView(host, [&](qthost::DialogView& view) {
        main.SetTimer(5, 20);
        QTimer::singleShot(30, &view, [&] {
            const int before = main.ticks;
            host.Sleep(300);  // 15 periods pass while the thread is blocked
            QTimer::singleShot(30, &view, [&, before] {
                main.ticks -= before;
                main.UserEscape();
            });
        });
    });
    main.DoModal();
    EXPECT_GE(main.ticks, 1);
    EXPECT_LE(main.ticks, 3);  // one late tick, then at most two more in 30 ms
}

TEST_F(QtFrontEnd, AQuitRequestClosesEveryDialogThroughItsCloseBox) {
    Probe main;
    Probe child;
    WithView(host, [&](qthost::DialogView& view) {
        if (&view.Model() == &main) {
            QTimer::singleShot(0, &view, [&] { child.DoModal(); });
        } else {
            QTimer::singleShot(20, &view, [this] { host.RequestQuit(); });
        }
    });
    main.DoModal();
    EXPECT_EQ(child.Result(), platform::kIdCancel);
    EXPECT_EQ(main.Result(), platform::kIdCancel);
    EXPECT_TRUE(main.destroyed);
}

}  // namespace

namespace {

// Runs `check` on the message box once it is up, then closes it.
void WhenMessageBoxShows(std::function<void(QMessageBox&)> check) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, check] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            check(*box);
            box->accept();
        }
    });
    poll->start();
}

TEST_F(QtFrontEnd, TheAddAlarmDialogPreviewsWhatTheUserPicks) {
    dir.WriteFile("bell.wav", "RIFF");
    std::string preview;
    WithView(host, [&](qthost::DialogView& view) {
        auto pick = [&](int id, int downs) {
            auto* combo = qobject_cast<QComboBox*>(view.Widget(id));
            combo->setFocus();
            for (int i = 0; i < downs; ++i) {
                QTest::keyClick(combo, Qt::Key_Down);
            }
        };
        pick(IDC_ALARM_DAY, 8);     // WeekDays
        pick(IDC_ALARM_HOUR, 11);   // 12
        pick(IDC_ALARM_MINUTE, 5);  // 05
        pick(IDC_ALARM_AMPM, 1);    // P.M.
        preview = qobject_cast<QLineEdit*>(view.Widget(IDC_ALARM_TEXT))->text().toStdString();
        EXPECT_TRUE(qobject_cast<QComboBox*>(view.Widget(IDC_ALARM_SOUND))->isEditable());
        QTest::keyClick(view.Widget(1), Qt::Key_Return);  // the focused list: the OK command
    });
    CAddAlarmDlg add;
    EXPECT_EQ(add.DoModal(), platform::kIdOk);
    EXPECT_EQ(preview, "WeekDays 12:05 P.M.");
    EXPECT_EQ(add.m_strAlarmSound, "bell.wav");
}

TEST_F(QtFrontEnd, OptionsRefuseABadNumberWithAMessageAndTakeTheCorrection) {
    std::string message, caption;
    bool focusedAndSelected = false;
    WithView(host, [&](qthost::DialogView& view) {
        auto* field = qobject_cast<QLineEdit*>(view.Widget(IDC_CUSTOM_REM));
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, "x7y");  // letters are not taken from the keyboard
        EXPECT_EQ(field->text(), "7");
        QTest::keyClick(field, Qt::Key_Backspace);  // an empty field is refused
        WhenMessageBoxShows([&](QMessageBox& box) {
            message = box.text().toStdString();
            caption = box.windowTitle().toStdString();
        });
        QTest::mouseClick(view.Widget(1), Qt::LeftButton);
        EXPECT_FALSE(view.Model().HasEnded());
        focusedAndSelected = field->hasFocus() || field->selectedText() == field->text();
        QTest::keyClicks(field, "12");
        QTest::mouseClick(view.Widget(1), Qt::LeftButton);
    });
    platform::SetApplicationTitle("Selvantora");
    COptionsDlg options;
    options.m_nCustomRemMins = 3;
    EXPECT_EQ(options.DoModal(), platform::kIdOk);
    EXPECT_EQ(message, "Please enter a positive integer.");
    EXPECT_EQ(caption, "Selvantora");
    EXPECT_TRUE(focusedAndSelected);
    EXPECT_EQ(options.m_nCustomRemMins, 12u);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

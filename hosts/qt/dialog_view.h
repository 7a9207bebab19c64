// A real window for any dialog: built from its template, mirroring the
// control models and reporting the user's actions back. No program logic.
#pragma once

#include <QWidget>
#include <map>

#include "platform/dialog.h"

class QComboBox;

namespace qthost {

class DialogView : public QWidget {
    Q_OBJECT
  public:
    DialogView(platform::Dialog& dialog, QWidget* owner);
    ~DialogView() override;

    platform::Dialog& Model() const { return dialog_; }
    QWidget* Widget(int id) const;
    // Widgets of the template's controls, in template order.
    const std::vector<QWidget*>& Widgets() const { return widgets_; }

    // Dialog units to pixels with the window's font, as the templates mean them.
    QRect MapDialogRect(int x, int y, int width, int height) const;

    // Lets the window close for real once its dialog has ended.
    void AllowClose() { closing_ = true; }
    // After the program ran a handler: focus what it asked for.
    void ApplyFocusRequest();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QWidget* Build(const platform::Control& control);
    void Mirror(const platform::Control& control);
    void AfterUserAction();

    platform::Dialog& dialog_;
    std::vector<QWidget*> widgets_;
    std::map<int, QWidget*> byId_;
    std::map<const platform::Control*, QWidget*> byModel_;
    int baseX_ = 0;
    int baseY_ = 0;
    bool closing_ = false;
};

}  // namespace qthost

#include "hosts/qt/dialog_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include "hosts/qt/images.h"

namespace qthost {

namespace {

using platform::ControlKind;

QString ToQt(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
std::string FromQt(const QString& text) {
    return text.toUtf8().toStdString();
}

int MulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    return static_cast<int>((product + (product >= 0 ? denominator / 2 : -denominator / 2)) /
                            denominator);
}

Qt::Alignment TextAlignment(std::uint32_t style) {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (style & platform::kCentered) {
        horizontal = Qt::AlignHCenter;
    } else if (style & platform::kRightAligned) {
        horizontal = Qt::AlignRight;
    }
    return horizontal | ((style & platform::kCenteredVertically) ? Qt::AlignVCenter : Qt::AlignTop);
}

bool WrapsText(const platform::ControlTemplate& t) {
    // Two lines of the template's 8-point font or more.
    return t.kind == ControlKind::Label && t.height >= 16;
}

// The templates were laid out for a narrow font. Where the desktop's font
// sets a caption wider than its average letter suggests, the horizontal unit
// grows until every one-line caption fits, so no text is cut off.
int BaseXToFit(const platform::DialogTemplate& layout, const QFontMetrics& metrics) {
    int needed = 0;
    for (const platform::ControlTemplate& t : layout.controls) {
        int padding = 0;
        switch (t.kind) {
            case ControlKind::Label:
                padding = 2;
                break;
            case ControlKind::CheckBox:
                padding = 24;  // the box and its gap
                break;
            case ControlKind::PushButton:
                padding = 12;
                break;
            case ControlKind::GroupBox:
                padding = 20;
                break;
            default:
                continue;
        }
        if (t.text.empty() || t.width <= 0 || WrapsText(t)) {
            continue;
        }
        const int text = metrics.horizontalAdvance(QString::fromStdString(t.text)) + padding;
        needed = std::max(needed, (text * 4 + t.width - 1) / t.width);
    }
    return needed;
}

}  // namespace

DialogView::DialogView(platform::Dialog& dialog, QWidget* owner)
    : QWidget(owner, owner ? Qt::Dialog : Qt::Window), dialog_(dialog) {
    const platform::DialogTemplate& layout = dialog.Layout();
    setObjectName(QString("dialog%1").arg(layout.id));
    setWindowTitle(ToQt(layout.caption));

    Qt::WindowFlags flags =
        (owner ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (layout.style & platform::kSystemMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (layout.style & platform::kMinimizeBox) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (layout.style & platform::kMaximizeBox) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    setWindowFlags(flags);
    if (owner != nullptr) {
        setWindowModality(Qt::ApplicationModal);
    }
    if (dialog.Icon(true) != 0) {
        setWindowIcon(QApplication::windowIcon().isNull() ? AppIcon() : QApplication::windowIcon());
    }

    // The desktop's dialog font; the templates' own font does not exist here.
    const QFontMetrics metrics(font());
    const int average =
        metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseX_ = (average / 26 + 1) / 2;
    baseY_ = metrics.height();
    baseX_ = std::max(baseX_, BaseXToFit(layout, metrics));

    for (const auto& control : dialog.Controls()) {
        QWidget* widget = Build(*control);
        widgets_.push_back(widget);
        byModel_[control.get()] = widget;
        if (control->Id() != platform::kNoId) {
            byId_[control->Id()] = widget;
        }
        Mirror(*control);
        control->SetObserver([this](const platform::Control& changed) { Mirror(changed); });
    }
    // Group boxes frame the controls; they must not cover them.
    for (QWidget* widget : widgets_) {
        if (qobject_cast<QGroupBox*>(widget) != nullptr) {
            widget->lower();
        }
    }
    const QRect client = MapDialogRect(0, 0, layout.width, layout.height);
    setFixedSize(client.size());
}

DialogView::~DialogView() {
    if (dialog_.IsOpen()) {
        for (const auto& control : dialog_.Controls()) {
            control->SetObserver(nullptr);
        }
    }
}

QRect DialogView::MapDialogRect(int x, int y, int width, int height) const {
    return QRect(MulDiv(x, baseX_, 4), MulDiv(y, baseY_, 8), MulDiv(width, baseX_, 4),
                 MulDiv(height, baseY_, 8));
}

QWidget* DialogView::Widget(int id) const {
    auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second;
}

QWidget* DialogView::Build(const platform::Control& control) {
    const platform::ControlTemplate& t = control.Layout();
    const int id = t.id;
    QRect rect = MapDialogRect(t.x, t.y, t.width, t.height);
    QWidget* widget = nullptr;
    switch (t.kind) {
        case ControlKind::GroupBox: {
            widget = new QGroupBox(this);
            break;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(this);
            label->setAlignment(TextAlignment(t.style));
            label->setWordWrap(WrapsText(t));
            if (t.style & platform::kBorder) {
                label->setFrameShape(QFrame::Panel);
                label->setFrameShadow(QFrame::Sunken);
            }
            widget = label;
            break;
        }
        case ControlKind::Picture: {
            auto* picture = new QLabel(this);
            picture->setPixmap(Picture(t.resource, rect.size()));
            picture->setFrameShape(QFrame::NoFrame);
            widget = picture;
            break;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(this);
            button->setAutoDefault(false);
            button->setDefault((t.style & platform::kDefaultButton) != 0);
            connect(button, &QPushButton::clicked, this, [this, id] {
                dialog_.UserClick(id);
                AfterUserAction();
            });
            widget = button;
            break;
        }
        case ControlKind::CheckBox: {
            auto* box = new QCheckBox(this);
            connect(box, &QCheckBox::clicked, this, [this, id] {
                dialog_.UserClick(id);
                AfterUserAction();
            });
            widget = box;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(this);
            edit->setReadOnly((t.style & platform::kReadOnly) != 0);
            edit->setFrame((t.style & platform::kBorder) != 0);
            edit->setAlignment(TextAlignment(t.style) & Qt::AlignHorizontal_Mask);
            edit->setProperty("numberOnly", (t.style & platform::kNumberOnly) != 0);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, id](const QString& text) { dialog_.UserEditText(id, FromQt(text)); });
            widget = edit;
            break;
        }
        case ControlKind::ComboBox: {
            auto* combo = new QComboBox(this);
            combo->setEditable((t.style & platform::kEditable) != 0);
            // The template's height includes the open list.
            const int closed = combo->sizeHint().height();
            const int row = std::max(1, QFontMetrics(font()).height() + 2);
            combo->setMaxVisibleItems(std::max(1, (rect.height() - closed) / row));
            rect.setHeight(closed);
            connect(combo, &QComboBox::activated, this, [this, id](int index) {
                auto* model = dynamic_cast<platform::ComboBoxModel*>(dialog_.FindControl(id));
                if (model != nullptr && index != model->Selection()) {
                    dialog_.UserSelect(id, index);
                }
                AfterUserAction();
            });
            if (combo->isEditable()) {
                connect(
                    combo->lineEdit(), &QLineEdit::textEdited, this,
                    [this, id](const QString& text) { dialog_.UserEditText(id, FromQt(text)); });
            }
            widget = combo;
            break;
        }
        case ControlKind::ListBox: {
            auto* list = new QListWidget(this);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setFrameShape((t.style & platform::kBorder) ? QFrame::StyledPanel
                                                              : QFrame::NoFrame);
            connect(list, &QListWidget::currentRowChanged, this, [this, id](int row) {
                dialog_.UserSelect(id, row);
                AfterUserAction();
            });
            widget = list;
            break;
        }
    }
    widget->setGeometry(rect);
    widget->setObjectName(id == platform::kNoId ? QString() : QString("control%1").arg(id));
    widget->setProperty("controlId", id);
    const bool tabStop = (t.style & platform::kTabStop) != 0;
    widget->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus);
    widget->installEventFilter(this);
    return widget;
}

void DialogView::Mirror(const platform::Control& control) {
    auto found = byModel_.find(&control);
    if (found == byModel_.end()) {
        return;
    }
    QWidget* widget = found->second;
    const QSignalBlocker blocker(widget);
    const QString text = ToQt(control.Text());
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        group->setTitle(text);
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        const auto& model = static_cast<const platform::CheckBoxModel&>(control);
        box->setText(text);
        box->setTristate(model.Check() == 2);
        box->setCheckState(model.Check() == 1   ? Qt::Checked
                           : model.Check() == 2 ? Qt::PartiallyChecked
                                                : Qt::Unchecked);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        button->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const auto& model = static_cast<const platform::ComboBoxModel&>(control);
        QStringList entries;
        for (const std::string& entry : model.Entries()) {
            entries << ToQt(entry);
        }
        QStringList current;
        for (int i = 0; i < combo->count(); ++i) {
            current << combo->itemText(i);
        }
        if (current != entries) {
            combo->clear();
            combo->addItems(entries);
        }
        combo->setCurrentIndex(model.Selection());
        if (combo->isEditable() && model.Selection() < 0) {
            combo->setEditText(text);
        }
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        const auto& model = static_cast<const platform::ListBoxModel&>(control);
        QStringList lines;
        for (const std::string& line : model.Lines()) {
            lines << ToQt(line);
        }
        QStringList current;
        for (int i = 0; i < list->count(); ++i) {
            current << list->item(i)->text();
        }
        if (current != lines) {
            list->clear();
            list->addItems(lines);
        }
        list->setCurrentRow(model.Selection());
        if (model.Selection() < 0) {
            list->clearSelection();
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != text) {
            edit->setText(text);
        }
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (control.Kind() == ControlKind::Label) {
            label->setText(text);
        }
    }
}

void DialogView::AfterUserAction() {
    if (dialog_.IsOpen() && !dialog_.HasEnded()) {
        ApplyFocusRequest();
    }
}

void DialogView::ApplyFocusRequest() {
    const int id = dialog_.FocusRequest();
    if (id == platform::kNoId) {
        return;
    }
    dialog_.ClearFocusRequest();
    if (QWidget* widget = Widget(id)) {
        widget->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->selectAll();
        }
    }
}

void DialogView::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    // The close box and Alt+F4 are the program's to handle.
    event->ignore();
    dialog_.UserClose();
}

bool DialogView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    // Number fields take only digits from the keyboard; pasting is not
    // blocked, and what it brings is checked when the dialog's values are read.
    if (watched->property("numberOnly").toBool() &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
        !key->text().isEmpty() && key->text()[0].isPrint() && !key->text()[0].isDigit()) {
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        dialog_.UserEscape();
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // Enter clicks a focused push button, and otherwise is the OK command.
        if (auto* button = qobject_cast<QPushButton*>(watched)) {
            dialog_.UserClick(button->property("controlId").toInt());
        } else {
            dialog_.UserEnter();
        }
        AfterUserAction();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DialogView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        dialog_.UserEscape();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        dialog_.UserEnter();
        AfterUserAction();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void DialogView::paintEvent(QPaintEvent* event) {
    platform::PaintContext context;
    context.minimized = isMinimized();
    context.clientWidth = width();
    context.clientHeight = height();
    const int icon = style()->pixelMetric(QStyle::PM_LargeIconSize);
    context.iconWidth = icon;
    context.iconHeight = icon;
    dialog_.DispatchPaint(context);
    QWidget::paintEvent(event);
}

void DialogView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        update();
    }
    QWidget::changeEvent(event);
}

}  // namespace qthost

#include "winsys/DialogWindow.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

#include "winsys/Canvas.h"
#include "winsys/Dialog.h"
#include "winsys/Internal.h"

namespace winsys {

namespace {

// An area drawn by its owner through a paint function (frames), or showing a bitmap
// resource; a left click reports its pixel to the owner.
class PaintArea : public QWidget {
 public:
  explicit PaintArea(QWidget* parent) : QWidget(parent) {}
  std::function<void(WindowPainter&)> paint;
  std::function<void(int, int)> click;
  QPixmap pixmap;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (!pixmap.isNull()) painter.drawPixmap(0, 0, pixmap);
    if (!paint) return;
    WindowPainter window_painter(painter);
    paint(window_painter);
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && click) {
      const QPoint at = event->position().toPoint();
      click(at.x(), at.y());
    }
  }
};

QPixmap ResourcePixmap(const std::string& name) {
  QPixmap pixmap;
  if (auto bytes = LoadResource(name)) {
    pixmap.loadFromData(bytes->data(), static_cast<uint>(bytes->size()));
  }
  return pixmap;
}

Qt::Alignment TextAlignment(const ControlTemplate& control, Qt::Alignment vertical) {
  if (control.Has("center")) return Qt::AlignHCenter | vertical;
  if (control.Has("right")) return Qt::AlignRight | vertical;
  return Qt::AlignLeft | vertical;
}

}  // namespace

QFont TemplateFont(const std::string& face, int points) {
  // Both faces of the templates ("宋体" and "MS Shell Dlg", which a Chinese desktop maps to
  // the same Song face) are served by the Song-style face that Debian ships.
  (void)face;
  QFont font(QStringLiteral("AR PL UMing CN"));
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  return font;
}

DialogWindow::DialogWindow(Dialog* owner, const DialogTemplate& tmpl, QWidget* parent)
    : QDialog(parent), owner_(owner) {
  Build(tmpl);
}

DialogWindow::~DialogWindow() {
  if (owner_) internal::WindowDestroyed(owner_, this);
}

void DialogWindow::Build(const DialogTemplate& tmpl) {
  setWindowTitle(QString::fromStdString(tmpl.caption));
  const QFont font = TemplateFont(tmpl.font_face, tmpl.font_points);
  setFont(font);
  const QFontMetrics metrics(font);
  const int letters_width = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  units_.base_x = (letters_width / 26 + 1) / 2;
  units_.base_y = metrics.height();

  // A window with a task-bar entry of its own must not be a transient dialog of its owner.
  Qt::WindowFlags flags = (tmpl.Has("appwindow") ? Qt::Window : Qt::Dialog) |
                          Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  if (tmpl.Has("minimizebox")) flags |= Qt::WindowMinimizeButtonHint;
  setWindowFlags(flags);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  if (tmpl.menu != 0) {
    menu_bar_ = new QMenuBar(this);
    for (const MenuPopup& popup : LoadMenu(tmpl.menu)) {
      QMenu* menu = menu_bar_->addMenu(QString::fromStdString(popup.text));
      for (const MenuItem& item : popup.items) {
        QAction* action = menu->addAction(QString::fromStdString(item.text));
        const int id = item.id;
        menu_actions_[id] = action;
        connect(action, &QAction::triggered, this, [this, id] {
          if (owner_) owner_->RunMenuCommand(id);
        });
      }
    }
    layout->setMenuBar(menu_bar_);
  }
  client_ = new QWidget(this);
  client_->setFixedSize(units_.X(tmpl.width), units_.Y(tmpl.height));
  layout->addWidget(client_);

  QButtonGroup* radio_group = nullptr;
  std::vector<QWidget*> group_boxes;
  for (const ControlTemplate& control : tmpl.controls) {
    QWidget* widget = MakeControl(control, &radio_group);
    if (widget == nullptr) continue;
    if (control.kind == "group") group_boxes.push_back(widget);
    widget->setProperty("winsys_kind", QString::fromStdString(control.kind));
    if (control.id >= 0) {
      widget->setProperty("winsys_id", control.id);
      controls_[control.id] = widget;
    }
  }
  for (QWidget* box : group_boxes) box->lower();
}

QWidget* DialogWindow::MakeControl(const ControlTemplate& control, QButtonGroup** radio_group) {
  const QString text = QString::fromStdString(control.text);
  const QRect rect(units_.X(control.x), units_.Y(control.y), units_.X(control.width),
                   units_.Y(control.height));
  const int id = control.id;
  if (control.kind != "radio") *radio_group = nullptr;
  QWidget* widget = nullptr;

  if (control.kind == "static") {
    auto* label = new QLabel(text, client_);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(TextAlignment(control, Qt::AlignTop));
    if (control.Has("sunken")) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    widget = label;
  } else if (control.kind == "group") {
    widget = new QGroupBox(text, client_);
  } else if (control.kind == "edit") {
    if (control.Has("multiline")) {
      auto* edit = new QPlainTextEdit(client_);
      edit->setPlainText(text);
      edit->setReadOnly(control.Has("readonly"));
      edit->setVerticalScrollBarPolicy(control.Has("vscroll") ? Qt::ScrollBarAlwaysOn
                                                              : Qt::ScrollBarAlwaysOff);
      edit->setHorizontalScrollBarPolicy(control.Has("hscroll") ? Qt::ScrollBarAlwaysOn
                                                                : Qt::ScrollBarAlwaysOff);
      edit->setLineWrapMode(control.Has("hscroll") || control.Has("autohscroll")
                                ? QPlainTextEdit::NoWrap
                                : QPlainTextEdit::WidgetWidth);
      edit->setTabChangesFocus(true);
      connect(edit, &QPlainTextEdit::textChanged, this, [this, id] { Notify(id, kEventChange); });
      widget = edit;
    } else {
      auto* edit = new QLineEdit(text, client_);
      edit->setReadOnly(control.Has("readonly"));
      edit->setAlignment(TextAlignment(control, Qt::AlignVCenter));
      if (control.Has("password")) edit->setEchoMode(QLineEdit::Password);
      connect(edit, &QLineEdit::textChanged, this, [this, id] { Notify(id, kEventChange); });
      widget = edit;
    }
  } else if (control.kind == "button" || control.kind == "defbutton") {
    auto* button = new QPushButton(text, client_);
    button->setAutoDefault(true);
    if (control.kind == "defbutton") button->setDefault(true);
    connect(button, &QPushButton::clicked, this, [this, id] { Notify(id, kEventClicked); });
    widget = button;
  } else if (control.kind == "check") {
    auto* box = new QCheckBox(text, client_);
    connect(box, &QCheckBox::clicked, this, [this, id] { Notify(id, kEventClicked); });
    widget = box;
  } else if (control.kind == "radio") {
    auto* radio = new QRadioButton(text, client_);
    if (*radio_group == nullptr || control.Has("group")) {
      *radio_group = new QButtonGroup(this);
      (*radio_group)->setExclusive(true);
    }
    (*radio_group)->addButton(radio);
    connect(radio, &QRadioButton::clicked, this, [this, id] { Notify(id, kEventClicked); });
    widget = radio;
  } else if (control.kind == "droplist" || control.kind == "combo") {
    auto* combo = new QComboBox(client_);
    combo->setMaxVisibleItems(std::max(1, rect.height() / std::max(1, units_.base_y)));
    if (control.kind == "combo") {
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);
      connect(combo->lineEdit(), &QLineEdit::textEdited, this,
              [this, id] { Notify(id, kEventChange); });
    }
    connect(combo, qOverload<int>(&QComboBox::activated), this,
            [this, id] { Notify(id, kEventSelChange); });
    combo->setGeometry(rect.x(), rect.y(), rect.width(), combo->sizeHint().height());
    widget = combo;
  } else if (control.kind == "frame") {
    auto* area = new PaintArea(client_);
    if (control.Has("sunken")) area->setAttribute(Qt::WA_StyledBackground);
    widget = area;
  } else if (control.kind == "bitmap") {
    auto* area = new PaintArea(client_);
    area->pixmap = ResourcePixmap("bitmaps/" + control.text + ".bmp");
    area->setGeometry(rect.x(), rect.y(), area->pixmap.width(), area->pixmap.height());
    widget = area;
  } else if (control.kind == "icon") {
    auto* label = new QLabel(client_);
    const QPixmap pixmap = ResourcePixmap("icons/" + control.text + ".png");
    label->setGeometry(rect.x(), rect.y(), 32, 32);
    label->setPixmap(pixmap.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    widget = label;
  } else if (control.kind == "progress") {
    auto* bar = new QProgressBar(client_);
    bar->setTextVisible(false);
    bar->setRange(0, 100);
    bar->setValue(0);
    widget = bar;
  } else if (control.kind == "trackbar") {
    auto* slider = new QSlider(Qt::Horizontal, client_);
    connect(slider, &QSlider::valueChanged, this, [this, id] { Notify(id, kEventChange); });
    widget = slider;
  } else if (control.kind == "report") {
    auto* list = new QTreeWidget(client_);
    list->setRootIsDecorated(false);
    list->setHeaderLabels({});
    widget = list;
  } else {
    return nullptr;
  }
  if (control.kind != "bitmap" && control.kind != "icon" && control.kind != "droplist" &&
      control.kind != "combo") {
    widget->setGeometry(rect);
  }
  return widget;
}

QWidget* DialogWindow::Control(int id) const {
  auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

QAction* DialogWindow::MenuAction(int id) const {
  auto found = menu_actions_.find(id);
  return found == menu_actions_.end() ? nullptr : found->second;
}

void DialogWindow::AppendSystemMenu(int id, const QString& text) {
  system_menu_.emplace_back(id, text);
}

void DialogWindow::SetClickHandler(int id, std::function<void(int, int)> click) {
  if (auto* area = dynamic_cast<PaintArea*>(Control(id))) area->click = std::move(click);
}

void DialogWindow::SetPainter(int id, std::function<void(WindowPainter&)> paint) {
  if (auto* area = dynamic_cast<PaintArea*>(Control(id))) {
    area->paint = std::move(paint);
    area->update();
  }
}

void DialogWindow::StartTimer(int id, int period_ms) {
  if (internal::ManualTimers()) {
    manual_timers_.insert(id);
    return;
  }
  QTimer*& timer = timers_[id];
  if (timer == nullptr) {
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, id] {
      if (owner_) owner_->TickTimer(id);
    });
  }
  timer->start(period_ms);
}

void DialogWindow::StopTimer(int id) {
  manual_timers_.erase(id);
  auto found = timers_.find(id);
  if (found != timers_.end()) found->second->stop();
}

bool DialogWindow::HasTimer(int id) const {
  if (manual_timers_.count(id)) return true;
  auto found = timers_.find(id);
  return found != timers_.end() && found->second->isActive();
}

void DialogWindow::Notify(int id, int event) {
  if (owner_) owner_->Dispatch(id, event);
}

void DialogWindow::reject() {
  // Esc and the close box mean Cancel, which the dialog object decides about.
  if (owner_) {
    owner_->Dispatch(kIdCancel, kEventClicked);
  } else {
    QDialog::reject();
  }
}

void DialogWindow::accept() {
  if (owner_) {
    owner_->Dispatch(kIdOk, kEventClicked);
  } else {
    QDialog::accept();
  }
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
  if (system_menu_.empty() || owner_ == nullptr) return;
  QMenu menu(this);
  for (const auto& [id, text] : system_menu_) {
    QAction* action = menu.addAction(text);
    action->setData(id);
  }
  if (QAction* chosen = menu.exec(event->globalPos())) {
    if (owner_) owner_->SysCommand(chosen->data().toInt());
  }
}

}  // namespace winsys

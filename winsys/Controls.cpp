#include "winsys/Controls.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOption>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QTreeWidget>
#include <algorithm>
#include <climits>

#include "winsys/Canvas.h"
#include "winsys/DialogWindow.h"
#include "winsys/TextLayout.h"

namespace winsys {

namespace {

QString ToQt(const std::string& text) {
  return QString::fromStdString(text);
}
std::string FromQt(const QString& text) {
  return text.toStdString();
}

Qt::Alignment TextAlignment(const ControlTemplate& row, Qt::Alignment vertical) {
  if (row.Has("center")) return Qt::AlignHCenter | vertical;
  if (row.Has("right")) return Qt::AlignRight | vertical;
  return Qt::AlignLeft | vertical;
}

QRect PixelRect(const ControlTemplate& row, const DialogUnits& units) {
  return QRect(units.X(row.x), units.Y(row.y), units.X(row.width), units.Y(row.height));
}

QPixmap ResourcePixmap(const std::string& name) {
  QPixmap pixmap;
  if (auto bytes = LoadResource(name)) {
    pixmap.loadFromData(bytes->data(), static_cast<uint>(bytes->size()));
  }
  return pixmap;
}

// --- static text ---------------------------------------------------------------------------

class StaticControl : public Control, public TextControl, public ColourControl {
 public:
  StaticControl(const ControlTemplate& row, BuildContext& context)
      : Control(row.kind, new QLabel(ToQt(row.text), context.parent)),
        label_(static_cast<QLabel*>(widget())) {
    label_->setTextFormat(Qt::PlainText);
    label_->setWordWrap(true);
    // The whole rectangle is the text's, as on the desktop the templates were drawn for.
    label_->setContentsMargins(0, 0, 0, 0);
    label_->setMargin(0);
    label_->setIndent(0);
    label_->setAlignment(TextAlignment(row, Qt::AlignTop));
    if (row.Has("sunken")) label_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label_->setGeometry(PixelRect(row, context.units));
  }
  std::string Text() const override { return FromQt(label_->text()); }
  void SetText(const std::string& text) override { label_->setText(ToQt(text)); }
  void SetTextColour(uint32_t rgb) override {
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(rgb));
    label_->setPalette(palette);
  }

 private:
  QLabel* label_;
};

// --- group box -----------------------------------------------------------------------------

// Drawn as the templates assume: the frame's top line runs through the middle of the title,
// which starts at the top of the control, so the controls inside keep clear of it.
class GroupFrame : public QWidget {
 public:
  GroupFrame(const QString& title, QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    SetTitle(title);
  }
  QString Title() const { return title_; }
  // The title is the frame's accessible name too, so that screen readers name the group.
  void SetTitle(const QString& title) {
    title_ = title;
    setAccessibleName(title);
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int middle = metrics.height() / 2;
    const QRect frame(0, middle, width() - 2, height() - middle - 2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));
    if (title_.isEmpty()) return;
    const int indent = metrics.averageCharWidth();
    const QRect text(indent, 0, metrics.horizontalAdvance(title_) + 4, metrics.height());
    painter.fillRect(text, palette().color(QPalette::Window));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(text.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, title_);
  }

 private:
  QString title_;
};

class GroupControl : public Control, public TextControl {
 public:
  GroupControl(const ControlTemplate& row, BuildContext& context)
      : Control(row.kind, new GroupFrame(ToQt(row.text), context.parent)),
        frame_(static_cast<GroupFrame*>(widget())) {
    frame_->setGeometry(PixelRect(row, context.units));
    frame_->lower();
  }
  std::string Text() const override { return FromQt(frame_->Title()); }
  void SetText(const std::string& text) override { frame_->SetTitle(ToQt(text)); }

 private:
  GroupFrame* frame_;
};

// --- edits --------------------------------------------------------------------------------

// What single-line and multi-line edits share: typing, read-only, the change notification.
template <typename Edit>
class EditControl : public Control, public TextControl, public TypingControl {
 public:
  EditControl(const std::string& kind, Edit* edit) : Control(kind, edit), edit_(edit) {}
  bool Raises(ControlEvent event) const override { return event == ControlEvent::kChange; }
  bool Type(const std::string& text) override {
    if (edit_->isReadOnly()) return false;
    SetText(text);
    return true;
  }
  void SetReadOnly(bool read_only) override {
    edit_->setReadOnly(read_only);
    // A read-only field shows the dialog's background, as the desktop draws it, so that the
    // white fields are the ones to type into.
    QPalette palette = QApplication::palette(edit_);
    if (read_only) {
      for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Window));
      }
    }
    edit_->setPalette(palette);
  }
  bool IsReadOnly() const override { return edit_->isReadOnly(); }

 protected:
  Edit* edit_;
};

class LineEditControl : public EditControl<QLineEdit> {
 public:
  LineEditControl(const ControlTemplate& row, BuildContext& context)
      : EditControl(row.kind, new QLineEdit(context.parent)) {
    // Typing has no limit of its own here, so nothing the program writes is ever cut.
    edit_->setMaxLength(INT_MAX);
    edit_->setText(ToQt(row.text));
    SetReadOnly(row.Has("readonly"));
    edit_->setAlignment(TextAlignment(row, Qt::AlignVCenter));
    if (row.Has("password")) edit_->setEchoMode(QLineEdit::Password);
    edit_->setGeometry(PixelRect(row, context.units));
    const int id = row.id;
    QObject::connect(edit_, &QLineEdit::textChanged, edit_,
                     [notify = context.notify, id] { notify(id, ControlEvent::kChange); });
  }
  std::string Text() const override { return FromQt(edit_->text()); }
  void SetText(const std::string& text) override { edit_->setText(ToQt(text)); }
};

// Without "wantreturn", Enter belongs to the dialog (its default button), not to the text.
class PlainEdit : public QPlainTextEdit {
 public:
  PlainEdit(bool want_return, QWidget* parent)
      : QPlainTextEdit(parent), want_return_(want_return) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (!want_return_ || isReadOnly())) {
      event->ignore();
      return;
    }
    QPlainTextEdit::keyPressEvent(event);
  }

 private:
  bool want_return_;
};

class TextEditControl : public EditControl<PlainEdit> {
 public:
  TextEditControl(const ControlTemplate& row, BuildContext& context)
      : EditControl(row.kind, new PlainEdit(row.Has("wantreturn"), context.parent)) {
    SetReadOnly(row.Has("readonly"));
    edit_->setVerticalScrollBarPolicy(row.Has("vscroll") ? Qt::ScrollBarAlwaysOn
                                                         : Qt::ScrollBarAlwaysOff);
    edit_->setHorizontalScrollBarPolicy(row.Has("hscroll") ? Qt::ScrollBarAlwaysOn
                                                           : Qt::ScrollBarAlwaysOff);
    if (row.Has("hscroll") || row.Has("autohscroll")) {
      edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    } else {
      auto* document = new QTextDocument(edit_);
      new BreakingLayout(document, edit_->viewport());
      edit_->setDocument(document);
      edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
      edit_->setWordWrapMode(QTextOption::WrapAnywhere);  // see BreakingLayout
    }
    edit_->setTabChangesFocus(true);
    edit_->setTabStopDistance(context.units.X(32));
    edit_->setGeometry(PixelRect(row, context.units));
    SetText(row.text);
    const int id = row.id;
    QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_,
                     [this, notify = context.notify, id] {
                       if (!setting_) edited_ = true;
                       notify(id, ControlEvent::kChange);
                     });
  }

  // The field hands back exactly what was written into it (a lone CR, U+2028 and all) until
  // a user edits it; from then on its lines end in "\r\n".
  std::string Text() const override {
    if (!edited_) return exact_;
    QString out = edit_->document()->toRawText();  // keeps non-breaking spaces
    out.replace(QChar::ParagraphSeparator, QChar('\n'));
    out.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return FromQt(out);
  }
  void SetText(const std::string& text) override {
    exact_ = text;
    edited_ = false;
    QString shown = ToQt(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setting_ = true;
    edit_->setPlainText(shown);
    setting_ = false;
  }

 private:
  std::string exact_;
  bool edited_ = false;
  bool setting_ = false;
};

std::unique_ptr<Control> BuildEdit(const ControlTemplate& row, BuildContext& context) {
  if (row.Has("multiline")) return std::make_unique<TextEditControl>(row, context);
  return std::make_unique<LineEditControl>(row, context);
}

// --- buttons -------------------------------------------------------------------------------

// The push button that has the focus is the window's default button while it has it; with
// the focus elsewhere the template's default push button (if any) is again.
class PushButton : public QPushButton {
 public:
  PushButton(const QString& text, bool template_default, QWidget* parent)
      : QPushButton(text, parent) {
    // Qt's own auto-default would keep the last focused button default in a window that
    // has none of its own; the hand-over is done here instead.
    setAutoDefault(false);
    setProperty(kTemplateDefault, template_default);
    setDefault(template_default);
  }

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QPushButton::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason) HandDefault(this);
  }
  void focusOutEvent(QFocusEvent* event) override {
    QPushButton::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) HandDefault(nullptr);
  }
  void keyPressEvent(QKeyEvent* event) override {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      click();
      return;
    }
    QPushButton::keyPressEvent(event);
  }

 private:
  static constexpr const char* kTemplateDefault = "winsys_template_default";
  // `focused` (or, without one, the template's default) becomes the only default button.
  void HandDefault(QPushButton* focused) {
    for (QPushButton* button : window()->findChildren<QPushButton*>()) {
      if (button->window() != window() || button->property(kTemplateDefault).isNull()) continue;
      button->setDefault(focused ? button == focused : button->property(kTemplateDefault).toBool());
    }
  }
};

class PushButtonControl : public Control, public TextControl, public ButtonControl {
 public:
  PushButtonControl(const ControlTemplate& row, BuildContext& context)
      : Control(row.kind, new PushButton(ToQt(row.text), row.kind == "defbutton", context.parent)),
        button_(static_cast<QPushButton*>(widget())) {
    button_->setGeometry(PixelRect(row, context.units));
    const int id = row.id;
    QObject::connect(button_, &QPushButton::clicked, button_,
                     [notify = context.notify, id] { notify(id, ControlEvent::kClicked); });
  }
  bool Raises(ControlEvent event) const override { return event == ControlEvent::kClicked; }
  std::string Text() const override { return FromQt(button_->text()); }
  void SetText(const std::string& text) override { button_->setText(ToQt(text)); }
  void Press() override { button_->click(); }

 private:
  QPushButton* button_;
};

class CheckableControl : public Control, public TextControl, public ButtonControl {
 public:
  CheckableControl(const ControlTemplate& row, QAbstractButton* button, BuildContext& context)
      : Control(row.kind, button), button_(button) {
    button_->setGeometry(PixelRect(row, context.units));
    const int id = row.id;
    QObject::connect(button_, &QAbstractButton::clicked, button_,
                     [notify = context.notify, id] { notify(id, ControlEvent::kClicked); });
  }
  bool Raises(ControlEvent event) const override { return event == ControlEvent::kClicked; }
  std::string Text() const override { return FromQt(button_->text()); }
  void SetText(const std::string& text) override { button_->setText(ToQt(text)); }
  void Press() override { button_->click(); }
  bool IsChecked() const override { return button_->isChecked(); }
  bool SetChecked(bool checked) override {
    button_->setChecked(checked);
    return true;
  }

 private:
  QAbstractButton* button_;
};

std::unique_ptr<Control> BuildCheck(const ControlTemplate& row, BuildContext& context) {
  return std::make_unique<CheckableControl>(row, new QCheckBox(ToQt(row.text), context.parent),
                                            context);
}

std::unique_ptr<Control> BuildRadio(const ControlTemplate& row, BuildContext& context) {
  auto* radio = new QRadioButton(ToQt(row.text), context.parent);
  auto* group = static_cast<QButtonGroup*>(*context.radio_group);
  if (group == nullptr || row.Has("group")) {
    group = new QButtonGroup(context.parent);
    group->setExclusive(true);
    *context.radio_group = group;
  }
  group->addButton(radio);
  return std::make_unique<CheckableControl>(row, radio, context);
}

// --- drop-down lists -----------------------------------------------------------------------

class ComboControl : public Control, public TextControl, public ListControl {
 public:
  ComboControl(const ControlTemplate& row, BuildContext& context)
      : Control(row.kind, new QComboBox(context.parent)),
        combo_(static_cast<QComboBox*>(widget())) {
    const QRect rect = PixelRect(row, context.units);
    combo_->setMaxVisibleItems(std::max(1, rect.height() / std::max(1, context.units.base_y)));
    // A plain list, as the desktop's drop-down shows it; the open list is as wide as its items.
    combo_->setItemDelegate(new QStyledItemDelegate(combo_));
    const int id = row.id;
    notify_ = context.notify;
    id_ = id;
    if (row.kind == "combo") {
      combo_->setEditable(true);
      combo_->setInsertPolicy(QComboBox::NoInsert);
      QObject::connect(combo_->lineEdit(), &QLineEdit::textEdited, combo_,
                       [notify = context.notify, id] { notify(id, ControlEvent::kChange); });
    }
    QObject::connect(combo_, qOverload<int>(&QComboBox::activated), combo_,
                     [notify = context.notify, id] { notify(id, ControlEvent::kSelChange); });
    // The template gives the height of the open list; the closed box is one line high.
    combo_->setGeometry(rect.x(), rect.y(), rect.width(), combo_->sizeHint().height());
    template_width_ = rect.width();
  }
  bool Raises(ControlEvent event) const override {
    return event == ControlEvent::kSelChange ||
           (event == ControlEvent::kChange && combo_->isEditable());
  }
  std::string Text() const override { return FromQt(combo_->currentText()); }
  void SetText(const std::string& text) override {
    if (combo_->isEditable()) combo_->setEditText(ToQt(text));
  }
  void Reset() override {
    combo_->clear();
    combo_->resize(template_width_, combo_->height());
  }
  void Add(const std::string& item) override {
    const QString edit_text = combo_->currentText();
    combo_->addItem(ToQt(item));
    FitItem(combo_->itemText(combo_->count() - 1));
    // A list with an edit field keeps what was typed; adding items selects nothing.
    if (combo_->isEditable()) {
      combo_->setCurrentIndex(-1);
      combo_->setEditText(edit_text);
    } else if (combo_->count() == 1) {
      combo_->setCurrentIndex(-1);
    }
  }
  void SetCurrent(int index) override {
    combo_->setCurrentIndex(index >= 0 && index < combo_->count() ? index : -1);
  }
  int Current() const override { return combo_->currentIndex(); }
  std::vector<std::string> Items() const override {
    std::vector<std::string> items;
    for (int i = 0; i < combo_->count(); ++i) items.push_back(FromQt(combo_->itemText(i)));
    return items;
  }
  bool Select(int index) override {
    if (!combo_->isEnabled() || index < 0 || index >= combo_->count()) return false;
    combo_->setCurrentIndex(index);
    notify_(id_, ControlEvent::kSelChange);
    return true;
  }
  bool Type(const std::string& text) override {
    if (!combo_->isEditable()) return false;
    combo_->setEditText(ToQt(text));
    notify_(id_, ControlEvent::kChange);
    return true;
  }

 private:
  // The closed box grows to the right until `item` fits beside its arrow.
  void FitItem(const QString& item) {
    QStyleOptionComboBox option;
    option.initFrom(combo_);
    option.editable = combo_->isEditable();
    option.frame = combo_->hasFrame();
    const QRect field = combo_->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                        QStyle::SC_ComboBoxEditField, combo_);
    // The label is drawn one pixel in from either side of the field.
    const int missing = combo_->fontMetrics().horizontalAdvance(item) + 2 - field.width();
    if (missing > 0) combo_->resize(combo_->width() + missing, combo_->height());
  }

  QComboBox* combo_;
  int template_width_ = 0;
  std::function<void(int, ControlEvent)> notify_;
  int id_ = -1;
};

// --- frames and pictures -------------------------------------------------------------------

// An area drawn by its owner through a paint function (frames), or showing a bitmap
// resource; a left click reports its pixel to the owner.
class PaintArea : public QWidget {
 public:
  explicit PaintArea(QWidget* parent) : QWidget(parent) {}
  std::function<void(WindowPainter&)> paint;
  std::function<void(int, int)> click;
  QPixmap pixmap;
  bool scale_pixmap = false;  // into the whole area, instead of at its own size

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (scale_pixmap && !pixmap.isNull()) {
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawPixmap(rect(), pixmap);
    } else if (!pixmap.isNull()) {
      painter.drawPixmap(0, 0, pixmap);
    }
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

class PaintAreaControl : public Control, public PaintControl {
 public:
  PaintAreaControl(const ControlTemplate& row, BuildContext& context)
      : Control(row.kind, new PaintArea(context.parent)), area_(static_cast<PaintArea*>(widget())) {
    const QRect rect = PixelRect(row, context.units);
    if (row.kind == "bitmap") {
      area_->pixmap = ResourcePixmap("bitmaps/" + row.text + ".bmp");
      // A bitmap control takes its bitmap's size, unless the template fits the bitmap to it.
      area_->scale_pixmap = row.Has("realsizecontrol");
      if (area_->scale_pixmap) {
        area_->setGeometry(rect);
      } else {
        area_->setGeometry(rect.x(), rect.y(), area_->pixmap.width(), area_->pixmap.height());
      }
    } else {
      area_->setGeometry(rect);
    }
  }
  void SetPainter(std::function<void(WindowPainter&)> paint) override {
    area_->paint = std::move(paint);
    area_->update();
  }
  void SetClickHandler(std::function<void(int, int)> click) override {
    area_->click = std::move(click);
  }

 private:
  PaintArea* area_;
};

class IconControl : public Control {
 public:
  IconControl(const ControlTemplate& row, BuildContext& context)
      : Control(row.kind, new QLabel(context.parent)) {
    auto* label = static_cast<QLabel*>(widget());
    const QPixmap pixmap = ResourcePixmap("icons/" + row.text + ".png");
    label->setGeometry(context.units.X(row.x), context.units.Y(row.y), 32, 32);
    label->setPixmap(pixmap.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  }
};

// --- progress bar and slider ---------------------------------------------------------------

class ProgressControl : public Control, public RangeControl {
 public:
  ProgressControl(const ControlTemplate& row, BuildContext& context)
      : Control(row.kind, new QProgressBar(context.parent)),
        bar_(static_cast<QProgressBar*>(widget())) {
    bar_->setTextVisible(false);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setGeometry(PixelRect(row, context.units));
  }
  void SetRange(int low, int high) override { bar_->setRange(low, high); }
  void SetPos(int pos) override { bar_->setValue(pos); }
  int Pos() const override { return bar_->value(); }

 private:
  QProgressBar* bar_;
};

class SliderControl : public Control, public RangeControl {
 public:
  SliderControl(const ControlTemplate& row, BuildContext& context)
      : Control(row.kind,
                new QSlider(row.Has("vertical") ? Qt::Vertical : Qt::Horizontal, context.parent)),
        slider_(static_cast<QSlider*>(widget())) {
    // A vertical track bar has its minimum at the top, as on the desktop it came from.
    if (row.Has("vertical")) slider_->setInvertedAppearance(true);
    slider_->setTickPosition(row.Has("notick") ? QSlider::NoTicks : QSlider::TicksBelow);
    slider_->setGeometry(PixelRect(row, context.units));
    const int id = row.id;
    QObject::connect(slider_, &QSlider::valueChanged, slider_,
                     [notify = context.notify, id] { notify(id, ControlEvent::kChange); });
  }
  bool Raises(ControlEvent event) const override { return event == ControlEvent::kChange; }
  void SetRange(int low, int high) override { slider_->setRange(low, high); }
  void SetPos(int pos) override { slider_->setValue(pos); }
  int Pos() const override { return slider_->value(); }
  bool Drag(int pos) override {
    if (!slider_->isEnabled()) return false;
    slider_->setValue(pos);  // the slider's own change notification follows
    return true;
  }

 private:
  QSlider* slider_;
};

// --- report-view list ----------------------------------------------------------------------

class ReportListControl : public Control, public ReportControl {
 public:
  ReportListControl(const ControlTemplate& row, BuildContext& context)
      : Control(row.kind, new QTreeWidget(context.parent)),
        list_(static_cast<QTreeWidget*>(widget())) {
    list_->setRootIsDecorated(false);
    // Columns keep the widths their owner gives them; the last one does not fill the rest.
    list_->header()->setStretchLastSection(false);
    list_->setHeaderLabels({});
    list_->setSelectionBehavior(row.Has("fullrowselect") ? QAbstractItemView::SelectRows
                                                         : QAbstractItemView::SelectItems);
    if (row.Has("gridlines")) {
      // A style sheet rule for items takes their drawing over from the style, the selected
      // state included, so that state needs its colours spelled out too.
      list_->setStyleSheet(
          QStringLiteral("QTreeView::item { border: 0px; border-right: 1px solid palette(mid);"
                         " border-bottom: 1px solid palette(mid); }"
                         "QTreeView::item:selected { background: palette(highlight);"
                         " color: palette(highlighted-text); }"));
    }
    // The selection keeps its colours when the window is not the active one.
    QPalette palette = list_->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
      palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    }
    list_->setPalette(palette);
    if (row.Has("noheaderclick")) {
      list_->header()->setSectionsClickable(false);
      list_->header()->setSectionResizeMode(QHeaderView::Fixed);
    }
    list_->setGeometry(PixelRect(row, context.units));
  }
  void InsertColumn(int column, const std::string& heading, int width) override {
    if (column < 0) return;
    if (list_->columnCount() <= column) list_->setColumnCount(column + 1);
    if (static_cast<int>(widths_.size()) <= column)
      widths_.resize(static_cast<size_t>(column) + 1, 0);
    widths_[static_cast<size_t>(column)] = width;
    list_->headerItem()->setText(column, ToQt(heading));
    Fit(column);
  }
  void DeleteAllItems() override {
    list_->clear();
    for (int column = 0; column < list_->columnCount(); ++column) Fit(column);
  }
  int InsertItem(int row, const std::string& text) override {
    const int count = list_->topLevelItemCount();
    const int at = row < 0 || row > count ? count : row;
    auto* item = new QTreeWidgetItem();
    item->setText(0, ToQt(text));
    list_->insertTopLevelItem(at, item);
    Fit(0);
    return at;
  }
  void SetItemText(int row, int column, const std::string& text) override {
    if (column < 0 || column >= list_->columnCount()) return;
    if (QTreeWidgetItem* item = list_->topLevelItem(row)) {
      item->setText(column, ToQt(text));
      Fit(column);
    }
  }
  std::string ItemText(int row, int column) const override {
    if (column < 0 || column >= list_->columnCount()) return std::string();
    QTreeWidgetItem* item = list_->topLevelItem(row);
    return item ? FromQt(item->text(column)) : std::string();
  }
  int ItemCount() const override { return list_->topLevelItemCount(); }
  bool SelectRow(int row) override {
    QTreeWidgetItem* item = list_->topLevelItem(row);
    if (item == nullptr || !list_->isEnabled()) return false;
    list_->setFocus(Qt::MouseFocusReason);
    list_->setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    return true;
  }

 private:
  // A column is as wide as its owner asked, or wider where its heading or a cell needs it.
  void Fit(int column) {
    const int asked =
        column < static_cast<int>(widths_.size()) ? widths_[static_cast<size_t>(column)] : 0;
    QHeaderView* header = list_->header();
    QStyleOptionHeader option;
    option.initFrom(header);
    option.section = column;
    option.rect = QRect(0, 0, std::max(asked, 1000), header->height());
    const int margins =
        option.rect.width() -
        header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header).width();
    const int heading =
        header->fontMetrics().horizontalAdvance(list_->headerItem()->text(column)) + margins;
    const int cells = static_cast<QAbstractItemView*>(list_)->sizeHintForColumn(column);
    list_->setColumnWidth(column, std::max({asked, heading, cells}));
  }

  QTreeWidget* list_;
  std::vector<int> widths_;  // as the owner asked
};

template <typename T>
std::unique_ptr<Control> Build(const ControlTemplate& row, BuildContext& context) {
  return std::make_unique<T>(row, context);
}

const ControlKind kKinds[] = {
    {"static", {"center", "right", "sunken"}, Build<StaticControl>},
    {"group", {}, Build<GroupControl>},
    {"edit",
     {"multiline", "readonly", "vscroll", "hscroll", "autohscroll", "number", "password",
      "wantreturn", "center", "right"},
     BuildEdit},
    {"button", {}, Build<PushButtonControl>},
    {"defbutton", {}, Build<PushButtonControl>},
    {"check", {}, BuildCheck},
    {"radio", {"group"}, BuildRadio},
    {"droplist", {}, Build<ComboControl>},
    {"combo", {}, Build<ComboControl>},
    {"frame", {"sunken"}, Build<PaintAreaControl>},
    {"bitmap", {"realsizecontrol"}, Build<PaintAreaControl>},
    {"icon", {}, Build<IconControl>},
    {"progress", {}, Build<ProgressControl>},
    {"trackbar", {"vertical", "notick"}, Build<SliderControl>},
    {"report", {"gridlines", "fullrowselect", "noheaderclick"}, Build<ReportListControl>},
};

}  // namespace

const ControlKind* FindControlKind(const std::string& name) {
  for (const ControlKind& kind : kKinds) {
    if (name == kind.name) return &kind;
  }
  return nullptr;
}

bool IsWindowStyle(const std::string& style) {
  return style == "appwindow" || style == "visible" || style == "minimizebox" || style == "sysmenu";
}

}  // namespace winsys

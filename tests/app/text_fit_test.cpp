// Every text a window shows fits the control that shows it: labels, buttons, check boxes,
// radio buttons, group titles, closed and open drop-down lists and report lists, in the main
// window, the About box and every tool of the menu. Each control is measured with its own
// font and style against the room it has. The suite runs once more with QT_SCALE_FACTOR=2.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/CQuorDlg.h"
#include "app/ToolTable.h"
#include "winsys/DialogWindow.h"
#include "winsys/Prompt.h"

namespace {

std::string Describe(QWidget* widget, const QString& text, QSize need, QSize room) {
  const QVariant id = widget->property("winsys_id");
  return widget->property("winsys_kind").toString().toStdString() + " " +
         (id.isValid() ? std::to_string(id.toInt()) : std::string("-")) + " \"" +
         text.toStdString() + "\" needs " + std::to_string(need.width()) + "x" +
         std::to_string(need.height()) + ", has " + std::to_string(room.width()) + "x" +
         std::to_string(room.height());
}

void Check(std::vector<std::string>* misfits, QWidget* widget, const QString& text, QSize need,
           QSize room) {
  if (need.width() > room.width() || need.height() > room.height()) {
    misfits->push_back(Describe(widget, text, need, room));
  }
}

// The room QLabel lays its text out in: the contents less margin and indent.
QRect LabelRoom(const QLabel* label) {
  QRect room = label->contentsRect();
  const int margin = label->margin();
  room.adjust(margin, margin, -margin, -margin);
  int indent = label->indent();
  if (indent < 0 && label->frameWidth() > 0)
    indent = label->fontMetrics().horizontalAdvance('x') / 2;
  if (indent > 0) {
    const Qt::Alignment align = label->alignment();
    if (align & Qt::AlignLeft) room.setLeft(room.left() + indent);
    if (align & Qt::AlignRight) room.setRight(room.right() - indent);
    if (align & Qt::AlignTop) room.setTop(room.top() + indent);
    if (align & Qt::AlignBottom) room.setBottom(room.bottom() - indent);
  }
  return room;
}

void CheckLabel(std::vector<std::string>* misfits, QLabel* label) {
  if (label->text().isEmpty()) return;
  const QRect room = LabelRoom(label);
  const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
  const QRect need = label->fontMetrics().boundingRect(room, flags, label->text());
  Check(misfits, label, label->text(), need.size(), room.size());
}

void CheckCheckable(std::vector<std::string>* misfits, QAbstractButton* button, bool radio) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  QStyle* style = button->style();
  const QRect indicator = style->subElementRect(
      radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, button);
  const QRect contents = style->subElementRect(
      radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
  if (!button->rect().contains(indicator)) {
    misfits->push_back(Describe(button, "(indicator)", indicator.size(), button->size()));
  }
  const QFontMetrics metrics = button->fontMetrics();
  const QSize need(metrics.horizontalAdvance(button->text()), metrics.height());
  Check(misfits, button, button->text(), need, contents.intersected(button->rect()).size());
}

void CheckPushButton(std::vector<std::string>* misfits, QPushButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  if (button->isDefault()) option.features |= QStyleOptionButton::DefaultButton;
  const QRect contents =
      button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
  const QFontMetrics metrics = button->fontMetrics();
  QString shown = button->text();
  shown.remove('&');
  Check(misfits, button, button->text(), QSize(metrics.horizontalAdvance(shown), metrics.height()),
        contents.size());
}

void CheckGroup(std::vector<std::string>* misfits, QWidget* group) {
  // The group frame draws its title from one average character in, with two pixels either
  // side of it; the title is the frame's accessible name.
  const QString title = group->accessibleName();
  if (title.isEmpty()) return;
  const QFontMetrics metrics = group->fontMetrics();
  const QSize need(metrics.averageCharWidth() + metrics.horizontalAdvance(title) + 4,
                   metrics.height());
  Check(misfits, group, title, need, group->size());
}

void CheckCombo(std::vector<std::string>* misfits, QComboBox* combo) {
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.editable = combo->isEditable();
  option.frame = combo->hasFrame();
  option.subControls = QStyle::SC_All;
  const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, combo);
  // The widest item, closed and in the open list.
  const QFontMetrics metrics = combo->fontMetrics();
  int widest = -1;
  for (int i = 0; i < combo->count(); ++i) {
    if (widest < 0 || metrics.horizontalAdvance(combo->itemText(i)) >
                          metrics.horizontalAdvance(combo->itemText(widest))) {
      widest = i;
    }
  }
  if (widest < 0) return;
  const QString item = combo->itemText(widest);
  // The label is drawn one pixel in from either side of the field.
  Check(misfits, combo, item, QSize(metrics.horizontalAdvance(item) + 2, metrics.height()),
        field.size());
  combo->showPopup();
  QAbstractItemView* view = combo->view();
  QStyleOptionViewItem item_option;
  item_option.initFrom(view);
  item_option.font = view->font();
  item_option.fontMetrics = QFontMetrics(view->font());
  const QSize need = view->itemDelegate()->sizeHint(item_option, combo->model()->index(widest, 0));
  Check(misfits, combo, "(open) " + item, QSize(need.width(), 0),
        QSize(view->viewport()->width(), 0));
  combo->hidePopup();
}

void CheckReport(std::vector<std::string>* misfits, QTreeWidget* list) {
  QHeaderView* header = list->header();
  for (int column = 0; column < list->columnCount(); ++column) {
    const QString heading = list->headerItem()->text(column);
    const int width = header->sectionSize(column);
    QStyleOptionHeader option;
    option.initFrom(header);
    option.section = column;
    option.text = heading;
    option.rect = QRect(0, 0, width, header->height());
    const QRect label = header->style()->subElementRect(QStyle::SE_HeaderLabel, &option, header);
    const QFontMetrics metrics = header->fontMetrics();
    Check(misfits, list, "(header) " + heading, QSize(metrics.horizontalAdvance(heading), 0),
          QSize(label.width(), 0));
    Check(misfits, list, QString("(column %1)").arg(column),
          QSize(static_cast<QAbstractItemView*>(list)->sizeHintForColumn(column), 0),
          QSize(width, 0));
  }
}

// A control that starts inside a group box ends inside it too: nothing spills over its frame.
void CheckInsideGroups(std::vector<std::string>* misfits, const QList<QWidget*>& controls) {
  for (QWidget* group : controls) {
    if (group->property("winsys_kind").toString() != "group") continue;
    for (QWidget* widget : controls) {
      if (widget == group || !group->geometry().contains(widget->geometry().topLeft())) continue;
      if (!group->geometry().contains(widget->geometry())) {
        // Sizes here are the right and bottom edges.
        const QRect inner = widget->geometry();
        const QRect outer = group->geometry();
        misfits->push_back(Describe(widget, "(inside group " + group->accessibleName() + ")",
                                    QSize(inner.right(), inner.bottom()),
                                    QSize(outer.right(), outer.bottom())));
      }
    }
  }
}

std::vector<std::string> Misfits(winsys::DialogWindow* window) {
  std::vector<std::string> misfits;
  const QList<QWidget*> controls =
      window->Client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  CheckInsideGroups(&misfits, controls);
  for (QWidget* widget : controls) {
    const QString kind = widget->property("winsys_kind").toString();
    if (kind == "static") {
      CheckLabel(&misfits, qobject_cast<QLabel*>(widget));
    } else if (kind == "check") {
      CheckCheckable(&misfits, qobject_cast<QAbstractButton*>(widget), false);
    } else if (kind == "radio") {
      CheckCheckable(&misfits, qobject_cast<QAbstractButton*>(widget), true);
    } else if (kind == "button" || kind == "defbutton") {
      CheckPushButton(&misfits, qobject_cast<QPushButton*>(widget));
    } else if (kind == "group") {
      CheckGroup(&misfits, widget);
    } else if (kind == "droplist" || kind == "combo") {
      CheckCombo(&misfits, qobject_cast<QComboBox*>(widget));
    } else if (kind == "report") {
      CheckReport(&misfits, qobject_cast<QTreeWidget*>(widget));
    }
  }
  return misfits;
}

// Both interface languages, each at the scale the test runs at.
class TextFit : public testing::TestWithParam<app::Language> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(app::SetInterfaceLanguage(GetParam()));
    ASSERT_TRUE(data_home_.isValid());
    setenv("XDG_DATA_HOME", data_home_.path().toUtf8().constData(), 1);
    winsys::InstallPrompter(&prompter_);
  }
  void TearDown() override {
    winsys::InstallPrompter(nullptr);
    winsys::SetModalObserver(nullptr);
    app::SetInterfaceLanguage(app::Language::kChinese);
  }
  QTemporaryDir data_home_;
  winsys::ScriptedPrompter prompter_;  // message boxes and file dialogs answered at once
};

bool Chinese() {
  return app::CurrentLanguage() == app::Language::kChinese;
}

// Texts the tools write at run time that are longer than what their windows start with.
const std::map<int, std::function<void(winsys::Dialog&)>>& LongerTexts() {
  static const std::map<int, std::function<void(winsys::Dialog&)>> steps = {
      // The heating time label at a thousand hours and 59 minutes.
      {32826,
       [](winsys::Dialog& tool) {
         tool.TypeText(1011, "1000");
         tool.TypeText(1013, "1000.999");
         tool.Click(1009);
         if (Chinese()) {
           ASSERT_EQ(tool.GetText(1047), "1000小时59分钟");
         }
       }},
      // The MIFARE tool's longest message, after a manual input of the wrong length.
      {32824,
       [](winsys::Dialog& tool) {
         tool.Click(1044);
         tool.TypeText(1043, "FF");
         tool.Click(1044);
         if (Chinese()) {
           ASSERT_EQ(tool.GetText(1045).substr(0, 12), "输入错误");
         }
       }},
  };
  return steps;
}

TEST_P(TextFit, EveryWindowShowsItsWholeTexts) {
  CQuorDlg main;
  ASSERT_TRUE(main.Create(nullptr));
  main.ShowWindow();
  for (const std::string& misfit : Misfits(main.Window())) ADD_FAILURE() << "main: " << misfit;

  for (const app::ToolEntry& entry : app::ToolTable()) {
    if (!entry.make) continue;
    ASSERT_TRUE(main.RunMenuCommand(entry.command));
    winsys::Dialog* tool = main.ToolDialog(entry.command);
    ASSERT_NE(tool, nullptr);
    for (const std::string& misfit : Misfits(tool->Window())) {
      ADD_FAILURE() << "template " << tool->TemplateId() << ": " << misfit;
    }
    auto longer = LongerTexts().find(entry.command);
    if (longer == LongerTexts().end()) continue;
    longer->second(*tool);
    for (const std::string& misfit : Misfits(tool->Window())) {
      ADD_FAILURE() << "template " << tool->TemplateId() << " later: " << misfit;
    }
  }

  int opened = 0;
  winsys::SetModalObserver([&](winsys::Dialog* about, bool open) {
    if (!open) return;
    ++opened;
    for (const std::string& misfit : Misfits(about->Window())) {
      ADD_FAILURE() << "About box: " << misfit;
    }
    QTimer::singleShot(0, [about] { about->Close(); });
  });
  main.SysCommand(16);
  EXPECT_EQ(opened, 1);
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit,
                         testing::Values(app::Language::kChinese, app::Language::kEnglish),
                         [](const testing::TestParamInfo<app::Language>& language) {
                           return std::string(app::LanguageName(language.param));
                         });

}  // namespace

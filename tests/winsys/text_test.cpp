// How fields and lists draw their text: where long lines break, very long lines, read-only
// fields, and the selected row of a report list.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTreeWidget>
#include <cstdlib>
#include <string>
#include <vector>

#include "winsys/Dialog.h"
#include "winsys/DialogWindow.h"

namespace {

constexpr int kWrapping = 50, kScrolling = 51, kReadOnlyLine = 52, kReadOnlyText = 53, kLine = 54,
              kReport = 60;

class TextDialog : public winsys::Dialog {
 public:
  TextDialog() : Dialog(994) {}
};

QPlainTextEdit* Edit(TextDialog& dialog, int id) {
  return qobject_cast<QPlainTextEdit*>(dialog.Window()->Control(id));
}

// The lines field `id` shows its first paragraph in, after it has been drawn.
QStringList ShownLines(TextDialog& dialog, int id) {
  QPlainTextEdit* edit = Edit(dialog, id);
  edit->viewport()->grab();
  const QTextBlock block = edit->document()->firstBlock();
  edit->document()->documentLayout()->blockBoundingRect(block);
  QStringList lines;
  const QString text = block.text();
  const QTextLayout* layout = block.layout();
  for (int i = 0; i < layout->lineCount(); ++i) {
    const QTextLine line = layout->lineAt(i);
    lines << text.mid(line.textStart(), line.textLength());
  }
  return lines;
}

TEST(FieldText, WrappingFieldsBreakOnlyAfterBlanksAndCommas) {
  TextDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  const int width = Edit(dialog, kWrapping)->viewport()->width();
  struct Case {
    std::string text;
    std::vector<std::string> words;  // must each stay on one line
  };
  const Case cases[] = {
      {"251783.39,236364.04,222008.28,208635.11,196170.26,184545.58,173698.46,",
       {"251783.39", "236364.04", "222008.28", "208635.11", "196170.26", "184545.58"}},
      {"0x0E6E,0x1F2A,0x3B4C,0x5D6E,0x7F80,0x91A2,0xB3C4,0xD5E6",
       {"0x0E6E", "0x1F2A", "0x3B4C", "0x5D6E", "0x7F80", "0x91A2", "0xB3C4"}},
      {"0x0E 0x6E 0x1F 0x2A 0x3B 0x4C 0x5D 0x6E 0x7F 0x80 0x91 0xA2", {"0x0E", "0x6E", "0x7F"}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.text);
    dialog.SetText(kWrapping, test.text);
    const QStringList lines = ShownLines(dialog, kWrapping);
    ASSERT_GT(lines.size(), 1);
    EXPECT_EQ(lines.join(QString()).toStdString(), test.text);
    const QFontMetrics metrics = Edit(dialog, kWrapping)->fontMetrics();
    for (int i = 0; i + 1 < lines.size(); ++i) {
      const QChar last = lines[i].back();
      EXPECT_TRUE(last == ' ' || last == ',') << lines[i].toStdString();
      EXPECT_LE(metrics.horizontalAdvance(lines[i].trimmed()), width) << lines[i].toStdString();
    }
    for (const std::string& word : test.words) {
      bool whole = false;
      for (const QString& line : lines) whole |= line.contains(QString::fromStdString(word));
      EXPECT_TRUE(whole) << word;
    }
  }
  // A run without a blank or comma that is wider than the field breaks where the field ends.
  dialog.SetText(kWrapping, std::string(200, '7'));
  const QStringList lines = ShownLines(dialog, kWrapping);
  EXPECT_GT(lines.size(), 2);
  EXPECT_EQ(lines.join(QString()).toStdString(), std::string(200, '7'));
}

TEST(FieldText, FieldsWithAHorizontalScrollBarDoNotWrap) {
  TextDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  const std::string line = "251783.39,236364.04,222008.28,208635.11,196170.26,184545.58";
  dialog.SetText(kScrolling, line + "\r\nnext");
  EXPECT_EQ(ShownLines(dialog, kScrolling), QStringList{QString::fromStdString(line)});
  EXPECT_GT(Edit(dialog, kScrolling)->horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(dialog.GetText(kScrolling), line + "\r\nnext");
}

TEST(FieldText, AMegabyteWithoutABreakIsShownAndHandedBackWhole) {
  TextDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  std::string text(1 << 20, '5');
  text[12345] = '4';
  for (const int id : {kWrapping, kScrolling, kReadOnlyText}) {
    SCOPED_TRACE(id);
    dialog.SetText(id, text);
    EXPECT_EQ(dialog.GetText(id), text);
    EXPECT_GE(ShownLines(dialog, id).size(), 1);
  }
  // Typed after, and pasted into.
  QPlainTextEdit* edit = Edit(dialog, kWrapping);
  edit->moveCursor(QTextCursor::End);
  edit->insertPlainText(QStringLiteral("6"));
  edit->insertPlainText(QString::fromStdString(text));
  EXPECT_EQ(dialog.GetText(kWrapping), text + "6" + text);
  EXPECT_EQ(ShownLines(dialog, kWrapping).join(QString()).size(), 2 * text.size() + 1);
}

TEST(FieldText, ReadOnlyFieldsShowTheDialogBackground) {
  TextDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  const QPalette window = dialog.Window()->palette();
  for (const int id : {kReadOnlyLine, kReadOnlyText}) {
    const QPalette field = dialog.Window()->Control(id)->palette();
    EXPECT_EQ(field.color(QPalette::Active, QPalette::Base),
              window.color(QPalette::Active, QPalette::Window))
        << id;
  }
  for (const int id : {kLine, kWrapping}) {
    EXPECT_NE(dialog.Window()->Control(id)->palette().color(QPalette::Base),
              window.color(QPalette::Window))
        << id;
  }
  // Made editable, a field looks like one again; made read-only, like the dialog.
  dialog.SetReadOnly(kReadOnlyLine, false);
  EXPECT_NE(dialog.Window()->Control(kReadOnlyLine)->palette().color(QPalette::Base),
            window.color(QPalette::Window));
  dialog.SetReadOnly(kLine, true);
  EXPECT_EQ(dialog.Window()->Control(kLine)->palette().color(QPalette::Base),
            window.color(QPalette::Window));
}

TEST(ReportText, TheSelectedRowShowsItsTextInTheSelectionColours) {
  TextDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  dialog.InsertColumn(kReport, 0, "name", 90);
  dialog.InsertColumn(kReport, 1, "value", 90);
  for (int row = 0; row < 3; ++row) {
    dialog.InsertItem(kReport, row, "Block" + std::to_string(row));
    dialog.SetItemText(kReport, row, 1, "KEYA|B");
  }
  auto* list = qobject_cast<QTreeWidget*>(dialog.Window()->Control(kReport));
  ASSERT_NE(list, nullptr);
  const QPalette palette = list->palette();
  for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
    EXPECT_EQ(palette.color(QPalette::Inactive, role), palette.color(QPalette::Active, role));
  }
  list->setCurrentItem(list->topLevelItem(1));
  const QRect row = list->visualItemRect(list->topLevelItem(1));
  const QImage image = list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRgb highlight = palette.color(QPalette::Active, QPalette::Highlight).rgb();
  const QRgb text = palette.color(QPalette::Active, QPalette::HighlightedText).rgb();
  int background = 0, ink = 0, all = 0;
  for (int y = row.top(); y <= row.bottom(); ++y) {
    for (int x = 0; x < 180; ++x) {
      const QRgb pixel = image.pixel(x, y);
      ++all;
      background += pixel == highlight;
      // Text is drawn with soft edges: near the text colour counts.
      ink += std::abs(qRed(pixel) - qRed(text)) + std::abs(qGreen(pixel) - qGreen(text)) +
                 std::abs(qBlue(pixel) - qBlue(text)) <
             96;
    }
  }
  EXPECT_GT(background, all / 2);
  EXPECT_GT(ink, 10);
}

}  // namespace

// Line breaking of multi-line fields as the desktop's edit fields do it: a line breaks after
// a blank or a comma, so numbers such as "184545.58" or "0x0E6E" stay whole; only a run
// without a blank or comma that is wider than the field breaks where the field ends. The
// work grows with the length of the text, however long its lines.
#pragma once

#include <QPlainTextDocumentLayout>
#include <QWidget>

namespace winsys {

class BreakingLayout : public QPlainTextDocumentLayout {
 public:
  // Sets itself as the layout of `document`, which must still be empty; lines are as wide as
  // `view` (the viewport of the one edit that shows the document).
  BreakingLayout(QTextDocument* document, const QWidget* view);

  QRectF blockBoundingRect(const QTextBlock& block) const override;

 private:
  void Relayout(const QTextBlock& block) const;

  const QWidget* view_;
};

}  // namespace winsys

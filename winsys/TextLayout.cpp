#include "winsys/TextLayout.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <climits>
#include <cmath>

namespace winsys {

namespace {

bool BreaksAfter(QChar c) {
  return c == QLatin1Char(' ') || c == QLatin1Char(',') || c == QLatin1Char('\t') ||
         c == QChar::Nbsp || c == QChar(0x3000) || c == QChar(0xFF0C);
}

}  // namespace

BreakingLayout::BreakingLayout(QTextDocument* document, const QWidget* view)
    : QPlainTextDocumentLayout(document), view_(view) {
  // The base class lays a changed block out once itself before asking for its rectangle;
  // breaking anywhere keeps that first pass linear too.
  QTextOption option = document->defaultTextOption();
  option.setWrapMode(QTextOption::WrapAnywhere);
  document->setDefaultTextOption(option);
  document->setDocumentLayout(this);
}

QRectF BreakingLayout::blockBoundingRect(const QTextBlock& block) const {
  // A block whose lines are this class's own carries ManualWrap in its layout's option; any
  // other layout of it (the base class's, or none) is redone here first.
  const QTextLayout* layout = block.isValid() ? block.layout() : nullptr;
  if (layout &&
      (layout->lineCount() == 0 || layout->textOption().wrapMode() != QTextOption::ManualWrap)) {
    Relayout(block);
  }
  return QPlainTextDocumentLayout::blockBoundingRect(block);
}

void BreakingLayout::Relayout(const QTextBlock& block) const {
  QTextDocument* doc = document();
  const qreal margin = doc->documentMargin();
  qreal width = view_->width();
  if (width <= 0) width = qreal(INT_MAX);
  width -= 2 * margin;

  QTextLayout* layout = block.layout();
  QTextOption option = doc->defaultTextOption();
  option.setWrapMode(QTextOption::WrapAnywhere);
  layout->setTextOption(option);
  const QString text = block.text();
  qreal height = 0;
  layout->beginLayout();
  for (;;) {
    QTextLine line = layout->createLine();
    if (!line.isValid()) break;
    line.setLeadingIncluded(true);
    line.setLineWidth(width);  // as many characters as fit
    const int start = line.textStart();
    int end = start + line.textLength();
    if (end < text.size() && !BreaksAfter(text.at(end - 1))) {
      // Back to the last blank or comma; a run without one is broken where the line is full.
      int at = end - 1;
      while (at > start && !BreaksAfter(text.at(at - 1))) --at;
      if (at > start) line.setNumColumns(at - start);
    }
    line.setPosition(QPointF(margin, height));
    height += line.height();
    if (line.leading() < 0) height += std::ceil(line.leading());
  }
  layout->endLayout();
  option.setWrapMode(QTextOption::ManualWrap);
  layout->setTextOption(option);

  const int lines_before = doc->lineCount();
  const_cast<QTextBlock&>(block).setLineCount(block.isVisible() ? layout->lineCount() : 0);
  if (doc->lineCount() != lines_before) {
    emit const_cast<BreakingLayout*>(this)->documentSizeChanged(documentSize());
  }
}

}  // namespace winsys

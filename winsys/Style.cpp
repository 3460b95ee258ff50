#include "winsys/Style.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>

namespace winsys {

namespace {

// The indicator of a check box or radio button on the desktop the templates come from, in
// pixels at 96 dpi; never taller than its control.
constexpr int kIndicator = 13;

class DialogStyle : public QProxyStyle {
 public:
  explicit DialogStyle(QStyle* base) : QProxyStyle(base) { setObjectName("winsys"); }

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    switch (metric) {
      case PM_IndicatorWidth:
      case PM_IndicatorHeight:
      case PM_ExclusiveIndicatorWidth:
      case PM_ExclusiveIndicatorHeight: {
        int size = kIndicator;
        if (qobject_cast<const QAbstractButton*>(widget) && widget->height() > 0) {
          size = std::min(size, widget->height());
        }
        return size;
      }
      case PM_CheckBoxLabelSpacing:
      case PM_RadioButtonLabelSpacing: {
        // Half an average character, as the desktop leaves between the box and the text.
        const QFontMetrics metrics = widget   ? widget->fontMetrics()
                                     : option ? option->fontMetrics
                                              : QFontMetrics(QApplication::font());
        return std::max(1, metrics.averageCharWidth() / 2);
      }
      case PM_FocusFrameHMargin:
        // Cells of lists and tables keep one pixel either side of their text, as the
        // desktop's lists do, and not the room of an input field's focus frame.
        if (qobject_cast<const QAbstractItemView*>(widget)) return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
      default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
  }
};

}  // namespace

void InstallDialogStyle() {
  if (QApplication::style()->objectName() == QLatin1String("winsys")) return;
  QStyle* base = QStyleFactory::create(QApplication::style()->name());
  QApplication::setStyle(new DialogStyle(base));
}

}  // namespace winsys

#include "tests/support/text_fit.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <limits>

namespace quorvan::text_fit {
namespace {

// The document as the text area shows it, laid out at the text area's width.
const QTextDocument& LaidOut(const QTextEdit& edit) {
  edit.document()->documentLayout()->documentSize();
  return *edit.document();
}

// Where a label draws its text.
QRect LabelBox(const QLabel& label) {
  const int margin = label.margin();
  return label.contentsRect().adjusted(margin, margin, -margin, -margin);
}

// Where a field draws its text: inside the frame, less the field's text margins.
QRect FieldBox(const QLineEdit& field) {
  QStyleOptionFrame option;
  option.initFrom(&field);
  option.rect = field.rect();
  option.lineWidth = field.hasFrame()
                         ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field)
                         : 0;
  const QRect contents =
      field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
  // Qt keeps two pixels beside the text and one above and below it.
  return contents.marginsRemoved(field.textMargins()).adjusted(2, 1, -2, -1);
}

// Where a button draws its caption.
QRect ButtonBox(const QPushButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.rect = button.rect();
  option.text = button.text();
  return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
}

// The lines one line of plain text takes at the width, wrapped at words or not at all.
int LinesAt(const QFont& font, const QString& line, qreal width, bool wrap) {
  QTextLayout layout(line, font);
  QTextOption option;
  option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  int lines = 0;
  for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
    l.setLineWidth(width);
    ++lines;
  }
  layout.endLayout();
  return lines;
}

// A single line of text fits when its advance and its font's height do.
bool LineFits(const QFontMetrics& metrics, const QString& text, const QRect& box) {
  return metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height();
}

bool TextAreaFits(const QTextEdit& edit) {
  const QTextDocument& document = LaidOut(edit);
  const qreal width = edit.viewport()->width() - 2 * document.documentMargin();
  qreal bottom = 0;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QTextLayout* layout = block.layout();
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      if (line.naturalTextWidth() > width) return false;
      bottom = layout->position().y() + line.y() + line.height();
    }
  }
  return edit.verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff ||
         bottom <= edit.viewport()->height();
}

}  // namespace

QString ShownText(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
  if (const auto* field = qobject_cast<const QLineEdit*>(&widget)) return field->displayText();
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) return button->text();
  if (const auto* edit = qobject_cast<const QTextEdit*>(&widget)) return edit->toPlainText();
  return {};
}

std::vector<int> LinesPerLine(const QWidget& widget) {
  std::vector<int> lines;
  if (const auto* edit = qobject_cast<const QTextEdit*>(&widget)) {
    const QTextDocument& document = LaidOut(*edit);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
      lines.push_back(block.layout()->lineCount());
    }
    return lines;
  }
  const auto* label = qobject_cast<const QLabel*>(&widget);
  const bool wrap = label && label->wordWrap();
  const qreal width = label ? LabelBox(*label).width() : std::numeric_limits<int>::max();
  for (const QString& line : ShownText(widget).split(QLatin1Char('\n'))) {
    lines.push_back(LinesAt(widget.font(), line, width, wrap));
  }
  return lines;
}

bool FitsItsBox(const QWidget& widget) {
  const QFontMetrics metrics(widget.font());
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    const QRect box = LabelBox(*label);
    const int flags =
        static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect used = metrics.boundingRect(box, flags, label->text());
    return used.width() <= box.width() && used.height() <= box.height();
  }
  if (const auto* field = qobject_cast<const QLineEdit*>(&widget)) {
    return LineFits(metrics, field->displayText(), FieldBox(*field));
  }
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    return LineFits(metrics, button->text(), ButtonBox(*button));
  }
  if (const auto* edit = qobject_cast<const QTextEdit*>(&widget)) return TextAreaFits(*edit);
  return false;
}

}  // namespace quorvan::text_fit

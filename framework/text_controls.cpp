// The text controls. What the user types, pastes or drops passes through the control's KeyDown
// character by character and then through MaximumCharactersAllowed; what the program writes
// passes through neither.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <climits>

#include "framework/control_impl.h"
#include "framework/controls.h"
#include "framework/core/builtin_classes.h"
#include "framework/core/ui_thread.h"

namespace fw {
namespace {

bool IsTab(const QKeyEvent& event) {
  return event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab;
}

// Pasted or dropped text as the keys that would type it: a line break is one Return.
QString AsKeys(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
  text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
  return text;
}

// Splits text into characters, keeping surrogate pairs together.
std::vector<QString> Characters(const QString& text) {
  std::vector<QString> characters;
  for (qsizetype i = 0; i < text.size(); ++i) {
    qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    characters.push_back(text.mid(i, n));
    i += n - 1;
  }
  return characters;
}

// What every text widget shares: the key filter, the limit and the bookkeeping of Value.
class TextBehaviour {
 public:
  explicit TextBehaviour(ControlWidget& host) : host_(host) {}

  // The characters of `text` that KeyDown lets through, in order.
  QString Filter(const QString& text) {
    QString accepted;
    for (const QString& c : Characters(AsKeys(text))) {
      if (host_.Raise("KeyDown", {qt::ToStd(c)})) continue;
      accepted += c;
    }
    return accepted;
  }

  // How many more characters the user may add when `replaced` characters give way.
  qsizetype Room(qsizetype length, qsizetype replaced) const {
    RectControl* owner = host_.Owner();
    const std::int64_t limit = owner ? owner->IntProperty("MaximumCharactersAllowed") : 0;
    if (limit <= 0) return LLONG_MAX;
    return std::max<qsizetype>(0, static_cast<qsizetype>(limit) - (length - replaced));
  }

  // Keeps the stored Value in step with what is shown, then raises TextChange.
  void TextChanged(const std::string& text) {
    RectControl* owner = host_.Owner();
    if (!owner) return;
    if (owner->StringProperty("Value") != text) {
      syncing_ = true;
      owner->SetProperty("Value", text);
      syncing_ = false;
    }
    host_.Raise("TextChange");
  }
  bool Syncing() const { return syncing_; }

 private:
  ControlWidget& host_;
  bool syncing_ = false;
};

// A bordered text control shows its face inside the border whatever Transparent says, so that a
// field reads as a place to type; a borderless one, such as a credit line, shows what it lies on.
bool ShowsFace(const RectControl& o) {
  return !o.BoolProperty("Transparent") || o.BoolProperty("HasBorder", true);
}

void ApplyColours(QWidget& widget, const RectControl& o) {
  QPalette p = widget.palette();
  if (o.Property("TextColor"))
    p.setColor(QPalette::Text, qt::ToQColor(o.ColorProperty("TextColor")));
  if (!ShowsFace(o)) {
    p.setColor(QPalette::Base, Qt::transparent);
  } else if (o.Property("BackgroundColor")) {
    p.setColor(QPalette::Base, qt::ToQColor(o.ColorProperty("BackgroundColor")));
  } else {
    p.setColor(QPalette::Base, QApplication::palette(&widget).color(QPalette::Base));
  }
  widget.setPalette(p);
}

// The properties ApplyColours shows; HasBorder decides the face too, alongside the border.
bool IsColourProperty(std::string_view name) {
  return name == "TextColor" || name == "BackgroundColor" || name == "Transparent";
}

// The other properties both text widgets show alike; false for any other.
bool ApplyShared(QWidget& widget, const RectControl& o, std::string_view name) {
  if (qt::IsFontProperty(name)) {
    widget.setFont(qt::FontOf(o));
  } else if (name == "TabStop") {
    widget.setFocusPolicy(o.BoolProperty("TabStop", true) ? Qt::StrongFocus : Qt::ClickFocus);
  } else {
    return false;
  }
  return true;
}

// A Qt text widget with the key filter, the Edit commands and Tab through KeyDown.
template <class Base>
class TextWidget : public Hosted<Base>, public TextCommands {
 public:
  TextWidget(RectControl& owner, QWidget* parent) : Hosted<Base>(owner, parent), text_(*this) {}

  // QTextEdit's undo() and QLineEdit's cut() change read-only text too; here Cut only copies.
  void Undo() override {
    if (!this->isReadOnly()) this->undo();
  }
  void Cut() override {
    if (this->isReadOnly()) {
      this->copy();
    } else {
      this->cut();
    }
  }
  void Copy() override { this->copy(); }
  void SelectAll() override { this->selectAll(); }

  // Whether the command (those above, and each widget's Paste and Clear) would act now.
  bool WouldAct(TextCommand command) const override {
    const bool editable = !this->isReadOnly();
    switch (command) {
      case TextCommand::Undo:  // an edit of the user's to take back, in editable text
        return editable && UndoAvailable();
      case TextCommand::Cut:  // a selection to copy: in read-only text Cut only copies
      case TextCommand::Copy:
        return SelectedLength() > 0;
      // Editable text, text to paste and room for it within the limit; KeyDown may still refuse it.
      case TextCommand::Paste:
        return editable && !QGuiApplication::clipboard()->text().isEmpty() && Room() > 0;
      case TextCommand::Clear:  // a selection in editable text
        return editable && SelectedLength() > 0;
      case TextCommand::SelectAll:  // text not all selected yet, as Qt's line-edit menu decides:
        return SelectedLength() < TextLength();  // once it is, Select All changes nothing
    }
    return false;
  }

 protected:
  virtual bool UndoAvailable() const = 0;
  virtual qsizetype TextLength() const = 0;
  virtual qsizetype SelectedLength() const = 0;
  // How many more characters the user may add once the selection gives way to them.
  qsizetype Room() const { return text_.Room(TextLength(), SelectedLength()); }

  // What both widgets first do with a key press: the Cut and Paste keys (Ctrl+X, Shift+Delete,
  // Ctrl+V, Shift+Insert) run the commands, as the Edit menu does, and a character goes to KeyDown
  // (Tab went there in event()). True when that took the key; `character` is what KeyDown saw.
  bool KeyTaken(QKeyEvent& e, std::optional<QString>& character) {
    if (e.matches(QKeySequence::Cut)) {
      Cut();
    } else if (e.matches(QKeySequence::Paste)) {
      Paste();
    } else {
      character = IsTab(e) ? std::nullopt : qt::CharacterOf(e);
      if (!character || !this->Raise("KeyDown", {qt::ToStd(*character)})) return false;
    }
    e.accept();
    return true;
  }

  bool event(QEvent* e) override {
    // Tab moves the focus before keyPressEvent would see it, so KeyDown gets it here.
    if (e->type() == QEvent::KeyPress && IsTab(*static_cast<QKeyEvent*>(e))) {
      if (this->Raise("KeyDown", {"\t"})) return true;
    }
    return Base::event(e);
  }

  // Text an input method commits comes in as the user's, like a paste.
  void inputMethodEvent(QInputMethodEvent* e) override {
    const QString commit = e->commitString();
    if (commit.isEmpty()) {
      Base::inputMethodEvent(e);
      return;
    }
    QInputMethodEvent rest(e->preeditString(), e->attributes());
    Base::inputMethodEvent(&rest);
    InsertUserText(commit);
  }

  // Inserts text the user pasted, dropped or composed: filtered, within the limit.
  virtual void InsertUserText(const QString& incoming) = 0;

  TextBehaviour text_;
};

class LineEdit : public TextWidget<QLineEdit> {
 public:
  LineEdit(RectControl& owner, QWidget* parent) : TextWidget(owner, parent) {
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString& text) { text_.TextChanged(qt::ToStd(text)); });
  }

  void Apply(std::string_view name) override {
    RectControl& o = *Owner();
    if (name == "Value") {
      if (text_.Syncing()) return;
      const QString value = qt::ToQString(o.StringProperty("Value"));
      if (value != text()) setText(value);
    } else if (name == "ReadOnly") {
      setReadOnly(o.BoolProperty("ReadOnly"));
    } else if (name == "HasBorder") {
      setFrame(o.BoolProperty("HasBorder", true));
      ApplyColours(*this, o);
    } else if (IsColourProperty(name)) {
      ApplyColours(*this, o);
    } else if (name == "Password") {
      setEchoMode(o.BoolProperty("Password") ? QLineEdit::Password : QLineEdit::Normal);
    } else if (name == "Hint") {
      setPlaceholderText(qt::ToQString(o.StringProperty("Hint")));
    } else if (name == "TextAlignment") {
      setAlignment(qt::HorizontalAlignment(o.IntProperty("TextAlignment")) | Qt::AlignVCenter);
    } else {
      ApplyShared(*this, o, name);
    }
  }

  void Paste() override { InsertUserText(QGuiApplication::clipboard()->text()); }
  void Clear() override {
    if (hasSelectedText() && !isReadOnly()) del();
  }

 protected:
  bool UndoAvailable() const override { return isUndoAvailable(); }
  qsizetype TextLength() const override { return text().size(); }
  qsizetype SelectedLength() const override { return selectionLength(); }

  void keyPressEvent(QKeyEvent* e) override {
    std::optional<QString> character;
    if (KeyTaken(*e, character)) return;
    const std::optional<QString> typed = qt::TypedText(*e);
    if (typed && Room() < typed->size()) {
      e->accept();
      return;
    }
    QLineEdit::keyPressEvent(e);
  }

  void mouseReleaseEvent(QMouseEvent* e) override {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (e->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
      deselect();
      InsertUserText(clipboard->text(QClipboard::Selection));
      e->accept();
      return;
    }
    QLineEdit::mouseReleaseEvent(e);
  }

  void dropEvent(QDropEvent* e) override {
    if (isReadOnly() || !e->mimeData()->hasText()) {
      e->ignore();
      return;
    }
    deselect();
    setCursorPosition(cursorPositionAt(e->position().toPoint()));
    InsertUserText(e->mimeData()->text());
    e->setDropAction(Qt::CopyAction);
    e->accept();
    setFocus(Qt::MouseFocusReason);
  }

  void contextMenuEvent(QContextMenuEvent* e) override {
    QMenu* menu = createStandardContextMenu();
    if (auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"))) {
      disconnect(paste, &QAction::triggered, nullptr, nullptr);
      connect(paste, &QAction::triggered, this, [this] { Paste(); });
    }
    menu->exec(e->globalPos());
    delete menu;
  }

  // A single line keeps no control characters.
  void InsertUserText(const QString& incoming) override {
    if (isReadOnly() || incoming.isEmpty()) return;
    QString accepted;
    for (const QString& c : Characters(text_.Filter(incoming))) {
      if (c[0].isPrint() || c[0].isSurrogate()) accepted += c;
    }
    accepted.truncate(std::min<qsizetype>(accepted.size(), Room()));
    if (!accepted.isEmpty()) insert(accepted);
  }
};

class TextBox : public TextWidget<QTextEdit> {
 public:
  TextBox(RectControl& owner, QWidget* parent) : TextWidget(owner, parent) {
    setAcceptRichText(false);
    setTabChangesFocus(true);
    connect(this, &QTextEdit::textChanged, this, [this] {
      if (!formatting_) text_.TextChanged(StoredText());
    });
  }

  // The shown text with the program's line ends (CR LF).
  std::string StoredText() const {
    QString text = toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return qt::ToStd(text);
  }

  void Apply(std::string_view name) override {
    RectControl& o = *Owner();
    if (name == "Value") {
      if (text_.Syncing()) return;
      const QString value = qt::WithLineFeeds(o.StringProperty("Value"));
      if (value != toPlainText()) {
        setPlainText(value);
        ApplyParagraphs();
      }
    } else if (name == "ReadOnly") {
      setReadOnly(o.BoolProperty("ReadOnly"));
    } else if (name == "HasBorder") {
      setFrameShape(o.BoolProperty("HasBorder", true) ? QFrame::StyledPanel : QFrame::NoFrame);
      ApplyFace(o);
    } else if (name == "MultiLine") {
      setLineWrapMode(o.BoolProperty("MultiLine", true) ? QTextEdit::WidgetWidth
                                                        : QTextEdit::NoWrap);
    } else if (name == "HasVerticalScrollbar") {
      setVerticalScrollBarPolicy(o.BoolProperty("HasVerticalScrollbar") ? Qt::ScrollBarAlwaysOn
                                                                        : Qt::ScrollBarAlwaysOff);
    } else if (name == "HasHorizontalScrollbar") {
      setHorizontalScrollBarPolicy(o.BoolProperty("HasHorizontalScrollbar")
                                       ? Qt::ScrollBarAlwaysOn
                                       : Qt::ScrollBarAlwaysOff);
    } else if (name == "AllowTabs") {
      setTabChangesFocus(!o.BoolProperty("AllowTabs"));
    } else if (name == "TextAlignment" || name == "LineSpacing" || name == "LineHeight") {
      ApplyParagraphs();
    } else if (IsColourProperty(name) || name == "HideSelection") {
      ApplyFace(o);
    } else {
      ApplyShared(*this, o, name);
    }
  }

  void Paste() override { paste(); }
  void Clear() override {
    if (!isReadOnly()) textCursor().removeSelectedText();
  }

 protected:
  bool UndoAvailable() const override { return document()->isUndoAvailable(); }
  // The document counts one paragraph separator past its last character.
  qsizetype TextLength() const override { return document()->characterCount() - 1; }
  qsizetype SelectedLength() const override {
    const QTextCursor cursor = textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
  }

  void keyPressEvent(QKeyEvent* e) override {
    std::optional<QString> character;
    if (KeyTaken(*e, character)) return;
    const bool lineBreak = character == QStringLiteral("\r");
    // The handler may have let go of the control; a gone control takes no line break either.
    if (lineBreak && !(Owner() && Owner()->BoolProperty("MultiLine", true))) {
      e->accept();
      return;
    }
    // Where Tab types, it counts against the limit too.
    const bool tab = IsTab(*e) && !tabChangesFocus();
    const qsizetype typed = lineBreak || tab ? 1 : qt::TypedText(*e).value_or(QString()).size();
    if (typed > 0 && Room() < typed) {
      e->accept();
      return;
    }
    QTextEdit::keyPressEvent(e);
  }

  // Paste, drop and the middle button all come through here.
  void insertFromMimeData(const QMimeData* source) override {
    if (source->hasText()) InsertUserText(source->text());
  }

  void InsertUserText(const QString& incoming) override {
    if (isReadOnly()) return;
    const bool multiLine = Owner() && Owner()->BoolProperty("MultiLine", true);
    QString accepted;
    for (const QString& c : Characters(text_.Filter(incoming))) {
      if (c == QStringLiteral("\r")) {
        if (multiLine) accepted += QLatin1Char('\n');
      } else if (c[0].isPrint() || c[0].isSurrogate() || c == QStringLiteral("\t")) {
        accepted += c;
      }
    }
    accepted.truncate(std::min<qsizetype>(accepted.size(), Room()));
    if (!accepted.isEmpty()) textCursor().insertText(accepted);
  }

 private:
  void ApplyParagraphs() {
    RectControl& o = *Owner();
    QTextBlockFormat format;
    format.setAlignment(qt::HorizontalAlignment(o.IntProperty("TextAlignment")));
    const double height = o.NumberProperty("LineHeight", 0);
    if (height > 0) {
      format.setLineHeight(height, QTextBlockFormat::FixedHeight);
    } else {
      format.setLineHeight(100.0 * o.NumberProperty("LineSpacing", 1.0),
                           QTextBlockFormat::ProportionalHeight);
    }
    formatting_ = true;
    const bool undo = document()->isUndoRedoEnabled();
    document()->setUndoRedoEnabled(false);
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
    document()->setUndoRedoEnabled(undo);
    formatting_ = false;
  }

  // The colours, the viewport's fill and the selection's look, which follows the face.
  void ApplyFace(const RectControl& o) {
    ApplyColours(*this, o);
    viewport()->setAutoFillBackground(ShowsFace(o));
    ShowSelection(o);
  }

  void ShowSelection(const RectControl& o) {
    QPalette p = palette();
    // HideSelection: the selection shows only while the control has the focus.
    const bool hide = o.BoolProperty("HideSelection", true);
    p.setColor(QPalette::Inactive, QPalette::Highlight,
               hide ? p.color(QPalette::Inactive, QPalette::Base)
                    : p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               hide ? p.color(QPalette::Inactive, QPalette::Text)
                    : p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
  }

  bool formatting_ = false;
};

}  // namespace

ControlWidget* MakeTextWidget(RectControl& control, QWidget* parent) {
  if (control.IsA(classes::TextField())) return new LineEdit(control, parent);
  if (control.IsA(classes::TextArea())) return new TextBox(control, parent);
  return nullptr;
}

std::string TextEdit::Text() const {
  CheckGuiThread();
  QWidget* widget = impl().widget;
  if (auto* line = dynamic_cast<LineEdit*>(widget)) return qt::ToStd(line->text());
  if (auto* box = dynamic_cast<TextBox*>(widget)) return box->StoredText();
  return StringProperty("Value");
}

void TextEdit::Text(std::string_view text) {
  CheckGuiThread();
  SetProperty("Value", std::string(text));
}

bool TextEdit::ReadOnly() const {
  return BoolProperty("ReadOnly");
}

}  // namespace fw

#include "platform/widgets/zav_input.h"

#include "platform/data/RuntimeError.h"
#include "platform/widgets/LimiteTexto.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>
#include <QWindow>
#include <memory>

namespace zav {

namespace {

constexpr int KeyEnter = 13;
constexpr int KeyBackspace = 8;
constexpr int KeyEsc = 27;

constexpr int KeyCtrlV = 22;
constexpr int KeyCtrlX = 24;

// The control character of Ctrl and a letter (Ctrl+A 1 ... Ctrl+Z 26), or 0.
int controlCharacterOf(const QKeyEvent* key)
{
    const Qt::KeyboardModifiers mods = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (mods != Qt::ControlModifier || key->key() < Qt::Key_A || key->key() > Qt::Key_Z)
        return 0;
    return key->key() - Qt::Key_A + 1;
}

// The character code a key press carries, as the screens see it; 0 for keys
// that type nothing (arrows, function keys). Pasting and cutting carry Ctrl+V's
// and Ctrl+X's codes whichever keys do them (Shift+Insert, Shift+Delete), so a
// screen sees a pasted code as an edit like a typed one.
int asciiOf(const QKeyEvent* key)
{
    if (key->matches(QKeySequence::Paste))
        return KeyCtrlV;
    if (key->matches(QKeySequence::Cut))
        return KeyCtrlX;
    switch (key->key()) {
    case Qt::Key_Escape: return KeyEsc;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyEnter;
    case Qt::Key_Backspace: return KeyBackspace;
    default: break;
    }
    if (const int control = controlCharacterOf(key))
        return control;
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return 0;
    return text.at(0).unicode();
}

// The key a context-menu command stands for: paste and cut, or 0.
int keyOfMenuCommand(const QAction* action)
{
    const QString caption = action->text().section(QLatin1Char('\t'), 0, 0);
    if (action->objectName() == QLatin1String("edit-paste") || caption == QLineEdit::tr("&Paste"))
        return KeyCtrlV;
    if (action->objectName() == QLatin1String("edit-cut") || caption == QLineEdit::tr("Cu&t"))
        return KeyCtrlX;
    return 0;
}

const char* const CausesValidation = "CausesValidation";

bool causesValidation(const QWidget& control)
{
    const QVariant causes = control.property(CausesValidation);
    return !causes.isValid() || causes.toBool();
}

bool isLeavingKey(const QKeyEvent* key)
{
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
}

} // namespace

// Watches the clicks and access keys of the whole program while its field has
// the focus. A click reaches the window before the widget under the mouse, and
// the widget takes the focus before it sees the click: so the click is caught at
// the window. An access key ("&Carregar" and Alt+C) reaches its button as a
// shortcut event, which presses the button without a focus change the field sees.
class zav_input::LeaveWatcher : public QObject {
public:
    explicit LeaveWatcher(zav_input* field) : QObject(field), field_(field) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        QWidget* window = field_->window();
        if (event->type() == QEvent::Shortcut) {
            auto* target = qobject_cast<QWidget*>(watched);
            return target && target->window() == window && field_->handleLeavingFor(target);
        }
        if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonDblClick)
            return false;
        if (watched != static_cast<QObject*>(window->windowHandle()))
            return false;
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        QWidget* target = window->childAt(at);
        return field_->handleLeavingFor(target ? target : window);
    }

private:
    zav_input* field_;
};

zav_input::zav_input(int index, QWidget* parent, int tipo_campo, int formato_campo)
    : QWidget(parent), index_(index), tipo_(tipo_campo), formato_(formato_campo),
      leaves_(new LeaveWatcher(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QWidget* inner = nullptr;
    if (tipo_ == VariasLinhas) {
        text_ = new QPlainTextEdit(this);
        text_->setTabChangesFocus(true);
        connect(text_, &QPlainTextEdit::textChanged, this, &zav_input::limitEdit);
        inner = text_;
    } else {
        line_ = new QLineEdit(this);
        limit_ = new LimiteLinha(*line_);
        inner = line_;
    }
    layout->addWidget(inner);
    setFocusProxy(inner);
    setFocusPolicy(inner->focusPolicy());
    inner->installEventFilter(this);
    // Several lines take the mouse, the menu and drops on their viewport.
    if (text_)
        text_->viewport()->installEventFilter(this);
}

zav_input::~zav_input()
{
    qApp->removeEventFilter(leaves_);
}

QWidget* zav_input::editor() const
{
    return line_ ? static_cast<QWidget*>(line_) : static_cast<QWidget*>(text_);
}

QString zav_input::Text() const
{
    return line_ ? line_->text() : text_->toPlainText();
}

void zav_input::setText(const QString& text)
{
    if (line_) {
        limit_->poeTexto(text);
        return;
    }
    settingText_ = true;
    text_->setPlainText(text);
    settingText_ = false;
    textBefore_ = text_->toPlainText();
}

int zav_input::SelStart() const
{
    if (line_)
        return line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
    return text_->textCursor().selectionStart();
}

void zav_input::setSelStart(int start)
{
    start = qBound(0, start, int(Text().size()));
    if (line_) {
        line_->deselect();
        line_->setCursorPosition(start);
        return;
    }
    QTextCursor cursor = text_->textCursor();
    cursor.setPosition(start);
    text_->setTextCursor(cursor);
}

int zav_input::SelLength() const
{
    if (line_)
        return int(line_->selectedText().size());
    const QTextCursor cursor = text_->textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void zav_input::setSelLength(int length)
{
    const int start = SelStart();
    length = qBound(0, length, int(Text().size()) - start);
    if (line_) {
        line_->setSelection(start, length);
        return;
    }
    QTextCursor cursor = text_->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    text_->setTextCursor(cursor);
}

void zav_input::setMaxLength(int length)
{
    maxLength_ = qMax(0, length);
    if (limit_)
        limit_->setLimite(maxLength_);
}

// Several lines: the edit has happened; what it brought in past the limit goes.
void zav_input::limitEdit()
{
    if (settingText_)
        return;
    const QString now = text_->toPlainText();
    const EdicaoLimitada edit = limitaEdicao(textBefore_, now, maxLength_, false);
    if (edit.texto != now) {
        settingText_ = true;
        QTextCursor cursor = text_->textCursor();
        cursor.setPosition(edit.inicio);
        cursor.setPosition(edit.fim, QTextCursor::KeepAnchor);
        cursor.insertText(edit.trazido);
        text_->setTextCursor(cursor);
        settingText_ = false;
    }
    textBefore_ = text_->toPlainText();
}

bool zav_input::acceptsCharacter(QChar c) const
{
    if (formato_ != SoNumeros)
        return true;
    return c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char(',');
}

bool zav_input::ownsWidget(const QWidget* widget) const
{
    return widget == this || isAncestorOf(widget) || (companion_ && widget == companion_);
}

bool zav_input::raiseValida()
{
    if (validating_)
        return false;
    validating_ = true;
    bool cancel = false;
    emit Valida(index_, cancel);
    validating_ = false;
    return cancel;
}

bool zav_input::handleKey(QKeyEvent* event)
{
    if (deliveringReplacement_)
        return false;
    if (isLeavingKey(event)) {
        if (raiseValida())
            return true;
        // A handler that moved the focus itself (a key field locked as its
        // record loads) has already taken the field's leave: the key must not
        // move it on a second time.
        return !editor()->hasFocus();
    }
    if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier) {
        emit PedeLista(index_);
        return true;
    }
    const int original = asciiOf(event);
    if (original == 0)
        return false;
    int keyAscii = original;
    emit Tecla(index_, keyAscii);
    if (keyAscii == 0)
        return true;
    const bool printable = keyAscii >= 32;
    if (printable && !acceptsCharacter(QChar(keyAscii)))
        return true;
    if (keyAscii == original)
        return false;
    // The handler typed another key in place of this one.
    const QString text = QString(QChar(char16_t(keyAscii)));
    const bool control = keyAscii >= 1 && keyAscii <= 26 && keyAscii != KeyEnter && keyAscii != KeyBackspace;
    const int key = keyAscii == KeyEnter ? Qt::Key_Return
                    : keyAscii == KeyBackspace ? Qt::Key_Backspace
                    : keyAscii == KeyEsc ? Qt::Key_Escape
                    : control ? Qt::Key_A + keyAscii - 1
                    : QChar(keyAscii).toUpper().unicode();
    Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::ShiftModifier | Qt::ControlModifier);
    if (control)
        mods |= Qt::ControlModifier;
    QKeyEvent replacement(QEvent::KeyPress, key, mods, text);
    deliveringReplacement_ = true;
    QCoreApplication::sendEvent(editor(), &replacement);
    deliveringReplacement_ = false;
    return true;
}

bool zav_input::allowsEdit(int keyAscii)
{
    emit Tecla(index_, keyAscii);
    return keyAscii != 0;
}

// The editor's own menu, with Paste and Cut announced through Tecla first.
void zav_input::showContextMenu(const QPoint& at, const QPoint& global)
{
    const std::unique_ptr<QMenu> menu(line_ ? line_->createStandardContextMenu()
                                            : text_->createStandardContextMenu(at));
    for (QAction* action : menu->actions()) {
        const int key = keyOfMenuCommand(action);
        if (key == 0)
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, [this, key] {
            if (!allowsEdit(key))
                return;
            if (key == KeyCtrlV)
                line_ ? line_->paste() : text_->paste();
            else
                line_ ? line_->cut() : text_->cut();
        });
    }
    menu->exec(global);
}

bool zav_input::handleMouseEdit(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ContextMenu: {
        const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        showContextMenu(menuEvent->pos(), menuEvent->globalPos());
        return true;
    }
    case QEvent::MouseButtonRelease:
        // X11's middle button pastes the selection.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton
            && QApplication::clipboard()->supportsSelection())
            return !allowsEdit(KeyCtrlV);
        return false;
    case QEvent::Drop:
        return !allowsEdit(KeyCtrlV);
    default:
        return false;
    }
}

// A click or an access key on another control of this window is a way of leaving the field:
// the control that would take the focus is the nearest one up the parent chain
// that accepts focus by click. A command button is left for even when a click
// does not focus it (a list button leaves the focus in its field while the list
// is open): pressing it acts on the screen as if the focus had gone there.
bool zav_input::handleLeavingFor(QWidget* widget)
{
    if (ownsWidget(widget))
        return false;
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (ownsWidget(w))
            return false;
        const bool takesTheClick = (w->focusPolicy() & Qt::ClickFocus) || qobject_cast<QPushButton*>(w);
        if (w->isEnabled() && takesTheClick)
            return causesValidation(*w) && raiseValida();
        if (w->isWindow())
            break;
    }
    return false;
}

bool zav_input::eventFilter(QObject* watched, QEvent* event)
{
    const bool onViewport = text_ && watched == text_->viewport();
    if (watched != editor() && !onViewport)
        return false;
    if (handleMouseEdit(event))
        return true;
    if (onViewport)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return handleKey(static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn: {
        qApp->installEventFilter(leaves_);
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            emit Entra(index_);
        break;
    }
    case QEvent::FocusOut:
        qApp->removeEventFilter(leaves_);
        break;
    default:
        break;
    }
    return false;
}

void setCausesValidation(QWidget& control, bool causes)
{
    control.setProperty(CausesValidation, causes);
}

zav_input& zav_inputArray::add(zav_input* field)
{
    const int index = field->Index();
    if (fields_.contains(index) && fields_.value(index))
        throw RuntimeError(360, QStringLiteral("Objeto já carregado"));
    fields_.insert(index, field);
    connect(field, &zav_input::Valida, this, &zav_inputArray::Valida);
    connect(field, &zav_input::PedeLista, this, &zav_inputArray::PedeLista);
    connect(field, &zav_input::Tecla, this, &zav_inputArray::Tecla);
    connect(field, &zav_input::Entra, this, &zav_inputArray::Entra);
    return *field;
}

zav_input& zav_inputArray::operator[](int index) const
{
    const QPointer<zav_input> field = fields_.value(index);
    if (!field)
        throw RuntimeError(340, QStringLiteral("O elemento '%1' da matriz de controlos não existe").arg(index));
    return *field;
}

} // namespace zav

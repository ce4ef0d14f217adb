#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;

namespace zav {

class LimiteLinha;

// The screens' input field: one line or several lines (tipo_campo 1), any text
// or numbers only (formato_campo 1). It tells its screen, by its index in the
// screen's control array, when the user is about to leave it (Valida), asks for
// its list (PedeLista, key F4), types a key (Tecla) or enters it (Entra).
//
// Valida runs before the focus leaves by Tab, Shift+Tab, a click on another
// focusable control of the same window or that control's access key (but for
// the field's companion and a control that causes no validation); a handler
// that sets `cancel` keeps the focus here and the key or click has no effect. While a Valida handler runs
// (for instance showing a message box) no second Valida is raised. A handler
// that moves the focus itself uses up the Tab: it does not move it again.
//
// Tecla runs for every character key, Enter (13), Backspace (8), Esc (27) and
// the control characters of Ctrl and a letter (paste 22 and cut 24 also by
// Shift+Insert and Shift+Delete) before the field sees it; the handler may
// change the code or swallow the key by setting it to 0. Pasting and cutting
// with the mouse (the context menu, a middle-click paste, a drop) raise it as
// 22 and 24 too, and a handler that swallows the key stops the edit.
class zav_input : public QWidget {
    Q_OBJECT
public:
    enum { UmaLinha = 0, VariasLinhas = 1 };  // tipo_campo
    enum { QualquerTexto = 0, SoNumeros = 1 }; // formato_campo

    explicit zav_input(int index, QWidget* parent = nullptr, int tipo_campo = UmaLinha,
                       int formato_campo = QualquerTexto);
    ~zav_input() override;

    int Index() const { return index_; }
    int tipo_campo() const { return tipo_; }
    int formato_campo() const { return formato_; }

    QString Text() const;
    void setText(const QString& text);
    // The selection; with nothing selected SelStart is the cursor position.
    // Setting SelStart clears the selection; SelLength selects from SelStart.
    int SelStart() const;
    void setSelStart(int start);
    int SelLength() const;
    void setSelLength(int length);
    // What the user may type or paste: an edit keeps only what fits, while a
    // longer text already there, the program's or the database's, stays whole.
    // 0 means no limit.
    int MaxLength() const { return maxLength_; }
    void setMaxLength(int length);

    // The inner editor that holds the focus for this field.
    QWidget* editor() const;

    // A control that acts for this field, as its list button does: going to it
    // is not leaving the field, so the field is not validated.
    void setCompanion(QWidget* control) { companion_ = control; }

signals:
    void Valida(int index, bool& cancel);
    void PedeLista(int index);
    void Tecla(int index, int& keyAscii);
    void Entra(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class LeaveWatcher;

    bool handleKey(QKeyEvent* event);
    bool handleMouseEdit(QEvent* event);
    bool allowsEdit(int keyAscii);
    void showContextMenu(const QPoint& at, const QPoint& global);
    bool handleLeavingFor(QWidget* widget);
    bool raiseValida();
    bool acceptsCharacter(QChar c) const;
    bool ownsWidget(const QWidget* widget) const;
    void limitEdit();

    int index_;
    int tipo_;
    int formato_;
    int maxLength_ = 0;
    bool validating_ = false;
    bool settingText_ = false; // the program, not the user, is writing the text
    bool deliveringReplacement_ = false;
    QLineEdit* line_ = nullptr;
    LimiteLinha* limit_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QString textBefore_;  // several lines: the text before the edit under way
    QPointer<QWidget> companion_;
    LeaveWatcher* leaves_;
};

// Whether going to `control` validates the field being left; true until set
// (VB's CausesValidation). A button that closes or empties the screen is set
// false, to answer whatever the field holds.
void setCausesValidation(QWidget& control, bool causes);

// A control array of input fields (`campo`, `cmp`): fields by index, and the
// four events of every field re-raised with the field's index.
class zav_inputArray : public QObject {
    Q_OBJECT
public:
    explicit zav_inputArray(QObject* parent = nullptr) : QObject(parent) {}

    // Adds a field; its index must not be taken yet. The field stays owned by its parent widget.
    zav_input& add(zav_input* field);
    // Run-time error 340 when the array has no element with that index.
    zav_input& operator[](int index) const;
    zav_input& operator()(int index) const { return (*this)[index]; }
    bool contains(int index) const { return fields_.contains(index); }
    QList<int> indexes() const { return fields_.keys(); }
    int count() const { return int(fields_.size()); }

signals:
    void Valida(int index, bool& cancel);
    void PedeLista(int index);
    void Tecla(int index, int& keyAscii);
    void Entra(int index);

private:
    QMap<int, QPointer<zav_input>> fields_;
};

} // namespace zav

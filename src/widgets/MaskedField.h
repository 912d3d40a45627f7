#pragma once

// A single-line edit field governed by an edit mask: fixed width, literals kept in
// place, typing over positions, never shifting. The mask rules live in the model; this
// control routes keys, characters, focus, mouse and clipboard to it and shows its text.

#include <QLineEdit>
#include <memory>
#include <string>

class QMenu;

namespace zarn {

class MaskedFieldModel;

class MaskedField : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskedField(QWidget* parent = nullptr);
    ~MaskedField() override;

    // The mask string, such as "99;1; " or "!99/99/9999;1;_". Changing it re-fits the
    // present text to the new mask.
    void SetEditMask(const std::string& mask);
    std::string EditMask() const;

    // The field text: exactly the field's width, literals in place, a space at every
    // position left empty (Windows-1252).
    std::string Text() const;
    // Lays any text out in the field; the empty text empties it.
    void SetText(const std::string& text);

    void SelectAll();
    // An empty selection at position 0; the field then shows its overwrite caret there.
    void SetCaretToStart();

    // A read-only field refuses every change without a beep but can still be selected
    // and copied.
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const;

    const MaskedFieldModel& Model() const;

    // The field's own context menu (Recortar, Copiar, Colar, Selecionar tudo), enabled
    // as the selection, the read-only flag and the clipboard allow. The caller owns it.
    QMenu* CreateContextMenu();

public slots:
    // The clipboard commands, through the mask rules (for menus and buttons).
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

signals:
    // A mouse click in the field, on release of the button, before the field selects
    // the character at the caret.
    void Clicked();
    // The field refused a typed character and sounded the default beep.
    void Beeped();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    bool WantsKey(const QKeyEvent* event) const;
    void TypeText(const QString& text);
    // Shows the model's display text and selection in the edit control.
    void ShowModel();
    void ShowCaretWithoutSelection();
    // Takes the edit control's caret and selection into the model (after mouse moves
    // and word moves, which the edit control performs).
    void TakeSelectionFromControl();
    void Report(bool beeped);

    std::unique_ptr<MaskedFieldModel> m_model;
};

} // namespace zarn
